// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/blocksend.h"

#include "app/historyrecorder.h"
#include "app/sendconfirmation.h"
#include "dialogkit/messages.h"
#include "link/session.h"

namespace pelorin {

void BlockSender::send(BlockSend send) {
    if (!SendConfirmation::acceptOutsideEditorRanges(window_, send.source, send.block))
        return;  // nothing changes and nothing is sent
    // Every question is answered now; what they were asked about must still hold.
    QString changed;
    if (send.chain && history_ != nullptr && history_->chain() != *send.chain)
        changed = tr("the transmitter or its memory changed while the question was open");
    else if (send.chosenAgainst && session_.blockBytes != *send.chosenAgainst)
        changed = tr("the transmitter's settings changed while the question was open");
    if (!changed.isEmpty()) {
        showMessage(
            window_,
            tr("Nothing was sent: %1. Look at what it holds now and try again.").arg(changed));
        return;
    }
    recordWrite(session_.loadBlock(send.block), send.cause, send.detail, send.target);
}

void BlockSender::recordWrite(const SerialStatus& status, models::HistoryCause cause,
                              const QString& detail, const QString& target) {
    const bool kept = history_ != nullptr && history_->written(cause, detail, target, status.ok());
    if (status)
        return;
    QString text = QString::fromStdString(status.error());
    if (kept) {
        text += QStringLiteral("\n\n") +
                tr("The settings are kept in the history: History… (Ctrl+H) sends them once the "
                   "transmitter is connected.");
    }
    showMessage(window_, text);
}

}  // namespace pelorin
