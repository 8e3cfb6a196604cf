#include <gtest/gtest.h>

#include "mainwin/preferences_file.h"
#include "tests/support/case_printing.h"

namespace topband {
namespace {

const std::string kFile =
    "\"W1XYZ\"\r\n\"EMA\"\r\n-5.5\r\n\"USA\"\r\n71.25\r\n42.5\r\n90\r\n-16777216\r\n8421504\r\n2\r\n1\r\n";

Preferences sample() {
    Preferences p;
    p.OwnCall = "W1XYZ";
    p.OwnSection = "EMA";
    p.UtcOffset = -5.5f;
    p.OwnCountry = "USA";
    p.OwnLongitude = 71.25f;
    p.OwnLatitude = 42.5f;
    p.FormSizePercent = 90;
    p.WorkedColor = -16777216;
    p.UnworkedColor = 0x808080;
    p.VoiceNavLevel = 2;
    p.TaskbarSetting = 1;
    return p;
}

TEST(PreferencesFile, WritesElevenValuesByteExact) {
    EXPECT_EQ(formatPreferences(sample()), kFile);
    Preferences whole = sample();
    whole.UtcOffset = 5;
    EXPECT_NE(formatPreferences(whole)->find("\r\n5\r\n"), std::string::npos);
}

TEST(PreferencesFile, ReadsBackWhatItWrites) {
    std::string error;
    const auto read = parsePreferences(kFile, error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(*read, sample());
}

TEST(PreferencesFile, QuotedEmptyCallReadsAsEmpty) {
    std::string error;
    const auto read = parsePreferences("\"\"\r\n\"\"\r\n5\r\n\"\"\r\n0\r\n0\r\n100\r\n192\r\n0\r\n0\r\n0\r\n", error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->OwnCall, "");
    EXPECT_EQ(read->UtcOffset, 5.0f);
}

TEST(PreferencesFile, NamesTheLineThatFails) {
    const struct {
        std::string content;
        std::string error;
    } cases[] = {
        {"\"W1XYZ\"\r\n\"EMA\"\r\n", "line 3: the file ends inside a record"},
        {"\"W1XYZ\"\r\n\"EMA\"\r\nfive\r\n", "line 3: \"five\" is not a number"},
        {kFile.substr(0, kFile.find("90")) + "300\r\n", "line 7: \"300\" is not a whole number from 0 to 255"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(parsePreferences(c.content, error)) << c.content;
        EXPECT_EQ(error.substr(0, c.error.size()), c.error) << error;
    }
}

TEST(PreferencesFile, SkipsALeadingByteOrderMark) {
    std::string error;
    const auto read = parsePreferences("\xEF\xBB\xBF" + kFile, error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(*read, sample());
}

// A file damaged at `line`: the values of the lines before it are read, the others keep the start values.
struct DamagedAt {
    int line;
    std::string content;
    std::string error;
    friend void PrintTo(const DamagedAt& c, std::ostream* os) {
        *os << "line " << c.line << ": " << testing::quoted(c.content) << " → " << testing::quoted(c.error);
    }
};

class DamagedPreferencesFile : public ::testing::TestWithParam<DamagedAt> {};

// kFile with its 1-based line `line` (and what follows) replaced by `rest`.
std::string fileDamagedAt(int line, const std::string& rest) {
    std::size_t at = 0;
    for (int i = 1; i < line; ++i) at = kFile.find("\r\n", at) + 2;
    return kFile.substr(0, at) + rest;
}

TEST_P(DamagedPreferencesFile, KeepsTheValuesBeforeTheDamagedLine) {
    const DamagedAt& c = GetParam();
    Preferences start = neutralPreferences(3);
    start.UnworkedColor = 0x00FF00;  // unlike every value of kFile
    Preferences read = start;
    std::string error;
    EXPECT_FALSE(readPreferencesInto(c.content, read, error));
    EXPECT_EQ(error, c.error);

    // The values in file order, each either read (before the damaged line) or as it started.
    const Preferences full = sample();
    Preferences expected = start;
    const auto keep = [&](int valueLine, auto member) {
        if (valueLine < c.line) expected.*member = full.*member;
    };
    keep(1, &Preferences::OwnCall);
    keep(2, &Preferences::OwnSection);
    keep(3, &Preferences::UtcOffset);
    keep(4, &Preferences::OwnCountry);
    keep(5, &Preferences::OwnLongitude);
    keep(6, &Preferences::OwnLatitude);
    keep(7, &Preferences::FormSizePercent);
    keep(8, &Preferences::WorkedColor);
    keep(9, &Preferences::UnworkedColor);
    keep(10, &Preferences::VoiceNavLevel);
    keep(11, &Preferences::TaskbarSetting);
    EXPECT_EQ(read, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DamagedPreferencesFile,
    ::testing::Values(
        DamagedAt{1, fileDamagedAt(1, "W1\"XYZ\r\n\"EMA\"\r\n"), "line 1: the value holds a double quote"},
        DamagedAt{1, "", "line 1: the file ends inside a record"},
        DamagedAt{3, fileDamagedAt(3, "five\r\n"), "line 3: \"five\" is not a number"},
        DamagedAt{4, fileDamagedAt(4, "\"USA\r\n"), "line 4: a quoted field has no closing quote"},
        DamagedAt{7, fileDamagedAt(7, "300\r\n"), "line 7: \"300\" is not a whole number from 0 to 255"},
        DamagedAt{9, fileDamagedAt(9, "grey\r\n8421504\r\n2\r\n1\r\n"),
                  "line 9: \"grey\" is not a whole number from -2147483648 to 2147483647"},
        DamagedAt{11, fileDamagedAt(11, ""), "line 11: the file ends inside a record"}));

TEST(PreferencesFile, RefusesACallWithAQuote) {
    Preferences p = sample();
    p.OwnCall = "W1\"XYZ";
    EXPECT_FALSE(formatPreferences(p));
}

}  // namespace
}  // namespace topband
