#include "core/prefix_lookup.h"

#include "core/letter_case.h"

namespace topband {
namespace {

bool isUsKg4Call(std::string_view call) {
    return startsWithIgnoringCase(call, "KG4") && (call.size() > 5 || call.size() == 4);
}

// Portable suffixes that say how a station works (portable, mobile, low power, a lighthouse,
// a second station), not where.
constexpr std::string_view kPlacelessSuffixes[] = {"P", "M", "QRP", "QRPP", "LH", "A", "B", "J"};

bool namesNoPlace(std::string_view suffix) {
    if (suffix.size() == 1 && suffix.front() >= '0' && suffix.front() <= '9') return true;  // a call area
    for (const std::string_view placeless : kPlacelessSuffixes)
        if (equalsIgnoringCase(suffix, placeless)) return true;
    return false;
}

CountryMatch found(const PrefixRow& row, bool usKg4) { return {LookupOutcome::Found, &row, usKg4}; }

}  // namespace

bool isMobileAtSeaOrInAir(std::string_view call) {
    // Maritime mobile may name its ITU region: /MM1, /MM2, /MM3.
    for (const std::string_view suffix : {"/MM", "/AM", "/MM1", "/MM2", "/MM3"})
        if (endsWithIgnoringCase(call, suffix)) return true;
    return false;
}

std::string_view portableLookupKey(std::string_view call) {
    const std::size_t slash = call.find('/');
    if (slash == std::string_view::npos) return call;
    const std::size_t after = call.size() - slash - 1;
    if (after > 1 && 2 * after < call.size()) return call.substr(slash + 1);
    return call;
}

std::string withoutPlacelessSuffixes(std::string_view call) {
    std::size_t slash = call.find('/');
    std::string kept(call.substr(0, slash));
    while (slash != std::string_view::npos) {
        const std::size_t next = call.find('/', slash + 1);
        const std::string_view suffix =
            call.substr(slash + 1, next == std::string_view::npos ? next : next - slash - 1);
        if (!namesNoPlace(suffix)) kept.append(1, '/').append(suffix);
        slash = next;
    }
    return kept;
}

CountryMatch matchCountry(const PrefixTable& table, std::string_view callField) {
    if (callField.empty()) return {};
    if (isMobileAtSeaOrInAir(callField)) return {LookupOutcome::NoCountry, nullptr, false};
    if (const PrefixRow* exact = table.exactCall(callField)) return found(*exact, false);
    const std::string call = withoutPlacelessSuffixes(callField);
    if (call.size() != callField.size())
        if (const PrefixRow* exact = table.exactCall(call)) return found(*exact, false);
    const std::string_view key = portableLookupKey(call);
    const int best = table.longestMatch(key);
    if (best == 0) return {LookupOutcome::NotFound, nullptr, false};
    // The KG4 rule reads the call itself, the part before the first "/", and not a portable
    // prefix after it.
    const bool fromSuffix = key.data() != call.data();
    return found(table.row(best), !fromSuffix && isUsKg4Call(callField.substr(0, callField.find('/'))));
}

CountryLookup lookupCountry(const PrefixTable& table, std::string_view callField) {
    const CountryMatch match = matchCountry(table, callField);
    switch (match.outcome) {
        case LookupOutcome::Unchanged: return {};
        case LookupOutcome::NoCountry: return {LookupOutcome::NoCountry, {}, {}, 0, 0};
        case LookupOutcome::NotFound: return {LookupOutcome::NotFound, kNotFound, {}, 0, 0};
        case LookupOutcome::Found: break;
    }
    // The row that gives continent and position: for a US KG4 call the first USA row.
    const int usaRow = table.firstUsaRow();
    const PrefixRow* used = match.usKg4 ? (usaRow != 0 ? &table.row(usaRow) : nullptr) : match.row;
    CountryLookup result{LookupOutcome::Found, match.usKg4 ? "USA" : match.row->country, {}, 0, 0};
    if (used != nullptr) {
        result.continent = used->continent;
        result.longitude = used->longitude;
        result.latitude = used->latitude;
    }
    return result;
}

}  // namespace topband
