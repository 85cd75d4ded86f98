// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving modal dialogs from tests. A modal run blocks the test in its nested event loop, so
// the test's actions on the dialog are queued first and run from that loop once it is up.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

#include "platform/messages.h"

namespace pelorin::test {

// Runs `action` on the next modal widget of type T that opens (any modal widget other than
// the one active now). Gives up after `timeoutMs`; a test that expected a dialog then fails on
// its own checks.
template <class T = QDialog>
void whenModalOpens(std::function<void(T*)> action, int timeoutMs = 5000) {
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto* timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [=]() {
        QWidget* modal = QApplication::activeModalWidget();
        T* target = modal && modal != before.data() ? qobject_cast<T*>(modal) : nullptr;
        if (target == nullptr && clock->elapsed() < timeoutMs)
            return;
        timer->stop();
        timer->deleteLater();
        if (target != nullptr)
            action(target);
    });
    timer->start(1);
}

// Types `text` into the edit field with the given control id, replacing what was there.
inline void setFieldText(QWidget* dialog, int id, const QString& text) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("control%1").arg(id));
    if (edit != nullptr)
        edit->setText(text);
}

// Collects the messages the program shows instead of opening message boxes.
class MessageRecorder {
public:
    MessageRecorder()
        : previous_(setMessageHook([this](QWidget*, const QString& text) { messages << text; })) {}
    ~MessageRecorder() { setMessageHook(previous_); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList messages;

private:
    MessageHook previous_;
};

}  // namespace pelorin::test
