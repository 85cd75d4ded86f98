// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The COM ports Windows knows of: every name in HKLM\HARDWARE\DEVICEMAP\SERIALCOMM, with the
// device's friendly name and hardware id from SetupAPI where the system has them.

#include <QList>
#include <QString>

namespace pelorin::windows {

struct ComPort {
    QString name;         // "COM3"
    QString description;  // "USB-SERIAL CH340 (COM3)"; empty where Windows gives none
    QString hardwareId;   // "USB\VID_1A86&PID_7523&REV_0264"; empty for a built-in port
};

// Sorted by port number (COM2 before COM10), each number once.
[[nodiscard]] QList<ComPort> listComPorts();

// 3 for "COM3" or "\\.\com3"; 0 for anything else.
[[nodiscard]] int comPortNumber(const QString& name);

// The vendor and product of a USB hardware id ("USB\VID_1A86&PID_7523&REV_0264"); -1 where
// the id names none.
struct UsbIds {
    int vendor = -1;
    int product = -1;
};
[[nodiscard]] UsbIds usbIds(const QString& hardwareId);

}  // namespace pelorin::windows
