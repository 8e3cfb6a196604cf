#include "mainwin/entry_rules.h"

#include <gtest/gtest.h>

#include "window/key_codes.h"

namespace topband {
namespace {

const char* nameOf(EntryField field) {
    switch (field) {
        case EntryField::Call: return "call";
        case EntryField::ReportReceived: return "report received";
        case EntryField::Section: return "section";
        case EntryField::ReportSent: return "report sent";
        case EntryField::Country: return "country";
        case EntryField::PostContestTime: return "time";
        case EntryField::PostContestDate: return "date";
    }
    return "?";
}

TEST(EntryRules, EachFieldKeepsOnlyItsCharactersForKeysAndText) {
    const struct {
        EntryField field;
        char16_t typed;
        char16_t kept;
    } cases[] = {
        {EntryField::Call, u'k', u'K'},
        {EntryField::Call, u'7', u'7'},
        {EntryField::Call, u'/', u'/'},
        {EntryField::Call, u'-', 0},
        {EntryField::Call, u'"', 0},
        {EntryField::Call, u'\u00f1', 0},
        {EntryField::Call, u' ', 0},
        {EntryField::ReportReceived, u'5', u'5'},
        {EntryField::ReportReceived, u'x', 0},
        {EntryField::ReportSent, u'\u0665', 0},  // an Arabic-Indic five
        {EntryField::ReportSent, u'"', 0},
        {EntryField::Section, u'c', u'C'},
        {EntryField::Section, u'"', 0},
        {EntryField::Section, u'\r', 0},
        {EntryField::Country, u'e', u'e'},
        {EntryField::Country, u' ', u' '},
        {EntryField::Country, u'\'', u'\''},
        {EntryField::Country, u'"', 0},
        {EntryField::Country, u'\n', 0},
        {EntryField::Country, u'\u00e9', 0},
        {EntryField::PostContestTime, u':', u':'},
        {EntryField::PostContestTime, u'/', 0},
        {EntryField::PostContestDate, u'/', u'/'},
        {EntryField::PostContestDate, u':', 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fieldCharacter(c.field, c.typed), c.kept) << nameOf(c.field) << " U+" << std::hex << int{c.typed};
        // A typed key follows the same rule; Backspace always passes.
        EXPECT_EQ(fieldKey(c.field, c.typed), c.kept) << nameOf(c.field) << " key U+" << std::hex << int{c.typed};
        EXPECT_EQ(fieldKey(c.field, kBackspace), kBackspace) << nameOf(c.field);
    }
}

TEST(EntryRules, ACallIsCompleteOnceADigitIsFollowedByMore) {
    const struct {
        const char* call;
        bool complete;
    } cases[] = {
        {"", false},       {"K1", false},     {"K1A", true},  {"K1ABC", true}, {"W1AW", true},
        {"4X4", false},    {"4X4A", true},    {"4X", false},  {"KH6", false},  {"KH6X", true},
        {"K1ABC/", false}, {"W1AW/4", false}, {"ABC", false}, {"1AB", false},  {"11A", true},
    };
    for (const auto& c : cases) EXPECT_EQ(completeCall(c.call), c.complete) << c.call;
}

TEST(EntryRules, KeysGoWhereTheExchangeContinues) {
    const FieldView callAtEnd{"K1ABC", 5, false};
    const FieldView callMidway{"K1ABC", 2, false};
    const FieldView callSelected{"K1ABC", 0, true};
    const FieldView shortCall{"K1", 2, false};
    const FieldView empty{};
    const FieldView countryMidway{"United", 6, false};
    const auto type = [](int key) { return KeyDecision{KeyAction::Type, key, kToNone}; };
    const auto passOn = [](int key, std::uint8_t target) { return KeyDecision{KeyAction::PassOn, key, target}; };
    const KeyDecision moveOn{KeyAction::MoveOn, kNoKey, kToNone};
    const KeyDecision commit{KeyAction::Commit, kNoKey, kToNone};
    const KeyDecision clear{KeyAction::ClearEntry, kNoKey, kToNone};
    const struct {
        EntryField field;
        int key;
        FieldView view;
        KeyDecision expected;
    } cases[] = {
        {EntryField::Call, '5', callAtEnd, passOn('5', kToReportReceived)},
        {EntryField::Call, '5', callMidway, type('5')},
        {EntryField::Call, '5', callSelected, type('5')},
        {EntryField::Call, '5', shortCall, type('5')},
        {EntryField::Call, 'a', callAtEnd, type('A')},
        {EntryField::Call, '"', callAtEnd, type(kNoKey)},
        {EntryField::Call, kBlank, callAtEnd, moveOn},
        {EntryField::Call, kEnter, callAtEnd, commit},
        {EntryField::Call, kEscape, callAtEnd, clear},
        {EntryField::ReportReceived, '9', empty, type('9')},
        {EntryField::ReportReceived, 'c', empty, passOn('c', kToSection)},
        {EntryField::ReportReceived, '?', empty, passOn('?', kToSection)},
        {EntryField::ReportReceived, '-', empty, type(kNoKey)},
        {EntryField::ReportReceived, kBlank, empty, moveOn},
        {EntryField::ReportReceived, kEscape, empty, clear},
        {EntryField::Section, kEscape, empty, clear},
        {EntryField::ReportSent, kEscape, empty, clear},
        {EntryField::Country, kEscape, countryMidway, clear},
        {EntryField::PostContestDate, kEscape, empty, clear},
        {EntryField::ReportReceived, kEnter, empty, commit},
        {EntryField::Section, '5', empty, passOn('5', kToReportSent)},
        {EntryField::Section, '!', empty, passOn('!', kToReportSent)},
        {EntryField::Section, '"', empty, type(kNoKey)},
        {EntryField::Section, 't', empty, type('T')},
        {EntryField::Section, kBlank, empty, moveOn},
        {EntryField::ReportSent, 'e', empty, passOn('E', kToCountry)},
        {EntryField::ReportSent, '7', empty, type('7')},
        {EntryField::ReportSent, kEnter, empty, commit},
        {EntryField::Country, kBlank, empty, moveOn},
        {EntryField::Country, kBlank, countryMidway, type(kBlank)},
        {EntryField::Country, '"', countryMidway, type(kNoKey)},
        {EntryField::Country, kEnter, countryMidway, commit},
        {EntryField::PostContestTime, '1', empty, type('1')},
        {EntryField::PostContestTime, 'x', empty, type(kNoKey)},
        {EntryField::PostContestTime, kBlank, empty, moveOn},
        {EntryField::PostContestDate, kEnter, empty, commit},
    };
    for (const auto& c : cases) {
        const KeyDecision got = entryKeyDecision(c.field, c.key, c.view);
        EXPECT_EQ(got, c.expected) << nameOf(c.field) << " \"" << c.view.text << "\" key " << c.key << " gave action "
                                   << static_cast<int>(got.action) << " key " << got.key << " target "
                                   << int{got.target};
    }
}

TEST(EntryRules, TheCommitNamesTheLastMissingField) {
    PrefixTable table;
    table.replaceAll({{"G", "England", "EU", 2, 52},
                      {"JA", "Japan", "AS", -140, 36},
                      {"K", "USA", "NA", 97, 38},
                      {"VE", "Canada", "NA", 80, 45}});
    const struct {
        EntryFields fields;
        const char* message;  // nullptr: nothing missing
        EntryField focus;
    } cases[] = {
        {{"K1ABC", "599", "CT", "599", "USA"}, nullptr, EntryField::Call},
        {{"G3XYZ", "599", "", "599", "England"}, nullptr, EntryField::Call},
        {{"K1ABC", "599", "", "599", "USA"}, "Need Section!", EntryField::Section},
        {{"VE3AAA", "599", "", "599", "Canada"}, "Need Section!", EntryField::Section},
        {{"K1ABC", "", "CT", "599", "USA"}, "Report Received!", EntryField::ReportReceived},
        {{"K1", "599", "CT", "599", "USA"}, "Need Call Sign!", EntryField::Call},
        {{"G3XYZ", "599", "", "599", ""}, "Need Country!", EntryField::Country},
        {{"K1ABC", "599", "CT", "", "USA"}, "Need Report Sent!", EntryField::ReportSent},
        // Several missing: the last check that fails is the one reported.
        {{"K1ABC", "", "", "", "USA"}, "Need Report Sent!", EntryField::ReportSent},
        {{"", "", "", "599", ""}, "Need Country!", EntryField::Country},
        // "Not Found" is no country; a station at sea or in the air needs none.
        {{"XX9XX", "599", "", "599", "Not Found"}, "Need Country!", EntryField::Country},
        {{"XX9XX", "599", "", "599", "not found"}, "Need Country!", EntryField::Country},
        // Text the table does not know as a country is none either; letter case does not matter.
        {{"JA1XYZ", "579", "", "599", "559"}, "Need Country!", EntryField::Country},
        {{"K1ABC", "599", "CT", "599", "usa"}, nullptr, EntryField::Call},
        {{"W1AW/MM", "599", "", "599", ""}, nullptr, EntryField::Call},
        {{"W1AW/MM2", "599", "", "599", "Not Found"}, nullptr, EntryField::Call},
        {{"G3XYZ/AM", "599", "", "599", ""}, nullptr, EntryField::Call},
    };
    for (const auto& c : cases) {
        const auto missing = missingEntryField(c.fields, table);
        if (c.message == nullptr) {
            EXPECT_FALSE(missing.has_value()) << c.fields.call << " " << missing->message;
            continue;
        }
        ASSERT_TRUE(missing.has_value()) << c.message;
        EXPECT_STREQ(missing->message, c.message);
        EXPECT_EQ(missing->field, c.focus) << c.message;
    }
}

class CountryCompletionTest : public ::testing::Test {
protected:
    CountryCompletionTest() {
        table.replaceAll({
            {"C3", "Andorra", "EU", -1.5F, 42.5F},
            {"G", "England", "EU", 2, 52},
            {"JA", "Japan", "AS", -140, 36},
            {"K", "USA", "NA", 97, 38},
            {"K", "United States", "NA", 95.5F, 37},
            {"VE", "Canada", "NA", 80, 45},
            {"VE7", "Canada", "NA", 123.37F, 48.43F},  // a call area with its own position
        });
    }
    PrefixTable table;
};

TEST(EntryRules, AStationAtSeaOrInTheAirIsStoredWithoutACountry) {
    EXPECT_EQ(storedCountry("W1AW/MM", "England"), "");
    EXPECT_EQ(storedCountry("W1AW/mm3", "USA"), "");
    EXPECT_EQ(storedCountry("W1AW/AM", ""), "");
    EXPECT_EQ(storedCountry("W1AW/P", "USA"), "USA");
    EXPECT_EQ(storedCountry("G3XYZ", "England"), "England");
}

TEST_F(CountryCompletionTest, CompletesFromTheLastMatchingRowWithoutRegardToCase) {
    const struct {
        const char* typed;
        const char* completed;  // nullptr: no country begins with it
        const char* continent;
    } cases[] = {
        {"E", "England", "EU"},       {"eng", "England", "EU"},       {"ENGL", "England", "EU"},
        {"U", "United States", "NA"},  // the last of "USA" and "United States"
        {"us", "USA", "NA"},          {"uNi", "United States", "NA"}, {"Ca", "Canada", "NA"},
        {"X", nullptr, nullptr},      {"Englandx", nullptr, nullptr}, {"", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const auto completion = completeCountry(table, c.typed);
        if (c.completed == nullptr) {
            EXPECT_FALSE(completion.has_value()) << c.typed << " → " << completion->text;
            continue;
        }
        ASSERT_TRUE(completion.has_value()) << c.typed;
        // The table's spelling, whatever the case typed; the typed part is what stays unselected.
        EXPECT_EQ(completion->text, c.completed) << c.typed;
        EXPECT_EQ(completion->typedLength, std::string_view(c.typed).size()) << c.typed;
        EXPECT_EQ(completion->row->continent, c.continent) << c.typed;
    }
}

TEST_F(CountryCompletionTest, ACountryTypedByNameTakesTheWholeCountrysPosition) {
    const auto completion = completeCountry(table, "can");
    ASSERT_TRUE(completion.has_value());
    EXPECT_EQ(completion->row->prefix, "VE") << "not the call area VE7, the last Canada row";
    EXPECT_EQ(completion->row->longitude, 80);
}

TEST_F(CountryCompletionTest, ANameStartsAfreshOnlyAtTheStartOfTheField) {
    EXPECT_TRUE(countryStartsAfresh({}));
    EXPECT_TRUE(countryStartsAfresh({"England", 0, true}));
    EXPECT_TRUE(countryStartsAfresh({"England", 0, false}));
    EXPECT_FALSE(countryStartsAfresh({"England", 3, true}));
    EXPECT_FALSE(countryStartsAfresh({"Eng", 3, false}));
}

}  // namespace
}  // namespace topband
