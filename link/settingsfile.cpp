// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/settingsfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string>

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

// Closes a descriptor when it goes out of scope.
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

private:
    int fd_;
};

}  // namespace

ContentKind contentKind(std::span<const std::uint8_t> content) {
    std::size_t start = 0;
    constexpr std::uint8_t kByteOrderMark[] = {0xEF, 0xBB, 0xBF};
    if (content.size() >= 3 && std::equal(content.begin(), content.begin() + 3, kByteOrderMark))
        start = 3;
    auto blank = [](std::uint8_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (start < content.size() && blank(content[start]))
        ++start;
    if (start < content.size() && content[start] == '{')
        return ContentKind::ReadableModel;
    return content.size() == kSettingsFileSize ? ContentKind::SettingsBlock : ContentKind::Neither;
}

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

    // At most 68 bytes are read, which is all it takes: the start tells a readable model, and
    // a settings block is exactly 67 bytes.
    const std::span<const std::uint8_t> content(buffer.data(), got);
    if (contentKind(content) == ContentKind::ReadableModel) {
        return FileError{quoted(path) +
                         " is a model in the readable format (JSON), not a 67-byte settings "
                         "file; pack it first: pelorin-dump --pack MODEL.json OUT."};
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

}  // namespace pelorin
