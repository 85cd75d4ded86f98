// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/serialerrorreporter.h"

#include "connection/transmitterconnection.h"

#include <QTimer>

#include "dialogkit/messages.h"

namespace pelorin {

SerialErrorReporter::SerialErrorReporter(QWidget* window, const TransmitterConnection& connection)
    : QObject(window), window_(window) {
    connect(&connection, &TransmitterConnection::lineError, this, &SerialErrorReporter::report);
    connect(&connection, &TransmitterConnection::lineStateChanged, this,
            [this](const QString& text) {
                if (text.isEmpty())
                    lineBack();
            });
}

void SerialErrorReporter::report(const QString& text) {
    if (inBurst_) {
        ++more_;
        if (box_ != nullptr)
            box_->setText(burstText());
        return;
    }
    inBurst_ = true;
    first_ = text;
    more_ = 0;
    QTimer::singleShot(0, this, &SerialErrorReporter::showBurst);
}

QString SerialErrorReporter::burstText() const {
    if (more_ == 0)
        return first_;
    const QString followed = more_ == 1 ? tr("One more serial error followed.")
                                        : tr("%1 more serial errors followed.").arg(more_);
    return first_ + QStringLiteral("\n\n") + followed;
}

void SerialErrorReporter::lineBack() {
    if (box_ != nullptr)
        box_->done(QMessageBox::Ok);
}

void SerialErrorReporter::showBurst() {
    showChangingMessage(window_, burstText(), box_);
    inBurst_ = false;
}

}  // namespace pelorin
