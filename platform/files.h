#pragma once
// File-system service: folders, listing, copy, whole-file reads, atomic rewrites and synced appends.
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace topband {

// Outcome of a file operation; `error` holds the system's description when it failed.
struct IoResult {
    bool ok = true;
    std::string error;
    static IoResult failure(std::string why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

class Files {
public:
    virtual ~Files() = default;

    virtual bool exists(const std::string& path) const = 0;
    virtual bool isDirectory(const std::string& path) const = 0;
    // Names (not paths) of the entries of a folder; empty when it cannot be listed.
    virtual std::vector<std::string> list(const std::string& folder) const = 0;
    // Creates one folder; its parent must exist.
    virtual IoResult createDirectory(const std::string& path) = 0;
    virtual IoResult copyFile(const std::string& from, const std::string& to) = 0;
    // The whole file, refused when larger than maxBytes so that no file can make memory grow without bound.
    virtual std::optional<std::string> readAll(const std::string& path, std::string& error,
                                               std::uintmax_t maxBytes = 64u << 20) const = 0;
    // Writes a temporary file in the same folder, syncs it and renames it over `path`:
    // a crash leaves either the old or the new file, never a truncated one.
    virtual IoResult replaceAtomically(const std::string& path, const std::string& content) = 0;
    // Appends and syncs before returning; creates the file when missing. A failed or short write
    // (full disk, I/O error) cuts the file back to its length before the append, or removes the
    // file this append created, so that the file never keeps part of `content`.
    virtual IoResult appendSynced(const std::string& path, const std::string& content) = 0;
    // The last byte of a file, or nothing for a missing or empty file.
    virtual std::optional<char> lastByte(const std::string& path) const = 0;
    virtual std::string currentFolder() const = 0;
    virtual IoResult setCurrentFolder(const std::string& path) = 0;
    // The user's documents folder.
    virtual std::string documentsFolder() const = 0;
};

// std::filesystem and POSIX calls; documents folder from Qt's standard paths.
class RealFiles : public Files {
public:
    bool exists(const std::string& path) const override;
    bool isDirectory(const std::string& path) const override;
    std::vector<std::string> list(const std::string& folder) const override;
    IoResult createDirectory(const std::string& path) override;
    IoResult copyFile(const std::string& from, const std::string& to) override;
    std::optional<std::string> readAll(const std::string& path, std::string& error,
                                       std::uintmax_t maxBytes = 64u << 20) const override;
    IoResult replaceAtomically(const std::string& path, const std::string& content) override;
    IoResult appendSynced(const std::string& path, const std::string& content) override;
    std::optional<char> lastByte(const std::string& path) const override;
    std::string currentFolder() const override;
    IoResult setCurrentFolder(const std::string& path) override;
    std::string documentsFolder() const override;

protected:
    // One write(2) of at most `size` bytes: the bytes written, or -1 with errno set. All file
    // content is written through here.
    virtual ssize_t writeSome(int fd, const char* data, std::size_t size);

private:
    // Writes all of `content`, going on after short writes; false with errno set when a write fails.
    bool writeAll(int fd, const std::string& content);
};

// Joins a folder and a name with one "/".
std::string joinPath(const std::string& folder, const std::string& name);
}  // namespace topband
