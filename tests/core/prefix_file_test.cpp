#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/prefix_file.h"
#include "tests/support/case_printing.h"
#include "tests/support/temp_folder.h"

namespace topband {
namespace {

using testing::TempFolder;

std::string record(const std::string& prefix, const std::string& country) {
    return "\"" + prefix + "\",\"" + country + "\",\"EU\",-10,51,14,28,-1\r\n";
}

class PrefixFileFolders : public ::testing::Test {
protected:
    PrefixFileFolders() {
        folders.SharedFolder = folder.file("shared");
        folders.DataFolder = folder.file("data");
        folders.WorkingFolder = folder.file("work");
        for (const char* name : {"shared", "data", "work"}) folder.write(std::string(name) + "/keep", "");
    }
    PrefixFileLoad load() {
        PrefixFileLoad loaded = loadPrefixFile(files, prefixFileFolders(folders));
        table = loaded.table;
        return loaded;
    }

    TempFolder folder;
    RealFiles files;
    Folders folders;
    PrefixTable table;
};

struct FolderCase {
    std::vector<std::string> holding;  // folders that hold a prefix file
    std::string read;                  // the one read; empty for none
    friend void PrintTo(const FolderCase& c, std::ostream* os) {
        *os << "held by";
        for (const std::string& name : c.holding) *os << ' ' << name;
        if (c.holding.empty()) *os << " no folder";
        *os << " → " << (c.read.empty() ? "none" : c.read) << " read";
    }
};

class PrefixFileSearch : public PrefixFileFolders, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(PrefixFileSearch, TakesSharedThenDataThenWorkingFolder) {
    const FolderCase& c = GetParam();
    for (const std::string& name : c.holding) folder.write(name + "/arrlpre2.txt", record("K", "From " + name));
    table.replaceAll({{"G", "Left over", "EU", 0, 0}});
    const PrefixFileLoad loaded = load();
    EXPECT_EQ(loaded.error, "");
    if (c.read.empty()) {
        EXPECT_EQ(loaded.path, "");
        EXPECT_EQ(table.PrefixCount(), 0);
        return;
    }
    EXPECT_EQ(loaded.path, folder.file(c.read + "/arrlpre2.txt"));
    ASSERT_EQ(table.PrefixCount(), 1);
    EXPECT_EQ(table.row(1).country, "From " + c.read);
}

INSTANTIATE_TEST_SUITE_P(Folders, PrefixFileSearch,
                         ::testing::Values(FolderCase{{"shared", "data", "work"}, "shared"},
                                           FolderCase{{"data", "work"}, "data"}, FolderCase{{"work"}, "work"},
                                           FolderCase{{}, ""}));

TEST_F(PrefixFileFolders, MatchesTheFileNameWithoutRegardToCase) {
    folder.write("work/ARRLPRE2.TXT", record("K", "USA"));
    EXPECT_EQ(load().path, folder.file("work/ARRLPRE2.TXT"));
    EXPECT_EQ(table.PrefixCount(), 1);
}

TEST_F(PrefixFileFolders, PassesOverAFolderOfThatName) {
    folder.write("shared/arrlpre2.txt/inside", "");
    folder.write("data/arrlpre2.txt", record("K", "USA"));
    EXPECT_EQ(load().path, folder.file("data/arrlpre2.txt"));
}

TEST_F(PrefixFileFolders, RefusesAnOversizedFile) {
    folder.write("work/arrlpre2.txt", std::string((4u << 20) + 1, '\n'));
    const PrefixFileLoad loaded = load();
    EXPECT_NE(loaded.error.find(folder.file("work/arrlpre2.txt")), std::string::npos) << loaded.error;
    EXPECT_EQ(table.PrefixCount(), 0);
}

TEST_F(PrefixFileFolders, BadRecordIsReportedWithFileAndLineAndTheOtherRowsLoad) {
    folder.write("work/arrlpre2.txt",
                 record("DL", "Germany") + "\"F\",\"France\",\"EU\",west,46\r\n" + record("G", "England"));
    const PrefixFileLoad loaded = load();
    EXPECT_EQ(loaded.error, folder.file("work/arrlpre2.txt") + ", line 2: \"west\" is not a number");
    ASSERT_EQ(table.PrefixCount(), 2);
    EXPECT_EQ(table.row(1).country, "Germany");
    EXPECT_EQ(table.row(2).country, "England");
}

struct BadRecord {
    const char* line;
    const char* why;
    friend void PrintTo(const BadRecord& c, std::ostream* os) {
        *os << "line " << testing::quoted(c.line) << " → " << testing::quoted(c.why);
    }
};

class BadPrefixRecord : public ::testing::TestWithParam<BadRecord> {};

TEST_P(BadPrefixRecord, IsLeftOutAndNamed) {
    const BadRecord& c = GetParam();
    const PrefixFileRows parsed = parsePrefixFile(record("DL", "Germany") + c.line + "\r\n" + record("G", "England"));
    EXPECT_EQ(parsed.error, std::string("line 2: ") + c.why);
    ASSERT_EQ(parsed.rows.size(), 2u);
    EXPECT_EQ(parsed.rows[1].prefix, "G");
}

INSTANTIATE_TEST_SUITE_P(
    Records, BadPrefixRecord,
    ::testing::Values(
        BadRecord{R"("F","France","EU",-2,46,14,27)", "the record holds 7 of the eight values"},
        BadRecord{R"("F","France","EU",-2,46,14,27,-1,9)", "the record holds more than eight values"},
        BadRecord{R"("F","France","EU",-2,46,14,27,-1,)", "the record holds more than eight values"},
        BadRecord{R"("F","France","EU",-2,,14,27,-1)", "\"\" is not a number"},
        BadRecord{R"("F","France,"EU",-2,46,14,27,-1)", "unexpected text after a quoted field"},
        BadRecord{R"("F","France","EU",-2,46,14,27,"-1)", "a quoted field has no closing quote"},
        BadRecord{R"("F","France","EU",-200,46,14,27,-1)", "the position is off the globe"},
        BadRecord{R"("F","France","EU",-2,91,14,27,-1)", "the position is off the globe"},
        BadRecord{R"("","France","EU",-2,46,14,27,-1)", "the prefix \"\" is not 1 to 20 characters long"},
        BadRecord{R"("F","","EU",-2,46,14,27,-1)", "the country \"\" is not 1 to 30 characters long"},
        BadRecord{R"("F","Republique francaise et ses iles","EU",-2,46,14,27,-1)",
                  "the country \"Republique francaise et ses iles\" is not 1 to 30 characters long"},
        BadRecord{R"("F",Fr"ance,"EU",-2,46,14,27,-1)", "the country \"Fr\"ance\" holds a double quote"}));

TEST(PrefixFileRecords, ReadsEveryLineEndBlankLinesAndUnquotedText) {
    const PrefixFileRows parsed = parsePrefixFile(
        "\"VE\", \"Canada\" ,\"NA\", 80 , 44.35,5,4,5\n\n  \r\n"
        "KH6,Hawaii,OC,156.9,21.12,31,61,10\r"
        "\"FT/j\",\"Juan de Nova, Europa\",\"AF\",-42.72,-17.05,39,53,-3");
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.rows, (std::vector<PrefixRow>{{"VE", "Canada", "NA", 80, 44.35f},
                                                   {"KH6", "Hawaii", "OC", 156.9f, 21.12f},
                                                   {"FT/j", "Juan de Nova, Europa", "AF", -42.72f, -17.05f}}));
}

