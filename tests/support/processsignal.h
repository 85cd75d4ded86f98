// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Signals as a user sends them with kill(1), for tests of how a program ends on each, and
// whether the tests run as root, who may send any and open what others may not.
// POSIX systems only (posix/processsignal.cpp).

namespace pelorin::test {

// Sends `signal` (SIGTERM, SIGINT, ... from <csignal>) to the process `processId`; false
// when the system refuses.
bool sendSignal(long long processId, int signal);

// This process runs with root's privilege.
[[nodiscard]] bool runsAsRoot();

}  // namespace pelorin::test
