#pragma once
// The country of the call being typed, from the prefix table.
#include <string>
#include <string_view>

#include "core/prefix_table.h"

namespace topband {

inline constexpr const char* kNotFound = "Not Found";

// The part of a call that names its country: a portable suffix of more than one character
// that is shorter than half the call ("W1AW/KH6" gives "KH6"); otherwise the whole call
// ("DL1ABC/P", "KH6/W1AW").
std::string_view portableLookupKey(std::string_view call);

// A station at sea or in the air counts for no country: its suffix must not be read as a
// prefix ("MM" is Scotland, "AM" Spain).
bool isMobileAtSeaOrInAir(std::string_view call);

enum class LookupOutcome {
    Unchanged,  // empty call: the country, continent, bearing and distance stay as they are
    Found,
    NotFound,   // no prefix begins the call: the country reads "Not Found", the rest is emptied
    NoCountry,  // maritime or aeronautical mobile (/MM, /AM): country and the rest are emptied
};

struct CountryLookup {
    LookupOutcome outcome = LookupOutcome::Unchanged;
    std::string country;  // the text for the country field
    std::string continent;
    float longitude = 0;  // degrees, west positive
    float latitude = 0;   // degrees, north positive
};

// Resolves the call field. KG4 with one or three letters after it is a US call, whatever
// its prefix row says; KG4 with two letters keeps the country of its prefix.
CountryLookup lookupCountry(const PrefixTable& table, std::string_view callField);

}  // namespace topband
