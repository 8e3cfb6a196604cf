#include <gtest/gtest.h>

#include "mainwin/preferences_file.h"

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
    const struct { std::string content; std::string error; } cases[] = {
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

TEST(PreferencesFile, RefusesACallWithAQuote) {
    Preferences p = sample();
    p.OwnCall = "W1\"XYZ";
    EXPECT_FALSE(formatPreferences(p));
}

}  // namespace
}  // namespace topband
