// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/modal.h"

#include <gtest/gtest.h>

#include <QList>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace pelorin::test {

namespace {

struct PendingAction {
    QPointer<QTimer> timer;
    const char* waitingFor;
};

// Queued actions not yet run, and the windows whose action is running now (innermost last).
QList<PendingAction>& pendingActions() {
    static QList<PendingAction> list;
    return list;
}
QList<QPointer<QWidget>>& windowsActedOn() {
    static QList<QPointer<QWidget>> list;
    return list;
}

std::string waitingForText() {
    std::string text;
    for (const PendingAction& pending : pendingActions()) {
        if (pending.timer.isNull() || !pending.timer->isActive())
            continue;
        text += text.empty() ? " (the test waits for " : ", ";
        text += pending.waitingFor;
    }
    return text.empty() ? text : text + ")";
}

int failedPartsSoFar() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (test == nullptr)
        return 0;
    const ::testing::TestResult* result = test->result();
    int failed = 0;
    for (int i = 0; i < result->total_part_count(); ++i)
        failed += result->GetTestPartResult(i).failed() ? 1 : 0;
    return failed;
}

// Closes a modal window that has been open for kUnattendedModalMs while no test action runs
// on it. It looks a few times a second; a window the test acts on is claimed within a
// millisecond of opening.
class UnattendedModalWatch {
public:
    static void ensureRunning() {
        static QPointer<QTimer> tick;
        if (tick.isNull() && qApp != nullptr) {
            tick = new QTimer(qApp);
            tick->setInterval(100);
            QObject::connect(tick, &QTimer::timeout, []() { instance().check(); });
        }
        if (!tick.isNull() && !tick->isActive())
            tick->start();
    }
    static void forget() { instance().seen_ = nullptr; }

private:
    static UnattendedModalWatch& instance() {
        static UnattendedModalWatch watch;
        return watch;
    }

    void check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || windowsActedOn().contains(modal)) {
            seen_ = nullptr;
            return;
        }
        if (modal != seen_.data()) {
            seen_ = modal;
            since_.start();
            return;
        }
        if (since_.elapsed() < kUnattendedModalMs)
            return;
        seen_ = nullptr;
        ADD_FAILURE() << "the modal window " << describeWindow(modal)
                      << " stayed open with nothing in the test acting on it" << waitingForText()
                      << "; it was cancelled";
        closeModalWindow(modal);
    }

    QPointer<QWidget> seen_;
    QElapsedTimer since_;
};

// Each test starts with the watch running and ends with nothing queued and no window open.
class ModalWindowListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        UnattendedModalWatch::forget();
        UnattendedModalWatch::ensureRunning();
    }
    void OnTestEnd(const ::testing::TestInfo& test) override {
        cancelPendingModalActions();
        // Only a window opened without a run of its own (QDialog::open) can still be up here.
        while (QWidget* modal = QApplication::activeModalWidget()) {
            std::fprintf(stderr, "%s.%s left the modal window %s open; it was cancelled\n",
                         test.test_suite_name(), test.name(), describeWindow(modal).c_str());
            closeModalWindow(modal);
            if (QApplication::activeModalWidget() == modal)
                break;
        }
        UnattendedModalWatch::forget();
    }
};

}  // namespace

std::string describeWindow(const QWidget* window) {
    if (window == nullptr)
        return "(none)";
    std::string text = window->metaObject()->className();
    text += " \"" + window->windowTitle().toStdString() + "\"";
    if (!window->objectName().isEmpty())
        text += " (" + window->objectName().toStdString() + ")";
    return text;
}

void closeModalWindow(QWidget* window) {
    QPointer<QWidget> guard(window);
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->reject();
        // A dialog whose Cancel refuses still ends its run.
        if (!guard.isNull() && dialog->isVisible())
            dialog->done(QDialog::Rejected);
    } else if (window != nullptr) {
        window->close();
    }
    if (!guard.isNull() && guard->isVisible())
        guard->hide();
}

void installModalWindowGuard() {
    ::testing::UnitTest::GetInstance()->listeners().Append(new ModalWindowListener);
}

void cancelPendingModalActions() {
    for (const PendingAction& pending : std::exchange(pendingActions(), {})) {
        if (!pending.timer.isNull() && pending.timer->isActive())
            delete pending.timer.data();
    }
}

namespace detail {

void actOnModal(QWidget* target, const std::function<void()>& action, LeftOpen leftOpen) {
    const int failedBefore = failedPartsSoFar();
    QPointer<QWidget> guard(target);
    windowsActedOn().append(guard);
    action();
    windowsActedOn().removeLast();
    if (guard.isNull() || !guard->isVisible() || QApplication::activeModalWidget() != guard)
        return;
    const bool failedInside = failedPartsSoFar() > failedBefore;
    if (leftOpen == LeftOpen::Fail || failedInside) {
        ADD_FAILURE() << "the modal window " << describeWindow(guard)
                      << (failedInside ? " was left open by a failed check"
                                       : " was left open by the test's actions")
                      << "; it was cancelled";
    }
    closeModalWindow(guard);
}

void trackPending(QTimer* timer, const char* waitingFor) {
    UnattendedModalWatch::ensureRunning();
    QList<PendingAction>& pending = pendingActions();
    pending.erase(std::remove_if(pending.begin(), pending.end(),
                                 [](const PendingAction& p) {
                                     return p.timer.isNull() || !p.timer->isActive();
                                 }),
                  pending.end());
    pending.append({timer, waitingFor});
}

}  // namespace detail

}  // namespace pelorin::test
