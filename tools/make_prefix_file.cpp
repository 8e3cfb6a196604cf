// Makes the installed prefix file arrlpre2.txt from the country files: cty.dat gives the
// entities with their prefixes, continent and position, cty.csv the DXCC number of each.
//
//   make_prefix_file CTY_DAT CTY_CSV OUTPUT
//
// One row per prefix: "prefix","country","continent",longitude (west +),latitude (north +),
// CQ zone,ITU zone,UTC offset (hours, west +). Rows are sorted byte-wise, so digits come
// before letters and each first character forms one block, as the lookup expects.
#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/number_text.h"
#include "core/prefix_file.h"
#include "core/prefix_lookup.h"
#include "core/prefix_table.h"
#include "core/record_file.h"
#include "platform/files.h"

namespace topband {
namespace {

constexpr std::uintmax_t kMaxSourceBytes = 16u << 20;

struct Rename {
    std::string_view primary;
    std::string_view name;
};
// Names the logger relies on (the W/VE countries), and a name for an entity that takes in
// a contest-only part of itself.
constexpr Rename kRenames[] = {
    {"K", "USA"},           {"VE", "Canada"},      {"KL", "Alaska"}, {"KH6", "Hawaii"},
    {"KP4", "Puerto Rico"}, {"KP2", "Virgin Is."}, {"TA", "Turkey"},
};

std::string nameOf(const std::string& primary, const std::string& name) {
    for (const Rename& rename : kRenames)
        if (rename.primary == primary) return std::string(rename.name);
    return name;
}

struct Entity {
    std::string name;
    int cqZone = 0;
    int ituZone = 0;
    std::string continent;
    float latitude = 0;
    float longitude = 0;  // west positive, as in the source
    float utcOffset = 0;  // hours, west positive, as in the source
    std::string primary;  // without the leading "*" of a contest-only entity
    bool contestOnly = false;
    std::vector<std::string> prefixes;
    std::vector<std::string> exactCalls;
};

struct Row {
    std::string prefix;
    const Entity* entity = nullptr;  // continent, position and zones
    std::string country;
    // What a lookup shows for this row; zones and offset are not part of it.
    auto shown() const { return std::tie(country, entity->continent, entity->longitude, entity->latitude); }
};

std::string quoted(std::string_view text) {
    std::string result(1, '"');
    result += text;
    result += '"';
    return result;
}

[[noreturn]] void fail(const std::string& where, int line, const std::string& why) {
    throw std::runtime_error(where + " line " + std::to_string(line) + ": " + why);
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> result = split(text, '\n');
    for (auto& line : result)
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!result.empty() && result.back().empty()) result.pop_back();
    return result;
}

bool isCallText(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/';
    });
}

// Header: name, CQ zone, ITU zone, continent, latitude, longitude, UTC offset, primary prefix, each ended by ":".
Entity parseHeader(std::string_view line, int lineNumber) {
    const auto fields = split(line, ':');
    if (fields.size() != 9 || !trimBlanks(fields[8]).empty()) fail("cty.dat", lineNumber, "a header needs eight fields");
    Entity e;
    e.name = std::string(trimBlanks(fields[0]));
    const auto cq = parseInteger(fields[1], 1, 40);
    const auto itu = parseInteger(fields[2], 1, 90);
    const auto latitude = parseNumber(fields[4]);
    const auto longitude = parseNumber(fields[5]);
    const auto offset = parseNumber(fields[6]);
    if (!cq || !itu || !latitude || !longitude || !offset) fail("cty.dat", lineNumber, "a zone, position or offset is not a number");
    if (*latitude < -90 || *latitude > 90 || *longitude < -180 || *longitude > 180) fail("cty.dat", lineNumber, "the position is off the globe");
    e.cqZone = static_cast<int>(*cq);
    e.ituZone = static_cast<int>(*itu);
    e.continent = std::string(trimBlanks(fields[3]));
    e.latitude = static_cast<float>(*latitude);
    e.longitude = static_cast<float>(*longitude);
    e.utcOffset = static_cast<float>(*offset);
    std::string_view primary = trimBlanks(fields[7]);
    e.contestOnly = !primary.empty() && primary.front() == '*';
    if (e.contestOnly) primary.remove_prefix(1);
    e.primary = std::string(primary);
    if (e.name.empty() || e.primary.empty() || e.continent.size() != 2) fail("cty.dat", lineNumber, "a name, continent or primary prefix is missing");
    return e;
}

