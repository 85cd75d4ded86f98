// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The port table of Linux: the virtual transmitters first, then the system's ports with the
// likeliest transmitter first, numbered COM1.. in that order.
#include "platform/portdiscovery.h"

namespace pelorin {

namespace {

// Where a transmitter is most likely: USB serial adapters, then CDC-ACM devices, the rest last.
int rankOf(const std::string& path) {
    const std::string name = path.substr(path.rfind('/') + 1);
    return name.starts_with("ttyUSB") ? 0 : name.starts_with("ttyACM") ? 1 : 2;
}

}  // namespace

PortTable portTableOf(const std::vector<SerialDevice>& systemPorts) {
    std::vector<SerialDevice> ranked = systemPorts;
    for (SerialDevice& port : ranked)
        port.rank = rankOf(port.path);
    return buildPortTable(discoverVirtualPorts(), ranked);
}

}  // namespace pelorin
