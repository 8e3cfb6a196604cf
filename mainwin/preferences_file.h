#pragma once
// 160pref.txt: the eleven main-window preferences, one value per line.
#include <optional>
#include <string>
#include <string_view>

#include "core/preferences.h"
#include "platform/files.h"

namespace topband {

inline constexpr const char* kPreferencesFileName = "160pref.txt";

// Reads the values in file order into `prefs` (a leading byte-order mark is skipped) and stops at
// the first one that is missing, does not convert or (bare) holds a double quote: false, with
// `error` naming its line. The values before that line are in `prefs`; the others keep what
// `prefs` held.
bool readPreferencesInto(std::string_view content, Preferences& prefs, std::string& error);
// All eleven values, or nothing with `error` naming the line that fails.
std::optional<Preferences> parsePreferences(std::string_view content, std::string& error);
// Nothing when a text value holds a double quote or a line break.
std::optional<std::string> formatPreferences(const Preferences& prefs);
// Writes the whole file atomically.
IoResult writePreferences(Files& files, const std::string& path, const Preferences& prefs);

// What a first start uses: no call or section, the system's own UTC offset, full screen,
// two clearly different section colours, voice and taskbar off.
Preferences neutralPreferences(float systemUtcOffset);

}  // namespace topband