// Alias: PREFIX or =CALL, followed by modifiers such as (zone), [zone], <lat/lon>, {continent}, ~offset~.
void addAlias(Entity& e, std::string_view alias, int lineNumber) {
    alias = trimBlanks(alias);
    if (alias.empty()) return;
    const bool exact = alias.front() == '=';
    if (exact) alias.remove_prefix(1);
    alias = alias.substr(0, alias.find_first_of("([<{~"));
    if (exact) {
        // Version markers and calls written with other characters cannot stand in a call field,
        // and a call whose suffix the lookup takes for the prefix never reaches its own row.
        if (isCallText(alias) && alias.size() <= MaxPrefixLength && portableLookupKey(alias) == alias)
            e.exactCalls.emplace_back(alias);
        return;
    }
    if (!isCallText(alias) || alias.find('/') != std::string_view::npos || alias.size() > MaxPrefixLength) fail("cty.dat", lineNumber, quoted(alias) + " is not a prefix");
    e.prefixes.emplace_back(alias);
}

std::vector<Entity> parseCtyDat(std::string_view content) {
    std::vector<Entity> entities;
    bool inAliases = false;
    int lineNumber = 0;
    for (std::string_view line : lines(content)) {
        ++lineNumber;
        if (trimBlanks(line).empty()) continue;
        if (!inAliases) {
            if (line.front() == ' ' || line.front() == '\t') fail("cty.dat", lineNumber, "prefixes without an entity");
            entities.push_back(parseHeader(line, lineNumber));
            inAliases = true;
            continue;
        }
        const std::size_t end = line.find(';');
        inAliases = end == std::string_view::npos;
        for (std::string_view alias : split(line.substr(0, end), ',')) addAlias(entities.back(), alias, lineNumber);
    }
    if (inAliases) fail("cty.dat", lineNumber, "the last entity has no closing \";\"");
    return entities;
}

// Primary prefix (with the "*" of a contest-only entity) to DXCC number.
std::map<std::string, int, std::less<>> parseDxccNumbers(std::string_view content) {
    std::map<std::string, int, std::less<>> numbers;
    int lineNumber = 0;
    for (std::string_view line : lines(content)) {
        ++lineNumber;
        const auto fields = split(line, ',');
        const auto number = fields.size() >= 3 ? parseInteger(fields[2], 1, 999) : std::nullopt;
        if (!number) fail("cty.csv", lineNumber, "no DXCC number in the third field");
        numbers[std::string(fields[0])] = static_cast<int>(*number);
    }
    return numbers;
}

// The country each entity counts as: a contest-only entity counts as the DXCC entity of its number.
std::vector<std::string> countryNames(const std::vector<Entity>& entities, const std::map<std::string, int, std::less<>>& numbers) {
    const auto numberOf = [&](const Entity& e) {
        const auto found = numbers.find((e.contestOnly ? "*" : "") + e.primary);
        if (found == numbers.end()) throw std::runtime_error("cty.csv has no entity " + quoted(e.primary));
        return found->second;
    };
    std::map<int, std::string> dxccName;
    for (const Entity& e : entities) {
        if (e.contestOnly) continue;
        if (!dxccName.emplace(numberOf(e), nameOf(e.primary, e.name)).second)
            throw std::runtime_error("two entities share DXCC number " + std::to_string(numberOf(e)));
    }
    std::vector<std::string> names;
    for (const Entity& e : entities) {
        const auto parent = dxccName.find(numberOf(e));
        if (parent == dxccName.end()) throw std::runtime_error(quoted(e.name) + " belongs to no DXCC entity");
        if (parent->second.size() > MaxCountryLength || !fitsQuotedField(parent->second))
            throw std::runtime_error(quoted(parent->second) + " cannot stand in the country field");
        names.push_back(parent->second);
    }
    for (const Rename& rename : kRenames)
        if (std::none_of(entities.begin(), entities.end(), [&](const Entity& e) { return e.primary == rename.primary; }))
            throw std::runtime_error("no entity has the primary prefix " + quoted(rename.primary) + " (for " +
                                     std::string(rename.name) + ")");
    return names;
}

