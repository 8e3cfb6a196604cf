#include "app/command_line.h"

namespace topband {

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--version") {
            line.showVersion = true;
        } else if (a == "--help" || a == "-h") {
            line.showHelp = true;
        } else if (a == "--workdir") {
            if (i + 1 >= arguments.size()) {
                line.error = "--workdir needs a folder";
                return line;
            }
            line.workdir = arguments[++i];
        } else if (a == "--screenshot") {
            if (i + 1 >= arguments.size()) {
                line.error = "--screenshot needs a folder";
                return line;
            }
            line.screenshotFolder = arguments[++i];
        } else if (a.rfind("--workdir=", 0) == 0) {
            line.workdir = a.substr(10);
        } else if (a == "lookup" && !line.lookup) {
            line.lookup = true;
        } else if (line.lookup && !a.empty() && a.front() != '-') {
            line.lookupCalls.push_back(a);
        } else {
            line.error = "unknown argument \"" + a + "\"";
            return line;
        }
    }
    if (line.lookup && line.lookupCalls.empty()) line.error = "lookup needs at least one call";
    return line;
}

std::string usageText() {
    return "Usage: topband [--workdir DIR] [--screenshot DIR]\n"
           "       topband [--workdir DIR] lookup CALL...\n"
           "Logs the ARRL 160-Meter Contest. The working folder (the current folder, or DIR) holds\n"
           "Log.txt and 160pref.txt; data files it lacks are copied into it at start.\n"
           "\n"
           "  --workdir DIR     use DIR as the working folder\n"
           "  --screenshot DIR  start as usual, confirm each window with its default button and\n"
           "                    save a picture of it into DIR, then end after the main window\n"
           "  lookup CALL...    print, for each call, a tab-separated line: the call, its country,\n"
           "                    continent, bearing and miles as the main window shows them, and\n"
           "                    DUPE when the working folder's log holds it\n"
           "  --version         print the version and exit\n"
           "  --help            print this text and exit\n";
}

}  // namespace topband
