// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/forkedprocess.h"

#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pelorin::test {

ForkedProcess::ForkedProcess(const Work& work) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        int said = pipeEnds[1];
        ::_exit(work([&said] {
            if (said < 0)
                return;
            [[maybe_unused]] const ssize_t n = ::write(said, "1", 1);
            ::close(said);
            said = -1;
        }));
    }
    ::close(pipeEnds[1]);
    processId_ = child;
    if (child > 0)
        underWay_ = pipeEnds[0];
    else
        ::close(pipeEnds[0]);
}

ForkedProcess::~ForkedProcess() {
    kill();
    if (underWay_ >= 0)
        ::close(underWay_);
}

bool ForkedProcess::waitUntilUnderWay() {
    if (underWay_ < 0)
        return false;
    char byte = 0;
    const bool said = ::read(underWay_, &byte, 1) == 1;
    ::close(underWay_);
    underWay_ = -1;
    return said;
}

bool ForkedProcess::kill() {
    if (processId_ <= 0 || reaped_)
        return false;
    const auto child = static_cast<pid_t>(processId_);
    ::kill(child, SIGKILL);
    int status = 0;
    reaped_ = ::waitpid(child, &status, 0) == child;
    return reaped_ && WIFSIGNALED(status);
}

}  // namespace pelorin::test
