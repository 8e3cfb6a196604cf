#pragma once
// The three folders the program reads and writes.
#include <string>

namespace topband {

struct Folders {
    std::string WorkingFolder;  // the contest: the log, the preferences, the data files
    std::string SharedFolder;   // shared with other programs: the station details, an operator's prefix file
    std::string DataFolder;     // the program's own: backups
};

}  // namespace topband
