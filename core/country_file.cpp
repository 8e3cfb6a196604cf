// Reading the country file (cty.dat or cty.csv) and the call-area positions for the prefix
// converter.
#include "core/prefix_convert.h"

#include <algorithm>
#include <map>

#include "core/number_text.h"
#include "core/prefix_file.h"

namespace topband {

namespace {

std::string errorText(const std::string& source, int line, const std::string& why) {
    if (source.empty()) return why;
    if (line <= 0) return source + " " + why;
    return source + " line " + std::to_string(line) + ": " + why;
}

}  // namespace

CountrySourceError::CountrySourceError(const std::string& source, int line, const std::string& why)
    : std::runtime_error(errorText(source, line, why)), line_(line), why_(why) {}

namespace {

// Far above the 346 entities of today's country files.
constexpr std::size_t kMaxEntities = 2000;

std::string quoted(std::string_view text) {
    std::string result(1, '"');
    result += text;
    result += '"';
    return result;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The fields of one line, at most `most` of them: the last holds the rest of the line.
std::vector<std::string_view> split(std::string_view text, char separator, std::size_t most) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = parts.size() + 1 < most ? text.find(separator, start) : std::string_view::npos;
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// Each part of the text between separators, without collecting them.
template <typename Visit>
void forEachPart(std::string_view text, char separator, Visit visit) {
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        visit(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return;
        start = end + 1;
    }
}

// Each line of a source with its 1-based number; LF or CR LF ends a line. The visit returns
// false to stop.
template <typename Visit>
void forEachLine(std::string_view text, Visit visit) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!visit(++number, line)) return;
        start = end + 1;
    }
}

bool isCallText(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](char c) { return (c >= 'A' && c <= 'Z') || isDigit(c) || c == '/'; });
}

bool isPrefixText(std::string_view text) {
    return isCallText(text) && text.find('/') == std::string_view::npos && text.size() <= MaxPrefixLength;
}

struct HeaderFields {
    std::string_view name, cqZone, ituZone, continent, latitude, longitude, utcOffset, primary;
};

CountryEntity checkedEntity(const HeaderFields& f, const std::string& source, int line) {
    const auto fail = [&](const std::string& why) { throw CountrySourceError(source, line, why); };
    const auto cq = parseInteger(f.cqZone, 1, 40);
    const auto itu = parseInteger(f.ituZone, 1, 90);
    const auto latitude = parseNumber(f.latitude);
    const auto longitude = parseNumber(f.longitude);
    const auto offset = parseNumber(f.utcOffset);
    if (!cq || !itu || !latitude || !longitude || !offset) fail("a zone, position or offset is not a number");
    if (*latitude < -90 || *latitude > 90 || *longitude < -180 || *longitude > 180)
        fail("the position is off the globe");
    if (*offset < -24 || *offset > 24) fail("the UTC offset is more than a day");
    CountryEntity e;
    e.name = std::string(trimBlanks(f.name));
    e.cqZone = static_cast<int>(*cq);
    e.ituZone = static_cast<int>(*itu);
    e.continent = std::string(trimBlanks(f.continent));
    e.latitude = static_cast<float>(*latitude);
    e.longitude = static_cast<float>(*longitude);
    e.utcOffset = static_cast<float>(*offset);
    std::string_view primary = trimBlanks(f.primary);
    e.contestOnly = !primary.empty() && primary.front() == '*';
    if (e.contestOnly) primary.remove_prefix(1);
    e.primary = std::string(primary);
    e.line = line;
    if (e.name.empty() || e.primary.empty() || e.continent.size() != 2)
        fail("a name, continent or primary prefix is missing");
    if (e.primary.size() > MaxPrefixLength) fail("the primary prefix " + quoted(e.primary) + " is too long");
    return e;
}

