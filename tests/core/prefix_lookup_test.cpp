#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/letter_case.h"
#include "core/prefix_file.h"
#include "core/prefix_lookup.h"
#include "tests/support/case_printing.h"

namespace topband {
namespace {

// The block scan step by step: estimate a start row from the first character, step back 5
// rows at a time while still inside the block, then scan towards the block keeping the
// longest prefix that begins the key. The start row is held inside the table.
int scanRowByRow(const PrefixTable& table, std::string_view key) {
    const int count = table.PrefixCount();
    if (count == 0 || key.empty()) return 0;
    const auto firstOf = [&](int row) {
        const std::string& prefix = table.row(row).prefix;
        return prefix.empty() ? std::string() : std::string(1, upperAscii(prefix.front()));
    };
    const std::string keyFirst(1, upperAscii(key.front()));
    int code = static_cast<unsigned char>(key.front());
    if (code < 65) code = 65;
    int row = std::clamp(count * (code - 64) / 26, 1, count);
    do {
        if (firstOf(row) != keyFirst) break;
        row -= 5;
        if (row < 1) row = 1;
    } while (row > 1);
    const int step = firstOf(row) > keyFirst ? -1 : 1;
    int best = 0;
    std::size_t bestLength = 0;
    for (int j = row; j >= 1 && j <= count; j += step) {
        const std::string& prefix = table.row(j).prefix;
        if (prefix.size() > bestLength && startsWithIgnoringCase(key, prefix)) {
            best = j;
            bestLength = prefix.size();
        }
        if ((step == 1 && firstOf(j) > keyFirst) || (step == -1 && firstOf(j) < keyFirst)) break;
    }
    return best;
}

PrefixTable tableOf(std::vector<PrefixRow> rows) {
    PrefixTable table;
    table.replaceAll(std::move(rows));
    return table;
}

// A small table in file order: digits before letters, one block per first character.
PrefixTable smallTable() {
    return tableOf({
        {"3DA", "Kingdom of Eswatini", "AF", -31.48f, -26.65f},
        {"4U", "Italy", "EU", -12.58f, 42.82f},
        {"4U1UN", "United Nations HQ", "NA", 73.97f, 40.75f},
        {"AA", "USA", "NA", 91.87f, 37.6f},
        {"DL", "Germany", "EU", -10, 51},
        {"EA", "Spain", "EU", 3.43f, 40.32f},
        {"EA8", "Canary Islands", "AF", 15.85f, 28.32f},
        {"G", "England", "EU", 1.47f, 52.77f},
        {"GM", "Scotland", "EU", 4.18f, 56.82f},
        {"K", "USA", "NA", 91.87f, 37.6f},
        {"KG4", "Guantanamo Bay", "NA", 75.22f, 20},
        {"KH6", "Hawaii", "OC", 156.9f, 21.12f},
        {"VE", "Canada", "NA", 80, 44.35f},
        {"W", "USA", "NA", 91.87f, 37.6f},
    });
}

const char* outcomeName(LookupOutcome outcome) {
    switch (outcome) {
        case LookupOutcome::Unchanged: return "unchanged";
        case LookupOutcome::Found: return "found";
        case LookupOutcome::NotFound: return "not found";
        case LookupOutcome::NoCountry: return "no country";
    }
    return "?";
}

struct LookupCase {
    const char* call;
    LookupOutcome outcome;
    const char* country;
    const char* continent;
    friend void PrintTo(const LookupCase& c, std::ostream* os) {
        *os << "call " << testing::quoted(c.call) << " → " << outcomeName(c.outcome) << ", country "
            << testing::quoted(c.country) << ", continent " << testing::quoted(c.continent);
    }
};

class CallLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(CallLookup, GivesCountryAndContinent) {
    const LookupCase& c = GetParam();
    const CountryLookup found = lookupCountry(smallTable(), c.call);
    EXPECT_EQ(found.outcome, c.outcome) << c.call;
    EXPECT_EQ(found.country, c.country) << c.call;
    EXPECT_EQ(found.continent, c.continent) << c.call;
}

INSTANTIATE_TEST_SUITE_P(
    PortableCallsKg4AndMobiles, CallLookup,
    ::testing::Values(
        LookupCase{"", LookupOutcome::Unchanged, "", ""}, LookupCase{"DL1ABC", LookupOutcome::Found, "Germany", "EU"},
        LookupCase{"dl1abc", LookupOutcome::Found, "Germany", "EU"},  // start row estimate past the table
        LookupCase{"EA8AH", LookupOutcome::Found, "Canary Islands", "AF"},
        LookupCase{"GM3POI", LookupOutcome::Found, "Scotland", "EU"},
        LookupCase{"4U1UN", LookupOutcome::Found, "United Nations HQ", "NA"},
        LookupCase{"4U1ITU", LookupOutcome::Found, "Italy", "EU"},
        LookupCase{"QQ1X", LookupOutcome::NotFound, "Not Found", ""},
        LookupCase{"/W1AW", LookupOutcome::NotFound, "Not Found", ""},
        // Eight characters with three after the slash: the suffix is the prefix.
        LookupCase{"W1AW/KH6", LookupOutcome::Found, "Hawaii", "OC"},
        LookupCase{"W1AW/EA8", LookupOutcome::Found, "Canary Islands", "AF"},
        // One character after the slash, or a slash in the middle: the whole call.
        LookupCase{"DL1ABC/P", LookupOutcome::Found, "Germany", "EU"},
        LookupCase{"W1AW/8", LookupOutcome::Found, "USA", "NA"},
        LookupCase{"KH6/W1AW", LookupOutcome::Found, "Hawaii", "OC"},
        LookupCase{"EA8/DL1ABC", LookupOutcome::Found, "Canary Islands", "AF"},
        // KG4 with two letters is Guantanamo Bay; with one or three it is a US call.
        LookupCase{"KG4AB", LookupOutcome::Found, "Guantanamo Bay", "NA"},
        LookupCase{"KG4A", LookupOutcome::Found, "USA", "NA"}, LookupCase{"kg4abc", LookupOutcome::Found, "USA", "NA"},
        LookupCase{"W1AW/KG4", LookupOutcome::Found, "Guantanamo Bay", "NA"},
        // At sea or in the air: no country, though "MM" and "AM" look like prefixes.
        LookupCase{"W1AW/MM", LookupOutcome::NoCountry, "", ""},
        LookupCase{"G3XYZ/am", LookupOutcome::NoCountry, "", ""},
        LookupCase{"W1AW/M", LookupOutcome::Found, "USA", "NA"}));

// Suffixes that say how a station works are dropped before the portable rule; with two
// slashes the part that is a prefix decides; the KG4 rule reads the part before the first "/".
INSTANTIATE_TEST_SUITE_P(PlacelessSuffixes, CallLookup,
                         ::testing::Values(LookupCase{"G3XYZ/QRP", LookupOutcome::Found, "England", "EU"},
                                           LookupCase{"g3xyz/qrpp", LookupOutcome::Found, "England", "EU"},
                                           LookupCase{"K1ABC/LH", LookupOutcome::Found, "USA", "NA"},
                                           LookupCase{"DL1ABC/A", LookupOutcome::Found, "Germany", "EU"},
                                           LookupCase{"DL1ABC/B", LookupOutcome::Found, "Germany", "EU"},
                                           LookupCase{"DL1ABC/J", LookupOutcome::Found, "Germany", "EU"},
                                           LookupCase{"GM3POI/3", LookupOutcome::Found, "Scotland", "EU"},
                                           LookupCase{"W1AW/KH6/P", LookupOutcome::Found, "Hawaii", "OC"},
                                           LookupCase{"W1AW/QRP/KH6", LookupOutcome::Found, "Hawaii", "OC"},
                                           LookupCase{"KH6/W1AW/M", LookupOutcome::Found, "Hawaii", "OC"},
                                           LookupCase{"W1AW/EA8/LH", LookupOutcome::Found, "Canary Islands", "AF"},
                                           LookupCase{"KG4AB/P", LookupOutcome::Found, "Guantanamo Bay", "NA"},
                                           LookupCase{"KG4ABC/P", LookupOutcome::Found, "USA", "NA"},
                                           LookupCase{"KG4A/QRP", LookupOutcome::Found, "USA", "NA"},
                                           LookupCase{"KG4ABC/KH6", LookupOutcome::Found, "Hawaii", "OC"},
                                           LookupCase{"KG4/W1AW", LookupOutcome::Found, "Guantanamo Bay", "NA"},
                                           // Maritime mobile with its ITU region still has no country.
                                           LookupCase{"W1AW/MM1", LookupOutcome::NoCountry, "", ""},
                                           LookupCase{"G3XYZ/mm3", LookupOutcome::NoCountry, "", ""}));

TEST(PlacelessSuffixes, AreDroppedAfterTheFirstPartOnly) {
    EXPECT_EQ(withoutPlacelessSuffixes("G3XYZ/QRP"), "G3XYZ");
    EXPECT_EQ(withoutPlacelessSuffixes("W1AW/KH6/P"), "W1AW/KH6");
    EXPECT_EQ(withoutPlacelessSuffixes("W1AW/p/7/qrpp/KH6"), "W1AW/KH6");
    EXPECT_EQ(withoutPlacelessSuffixes("P/W1AW"), "P/W1AW");
    EXPECT_EQ(withoutPlacelessSuffixes("W1AW/12"), "W1AW/12");  // not one call-area digit
    EXPECT_EQ(withoutPlacelessSuffixes("W1AW/PP"), "W1AW/PP");
    EXPECT_EQ(withoutPlacelessSuffixes("W1AW/"), "W1AW/");
    EXPECT_EQ(withoutPlacelessSuffixes("W1AW"), "W1AW");
    EXPECT_EQ(withoutPlacelessSuffixes(""), "");
}

// Exact calls beside the small table: each matches its whole call only.
PrefixTable tableWithExactCalls() {
    const PrefixTable small = smallTable();
    std::vector<PrefixRow> rows;
    for (int row = 1; row <= small.PrefixCount(); ++row) rows.push_back(small.row(row));
    rows.push_back({"R", "European Russia", "EU", -41.37f, 53.65f});
    rows.push_back({"R1FJL", "Franz Josef Land", "EU", -49.92f, 80.68f, true});
    rows.push_back({"KC4AAA", "Antarctica", "SA", 0, -90, true});
    rows.push_back({"KG44WW", "Guantanamo Bay", "NA", 75.22f, 20, true});
    rows.push_back({"4Z5NW/YL", "Israel", "AS", -34.87f, 31.32f, true});
    rows.push_back({"W1AW/MM", "Spain", "EU", 3.43f, 40.32f, true});
    return tableOf(rows);
}

class ExactCallLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(ExactCallLookup, MatchesTheWholeCallOnly) {
    const LookupCase& c = GetParam();
    const CountryLookup found = lookupCountry(tableWithExactCalls(), c.call);
    EXPECT_EQ(found.outcome, c.outcome) << c.call;
    EXPECT_EQ(found.country, c.country) << c.call;
    EXPECT_EQ(found.continent, c.continent) << c.call;
}

INSTANTIATE_TEST_SUITE_P(
    Calls, ExactCallLookup,
    ::testing::Values(LookupCase{"R1FJL", LookupOutcome::Found, "Franz Josef Land", "EU"},
                      LookupCase{"r1fjl", LookupOutcome::Found, "Franz Josef Land", "EU"},
                      // An exact call is no prefix: longer and shorter calls go by their prefix.
                      LookupCase{"R1FJLA", LookupOutcome::Found, "European Russia", "EU"},
                      LookupCase{"R1FJ", LookupOutcome::Found, "European Russia", "EU"},
                      LookupCase{"KC4AA", LookupOutcome::Found, "USA", "NA"},
                      // It is found as typed and without placeless suffixes, before the portable rule.
                      LookupCase{"KC4AAA/P", LookupOutcome::Found, "Antarctica", "SA"},
                      LookupCase{"KC4AAA/KH6", LookupOutcome::Found, "Hawaii", "OC"},
                      LookupCase{"4Z5NW/YL", LookupOutcome::Found, "Israel", "AS"},
                      // It beats the KG4 rule, but not the rule for stations at sea.
                      LookupCase{"KG44WW", LookupOutcome::Found, "Guantanamo Bay", "NA"},
                      LookupCase{"KG44WX", LookupOutcome::Found, "USA", "NA"},
                      LookupCase{"W1AW/MM", LookupOutcome::NoCountry, "", ""}));

TEST(ExactCallLookup, TakesTheExactCallsPosition) {
    const CountryLookup found = lookupCountry(tableWithExactCalls(), "R1FJL");
    EXPECT_FLOAT_EQ(found.longitude, -49.92f);
    EXPECT_FLOAT_EQ(found.latitude, 80.68f);
}

TEST(PrefixTable, KeepsExactCallsApartFromThePrefixRows) {
    const PrefixTable table = tableOf({
        {"K", "USA", "NA", 0, 0},
        {"KC4AAA", "Antarctica", "SA", 0, -90, true},
        {"KC4", "USA", "NA", 0, 0},
        {"kc4aaa", "Second", "SA", 0, 0, true},
        {"R1FJL", "Franz Josef Land", "EU", 0, 0, true},
    });
    ASSERT_EQ(table.PrefixCount(), 2);
    EXPECT_EQ(table.row(2).prefix, "KC4");
    ASSERT_EQ(table.ExactCallCount(), 3);
    EXPECT_EQ(table.exactCallRow(3).prefix, "R1FJL");
    // A call named twice: the first row wins, whatever the letter case.
    ASSERT_NE(table.exactCall("Kc4aAa"), nullptr);
    EXPECT_EQ(table.exactCall("Kc4aAa")->country, "Antarctica");
    EXPECT_EQ(table.exactCall("KC4AA"), nullptr);
    EXPECT_EQ(table.exactCall(""), nullptr);
    // The prefix scan never meets an exact call.
    EXPECT_EQ(table.longestMatch("R1FJL"), 0);
    EXPECT_EQ(table.row(table.longestMatch("KC4AAA")).prefix, "KC4");
}

TEST(CallLookup, UsKg4CallTakesTheFirstUsaRowForPosition) {
    const CountryLookup found = lookupCountry(smallTable(), "KG4ABC");
    EXPECT_EQ(found.country, "USA");
    EXPECT_FLOAT_EQ(found.longitude, 91.87f);
    EXPECT_FLOAT_EQ(found.latitude, 37.6f);
}

TEST(CallLookup, FoundRowGivesPosition) {
    const CountryLookup found = lookupCountry(smallTable(), "KH6LC");
    EXPECT_FLOAT_EQ(found.longitude, 156.9f);
    EXPECT_FLOAT_EQ(found.latitude, 21.12f);
}

TEST(CallLookup, EmptyTableFindsNothing) {
    EXPECT_EQ(lookupCountry(PrefixTable{}, "W1AW").outcome, LookupOutcome::NotFound);
}

TEST(CallLookup, UsKg4CallWithoutUsaRowsStillReadsUsa) {
    const CountryLookup found = lookupCountry(tableOf({{"KG4", "Guantanamo Bay", "NA", 75.22f, 20}}), "KG4ABC");
    EXPECT_EQ(found.country, "USA");
    EXPECT_EQ(found.continent, "");
}

TEST(PrefixTable, RowsOutOfTheirBlockAreMovedIntoIt) {
    const PrefixTable table = tableOf({
        {"K", "USA", "NA", 0, 0},
        {"DL", "Germany", "EU", 0, 0},
        {"KH6", "Hawaii", "OC", 0, 0},
        {"dA", "Germany", "EU", 0, 0},
        {"3DA", "Kingdom of Eswatini", "AF", 0, 0},
    });
    std::vector<std::string> order;
    for (int row = 1; row <= table.PrefixCount(); ++row) order.push_back(table.row(row).prefix);
    EXPECT_EQ(order, (std::vector<std::string>{"3DA", "DL", "dA", "K", "KH6"}));
    EXPECT_EQ(lookupCountry(table, "KH6LC").country, "Hawaii");
    EXPECT_EQ(lookupCountry(table, "DA1AA").country, "Germany");
}

TEST(PrefixTable, FirstUsaRowIgnoresCase) {
    EXPECT_EQ(tableOf({{"K", "Usa", "NA", 0, 0}}).firstUsaRow(), 1);
    EXPECT_EQ(tableOf({{"G", "England", "EU", 0, 0}}).firstUsaRow(), 0);
}

TEST(PortableLookupKey, TakesASuffixShorterThanHalfTheCall) {
    EXPECT_EQ(portableLookupKey("W1AW/KH6"), "KH6");
    EXPECT_EQ(portableLookupKey("W1AW/KH"), "KH");
    EXPECT_EQ(portableLookupKey("W1AW/KH6X"), "KH6X");         // 4 of 9 is less than half
    EXPECT_EQ(portableLookupKey("W1AW/KH6XY"), "W1AW/KH6XY");  // 5 of 10 is not
    EXPECT_EQ(portableLookupKey("KH6/W1AW"), "KH6/W1AW");
    EXPECT_EQ(portableLookupKey("W1AW/P"), "W1AW/P");
    EXPECT_EQ(portableLookupKey("W1AW"), "W1AW");
    EXPECT_EQ(portableLookupKey("A/B/CDE"), "A/B/CDE");  // the first slash counts: 5 after it
}

// Several rows of one prefix: which one wins depends on the scan direction, which depends on
// where the first-character estimate lands.
TEST(PrefixTable, EqualPrefixesFollowTheScanDirection) {
    std::vector<PrefixRow> rows;
    for (int i = 0; i < 20; ++i) rows.push_back({std::string("B").append(std::to_string(i)), "Filler", "EU", 0, 0});
    rows.push_back({"C", "First", "EU", 0, 0});
    rows.push_back({"c", "Second", "EU", 0, 0});
    const PrefixTable table = tableOf(rows);
    // 22 rows: "C" (code 67) lands on row 2, before the block: forwards, first row.
    EXPECT_EQ(lookupCountry(table, "C1").country, "First");
    // "c" (code 99) lands past the table, held to its last row: within the block, forwards.
    EXPECT_EQ(lookupCountry(table, "c1").country, "First");
    std::vector<PrefixRow> later = rows;
    for (int i = 0; i < 40; ++i) later.push_back({std::string("Z").append(std::to_string(i)), "Filler", "EU", 0, 0});
    // 62 rows: "c" lands on the last row, in a later block: backwards, last row.
    EXPECT_EQ(lookupCountry(tableOf(later), "c1").country, "Second");
    EXPECT_EQ(lookupCountry(tableOf(later), "C1").country, "First");
}

// The indexed lookup must settle on the same row as the block scan for every call.
void expectSameAsBlockScan(const PrefixTable& table, const std::vector<std::string>& keys) {
    int differing = 0;
    for (const std::string& key : keys) {
        const int expected = scanRowByRow(table, key);
        const int actual = table.longestMatch(key);
        if (actual != expected && ++differing <= 10)
            ADD_FAILURE() << key << ": row " << actual << ", scan finds " << expected;
    }
    EXPECT_EQ(differing, 0);
}

std::vector<std::string> keysAround(const PrefixTable& table, std::mt19937& random) {
    std::vector<std::string> keys;
    const std::string letters = "019ADKWZakz/ ";
    std::uniform_int_distribution<std::size_t> pick(0, letters.size() - 1);
    for (int row = 1; row <= table.PrefixCount(); ++row) {
        const std::string& prefix = table.row(row).prefix;
        keys.push_back(prefix);
        keys.push_back(prefix + "1AB");
        keys.push_back(prefix.substr(0, prefix.size() / 2));
        std::string lower = prefix;
        for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        keys.push_back(lower + "x");
    }
    for (int i = 0; i < 3000; ++i) {
        std::string key;
        for (std::size_t length = 1 + static_cast<std::size_t>(i % 6); key.size() < length;)
            key += letters[pick(random)];
        keys.push_back(key);
    }
    return keys;
}

TEST(PrefixTable, IndexedLookupMatchesBlockScanOnTheInstalledTable) {
    std::string error;
    const auto content = RealFiles().readAll(std::string(TOPBAND_INSTALLED_DATA_DIR) + "/arrlpre2.txt", error);
    ASSERT_TRUE(content) << error;
    const PrefixTable table = tableOf(parsePrefixFile(*content).rows);
    std::mt19937 random(160);
    expectSameAsBlockScan(table, keysAround(table, random));
}

TEST(PrefixTable, IndexedLookupMatchesBlockScanOnTablesWithRepeatsAndOddRows) {
    std::mt19937 random(1800);
    const std::string letters = "09ABKZabk/";
    std::uniform_int_distribution<std::size_t> pick(0, letters.size() - 1);
    for (const int size : {1, 2, 5, 26, 27, 60, 400}) {
        std::vector<PrefixRow> rows;
        for (int i = 0; i < size; ++i) {
            std::string prefix;
            for (std::size_t length = static_cast<std::size_t>(i % 4); prefix.size() < length;)
                prefix += letters[pick(random)];
            rows.push_back({prefix, std::string("Country ").append(std::to_string(i)), "EU", 0, 0});
        }
        const PrefixTable table = tableOf(rows);
        SCOPED_TRACE(size);
        expectSameAsBlockScan(table, keysAround(table, random));
    }
}

}  // namespace
}  // namespace topband
