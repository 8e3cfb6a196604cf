#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/record_file.h"
#include "core/section_file.h"
#include "tests/support/case_printing.h"
#include "tests/support/temp_folder.h"

namespace topband {
namespace {

using testing::TempFolder;

std::string record(const std::string& abbreviation, const std::string& name, const std::string& group) {
    return "\"" + abbreviation + "\",\"" + name + "\",\"" + group + "\"\r\n";
}

TEST(InstalledSectionFile, HoldsTheBuiltInTableInQuotedRecords) {
    RecordWriter expected;
    for (const Section& s : builtInSections()) expected.text(s.abbreviation).text(s.name).text(s.group).endRecord();
    const std::string path = std::string(TOPBAND_SOURCE_DIR) + "/data/sections.txt";
    RealFiles files;
    std::string error;
    const auto content = files.readAll(path, error);
    ASSERT_TRUE(content) << error;
    EXPECT_EQ(*content, expected.content());
    EXPECT_EQ(parseSectionFile(*content).sections, builtInSections());
}

class SectionFileFolders : public ::testing::Test {
protected:
    SectionFileFolders() {
        for (const char* name : {"work", "installed"}) folder.write(std::string(name) + "/keep", "");
    }
    SectionFileLoad load() { return loadSectionFile(files, {folder.file("work"), folder.file("installed")}); }

    TempFolder folder;
    RealFiles files;
};

TEST_F(SectionFileFolders, WorkingFolderCopyWinsOverTheInstalledOne) {
    folder.write("work/sections.txt", record("MAR", "Maritime", "Canada") + record("CT", "Connecticut", "1"));
    folder.write("installed/sections.txt", record("NB", "New Brunswick", "Canada"));
    const SectionFileLoad loaded = load();
    EXPECT_EQ(loaded.error, "");
    EXPECT_EQ(loaded.path, folder.file("work/sections.txt"));
    EXPECT_EQ(loaded.table.sections(),
              (std::vector<Section>{{"MAR", "Maritime", "Canada"}, {"CT", "Connecticut", "1"}}));
}

TEST_F(SectionFileFolders, FallsBackToTheInstalledFile) {
    folder.write("installed/sections.txt", record("NB", "New Brunswick", "Canada"));
    EXPECT_EQ(load().table.SectionCount(), 1);
}

TEST_F(SectionFileFolders, MatchesTheNameWithoutRegardToCaseAndPassesOverAFolder) {
    folder.write("work/sections.txt/inside", "");
    folder.write("installed/SECTIONS.TXT", record("NB", "New Brunswick", "Canada"));
    const SectionFileLoad loaded = load();
    EXPECT_EQ(loaded.path, folder.file("installed/SECTIONS.TXT"));
    EXPECT_EQ(loaded.table.SectionCount(), 1);
}

TEST_F(SectionFileFolders, MissingEverywhereGivesTheBuiltInTableWithoutComplaint) {
    const SectionFileLoad loaded = load();
    EXPECT_EQ(loaded.path, "");
    EXPECT_EQ(loaded.error, "");
    EXPECT_EQ(loaded.table.sections(), builtInSections());
}

TEST_F(SectionFileFolders, DamagedFileIsNamedWithItsRecordAndTheBuiltInTableIsUsed) {
    folder.write("work/sections.txt", record("CT", "Connecticut", "1") + record("NB", "New Brunswick", "11"));
    folder.write("installed/sections.txt", record("NB", "New Brunswick", "Canada"));
    const SectionFileLoad loaded = load();
    EXPECT_EQ(loaded.error,
              folder.file("work/sections.txt") + ", line 2: the group \"11\" is not one of 1 to 9, 0 or Canada");
    EXPECT_EQ(loaded.table.sections(), builtInSections());
}

TEST_F(SectionFileFolders, RefusesAnOversizedFile) {
    folder.write("work/sections.txt", std::string((64u << 10) + 1, '\n'));
    const SectionFileLoad loaded = load();
    EXPECT_EQ(loaded.error.rfind(folder.file("work/sections.txt") + ": ", 0), 0u) << loaded.error;
    EXPECT_EQ(loaded.table.SectionCount(), 86);
}

struct BadRecord {
    const char* line;
    const char* why;
    friend void PrintTo(const BadRecord& c, std::ostream* os) {
        *os << "line " << testing::quoted(c.line) << " → " << testing::quoted(c.why);
    }
};

class BadSectionRecord : public ::testing::TestWithParam<BadRecord> {};

TEST_P(BadSectionRecord, RejectsTheWholeFile) {
    const BadRecord& c = GetParam();
    const SectionFileRecords parsed =
        parseSectionFile(record("CT", "Connecticut", "1") + c.line + "\r\n" + record("NB", "New Brunswick", "Canada"));
    EXPECT_EQ(parsed.error, std::string("line 2: ") + c.why);
    EXPECT_TRUE(parsed.sections.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Records, BadSectionRecord,
    ::testing::Values(
        BadRecord{R"("ME","Maine")", "the record holds 2 of the three values"},
        BadRecord{R"("ME")", "the record holds 1 of the three values"},
        BadRecord{R"("ME","Maine","1","x")", "the record holds more than three values"},
        BadRecord{R"("ME","Maine","1",)", "the record holds more than three values"},
        BadRecord{R"("","Nowhere","1")", "the abbreviation is empty"},
        BadRecord{R"("ct","Connecticut again","1")", "the abbreviation \"ct\" is already in the table"},
        BadRecord{R"("ABCDEFGHI","Long","1")", "the abbreviation \"ABCDEFGHI\" is longer than 8 characters"},
        BadRecord{R"("K-1","Dash","1")", "the abbreviation \"K-1\" is not letters and digits"},
        BadRecord{R"("ME","Maine","")", "the group \"\" is not one of 1 to 9, 0 or Canada"},
        BadRecord{R"("ME","Maine","VE")", "the group \"VE\" is not one of 1 to 9, 0 or Canada"},
        BadRecord{R"("ME",Ma"ine,"1")", "the name \"Ma\"ine\" holds a double quote"},
        BadRecord{R"("ME","Maine,"1")", "unexpected text after a quoted field"},
        BadRecord{R"("ME","Maine","1)", "a quoted field has no closing quote"}));

TEST(SectionFileRecords, ReadsLineEndsBlankLinesUnquotedTextAndGroupCase) {
    const SectionFileRecords parsed = parseSectionFile(
        "\"CT\", \"Connecticut\" ,\"1\"\n\n  \r\n"
        "NB,New Brunswick,canada\r"
        "\"DE\",\"Delaware, the First State\",\"3\"");
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.sections, (std::vector<Section>{{"CT", "Connecticut", "1"},
                                                     {"NB", "New Brunswick", "Canada"},
                                                     {"DE", "Delaware, the First State", "3"}}));
}

TEST(SectionFileRecords, HoldAtMostAHundredSections) {
    std::string content;
    for (int i = 1; i <= MaxSections; ++i) content += record("S" + std::to_string(i), "Section", "1");
    EXPECT_EQ(parseSectionFile(content).sections.size(), 100u);
    content += record("S101", "Section", "1");
    EXPECT_EQ(parseSectionFile(content).error, "line 101: the table holds at most 100 sections");
}

TEST(SectionFileRecords, AFileWithoutRecordsIsDamaged) {
    for (const char* content : {"", "\r\n  \r\n"})
        EXPECT_EQ(parseSectionFile(content).error, "the file holds no sections");
}

}  // namespace
}  // namespace topband
