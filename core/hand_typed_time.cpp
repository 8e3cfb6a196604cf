#include "core/hand_typed_time.h"

#include <cstdio>

#include "platform/clock.h"

namespace topband {
namespace {

bool allDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// A run of 1..maxDigits digits as a number; nothing for anything else.
std::optional<int> digits(std::string_view text, std::size_t minDigits, std::size_t maxDigits) {
    if (text.size() < minDigits || text.size() > maxDigits || !allDigits(text)) return std::nullopt;
    int value = 0;
    for (char c : text) value = value * 10 + (c - '0');
    return value;
}

bool realDate(int year, int month, int day) {
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > 31) return false;
    // A day past the month's end rolls into the next month.
    const CivilTime back = civilFromSeconds(daysFromCivil(year, month, day) * 86400);
    return back.month == month && back.day == day;
}

std::string twoDigits(int value) {
    char text[4];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

}  // namespace

std::optional<std::string> storedDateFromTyped(std::string_view typed) {
    std::optional<int> year, month, day;
    if (typed.size() == 8 && allDigits(typed)) {
        year = digits(typed.substr(0, 4), 4, 4);
        month = digits(typed.substr(4, 2), 2, 2);
        day = digits(typed.substr(6, 2), 2, 2);
    } else {
        const std::size_t first = typed.find('/');
        const std::size_t second = first == std::string_view::npos ? first : typed.find('/', first + 1);
        if (second == std::string_view::npos) return std::nullopt;
        year = digits(typed.substr(0, first), 4, 4);
        month = digits(typed.substr(first + 1, second - first - 1), 1, 2);
        day = digits(typed.substr(second + 1), 1, 2);
    }
    if (!year || !month || !day || !realDate(*year, *month, *day)) return std::nullopt;
    char text[40];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", *year, *month, *day);
    return std::string(text);
}

std::optional<std::string> storedTimeFromTyped(std::string_view typed, bool withSeconds) {
    struct {
        int hour = 0, minute = 0, second = 0;
    } t;
    if (typed.find(':') == std::string_view::npos) {
        const auto number = digits(typed, 3, 4);
        if (!number) return std::nullopt;
        t.hour = *number / 100;
        t.minute = *number % 100;
    } else {
        const std::size_t first = typed.find(':');
        const std::size_t second = typed.find(':', first + 1);
        const auto hour = digits(typed.substr(0, first), 1, 2);
        const auto minute =
            digits(typed.substr(first + 1, second == std::string_view::npos ? second : second - first - 1), 2, 2);
        const auto seconds = second == std::string_view::npos ? std::optional<int>(0)
                                                              : digits(typed.substr(second + 1), 2, 2);
        if (!hour || !minute || !seconds) return std::nullopt;
        t = {*hour, *minute, *seconds};
    }
    if (t.hour > 23 || t.minute > 59 || t.second > 59) return std::nullopt;
    const std::string hoursMinutes = twoDigits(t.hour) + ":" + twoDigits(t.minute);
    return withSeconds ? hoursMinutes + ":" + twoDigits(t.second) : hoursMinutes;
}

}  // namespace topband
