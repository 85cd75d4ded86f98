// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Settings files: exactly the 67 bytes of blockBytes, no header. Reading them lives here, for
// the programs without a window too; the program saves them through platform/savefile.h.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "link/settingsblock.h"

namespace pelorin {

inline constexpr std::size_t kSettingsFileSize = kBlockBytesSize;

// What a file's content is, decided by the content alone, in every program that reads one:
// after an optional UTF-8 byte order mark and JSON whitespace, "{" starts a model in the
// readable format, whatever the length (so a model cut to 67 bytes is a broken model, never
// a block), unless it is 67 bytes holding a control character JSON allows nowhere; any other
// content of exactly 67 bytes is a settings block; anything else is neither.
enum class ContentKind { SettingsBlock, ReadableModel, Neither };
[[nodiscard]] ContentKind contentKind(std::span<const std::uint8_t> content);

struct FileError {
    std::string text;  // names the file and the reason, ready for the user
};

// Reads a settings file. Anything but a settings block (contentKind) is refused with a reason.
[[nodiscard]] std::variant<BlockBytes, FileError> readSettingsFile(const std::string& path);

}  // namespace pelorin
