#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/sections.h"
#include "tests/support/case_printing.h"

namespace topband {
namespace {

Contact withSection(std::string section) {
    Contact c;
    c.call = "K1AR";
    c.section = std::move(section);
    return c;
}

std::vector<Contact> contactsIn(std::initializer_list<const char*> sections) {
    std::vector<Contact> records;
    for (const char* s : sections) records.push_back(withSection(s));
    return records;
}

TEST(ShippedSections, AreTodaysSectionsInDisplayOrder) {
    const SectionTable table;
    std::string abbreviations;
    for (const Section& s : table.sections()) abbreviations += s.abbreviation + " ";
    EXPECT_EQ(abbreviations,
              "CT EMA ME NH RI VT WMA NNY ENY NLI NNJ SNJ WNY DE EPA MDC WPA AL GA KY NC NFL SC SFL WCF TN VA PR VI "
              "AR LA MS NM NTX OK STX WTX EB LAX ORG SB SCV SDG SF SJV SV PAC AZ EWA ID MT NV OR UT WWA WY AK "
              "MI OH WV IL IN WI CO IA KS MN MO NE ND SD "
              "AB BC GH MB NB NL NS ONE ONN ONS PE QC SK TER YT ");
    EXPECT_EQ(table.SectionCount(), 86);

    std::vector<std::string> headings;
    std::vector<std::size_t> sizes;
    for (const SectionGroup& g : table.groups()) {
        headings.push_back(g.heading);
        sizes.push_back(g.sections.size());
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "Canada"}));
    EXPECT_EQ(sizes, (std::vector<std::size_t>{7, 6, 4, 12, 8, 10, 10, 3, 3, 8, 15}));
}

TEST(ShippedSections, NameTheNewCanadianSections) {
    const SectionTable table;
    for (const auto& [abbreviation, name] :
         std::vector<std::pair<std::string, std::string>>{{"GH", "Golden Horseshoe"},
                                                          {"NB", "New Brunswick"},
                                                          {"NS", "Nova Scotia"},
                                                          {"PE", "Prince Edward Island"},
                                                          {"TER", "Territories"},
                                                          {"YT", "Yukon"},
                                                          {"WCF", "West Central Florida"}}) {
        const int index = table.find(abbreviation);
        ASSERT_NE(index, 0) << abbreviation;
        EXPECT_EQ(table.SectionName(index), name);
    }
    for (const char* retired : {"MAR", "GTA", "NT"}) EXPECT_EQ(table.find(retired), 0) << retired;
}

TEST(SectionLookup, IgnoresCaseAndTakesTheFirstEntry) {
    const SectionTable table({{"CT", "Connecticut", "1"}, {"EMA", "East Massachusetts", "1"}, {"ct", "Again", "1"}});
    EXPECT_EQ(table.find("ct"), 1);
    EXPECT_EQ(table.find("eMa"), 2);
    EXPECT_EQ(table.find("CTX"), 0);
    EXPECT_EQ(table.find("C"), 0);
    EXPECT_EQ(table.find(""), 0);
}

TEST(SectionGroups, CollectAGroupWhoseSectionsAreNotTogether) {
    const SectionTable table({{"A", "a", "1"}, {"B", "b", "Canada"}, {"C", "c", "1"}});
    ASSERT_EQ(table.groups().size(), 2u);
    EXPECT_EQ(table.groups()[0].heading, "1");
    EXPECT_EQ(table.groups()[0].sections, (std::vector<int>{1, 3}));
    EXPECT_EQ(table.groups()[1].heading, "Canada");
    EXPECT_EQ(table.groups()[1].sections, (std::vector<int>{2}));
}

class WorkedSections : public ::testing::Test {
protected:
    SectionTable table;
};

TEST_F(WorkedSections, CountEachSectionOnceWhateverItsCase) {
    EXPECT_TRUE(table.markWorked("ct"));
    EXPECT_TRUE(table.isWorked(table.find("CT")));
    EXPECT_FALSE(table.markWorked("CT"));
    EXPECT_TRUE(table.markWorked("YT"));
    EXPECT_EQ(table.SectionsWorked(), 2);
    EXPECT_FALSE(table.isWorked(table.find("ME")));
}

