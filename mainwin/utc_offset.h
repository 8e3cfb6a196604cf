#pragma once
// The start-up check of the UTC offset and the two clocks of the main window.
#include <string>

#include "platform/clock.h"

namespace topband {

// The offsets of the world's time zones lie within this many hours either side of UTC.
inline constexpr float kLargestUtcOffset = 14;

// Minute boundaries from local to UTC, in hours, rounded to two decimals.
float recommendedUtcOffset(const CivilTime& utc, const CivilTime& local);

std::string utcOffsetPrompt(const CivilTime& utc, const CivilTime& local, float recommended, float current);
inline constexpr const char* kUtcOffsetTitle = "Update the Local Time / UTC Offset?";

struct ClockTexts {
    std::string utc;    // "hh:nn:ss"
    std::string local;  // "h:nn:ss"
    std::string amPm;   // "AM" or "PM"
};
// The UTC clock is the local time of day plus the stored offset, wrapping at midnight.
ClockTexts clockTexts(const CivilTime& local, float utcOffset);

}  // namespace topband
