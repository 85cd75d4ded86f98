// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole block on its way to the transmitter: from Open, the Models window, the History window,
// undo or redo. Every one of them goes out through the main window's BlockSender, which asks
// about values outside the editors' ranges and refuses a send whose question no longer holds:
// the transmitter, its memory or its settings changed while the user was answering.

#include <QCoreApplication>
#include <QString>

#include <optional>

#include "link/serialcontrol.h"
#include "link/settingsblock.h"
#include "models/history.h"

class QWidget;

namespace pelorin {

class HistoryRecorder;
class Session;

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

// The one way a whole block goes out, and the record of every write.
class BlockSender {
    Q_DECLARE_TR_FUNCTIONS(pelorin::BlockSender)

public:
    // Questions and failures are told over `window`; the block goes out through `session`.
    BlockSender(QWidget* window, Session& session) : window_(window), session_(session) {}
    // Where writes are recorded; none: nothing is recorded.
    void setHistory(HistoryRecorder* history) { history_ = history; }

    // Values outside the editors' ranges are asked about first; a send agreed to for other
    // settings, another transmitter or another memory than the ones connected now is refused.
    // Then the block replaces blockBytes, reaches the editors and the helicopter buttons, goes
    // out as one WriteFrame, and is recorded with its cause. Taken by value: the questions run
    // their own event loops, in which whatever the caller's block came from may be rebuilt.
    void send(BlockSend send);
    // A write of blockBytes has been attempted: into the history, and its failure told (with
    // word that the settings are kept in the history, when they are).
    void recordWrite(const SerialStatus& status, models::HistoryCause cause, const QString& detail,
                     const QString& target);

private:
    QWidget* window_;
    Session& session_;
    HistoryRecorder* history_ = nullptr;
};

}  // namespace pelorin
