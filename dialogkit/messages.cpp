// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogkit/messages.h"

#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace pelorin {

namespace {
MessageHook& currentHook() {
    static MessageHook hook;
    return hook;
}
QuestionHook& currentQuestionHook() {
    static QuestionHook hook;
    return hook;
}
}  // namespace

bool askToGoOn(QWidget* parent, const QString& text, const QString& yes) {
    if (const QuestionHook& hook = currentQuestionHook())
        return hook(parent, text);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Pelorin"), text, QMessageBox::NoButton,
                    parent);
    QPushButton* goOn = box.addButton(yes, QMessageBox::DestructiveRole);
    QPushButton* stop = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(stop);
    box.setEscapeButton(stop);
    box.exec();
    return box.clickedButton() == goOn;
}

QuestionHook setQuestionHook(QuestionHook hook) {
    return std::exchange(currentQuestionHook(), std::move(hook));
}

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
