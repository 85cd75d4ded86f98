// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/settingsfile.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace pelorin {

namespace {

std::string quoted(const std::string& path) {
    return "\u201C" + path + "\u201D";
}

constexpr const char* kNotRegular = "Not a regular file";

std::string reason(int error) {
    return std::strerror(error);
}

FileError cannotRead(const std::string& path, int error) {
    return {"Cannot read " + quoted(path) + ": " + reason(error) + "."};
}

FileError cannotSave(const std::string& path, int error) {
    return {"Cannot save " + quoted(path) + ": " + reason(error) + "."};
}

// Closes a descriptor when it goes out of scope, unless released.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    [[nodiscard]] int get() const { return fd_; }
    // Closes now and reports the close's own error (0 when fine).
    int close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// The process's file-creation mask, read without changing it (umask() would, for everybody).
mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("Umask:")) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    return 022;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// Writes all bytes, going on after short writes and interruptions. 0 or the error.
int writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

}  // namespace

std::variant<BlockBytes, FileError> readSettingsFile(const std::string& path) {
    // Without waiting: a named pipe would block the open until a writer comes, and a terminal
    // (the transmitter's own port, say) the read until data arrives. Only a regular file is
    // read, so neither can hang the program.
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return cannotRead(path, errno);
    Descriptor file(fd);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return cannotRead(path, errno);
    if (S_ISDIR(info.st_mode))
        return cannotRead(path, EISDIR);
    if (!S_ISREG(info.st_mode))
        return FileError{"Cannot read " + quoted(path) + ": " + kNotRegular + "."};
    if (const int flags = ::fcntl(file.get(), F_GETFL); flags >= 0)
        ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK);  // a plain file: reads may wait

    // Read one byte more than a settings file holds, to tell a longer file from a good one.
    std::array<std::uint8_t, kSettingsFileSize + 1> buffer{};
    std::size_t got = 0;
    while (got < buffer.size()) {
        const ssize_t n = ::read(file.get(), buffer.data() + got, buffer.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return cannotRead(path, errno);
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }

    if (got != kSettingsFileSize) {
        std::string size;
        if (got < kSettingsFileSize) {
            size = std::to_string(got) + (got == 1 ? " byte" : " bytes");
        } else if (::fstat(file.get(), &info) == 0 && info.st_size > 0) {
            size = std::to_string(info.st_size) + " bytes";
        } else {
            size = "more than " + std::to_string(kSettingsFileSize) + " bytes";
        }
        return FileError{quoted(path) + " is " + size + " long; a settings file has exactly " +
                         std::to_string(kSettingsFileSize) + " bytes."};
    }

    BlockBytes blockBytes{};
    std::copy(buffer.begin(), buffer.begin() + kSettingsFileSize, blockBytes.begin());
    return blockBytes;
}

std::optional<FileError> writeSettingsFile(const std::string& path, const BlockBytes& blockBytes) {
    // Saving onto a link replaces the file it points to, not the link.
    std::string target = path;
    struct stat existing {};
    bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            target = resolved;
            ::free(resolved);
        }
        if (S_ISDIR(existing.st_mode))
            return cannotSave(path, EISDIR);
        // A pipe or a device would be replaced by a plain file, not written.
        if (!S_ISREG(existing.st_mode))
            return FileError{"Cannot save " + quoted(path) + ": " + kNotRegular + "."};
        // Replacing by rename would get past a write-protected file; honour the protection.
        if (::access(target.c_str(), W_OK) != 0)
            return cannotSave(path, errno);
    }

    const std::string folder = folderOf(target);
    std::string temp = folder + "/.pelorin-save-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return cannotSave(path, errno);
    Descriptor file(fd);

    auto fail = [&](int error) {
        if (file.get() >= 0)
            file.close();
        ::unlink(temp.c_str());
        return std::optional<FileError>(cannotSave(path, error));
    };

    // The new file gets the old one's permissions, or those a newly created file would get.
    const mode_t mode = exists ? (existing.st_mode & 07777) : (0666 & ~currentUmask());
    if (::fchmod(file.get(), mode) != 0)
        return fail(errno);
    if (const int error = writeAll(file.get(), blockBytes.data(), blockBytes.size()); error != 0) {
        return fail(error);
    }
    if (::fsync(file.get()) != 0)
        return fail(errno);
    if (const int error = file.close(); error != 0)
        return fail(error);
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return fail(errno);

    // Make the rename itself durable. The new file is already in place, so a folder that
    // cannot be synced (some file systems refuse) is not reported as a failed save.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return std::nullopt;
}

}  // namespace pelorin
