#include <gtest/gtest.h>

#include <sstream>

#include "core/log_file.h"
#include "mainwin/lookup_command.h"
#include "tests/fakes/failing_files.h"
#include "tests/support/installed_data.h"
#include "tests/support/temp_folder.h"

namespace topband {
namespace {

using testing::TempFolder;

class LookupCommandTest : public ::testing::Test {
protected:
    LookupCommandTest() {
        files.documents = work.file("Documents");
        work.write("arrlpre2.txt", testing::installedDataFile("arrlpre2.txt"));
        // Newington, Connecticut.
        work.write("160pref.txt",
                   "\"W1AW\"\r\n\"CT\"\r\n5\r\n\"USA\"\r\n72.72\r\n41.71\r\n100\r\n192\r\n0\r\n0\r\n0\r\n");
        work.write("Log.txt", *formatLogRecord({"G3XYZ", "599", "", "599", "England", "2026/12/05", "22:01:07"}));
        EXPECT_TRUE(files.setCurrentFolder(work.path()));
    }
    std::string run(const std::vector<std::string>& calls, int expectedExit = 0) {
        std::ostringstream out, errors;
        EXPECT_EQ(runLookup(calls, files, installed, out, errors), expectedExit) << errors.str();
        lastErrors = errors.str();
        return out.str();
    }
    TempFolder work;
    // Real files, with the documents folder inside the test's own folder.
    testing::FailingFiles files;
    std::string installed = work.file("no installation");  // the installed data folder
    std::string lastErrors;
};

TEST_F(LookupCommandTest, PrintsWhatTheWindowShowsWithDupes) {
    EXPECT_EQ(run({"g3xyz", "K1ABC", "JA1XYZ", "W1AW/MM", "QQ9Q"}),
              "G3XYZ\tEngland\tEU\t51\t3,283\tDUPE\n"
              "K1ABC\tUSA\tNA\t\t\t\n"
              "JA1XYZ\tJapan\tAS\t335\t6,688\t\n"
              "W1AW/MM\t\t\t\t\t\n"
              "QQ9Q\tNot Found\t\t\t\t\n");
}

TEST_F(LookupCommandTest, PerUserPrefixFileWinsOverTheWorkingFolder) {
    work.write("Documents/KELVO Software/Shared/arrlpre2.txt", "\"G\",\"Testland\",\"EU\",1,52,0,0,0\r\n");
    EXPECT_EQ(run({"G3XYZ"}), "G3XYZ\tTestland\tEU\t52\t3,317\tDUPE\n");
}

// Suffixes that name no place, the country file's exact calls and the positions of call
// areas, as the window shows them.
TEST_F(LookupCommandTest, ReadsPlacelessSuffixesExactCallsAndCallAreas) {
    EXPECT_EQ(run({"G4ABC/QRP", "K1ABC/LH", "W1AW/KH6/P", "W1AW/MM2", "R1FJL", "KC4AAA", "VE7ABC", "VE3EJ"}),
              "G4ABC/QRP\tEngland\tEU\t51\t3,283\t\n"
              "K1ABC/LH\tUSA\tNA\t\t\t\n"
              "W1AW/KH6/P\tHawaii\tOC\t283\t4,995\t\n"
              "W1AW/MM2\t\t\t\t\t\n"
              "R1FJL\tFranz Josef Land\tEU\t10\t3,711\t\n"
              "KC4AAA\tAntarctica\tSA\t180\t9,093\t\n"
              "VE7ABC\tCanada\tNA\t298\t2,466\t\n"
              "VE3EJ\tCanada\tNA\t294\t363\t\n");
}

TEST_F(LookupCommandTest, WithoutAPrefixFileInTheFoldersReadsTheInstalledOne) {
    const std::string withFile = run({"JA1XYZ", "VE7ABC"});
    std::filesystem::remove(work.file("arrlpre2.txt"));
    installed = TOPBAND_INSTALLED_DATA_DIR;
    EXPECT_EQ(run({"JA1XYZ", "VE7ABC"}), withFile);
    EXPECT_EQ(lastErrors, "");
    EXPECT_FALSE(work.exists("arrlpre2.txt"));  // looking up changes nothing in the folder
}

TEST_F(LookupCommandTest, TheWorkingFolderWinsOverTheInstalledFile) {
    work.write("arrlpre2.txt", "\"G\",\"Testland\",\"EU\",1,52,0,0,0\r\n");
    installed = TOPBAND_INSTALLED_DATA_DIR;
    EXPECT_EQ(run({"G4ABC"}), "G4ABC\tTestland\tEU\t52\t3,317\t\n");
}

TEST_F(LookupCommandTest, NoPrefixTableIsAnError) {
    std::filesystem::remove(work.file("arrlpre2.txt"));
    EXPECT_EQ(run({"G3XYZ"}, 1), "");
    EXPECT_NE(lastErrors.find("no prefix table"), std::string::npos);
}

}  // namespace
}  // namespace topband
