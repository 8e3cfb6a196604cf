#include <gtest/gtest.h>

#include "core/log_file.h"
#include "mainwin/log_store.h"
#include "tests/fakes/failing_files.h"
#include "tests/fakes/fake_clock.h"
#include "tests/support/temp_folder.h"

namespace topband {
namespace {

using testing::FailingFiles;
using testing::FakeClock;
using testing::TempFolder;

std::string line(const Contact& c) { return *formatLogRecord(c); }

const Contact kCt{"K1ABC", "599", "CT", "599", "USA", "2026/12/05", "22:01:07"};
const Contact kDx{"G3XYZ", "579", "", "599", "England", "2026/12/05", "22:03:00"};
const Contact kNoCountry{"XX9XX", "599", "", "599", "", "2026/12/05", "22:04:00"};

class LogStoreTest : public ::testing::Test {
protected:
    LogStoreTest() {
        folders = {work.path(), work.path() + "/Shared", work.path() + "/Velmor"};
        std::filesystem::create_directories(folders.DataFolder);
        clock.local = {2024, 12, 6, 22, 1, 30};
    }
    TempFolder work;
    FailingFiles files;
    FakeClock clock;
    Folders folders;
    Logbook logbook;
    std::string error;
};

TEST_F(LogStoreTest, MissingLogLoadsEmptyAndIsNotCreated) {
    ASSERT_TRUE(loadLogFile(logbook, folders, files, error)) << error;
    EXPECT_EQ(logbook.log.ContactCount(), 0);
    EXPECT_FALSE(work.exists("Log.txt"));
    EXPECT_TRUE(logbook.logLoadedThisRun);
}

TEST_F(LogStoreTest, LoadCountsDxContactsOnlyWithACountry) {
    work.write("Log.txt", line(kCt) + line(kDx) + line(kNoCountry) + line(kDx));
    ASSERT_TRUE(loadLogFile(logbook, folders, files, error)) << error;
    EXPECT_EQ(logbook.log.ContactCount(), 4);
    EXPECT_EQ(logbook.log.record(2), kDx);
    EXPECT_EQ(logbook.tallies.DXContactCount, 2);
    EXPECT_EQ(logbook.backupBaseline, 4);
}

TEST_F(LogStoreTest, LoadFindsTheLogWhateverTheCaseOfItsName) {
    work.write("log.txt", line(kCt));
    ASSERT_TRUE(loadLogFile(logbook, folders, files, error)) << error;
    EXPECT_EQ(logbook.log.ContactCount(), 1);
}

TEST_F(LogStoreTest, FailedLoadChangesNothingAndLeavesTheFile) {
    work.write("Log.txt", line(kCt));
    ASSERT_TRUE(loadLogFile(logbook, folders, files, error));
    const std::string damaged = line(kCt) + line(kDx) + "\"G3XYZ\",\"579\",\"";
    work.write("Log.txt", damaged);
    EXPECT_FALSE(loadLogFile(logbook, folders, files, error));
    EXPECT_EQ(logbook.log.ContactCount(), 1);
    EXPECT_EQ(work.read("Log.txt"), damaged);
}

TEST_F(LogStoreTest, BaselineIsTheFirstNonEmptyLoad) {
    ASSERT_TRUE(loadLogFile(logbook, folders, files, error));
    EXPECT_EQ(logbook.backupBaseline, 0);
    work.write("Log.txt", line(kCt) + line(kDx) + line(kDx));
    ASSERT_TRUE(loadLogFile(logbook, folders, files, error));
    EXPECT_EQ(logbook.backupBaseline, 3);
    work.write("Log.txt", line(kCt));
    ASSERT_TRUE(loadLogFile(logbook, folders, files, error));
    EXPECT_EQ(logbook.backupBaseline, 3);
}

TEST_F(LogStoreTest, AutomaticBackupOnlyWhenTheCountChanged) {
    work.write("Log.txt", line(kCt) + line(kDx));
    ASSERT_TRUE(loadLogFile(logbook, folders, files, error));
    Backup(logbook, folders, files, clock);
    EXPECT_FALSE(work.exists("Velmor/BACKUP"));  // unchanged count: no copy

    ASSERT_TRUE(logbook.log.add(kDx));
    Backup(logbook, folders, files, clock);
    EXPECT_EQ(work.read("Velmor/BACKUP/202412062201.log"), line(kCt) + line(kDx));
}

TEST_F(LogStoreTest, EraseCopiesANonEmptyLogFirstEvenWhenItWasNeverLoaded) {
    work.write("Log.txt", line(kCt) + line(kDx));
    ASSERT_TRUE(eraseLog(logbook, folders, files, clock));
    EXPECT_EQ(work.read("Log.txt"), "");
    EXPECT_EQ(work.read("Velmor/BACKUP/202412062201.log"), line(kCt) + line(kDx));
    EXPECT_EQ(logbook.log.ContactCount(), 0);
}

TEST_F(LogStoreTest, EraseOfAMissingLogCreatesItEmptyWithoutBackup) {
    ASSERT_TRUE(eraseLog(logbook, folders, files, clock));
    EXPECT_TRUE(work.exists("Log.txt"));
    EXPECT_FALSE(work.exists("Velmor/BACKUP"));
}

TEST_F(LogStoreTest, EraseRefusesWhenTheBackupCopyFails) {
    work.write("Log.txt", line(kCt));
    ASSERT_TRUE(loadLogFile(logbook, folders, files, error));
    files.failCopy = true;
    EXPECT_FALSE(eraseLog(logbook, folders, files, clock));
    EXPECT_EQ(work.read("Log.txt"), line(kCt));
    EXPECT_EQ(logbook.log.ContactCount(), 1);
}

TEST_F(LogStoreTest, RewriteIsRefusedUntilTheLogWasLoaded) {
    work.write("Log.txt", line(kCt) + line(kDx));
    ASSERT_TRUE(logbook.log.add(kNoCountry));
    EXPECT_FALSE(rewriteLogFromMemory(logbook, folders, files));
    EXPECT_EQ(work.read("Log.txt"), line(kCt) + line(kDx));

    ASSERT_TRUE(loadLogFile(logbook, folders, files, error));
    ASSERT_TRUE(logbook.log.add(kNoCountry));
    ASSERT_TRUE(rewriteLogFromMemory(logbook, folders, files));
    EXPECT_EQ(work.read("Log.txt"), line(kCt) + line(kDx) + line(kNoCountry));
}

}  // namespace
}  // namespace topband
