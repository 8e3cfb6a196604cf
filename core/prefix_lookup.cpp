#include "core/prefix_lookup.h"

#include "core/letter_case.h"

namespace topband {
namespace {

bool isUsKg4Call(std::string_view call) {
    return startsWithIgnoringCase(call, "KG4") && (call.size() > 5 || call.size() == 4);
}

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

CountryLookup lookupCountry(const PrefixTable& table, std::string_view callField) {
    if (callField.empty()) return {};
    if (isMobileAtSeaOrInAir(callField)) return {LookupOutcome::NoCountry, {}, {}, 0, 0};
    const int best = table.longestMatch(portableLookupKey(callField));
    if (best == 0) return {LookupOutcome::NotFound, kNotFound, {}, 0, 0};
    // The row that gives continent and position: for a US KG4 call the first USA row.
    const bool usKg4 = isUsKg4Call(callField);
    const int used = usKg4 ? table.firstUsaRow() : best;
    CountryLookup found{LookupOutcome::Found, usKg4 ? "USA" : table.row(best).country, {}, 0, 0};
    if (used != 0) {
        const PrefixRow& row = table.row(used);
        found.continent = row.continent;
        found.longitude = row.longitude;
        found.latitude = row.latitude;
    }
    return found;
}

}  // namespace topband