TEST_F(WorkedSections, IgnoreWhatTheTableDoesNotHold) {
    for (const char* section : {"5", "", "MAR", "XX", "CT "}) EXPECT_FALSE(table.markWorked(section)) << section;
    EXPECT_EQ(table.SectionsWorked(), 0);
}

TEST_F(WorkedSections, RebuildStartsAfreshAndCountsOnlyTableSections) {
    table.markWorked("WY");
    // Records written before the realignment keep their retired sections and count nothing.
    table.rebuild(contactsIn({"CT", "MAR", "gta", "ct", "NT", "", "NB", "TER"}));
    EXPECT_EQ(table.SectionsWorked(), 3);
    EXPECT_FALSE(table.isWorked(table.find("WY")));
    EXPECT_TRUE(table.isWorked(table.find("NB")));
    table.clearWorked();
    EXPECT_EQ(table.SectionsWorked(), 0);
    EXPECT_FALSE(table.isWorked(table.find("CT")));
}

struct CheckCase {
    const char* section;
    const char* country;
    const char* message;  // empty for a valid section
    friend void PrintTo(const CheckCase& c, std::ostream* os) {
        *os << "section " << testing::quoted(c.section) << ", country " << testing::quoted(c.country) << " → "
            << (*c.message ? testing::quoted(c.message) : "valid");
    }
};

class SectionCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(SectionCheck, GivesTheMessageLine) {
    const CheckCase& c = GetParam();
    const SectionVerdict verdict = SectionTable().CheckSection(c.section, c.country);
    EXPECT_EQ(verdict.message, c.message);
    EXPECT_EQ(verdict.invalid, !verdict.message.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SectionCheck,
    ::testing::Values(
        CheckCase{"", "USA", ""}, CheckCase{"", "Germany", ""}, CheckCase{"ct", "USA", ""},
        CheckCase{"ONS", "Canada", ""}, CheckCase{"ons", "CANADA", ""}, CheckCase{"AK", "alaska", ""},
        CheckCase{"PAC", "Hawaii", ""}, CheckCase{"PR", "Puerto Rico", ""}, CheckCase{"VI", "virgin is.", ""},
        CheckCase{"PE", "Canada", ""}, CheckCase{"ONS", "Germany", "Invalid Section!"},
        CheckCase{"ONS", "", "Invalid Section!"}, CheckCase{"CT", "Virgin Islands", "Invalid Section!"},
        // A section that begins with a digit or a sign is looked up like any other.
        CheckCase{"5", "USA", "Invalid Section!"}, CheckCase{"599?", "USA", "Invalid Section!"},
        CheckCase{" CT", "USA", "Invalid Section!"}, CheckCase{"XX", "USA", "Invalid Section!"},
        CheckCase{"MAR", "Canada", "MAR is now NB, NS or PE"}, CheckCase{"gta", "Canada", "GTA is now GH"},
        CheckCase{"Nt", "USA", "NT is now TER or YT"}, CheckCase{"MAR", "Germany", "Invalid Section!"}));

TEST(SectionCheckOfAnEditedTable, AcceptsARetiredSectionTheTableStillHolds) {
    const SectionTable table({{"MAR", "Maritime", "Canada"}, {"CT", "Connecticut", "1"}});
    EXPECT_FALSE(table.CheckSection("mar", "Canada").invalid);
    EXPECT_EQ(table.CheckSection("GH", "Canada").message, "Invalid Section!");
}

TEST(SectionHover, NamesTheSectionWithItsContactCount) {
    const SectionTable table;
    const std::vector<Contact> records = contactsIn({"GH", "CT", "gh", "GHX", ""});
    EXPECT_EQ(table.hoverText(table.find("GH"), records), " Golden Horseshoe    Total = 2");
    EXPECT_EQ(table.hoverText(table.find("YT"), records), " Yukon    Total = 0");
}

TEST(SectionsWorkedLabel, ShowsThePlainCount) {
    EXPECT_EQ(sectionsWorkedText(0), "Sections Worked: 0");
    EXPECT_EQ(sectionsWorkedText(86), "Sections Worked: 86");
}

}  // namespace
}  // namespace topband
