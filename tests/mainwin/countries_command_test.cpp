// `topband countries import FILE` in a working folder of its own.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "core/prefix_convert.h"
#include "mainwin/countries_command.h"
#include "tests/fakes/failing_files.h"
#include "tests/support/case_printing.h"
#include "tests/support/installed_data.h"
#include "tests/support/temp_folder.h"

namespace topband {
namespace {

using testing::TempFolder;

const std::string kCountryFiles = std::string(TOPBAND_SOURCE_DIR) + "/tools/sources/country-files";

// The W/VE entities with Monaco, in cty.dat's layout; `more` follows them.
std::string ctyDat(const std::string& more) {
    return "United States of America: 05:  08:  NA:   37.60:    91.87:     5.0:  K:\n    K,W;\n"
           "Canada:                   05:  09:  NA:   44.35:    78.75:     5.0:  VE:\n    VE;\n"
           "Alaska:                   01:  01:  NA:   61.40:   148.87:     8.0:  KL:\n    KL;\n"
           "Hawaii:                   31:  61:  OC:   21.12:   157.48:    10.0:  KH6:\n    KH6;\n"
           "Puerto Rico:              08:  11:  NA:   18.18:    66.55:     4.0:  KP4:\n    KP4;\n"
           "US Virgin Islands:        08:  11:  NA:   17.73:    64.80:     4.0:  KP2:\n    KP2;\n"
           "Asiatic Turkey:           20:  39:  AS:   39.18:   -35.65:    -2.0:  TA:\n    TA;\n"
           "Monaco:                   14:  27:  EU:   43.73:    -7.40:    -1.0:  3A:\n    3A;\n" +
           more;
}

class CountriesImportTest : public ::testing::Test {
protected:
    CountriesImportTest() {
        files.documents = work.file("Documents");
        work.write("work/keep", "");
        EXPECT_TRUE(files.setCurrentFolder(work.file("work")));
    }
    int import(const std::string& countryFile) {
        std::ostringstream out, errors;
        const int exitCode = runCountriesImport(countryFile, files, out, errors);
        printed = out.str();
        complaints = errors.str();
        return exitCode;
    }
    TempFolder work;
    // Real files, with the documents folder inside the test's own folder.
    testing::FailingFiles files;
    std::string printed;
    std::string complaints;
};

// The program makes what the converter makes for the installed file, and keeps the table it
// replaces.
TEST_F(CountriesImportTest, TheCountryFileMakesTheInstalledTable) {
    work.write("work/arrlpre2.txt", "\"G\",\"Testland\",\"EU\",1,52,0,0,0\r\n");
    ASSERT_EQ(import(kCountryFiles + "/cty.dat"), 0) << complaints;
    EXPECT_EQ(complaints, "");
    EXPECT_TRUE(work.read("work/arrlpre2.txt") == testing::installedDataFile("arrlpre2.txt"))
        << "the table differs from data/arrlpre2.txt";
    EXPECT_EQ(work.read("work/arrlpre2.txt.bak"), "\"G\",\"Testland\",\"EU\",1,52,0,0,0\r\n");
    EXPECT_NE(printed.find("entities removed: 1 (Testland)\n"), std::string::npos) << printed;
    EXPECT_NE(printed.find("prefixes changed: 1 (G)\n"), std::string::npos) << printed;
}

// cty.csv of the same version lacks a few of the USA's exact calls; the rest is the same.
TEST_F(CountriesImportTest, TheCsvLayoutMakesTheSameRows) {
    ASSERT_EQ(import(kCountryFiles + "/cty.csv"), 0) << complaints;
    std::set<std::string> installed;
    std::istringstream installedRows(testing::installedDataFile("arrlpre2.txt"));
    for (std::string line; std::getline(installedRows, line);) installed.insert(line);
    std::istringstream made(work.read("work/arrlpre2.txt"));
    std::size_t rows = 0;
    for (std::string line; std::getline(made, line); ++rows) ASSERT_TRUE(installed.contains(line)) << line;
    EXPECT_GT(rows + 10, installed.size());
    EXPECT_NE(printed.find("there was no table before\n"), std::string::npos) << printed;
}

TEST_F(CountriesImportTest, PrintsTheEntitiesPrefixesAndExactCallsAddedRemovedAndChanged) {
    work.write("old.dat", ctyDat("Malta: 15: 28: EU: 35.88: -14.42: -1.0: 9H:\n    9H,9G,=3A2XX,=3A2YY;\n"));
    ASSERT_EQ(import(work.file("old.dat")), 0) << complaints;
    EXPECT_EQ(printed.substr(printed.find('\n') + 1),
              "entities added: 9 (Alaska, Canada, Hawaii, Malta, Monaco, Puerto Rico, Turkey, USA, Virgin Is.)\n"
              "entities removed: 0\n"
              "prefixes added: 20 (3A, 9G, 9H, K, KH6, KL, KP2, KP4, TA, VE and 10 more)\n"
              "prefixes removed: 0\n"
              "prefixes changed: 0\n"
              "exact calls added: 2 (3A2XX, 3A2YY)\n"
              "exact calls removed: 0\n"
              "exact calls changed: 0\n")
        << "9 entities, 11 prefixes and the nine areas of Canada's VE";
    work.write("new.dat", ctyDat("Malta: 15: 28: EU: 35.90: -14.42: -1.0: 9H:\n    9H,=3A2XX,=3A2ZZ;\n"
                                 "Gozo: 15: 28: EU: 36.04: -14.24: -1.0: 9H4:\n    9H4;\n"));
    ASSERT_EQ(import(work.file("new.dat")), 0) << complaints;
    EXPECT_EQ(printed.substr(printed.find('\n') + 1),
              "entities added: 1 (Gozo)\n"
              "entities removed: 0\n"
              "prefixes added: 1 (9H4)\n"
              "prefixes removed: 1 (9G)\n"
              "prefixes changed: 1 (9H)\n"
              "exact calls added: 1 (3A2ZZ)\n"
              "exact calls removed: 1 (3A2YY)\n"
              "exact calls changed: 1 (3A2XX)\n");
    EXPECT_EQ(printed.substr(0, printed.find('\n')),
              "Made " + work.file("work/arrlpre2.txt") + " from " + work.file("new.dat") +
                  ": 20 prefixes (9 of them call areas) and 2 exact calls; the old table is " +
                  work.file("work/arrlpre2.txt.bak"));
}

TEST_F(CountriesImportTest, TheSameTableAgainChangesNothing) {
    work.write("cty.dat", ctyDat(""));
    ASSERT_EQ(import(work.file("cty.dat")), 0) << complaints;
    ASSERT_EQ(import(work.file("cty.dat")), 0) << complaints;
    EXPECT_EQ(printed, work.file("work/arrlpre2.txt") + " already holds what " + work.file("cty.dat") +
                           " gives; nothing changed\n");
    EXPECT_FALSE(work.exists("work/arrlpre2.txt.bak"));
}

TEST_F(CountriesImportTest, WritesOverTheTableWhateverItsLetterCase) {
    work.write("work/ARRLPRE2.TXT", "\"G\",\"Testland\",\"EU\",1,52,0,0,0\r\n");
    work.write("cty.dat", ctyDat(""));
    ASSERT_EQ(import(work.file("cty.dat")), 0) << complaints;
    EXPECT_NE(work.read("work/ARRLPRE2.TXT").find("\"3A\",\"Monaco\""), std::string::npos);
    EXPECT_FALSE(work.exists("work/arrlpre2.txt"));
}

TEST_F(CountriesImportTest, SaysWhenAPerUserTableIsReadFirst) {
    work.write("Documents/KELVO Software/Shared/arrlpre2.txt", "\"G\",\"Testland\",\"EU\",1,52,0,0,0\r\n");
    work.write("cty.dat", ctyDat(""));
    ASSERT_EQ(import(work.file("cty.dat")), 0);
    EXPECT_NE(complaints.find("Shared/arrlpre2.txt is read before " + work.file("work/arrlpre2.txt")),
              std::string::npos)
        << complaints;
}

TEST_F(CountriesImportTest, AFailedWriteLeavesTheOldTable) {
    work.write("work/arrlpre2.txt", "\"G\",\"Testland\",\"EU\",1,52,0,0,0\r\n");
    work.write("cty.dat", ctyDat(""));
    files.failReplace = true;
    EXPECT_EQ(import(work.file("cty.dat")), 1);
    EXPECT_NE(complaints.find("No space left on device; the prefix table was left as it was"), std::string::npos)
        << complaints;
    EXPECT_EQ(work.read("work/arrlpre2.txt"), "\"G\",\"Testland\",\"EU\",1,52,0,0,0\r\n");
    EXPECT_EQ(printed, "");
}

struct RefusedFile {
    const char* name;
    std::string content;  // nothing at all: the file is missing
    const char* message;  // after "topband: <path>"
    friend void PrintTo(const RefusedFile& c, std::ostream* os) {
        *os << c.name << " → " << testing::quoted(c.message);
    }
};

class CountriesImportRefuses : public CountriesImportTest, public ::testing::WithParamInterface<RefusedFile> {};

TEST_P(CountriesImportRefuses, NamingTheLineAndLeavingTheOldTable) {
    const RefusedFile& c = GetParam();
    work.write("work/arrlpre2.txt", "\"G\",\"Testland\",\"EU\",1,52,0,0,0\r\n");
    if (std::string(c.name) != "Missing") work.write("in.txt", c.content);
    EXPECT_EQ(import(work.file("in.txt")), 1);
    EXPECT_EQ(complaints.rfind("topband: " + work.file("in.txt") + c.message, 0), 0u) << complaints;
    EXPECT_NE(complaints.find(c.message), std::string::npos) << complaints;
    EXPECT_NE(complaints.find("; the prefix table was left as it was\n"), std::string::npos) << complaints;
    EXPECT_EQ(work.read("work/arrlpre2.txt"), "\"G\",\"Testland\",\"EU\",1,52,0,0,0\r\n");
    EXPECT_FALSE(work.exists("work/arrlpre2.txt.bak"));
    EXPECT_EQ(printed, "");
}

INSTANTIATE_TEST_SUITE_P(
    Files, CountriesImportRefuses,
    ::testing::Values(
        RefusedFile{"Missing", "", ": No such file"}, RefusedFile{"Empty", "", ": holds no entities"},
        RefusedFile{"Log", "\"G3XYZ\",\"599\",\"\",\"599\",\"England\",\"2026/12/05\",\"22:01:07\"\r\n",
                    " line 1: is neither an entity of cty.dat nor a line of cty.csv"},
        RefusedFile{"DamagedHeader", ctyDat("Malta: 15: 28: EU: 35.88: east: -1.0: 9H:\n    9H;\n"),
                    " line 17: a zone, position or offset is not a number"},
        RefusedFile{"DamagedPrefix", ctyDat("Malta: 15: 28: EU: 35.88: -14.42: -1.0: 9H:\n    9H,\n    9#;\n"),
                    " line 19: \"9#\" is not a prefix"},
        RefusedFile{"CutShort", ctyDat("Malta: 15: 28: EU: 35.88: -14.42: -1.0: 9H:\n    9H,\n"),
                    " line 18: the last entity has no closing \";\""},
        RefusedFile{"PrefixOfTwoEntities", ctyDat("Malta: 15: 28: EU: 35.88: -14.42: -1.0: 9H:\n    9H,3A;\n"),
                    " line 17: \"3A\" is listed under Monaco and Malta"},
        RefusedFile{"WithoutTheWVeEntities", "Monaco: 14: 27: EU: 43.73: -7.40: -1.0: 3A:\n    3A;\n",
                    ": no entity has the primary prefix \"K\" (for USA)"}),
    [](const auto& test) { return std::string(test.param.name); });

// A cty.dat cut off after an entity's ";" reads like a whole one; against a full table it is
// refused for the entities it lacks.
TEST_F(CountriesImportTest, RefusesACountryFileCutShort) {
    ASSERT_EQ(import(kCountryFiles + "/cty.dat"), 0) << complaints;
    std::string error;
    const std::string whole = *RealFiles().readAll(kCountryFiles + "/cty.dat", error);
    // Cut after Canada, which the table must hold, with a few dozen entities after it.
    const std::string cut = whole.substr(0, whole.find(";\n", whole.find("\nCanada:")) + 2);
    work.write("cut.dat", cut);
    EXPECT_EQ(import(work.file("cut.dat")), 1);
    EXPECT_NE(complaints.find("cut.dat: holds "), std::string::npos) << complaints;
    EXPECT_NE(complaints.find(" of the 340 entities of " + work.file("work/arrlpre2.txt") +
                              "; it looks cut short; the prefix table was left as it was"),
              std::string::npos)
        << complaints;
    EXPECT_TRUE(work.read("work/arrlpre2.txt") == testing::installedDataFile("arrlpre2.txt"));
    EXPECT_FALSE(work.exists("work/arrlpre2.txt.bak"));
}

TEST_F(CountriesImportTest, RefusesAFileLargerThanAnyCountryFile) {
    work.write("work/arrlpre2.txt", "\"G\",\"Testland\",\"EU\",1,52,0,0,0\r\n");
    work.write("in.txt", std::string(kMaxCountryFileBytes + 1, ' '));
    EXPECT_EQ(import(work.file("in.txt")), 1);
    EXPECT_EQ(work.read("work/arrlpre2.txt"), "\"G\",\"Testland\",\"EU\",1,52,0,0,0\r\n");
}

}  // namespace
}  // namespace topband
