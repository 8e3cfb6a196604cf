#pragma once
// The process-wide state every window reads: one object, made by main() (or by a test),
// handed to each window by reference.
#include <string>

#include "core/contact_log.h"
#include "core/preferences.h"
#include "core/prefix_table.h"

namespace topband {

struct Folders {
    std::string WorkingFolder;
    std::string SharedFolder;
    std::string DataFolder;
};

// Values rebuilt from the log by every load and kept up to date by every commit.
struct LogTallies {
    int SectionsWorked = 0;
    int DXContactCount = 0;  // contacts without a section but with a country
};

struct AppState {
    Folders folders;
    Preferences prefs;
    ContactLog log;
    PrefixTable prefixes;
    LogTallies tallies;
    // Contact count of the first load that found contacts; the exit backup compares against it.
    int backupBaseline = 0;
    // Set by a successful load: whole-file rewrites of the log are refused before it.
    bool logLoadedThisRun = false;
    std::string mode = "CW";
    bool PartialDupesOn = true;
    // The shared preferences file held in memory.
    std::string SharedPrefsPath;
    std::string SharedPrefsText;
};

}  // namespace topband
