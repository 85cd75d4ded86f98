// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The end signals' one use that every system shares; catching them is each system's own
// (platform/<os>/stopsignals.cpp).
#include "platform/stopsignals.h"

#include "platform/serialport.h"

namespace pelorin {

void closePortsOnStopSignals() {
    static StopSignals forTheRun(
        [](int signal) {
            closeAllSerialPorts();
            StopSignals::endAs(signal);
        },
        true);
}

}  // namespace pelorin
