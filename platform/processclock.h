// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How much processor time a process has used, for the benchmarks that report the program's
// share of a core beside the X server's or the virtual transmitter's. Linux only (its /proc);
// a program's own time is std::clock().

#include <optional>

namespace pelorin {

// User and system time of the process `processId` so far, in seconds; nothing when the system
// does not tell (the process is gone, or there is no /proc).
[[nodiscard]] std::optional<double> processorSecondsOf(long processId);

}  // namespace pelorin
