#pragma once
// The contest log in memory and everything counted from it: worked sections, worked DX
// countries, the DX contact count. Rebuilt by every load, kept up to date by every commit.
#include <string>

#include "core/contact_log.h"
#include "core/sections.h"
#include "core/worked_countries.h"

namespace topband {

struct LogTallies {
    int DXContactCount = 0;  // contacts that score 5 points (see isDxContact)
};

struct Logbook {
    ContactLog log;
    SectionTable sections;
    WorkedCountries workedCountries;
    LogTallies tallies;
    // Contact count of the first load that found contacts; the exit backup compares against it.
    int backupBaseline = 0;
    // Set by a successful load: whole-file rewrites of the log are refused before it.
    bool logLoadedThisRun = false;
    std::string mode = "CW";
};

}  // namespace topband