// Header: name, CQ zone, ITU zone, continent, latitude, longitude, UTC offset, primary prefix, each ended by ":".
CountryEntity parseHeader(std::string_view line, const std::string& source, int lineNumber) {
    const auto fields = split(line, ':', 10);
    if (fields.size() != 9 || !trimBlanks(fields[8]).empty())
        throw CountrySourceError(source, lineNumber, "a header needs eight fields");
    return checkedEntity({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6], fields[7]},
                         source, lineNumber);
}

// Alias: PREFIX or =CALL, followed by modifiers such as (zone), [zone], <lat/lon>, {continent}, ~offset~.
void addAlias(CountryEntity& e, std::string_view alias, const std::string& source, int lineNumber,
              std::size_t& aliases) {
    alias = trimBlanks(alias);
    if (alias.empty()) return;
    if (++aliases > kMaxCountryFileAliases)
        throw CountrySourceError(source, lineNumber,
                                 "more than " + std::to_string(kMaxCountryFileAliases) + " prefixes and calls");
    const bool exact = alias.front() == '=';
    if (exact) alias.remove_prefix(1);
    alias = alias.substr(0, alias.find_first_of("([<{~"));
    if (exact) {
        // Version markers and calls written with other characters cannot stand in a call field.
        if (isCallText(alias) && alias.size() <= MaxPrefixLength) e.exactCalls.emplace_back(alias);
        return;
    }
    if (!isPrefixText(alias)) throw CountrySourceError(source, lineNumber, quoted(alias) + " is not a prefix");
    e.prefixes.emplace_back(alias);
}

bool looksLikeCtyDatHeader(std::string_view line) {
    const auto fields = split(line, ':', 10);
    return fields.size() == 9 && trimBlanks(fields[8]).empty();
}

bool looksLikeCtyCsvLine(std::string_view line) {
    return split(line, ',', 11).size() == 10 && trimBlanks(line).ends_with(';');
}

void addEntity(std::vector<CountryEntity>& entities, CountryEntity e, const std::string& source) {
    if (entities.size() == kMaxEntities)
        throw CountrySourceError(source, e.line, "more than " + std::to_string(kMaxEntities) + " entities");
    entities.push_back(std::move(e));
}

}  // namespace

std::vector<CountryEntity> parseCtyDat(std::string_view content, const std::string& source) {
    std::vector<CountryEntity> entities;
    std::size_t aliases = 0;
    bool inAliases = false;
    int lastLine = 0;
    forEachLine(content, [&](int number, std::string_view line) {
        lastLine = number;
        if (trimBlanks(line).empty()) return true;
        if (!inAliases) {
            if (line.front() == ' ' || line.front() == '\t')
                throw CountrySourceError(source, number, "prefixes without an entity");
            addEntity(entities, parseHeader(line, source, number), source);
            inAliases = true;
            return true;
        }
        const std::size_t end = line.find(';');
        inAliases = end == std::string_view::npos;
        forEachPart(line.substr(0, end), ',',
                    [&](std::string_view alias) { addAlias(entities.back(), alias, source, number, aliases); });
        return true;
    });
    if (inAliases) throw CountrySourceError(source, lastLine, "the last entity has no closing \";\"");
    return entities;
}

// primary prefix,name,DXCC number,continent,CQ zone,ITU zone,latitude,longitude,UTC offset,aliases;
// the aliases separated by blanks.
std::vector<CountryEntity> parseCtyCsv(std::string_view content, const std::string& source) {
    std::vector<CountryEntity> entities;
    std::size_t aliases = 0;
    forEachLine(content, [&](int number, std::string_view line) {
        if (trimBlanks(line).empty()) return true;
        const auto fields = split(line, ',', 11);
        if (fields.size() != 10) throw CountrySourceError(source, number, "a line needs ten fields");
        std::string_view aliasText = trimBlanks(fields[9]);
        if (!aliasText.ends_with(';')) throw CountrySourceError(source, number, "the prefixes do not end with \";\"");
        aliasText.remove_suffix(1);
        CountryEntity e = checkedEntity(
            {fields[1], fields[4], fields[5], fields[3], fields[6], fields[7], fields[8], fields[0]}, source, number);
        const auto dxcc = parseInteger(fields[2], 1, 999);
        if (!dxcc) throw CountrySourceError(source, number, "no DXCC number in the third field");
        e.dxcc = static_cast<int>(*dxcc);
        forEachPart(aliasText, ' ', [&](std::string_view alias) { addAlias(e, alias, source, number, aliases); });
        addEntity(entities, std::move(e), source);
        return true;
    });
    return entities;
}

