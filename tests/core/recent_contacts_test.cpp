#include <gtest/gtest.h>

#include "core/recent_contacts.h"

namespace topband {
namespace {

TEST(RecentContacts, ShowsTheLastTwentyNewestFirstOrEverything) {
    const auto numbers = [](int newest, int oldest) {
        std::vector<int> out;
        for (int i = newest; i >= oldest; --i) out.push_back(i);
        return out;
    };
    EXPECT_TRUE(shownRecordNumbers(0, false).empty());
    EXPECT_EQ(shownRecordNumbers(19, false), numbers(19, 1));
    EXPECT_EQ(shownRecordNumbers(20, false), numbers(20, 1));
    EXPECT_EQ(shownRecordNumbers(21, false), numbers(21, 2));
    EXPECT_EQ(shownRecordNumbers(MaxContacts, false), numbers(MaxContacts, MaxContacts - 19));
    EXPECT_EQ(shownRecordNumbers(21, true), numbers(21, 1));
}

TEST(RecentContacts, RowsShowMonthDayAndHoursMinutesOrTheTextAsStored) {
    const auto row = listColumns(7, {"K1ABC", "579", "CT", "599", "USA", "2026/12/05", "22:01:07"});
    EXPECT_EQ(row, (std::array<std::string, 8>{"7", "K1ABC", "579", "CT", "599", "12/05", "22:01", "USA"}));
    EXPECT_EQ(listColumns(1, {"G3XYZ", "", "", "", "", "2026/12/05", "03:04"})[6], "03:04");
    const auto odd = listColumns(1, {"G3XYZ", "", "", "", "", "12/1/2024", "7h"});
    EXPECT_EQ(odd[5], "12/1/2024");
    EXPECT_EQ(odd[6], "7h");
}

ContactLog logOfCalls(std::initializer_list<const char*> calls) {
    ContactLog log;
    for (const char* call : calls) log.add({call, "599", "CT", "599", "USA", "2026/12/05", "22:01:07"});
    return log;
}

TEST(RecentContacts, OtherRecordsWithTheCallLeaveOutTheEditedOne) {
    const ContactLog log = logOfCalls({"W1AW", "K1ABC", "w1aw", "N1XX"});
    EXPECT_EQ(otherRecordsWithCall(log, 1, "W1AW"), 1);
    EXPECT_EQ(otherRecordsWithCall(log, 2, "W1AW"), 2);
    EXPECT_EQ(otherRecordsWithCall(log, 2, "K1ABC"), 0);
    EXPECT_EQ(otherRecordsWithCall(log, 4, "K1AB"), 0);
}

TEST(RecentContacts, RemovingMovesLaterRecordsDownAndRefusesNumbersOutsideTheLog) {
    const ContactLog log = logOfCalls({"A1A", "B1B", "C1C"});
    const auto calls = [](const std::vector<Contact>& records) {
        std::vector<std::string> out;
        for (const Contact& c : records) out.push_back(c.call);
        return out;
    };
    EXPECT_EQ(calls(withRecordRemoved(log, 1)), (std::vector<std::string>{"B1B", "C1C"}));
    EXPECT_EQ(calls(withRecordRemoved(log, 3)), (std::vector<std::string>{"A1A", "B1B"}));
    EXPECT_THROW(withRecordRemoved(log, 0), std::out_of_range);
    EXPECT_THROW(withRecordRemoved(log, 4), std::out_of_range);
    EXPECT_THROW(withRecordReplaced(log, 4, {}), std::out_of_range);
}

}  // namespace
}  // namespace topband
