#pragma once
// The program's command line.
#include <string>
#include <vector>

namespace topband {

struct CommandLine {
    std::string workdir;
    std::string screenshotFolder;
    bool lookup = false;
    std::vector<std::string> lookupCalls;
    bool showVersion = false;
    bool showHelp = false;
    std::string error;  // set when the arguments make no sense
};

CommandLine parseCommandLine(const std::vector<std::string>& arguments);
std::string usageText();

}  // namespace topband
