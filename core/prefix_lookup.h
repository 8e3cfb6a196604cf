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

// The call without the suffixes after its first part that name no place: /P, /M, /QRP,
// /QRPP, /LH, /A, /B, /J and a single call-area digit ("G3XYZ/QRP" gives "G3XYZ",
// "W1AW/KH6/P" gives "W1AW/KH6"). Letter case is kept.
std::string withoutPlacelessSuffixes(std::string_view call);

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

struct CountryMatch {
    LookupOutcome outcome = LookupOutcome::Unchanged;
    const PrefixRow* row = nullptr;  // the exact-call or prefix row that decided; set when Found
    bool usKg4 = false;              // a US KG4 call: USA, whatever the row says
};

// The row a call field settles on. An exact call of the table decides first, for the call as
// typed and then without its placeless suffixes; otherwise the longest prefix of the
// portable lookup key of the call without them. KG4 with one or three letters after it (in
// the part before the first "/") is a US call; with two it keeps the country of its prefix.
CountryMatch matchCountry(const PrefixTable& table, std::string_view callField);

// Resolves the call field as matchCountry does; a US KG4 call takes continent and position
// from the first USA row.
CountryLookup lookupCountry(const PrefixTable& table, std::string_view callField);

}  // namespace topband
