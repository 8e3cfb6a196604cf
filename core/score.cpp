#include "core/score.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/prefix_lookup.h"

namespace topband {
namespace {

std::optional<std::int32_t> fitting(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// Reads exactly `count` digits at `at`.
std::optional<int> digits(std::string_view text, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool isLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int daysInMonth(int year, int month) {
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

// Offsets beyond any time zone only need to stay clear of overflow.
std::int64_t offsetSeconds(float utcOffset) {
    constexpr double kLimitHours = 1e6;
    const double hours =
        std::isfinite(utcOffset) ? std::clamp(static_cast<double>(utcOffset), -kLimitHours, kLimitHours) : 0;
    return std::llround(hours * 60.0) * 60;
}

}  // namespace

bool isDxContact(const Contact& contact) {
    return contact.section.empty() && (!contact.country.empty() || isMobileAtSeaOrInAir(contact.call));
}

ScoreTotals scoreTotals(const ScoreCounts& counts) {
    ScoreTotals totals;
    const std::int64_t wVe = std::int64_t{counts.ContactCount} - counts.DXContactCount;
    if (!(totals.wVeContacts = fitting(wVe))) return totals;
    const std::int64_t multipliers = std::int64_t{counts.SectionsWorked} + counts.WorkedCountryCount;
    if (!(totals.multipliers = fitting(multipliers))) return totals;
    totals.dxContacts = counts.DXContactCount;
    // Every intermediate result has to fit in 32 bits, not only the score.
    const auto twice = fitting(2 * wVe);
    const auto dxPoints = fitting(5 * std::int64_t{counts.DXContactCount});
    if (!twice || !dxPoints) return totals;
    const auto points = fitting(std::int64_t{*twice} + *dxPoints);
    if (!points) return totals;
    totals.score = fitting(std::int64_t{*points} * multipliers);
    return totals;
}

std::optional<CivilTime> readContactTime(std::string_view date, std::string_view time) {
    if (date.size() != 10 || date[4] != '/' || date[7] != '/') return std::nullopt;
    if ((time.size() != 5 && time.size() != 8) || time[2] != ':' || (time.size() == 8 && time[5] != ':'))
        return std::nullopt;
    const auto year = digits(date, 0, 4), month = digits(date, 5, 2), day = digits(date, 8, 2);
    const auto hour = digits(time, 0, 2), minute = digits(time, 3, 2);
    const auto second = time.size() == 8 ? digits(time, 6, 2) : std::optional<int>(0);
    if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
    if (*month < 1 || *month > 12 || *day < 1 || *day > daysInMonth(*year, *month)) return std::nullopt;
    if (*hour > 23 || *minute > 59 || *second > 59) return std::nullopt;
    return CivilTime{*year, *month, *day, *hour, *minute, *second};
}

std::optional<ContactRates> contactRates(const ContactLog& log, const CivilTime& localNow, float utcOffset) {
    const std::int64_t now = secondsOf(localNow) + offsetSeconds(utcOffset);
    int c20 = 0;
    int c60 = 0;
    for (int i = log.ContactCount(); i >= 1; --i) {
        const Contact& c = log.record(i);
        const auto logged = readContactTime(c.date, c.time);
        if (!logged) return std::nullopt;
        const std::int64_t age = now - secondsOf(*logged);
        if (age < 1200) ++c20;
        if (age >= 3600) break;
        ++c60;
    }
    return ContactRates{3 * c20, c60};
}

}  // namespace topband
