#pragma once
// The process-wide state every window reads: one object, made by main() (or by a test), handed
// to each window by reference. Each subsystem owns its part, and the headless functions take
// only the part they work on; only windows and main() see the whole.
#include "core/folders.h"
#include "core/logbook.h"
#include "core/preferences.h"
#include "core/prefix_table.h"
#include "mainwin/entry_state.h"
#include "mainwin/shared_preferences.h"

namespace topband {

struct AppState {
    Folders folders;
    Preferences prefs;
    PrefixTable prefixes;
    Logbook logbook;
    EntryState entry;
    SharedPreferencesFile shared;
};

}  // namespace topband
