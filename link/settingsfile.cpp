// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/settingsfile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

namespace pelorin {

namespace {

std::string quoted(const std::string& path) {
    return "\u201C" + path + "\u201D";
}

constexpr const char* kNotRegular = "Not a regular file";

FileError cannotRead(const std::string& path, const std::string& reason) {
    return {"Cannot read " + quoted(path) + ": " + reason + "."};
}

FileError cannotRead(const std::string& path, std::errc error) {
    return cannotRead(path, std::make_error_code(error).message());
}

// Closes a file when it goes out of scope.
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
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
    // A block can begin with blanks and "{" too (values of 32, then 123); one that holds a
    // control character, which JSON allows nowhere, is such a block, never a cut model.
    const bool holdsNoText = std::any_of(content.begin(), content.end(),
                                         [&](std::uint8_t c) { return c < 0x20 && !blank(c); });
    if (start < content.size() && content[start] == '{' &&
        !(content.size() == kSettingsFileSize && holdsNoText))
        return ContentKind::ReadableModel;
    return content.size() == kSettingsFileSize ? ContentKind::SettingsBlock : ContentKind::Neither;
}

std::variant<BlockBytes, FileError> readSettingsFile(const std::string& path) {
    // Only a regular file is opened: a named pipe would block the open until a writer comes,
    // and a terminal (the transmitter's own port, say) the read until data arrives.
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (ec)
        return cannotRead(path, ec.message());
    if (std::filesystem::is_directory(status))
        return cannotRead(path, std::errc::is_a_directory);
    if (!std::filesystem::is_regular_file(status))
        return cannotRead(path, kNotRegular);
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return cannotRead(path, std::strerror(errno));

    // Read one byte more than a settings file holds, to tell a longer file from a good one.
    std::array<std::uint8_t, kSettingsFileSize + 1> buffer{};
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file.get());
    if (std::ferror(file.get()))
        return cannotRead(path, std::strerror(errno));

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
        const std::uintmax_t length = std::filesystem::file_size(path, ec);
        if (got < kSettingsFileSize) {
            size = std::to_string(got) + (got == 1 ? " byte" : " bytes");
        } else if (!ec && length > kSettingsFileSize) {
            size = std::to_string(length) + " bytes";
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
