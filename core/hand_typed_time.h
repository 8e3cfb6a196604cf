#pragma once
// Dates and times an operator types by hand (contacts logged after the fact, corrections).
// Only forms that cannot be misread are taken: the year always first and with four digits,
// no month or day names, no two-digit years.
#include <optional>
#include <string>
#include <string_view>

namespace topband {

// "yyyy/mm/dd" (month and day may have one digit) or "yyyymmdd", a real calendar date;
// returned as the stored "yyyy/mm/dd".
std::optional<std::string> storedDateFromTyped(std::string_view typed);

// "h:mm", "hh:mm", "h:mm:ss", "hh:mm:ss", or three or four digits read as hours and
// minutes ("2201" is 22:01, "905" is 9:05); a time of day from 00:00:00 to 23:59:59.
// Returned as the stored "hh:mm:ss" when `withSeconds`, otherwise as "hh:mm".
std::optional<std::string> storedTimeFromTyped(std::string_view typed, bool withSeconds);

}  // namespace topband
