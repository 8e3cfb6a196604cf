#pragma once
// The process-wide state every window reads: one object, made by main() (or by a test),
// handed to each window by reference.
#include <string>

#include "core/contact_log.h"
#include "core/preferences.h"
#include "core/prefix_table.h"
#include "core/sections.h"
#include "core/worked_countries.h"
#include "platform/clock.h"

namespace topband {

struct Folders {
    std::string WorkingFolder;
    std::string SharedFolder;
    std::string DataFolder;
};

// Values rebuilt from the log by every load and kept up to date by every commit.
struct LogTallies {
    int DXContactCount = 0;  // contacts that score 5 points (see isDxContact)
};

struct AppState {
    Folders folders;
    Preferences prefs;
    ContactLog log;
    PrefixTable prefixes;
    SectionTable sections;
    LogTallies tallies;
    WorkedCountries workedCountries;
    // Contact count of the first load that found contacts; the exit backup compares against it.
    int backupBaseline = 0;
    // Set by a successful load: whole-file rewrites of the log are refused before it.
    bool logLoadedThisRun = false;
    std::string mode = "CW";
    bool PartialDupesOn = true;
    // Set when the last full check found a duplicate; the next key in the call field is held
    // until three seconds after DupeTime (local time).
    bool DupeFlag = false;
    CivilTime DupeTime;
    // The call and the report sent as the entry fields hold them, for the CW messages.
    std::string MacroCall;
    std::string MacroRST;
    // The shared preferences file held in memory.
    std::string SharedPrefsPath;
    std::string SharedPrefsText;
};

}  // namespace topband
