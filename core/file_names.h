#pragma once
// File names are matched without regard to letter case, as operators type them.
#include <string>
#include <vector>

#include "platform/files.h"

namespace topband {

// The path of `name` in `folder`: an entry whose name matches without regard to case when
// there is one (an operator's "log.txt" is the log), otherwise the name as given.
std::string pathInFolder(const Files& files, const std::string& folder, const std::string& name);

// The first folder, in order, that holds a file called `name` (matched without regard to
// case); empty when none does.
std::string firstFileInFolders(const Files& files, const std::vector<std::string>& folders, const std::string& name);

}  // namespace topband
