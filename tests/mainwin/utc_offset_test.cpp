#include <gtest/gtest.h>

#include "mainwin/utc_offset.h"

namespace topband {
namespace {

TEST(UtcOffset, RecommendsTheMinuteDifferenceInHours) {
    const struct {
        CivilTime utc, local;
        float offset;
    } cases[] = {
        {{2026, 12, 5, 18, 5, 9}, {2026, 12, 5, 13, 5, 9}, 5.0f},
        {{2026, 12, 6, 2, 0, 0}, {2026, 12, 5, 20, 30, 0}, 5.5f},    // across midnight
        {{2026, 12, 5, 8, 0, 0}, {2026, 12, 5, 17, 0, 0}, -9.0f},    // east of Greenwich
        {{2026, 12, 5, 12, 0, 59}, {2026, 12, 5, 6, 15, 0}, 5.75f},  // seconds do not count
        {{2027, 1, 1, 0, 0, 0}, {2026, 12, 31, 19, 0, 0}, 5.0f},     // across the year
    };
    for (const auto& c : cases) EXPECT_FLOAT_EQ(recommendedUtcOffset(c.utc, c.local), c.offset);
}

TEST(UtcOffset, PromptHasEveryLineInOrder) {
    const std::string prompt = utcOffsetPrompt({2026, 12, 5, 18, 5, 9}, {2026, 12, 5, 13, 5, 9}, 5, 4);
    EXPECT_EQ(prompt,
              "Would you like to adjust the UTC offset in this program for your local time setting?\r\n\r\n"
              "Current System Time: 18:05\r\n\r\nCurrent Local Time: 13:05\r\n\r\n"
              "Recommended Offset Setting: 5\r\n\r\nCurrent Offset Setting: 4\r\n\r\n"
              "Please click OK to accept the recommended change or Cancel to keep the current setting.");
    EXPECT_NE(utcOffsetPrompt({}, {}, -3.5f, 4.5f).find("Setting: -3.5\r\n\r\nCurrent Offset Setting: 4.5"),
              std::string::npos);
}

TEST(UtcOffset, ClockTexts) {
    const struct {
        CivilTime local;
        float offset;
        const char* utc;
        const char* localText;
        const char* amPm;
    } cases[] = {
        {{2026, 12, 5, 13, 5, 9}, 5, "18:05:09", "1:05:09", "PM"},
        {{2026, 12, 5, 13, 5, 9}, 5.5f, "18:35:09", "1:05:09", "PM"},
        {{2026, 12, 5, 21, 40, 0}, 5, "02:40:00", "9:40:00", "PM"},  // wraps at midnight
        {{2026, 12, 5, 0, 7, 1}, -9, "15:07:01", "12:07:01", "AM"},
        {{2026, 12, 5, 12, 0, 0}, 0, "12:00:00", "12:00:00", "PM"},
    };
    for (const auto& c : cases) {
        const ClockTexts t = clockTexts(c.local, c.offset);
        EXPECT_EQ(t.utc, c.utc);
        EXPECT_EQ(t.local, c.localText);
        EXPECT_EQ(t.amPm, c.amPm);
    }
}

}  // namespace
}  // namespace topband
