#include "core/prefix_convert.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "core/number_text.h"
#include "core/prefix_file.h"
#include "core/prefix_lookup.h"
#include "core/prefix_table.h"
#include "core/record_file.h"

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

struct Rename {
    std::string_view primary;
    std::string_view name;
};
// Names the logger relies on (the W/VE countries), and a name for an entity that takes in
// a contest-only part of itself. Every one of them must be in the country file.
constexpr Rename kRenames[] = {
    {"K", "USA"},           {"VE", "Canada"},      {"KL", "Alaska"}, {"KH6", "Hawaii"},
    {"KP4", "Puerto Rico"}, {"KP2", "Virgin Is."}, {"TA", "Turkey"},
};
// cty.dat's names where cty.csv spells them otherwise, so that either file gives the log the
// same countries.
constexpr Rename kSpellings[] = {
    {"FT/j", "Juan de Nova, Europa"},
    {"ZD9", "Tristan da Cunha & Gough"},
};
// The DXCC entity (by primary prefix) each contest-only entity of cty.dat belongs to, for a
// cty.dat read without the DXCC numbers of its cty.csv.
constexpr Rename kContestOnlyParents[] = {
    {"4U1V", "OE"}, {"GM/s", "GM"}, {"IG9", "I"}, {"IT9", "I"}, {"JW/b", "JW"}, {"TA1", "TA"},
};

std::string nameOf(const CountryEntity& e) {
    for (const Rename& rename : kRenames)
        if (rename.primary == e.primary) return std::string(rename.name);
    for (const Rename& spelling : kSpellings)
        if (spelling.primary == e.primary) return std::string(spelling.name);
    return e.name;
}

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

namespace {

struct Row {
    std::string prefix;
    const CountryEntity* entity = nullptr;  // continent and zones
    std::string country;
    float longitude = 0;  // the entity's position, or its call area's
    float latitude = 0;
    bool exactCall = false;
    // What a lookup shows for this row; zones and offset are not part of it.
    auto shown() const { return std::tie(country, entity->continent, longitude, latitude); }
};

// The country each entity counts as: a contest-only entity counts as the DXCC entity it belongs to.
std::vector<std::string> countryNames(const std::vector<CountryEntity>& entities, const std::string& source) {
    for (const Rename& rename : kRenames)
        if (std::none_of(entities.begin(), entities.end(),
                         [&](const CountryEntity& e) { return e.primary == rename.primary; }))
            throw CountrySourceError({}, 0,
                                     "no entity has the primary prefix " + quoted(rename.primary) + " (for " +
                                         std::string(rename.name) + ")");
    const bool numbered =
        std::all_of(entities.begin(), entities.end(), [](const CountryEntity& e) { return e.dxcc != 0; });
    std::map<std::string, std::string> nameByParent;  // DXCC number or primary prefix to name
    const auto parentKey = [&](const CountryEntity& e) -> std::string {
        if (numbered) return std::to_string(e.dxcc);
        if (!e.contestOnly) return e.primary;
        for (const Rename& parent : kContestOnlyParents)
            if (parent.primary == e.primary) return std::string(parent.name);
        throw CountrySourceError(source, e.line,
                                 "the contest-only entity " + quoted(e.name) +
                                     " belongs to no DXCC entity known here; import cty.csv, which names it");
    };
    for (const CountryEntity& e : entities) {
        if (e.contestOnly) continue;
        if (!nameByParent.emplace(parentKey(e), nameOf(e)).second)
            throw CountrySourceError(source, e.line,
                                     numbered ? "two entities share DXCC number " + std::to_string(e.dxcc)
                                              : "two entities share the primary prefix " + quoted(e.primary));
    }
    std::vector<std::string> names;
    for (const CountryEntity& e : entities) {
        const auto parent = nameByParent.find(parentKey(e));
        if (parent == nameByParent.end())
            throw CountrySourceError(source, e.line, quoted(e.name) + " belongs to no DXCC entity");
        if (parent->second.size() > MaxCountryLength || !fitsQuotedField(parent->second))
            throw CountrySourceError(source, e.line, quoted(parent->second) + " cannot stand in the country field");
        names.push_back(parent->second);
    }
    return names;
}

class Converter {
public:
    Converter(const std::vector<CountryEntity>& entities, const std::string& source)
        : entities_(entities), source_(source), names_(countryNames(entities, source)) {}

