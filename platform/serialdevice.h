// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What opening a serial device takes on this system beside QSerialPort itself
// (platform/<os>/serialdevice.cpp): the path to open, the open with its failure told apart in
// the user's terms, who holds a device, and whether a device that stopped answering is gone.

#include <QSerialPort>
#include <QString>

#include <optional>
#include <utility>

#include "platform/portadvice.h"

namespace pelorin {

// The path to open for the device a port names: on Linux its canonical path (QSerialPort locks
// the path it is given, so a link and its target never open at once), on Windows the device
// name itself. Empty, with `reason` saying why, when there is nothing to open.
[[nodiscard]] QString serialPathToOpen(const QString& device, QString& reason);

// Opens `path` on `port`, whose line settings are set, with the modem lines up. On failure,
// what kind of failure it is and the system's reason.
[[nodiscard]] std::optional<std::pair<OpenFailure, QString>> openSerialDevice(QSerialPort& port,
                                                                              const QString& path);

// The programs that hold the device at `path`, where the system can tell.
[[nodiscard]] DeviceHolderScan serialDeviceHolders(const QString& path);

// Whether the device at `path`, open until now, has left the system (an adapter unplugged).
[[nodiscard]] bool serialDeviceGone(const QString& path);

// QSerialPort's text for its last error as a reason inside a sentence: no final full stop
// (Windows ends its texts with one). The same on every system.
[[nodiscard]] QString serialErrorReason(const QSerialPort& port);

}  // namespace pelorin
