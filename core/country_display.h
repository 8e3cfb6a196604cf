#pragma once
// What the main window shows about the call being typed: the country field and the
// continent, bearing and distance labels. The window and `topband lookup` both use it.
#include <string>
#include <string_view>

#include "core/preferences.h"
#include "core/prefix_table.h"

namespace topband {

struct CountryFields {
    std::string country;
    std::string continent;
    std::string bearing;  // "45 ", as the label shows it
    std::string miles;    // "3,211 "
    friend bool operator==(const CountryFields&, const CountryFields&) = default;
};

// The fields after the call field changed to `call`, starting from what they show now
// (`shown`): an empty call changes nothing, and a USA station keeps the bearing and distance.
CountryFields countryFieldsFor(const PrefixTable& table, const Preferences& own, std::string_view call,
                               const CountryFields& shown);

// The bearing and distance labels for a position, kept as shown while the country is USA.
void setBearing(CountryFields& fields, const Preferences& own, float latitude, float longitude);

}  // namespace topband
