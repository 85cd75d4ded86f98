// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/stopsignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace pelorin {

namespace {

constexpr std::array<int, 4> kEndSignals{SIGINT, SIGTERM, SIGHUP, SIGPIPE};

// The handler only writes the signal's number into a pipe; a socket notifier reads it on the
// event loop. One pipe per StopSignals, the innermost one receiving.
volatile std::sig_atomic_t g_writeEnd = -1;

extern "C" void onEndSignal(int signal) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_writeEnd, &byte, 1);
    errno = saved;
}

}  // namespace

struct StopSignals::State {
    std::array<int, 2> pipe{-1, -1};
    std::unique_ptr<QSocketNotifier> notifier;
    std::vector<std::pair<int, struct sigaction>> previous;
    std::sig_atomic_t previousWriteEnd = -1;
};

StopSignals::StopSignals(std::function<void(int)> onStop, bool withBrokenPipe)
    : m_state(std::make_unique<State>()) {
    State& s = *m_state;
    if (::pipe2(s.pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    s.notifier = std::make_unique<QSocketNotifier>(s.pipe[0], QSocketNotifier::Read);
    const int readEnd = s.pipe[0];
    QObject::connect(s.notifier.get(), &QSocketNotifier::activated, s.notifier.get(),
                     [readEnd, onStop = std::move(onStop)] {
                         unsigned char byte = 0;
                         int last = 0;
                         while (::read(readEnd, &byte, 1) > 0)
                             last = byte;
                         if (last != 0)
                             onStop(last);
                     });
    s.previousWriteEnd = g_writeEnd;
    g_writeEnd = s.pipe[1];
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kEndSignals) {
        if (signal == SIGPIPE && !withBrokenPipe)
            continue;
        struct sigaction before {};
        sigaction(signal, &action, &before);
        s.previous.emplace_back(signal, before);
    }
}

StopSignals::~StopSignals() {
    State& s = *m_state;
    if (!s.notifier)
        return;
    for (const auto& [signal, before] : s.previous)
        sigaction(signal, &before, nullptr);
    g_writeEnd = s.previousWriteEnd;
    s.notifier.reset();
    ::close(s.pipe[0]);
    ::close(s.pipe[1]);
}

void StopSignals::endAs(int signal) {
    std::signal(signal, SIG_DFL);
    ::raise(signal);
    std::_Exit(128 + signal);  // a signal that was blocked: end with the shell's number for it
}

}  // namespace pelorin
