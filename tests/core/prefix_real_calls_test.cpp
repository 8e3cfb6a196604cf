// Real calls from every continent against the installed prefix file.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/prefix_file.h"
#include "core/prefix_lookup.h"
#include "tests/support/case_printing.h"

namespace topband {
namespace {

class InstalledPrefixFile : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string error;
        const auto content = RealFiles().readAll(std::string(TOPBAND_INSTALLED_DATA_DIR) + "/" + kPrefixFileName, error);
        ASSERT_TRUE(content) << error;
        PrefixFileRows parsed = parsePrefixFile(*content);
        ASSERT_EQ(parsed.error, "");
        table_.replaceAll(std::move(parsed.rows));
    }
    static PrefixTable table_;
};
PrefixTable InstalledPrefixFile::table_;

TEST_F(InstalledPrefixFile, NamesTheWVeCountriesAsTheLoggerKnowsThem) {
    std::set<std::string> countries;
    for (int row = 1; row <= table_.PrefixCount(); ++row) countries.insert(table_.row(row).country);
    for (const char* name : {"USA", "Canada", "Alaska", "Hawaii", "Puerto Rico", "Virgin Is."})
        EXPECT_TRUE(countries.count(name)) << name;
    // One name per DXCC entity: the contest-only parts count with their parent.
    EXPECT_EQ(countries.size(), 340u);
    EXPECT_FALSE(countries.count("Sicily"));
    EXPECT_FALSE(countries.count("European Turkey"));
}

TEST_F(InstalledPrefixFile, RowsAreSortedByPrefix) {
    for (int row = 2; row <= table_.PrefixCount(); ++row)
        ASSERT_LT(table_.row(row - 1).prefix, table_.row(row).prefix) << "row " << row;
}

struct RealCall {
    const char* call;
    const char* country;
    const char* continent;
    friend void PrintTo(const RealCall& c, std::ostream* os) {
        *os << "call " << testing::quoted(c.call) << " → country " << testing::quoted(c.country) << ", continent "
            << testing::quoted(c.continent);
    }
};

class RealCalls : public InstalledPrefixFile, public ::testing::WithParamInterface<RealCall> {};

TEST_P(RealCalls, ResolveToCountryAndContinent) {
    const RealCall& c = GetParam();
    const CountryLookup found = lookupCountry(table_, c.call);
    EXPECT_EQ(found.outcome, LookupOutcome::Found) << c.call;
    EXPECT_EQ(found.country, c.country) << c.call;
    EXPECT_EQ(found.continent, c.continent) << c.call;
}

INSTANTIATE_TEST_SUITE_P(
    WVeArea, RealCalls,
    ::testing::Values(RealCall{"W1AW", "USA", "NA"}, RealCall{"K1TTT", "USA", "NA"}, RealCall{"N6RO", "USA", "NA"},
                      RealCall{"AA1K", "USA", "NA"}, RealCall{"VE3EJ", "Canada", "NA"}, RealCall{"VY2ZM", "Canada", "NA"},
                      RealCall{"VO1MP", "Canada", "NA"}, RealCall{"KL7RA", "Alaska", "NA"}, RealCall{"KH6LC", "Hawaii", "OC"},
                      RealCall{"AH6X", "Hawaii", "OC"}, RealCall{"KP4EU", "Puerto Rico", "NA"},
                      RealCall{"WP4X", "Puerto Rico", "NA"}, RealCall{"KP2A", "Virgin Is.", "NA"},
                      RealCall{"NP2X", "Virgin Is.", "NA"}, RealCall{"w1aw", "USA", "NA"}));

INSTANTIATE_TEST_SUITE_P(
    PortableAndKg4, RealCalls,
    ::testing::Values(RealCall{"W1AW/KH6", "Hawaii", "OC"}, RealCall{"W1AW/VE3", "Canada", "NA"},
                      RealCall{"VE3EJ/W1", "USA", "NA"}, RealCall{"KH6/W1AW", "Hawaii", "OC"},
                      RealCall{"DL1ABC/P", "Fed. Rep. of Germany", "EU"}, RealCall{"EA8/DL1ABC", "Canary Islands", "AF"},
                      RealCall{"G3TXF/VP9", "Bermuda", "NA"}, RealCall{"KG4AB", "Guantanamo Bay", "NA"},
                      RealCall{"KG4A", "USA", "NA"}, RealCall{"KG4ABC", "USA", "NA"},
                      RealCall{"W1AW/KG4", "Guantanamo Bay", "NA"}));

INSTANTIATE_TEST_SUITE_P(
    EveryContinent, RealCalls,
    ::testing::Values(
        RealCall{"XE1XOE", "Mexico", "NA"}, RealCall{"CO8LY", "Cuba", "NA"}, RealCall{"6Y5WJ", "Jamaica", "NA"},
        RealCall{"VP9I", "Bermuda", "NA"}, RealCall{"4U1UN", "United Nations HQ", "NA"},
        RealCall{"G3TXF", "England", "EU"}, RealCall{"GM3POI", "Scotland", "EU"}, RealCall{"F5IN", "France", "EU"},
        RealCall{"OH2BH", "Finland", "EU"}, RealCall{"9A1A", "Croatia", "EU"}, RealCall{"UA3AB", "European Russia", "EU"},
        RealCall{"1A0KM", "Sov Mil Order of Malta", "EU"}, RealCall{"4U1ITU", "ITU HQ", "EU"},
        RealCall{"4U1VIC", "Austria", "EU"}, RealCall{"IT9BLB", "Italy", "EU"}, RealCall{"TA1ED", "Turkey", "EU"},
        RealCall{"JA1ABC", "Japan", "AS"}, RealCall{"BY1AA", "China", "AS"}, RealCall{"VU2PTT", "India", "AS"},
        RealCall{"HL1AA", "Republic of Korea", "AS"}, RealCall{"4X6TT", "Israel", "AS"},
        RealCall{"UA9AA", "Asiatic Russia", "AS"}, RealCall{"TA2XX", "Turkey", "AS"},
        RealCall{"ZS6AA", "South Africa", "AF"}, RealCall{"5Z4AB", "Kenya", "AF"}, RealCall{"CN8AB", "Morocco", "AF"},
        RealCall{"3B8CF", "Mauritius", "AF"}, RealCall{"IG9A", "Italy", "AF"}, RealCall{"3Y0J", "Bouvet", "AF"},
        RealCall{"VK2XX", "Australia", "OC"}, RealCall{"ZL1AA", "New Zealand", "OC"}, RealCall{"KH2L", "Guam", "OC"},
        RealCall{"YB0AR", "Indonesia", "OC"}, RealCall{"3D2AG", "Fiji", "OC"}, RealCall{"3D2R", "Rotuma Island", "OC"},
        RealCall{"PY2AA", "Brazil", "SA"}, RealCall{"LU1AA", "Argentina", "SA"}, RealCall{"CE3AA", "Chile", "SA"},
        RealCall{"HC8N", "Galapagos Islands", "SA"}, RealCall{"VP8LP", "Falkland Islands", "SA"},
        RealCall{"3Y0X", "Peter 1 Island", "SA"}));

TEST_F(InstalledPrefixFile, MaritimeMobileHasNoCountry) {
    EXPECT_EQ(lookupCountry(table_, "W1AW/MM").outcome, LookupOutcome::NoCountry);
    EXPECT_EQ(lookupCountry(table_, "DL1ABC/AM").outcome, LookupOutcome::NoCountry);
}

}  // namespace
}  // namespace topband