std::vector<CountryEntity> parseCountryFile(std::string_view content, const std::string& source) {
    enum class Layout { None, Dat, Csv } layout = Layout::None;
    forEachLine(content, [&](int number, std::string_view line) {
        if (trimBlanks(line).empty()) return true;
        if (looksLikeCtyDatHeader(line))
            layout = Layout::Dat;
        else if (looksLikeCtyCsvLine(line))
            layout = Layout::Csv;
        else
            throw CountrySourceError(source, number, "is neither an entity of cty.dat nor a line of cty.csv");
        return false;
    });
    if (layout == Layout::Dat) return parseCtyDat(content, source);
    if (layout == Layout::Csv) return parseCtyCsv(content, source);
    throw CountrySourceError(source, 0, "holds no entities");
}

void addDxccNumbers(std::vector<CountryEntity>& entities, std::string_view ctyCsv, const std::string& source) {
    std::map<std::string, int, std::less<>> numbers;
    forEachLine(ctyCsv, [&](int number, std::string_view line) {
        if (trimBlanks(line).empty()) return true;
        const auto fields = split(line, ',', 4);
        const auto dxcc = fields.size() >= 3 ? parseInteger(fields[2], 1, 999) : std::nullopt;
        if (!dxcc) throw CountrySourceError(source, number, "no DXCC number in the third field");
        numbers[std::string(fields[0])] = static_cast<int>(*dxcc);
        return true;
    });
    for (CountryEntity& e : entities) {
        const auto found = numbers.find((e.contestOnly ? "*" : "") + e.primary);
        if (found == numbers.end()) throw CountrySourceError(source, 0, "has no entity " + quoted(e.primary));
        e.dxcc = found->second;
    }
}

std::vector<CallArea> parseCallAreas(std::string_view content, const std::string& source) {
    std::vector<CallArea> areas;
    forEachLine(content, [&](int number, std::string_view line) {
        const std::string_view text = trimBlanks(line);
        if (text.empty() || text.front() == '#') return true;
        const auto fail = [&](const std::string& why) { throw CountrySourceError(source, number, why); };
        const auto fields = split(text, ',', 6);
        if (fields.size() != 5) fail("a call area needs five fields");
        CallArea area;
        area.entity = std::string(trimBlanks(fields[0]));
        area.place = std::string(trimBlanks(fields[4]));
        area.line = number;
        if (area.entity.empty() || area.place.empty()) fail("the entity or the place is missing");
        forEachPart(trimBlanks(fields[1]), ' ', [&](std::string_view token) {
            if (token.empty()) return;
            const bool pattern = token.front() == '*';
            const std::string_view code = pattern ? token.substr(1) : token;
            if (!isPrefixText(code) || (pattern && !isDigit(code.front())))
                fail(quoted(token) + " is neither a prefix nor \"*\" and a call area");
            area.areas.emplace_back(token);
        });
        if (area.areas.empty()) fail("no area is named");
        const auto latitude = parseNumber(fields[2]);
        const auto longitude = parseNumber(fields[3]);
        if (!latitude || !longitude || *latitude < -90 || *latitude > 90 || *longitude < -180 || *longitude > 180)
            fail("the position is not a latitude and a longitude");
        area.latitude = static_cast<float>(*latitude);
        area.longitude = static_cast<float>(-*longitude);
        areas.push_back(std::move(area));
        return true;
    });
    return areas;
}

}  // namespace topband
