#pragma once
// The score statistics panel: totals from the log's counters and the contact rates of the
// last 20 and 60 minutes.
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/contact_log.h"
#include "platform/clock.h"

namespace topband {

struct ScoreCounts {
    int ContactCount = 0;
    int DXContactCount = 0;
    int SectionsWorked = 0;
    int WorkedCountryCount = 0;
};

// The totals in the order the panel writes them. The arithmetic is 32-bit: at an overflow
// the values from there on stay unset and their labels keep what they showed (the sections
// line that follows the score is then left alone too).
struct ScoreTotals {
    std::optional<std::int32_t> wVeContacts;  // every contact not counted as DX
    std::optional<std::int32_t> multipliers;  // sections plus DX countries
    std::optional<std::int32_t> dxContacts;
    std::optional<std::int32_t> score;  // (2 per W/VE contact + 5 per DX contact) x multipliers
};

ScoreTotals scoreTotals(const ScoreCounts& counts);

// A contact that scores 5 points: no section, and a country or a station at sea or in the
// air (which has no country but is no W/VE station either).
bool isDxContact(const Contact& contact);

// A record's UTC date "yyyy/mm/dd" with its time "hh:mm:ss" or "hh:mm"; nothing when either
// is not a real date or time of day in exactly that form.
std::optional<CivilTime> readContactTime(std::string_view date, std::string_view time);

struct ContactRates {
    int hourlyRateLast20Minutes = 0;  // contacts of the last 20 minutes, times 3
    int contactsLast60Minutes = 0;
};

// Scans from the newest contact and stops at the first one an hour old or older, so a late
// entry with an old time hides the contacts logged before it. `utcOffset` is the hours added
// to local time to give UTC. Nothing when a record reached has an unreadable date or time.
std::optional<ContactRates> contactRates(const ContactLog& log, const CivilTime& localNow, float utcOffset);

}  // namespace topband
