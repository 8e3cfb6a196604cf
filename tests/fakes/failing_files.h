#pragma once
// Real files in a temporary folder, with chosen operations made to fail.
#include <algorithm>
#include <cerrno>
#include <optional>

#include "platform/files.h"

namespace topband::testing {

class FailingFiles : public RealFiles {
public:
    bool failReplace = false;
    bool failAppend = false;
    bool failCopy = false;
    // Bytes the disk still takes: writes go through the real write step until this is used up,
    // then stop short and fail with ENOSPC, as on a disk that fills up during a write. No limit
    // when empty.
    std::optional<std::size_t> diskRoom;
    // The user's documents folder, when a test puts it inside its own folder.
    std::optional<std::string> documents;
    std::string documentsFolder() const override { return documents ? *documents : RealFiles::documentsFolder(); }
    IoResult replaceAtomically(const std::string& path, const std::string& content) override {
        if (failReplace) return IoResult::failure("No space left on device");
        return RealFiles::replaceAtomically(path, content);
    }
    IoResult appendSynced(const std::string& path, const std::string& content) override {
        if (failAppend) return IoResult::failure("No space left on device");
        return RealFiles::appendSynced(path, content);
    }
    IoResult copyFile(const std::string& from, const std::string& to) override {
        if (failCopy) return IoResult::failure("Permission denied");
        return RealFiles::copyFile(from, to);
    }

protected:
    ssize_t writeSome(int fd, const char* data, std::size_t size) override {
        if (!diskRoom) return RealFiles::writeSome(fd, data, size);
        if (*diskRoom == 0) {
            errno = ENOSPC;
            return -1;
        }
        const ssize_t written = RealFiles::writeSome(fd, data, std::min(size, *diskRoom));
        if (written > 0) *diskRoom -= static_cast<std::size_t>(written);
        return written;
    }
};

}  // namespace topband::testing
