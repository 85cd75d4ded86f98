// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's Save and Open: the transmitter's block into a 67-byte settings file, and a
// settings file of either format (67 bytes, or a model in the readable format) into a send.

#include <optional>

#include "app/blocksend.h"
#include "app/filechooser.h"

class QWidget;

namespace pelorin {

class Session;

// Asks `choose` for a file and saves the session's block there as it stands once the questions
// are answered, whole or not at all; replacing a file that is not a settings file is asked
// first. A failure is told.
void saveSettingsFile(QWidget* window, const FileChooser& choose, const Session& session);

// Asks `choose` for a file and reads it: the send of its block, or nothing when the user
// cancelled or the file cannot be read (which is told; nothing changes and nothing is sent).
[[nodiscard]] std::optional<BlockSend> openSettingsFile(QWidget* window, const FileChooser& choose);

}  // namespace pelorin
