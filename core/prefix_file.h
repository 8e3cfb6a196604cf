#pragma once
// The prefix file arrlpre2.txt: one record per line, eight values: "prefix","country",
// "continent",longitude (west +),latitude (north +), then three values the lookup does not
// use, except that a sixth value beginning with "=" marks the record as an exact call: its
// "prefix" is a whole call and matches that call only.
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
inline constexpr char kExactCallMark = '=';

struct PrefixFileRows {
    std::vector<PrefixRow> rows;  // every good record, at most MaxPrefixes, in file order
    std::string error;            // the first bad record with its line; empty when all were good
};

// A bad record (not eight values, a position that is not a number or is off the globe, an
// empty prefix or country, text too long for its field) is left out and the records after it
// are still read, so one damaged line costs one prefix, not the table. Records past the
// table's capacity are left out too.
PrefixFileRows parsePrefixFile(std::string_view content);

// Where the prefix file is looked for, in order: the shared folder, the data folder, the
// working folder.
std::vector<std::string> prefixFileFolders(const Folders& folders);

struct PrefixFileLoad {
    PrefixTable table;  // the good rows; empty without a file, and every lookup then finds nothing
    std::string path;   // the file read; empty when there was none
    std::string error;  // names the file and its first bad record; the good rows are loaded all the same
};

// Fills a table from the prefix file of the first of `folders` that holds one. No file is not
// an error.
PrefixFileLoad loadPrefixFile(const Files& files, const std::vector<std::string>& folders);

}  // namespace topband
