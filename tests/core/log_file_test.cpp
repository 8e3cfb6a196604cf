#include <gtest/gtest.h>

#include "core/log_file.h"
#include "tests/fakes/failing_files.h"
#include "tests/support/temp_folder.h"

namespace topband {
namespace {

using testing::FailingFiles;
using testing::TempFolder;

const Contact kLive{"K1ABC", "599", "CT", "599", "USA", "2026/12/05", "22:01:07"};
const Contact kDx{"G3XYZ", "579", "", "599", "England", "2026/12/05", "22:03"};
const std::string kLiveLine = "\"K1ABC\",\"599\",\"CT\",\"599\",\"USA\",\"2026/12/05\",\"22:01:07\"\r\n";
const std::string kDxLine = "\"G3XYZ\",\"579\",\"\",\"599\",\"England\",\"2026/12/05\",\"22:03\"\r\n";

std::string manyRecords(int count) {
    std::string content;
    for (int i = 0; i < count; ++i) content += kLiveLine;
    return content;
}

TEST(LogFile, RecordIsByteExact) {
    EXPECT_EQ(formatLogRecord(kLive), kLiveLine);
    EXPECT_EQ(formatLogRecord(kDx), kDxLine);
}

TEST(LogFile, RefusesFieldsThatWouldBreakTheRecord) {
    Contact quoted = kLive;
    quoted.call = "K1\"AB";
    EXPECT_FALSE(formatLogRecord(quoted));
    Contact broken = kLive;
    broken.country = "US\nA";
    EXPECT_FALSE(formatLogRecord(broken));
}

TEST(LogFile, ParsesWhatItWrites) {
    std::string error;
    const auto records = parseLog(kLiveLine + kDxLine, error);
    ASSERT_TRUE(records) << error;
    ASSERT_EQ(records->size(), 2u);
    EXPECT_EQ((*records)[0], kLive);
    EXPECT_EQ((*records)[1], kDx);
}

TEST(LogFile, AcceptsLfAloneAndEmptyLines) {
    std::string edited = "\n" + kLiveLine.substr(0, kLiveLine.size() - 2) + "\n\n\r\n" + kDxLine;
    std::string error;
    const auto records = parseLog(edited, error);
    ASSERT_TRUE(records) << error;
    EXPECT_EQ(records->size(), 2u);
}

TEST(LogFile, CapacityIsElevenThousandRecords) {
    std::string error;
    const auto full = parseLog(manyRecords(11000), error);
    ASSERT_TRUE(full) << error;
    EXPECT_EQ(full->size(), 11000u);
    EXPECT_FALSE(parseLog(manyRecords(11001), error));
    EXPECT_EQ(error, "more than 11000 records");
}

TEST(LogFile, DamagedRecordsFail) {
    const std::string cases[] = {
        kLiveLine + kDxLine.substr(0, 20),               // cut inside a quoted field
        kLiveLine + "\"G3XYZ\",\"579\",\"\"\r\n",         // cut after three fields
        kLiveLine + "\"K1\"AB\",\"599\",\"CT\",\"599\",\"USA\",\"2026/12/05\",\"22:01:07\"\r\n",
    };
    for (const auto& content : cases) {
        std::string error;
        EXPECT_FALSE(parseLog(content, error)) << content;
        EXPECT_NE(error.find("record 2"), std::string::npos) << error;
    }
}

TEST(LogFile, AppendAddsOneSyncedLineAndMendsAMissingLineEnd) {
    TempFolder folder;
    FailingFiles files;
    const std::string path = folder.file("Log.txt");
    ASSERT_TRUE(appendToLog(files, path, kLive));
    EXPECT_EQ(folder.read("Log.txt"), kLiveLine);

    folder.write("Log.txt", kLiveLine.substr(0, kLiveLine.size() - 2));  // edited by hand, no line end
    ASSERT_TRUE(appendToLog(files, path, kDx));
    EXPECT_EQ(folder.read("Log.txt"), kLiveLine + kDxLine);
}

TEST(LogFile, AppendRefusesABadFieldAndWritesNothing) {
    TempFolder folder;
    FailingFiles files;
    Contact bad = kLive;
    bad.section = "C\"T";
    EXPECT_FALSE(appendToLog(files, folder.file("Log.txt"), bad));
    EXPECT_FALSE(folder.exists("Log.txt"));
}

TEST(LogFile, FailedRewriteLeavesTheOldFile) {
    TempFolder folder;
    FailingFiles files;
    folder.write("Log.txt", kLiveLine);
    files.failReplace = true;
    EXPECT_FALSE(rewriteLog(files, folder.file("Log.txt"), {kDx}));
    EXPECT_EQ(folder.read("Log.txt"), kLiveLine);
    files.failReplace = false;
    ASSERT_TRUE(rewriteLog(files, folder.file("Log.txt"), {kDx, kLive}));
    EXPECT_EQ(folder.read("Log.txt"), kDxLine + kLiveLine);
}

}  // namespace
}  // namespace topband
