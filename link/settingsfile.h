// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Settings files: exactly the 67 bytes of blockBytes, no header. Reading them lives here, for
// the programs without a window too; the program saves them through platform/savefile.h.

#include <string>
#include <variant>

#include "link/settingsblock.h"

namespace pelorin {

inline constexpr std::size_t kSettingsFileSize = kBlockBytesSize;

struct FileError {
    std::string text;  // names the file and the reason, ready for the user
};

// Reads a settings file. Anything but exactly 67 bytes is refused with a reason.
[[nodiscard]] std::variant<BlockBytes, FileError> readSettingsFile(const std::string& path);

}  // namespace pelorin
