// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/processsignal.h"

#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

namespace pelorin::test {

bool sendSignal(long long processId, int signal) {
    return processId > 0 && ::kill(static_cast<pid_t>(processId), signal) == 0;
}

bool runsAsRoot() {
    return ::geteuid() == 0;
}

}  // namespace pelorin::test
