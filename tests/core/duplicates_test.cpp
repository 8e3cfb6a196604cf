#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "core/duplicates.h"
#include "core/letter_case.h"
#include "tests/support/case_printing.h"

namespace topband {
namespace {

Contact contact(std::string call) { return {std::move(call), "599", "CT", "599", "USA", "2026/12/05", "22:01:07"}; }

ContactLog logOf(const std::vector<std::string>& calls) {
    ContactLog log;
    for (const std::string& call : calls) log.add(contact(call));
    return log;
}

TEST(FullDupeCheck, FindsTheFirstRecordOfTheCallWithoutRegardToCase) {
    ContactLog log = logOf({"W1AW", "K1ABC", "N2XX", "k1abc"});
    log.add({"K1ABC", "579", "", "599", "England", "2026/12/06", "01:02"});
    const auto dupe = findDuplicate(log, "k1AbC");
    ASSERT_TRUE(dupe);
    EXPECT_EQ(dupe->recordNumber, 2);
    EXPECT_EQ(dupe->message, "Duplicate K1ABC CT 2026/12/05 22:01:07  Rec#  2");
}

TEST(FullDupeCheck, DifferentCallsAreNotDuplicates) {
    const ContactLog log = logOf({"W1AW", "W1AW/4", "K1ABC"});
    EXPECT_FALSE(findDuplicate(log, "W1AW/P"));
    EXPECT_FALSE(findDuplicate(log, "W1A"));
    EXPECT_FALSE(findDuplicate(log, "K1ABC "));
    EXPECT_EQ(findDuplicate(log, "w1aw/4")->recordNumber, 2);
}

TEST(FullDupeCheck, FollowsEveryChangeOfTheLog) {
    ContactLog log = logOf({"W1AW"});
    log.replaceAll({contact("K1ABC"), contact("N2XX")});
    EXPECT_FALSE(findDuplicate(log, "W1AW"));
    EXPECT_EQ(findDuplicate(log, "N2XX")->recordNumber, 2);
    log.add(contact("W1AW"));
    EXPECT_EQ(findDuplicate(log, "W1AW")->recordNumber, 3);
    log.clear();
    EXPECT_FALSE(findDuplicate(log, "K1ABC"));
    log.add(contact("N2XX"));
    EXPECT_EQ(findDuplicate(log, "N2XX")->recordNumber, 1);
}

struct KeyCase {
    const char* field;  // the call field before the key
    int key;
    bool partialDupesOn;
    const char* list;
    const char* message;
    bool beep;
    friend void PrintTo(const KeyCase& c, std::ostream* os) {
        *os << testing::quoted(c.field) << " + key ";
        if (c.key > ' ' && c.key < 127)
            *os << '\'' << static_cast<char>(c.key) << '\'';
        else
            *os << c.key;
        *os << (c.partialDupesOn ? "" : " (partial dupes off)") << " → list " << testing::quoted(c.list) << ", message "
            << testing::quoted(c.message) << (c.beep ? ", beep" : "");
    }
};

class PartialDupeKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(PartialDupeKeys, ListAndMessage) {
    const ContactLog log = logOf({"K1ABC", "W1AW", "KA1XYZ", "W1AW/4", "k1abd", "KA9", "W1"});
    const KeyCase& c = GetParam();
    const PartialDupeResult result = partialDupeScan(log, c.field, c.key, c.partialDupesOn);
    EXPECT_EQ(result.list, c.list);
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.beep, c.beep);
}

INSTANTIATE_TEST_SUITE_P(DupeCheck, PartialDupeKeys,
                         ::testing::Values(
                             // Later matches stand in front; calls keep the case they were logged in.
                             KeyCase{"K1A", 'B', true, "k1abd K1ABC ", "Possible Duplicate!", false},
                             KeyCase{"k1a", 'B', true, "k1abd K1ABC ", "Possible Duplicate!", false},
                             KeyCase{"", 'K', true, "KA9 k1abd KA1XYZ K1ABC ", "", false},
                             // The third character: a digit or "/" in second or third place passes, else a beep.
                             KeyCase{"K1", 'A', true, "k1abd K1ABC ", " ", false},
                             KeyCase{"KA", '1', true, "KA1XYZ ", " ", false}, KeyCase{"AB", '/', true, "", " ", false},
                             KeyCase{"KA", 'B', true, "", "The second or third character is not numeric!", true},
                             KeyCase{"KA", 'B', false, "", "The second or third character is not numeric!", true},
                             // A call shorter than the typed text never matches; a portable call lists the plain one
                             // only up to the slash.
                             KeyCase{"W1A", 'W', true, "W1AW/4 W1AW ", "Possible Duplicate!", false},
                             KeyCase{"W1AW", '/', true, "W1AW/4 ", "Possible Duplicate!", false},
                             KeyCase{"W1AW/", 'P', true, "", "", false}, KeyCase{"KA9", 'A', true, "", "", false},
                             // Switched off: no list and so no warning.
                             KeyCase{"K1A", 'B', false, "", "", false},
                             // Backspace, a consumed key and keys outside "." to "Z" clear both lines.
                             KeyCase{"K1AB", 8, true, "", "", false}, KeyCase{"K1", 0, true, "", "", false},
                             KeyCase{"KA", '-', true, "", "", false}, KeyCase{"KA", '[', true, "", "", false},
                             // Two characters before the key are not enough for the warning.
                             KeyCase{"W", '1', true, "W1 W1AW/4 W1AW ", "", false}));

// The plain scan, record by record from the oldest, as the reference for the indexed one.
std::string plainPartialList(const ContactLog& log, const std::string& typed) {
    std::string list;
    for (int i = 1; i <= log.ContactCount(); ++i) {
        if (startsWithIgnoringCase(log.record(i).call, typed)) list = log.record(i).call + " " + list;
        if (list.size() > 100) break;
    }
    return list;
}

int plainFullCheck(const ContactLog& log, const std::string& call) {
    for (int i = 1; i <= log.ContactCount(); ++i)
        if (equalsIgnoringCase(log.record(i).call, call)) return i;
    return 0;
}

TEST(PartialDupeList, StopsOnceLongerThanOneHundredCharacters) {
    std::vector<std::string> calls;
    for (char a = 'A'; a <= 'Z'; ++a) calls.push_back(std::string("K1A") + a + "Z");
    const ContactLog log = logOf(calls);
    const std::string list = partialDupeScan(log, "K1", 'A', true).list;
    // Seventeen calls of five characters and a blank make 102 characters: the oldest matches,
    // newest of them first.
    EXPECT_EQ(list.size(), 102u);
    EXPECT_EQ(list.substr(0, 6), "K1AQZ ");
    EXPECT_EQ(list.substr(96), "K1AAZ ");
}

TEST(PartialDupeList, IndexedScanMatchesThePlainScanOnARandomLog) {
    // Few characters so that calls share long beginnings; both cases, a non-ASCII byte, calls
    // shorter than four characters and empty ones, and many repeats that make long lists.
    const std::string alphabet = "KkW1AaB/2\xC9";
    std::mt19937 random(20261205);
    const auto randomText = [&](std::size_t maxLength) {
        std::string text(random() % (maxLength + 1), ' ');
        for (char& ch : text) ch = alphabet[random() % alphabet.size()];
        return text;
    };
    std::vector<Contact> first;
    for (int i = 0; i < 3000; ++i) first.push_back(contact(randomText(7)));
    ContactLog log;
    log.replaceAll(first);
    for (int i = 0; i < 1000; ++i) log.add(contact(randomText(7)));

    int longLists = 0;
    for (int probe = 0; probe < 3000; ++probe) {
        const std::string field = randomText(6);
        const char key = "KW1AB/2"[random() % 7];
        const std::string expected = plainPartialList(log, field + key);
        ASSERT_EQ(partialDupeScan(log, field, key, true).list, expected) << field << key;
        if (expected.size() > 100) ++longLists;
        const std::string call = field + key;
        const int expectedRecord = plainFullCheck(log, call);
        const auto dupe = findDuplicate(log, call);
        ASSERT_EQ(dupe ? dupe->recordNumber : 0, expectedRecord) << call;
    }
    EXPECT_GT(longLists, 100);
}

struct HoldCase {
    CivilTime now;
    bool over;
};

TEST(DupeHold, KeysWaitUntilTheClockShowsMoreThanThreeSecondsAfterTheDuplicate) {
    const CivilTime found{2026, 12, 31, 23, 59, 58};
    const HoldCase cases[] = {
        {{2026, 12, 31, 23, 59, 58}, false},
        {{2026, 12, 31, 23, 59, 59}, false},
        {{2027, 1, 1, 0, 0, 1}, false},
        {{2027, 1, 1, 0, 0, 2}, true},
        {{2027, 1, 1, 0, 5, 0}, true},
        // A clock set back (the end of summer time) does not hold keys for an hour.
        {{2026, 12, 31, 23, 59, 57}, true},
        {{2026, 12, 31, 22, 59, 59}, true},
    };
    for (const HoldCase& c : cases)
        EXPECT_EQ(dupeHoldOver(found, c.now), c.over) << c.now.hour << ":" << c.now.minute << ":" << c.now.second;
}

}  // namespace
}  // namespace topband
