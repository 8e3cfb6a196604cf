// Real calls from every continent against the installed prefix file.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/prefix_file.h"
#include "core/prefix_lookup.h"
#include "tests/support/case_printing.h"

namespace topband {
namespace {

class InstalledPrefixFile : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string error;
        const auto content =
            RealFiles().readAll(std::string(TOPBAND_INSTALLED_DATA_DIR) + "/" + kPrefixFileName, error);
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
    // Some entities have no prefix of their own and are reached through exact calls only.
    for (int row = 1; row <= table_.ExactCallCount(); ++row) countries.insert(table_.exactCallRow(row).country);
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

INSTANTIATE_TEST_SUITE_P(WVeArea, RealCalls,
                         ::testing::Values(RealCall{"W1AW", "USA", "NA"}, RealCall{"K1TTT", "USA", "NA"},
                                           RealCall{"N6RO", "USA", "NA"}, RealCall{"AA1K", "USA", "NA"},
                                           RealCall{"VE3EJ", "Canada", "NA"}, RealCall{"VY2ZM", "Canada", "NA"},
                                           RealCall{"VO1MP", "Canada", "NA"}, RealCall{"KL7RA", "Alaska", "NA"},
                                           RealCall{"KH6LC", "Hawaii", "OC"}, RealCall{"AH6KO", "Hawaii", "OC"},
                                           RealCall{"KP4EU", "Puerto Rico", "NA"},
                                           RealCall{"WP4X", "Puerto Rico", "NA"}, RealCall{"KP2A", "Virgin Is.", "NA"},
                                           RealCall{"NP2X", "Virgin Is.", "NA"}, RealCall{"w1aw", "USA", "NA"}));

INSTANTIATE_TEST_SUITE_P(
    PortableAndKg4, RealCalls,
    ::testing::Values(RealCall{"W1AW/KH6", "Hawaii", "OC"}, RealCall{"W1AW/VE3", "Canada", "NA"},
                      RealCall{"VE3EJ/W1", "USA", "NA"}, RealCall{"KH6/W1AW", "Hawaii", "OC"},
                      RealCall{"DL1ABC/P", "Fed. Rep. of Germany", "EU"},
                      RealCall{"EA8/DL1ABC", "Canary Islands", "AF"}, RealCall{"G3TXF/VP9", "Bermuda", "NA"},
                      RealCall{"KG4AB", "Guantanamo Bay", "NA"}, RealCall{"KG4A", "USA", "NA"},
                      RealCall{"KG4ABC", "USA", "NA"}, RealCall{"W1AW/KG4", "Guantanamo Bay", "NA"}));

INSTANTIATE_TEST_SUITE_P(
    EveryContinent, RealCalls,
    ::testing::Values(
        RealCall{"XE1XOE", "Mexico", "NA"}, RealCall{"CO8LY", "Cuba", "NA"}, RealCall{"6Y5WJ", "Jamaica", "NA"},
        RealCall{"VP9I", "Bermuda", "NA"}, RealCall{"4U1UN", "United Nations HQ", "NA"},
        RealCall{"G3TXF", "England", "EU"}, RealCall{"GM3POI", "Scotland", "EU"}, RealCall{"F5IN", "France", "EU"},
        RealCall{"OH2BH", "Finland", "EU"}, RealCall{"9A1A", "Croatia", "EU"},
        RealCall{"UA3AB", "European Russia", "EU"}, RealCall{"1A0KM", "Sov Mil Order of Malta", "EU"},
        RealCall{"4U1ITU", "ITU HQ", "EU"}, RealCall{"4U1VIC", "Austria", "EU"}, RealCall{"IT9BLB", "Italy", "EU"},
        RealCall{"TA1ED", "Turkey", "EU"}, RealCall{"JA1ABC", "Japan", "AS"}, RealCall{"BY1AA", "China", "AS"},
        RealCall{"VU2PTT", "India", "AS"}, RealCall{"HL1AA", "Republic of Korea", "AS"},
        RealCall{"4X6TT", "Israel", "AS"}, RealCall{"UA9AA", "Asiatic Russia", "AS"}, RealCall{"TA2XX", "Turkey", "AS"},
        RealCall{"ZS6AA", "South Africa", "AF"}, RealCall{"5Z4AB", "Kenya", "AF"}, RealCall{"CN8AB", "Morocco", "AF"},
        RealCall{"3B8CF", "Mauritius", "AF"}, RealCall{"IG9A", "Italy", "AF"}, RealCall{"3Y0J", "Bouvet", "AF"},
        RealCall{"VK2XX", "Australia", "OC"}, RealCall{"ZL1AA", "New Zealand", "OC"}, RealCall{"KH2L", "Guam", "OC"},
        RealCall{"YB0AR", "Indonesia", "OC"}, RealCall{"3D2AG", "Fiji", "OC"}, RealCall{"3D2R", "Rotuma Island", "OC"},
        RealCall{"PY2AA", "Brazil", "SA"}, RealCall{"LU1AA", "Argentina", "SA"}, RealCall{"CE3AA", "Chile", "SA"},
        RealCall{"HC8N", "Galapagos Islands", "SA"}, RealCall{"VP8LP", "Falkland Islands", "SA"},
        RealCall{"3Y0X", "Peter 1 Island", "SA"}));

INSTANTIATE_TEST_SUITE_P(
    PlacelessSuffixes, RealCalls,
    ::testing::Values(RealCall{"G3XYZ/QRP", "England", "EU"}, RealCall{"K1ABC/LH", "USA", "NA"},
                      RealCall{"LA1ABC/LH", "Norway", "EU"}, RealCall{"W1AW/KH6/P", "Hawaii", "OC"},
                      RealCall{"DL1ABC/QRPP", "Fed. Rep. of Germany", "EU"}, RealCall{"JA1XYZ/1", "Japan", "AS"},
                      RealCall{"OH2BH/A", "Finland", "EU"}, RealCall{"KG4AB/P", "Guantanamo Bay", "NA"},
                      RealCall{"KG4ABC/P", "USA", "NA"}));

// Exact calls of the country file that their prefix would place in another entity.
INSTANTIATE_TEST_SUITE_P(
    ExactCalls, RealCalls,
    ::testing::Values(RealCall{"R1FJL", "Franz Josef Land", "EU"}, RealCall{"KC4AAA", "Antarctica", "SA"},
                      RealCall{"KC4AAA/P", "Antarctica", "SA"}, RealCall{"AH6X", "USA", "NA"},
                      RealCall{"KG44WW", "Guantanamo Bay", "NA"}, RealCall{"4U1UN", "United Nations HQ", "NA"},
                      RealCall{"3D2RX", "Rotuma Island", "OC"}, RealCall{"3D2RZ", "Fiji", "OC"},
                      RealCall{"4Z5NW/YL", "Israel", "AS"}, RealCall{"R1FJLA", "European Russia", "EU"}));

TEST_F(InstalledPrefixFile, HoldsTheExactCallsTheirPrefixesWouldPlaceElsewhere) {
    PrefixTable prefixesOnly;
    std::vector<PrefixRow> rows;
    for (int row = 1; row <= table_.PrefixCount(); ++row) rows.push_back(table_.row(row));
    prefixesOnly.replaceAll(rows);
    const std::set<std::string> wVe = {"USA", "Canada", "Alaska", "Hawaii", "Puerto Rico", "Virgin Is."};
    int outsideWVe = 0;
    for (int number = 1; number <= table_.ExactCallCount(); ++number) {
        const PrefixRow& exact = table_.exactCallRow(number);
        if (!wVe.contains(exact.country)) ++outsideWVe;
        // The lookup reaches the row, and would show something else without it.
        const CountryLookup withRow = lookupCountry(table_, exact.prefix);
        const CountryLookup withoutRow = lookupCountry(prefixesOnly, exact.prefix);
        const auto shown = [](const CountryLookup& l) {
            return std::tie(l.country, l.continent, l.longitude, l.latitude);
        };
        ASSERT_EQ(shown(withRow), std::tie(exact.country, exact.continent, exact.longitude, exact.latitude))
            << exact.prefix;
        ASSERT_NE(shown(withoutRow), shown(withRow)) << exact.prefix;
    }
    EXPECT_GT(table_.ExactCallCount(), 9000);
    EXPECT_GT(outsideWVe, 4000);
}

// Call areas of large entities carry their own positions; the country stays the entity's.
struct AreaCall {
    const char* call;
    const char* country;
    float latitude;
    float longitude;  // west positive
    friend void PrintTo(const AreaCall& c, std::ostream* os) {
        *os << "call " << testing::quoted(c.call) << " → " << testing::quoted(c.country) << " at " << c.latitude << ", "
            << c.longitude;
    }
};

class CallAreaPositions : public InstalledPrefixFile, public ::testing::WithParamInterface<AreaCall> {};

TEST_P(CallAreaPositions, ComeFromTheAreasCapital) {
    const AreaCall& c = GetParam();
    const CountryLookup found = lookupCountry(table_, c.call);
    EXPECT_EQ(found.country, c.country);
    EXPECT_NEAR(found.latitude, c.latitude, 0.01);
    EXPECT_NEAR(found.longitude, c.longitude, 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    LargeEntities, CallAreaPositions,
    ::testing::Values(
        AreaCall{"VE1AA", "Canada", 44.65f, 63.57f}, AreaCall{"VA3AA", "Canada", 43.65f, 79.38f},
        AreaCall{"VE7ABC", "Canada", 48.43f, 123.37f}, AreaCall{"CG7ABC", "Canada", 48.43f, 123.37f},
        AreaCall{"VE9AA", "Canada", 45.96f, 66.64f}, AreaCall{"VO1MP", "Canada", 47.56f, 52.71f},
        AreaCall{"VO2AA", "Canada", 53.3f, 60.33f}, AreaCall{"VY0AA", "Canada", 63.75f, 68.52f},
        AreaCall{"VY1AA", "Canada", 60.72f, 135.06f}, AreaCall{"VY2ZM", "Canada", 46.24f, 63.13f},
        AreaCall{"VE0ABC", "Canada", 44.35f, 78.75f},  // at sea: the entity's position
        AreaCall{"UA9AA", "Asiatic Russia", 55.16f, -61.4f}, AreaCall{"RA9HA", "Asiatic Russia", 56.49f, -84.95f},
        AreaCall{"R8TA", "Asiatic Russia", 51.77f, -55.1f}, AreaCall{"UA0ZAA", "Asiatic Russia", 53.02f, -158.65f},
        AreaCall{"RK0AA", "Asiatic Russia", 56.01f, -92.87f}, AreaCall{"UA0GA", "Asiatic Russia", 56.01f, -92.87f},
        AreaCall{"UA9FA", "European Russia", 53.65f, -41.37f},  // Perm counts as European Russia
        AreaCall{"VK6AA", "Australia", -31.95f, -115.86f}, AreaCall{"VK4AA", "Australia", -27.47f, -153.03f},
        AreaCall{"PY2AA", "Brazil", -23.55f, 46.63f}, AreaCall{"PT2AA", "Brazil", -15.79f, 47.88f},
        AreaCall{"BY1AA", "China", 39.9f, -116.41f}, AreaCall{"BA4AA", "China", 31.23f, -121.47f},
        AreaCall{"3H0A", "China", 43.83f, -87.62f}));

TEST_F(InstalledPrefixFile, MaritimeMobileHasNoCountry) {
    EXPECT_EQ(lookupCountry(table_, "W1AW/MM").outcome, LookupOutcome::NoCountry);
    EXPECT_EQ(lookupCountry(table_, "DL1ABC/AM").outcome, LookupOutcome::NoCountry);
}

}  // namespace
}  // namespace topband
