// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// On Windows the requests to end are console events: Ctrl+C, Ctrl+Break, the console window
// closed, the user logging off, the system shutting down. Windows calls the handler on a thread
// of its own; the handler hands the event to the event loop and waits there, because for the
// last three the process ends as soon as the handler returns.
#include "platform/stopsignals.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <csignal>
#include <cstdlib>
#include <mutex>
#include <vector>

#include <windows.h>

namespace pelorin {

namespace {

// The numbers onStop receives, as the C runtime names them.
int signalOf(DWORD event) {
    switch (event) {
        case CTRL_C_EVENT:
            return SIGINT;
        case CTRL_BREAK_EVENT:
            return SIGBREAK;
        default:
            return SIGTERM;
    }
}

// The innermost StopSignals receives.
std::mutex g_mutex;
std::vector<std::function<void(int)>*> g_receivers;

BOOL WINAPI onConsoleEvent(DWORD event) {
    std::function<void(int)>* receiver = nullptr;
    {
        const std::lock_guard lock(g_mutex);
        if (g_receivers.empty())
            return FALSE;
        receiver = g_receivers.back();
    }
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || QThread::currentThread() == app->thread())
        return FALSE;
    const int signal = signalOf(event);
    QMetaObject::invokeMethod(
        app, [receiver, signal] { (*receiver)(signal); }, Qt::BlockingQueuedConnection);
    return TRUE;
}

}  // namespace

struct StopSignals::State {
    std::function<void(int)> onStop;
};

StopSignals::StopSignals(std::function<void(int)> onStop, bool withBrokenPipe)
    : m_state(std::make_unique<State>()) {
    // A write to a pipe nobody reads fails on Windows; no event ends the program for it.
    Q_UNUSED(withBrokenPipe);
    m_state->onStop = std::move(onStop);
    const std::lock_guard lock(g_mutex);
    if (g_receivers.empty())
        SetConsoleCtrlHandler(onConsoleEvent, TRUE);
    g_receivers.push_back(&m_state->onStop);
}

StopSignals::~StopSignals() {
    const std::lock_guard lock(g_mutex);
    std::erase(g_receivers, &m_state->onStop);
    if (g_receivers.empty())
        SetConsoleCtrlHandler(onConsoleEvent, FALSE);
}

// The exit status Windows gives a console program ended by Ctrl+C.
void StopSignals::endAs(int signal) {
    Q_UNUSED(signal);
    std::fflush(nullptr);
    ExitProcess(STATUS_CONTROL_C_EXIT);
}

}  // namespace pelorin
