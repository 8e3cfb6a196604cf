#include "core/section_file.h"

#include <algorithm>
#include <cstdint>

#include "core/data_file.h"
#include "core/letter_case.h"
#include "core/record_file.h"

namespace topband {
namespace {

constexpr std::uintmax_t kMaxFileBytes = 64u << 10;  // a hundred records take a few kilobytes
constexpr std::size_t kValuesPerRecord = 3;

bool isLetterOrDigit(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

// Why the abbreviation cannot stand in the table; empty when it can.
std::string abbreviationProblem(const std::string& abbreviation, const std::vector<Section>& sections) {
    const std::string quoted = "\"" + abbreviation + "\"";
    if (abbreviation.empty()) return "the abbreviation is empty";
    if (abbreviation.size() > MaxSectionAbbrLength)
        return "the abbreviation " + quoted + " is longer than " + std::to_string(MaxSectionAbbrLength) + " characters";
    if (!std::all_of(abbreviation.begin(), abbreviation.end(), isLetterOrDigit))
        return "the abbreviation " + quoted + " is not letters and digits";
    if (std::any_of(sections.begin(), sections.end(),
                    [&](const Section& s) { return equalsIgnoringCase(s.abbreviation, abbreviation); }))
        return "the abbreviation " + quoted + " is already in the table";
    return {};
}

// Checks one record and appends it to the table; returns why it is bad, empty when good.
std::string takeRecord(std::vector<std::string>& values, std::vector<Section>& sections) {
    if (values.size() < kValuesPerRecord)
        return "the record holds " + std::to_string(values.size()) + " of the three values";
    if (sections.size() == static_cast<std::size_t>(MaxSections))
        return "the table holds at most " + std::to_string(MaxSections) + " sections";
    if (std::string why = abbreviationProblem(values[0], sections); !why.empty()) return why;
    const std::string& name = values[1];
    if (name.size() > MaxSectionNameLength)
        return "the name \"" + name + "\" is longer than " + std::to_string(MaxSectionNameLength) + " characters";
    if (!fitsQuotedField(name)) return "the name \"" + name + "\" holds a double quote";
    const std::string_view group = canonicalSectionGroup(values[2]);
    if (group.empty()) return "the group \"" + values[2] + "\" is not one of 1 to 9, 0 or Canada";
    sections.push_back({std::move(values[0]), std::move(values[1]), std::string(group)});
    return {};
}

SectionFileRecords damaged(int line, const std::string& why) {
    return {{}, "line " + std::to_string(line) + ": " + why};
}

}  // namespace

SectionFileRecords parseSectionFile(std::string_view content) {
    RecordReader reader(content);
    std::vector<Section> sections;
    std::vector<std::string> values;  // of the record being read
    int recordLine = 0;
    // The reader runs records together; a field on a new line begins the next record.
    while (!reader.atEnd()) {
        auto field = reader.text();
        if (!field) return {{}, reader.error()};
        if (reader.line() != recordLine && !values.empty()) {
            if (std::string why = takeRecord(values, sections); !why.empty()) return damaged(recordLine, why);
            values.clear();
        }
        recordLine = reader.line();
        if (values.size() == kValuesPerRecord) return damaged(recordLine, "the record holds more than three values");
        values.push_back(std::move(*field));
    }
    if (!values.empty())
        if (std::string why = takeRecord(values, sections); !why.empty()) return damaged(recordLine, why);
    if (sections.empty()) return {{}, "the file holds no sections"};
    return {std::move(sections), {}};
}

SectionFileLoad loadSectionFile(const Files& files, const std::vector<std::string>& folders) {
    const DataFileText read = readDataFile(files, folders, kSectionFileName, kMaxFileBytes);
    SectionFileLoad load{{}, read.path, read.error};
    if (!read.content) return load;
    SectionFileRecords parsed = parseSectionFile(*read.content);
    if (!parsed.error.empty())
        load.error = load.path + ", " + parsed.error;
    else
        load.table = SectionTable(std::move(parsed.sections));
    return load;
}

}  // namespace topband
