#pragma once
// SharedUserPreferences.xml: one "<KEY>value</KEY>" line per key below an XML declaration,
// CR LF line ends, held in memory as SharedPreferencesFile::SharedPrefsText and rewritten whole
// on request.
// Other programs read the same file, so its bytes stay exactly in this shape.
#include <string>
#include <string_view>

#include "platform/files.h"

namespace topband {

inline constexpr const char* kSharedPreferencesFileName = "SharedUserPreferences.xml";
inline constexpr std::string_view kSharedPreferencesDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>";

struct SharedPreferencesFile {
    std::string SharedPrefsPath;  // empty until read or saved: nothing is saved without it
    std::string SharedPrefsText;
};

// Reads the file into memory; a missing or empty file starts as the declaration alone. When
// the file exists but cannot be read, the text starts as the declaration too, and
// SharedPrefsPath stays empty so that no later save replaces keys that could not be read.
IoResult LoadSharedPreferences(SharedPreferencesFile& shared, const Files& files, const std::string& path);

// Rewrites the file at `path` from memory (atomically) and remembers the path.
IoResult SaveSharedPreferences(SharedPreferencesFile& shared, Files& files, const std::string& path);

// Sets one key (stored in upper case) in memory, in place when present, else as a new last
// line; with `saveNow` the file at SharedPrefsPath is rewritten.
IoResult SetSharedPreference(SharedPreferencesFile& shared, Files& files, std::string_view key, std::string_view value,
                             bool saveNow);

}  // namespace topband
