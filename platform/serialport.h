// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial control of the system the program runs on, and what goes with it. Each system
// has its own (platform/linux/ over QSerialPort, platform/windows/ over the Win32 API).

#include <QString>

#include <memory>

#include "link/serialcontrol.h"

namespace pelorin {

// A serial control for this system, with no port open.
[[nodiscard]] std::unique_ptr<SerialControl> makeSerialControl();

// Whether `port` opens now, tried as a probe tries it (exclusively, closed again at once).
// Empty when it opens; otherwise the text shown when the port does not open, naming the reason
// and, where the system can tell, the programs that hold it.
[[nodiscard]] QString probeProblem(const PortName& port);

// Closes every port any control of this program has open: for an end by signal or console
// event, so that no port is left held.
void closeAllSerialPorts();

}  // namespace pelorin
