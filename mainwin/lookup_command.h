#pragma once
// `topband lookup CALL...`: the main window's country lookup for a list of calls, so that
// operators can check the prefix table from a shell.
#include <iosfwd>
#include <string>
#include <vector>

#include "core/folders.h"
#include "platform/files.h"

namespace topband {

// The working folder (the current one) and the per-user folders, as a command finds them;
// nothing is created.
Folders commandFolders(const Files& files);

// Looks the calls up in the working folder (its 160pref.txt, prefix file and log). Where no
// folder holds a prefix file, the installed one is read, as the window's first start would
// copy it. Returns the process's exit code; problems with the folder's files go to `errors`.
int runLookup(const std::vector<std::string>& calls, Files& files, const std::string& installedDataFolder,
              std::ostream& out, std::ostream& errors);

}  // namespace topband
