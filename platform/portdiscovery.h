// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding the serial ports of this machine. On Linux: virtual transmitters first (links in the
// virtual-port folder), then what the system lists, in buildPortTable's order. On Windows the
// numbers are the system's own COM numbers.

#include <QString>

#include <string>
#include <vector>

#include "link/porttable.h"

namespace pelorin {

// <runtime dir>/pelorin/ports, where each running virtual transmitter keeps a symbolic link to
// its pseudo-terminal. The runtime dir is QStandardPaths::RuntimeLocation: $XDG_RUNTIME_DIR,
// or <temp>/runtime-<user> when that is not set. Empty if there is no usable runtime dir.
[[nodiscard]] QString virtualPortFolder();

// The links in the virtual-port folder, sorted by name. A link is listed whatever its target;
// one that points nowhere is simply a port that does not open.
[[nodiscard]] std::vector<SerialDevice> discoverVirtualPorts();

// Every port the system lists, with a description for tooltips and its USB identity
// (platform/<os>/).
[[nodiscard]] std::vector<SerialDevice> discoverSystemPorts();

// The port table of this system with these system ports: on Linux the virtual ports and them,
// numbered COM1.. by buildPortTable; on Windows COM<n> is the system's COM<n>.
[[nodiscard]] PortTable portTableOf(const std::vector<SerialDevice>& systemPorts);
// The same with the ports the system lists now.
[[nodiscard]] PortTable discoverPortTable();

}  // namespace pelorin
