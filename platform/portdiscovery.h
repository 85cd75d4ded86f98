// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding the serial ports of this machine. On Linux: virtual transmitters first (links in the
// virtual-port folder), then what the system lists, in buildPortTable's order. On Windows the
// numbers are the system's own COM numbers.

#include <QString>

#include <map>
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
[[nodiscard]] std::vector<SerialDevice> discoverVirtualPorts(const QString& folder);

// Every port the system lists, with a description for tooltips (platform/<os>/).
[[nodiscard]] std::vector<SerialDevice> discoverSystemPorts();

// What identifies the USB device behind a system port, for listings; -1 or empty where the
// system does not say.
struct UsbIdentity {
    int vendorId = -1;
    int productId = -1;
    QString serialNumber;
};
// By device, as discoverSystemPorts names it; ports that are no USB device are left out.
[[nodiscard]] std::map<std::string, UsbIdentity> discoverUsbIdentities();

// The port table of this system: on Linux both of the above, numbered COM1.. by
// buildPortTable; on Windows COM<n> is the system's COM<n>.
[[nodiscard]] PortTable discoverPortTable();

}  // namespace pelorin
