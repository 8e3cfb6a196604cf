#include "core/worked_countries.h"

#include <algorithm>
#include <initializer_list>

#include "core/letter_case.h"
#include "core/prefix_lookup.h"

namespace topband {
namespace {

bool isAnyOf(std::string_view text, std::initializer_list<std::string_view> names) {
    return std::any_of(names.begin(), names.end(),
                       [&](std::string_view name) { return equalsIgnoringCase(text, name); });
}

// Logged contacts that count as a DX country. Unlike the "New" label, the load excludes only
// the sections R1 to R3 and a country the lookup did not find.
bool countsAsDxCountry(const Contact& c) {
    return !c.country.empty() && !isWVeCountry(c.country) && !equalsIgnoringCase(c.country, kNotFound) &&
           !isAnyOf(c.section, {"R1", "R2", "R3"});
}

}  // namespace

bool isWVeCountry(std::string_view country) {
    return isAnyOf(country, {"USA", "Canada", "Alaska", "Hawaii", "Puerto Rico", "Virgin Is."});
}

bool WorkedCountries::contains(std::string_view country) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const std::string& e) { return equalsIgnoringCase(e, country); });
}

bool WorkedCountries::isNew(std::string_view countryField, std::string_view sectionField) const {
    if (countryField.empty() || equalsIgnoringCase(countryField, kNotFound)) return false;
    if (isWVeCountry(countryField) || startsWithIgnoringCase(sectionField, "R")) return false;
    return !contains(countryField);
}

WorkedCountries::AddResult WorkedCountries::add(std::string_view country) {
    if (contains(country)) return AddResult::AlreadyWorked;
    if (WorkedCountryCount() >= MaxWorkedCountries) return AddResult::Full;
    entries_.emplace_back(country);
    return AddResult::Added;
}

bool WorkedCountries::rebuild(const std::vector<Contact>& records) {
    entries_.clear();
    bool allFit = true;
    for (const Contact& c : records)
        if (countsAsDxCountry(c) && add(c.country) == AddResult::Full) allFit = false;
    return allFit;
}

}  // namespace topband
