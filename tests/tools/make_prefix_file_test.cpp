// Runs the converter that makes the installed prefix file.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/case_printing.h"
#include "tests/support/temp_folder.h"

namespace topband {
namespace {

using testing::TempFolder;

const std::string kCountryFiles = std::string(TOPBAND_SOURCE_DIR) + "/tools/sources/country-files";

struct ConverterRun {
    int exitCode = -1;
    std::string errors;
};

// The converter with its standard error kept in the folder.
ConverterRun convert(const TempFolder& folder, const std::string& ctyDat, const std::string& ctyCsv,
                     const std::string& output) {
    const std::string errorsFile = folder.file("errors.txt");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, errorsFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::string program = TOPBAND_MAKE_PREFIX_FILE;
    std::string args[] = {program, ctyDat, ctyCsv, output};
    char* argv[] = {args[0].data(), args[1].data(), args[2].data(), args[3].data(), nullptr};
    pid_t child = 0;
    ConverterRun run;
    if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ) == 0) {
        int status = 0;
        if (waitpid(child, &status, 0) == child && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    run.errors = folder.read("errors.txt");
    return run;
}

TEST(MakePrefixFile, ReproducesTheInstalledPrefixFile) {
    TempFolder folder;
    const ConverterRun run =
        convert(folder, kCountryFiles + "/cty.dat", kCountryFiles + "/cty.csv", folder.file("arrlpre2.txt"));
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    std::ifstream in(std::string(TOPBAND_SOURCE_DIR) + "/data/arrlpre2.txt", std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(expected.empty());
    EXPECT_TRUE(folder.read("arrlpre2.txt") == expected) << "data/arrlpre2.txt differs from what the converter makes";
}

// A few entities in the source layout: a contest-only part of an entity, an entity reached
// only through exact calls, a W/VE entity to rename, zone variants of a prefix. Canada's VE
// takes the built-in call areas.
const char* const kSmallCtyDat =
    "United States of America: 05:  08:  NA:   37.60:    91.87:     5.0:  K:\n"
    "    AA,K,K0(4)[7],W;\n"
    "Italy:                    15:  28:  EU:   42.82:   -12.58:    -1.0:  I:\n"
    "    4U,I,=II0PN/MM(40);\n"
    "Sicily:                   15:  28:  EU:   37.50:   -14.00:    -1.0:  *IT9:\n"
    "    IT9,=IT9XXX;\n"
    "United Nations HQ:        05:  08:  NA:   40.75:    73.97:     5.0:  4U1U:\n"
    "    =4U1UN,=4U70UN,=W1AW/4U1U;\n"
    "US Virgin Islands:        08:  11:  NA:   17.73:    64.80:     4.0:  KP2:\n"
    "    KP2,NP2;\n"
    "Asiatic Turkey:           20:  39:  AS:   39.18:   -35.65:    -2.0:  TA:\n"
    "    TA;\n"
    "Canada:                   05:  09:  NA:   44.35:    78.75:     5.0:  VE:\n"
    "    VE,=VER20230502;\n"
    "Alaska:                   01:  01:  NA:   61.40:   148.87:     8.0:  KL:\n"
    "    KL;\n"
    "Hawaii:                   31:  61:  OC:   21.12:   157.48:    10.0:  KH6:\n"
    "    KH6;\n"
    "Puerto Rico:              08:  11:  NA:   18.18:    66.55:     4.0:  KP4:\n"
    "    KP4;\n";

const char* const kSmallCtyCsv =
    "K,United States,291,NA,5,8,37.60,91.87,5.0,AA K W;\n"
    "I,Italy,248,EU,15,28,42.82,-12.58,-1.0,4U I;\n"
    "*IT9,Sicily,248,EU,15,28,37.50,-14.00,-1.0,IT9;\n"
    "4U1U,United Nations HQ,289,NA,5,8,40.75,73.97,5.0,=4U1UN;\n"
    "KP2,US Virgin Islands,285,NA,8,11,17.73,64.80,4.0,KP2 NP2;\n"
    "TA,Asiatic Turkey,390,AS,20,39,39.18,-35.65,-2.0,TA;\n"
    "VE,Canada,1,NA,5,9,44.35,78.75,5.0,VE;\n"
    "KL,Alaska,6,NA,1,1,61.40,148.87,8.0,KL;\n"
    "KH6,Hawaii,110,OC,31,61,21.12,157.48,10.0,KH6;\n"
    "KP4,Puerto Rico,202,NA,8,11,18.18,66.55,4.0,KP4;\n";

TEST(MakePrefixFile, MergesRenamesKeepsExactOnlyEntitiesAndDropsRepeatedPrefixes) {
    TempFolder folder;
    folder.write("cty.dat", kSmallCtyDat);
    folder.write("cty.csv", kSmallCtyCsv);
    const ConverterRun run =
        convert(folder, folder.file("cty.dat"), folder.file("cty.csv"), folder.file("arrlpre2.txt"));
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(folder.read("arrlpre2.txt"),
              "\"4U\",\"Italy\",\"EU\",-12.58,42.82,15,28,-1\r\n"
              "\"4U1UN\",\"United Nations HQ\",\"NA\",73.97,40.75,\"=5\",8,5\r\n"
              "\"4U70UN\",\"United Nations HQ\",\"NA\",73.97,40.75,\"=5\",8,5\r\n"
              "\"AA\",\"USA\",\"NA\",91.87,37.6,5,8,5\r\n"
              "\"I\",\"Italy\",\"EU\",-12.58,42.82,15,28,-1\r\n"
              "\"IT9\",\"Italy\",\"EU\",-14,37.5,15,28,-1\r\n"
              "\"K\",\"USA\",\"NA\",91.87,37.6,5,8,5\r\n"
              "\"KH6\",\"Hawaii\",\"OC\",157.48,21.12,31,61,10\r\n"
              "\"KL\",\"Alaska\",\"NA\",148.87,61.4,1,1,8\r\n"
              "\"KP2\",\"Virgin Is.\",\"NA\",64.8,17.73,8,11,4\r\n"
              "\"KP4\",\"Puerto Rico\",\"NA\",66.55,18.18,8,11,4\r\n"
              "\"NP2\",\"Virgin Is.\",\"NA\",64.8,17.73,8,11,4\r\n"
              "\"TA\",\"Turkey\",\"AS\",-35.65,39.18,20,39,-2\r\n"
              "\"VE\",\"Canada\",\"NA\",78.75,44.35,5,9,5\r\n"
              "\"VE1\",\"Canada\",\"NA\",63.57,44.65,5,9,5\r\n"
              "\"VE2\",\"Canada\",\"NA\",71.21,46.81,5,9,5\r\n"
              "\"VE3\",\"Canada\",\"NA\",79.38,43.65,5,9,5\r\n"
              "\"VE4\",\"Canada\",\"NA\",97.14,49.9,5,9,5\r\n"
              "\"VE5\",\"Canada\",\"NA\",104.61,50.45,5,9,5\r\n"
              "\"VE6\",\"Canada\",\"NA\",113.49,53.55,5,9,5\r\n"
              "\"VE7\",\"Canada\",\"NA\",123.37,48.43,5,9,5\r\n"
              "\"VE8\",\"Canada\",\"NA\",114.37,62.45,5,9,5\r\n"
              "\"VE9\",\"Canada\",\"NA\",66.64,45.96,5,9,5\r\n"
              "\"W\",\"USA\",\"NA\",91.87,37.6,5,8,5\r\n"
              "\"W1AW/4U1U\",\"United Nations HQ\",\"NA\",73.97,40.75,\"=5\",8,5\r\n");
}

struct BrokenSource {
    const char* name;
    std::string ctyDat;
    std::string ctyCsv;
    const char* message;
    // The sources are long; the row shows the case and the message looked for.
    friend void PrintTo(const BrokenSource& c, std::ostream* os) {
        *os << c.name << " → " << testing::quoted(c.message);
    }
};

class MakePrefixFileRefuses : public ::testing::TestWithParam<BrokenSource> {};

TEST_P(MakePrefixFileRefuses, NamingTheFault) {
    const BrokenSource& c = GetParam();
    TempFolder folder;
    folder.write("cty.dat", c.ctyDat);
    folder.write("cty.csv", c.ctyCsv);
    const ConverterRun run =
        convert(folder, folder.file("cty.dat"), folder.file("cty.csv"), folder.file("arrlpre2.txt"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find(c.message), std::string::npos) << run.errors;
    EXPECT_FALSE(folder.exists("arrlpre2.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Sources, MakePrefixFileRefuses,
    ::testing::Values(
        BrokenSource{"HeaderWithoutPosition",
                     std::string("Monaco: 14: 27: EU: north: -7.40: -1.0: 3A:\n    3A;\n") + kSmallCtyDat, kSmallCtyCsv,
                     "cty.dat line 1: a zone, position or offset is not a number"},
        BrokenSource{"UnclosedEntity",
                     std::string(kSmallCtyDat) + "Monaco: 14: 27: EU: 43.73: -7.40: -1.0: 3A:\n    3A,\n", kSmallCtyCsv,
                     "has no closing"},
        BrokenSource{"PrefixUnderTwoEntities",
                     std::string(kSmallCtyDat) + "Monaco: 14: 27: EU: 43.73: -7.40: -1.0: 3A:\n    3A,KP4;\n",
                     std::string(kSmallCtyCsv) + "3A,Monaco,260,EU,14,27,43.73,-7.40,-1.0,3A;\n",
                     "\"KP4\" is listed under"},
        BrokenSource{"EntityWithoutNumber",
                     std::string(kSmallCtyDat) + "Monaco: 14: 27: EU: 43.73: -7.40: -1.0: 3A:\n    3A;\n", kSmallCtyCsv,
                     "cty.csv has no entity \"3A\""},
        BrokenSource{"WVeEntityMissing",
                     std::string(kSmallCtyDat).substr(0, std::string(kSmallCtyDat).find("Puerto Rico:")), kSmallCtyCsv,
                     "no entity has the primary prefix \"KP4\""}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace topband
