// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole block on its way to the transmitter: from Open, the Models window, the History window,
// undo or redo. Every one of them goes out through the main window's one send, which asks about
// values outside the editors' ranges and refuses a send whose question no longer holds: the
// transmitter, its memory or its settings changed while the user was answering.

#include <QString>

#include <optional>

#include "link/settingsblock.h"
#include "models/history.h"

namespace pelorin {

struct BlockSend {
    BlockBytes block{};
    models::HistoryCause cause = models::HistoryCause::Open;
    QString detail;  // as the history records it: the file, the model's name
    QString target;  // the history record an undo, redo or resend refers to
    // Names the block in the question about values outside the editors' ranges ("heli.json").
    QString source;
    // The transmitter's settings the user chose against (the grouped question's "now"): when
    // they changed before the send, nothing is sent.
    std::optional<BlockBytes> chosenAgainst;
    // The transmitter and memory the user agreed to send to: likewise.
    std::optional<models::HistoryChain> chain;
};

}  // namespace pelorin
