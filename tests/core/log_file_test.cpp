#include <gtest/gtest.h>

#include "core/log_file.h"
#include "tests/core/sample_contacts.h"
#include "tests/fakes/failing_files.h"
#include "tests/support/case_printing.h"
#include "tests/support/temp_folder.h"

namespace topband {
namespace {

using testing::FailingFiles;
using testing::kDx;
using testing::kDxLine;
using testing::kLive;
using testing::kLiveLine;
using testing::TempFolder;

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
    EXPECT_EQ(error, "record 11001, line 11001: a log holds at most 11000 records");
}

TEST(LogFile, DamagedRecordsFail) {
    const std::string cases[] = {
        kLiveLine + kDxLine.substr(0, 20),         // cut inside a quoted field
        kLiveLine + "\"G3XYZ\",\"579\",\"\"\r\n",  // cut after three fields
        kLiveLine + "\"K1\"AB\",\"599\",\"CT\",\"599\",\"USA\",\"2026/12/05\",\"22:01:07\"\r\n",
    };
    for (const auto& content : cases) {
        std::string error;
        EXPECT_FALSE(parseLog(content, error)) << content;
        EXPECT_NE(error.find("record 2"), std::string::npos) << error;
    }
}

TEST(LogFile, SkipsALeadingByteOrderMark) {
    const std::string mark = "\xEF\xBB\xBF";
    std::string error;
    const auto records = parseLog(mark + kLiveLine + kDxLine, error);
    ASSERT_TRUE(records) << error;
    ASSERT_EQ(records->size(), 2u);
    EXPECT_EQ((*records)[0], kLive);
    EXPECT_EQ((*records)[1], kDx);
    const auto afterEmptyLine = parseLog(mark + "\r\n" + kDxLine, error);
    ASSERT_TRUE(afterEmptyLine) << error;
    EXPECT_EQ(*afterEmptyLine, std::vector<Contact>{kDx});
    const auto markAlone = parseLog(mark, error);
    ASSERT_TRUE(markAlone) << error;
    EXPECT_TRUE(markAlone->empty());
}

// A damaged line is named, and never read together with its neighbours into shifted records.
struct DamagedLine {
    const char* what;
    std::string content;
    std::string error;
    friend void PrintTo(const DamagedLine& c, std::ostream* os) {
        *os << c.what << ": " << testing::quoted(c.content) << " → " << testing::quoted(c.error);
    }
};

class DamagedLogLine : public ::testing::TestWithParam<DamagedLine> {};

TEST_P(DamagedLogLine, IsRefusedWithItsRecordLineAndReason) {
    std::string error;
    EXPECT_FALSE(parseLog(GetParam().content, error));
    EXPECT_EQ(error, GetParam().error);
}

const std::string kLiveUnended = kLiveLine.substr(0, kLiveLine.size() - 2);
const std::string kDxSixFields = "\"G3XYZ\",\"579\",\"\",\"599\",\"England\",\"2026/12/05\"";

INSTANTIATE_TEST_SUITE_P(
    Lines, DamagedLogLine,
    ::testing::Values(
        DamagedLine{
            "a record split over two lines",
            kLiveLine + "\"G3XYZ\",\"579\",\"\"\r\n\"599\",\"England\",\"2026/12/05\",\"22:03\"\r\n" + kLiveLine,
            "record 2, line 2: the line holds 3 fields, not 7"},
        DamagedLine{"six fields, then eight: read across lines these would make two shifted records",
                    kLiveLine + kDxSixFields + "\r\n\"22:03\"," + kLiveLine,
                    "record 2, line 2: the line holds 6 fields, not 7"},
        DamagedLine{"eight fields", kLiveLine + kLiveUnended + ",\"extra\"\r\n" + kDxLine,
                    "record 2, line 2: the line holds 8 fields, not 7"},
        DamagedLine{"a comma after the last field", kLiveUnended + ",\r\n" + kDxLine,
                    "record 1, line 1: the line holds 8 fields, not 7"},
        DamagedLine{"an extra field that is itself damaged", kLiveUnended + ",\"x\",\"y\r\n",
                    "record 1, line 1: the line holds more than 7 fields"},
        DamagedLine{"one field on a line, counted past empty LF and CR LF lines",
                    kLiveLine + "\r\n\n\"G3XYZ\"\n" + kDxLine, "record 2, line 4: the line holds 1 field, not 7"},
        DamagedLine{"one field ended by CR alone", kLiveUnended + "\r\"G3XYZ\"\r" + kDxLine,
                    "record 2, line 2: the line holds 1 field, not 7"},
        DamagedLine{"a bare field holding a double quote",
                    kLiveLine + "\"G3XYZ\",5\"79,\"\",\"599\",\"England\",\"2026/12/05\",\"22:03\"\r\n",
                    "record 2, line 2: field 2 holds a double quote"},
        DamagedLine{"a byte-order mark that does not open the file", kLiveLine + "\xEF\xBB\xBF" + kDxLine,
                    "record 2, line 2: field 1 holds a double quote"},
        DamagedLine{"cut inside a quoted field by the end of the file", kLiveLine + kDxLine.substr(0, 20),
                    "record 2, line 2: a quoted field has no closing quote"},
        DamagedLine{"cut after three fields by the end of the file", kLiveLine + "\"G3XYZ\",\"579\",\"\"",
                    "record 2, line 2: the line holds 3 fields, not 7"},
        DamagedLine{"text after a quoted field", kLiveLine + kLiveLine + "\"K1\"AB\"" + kLiveLine.substr(7),
                    "record 3, line 3: unexpected text after a quoted field"}));

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
