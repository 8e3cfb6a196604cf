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
    bool countriesImport = false;
    std::string countryFile;
    bool showVersion = false;
    bool showHelp = false;
    std::string error;  // set when the arguments make no sense
};

// Options may stand anywhere until "--", after which every word is the command or one of its
// arguments (so that a call may begin with "-").
CommandLine parseCommandLine(const std::vector<std::string>& arguments);
std::string usageText();

}  // namespace topband
