#include "app/command_line.h"

namespace topband {

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool optionsEnded = false;
    std::string command;
    std::vector<std::string> operands;  // the words after the command
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && a.size() > 1 && a.front() == '-') {
            if (a == "--version") {
                line.showVersion = true;
            } else if (a == "--help" || a == "-h") {
                line.showHelp = true;
            } else if (a == "--workdir" || a == "--screenshot") {
                if (i + 1 >= arguments.size()) {
                    line.error = a + " needs a folder";
                    return line;
                }
                (a == "--workdir" ? line.workdir : line.screenshotFolder) = arguments[++i];
            } else if (a.rfind("--workdir=", 0) == 0) {
                line.workdir = a.substr(10);
            } else {
                line.error = "unknown argument \"" + a + "\"";
                return line;
            }
        } else if (command.empty() && (a == "lookup" || a == "countries")) {
            command = a;
        } else if (!command.empty() && !a.empty()) {
            operands.push_back(a);
        } else {
            line.error = "unknown argument \"" + a + "\"";
            return line;
        }
    }
    if (command == "lookup") {
        line.lookup = true;
        line.lookupCalls = operands;
        if (operands.empty()) line.error = "lookup needs at least one call";
    } else if (command == "countries") {
        line.countriesImport = operands.size() == 2 && operands[0] == "import";
        if (line.countriesImport)
            line.countryFile = operands[1];
        else
            line.error = "countries needs \"import FILE\"";
    }
    return line;
}

std::string usageText() {
    return "Usage: topband [--workdir DIR] [--screenshot DIR]\n"
           "       topband [--workdir DIR] lookup [--] CALL...\n"
           "       topband [--workdir DIR] countries import FILE\n"
           "Logs the ARRL 160-Meter Contest. The working folder (the current folder, or DIR) holds\n"
           "Log.txt and 160pref.txt; data files it lacks are copied into it at start.\n"
           "\n"
           "  --workdir DIR     use DIR as the working folder\n"
           "  --screenshot DIR  start as usual, confirm each window with its default button and\n"
           "                    save a picture of it into DIR, then end after the main window\n"
           "  lookup CALL...    print, for each call, a tab-separated line: the call, its country,\n"
           "                    continent, bearing and miles as the main window shows them, and\n"
           "                    DUPE when the working folder's log holds it; without a prefix\n"
           "                    table in the working folder or the per-user folders it reads the\n"
           "                    installed one. \"--\" before the calls lets a call begin with \"-\"\n"
           "  countries import FILE\n"
           "                    make the working folder's arrlpre2.txt afresh from FILE, a current\n"
           "                    cty.dat or cty.csv from the country-file site; the old table is kept\n"
           "                    as arrlpre2.txt.bak, and what changed is printed\n"
           "  --version         print the version and exit\n"
           "  --help            print this text and exit\n";
}

}  // namespace topband
