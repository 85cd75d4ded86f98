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

    // Asks whether to send `block` in place of `current`. Return sends, Escape does not.
    // Returns what to send: `block` with the unticked groups as they are in `current`; nothing
    // when the user cancelled or ticked no group (which the user is told).
    [[nodiscard]] static std::optional<BlockBytes> ask(QWidget* parent, const QString& title,
                                                       const QString& question,
                                                       const BlockBytes& current,
                                                       const BlockBytes& block);

    // Before sending the block of the file `path`: true at once when every field lies in its
    // editor's range; otherwise asks, naming the fields outside, and the default answer (for
    // Return and Escape alike) is not to send.
    [[nodiscard]] static bool acceptOutsideEditorRanges(QWidget* parent, const QString& path,
                                                        const BlockBytes& block);
};

}  // namespace pelorin
