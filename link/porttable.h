// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 22 port numbers the program knows ("COM1".."COM22") and the devices they open here.

#include <array>
#include <string>
#include <vector>

#include "link/serialcontrol.h"

namespace pelorin {

inline constexpr int kPortCount = 22;
inline constexpr int kProbedPortCount = 20;  // only COM1..COM20 are ever probed or listed
inline constexpr int kFallbackPort = 21;     // chosen when none of the probed ports opens

struct PortTable {
    // Index i is port number i + 1.
    std::array<std::string, kPortCount> portDeviceNames;   // what opening port i + 1 opens
    std::array<std::string, kPortCount> portDisplayNames;  // "COM1".."COM22"
    std::array<std::string, kPortCount> descriptions;      // for tooltips; may be empty
};

// What port number `number` opens in `table`; a number out of 1..22 has no device.
[[nodiscard]] PortName portName(const PortTable& table, int number);

// A serial device the system reports.
struct SerialDevice {
    std::string path;         // e.g. "/dev/ttyUSB0"
    std::string description;  // e.g. "CP2102 USB to UART Bridge Controller"
    int rank = 0;             // devices of a lower rank come first; the system's to give
    // The USB device behind it, for listings; -1 or empty where the system does not say.
    int vendorId = -1;
    int productId = -1;
    std::string serialNumber{};
};

// Natural order: "ttyUSB2" before "ttyUSB10".
[[nodiscard]] bool naturalLess(const std::string& a, const std::string& b);

// Numbers the devices: virtual transmitters first (sorted by link name), then the system's
// ports by rank (on Linux: USB serial adapters, then CDC-ACM devices, then the rest), each rank
// in natural order. Only the first 22 devices get a number. A number without a device has an
// empty device name: it is never probed, and opening it fails.
[[nodiscard]] PortTable buildPortTable(const std::vector<SerialDevice>& virtualPorts,
                                       const std::vector<SerialDevice>& systemPorts);

}  // namespace pelorin
