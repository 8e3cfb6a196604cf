#include "mainwin/first_run.h"

#include <algorithm>

#include "core/file_names.h"

namespace topband {

SeedResult seedWorkingFolder(Files& files, const std::string& installedDataFolder, const std::string& workingFolder) {
    SeedResult result;
    std::vector<std::string> names = files.list(installedDataFolder);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        const std::string from = joinPath(installedDataFolder, name);
        if (files.isDirectory(from)) continue;
        // Compared without regard to case: an operator's "log.txt" is the log.
        if (files.exists(pathInFolder(files, workingFolder, name))) continue;
        if (auto copied = files.copyFile(from, joinPath(workingFolder, name)); copied)
            result.copied.push_back(name);
        else
            result.failures.push_back(name + ": " + copied.error);
    }
    return result;
}

}  // namespace topband
