#pragma once
// `topband lookup CALL...`: the main window's country lookup for a list of calls, so that
// operators can check the prefix table from a shell.
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/files.h"

namespace topband {

// Looks the calls up in the working folder (its 160pref.txt, prefix file and log). Returns
// the process's exit code; problems with the folder's files go to `errors`.
int runLookup(const std::vector<std::string>& calls, Files& files, std::ostream& out, std::ostream& errors);

}  // namespace topband
