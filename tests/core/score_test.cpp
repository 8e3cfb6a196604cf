#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "core/score.h"

namespace topband {
namespace {

constexpr int kMax = std::numeric_limits<std::int32_t>::max();

TEST(ScoreTotals, TwoPointsPerWVeContactFivePerDxTimesTheMultipliers) {
    // 10 W/VE contacts in 8 sections, 2 DX contacts in 2 countries.
    const ScoreTotals totals = scoreTotals({12, 2, 8, 2});
    EXPECT_EQ(totals.wVeContacts, 10);
    EXPECT_EQ(totals.multipliers, 10);
    EXPECT_EQ(totals.dxContacts, 2);
    EXPECT_EQ(totals.score, 300);

    const ScoreTotals empty = scoreTotals({});
    EXPECT_EQ(empty.wVeContacts, 0);
    EXPECT_EQ(empty.multipliers, 0);
    EXPECT_EQ(empty.dxContacts, 0);
    EXPECT_EQ(empty.score, 0);
}

TEST(ScoreTotals, StationsAtSeaOrInTheAirScoreAsDxWithoutACountry) {
    const struct {
        Contact contact;
        bool dx;
    } cases[] = {
        {{"G3XYZ", "599", "", "599", "England", "2026/12/05", "22:01"}, true},
        {{"K1ABC", "599", "CT", "599", "USA", "2026/12/05", "22:01"}, false},
        {{"W1AW/MM", "599", "", "599", "", "2026/12/05", "22:01"}, true},
        {{"w1aw/am", "599", "", "599", "", "2026/12/05", "22:01"}, true},
        {{"XX9XX", "599", "", "599", "", "2026/12/05", "22:01"}, false},  // neither: counts as W/VE
        {{"W1AW/MM", "599", "EMA", "599", "", "2026/12/05", "22:01"}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(isDxContact(c.contact), c.dx) << c.contact.call;
}

TEST(ScoreTotals, AnOverflowLeavesTheRemainingValuesUnset) {
    struct Case {
        ScoreCounts counts;
        int valuesSet;
    };
    const Case cases[] = {
        {{kMax, -1, 0, 0}, 0},                  // W/VE contacts
        {{10, 0, kMax, 1}, 1},                  // multipliers
        {{1'000'000, 0, 1'074, 0}, 3},          // the product
        {{1'500'000'000, 0, 0, 0}, 3},          // twice the W/VE contacts, though the product would be 0
        {{500'000'000, 500'000'000, 0, 0}, 3},  // five times the DX contacts
        {{1'000'000, 0, 1'073, 0}, 4},          // 2'000'000 x 1'073 still fits
    };
    for (const Case& c : cases) {
        const ScoreTotals t = scoreTotals(c.counts);
        const int set = t.wVeContacts.has_value() + t.multipliers.has_value() + t.dxContacts.has_value() +
                        t.score.has_value();
        EXPECT_EQ(set, c.valuesSet) << c.counts.ContactCount << " " << c.counts.SectionsWorked;
        // The values are written in order: nothing after the first unset one.
        EXPECT_EQ(t.wVeContacts.has_value(), set >= 1);
        EXPECT_EQ(t.multipliers.has_value(), set >= 2);
        EXPECT_EQ(t.dxContacts.has_value(), set >= 3);
    }
}

TEST(ContactTime, ReadsOnlyRealDatesAndTimesInTheLogFormat) {
    EXPECT_EQ(readContactTime("2026/12/05", "22:01:07"), (CivilTime{2026, 12, 5, 22, 1, 7}));
    EXPECT_EQ(readContactTime("2024/02/29", "23:59"), (CivilTime{2024, 2, 29, 23, 59, 0}));
    const std::pair<const char*, const char*> unreadable[] = {
        {"2023/02/29", "12:00:00"}, {"2026/13/05", "12:00:00"}, {"2026/00/05", "12:00:00"}, {"2026/04/31", "12:00"},
        {"2026/12/5", "12:00:00"},  {"2026-12-05", "12:00:00"}, {"26/12/05", "12:00:00"},   {"", "12:00"},
        {"2026/12/05", "24:00:00"}, {"2026/12/05", "12:60"},    {"2026/12/05", "12:00:60"}, {"2026/12/05", "2:00:00"},
        {"2026/12/05", "12:00:0"},  {"2026/12/05", " 12:00"},   {"2026/12/05", "12.00.00"}, {"2026/12/05", ""},
        {"2026/12/05", "1a:00"},    {"2026/1+/05", "12:00"},
    };
    for (const auto& [date, time] : unreadable) EXPECT_FALSE(readContactTime(date, time)) << date << " " << time;
}

// Local time 12:00:00 with ten hours to add: the program's UTC is 22:00:00.
class Rates : public ::testing::Test {
protected:
    static constexpr CivilTime kLocalNow{2026, 12, 5, 12, 0, 0};
    static constexpr float kUtcOffset = 10;

    static ContactLog logAt(const std::vector<std::string>& utcTimes) {
        ContactLog log;
        for (const std::string& t : utcTimes) log.add({"K1ABC", "599", "CT", "599", "USA", "2026/12/05", t});
        return log;
    }
    static std::optional<ContactRates> ratesOf(const std::vector<std::string>& utcTimes) {
        return contactRates(logAt(utcTimes), kLocalNow, kUtcOffset);
    }
};

TEST_F(Rates, WindowEdgesAndTheEndOfTheScan) {
    struct Case {
        std::vector<std::string> times;  // oldest first
        int rate20;
        int rate60;
    };
    const Case cases[] = {
        {{}, 0, 0},
        {{"21:40:01"}, 3, 1},
        {{"21:40:00"}, 0, 1},  // exactly 20 minutes
        {{"21:40"}, 0, 1},
        {{"21:00:01"}, 0, 1},
        {{"21:00:00"}, 0, 0},  // exactly an hour
        {{"21:50:00", "21:00:00", "21:55:00"}, 3, 1},
        {{"22:05:00"}, 3, 1},  // a clock ahead of ours
        // A late entry with an old time ends the scan before the recent contacts.
        {{"21:50:00", "21:55:00", "20:00"}, 0, 0},
        {{"21:30:00", "21:45:00", "21:50:00", "21:59"}, 9, 4},
    };
    for (const Case& c : cases) {
        const auto rates = ratesOf(c.times);
        ASSERT_TRUE(rates);
        EXPECT_EQ(rates->hourlyRateLast20Minutes, c.rate20) << ::testing::PrintToString(c.times);
        EXPECT_EQ(rates->contactsLast60Minutes, c.rate60) << ::testing::PrintToString(c.times);
    }
}

TEST_F(Rates, AnUnreadableRecordReachedByTheScanGivesNoRates) {
    EXPECT_FALSE(ratesOf({"21:50:00", "21:61:00"}));
    EXPECT_FALSE(ratesOf({"21:50:00", "bad", "21:55:00"}));
    // Past the first old record the scan reads nothing more.
    EXPECT_TRUE(ratesOf({"bad", "20:00:00", "21:55:00"}));
}

TEST(ContactRates, UtcIsLocalTimePlusTheOffsetAcrossTheDate) {
    ContactLog log;
    log.add({"G3XYZ", "599", "", "599", "England", "2026/12/31", "23:40:00"});
    log.add({"W1AW", "599", "CT", "599", "USA", "2027/01/01", "00:25:00"});
    // Local 2026/12/31 19:00 plus 5.5 hours is 00:30 UTC on New Year's Day.
    const auto rates = contactRates(log, {2026, 12, 31, 19, 0, 0}, 5.5F);
    ASSERT_TRUE(rates);
    EXPECT_EQ(rates->hourlyRateLast20Minutes, 3);
    EXPECT_EQ(rates->contactsLast60Minutes, 2);
    // West of Greenwich the offset is negative: local 01:30 minus 1 hour.
    const auto behind = contactRates(log, {2027, 1, 1, 1, 30, 0}, -1.0F);
    ASSERT_TRUE(behind);
    EXPECT_EQ(behind->hourlyRateLast20Minutes, 3);
    EXPECT_EQ(behind->contactsLast60Minutes, 2);
}

}  // namespace
}  // namespace topband
