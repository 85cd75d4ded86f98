// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for tests over real pseudo-terminals: a private runtime dir (so a developer's
// running simulator is never seen), waiting on conditions while Qt delivers events, and the
// process's CPU time.

#include <QByteArray>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <ctime>
#include <memory>
#include <string>

#include "link/frames.h"
#include "tools/txsim/virtualtransmitter.h"

namespace pelorin::testing {

// Points XDG_RUNTIME_DIR (and so the virtual-port folder) at a fresh folder for its lifetime.
class PrivateRuntimeDir {
public:
    PrivateRuntimeDir()
        : previous_(qgetenv("XDG_RUNTIME_DIR")),
          hadPrevious_(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", dir_.path().toLocal8Bit());
    }
    ~PrivateRuntimeDir() {
        if (hadPrevious_) {
            qputenv("XDG_RUNTIME_DIR", previous_);
        } else {
            qunsetenv("XDG_RUNTIME_DIR");
        }
    }
    [[nodiscard]] bool isValid() const { return dir_.isValid(); }
    [[nodiscard]] QString path() const { return dir_.path(); }
    [[nodiscard]] QString portFolder() const {
        return dir_.path() + QStringLiteral("/pelorin/ports");
    }

private:
    QTemporaryDir dir_;
    QByteArray previous_;
    bool hadPrevious_;
};

// A virtual transmitter on its own thread under a fixed link name; no live stream unless asked.
inline std::unique_ptr<txsim::VirtualTransmitter> startTransmitter(const std::string& linkName,
                                                                   txsim::Options options = {}) {
    options.linkName = linkName;
    auto transmitter = std::make_unique<txsim::VirtualTransmitter>(std::move(options));
    std::string error;
    if (!transmitter->start(&error))
        ADD_FAILURE() << "virtual transmitter: " << error;
    return transmitter;
}

inline txsim::Options quietOptions() {
    txsim::Options options;
    options.frameRate = 0;
    return options;
}

// Waits while Qt delivers events; true as soon as the condition holds.
template <typename Condition>
bool waitFor(Condition condition, int timeoutMs = 5000) {
    return QTest::qWaitFor(condition, timeoutMs);
}

// How often a socket notifier woke the event loop while it ran for `ms` milliseconds. A port
// left polling a line that is gone wakes it thousands of times a second; a closed one never.
// A count, so the machine's speed and load do not matter.
inline int notifierWakeups(int ms) {
    struct Counter : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            count += event->type() == QEvent::SockAct ? 1 : 0;
            return false;
        }
    } counter;
    QCoreApplication::instance()->installEventFilter(&counter);
    QTest::qWait(ms);
    QCoreApplication::instance()->removeEventFilter(&counter);
    return counter.count;
}

inline std::chrono::nanoseconds processCpuTime() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
}

template <std::size_t N>
std::vector<std::uint8_t> bytesOf(const std::array<std::uint8_t, N>& frame) {
    return {frame.begin(), frame.end()};
}

}  // namespace pelorin::testing