// Every prefix; an entity with no prefix of its own is reached through its exact calls.
std::vector<Row> collectRows(const std::vector<Entity>& entities, const std::vector<std::string>& names) {
    std::map<std::string, Row> byPrefix;
    for (std::size_t i = 0; i < entities.size(); ++i) {
        const Entity& e = entities[i];
        for (const std::string& prefix : e.prefixes.empty() ? e.exactCalls : e.prefixes) {
            const Row row{prefix, &e, names[i]};
            const auto [at, added] = byPrefix.emplace(prefix, row);
            if (!added && at->second.shown() != row.shown())
                throw std::runtime_error(quoted(prefix) + " is listed under " + at->second.entity->name + " and " + e.name);
        }
    }
    std::vector<Row> rows;
    for (auto& entry : byPrefix) rows.push_back(std::move(entry.second));
    return rows;
}

// Drops each row whose longest shorter prefix in the table shows the same: the longest match
// then finds that one instead, with the same result. The rows come out sorted byte-wise.
std::vector<Row> withoutRedundantRows(const std::vector<Row>& rows) {
    std::map<std::string_view, const Row*> kept;
    std::vector<const Row*> byLength;
    for (const Row& row : rows) byLength.push_back(&row);
    std::stable_sort(byLength.begin(), byLength.end(), [](const Row* a, const Row* b) { return a->prefix.size() < b->prefix.size(); });
    for (const Row* row : byLength) {
        const Row* shorter = nullptr;
        for (std::size_t length = row->prefix.size() - 1; length > 0 && !shorter; --length) {
            const auto found = kept.find(std::string_view(row->prefix).substr(0, length));
            if (found != kept.end()) shorter = found->second;
        }
        if (!shorter || shorter->shown() != row->shown()) kept.emplace(row->prefix, row);
    }
    std::vector<Row> result;
    for (const auto& entry : kept) result.push_back(*entry.second);
    return result;
}

std::string writePrefixFile(const std::vector<Row>& rows) {
    if (rows.size() > static_cast<std::size_t>(MaxPrefixes))
        throw std::runtime_error(std::to_string(rows.size()) + " rows are more than the table holds");
    RecordWriter writer;
    for (const Row& row : rows) {
        const Entity& e = *row.entity;
        writer.text(row.prefix).text(row.country).text(e.continent).number(e.longitude).number(e.latitude);
        writer.integer(e.cqZone).integer(e.ituZone).number(e.utcOffset).endRecord();
    }
    if (!writer.ok()) throw std::runtime_error(quoted(writer.refusedText()) + " cannot stand in a quoted field");
    return writer.content();
}

std::string readSource(const Files& files, const std::string& path) {
    std::string error;
    auto content = files.readAll(path, error, kMaxSourceBytes);
    if (!content) throw std::runtime_error(path + ": " + error);
    return std::move(*content);
}

}  // namespace
}  // namespace topband

int main(int argc, char** argv) {
    using namespace topband;
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s CTY_DAT CTY_CSV OUTPUT\n", argv[0]);
        return 2;
    }
    try {
        RealFiles files;
        const std::vector<Entity> entities = parseCtyDat(readSource(files, argv[1]));
        const std::vector<std::string> names = countryNames(entities, parseDxccNumbers(readSource(files, argv[2])));
        const std::string content = writePrefixFile(withoutRedundantRows(collectRows(entities, names)));
        if (const IoResult written = files.replaceAtomically(argv[3], content); !written)
            throw std::runtime_error(std::string(argv[3]) + ": " + written.error);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_prefix_file: %s\n", e.what());
        return 1;
    }
    return 0;
}
