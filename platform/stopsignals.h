// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signals that ask a program to end (Ctrl+C, a terminate request, a hang-up, and a write
// to a pipe nobody reads any more) turned into a call on the event loop, where ending is safe.
// Each system has its own file (platform/<os>/stopsignals.cpp).

#include <functional>
#include <memory>

namespace pelorin {

class StopSignals {
public:
    // While this object lives, the end signals call `onStop` with the signal's number on the
    // event loop instead of ending the program; `withBrokenPipe` includes the broken pipe.
    // The handlers before it come back when it ends.
    explicit StopSignals(std::function<void(int signal)> onStop, bool withBrokenPipe = false);
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Ends the program as `signal` would have ended it without a handler.
    [[noreturn]] static void endAs(int signal);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// For the program's whole run: every end signal closes the open serial ports (so no terminal
// is left exclusive and no lock file behind) and then ends the program as the signal would.
void closePortsOnStopSignals();

}  // namespace pelorin
