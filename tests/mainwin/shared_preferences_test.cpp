#include <gtest/gtest.h>

#include <filesystem>

#include "mainwin/shared_preferences.h"
#include "tests/fakes/failing_files.h"
#include "tests/support/temp_folder.h"

namespace topband {
namespace {

using testing::FailingFiles;
using testing::TempFolder;

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>";

class SharedPreferences : public ::testing::Test {
protected:
    TempFolder folder;
    FailingFiles files;
    SharedPreferencesFile shared;
    std::string path = folder.file("SharedUserPreferences.xml");

    void load() { ASSERT_TRUE(LoadSharedPreferences(shared, files, path)); }
    void set(std::string_view key, std::string_view value, bool saveNow = false) {
        ASSERT_TRUE(SetSharedPreference(shared, files, key, value, saveNow));
    }
};

TEST_F(SharedPreferences, MissingFileStartsAsTheDeclarationAndGrowsKeyByKey) {
    load();
    EXPECT_EQ(shared.SharedPrefsText, kDeclaration);
    EXPECT_EQ(shared.SharedPrefsPath, path);
    set("OWN_CALL", "W1XYZ");
    set("OWN_ARRL_SECTION", "EMA");
    set("OWN_UTC", " 5");
    set("OWN_COUNTRY", "United States");
    set("OWN_LONGITUDE", " 71.25");
    EXPECT_FALSE(folder.exists("SharedUserPreferences.xml")) << "nothing is written before the last key";
    set("OWN_LATITUDE", "-42.5", true);
    EXPECT_EQ(folder.read("SharedUserPreferences.xml"), kDeclaration +
                                                            "\r\n<OWN_CALL>W1XYZ</OWN_CALL>"
                                                            "\r\n<OWN_ARRL_SECTION>EMA</OWN_ARRL_SECTION>"
                                                            "\r\n<OWN_UTC> 5</OWN_UTC>"
                                                            "\r\n<OWN_COUNTRY>United States</OWN_COUNTRY>"
                                                            "\r\n<OWN_LONGITUDE> 71.25</OWN_LONGITUDE>"
                                                            "\r\n<OWN_LATITUDE>-42.5</OWN_LATITUDE>\r\n");
}

TEST_F(SharedPreferences, SettingAKeyAgainReplacesItsValueInPlace) {
    folder.write("SharedUserPreferences.xml",
                 kDeclaration + "\r\n<A>1</A>\r\n<OWN_CALL>W1XYZ</OWN_CALL>\r\n<B>2</B>\r\n");
    load();
    set("OWN_CALL", "VE3ABC/P");
    set("OWN_CALL", "");
    set("C", "new", true);
    EXPECT_EQ(folder.read("SharedUserPreferences.xml"),
              kDeclaration + "\r\n<A>1</A>\r\n<OWN_CALL></OWN_CALL>\r\n<B>2</B>\r\n<C>new</C>\r\n");
}

TEST_F(SharedPreferences, MixedCaseKeyIsStoredAndFoundInUpperCase) {
    load();
    set("OWN_ADDRESS_Line1", "1 Main St");
    set("own_address_line1", "2 Main St");
    EXPECT_EQ(shared.SharedPrefsText, kDeclaration + "\r\n<OWN_ADDRESS_LINE1>2 Main St</OWN_ADDRESS_LINE1>");
}

TEST_F(SharedPreferences, ValuesAreWrittenWithoutEscaping) {
    load();
    set("OWN_CLUB_NAME", "Ham & <Eggs>");
    EXPECT_EQ(shared.SharedPrefsText, kDeclaration + "\r\n<OWN_CLUB_NAME>Ham & <Eggs></OWN_CLUB_NAME>");
}

TEST_F(SharedPreferences, LoadAndSaveKeepTheFileByteForByte) {
    const std::string file = kDeclaration + "\r\n<OTHER_PROGRAM>x</OTHER_PROGRAM>\r\n";
    folder.write("SharedUserPreferences.xml", file);
    load();
    ASSERT_TRUE(SaveSharedPreferences(shared, files, path));
    EXPECT_EQ(folder.read("SharedUserPreferences.xml"), file);
}

TEST_F(SharedPreferences, LoadDropsOnlyARealFinalLineEnd) {
    const struct {
        std::string file;
        std::string text;
    } cases[] = {
        {"", kDeclaration},
        {kDeclaration + "\r\n<A>1</A>", kDeclaration + "\r\n<A>1</A>"},
        {kDeclaration + "\n<A>1</A>\n", kDeclaration + "\n<A>1</A>"},
    };
    for (const auto& c : cases) {
        folder.write("SharedUserPreferences.xml", c.file);
        load();
        EXPECT_EQ(shared.SharedPrefsText, c.text) << c.file;
    }
}

TEST_F(SharedPreferences, ALineWithoutItsClosingTagIsMended) {
    folder.write("SharedUserPreferences.xml", kDeclaration + "\r\n<OWN_CALL>W1XYZ\r\n<B>2</B>\r\n");
    load();
    set("OWN_CALL", "K1ABC");
    EXPECT_EQ(shared.SharedPrefsText, kDeclaration + "\r\n<OWN_CALL>K1ABC</OWN_CALL>\r\n<B>2</B>");
    folder.write("SharedUserPreferences.xml", kDeclaration + "\r\n<OWN_CALL>W1XYZ");
    load();
    set("OWN_CALL", "K1ABC");
    EXPECT_EQ(shared.SharedPrefsText, kDeclaration + "\r\n<OWN_CALL>K1ABC</OWN_CALL>");
}

TEST_F(SharedPreferences, AFileThatCannotBeReadIsNeverReplaced) {
    std::filesystem::create_directory(path);  // exists, but reading it fails
    const IoResult loaded = LoadSharedPreferences(shared, files, path);
    EXPECT_FALSE(loaded);
    EXPECT_FALSE(loaded.error.empty());
    EXPECT_EQ(shared.SharedPrefsText, kDeclaration);
    EXPECT_FALSE(SetSharedPreference(shared, files, "OWN_CALL", "W1XYZ", true));
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST_F(SharedPreferences, AWriteFailureReachesTheCallerAndKeepsTheOldFile) {
    folder.write("SharedUserPreferences.xml", kDeclaration + "\r\n<A>1</A>\r\n");
    load();
    files.failReplace = true;
    const IoResult saved = SetSharedPreference(shared, files, "A", "2", true);
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.error, "No space left on device");
    EXPECT_EQ(folder.read("SharedUserPreferences.xml"), kDeclaration + "\r\n<A>1</A>\r\n");
}

}  // namespace
}  // namespace topband
