// An append that fails part-way leaves the log file as it was, on a faked full disk, under a file
// size limit and on a real full file system.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

#include "core/log_file.h"
#include "tests/core/sample_contacts.h"
#include "tests/fakes/failing_files.h"
#include "tests/support/case_printing.h"
#include "tests/support/temp_folder.h"

namespace topband {
namespace {

using testing::FailingFiles;
using testing::kDx;
using testing::kDxLine;
using testing::kLive;
using testing::kLiveLine;
using testing::TempFolder;

const std::string kLiveUnended = kLiveLine.substr(0, kLiveLine.size() - 2);

// The log before a failed append of kDx; after it the disk has room again and kDx is appended.
struct FailedAppend {
    const char* what;
    std::optional<std::string> before;  // nothing: no log file yet
    std::size_t room;                   // bytes the disk takes before it is full
    std::string afterRetry;
    friend void PrintTo(const FailedAppend& c, std::ostream* os) {
        *os << c.what << ": " << (c.before ? testing::quoted(*c.before) : "no file") << ", room for " << c.room
            << " bytes";
    }
};

class FullDiskAppend : public ::testing::TestWithParam<FailedAppend> {
protected:
    TempFolder folder;
    FailingFiles files;
    const std::string path = folder.file("Log.txt");
};

TEST_P(FullDiskAppend, CutsTheFileBackAndTheNextAppendIsByteExact) {
    const FailedAppend& c = GetParam();
    if (c.before) folder.write("Log.txt", *c.before);
    files.diskRoom = c.room;

    const auto expectAsBefore = [&] {
        if (c.before)
            EXPECT_EQ(folder.read("Log.txt"), *c.before);
        else
            EXPECT_FALSE(folder.exists("Log.txt"));
    };
    const IoResult failed = appendToLog(files, path, kDx);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.error, "No space left on device");
    EXPECT_EQ(files.diskRoom, 0u);  // the room was written to before the disk was full
    expectAsBefore();

    EXPECT_FALSE(appendToLog(files, path, kDx));  // still full: still as it was
    expectAsBefore();

    files.diskRoom.reset();
    ASSERT_TRUE(appendToLog(files, path, kDx));
    EXPECT_EQ(folder.read("Log.txt"), c.afterRetry);
}

INSTANTIATE_TEST_SUITE_P(
    Logs, FullDiskAppend,
    ::testing::Values(FailedAppend{"half a record written", kLiveLine, kDxLine.size() / 2, kLiveLine + kDxLine},
                      FailedAppend{"all but the line end written", kLiveLine, kDxLine.size() - 1, kLiveLine + kDxLine},
                      FailedAppend{"only the mended line end written", kLiveUnended, 2, kLiveLine + kDxLine},
                      FailedAppend{"half of the first record of a new file", std::nullopt, kDxLine.size() / 2, kDxLine},
                      FailedAppend{"nothing written", kLiveLine, 0, kLiveLine + kDxLine}));

// The real write(2) stops short at the file size limit and then fails with EFBIG; the signal
// it would raise is ignored meanwhile. The limit and the signal are restored on leaving.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = saved_.rlim_max == RLIM_INFINITY ? bytes : std::min(bytes, saved_.rlim_max);
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignore, &savedAction_);
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::sigaction(SIGXFSZ, &savedAction_, nullptr);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    struct sigaction savedAction_ {};
};

TEST(LogAppendOnARealFile, ShortWriteAtTheFileSizeLimitIsTakenBackOut) {
    TempFolder folder;
    RealFiles files;
    const std::string path = folder.file("Log.txt");
    folder.write("Log.txt", kLiveLine + kLiveLine);
    {
        FileSizeLimit limit(2 * kLiveLine.size() + 10);
        const IoResult failed = appendToLog(files, path, kDx);
        EXPECT_FALSE(failed);
        EXPECT_EQ(failed.error, std::strerror(EFBIG));
        EXPECT_EQ(folder.read("Log.txt"), kLiveLine + kLiveLine);
    }
    ASSERT_TRUE(appendToLog(files, path, kDx));
    EXPECT_EQ(folder.read("Log.txt"), kLiveLine + kLiveLine + kDxLine);
}

// A small tmpfs mounted inside a temporary folder, unmounted on leaving.
class SmallTmpfs {
public:
    SmallTmpfs(const std::string& at, std::string& why) : at_(at) {
        std::filesystem::create_directory(at_);
        if (::mount("topband-test", at_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV | MS_NOEXEC, "size=64k,mode=0700") == 0)
            mounted_ = true;
        else
            why = std::strerror(errno);
    }
    ~SmallTmpfs() {
        if (mounted_) ::umount2(at_.c_str(), MNT_DETACH);
    }
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;
    bool mounted() const { return mounted_; }

private:
    std::string at_;
    bool mounted_ = false;
};

// Writes to a new file until the file system is full; false when it never reports ENOSPC.
bool fillUp(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const std::string block(4096, 'x');
    bool full = false;
    for (int i = 0; i < 1024 && !full; ++i) full = ::write(fd, block.data(), block.size()) < 0 && errno == ENOSPC;
    ::close(fd);
    return full;
}

TEST(LogAppendOnARealFile, FullFileSystemLeavesTheLogAsItWas) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root";
    TempFolder folder;
    std::string why;
    const SmallTmpfs disk(folder.file("disk"), why);
    if (!disk.mounted()) GTEST_SKIP() << "no tmpfs could be mounted here: " << why;

    // Records up to just short of a page boundary: the next record begins in the room left on the
    // last page, and the rest of it finds no free page.
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    std::string before;
    while (before.size() + kLiveLine.size() <= page) before += kLiveLine;
    ASSERT_LT(before.size(), page);
    folder.write("disk/Log.txt", before);
    ASSERT_TRUE(fillUp(folder.file("disk/filler")));

    RealFiles files;
    const std::string path = folder.file("disk/Log.txt");
    for (int attempt = 1; attempt <= 2; ++attempt) {
        const IoResult failed = appendToLog(files, path, kDx);
        EXPECT_FALSE(failed) << "attempt " << attempt;
        EXPECT_EQ(failed.error, std::strerror(ENOSPC)) << "attempt " << attempt;
        EXPECT_EQ(folder.read("disk/Log.txt"), before) << "attempt " << attempt;
    }

    std::filesystem::remove(folder.file("disk/filler"));
    ASSERT_TRUE(appendToLog(files, path, kDx));
    EXPECT_EQ(folder.read("disk/Log.txt"), before + kDxLine);
}

}  // namespace
}  // namespace topband