TEST(PrefixFileRecords, CountsTheBadRecords) {
    const PrefixFileRows parsed =
        parsePrefixFile(record("DL", "Germany") + "x\r\n" + record("G", "England") + "y,z\r\n");
    EXPECT_EQ(parsed.error, "line 2: the record holds 1 of the eight values (2 bad records were left out)");
    EXPECT_EQ(parsed.rows.size(), 2u);
}

TEST(PrefixFileRecords, KeepsAsManyRowsAsTheTableHolds) {
    std::string content;
    for (int i = 0; i <= MaxPrefixes; ++i) content += record(std::string("P").append(std::to_string(i)), "Country");
    const PrefixFileRows parsed = parsePrefixFile(content);
    EXPECT_EQ(parsed.rows.size(), static_cast<std::size_t>(MaxPrefixes));
    EXPECT_EQ(parsed.rows.back().prefix, "P" + std::to_string(MaxPrefixes - 1));
    EXPECT_EQ(parsed.error, "the table holds " + std::to_string(MaxPrefixes) + " rows; the records from line " +
                                std::to_string(MaxPrefixes + 1) + " on were left out");
}

// The exact calls of the country file: the sixth value begins with "="; every other record,
// as files without exact calls have them, is a prefix.
TEST(PrefixFileRecords, ReadsTheExactCallMarkOfTheSixthValue) {
    const PrefixFileRows parsed = parsePrefixFile(
        "\"R1FJL\",\"Franz Josef Land\",\"EU\",-49.92,80.68,\"=40\",75,-3\r\n"
        "KC4AAA,Antarctica,SA,0,-90,=13,74,0\r\n"
        "\"R\",\"European Russia\",\"EU\",-41.37,53.65,16,29,-4\r\n"
        "\"G\",\"England\",\"EU\",1.47,52.77,\"14=\",27,\"=0\"\r\n"
        "\"F\",\"France\",\"EU\",-2,46,,,\r\n");
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.rows, (std::vector<PrefixRow>{{"R1FJL", "Franz Josef Land", "EU", -49.92f, 80.68f, true},
                                                   {"KC4AAA", "Antarctica", "SA", 0, -90, true},
                                                   {"R", "European Russia", "EU", -41.37f, 53.65f},
                                                   {"G", "England", "EU", 1.47f, 52.77f},
                                                   {"F", "France", "EU", -2, 46}}));
}

TEST(PrefixFileRecords, TheInstalledFileFitsTheTable) {
    std::string error;
    const auto content = RealFiles().readAll(std::string(TOPBAND_INSTALLED_DATA_DIR) + "/arrlpre2.txt", error);
    ASSERT_TRUE(content) << error;
    const PrefixFileRows parsed = parsePrefixFile(*content);
    EXPECT_EQ(parsed.error, "");
    // Room to spare for the country files to come.
    EXPECT_LT(parsed.rows.size(), static_cast<std::size_t>(MaxPrefixes) * 2 / 3);
}

}  // namespace
}  // namespace topband
