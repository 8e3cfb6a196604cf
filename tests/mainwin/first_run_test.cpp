#include <gtest/gtest.h>

#include "mainwin/first_run.h"
#include "tests/fakes/failing_files.h"
#include "tests/support/temp_folder.h"

namespace topband {
namespace {

using testing::FailingFiles;
using testing::TempFolder;

TEST(FirstRun, CopiesOnlyWhatTheWorkingFolderLacks) {
    TempFolder installed, work;
    installed.write("arrlpre2.txt", "installed prefixes");
    installed.write("read160.txt", "installed help");
    installed.write("Log.txt", "");
    installed.write("sounds/ignored.wav", "a folder is not a data file");
    work.write("ARRLPRE2.TXT", "edited prefixes");
    work.write("log.txt", "the contest");
    FailingFiles files;

    const SeedResult result = seedWorkingFolder(files, installed.path(), work.path());

    EXPECT_EQ(result.copied, std::vector<std::string>{"read160.txt"});
    EXPECT_TRUE(result.failures.empty());
    EXPECT_EQ(work.read("read160.txt"), "installed help");
    EXPECT_EQ(work.read("ARRLPRE2.TXT"), "edited prefixes");
    EXPECT_EQ(work.read("log.txt"), "the contest");
    EXPECT_FALSE(work.exists("arrlpre2.txt") && work.read("arrlpre2.txt") == "installed prefixes");
    EXPECT_FALSE(work.exists("sounds"));
}

TEST(FirstRun, ReportsEachFileThatCannotBeCopied) {
    TempFolder installed, work;
    installed.write("read160.txt", "help");
    FailingFiles files;
    files.failCopy = true;
    const SeedResult result = seedWorkingFolder(files, installed.path(), work.path());
    EXPECT_EQ(result.failures, std::vector<std::string>{"read160.txt: Permission denied"});
}

}  // namespace
}  // namespace topband
