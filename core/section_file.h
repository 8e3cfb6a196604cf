#pragma once
// The section table file sections.txt: one record per section, in display order, of three
// text values: "abbreviation","full name","group", the group being "1" to "9", "0" or
// "Canada". Operators edit it when the sections change; the program itself never writes it.
#include <string>
#include <string_view>
#include <vector>

#include "core/sections.h"
#include "platform/files.h"

namespace topband {

inline constexpr const char* kSectionFileName = "sections.txt";

struct SectionFileRecords {
    std::vector<Section> sections;  // every record, empty when the file is damaged
    std::string error;              // "line N: why" for the first bad record; empty when all were good
};

// The whole file or nothing: one damaged record (not three values, an abbreviation that is
// empty, not letters and digits, too long or already in the table, an unknown group, more
// than MaxSections records) rejects the file, since a table with a hole would refuse real
// sections.
SectionFileRecords parseSectionFile(std::string_view content);

struct SectionFileLoad {
    SectionTable table;  // the file's table, or the built-in one when it is missing or damaged
    std::string path;    // the file read; empty when no folder held one
    std::string error;   // "<path>, line N: why" (or the read failure) for a message box; empty when none
};

// Reads sections.txt from the first of the folders that holds it (the working folder, whose
// copy the operator may have edited, before the installed one).
SectionFileLoad loadSectionFile(const Files& files, const std::vector<std::string>& folders);

}  // namespace topband
