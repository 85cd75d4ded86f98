// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// pelorin-txsim: the virtual transmitter as a program of its own.

#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/txsim/commandline.h"
#include "tools/txsim/virtualtransmitter.h"

namespace {

pelorin::txsim::VirtualTransmitter* g_transmitter = nullptr;

extern "C" void onSignal(int) {
    if (g_transmitter)
        g_transmitter->requestStop();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace pelorin::txsim;
    const CommandLine commandLine =
        parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!commandLine.error.empty()) {
        std::fprintf(stderr, "pelorin-txsim: %s\nTry 'pelorin-txsim --help'.\n",
                     commandLine.error.c_str());
        return 2;
    }
    if (commandLine.help) {
        std::fputs(usageText().c_str(), stdout);
        return 0;
    }
    if (commandLine.version) {
        std::puts("pelorin-txsim " PELORIN_VERSION);
        return 0;
    }

    VirtualTransmitter transmitter(commandLine.options);
    const auto start = Clock::now();
    if (!commandLine.quiet) {
        transmitter.log = [start](const std::string& line) {
            const double t = std::chrono::duration<double>(Clock::now() - start).count();
            std::printf("[%8.3f] %s\n", t, line.c_str());
            std::fflush(stdout);
        };
    }

    // The handlers come before the link is registered: a signal that arrives the moment the
    // link exists must still end the run normally, so the link is removed again.
    g_transmitter = &transmitter;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    std::string error;
    if (!transmitter.open(&error)) {
        std::fprintf(stderr, "pelorin-txsim: %s\n", error.c_str());
        return 1;
    }

    if (!commandLine.quiet) {
        std::printf("pelorin-txsim: virtual transmitter on %s, registered as %s\n",
                    transmitter.slavePath().c_str(), transmitter.linkPath().c_str());
        std::printf(
            "pelorin-txsim: %g live frames per second while a program has the line open; "
            "Ctrl+C ends\n",
            commandLine.options.frameRate);
        std::fflush(stdout);
    }

    transmitter.run();
    g_transmitter = nullptr;
    transmitter.closeLine();  // removes the link
    return 0;
}
