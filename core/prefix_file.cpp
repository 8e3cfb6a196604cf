#include "core/prefix_file.h"

#include <optional>

#include "core/data_file.h"
#include "core/number_text.h"
#include "core/record_file.h"

namespace topband {
namespace {

constexpr std::size_t kMaxContinentLength = 10;
constexpr std::uintmax_t kMaxFileBytes = 4u << 20;  // above MaxPrefixes rows of sensible length

// Lines of the file, each with its 1-based number; CR LF, LF and CR all end a line.
template <typename Visit>
void forEachLine(std::string_view content, Visit visit) {
    int number = 0;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = content.size();
        if (!visit(content.substr(start, end - start), ++number)) return;
        start = end + (content.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

// The reader's error names the line within the text it was given, always line 1 here.
std::string reasonOnly(const std::string& readerError) {
    const std::size_t colon = readerError.find(": ");
    return colon == std::string::npos ? readerError : readerError.substr(colon + 2);
}

bool checkedText(std::string_view value, std::string_view what, std::size_t minLength, std::size_t maxLength,
                 std::string& why) {
    if (value.size() < minLength || value.size() > maxLength) {
        why = std::string(what) + " \"" + std::string(value) + "\" is not " + std::to_string(minLength) + " to " +
              std::to_string(maxLength) + " characters long";
        return false;
    }
    if (!fitsQuotedField(value)) {
        why = std::string(what) + " \"" + std::string(value) + "\" holds a double quote";
        return false;
    }
    return true;
}

// One record of eight values, or nothing with `why` set.
std::optional<PrefixRow> readRecord(std::string_view line, std::string& why) {
    RecordReader reader(line);
    int values = 0;
    const auto present = [&] {
        if (reader.atEnd()) {
            why = "the record holds " + std::to_string(values) + " of the eight values";
            return false;
        }
        ++values;
        return true;
    };
    std::optional<std::string> prefix, country, continent;
    std::optional<double> longitude, latitude;
    if (present()) prefix = reader.text();
    if (prefix && present()) country = reader.text();
    if (country && present()) continent = reader.text();
    if (continent && present()) longitude = reader.number();
    if (longitude && present()) latitude = reader.number();
    bool complete = latitude.has_value();
    bool exactCall = false;
    for (int unused = 0; unused < 3 && complete; ++unused) {
        std::optional<std::string> value;
        complete = present() && (value = reader.text()).has_value();
        if (complete && unused == 0) exactCall = value->starts_with(kExactCallMark);
    }
    if (!complete) {
        if (why.empty()) why = reasonOnly(reader.error());
        return std::nullopt;
    }
    if (!reader.atEnd()) {
        why = "the record holds more than eight values";
        return std::nullopt;
    }
    if (*longitude < -180 || *longitude > 180 || *latitude < -90 || *latitude > 90) {
        why = "the position is off the globe";
        return std::nullopt;
    }
    if (!checkedText(*prefix, "the prefix", 1, MaxPrefixLength, why) ||
        !checkedText(*country, "the country", 1, MaxCountryLength, why) ||
        !checkedText(*continent, "the continent", 0, kMaxContinentLength, why))
        return std::nullopt;
    return PrefixRow{std::move(*prefix),
                     std::move(*country),
                     std::move(*continent),
                     static_cast<float>(*longitude),
                     static_cast<float>(*latitude),
                     exactCall};
}

}  // namespace

PrefixFileRows parsePrefixFile(std::string_view content) {
    PrefixFileRows result;
    int badRecords = 0;
    std::string overflow;
    forEachLine(content, [&](std::string_view line, int number) {
        if (trimBlanks(line).empty()) return true;
        if (result.rows.size() == static_cast<std::size_t>(MaxPrefixes)) {
            overflow = "the table holds " + std::to_string(MaxPrefixes) + " rows; the records from line " +
                       std::to_string(number) + " on were left out";
            return false;
        }
        std::string why;
        if (auto row = readRecord(line, why))
            result.rows.push_back(std::move(*row));
        else if (++badRecords == 1)
            result.error = "line " + std::to_string(number) + ": " + why;
        return true;
    });
    if (badRecords > 1) result.error += " (" + std::to_string(badRecords) + " bad records were left out)";
    if (!overflow.empty()) result.error += (result.error.empty() ? "" : "; ") + overflow;
    return result;
}

std::vector<std::string> prefixFileFolders(const Folders& folders) {
    return {folders.SharedFolder, folders.DataFolder, folders.WorkingFolder};
}

PrefixFileLoad loadPrefixFile(const Files& files, const std::vector<std::string>& folders) {
    const DataFileText read = readDataFile(files, folders, kPrefixFileName, kMaxFileBytes);
    PrefixFileLoad load{{}, read.path, read.error};
    if (!read.content) return load;
    PrefixFileRows parsed = parsePrefixFile(*read.content);
    if (!parsed.error.empty()) load.error = load.path + ", " + parsed.error;
    load.table.replaceAll(std::move(parsed.rows));
    return load;
}

}  // namespace topband
