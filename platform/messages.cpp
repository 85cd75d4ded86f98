// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/messages.h"

#include <QMessageBox>

#include <utility>

namespace pelorin {

namespace {
MessageHook& currentHook() {
    static MessageHook hook;
    return hook;
}
}  // namespace

void showMessage(QWidget* parent, const QString& text) {
    if (const MessageHook& hook = currentHook()) {
        hook(parent, text);
        return;
    }
    QMessageBox::warning(parent, QStringLiteral("Pelorin"), text);
}

void showChangingMessage(QWidget* parent, const QString& text, QPointer<QMessageBox>& box) {
    if (const MessageHook& hook = currentHook()) {
        hook(parent, text);
        return;
    }
    QMessageBox shown(QMessageBox::Warning, QStringLiteral("Pelorin"), text, QMessageBox::Ok,
                      parent);
    box = &shown;
    shown.exec();
    box = nullptr;
}

MessageHook setMessageHook(MessageHook hook) {
    return std::exchange(currentHook(), std::move(hook));
}

}  // namespace pelorin