    MadePrefixFile make(const std::vector<CallArea>& areas) {
        collectPrefixes();
        placeCallAreas(areas);
        std::vector<Row> rows = withoutRedundantRows();
        const std::vector<Row> exact = exactCallRows(rows);
        made_.prefixRows = static_cast<int>(rows.size());
        made_.areaRows = static_cast<int>(
            std::count_if(rows.begin(), rows.end(), [&](const Row& row) { return placed_.contains(row.prefix); }));
        made_.exactCalls = static_cast<int>(exact.size());
        rows.insert(rows.end(), exact.begin(), exact.end());
        std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
            return std::tie(a.prefix, a.exactCall) < std::tie(b.prefix, b.exactCall);
        });
        made_.content = write(rows);
        return std::move(made_);
    }

private:
    struct Placement {
        const CountryEntity* entity;
        float longitude;
        float latitude;
        bool named;  // the area named the prefix itself, not a pattern
    };

    Row rowFor(std::string prefix, const CountryEntity& e) const {
        const auto index = static_cast<std::size_t>(&e - entities_.data());
        Row row{std::move(prefix), &e, names_[index], e.longitude, e.latitude};
        // The longest call area of the same entity that begins it gives the position.
        for (std::size_t length = row.prefix.size(); length > 0; --length) {
            const auto area = placed_.find(row.prefix.substr(0, length));
            if (area != placed_.end() && area->second.entity == &e) {
                row.longitude = area->second.longitude;
                row.latitude = area->second.latitude;
                break;
            }
        }
        return row;
    }

    void collectPrefixes() {
        for (const CountryEntity& e : entities_)
            for (const std::string& prefix : e.prefixes) {
                const Row row = rowFor(prefix, e);
                const auto [at, added] = listed_.emplace(prefix, row);
                if (!added && at->second.shown() != row.shown())
                    throw CountrySourceError(
                        source_, e.line,
                        quoted(prefix) + " is listed under " + at->second.entity->name + " and " + e.name);
            }
    }

    // The entity the country file's own prefixes give a prefix: its longest listed one.
    const CountryEntity* ownerOf(std::string_view prefix) const {
        for (std::size_t length = prefix.size(); length > 0; --length) {
            const auto found = listed_.find(std::string(prefix.substr(0, length)));
            if (found != listed_.end()) return found->second.entity;
        }
        return nullptr;
    }

    static std::vector<std::string> seriesOf(const CountryEntity& e) {
        const auto digitAfterFirst = [](std::string_view p) {
            return p.size() > 1 && std::any_of(p.begin() + 1, p.end(), isDigit);
        };
        std::set<std::string> series;
        for (const std::string& p : e.prefixes)
            if (!digitAfterFirst(p)) series.insert(p);
        if (series.empty())
            for (const std::string& p : e.prefixes) {
                const std::string_view without = std::string_view(p).substr(0, p.size() - 1);
                if (p.size() > 1 && isDigit(p.back()) && !digitAfterFirst(without)) series.emplace(without);
            }
        return {series.begin(), series.end()};
    }

    void placeCallAreas(const std::vector<CallArea>& areas) {
        for (const CallArea& area : areas) {
            const auto e = std::find_if(entities_.begin(), entities_.end(),
                                        [&](const CountryEntity& x) { return x.primary == area.entity; });
            bool used = false;
            for (const std::string& token : area.areas) {
                if (e == entities_.end()) break;
                const bool named = token.front() != '*';
                std::vector<std::string> prefixes;
                if (named)
                    prefixes.push_back(token);
                else
                    for (const std::string& series : seriesOf(*e)) prefixes.push_back(series + token.substr(1));
                for (const std::string& prefix : prefixes) {
                    if (prefix.size() > MaxPrefixLength || ownerOf(prefix) != &*e) continue;
                    used = true;
                    const Placement placement{&*e, area.longitude, area.latitude, named};
                    const auto [at, added] = placed_.emplace(prefix, placement);
                    if (!added && named && !at->second.named) at->second = placement;
                }
            }
            if (!used) made_.unusedAreas.push_back("line " + std::to_string(area.line) + " (" + area.place + ")");
        }
        for (const auto& [prefix, placement] : placed_)
            listed_.insert_or_assign(prefix, rowFor(prefix, *placement.entity));
        for (auto& [prefix, row] : listed_) row = rowFor(prefix, *row.entity);
    }

    // Drops each row whose longest shorter prefix in the table shows the same: the longest
    // match then finds that one instead, with the same result. Sorted byte-wise.
    std::vector<Row> withoutRedundantRows() const {
        std::map<std::string_view, const Row*> kept;
        std::vector<const Row*> byLength;
        for (const auto& entry : listed_) byLength.push_back(&entry.second);
        std::stable_sort(byLength.begin(), byLength.end(),
                         [](const Row* a, const Row* b) { return a->prefix.size() < b->prefix.size(); });
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

    // The exact calls that the prefix rows would give another entity, or that they would
    // show otherwise; each with its entity's position, or its call area's.
    std::vector<Row> exactCallRows(const std::vector<Row>& rows) const {
        PrefixTable table;
        std::vector<PrefixRow> prefixRows;
        std::map<std::string, const Row*, std::less<>> rowOf;
        for (const Row& row : rows) {
            prefixRows.push_back({row.prefix, row.country, row.entity->continent, row.longitude, row.latitude});
            rowOf.emplace(row.prefix, &row);
        }
        table.replaceAll(std::move(prefixRows));
        const auto given = [&](std::string_view call) -> const Row* {
            const CountryMatch match = matchCountry(table, call);
            if (match.outcome != LookupOutcome::Found) return nullptr;
            const int usaRow = table.firstUsaRow();
            if (match.usKg4) return usaRow != 0 ? rowOf.find(table.row(usaRow).prefix)->second : nullptr;
            return rowOf.find(match.row->prefix)->second;
        };
        // A call listed under an entity and under a contest-only part of the same country
        // (Scotland and Shetland) takes the part's row, whose position is the nearer.
        std::map<std::string, Row> listed;
        for (const CountryEntity& e : entities_)
            for (const std::string& call : e.exactCalls) {
                if (isMobileAtSeaOrInAir(call)) continue;  // such a call has no country
                Row row = rowFor(call, e);
                row.exactCall = true;
                const auto [at, added] = listed.emplace(call, row);
                if (added || at->second.shown() == row.shown()) continue;
                if (at->second.country != row.country)
                    throw CountrySourceError(
                        source_, e.line,
                        "the call " + quoted(call) + " is listed under " + at->second.entity->name + " and " + e.name);
                if (e.contestOnly) at->second = row;
            }
        std::map<std::string, Row> exact;
        for (const auto& [call, row] : listed) {
            const Row* byPrefix = given(call);
            if (!byPrefix || (byPrefix->entity != row.entity && byPrefix->shown() != row.shown()))
                exact.emplace(call, row);
        }
        // A call with a placeless suffix reaches the row of the call without it.
        std::vector<Row> result;
        for (const auto& [call, row] : exact) {
            const auto plain = exact.find(withoutPlacelessSuffixes(call));
            if (plain != exact.end() && plain->first != call && plain->second.shown() == row.shown()) continue;
            result.push_back(row);
        }
        return result;
    }

    static std::string write(const std::vector<Row>& rows) {
        if (rows.size() > static_cast<std::size_t>(MaxPrefixes))
            throw CountrySourceError({}, 0,
                                     std::to_string(rows.size()) + " rows are more than the table holds (" +
                                         std::to_string(MaxPrefixes) + ")");
        RecordWriter writer;
        for (const Row& row : rows) {
            const CountryEntity& e = *row.entity;
            writer.text(row.prefix).text(row.country).text(e.continent).number(row.longitude).number(row.latitude);
            if (row.exactCall)
                writer.text(std::string(1, kExactCallMark) + std::to_string(e.cqZone));
            else
                writer.integer(e.cqZone);
            writer.integer(e.ituZone).number(e.utcOffset).endRecord();
        }
        if (!writer.ok())
            throw CountrySourceError({}, 0, quoted(writer.refusedText()) + " cannot stand in a quoted field");
        return writer.content();
    }

    const std::vector<CountryEntity>& entities_;
    const std::string& source_;
    std::vector<std::string> names_;
    std::map<std::string, Row> listed_;  // the country file's prefixes, then the call areas'
    std::map<std::string, Placement, std::less<>> placed_;
    MadePrefixFile made_;
};

}  // namespace

MadePrefixFile makePrefixFile(const std::vector<CountryEntity>& entities, const std::vector<CallArea>& areas,
                              const std::string& source) {
    return Converter(entities, source).make(areas);
}

}  // namespace topband
