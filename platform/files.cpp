#include "platform/files.h"

#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace topband {
namespace {

std::string systemError(int code) { return std::strerror(code); }

// Opens a file for appending, creating it when missing; `created` tells whether this call made it.
int openForAppend(const std::string& path, bool& created) {
    for (;;) {
        created = false;
        const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
        if (fd >= 0 || errno != ENOENT) return fd;
        const int made = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (made >= 0) {
            created = true;
            return made;
        }
        if (errno != EEXIST) return made;  // otherwise made by someone else meanwhile: open that one
    }
}

void syncFolderOf(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    const int dir = ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

}  // namespace

ssize_t RealFiles::writeSome(int fd, const char* data, std::size_t size) { return ::write(fd, data, size); }

bool RealFiles::writeAll(int fd, const std::string& content) {
    const char* p = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t n = writeSome(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {  // nothing written and no reason given: never loop on it
            errno = EIO;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

bool RealFiles::exists(const std::string& path) const {
    std::error_code ec;
    return fs::exists(path, ec);
}

bool RealFiles::isDirectory(const std::string& path) const {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

std::vector<std::string> RealFiles::list(const std::string& folder) const {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    return names;
}

IoResult RealFiles::createDirectory(const std::string& path) {
    std::error_code ec;
    if (fs::create_directory(path, ec) || (!ec && fs::is_directory(path, ec))) return {};
    return IoResult::failure(ec ? ec.message() : "A file of that name is in the way");
}

IoResult RealFiles::copyFile(const std::string& from, const std::string& to) {
    std::string error;
    const auto content = readAll(from, error);
    if (!content) return IoResult::failure(error);
    return replaceAtomically(to, *content);
}

std::optional<std::string> RealFiles::readAll(const std::string& path, std::string& error,
                                              std::uintmax_t maxBytes) const {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = systemError(errno);
        return std::nullopt;
    }
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = systemError(errno);
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        content.append(buffer, static_cast<std::size_t>(n));
        if (content.size() > maxBytes) {
            error = "The file is larger than " + std::to_string(maxBytes) + " bytes";
            ::close(fd);
            return std::nullopt;
        }
    }
    ::close(fd);
    return content;
}

IoResult RealFiles::replaceAtomically(const std::string& path, const std::string& content) {
    std::random_device entropy;
    const std::string temporary = path + ".tmp" + std::to_string(entropy() % 1000000);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return IoResult::failure(systemError(errno));
    const bool written = writeAll(fd, content) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    ::close(fd);
    if (!written) {
        ::unlink(temporary.c_str());
        return IoResult::failure(systemError(writeErrno));
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int renameErrno = errno;
        ::unlink(temporary.c_str());
        return IoResult::failure(systemError(renameErrno));
    }
    syncFolderOf(path);
    return {};
}

IoResult RealFiles::appendSynced(const std::string& path, const std::string& content) {
    bool created = false;
    const int fd = openForAppend(path, created);
    if (fd < 0) return IoResult::failure(systemError(errno));
    struct stat before {};
    if (::fstat(fd, &before) != 0) {
        const int statErrno = errno;
        ::close(fd);
        return IoResult::failure(systemError(statErrno));
    }
    if (writeAll(fd, content) && ::fsync(fd) == 0) {
        ::close(fd);
        if (created) syncFolderOf(path);
        return {};
    }
    // Part of the content may have reached the file: take it back out, so that the file holds
    // whole records only and the next append starts where this one did.
    std::string why = systemError(errno);
    if (created) {
        ::close(fd);
        if (::unlink(path.c_str()) == 0)
            syncFolderOf(path);
        else
            why += "; the partly written file could not be removed (" + systemError(errno) + ")";
        return IoResult::failure(why);
    }
    if (::ftruncate(fd, before.st_size) != 0 || ::fsync(fd) != 0)
        why += "; the file could not be cut back to its former " + std::to_string(before.st_size) + " bytes (" +
               systemError(errno) + ")";
    ::close(fd);
    return IoResult::failure(why);
}

std::optional<char> RealFiles::lastByte(const std::string& path) const {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in || in.tellg() <= 0) return std::nullopt;
    in.seekg(-1, std::ios::end);
    char c = 0;
    if (!in.get(c)) return std::nullopt;
    return c;
}

std::string RealFiles::currentFolder() const {
    std::error_code ec;
    return fs::current_path(ec).string();
}

IoResult RealFiles::setCurrentFolder(const std::string& path) {
    std::error_code ec;
    fs::current_path(path, ec);
    if (ec) return IoResult::failure(ec.message());
    return {};
}

std::string RealFiles::documentsFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

}  // namespace topband
