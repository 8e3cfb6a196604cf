// The converter from country files to the prefix file, which tools/make_prefix_file and
// `topband countries import` share.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "core/prefix_convert.h"
#include "core/prefix_file.h"
#include "core/prefix_lookup.h"
#include "platform/files.h"
#include "tests/support/case_printing.h"

namespace topband {
namespace {

std::string sourceFile(const std::string& name) {
    std::string error;
    const auto content = RealFiles().readAll(std::string(TOPBAND_SOURCE_DIR) + "/tools/sources/" + name, error);
    if (!content) ADD_FAILURE() << error;
    return content.value_or("");
}

std::vector<CallArea> builtInAreas() { return parseCallAreas(builtInCallAreas(), "call_areas.csv"); }

// The W/VE entities every country file must hold, with the contest-only Sicily, an entity
// reached only through exact calls, and Russia's two parts.
const std::string kWVe =
    "United States of America: 05:  08:  NA:   37.60:    91.87:     5.0:  K:\n"
    "    AA,K,W;\n"
    "Canada:                   05:  09:  NA:   44.35:    78.75:     5.0:  VE:\n"
    "    VA,VE,VO1,VY1,VY9;\n"
    "Alaska:                   01:  01:  NA:   61.40:   148.87:     8.0:  KL:\n"
    "    KL;\n"
    "Hawaii:                   31:  61:  OC:   21.12:   157.48:    10.0:  KH6:\n"
    "    KH6;\n"
    "Puerto Rico:              08:  11:  NA:   18.18:    66.55:     4.0:  KP4:\n"
    "    KP4;\n"
    "US Virgin Islands:        08:  11:  NA:   17.73:    64.80:     4.0:  KP2:\n"
    "    KP2;\n"
    "Asiatic Turkey:           20:  39:  AS:   39.18:   -35.65:    -2.0:  TA:\n"
    "    TA;\n";

const std::string kOthers =
    "Italy:                    15:  28:  EU:   42.82:   -12.58:    -1.0:  I:\n"
    "    I,=IT9ZZZ,=II0XX/MM;\n"
    "Sicily:                   15:  28:  EU:   37.50:   -14.00:    -1.0:  *IT9:\n"
    "    IT9,=IT9AAA,=II0GDF/9,=I1ABC;\n"
    "Guantanamo Bay:           08:  11:  NA:   20.00:    75.00:     5.0:  KG4:\n"
    "    KG4,=KG44WW,=KG4AB,=W1AW/KG4;\n"
    "European Russia:          16:  29:  EU:   53.65:   -41.37:    -4.0:  UA:\n"
    "    R,U,R9F,UA9F;\n"
    "Asiatic Russia:           17:  30:  AS:   55.88:   -84.08:    -7.0:  UA9:\n"
    "    R9,UA9,UA0,=R1ABC,=R1ABC/P,=UA1XYZ/9;\n"
    "Franz Josef Land:         40:  75:  EU:   80.68:   -49.92:    -3.0:  R1FJ:\n"
    "    =R1FJL;\n"
    "Israel:                   20:  39:  AS:   31.32:   -34.82:    -2.0:  4X:\n"
    "    4X,4Z,=4Z5NW/YL;\n"
    "Latvia:                   15:  29:  EU:   57.03:   -24.08:    -2.0:  YL:\n"
    "    YL;\n";

MadePrefixFile make(const std::string& ctyDat, const std::vector<CallArea>& areas = {}) {
    return makePrefixFile(parseCtyDat(ctyDat, "cty.dat"), areas, "cty.dat");
}

PrefixTable tableOf(const MadePrefixFile& made) {
    PrefixFileRows parsed = parsePrefixFile(made.content);
    EXPECT_EQ(parsed.error, "");
    PrefixTable table;
    table.replaceAll(std::move(parsed.rows));
    return table;
}

std::vector<std::string> exactCallsOf(const PrefixTable& table) {
    std::vector<std::string> calls;
    for (int row = 1; row <= table.ExactCallCount(); ++row) calls.push_back(table.exactCallRow(row).prefix);
    return calls;
}

// Exact calls are kept where the prefixes would give another entity: not for a call its
// prefix places right, not for a station at sea, not twice for a call with a placeless suffix.
TEST(PrefixConverter, KeepsTheExactCallsThePrefixesWouldPlaceElsewhere) {
    const PrefixTable table = tableOf(make(kWVe + kOthers));
    EXPECT_EQ(exactCallsOf(table), (std::vector<std::string>{"4Z5NW/YL", "I1ABC", "II0GDF/9", "IT9ZZZ", "KG44WW",
                                                             "R1ABC", "R1FJL", "UA1XYZ/9"}));
    EXPECT_EQ(lookupCountry(table, "R1FJL").country, "Franz Josef Land");
    EXPECT_EQ(lookupCountry(table, "R1ABC/P").country, "Asiatic Russia");
    EXPECT_EQ(lookupCountry(table, "IT9ZZZ").latitude, 42.82f);     // Italy's, listed under Italy
    EXPECT_EQ(lookupCountry(table, "I1ABC").latitude, 37.5f);       // Sicily's, though its prefix is Italy's
    EXPECT_EQ(lookupCountry(table, "4Z5NW/YL").country, "Israel");  // not Latvia, as its suffix says
    EXPECT_EQ(lookupCountry(table, "KG44WW").country, "Guantanamo Bay");
}

TEST(PrefixConverter, ACallUnderAnEntityAndItsContestOnlyPartTakesThePart) {
    const PrefixTable table = tableOf(make(kWVe + kOthers +
                                           "Austria: 15: 28: EU: 47.33: -13.33: -1.0: OE:\n    OE,=4U1VIC;\n"
                                           "Vienna Intl Ctr: 15: 28: EU: 48.20: -16.30: -1.0: *4U1V:\n    =4U1VIC;\n"));
    ASSERT_NE(table.exactCall("4U1VIC"), nullptr);
    EXPECT_EQ(table.exactCall("4U1VIC")->country, "Austria");
    EXPECT_EQ(table.exactCall("4U1VIC")->latitude, 48.2f);
}

struct Contradiction {
    const char* name;
    std::string ctyDat;
    const char* message;
    friend void PrintTo(const Contradiction& c, std::ostream* os) {
        *os << c.name << " → " << testing::quoted(c.message);
    }
};

class PrefixConverterRefuses : public ::testing::TestWithParam<Contradiction> {};

TEST_P(PrefixConverterRefuses, NamingTheEntitysLine) {
    try {
        make(GetParam().ctyDat);
        ADD_FAILURE() << "no error";
    } catch (const CountrySourceError& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entities, PrefixConverterRefuses,
    ::testing::Values(
        Contradiction{"ExactCallOfTwoCountries",
                      kWVe + "Monaco: 14: 27: EU: 43.73: -7.40: -1.0: 3A:\n    3A,=3A2XX;\n"
                             "Malta: 15: 28: EU: 35.88: -14.42: -1.0: 9H:\n    9H,=3A2XX;\n",
                      "cty.dat line 17: the call \"3A2XX\" is listed under Monaco and Malta"},
        Contradiction{"PrefixOfTwoCountries", kWVe + "Monaco: 14: 27: EU: 43.73: -7.40: -1.0: 3A:\n    3A,KP4;\n",
                      "cty.dat line 15: \"KP4\" is listed under Puerto Rico and Monaco"},
        Contradiction{"ContestOnlyPartWithoutKnownParent",
                      kWVe + "Somewhere: 14: 27: EU: 43.73: -7.40: -1.0: *3A/x:\n    3A;\n",
                      "cty.dat line 15: the contest-only entity \"Somewhere\" belongs to no DXCC entity known here; "
                      "import cty.csv, which names it"},
        Contradiction{"WVeEntityMissing", kWVe.substr(0, kWVe.find("Alaska:")),
                      "no entity has the primary prefix \"KL\" (for Alaska)"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(PrefixConverter, RefusesMoreRowsThanTheTableHolds) {
    // Calls the prefix 3A would give Monaco, listed under Malta: each is kept.
    std::string many = kWVe +
                       "Monaco: 14: 27: EU: 43.73: -7.40: -1.0: 3A:\n    3A;\n"
                       "Malta: 15: 28: EU: 35.88: -14.42: -1.0: 9H:\n    9H";
    for (int i = 0; i < MaxPrefixes; ++i) many += ",=3A" + std::to_string(i);
    many += ";\n";
    try {
        make(many);
        ADD_FAILURE() << "no error";
    } catch (const CountrySourceError& e) {
        EXPECT_NE(std::string(e.what()).find("rows are more than the table holds"), std::string::npos) << e.what();
    }
}

// Call areas: "*" and a code follows each series of the entity; an entity whose prefixes all
// end in their digit takes those prefixes without it as its series; a prefix named outright
// wins; longer prefixes of the entity within an area take its position; a prefix the country
// file gives another entity is left alone.
TEST(PrefixConverter, PlacesCallAreasOnTheSeriesOfTheirEntity) {
    const std::vector<CallArea> areas = parseCallAreas(
        "# test areas\n"
        "VE,*1,44.65,-63.57,Halifax\n"
        "VE,VO1,47.56,-52.71,St. John's\n"
        "UA9,*9 *0,55.03,82.92,Novosibirsk\n"
        "UA9,*9F *9H,56.49,84.95,Tomsk\n"
        "ZZ,*1,0,0,Nowhere\n",
        "areas");
    const MadePrefixFile made = make(kWVe + kOthers, areas);
    EXPECT_EQ(made.unusedAreas, (std::vector<std::string>{"line 6 (Nowhere)"}));
    EXPECT_EQ(made.areaRows, 8);  // VA1 VE1 VO1 R9 UA9 UA0 R9H UA9H
    const PrefixTable table = tableOf(made);
    const struct {
        const char* call;
        const char* country;
        float latitude, longitude;
    } cases[] = {
        {"VE1ABC", "Canada", 44.65f, 63.57f},
        {"VA1ABC", "Canada", 44.65f, 63.57f},
        {"VO1ABC", "Canada", 47.56f, 52.71f},
        {"VY1ABC", "Canada", 44.35f, 78.75f},  // VY1 is no series: "*1" does not reach it
        {"VE2ABC", "Canada", 44.35f, 78.75f},
        {"R9AA", "Asiatic Russia", 55.03f, -82.92f},
        {"UA9HA", "Asiatic Russia", 56.49f, -84.95f},
        {"UA0AA", "Asiatic Russia", 55.03f, -82.92f},
        {"R0AA", "European Russia", 53.65f, -41.37f},   // R0 is no prefix of Asiatic Russia here
        {"UA9FA", "European Russia", 53.65f, -41.37f},  // the country file gives UA9F another entity
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call);
        const CountryLookup found = lookupCountry(table, c.call);
        EXPECT_EQ(found.country, c.country);
        EXPECT_FLOAT_EQ(found.latitude, c.latitude);
        EXPECT_FLOAT_EQ(found.longitude, c.longitude);
    }
}

struct BadArea {
    const char* line;
    const char* message;
    friend void PrintTo(const BadArea& c, std::ostream* os) {
        *os << testing::quoted(c.line) << " → " << testing::quoted(c.message);
    }
};

class CallAreaFile : public ::testing::TestWithParam<BadArea> {};

TEST_P(CallAreaFile, RefusesADamagedLineNamingIt) {
    try {
        parseCallAreas(std::string("VE,*1,44.65,-63.57,Halifax\n") + GetParam().line + "\n", "areas");
        ADD_FAILURE() << "no error";
    } catch (const CountrySourceError& e) {
        EXPECT_EQ(std::string(e.what()), std::string("areas line 2: ") + GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CallAreaFile,
    ::testing::Values(BadArea{"VE,*2,46.81,-71.21", "a call area needs five fields"},
                      BadArea{"VE,*2,46.81,-71.21,Quebec,City", "a call area needs five fields"},
                      BadArea{",*2,46.81,-71.21,Quebec", "the entity or the place is missing"},
                      BadArea{"VE,*Q,46.81,-71.21,Quebec", "\"*Q\" is neither a prefix nor \"*\" and a call area"},
                      BadArea{"VE,V/E,46.81,-71.21,Quebec", "\"V/E\" is neither a prefix nor \"*\" and a call area"},
                      BadArea{"VE, ,46.81,-71.21,Quebec", "no area is named"},
                      BadArea{"VE,*2,96.81,-71.21,Quebec", "the position is not a latitude and a longitude"},
                      BadArea{"VE,*2,north,-71.21,Quebec", "the position is not a latitude and a longitude"}));

std::vector<std::string> linesOf(const std::string& content) {
    std::vector<std::string> lines;
    std::istringstream in(content);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The sources under tools/sources: every call area places prefixes of its entity, and cty.dat
// alone and cty.dat with the DXCC numbers of cty.csv make the same file. cty.csv alone makes
// the same but for the exact calls its shorter line for the USA leaves out.
TEST(PrefixConverter, BundledSourcesAgreeInEitherLayout) {
    const std::string ctyDat = sourceFile("country-files/cty.dat");
    const std::string ctyCsv = sourceFile("country-files/cty.csv");
    std::vector<CountryEntity> numbered = parseCtyDat(ctyDat, "cty.dat");
    addDxccNumbers(numbered, ctyCsv, "cty.csv");
    const MadePrefixFile fromBoth = makePrefixFile(numbered, builtInAreas(), "cty.dat");
    EXPECT_EQ(fromBoth.unusedAreas, std::vector<std::string>{});
    EXPECT_GT(fromBoth.areaRows, 1000);
    const MadePrefixFile fromDat = makePrefixFile(parseCountryFile(ctyDat, "cty.dat"), builtInAreas(), "cty.dat");
    const MadePrefixFile fromCsv = makePrefixFile(parseCountryFile(ctyCsv, "cty.csv"), builtInAreas(), "cty.csv");
    EXPECT_TRUE(fromDat.content == fromBoth.content) << "cty.dat alone makes another file";
    std::vector<std::string> onlyFromDat, onlyFromCsv;
    const std::vector<std::string> datLines = linesOf(fromBoth.content), csvLines = linesOf(fromCsv.content);
    std::set_difference(datLines.begin(), datLines.end(), csvLines.begin(), csvLines.end(),
                        std::back_inserter(onlyFromDat));
    std::set_difference(csvLines.begin(), csvLines.end(), datLines.begin(), datLines.end(),
                        std::back_inserter(onlyFromCsv));
    EXPECT_EQ(onlyFromCsv, std::vector<std::string>{});
    EXPECT_LT(onlyFromDat.size(), 10u);
    for (const std::string& line : onlyFromDat) {
        const std::string call = line.substr(1, line.find('"', 1) - 1);
        EXPECT_NE(line.find(",\"=5\","), std::string::npos) << line;  // a USA exact call
        EXPECT_EQ(ctyCsv.find("=" + call + "("), std::string::npos) << call << " is in cty.csv";
    }
}

TEST(PrefixConverter, TheCallAreaFileMatchesTheBuiltInCopy) {
    EXPECT_EQ(sourceFile("call-areas/call_areas.csv"), std::string(builtInCallAreas()));
}

struct ForeignFile {
    const char* name;
    std::string content;
    const char* message;
    friend void PrintTo(const ForeignFile& c, std::ostream* os) {
        *os << c.name << " → " << testing::quoted(c.message);
    }
};

class CountryFileReading : public ::testing::TestWithParam<ForeignFile> {};

TEST_P(CountryFileReading, RefusesNamingTheLine) {
    try {
        parseCountryFile(GetParam().content, "in.txt");
        ADD_FAILURE() << "no error";
    } catch (const CountrySourceError& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, CountryFileReading,
    ::testing::Values(
        ForeignFile{"Empty", "", "in.txt holds no entities"},
        ForeignFile{"BlankLines", "\n  \r\n", "in.txt holds no entities"},
        ForeignFile{"Log", "\n\"G3XYZ\",\"599\",\"\",\"599\",\"England\",\"2026/12/05\",\"22:01:07\"\r\n",
                    "in.txt line 2: is neither an entity of cty.dat nor a line of cty.csv"},
        ForeignFile{"Binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
                    "in.txt line 1: is neither an entity of cty.dat nor a line of cty.csv"},
        ForeignFile{"DatWithBrokenAlias", "Monaco: 14: 27: EU: 43.73: -7.40: -1.0: 3A:\n    3A,\n    3-A;\n",
                    "in.txt line 3: \"3-A\" is not a prefix"},
        ForeignFile{"DatCutShort", "Monaco: 14: 27: EU: 43.73: -7.40: -1.0: 3A:\n    3A;\nMalta: 15:",
                    "in.txt line 3: a header needs eight fields"},
        ForeignFile{"DatUnclosed", "Monaco: 14: 27: EU: 43.73: -7.40: -1.0: 3A:\n    3A,\n",
                    "in.txt line 2: the last entity has no closing \";\""},
        ForeignFile{"DatPositionOffTheGlobe",
                    "Monaco: 14: 27: EU: 43.73: -7.40: -1.0: 3A:\n    3A;\n"
                    "Malta: 15: 28: EU: 95.88: -14.42: -1.0: 9H:\n    9H;\n",
                    "in.txt line 3: the position is off the globe"},
        ForeignFile{"CsvWithoutNumber",
                    "3A,Monaco,260,EU,14,27,43.73,-7.40,-1.0,3A;\n9H,Malta,x,EU,15,28,35.88,-14.42,-1.0,9H;\n",
                    "in.txt line 2: no DXCC number in the third field"},
        ForeignFile{"CsvFieldMissing",
                    "3A,Monaco,260,EU,14,27,43.73,-7.40,-1.0,3A;\n9H,Malta,EU,15,28,35.88,-14.42,-1.0,9H;\n",
                    "in.txt line 2: a line needs ten fields"},
        ForeignFile{"CsvUnclosed",
                    "3A,Monaco,260,EU,14,27,43.73,-7.40,-1.0,3A;\n9H,Malta,257,EU,15,28,35.88,-14.42,-1.0,9H\n",
                    "in.txt line 2: the prefixes do not end with \";\""}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(CountryFileReading, TellsTheLayoutsApartAndReadsBoth) {
    const auto dat = parseCountryFile(
        "\xEF\xBB\xBFMonaco: 14: 27: EU: 43.73: -7.40: -1.0: 3A:\r\n    3A,=3A2XX(14);\r\n", "cty.dat");
    const auto csv = parseCountryFile("3A,Monaco,260,EU,14,27,43.73,-7.40,-1.0,3A =3A2XX(14);\r\n", "cty.csv");
    ASSERT_EQ(dat.size(), 1u);
    ASSERT_EQ(csv.size(), 1u);
    for (const CountryEntity& e : {dat[0], csv[0]}) {
        EXPECT_EQ(e.name, "Monaco");
        EXPECT_EQ(e.primary, "3A");
        EXPECT_FLOAT_EQ(e.longitude, -7.4f);
        EXPECT_EQ(e.prefixes, std::vector<std::string>{"3A"});
        EXPECT_EQ(e.exactCalls, std::vector<std::string>{"3A2XX"});
    }
    EXPECT_EQ(dat[0].dxcc, 0);
    EXPECT_EQ(csv[0].dxcc, 260);
}

}  // namespace
}  // namespace topband
