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

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string quoted(std::string_view text) {
    std::string result(1, '"');
    result += text;
    result += '"';
    return result;
}

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
