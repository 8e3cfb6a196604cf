#include "mainwin/utc_offset.h"

#include <cmath>
#include <cstdio>

#include "core/number_text.h"

namespace topband {
namespace {

std::int64_t minuteOf(const CivilTime& t) {
    const std::int64_t seconds = secondsOf(t);
    return seconds >= 0 ? seconds / 60 : (seconds - 59) / 60;
}

std::string twoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

std::string hoursMinutes(const CivilTime& t) { return twoDigits(t.hour) + ":" + twoDigits(t.minute); }

}  // namespace

float recommendedUtcOffset(const CivilTime& utc, const CivilTime& local) {
    const auto minutes = static_cast<double>(minuteOf(utc) - minuteOf(local));
    return static_cast<float>(std::round(minutes / 60.0 * 100.0) / 100.0);
}

std::string utcOffsetPrompt(const CivilTime& utc, const CivilTime& local, float recommended, float current) {
    const std::string gap = "\r\n\r\n";
    return "Would you like to adjust the UTC offset in this program for your local time setting?" + gap +
           "Current System Time: " + hoursMinutes(utc) + gap + "Current Local Time: " + hoursMinutes(local) + gap +
           "Recommended Offset Setting: " + formatNumber(recommended) + gap +
           "Current Offset Setting: " + formatNumber(current) + gap +
           "Please click OK to accept the recommended change or Cancel to keep the current setting.";
}

ClockTexts clockTexts(const CivilTime& local, float utcOffset) {
    const int dayMinutes = 24 * 60;
    const auto offsetMinutes = static_cast<int>(std::lround(static_cast<double>(utcOffset) * 60.0));
    const int utcMinute = ((local.hour * 60 + local.minute + offsetMinutes) % dayMinutes + dayMinutes) % dayMinutes;
    ClockTexts texts;
    texts.utc = twoDigits(utcMinute / 60) + ":" + twoDigits(utcMinute % 60) + ":" + twoDigits(local.second);
    const int hour12 = local.hour % 12 == 0 ? 12 : local.hour % 12;
    texts.local = std::to_string(hour12) + ":" + twoDigits(local.minute) + ":" + twoDigits(local.second);
    texts.amPm = local.hour < 12 ? "AM" : "PM";
    return texts;
}

}  // namespace topband
