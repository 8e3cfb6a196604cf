#pragma once
// Seeds a working folder with the installed data files it lacks; never overwrites a file.
#include <string>
#include <vector>

#include "platform/files.h"

namespace topband {

struct SeedResult {
    std::vector<std::string> copied;
    std::vector<std::string> failures;  // "name: reason"
};

SeedResult seedWorkingFolder(Files& files, const std::string& installedDataFolder, const std::string& workingFolder);

}  // namespace topband
