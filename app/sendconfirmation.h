// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one question asked before a whole block goes to the transmitter from the Models window,
// the History window or undo and redo: the fields that change, under the names pelorin-dump
// uses, grouped as the editors group them, each group with a check box. Only the ticked groups
// change; the others go out as the transmitter holds them now.

#include <QCoreApplication>
#include <QString>

#include <optional>

#include "link/blockfields.h"
#include "link/settingsblock.h"

class QWidget;

namespace pelorin {

class SendConfirmation {
    Q_DECLARE_TR_FUNCTIONS(pelorin::SendConfirmation)

public:
    // The name of an editor group as the user reads it ("Throttle curve").
    [[nodiscard]] static QString groupName(EditorGroup group);
    // The groups in which `to` differs from `from`, named and joined ("End points, Reverse").
    [[nodiscard]] static QString changedGroups(const BlockBytes& from, const BlockBytes& to);

    // Asks whether to send `block` in place of `current`. Return sends, Escape does not; the
    // focus starts on the first group, so Space unticks it. Returns what to send: `block` with
    // the unticked groups as they are in `current`; nothing when the user cancelled or ticked
    // no group (which the user is told). Both blocks are taken as they are when asked.
    [[nodiscard]] static std::optional<BlockBytes> ask(QWidget* parent, const QString& title,
                                                       const QString& question, BlockBytes current,
                                                       BlockBytes block);

    // Before sending the block `source` names (a file, a model, an entry of the history): true
    // at once when every field lies in its editor's range; otherwise asks, naming the fields
    // outside, and the default answer (for Return and Escape alike) is not to send.
    [[nodiscard]] static bool acceptOutsideEditorRanges(QWidget* parent, const QString& source,
                                                        const BlockBytes& block);
};

}  // namespace pelorin
