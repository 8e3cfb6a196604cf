#include "core/file_names.h"

#include "core/letter_case.h"

namespace topband {

std::string pathInFolder(const Files& files, const std::string& folder, const std::string& name) {
    const std::string exact = joinPath(folder, name);
    if (files.exists(exact)) return exact;
    for (const std::string& entry : files.list(folder))
        if (equalsIgnoringCase(entry, name)) return joinPath(folder, entry);
    return exact;
}

std::string firstFileInFolders(const Files& files, const std::vector<std::string>& folders, const std::string& name) {
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        const std::string path = pathInFolder(files, folder, name);
        if (files.exists(path) && !files.isDirectory(path)) return path;
    }
    return {};
}

}  // namespace topband
