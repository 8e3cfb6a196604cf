#pragma once
// The DX countries worked: each country outside the W/VE area counts once as a multiplier.
#include <string>
#include <string_view>
#include <vector>

#include "core/contact_log.h"
#include "core/one_based.h"

namespace topband {

inline constexpr int MaxWorkedCountries = 1000;

// "USA", "Canada", "Alaska", "Hawaii", "Puerto Rico" and "Virgin Is.", in any letter case:
// stations there give a section, not a country multiplier.
bool isWVeCountry(std::string_view country);

class WorkedCountries {
public:
    int WorkedCountryCount() const { return static_cast<int>(entries_.size()); }
    // Entry numbers start at 1, in the order the countries were first worked.
    const std::string& entry(int entryNumber) const { return oneBased(entries_, entryNumber); }
    const std::vector<std::string>& entries() const { return entries_; }
    bool contains(std::string_view country) const;

    // Whether the "New" label shows for what the country and section fields hold.
    bool isNew(std::string_view countryField, std::string_view sectionField) const;

    enum class AddResult { Added, AlreadyWorked, Full };
    // Adds a country at commit; the list never holds one twice nor more than MaxWorkedCountries.
    AddResult add(std::string_view country);

    // Rebuilds the list from the log: each DX country once, in the order first logged.
    // False when the log names more countries than the list holds; the first ones are kept.
    bool rebuild(const std::vector<Contact>& records);

private:
    std::vector<std::string> entries_;
};

}  // namespace topband
