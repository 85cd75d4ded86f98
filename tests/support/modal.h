// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving modal dialogs from tests. A modal run blocks the test in its nested event loop, so
// the test's actions on the dialog are queued first and run from that loop once it is up.
//
// No modal window can outlive the test's interest in it, so a failed check never leaves the
// test waiting for CTest's time-out:
// - a window the test's action leaves open is closed once the action returns, and the test
//   fails naming it (unless the test asked for LeftOpen::Cancel and nothing failed);
// - a modal window that nothing in the test acts on (an unexpected dialog, or one of another
//   type than the test waits for) is closed after kUnattendedModalMs, and the test fails
//   naming it;
// - actions still waiting when a test ends are dropped, so they cannot act on a later test's
//   windows.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

#include "dialogkit/messages.h"

namespace pelorin::test {

// What happens to the window when the test's action has returned and it is still open.
enum class LeftOpen {
    Fail,    // the action was meant to close it: the test fails naming it, and it is cancelled
    Cancel,  // closing is left to the helper: cancelled quietly, unless a check inside failed
};

// How long a queued action waits for its window, and how long a modal window may stay open
// with nothing in the test acting on it.
inline constexpr int kModalWaitMs = 5000;
inline constexpr int kUnattendedModalMs = 3000;

// "pelorin::EndPointDialog \"End Point\"": a window's class, title and object name, for
// failure messages.
[[nodiscard]] std::string describeWindow(const QWidget* window);

// Ends a modal window's run whatever kind of window it is (Cancel for a dialog).
void closeModalWindow(QWidget* window);

// Drops every queued action that has not run yet; done when each test ends.
void cancelPendingModalActions();

// Runs the watch for unattended modal windows in every test and cleans up after each one
// (the test main installs it once, after GoogleTest is initialised).
void installModalWindowGuard();

namespace detail {
// Runs `action` on `target`, then treats a window still open as `leftOpen` says.
void actOnModal(QWidget* target, const std::function<void()>& action, LeftOpen leftOpen);
// Keeps `timer` (a queued action waiting for a window of class `waitingFor`) until it is done
// or the test ends, and makes sure the watchdog for unattended windows runs.
void trackPending(QTimer* timer, const char* waitingFor);
}  // namespace detail

// Runs `action` on the next modal widget of type T that opens (any modal widget other than
// the one active now). Gives up after `timeoutMs`; a test that expected a dialog then fails on
// its own checks. Whatever the action leaves open is closed as `leftOpen` says.
template <class T = QDialog>
void whenModalOpens(std::function<void(T*)> action, int timeoutMs = kModalWaitMs,
                    LeftOpen leftOpen = LeftOpen::Fail) {
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto* timer = new QTimer;
    detail::trackPending(timer, T::staticMetaObject.className());
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
            detail::actOnModal(
                target, [&action, target]() { action(target); }, leftOpen);
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
        : previous_(setMessageHook([this](QWidget*, const QString& text) { messages << text; })),
          previousQuestion_(setQuestionHook([this](QWidget*, const QString& text) {
              questions << text;
              return answer;
          })) {}
    ~MessageRecorder() {
        setMessageHook(previous_);
        setQuestionHook(previousQuestion_);
    }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList messages;
    QStringList questions;  // askToGoOn's, each answered with `answer`
    bool answer = false;

private:
    MessageHook previous_;
    QuestionHook previousQuestion_;
};

}  // namespace pelorin::test
