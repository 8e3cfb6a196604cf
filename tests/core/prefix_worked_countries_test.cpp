#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/worked_countries.h"
#include "tests/support/case_printing.h"

namespace topband {
namespace {

Contact contact(std::string call, std::string section, std::string country) {
    return {std::move(call), "599", std::move(section), "599", std::move(country), "2024/12/07", "22:01:00"};
}

TEST(WorkedCountries, RebuildKeepsEachDxCountryOnceInTheOrderFirstLogged) {
    WorkedCountries worked;
    worked.add("Left over");
    EXPECT_TRUE(worked.rebuild({
        contact("G3TXF", "", "England"),
        contact("W1AW", "CT", "USA"),
        contact("VE3EJ", "ON", "canada"),
        contact("KL7RA", "AK", "Alaska"),
        contact("KH6LC", "PAC", "Hawaii"),
        contact("KP4EU", "PR", "Puerto Rico"),
        contact("KP2A", "VI", "Virgin Is."),
        contact("XX9X", "", "Not Found"),
        contact("W1AW/MM", "", ""),
        contact("UA9AA", "R2", "Asiatic Russia"),
        contact("DL1ABC", "", "Fed. Rep. of Germany"),
        contact("G4BUO", "", "ENGLAND"),
        contact("JA1ABC", "", "Japan"),
    }));
    EXPECT_EQ(worked.entries(), (std::vector<std::string>{"England", "Fed. Rep. of Germany", "Japan"}));
    EXPECT_EQ(worked.WorkedCountryCount(), 3);
    EXPECT_EQ(worked.entry(2), "Fed. Rep. of Germany");
}

TEST(WorkedCountries, RebuildKeepsTheFirstThousandAndSaysSo) {
    std::vector<Contact> log;
    for (int i = 0; i <= MaxWorkedCountries; ++i)
        log.push_back(
            contact(std::string("X").append(std::to_string(i)), "", std::string("Country ").append(std::to_string(i))));
    WorkedCountries worked;
    EXPECT_FALSE(worked.rebuild(log));
    EXPECT_EQ(worked.WorkedCountryCount(), MaxWorkedCountries);
    EXPECT_EQ(worked.entry(MaxWorkedCountries), "Country 999");
}

TEST(WorkedCountries, AddRefusesARepeatAndAFullList) {
    WorkedCountries worked;
    EXPECT_EQ(worked.add("Japan"), WorkedCountries::AddResult::Added);
    EXPECT_EQ(worked.add("JAPAN"), WorkedCountries::AddResult::AlreadyWorked);
    for (int i = 1; i < MaxWorkedCountries; ++i) worked.add(std::string("Country ").append(std::to_string(i)));
    EXPECT_EQ(worked.WorkedCountryCount(), MaxWorkedCountries);
    EXPECT_EQ(worked.add("Kenya"), WorkedCountries::AddResult::Full);
    EXPECT_EQ(worked.WorkedCountryCount(), MaxWorkedCountries);
}

struct NewCase {
    const char* country;
    const char* section;
    bool shown;
    friend void PrintTo(const NewCase& c, std::ostream* os) {
        *os << "country " << testing::quoted(c.country) << ", section " << testing::quoted(c.section) << " → "
            << (c.shown ? "shown" : "hidden");
    }
};

class NewLabel : public ::testing::TestWithParam<NewCase> {};

TEST_P(NewLabel, ShowsForADxCountryNotYetWorked) {
    WorkedCountries worked;
    worked.add("England");
    const NewCase& c = GetParam();
    EXPECT_EQ(worked.isNew(c.country, c.section), c.shown) << c.country << " / " << c.section;
}

INSTANTIATE_TEST_SUITE_P(Fields, NewLabel,
                         ::testing::Values(NewCase{"Japan", "", true}, NewCase{"england", "", false},
                                           NewCase{"", "", false}, NewCase{"not found", "", false},
                                           NewCase{"USA", "", false}, NewCase{"Virgin Is.", "", false},
                                           NewCase{"PUERTO RICO", "", false}, NewCase{"Japan", "R1", false},
                                           NewCase{"Japan", "r", false}, NewCase{"Japan", "EMA", true}));

}  // namespace
}  // namespace topband
