#pragma once
// The prefix file arrlpre2.txt: one record per line, eight values: "prefix","country",
// "continent",longitude (west +),latitude (north +), then three values that are not used.
#include <string>
#include <string_view>
#include <vector>

#include "core/folders.h"
#include "core/prefix_table.h"
#include "platform/files.h"

namespace topband {

inline constexpr const char* kPrefixFileName = "arrlpre2.txt";
inline constexpr std::size_t MaxPrefixLength = 20;
inline constexpr std::size_t MaxCountryLength = 30;  // the country field holds 30 characters

struct PrefixFileRows {
    std::vector<PrefixRow> rows;  // every good record, at most MaxPrefixes, in file order
    std::string error;            // the first bad record with its line; empty when all were good
};

// A bad record (not eight values, a position that is not a number or is off the globe, an
// empty prefix or country, text too long for its field) is left out and the records after it
// are still read, so one damaged line costs one prefix, not the table. Records past the
// table's capacity are left out too.
PrefixFileRows parsePrefixFile(std::string_view content);

// The prefix file in the shared folder, else the data folder, else the working folder; empty
// when none of them holds one.
std::string findPrefixFile(const Files& files, const Folders& folders);

struct PrefixFileLoad {
    std::string path;   // the file read; empty when there was none
    std::string error;  // names the file and its first bad record; the good rows are loaded all the same
};

// Fills the table from the prefix file. Without a file the table is empty and every lookup
// finds nothing, which is not an error.
PrefixFileLoad loadPrefixFile(PrefixTable& table, const Files& files, const Folders& folders);

}  // namespace topband
