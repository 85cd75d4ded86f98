// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Messages to the user. Tests replace the message box with a recorder, so a refused OK or a
// serial error can be checked without a modal box in the way.

#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <functional>

class QWidget;

namespace pelorin {

// Shows a warning box over `parent` with the program's name as its title.
void showMessage(QWidget* parent, const QString& text);

// The same box for a message whose text may change while it is up: `box` points at it while
// it is shown (and is null under a test hook, which gets the text as it is when shown).
void showChangingMessage(QWidget* parent, const QString& text, QPointer<QMessageBox>& box);

// Asks a question that may lose something: `yes` names what answering yes does ("Replace").
// The default answer, for Return and Escape alike, is no. True when the user chose yes.
[[nodiscard]] bool askToGoOn(QWidget* parent, const QString& text, const QString& yes);

using MessageHook = std::function<void(QWidget* parent, const QString& text)>;
// Replaces how messages are shown (an empty hook restores the box); returns the previous hook.
MessageHook setMessageHook(MessageHook hook);

using QuestionHook = std::function<bool(QWidget* parent, const QString& text)>;
// Replaces how askToGoOn asks (an empty hook restores the box); returns the previous hook.
QuestionHook setQuestionHook(QuestionHook hook);

}  // namespace pelorin
