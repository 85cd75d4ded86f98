// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What opening a serial device needs of the operating system beyond Qt. Each system has its
// own file (platform/<os>/serialsystem.cpp), chosen by the build.

#include <QString>

#include "platform/portadvice.h"

namespace pelorin {

// A look at whether another opener holds a device in a way this program could get past (on
// Linux, root ignores another opener's exclusive flag). The look keeps the device open until it
// ends, so that the real open made meanwhile is the device's only open: its modem lines go up
// once (an attached board may reset on each drop).
class ExclusiveLook {
public:
    explicit ExclusiveLook(const QString& path);
    ~ExclusiveLook();
    ExclusiveLook(const ExclusiveLook&) = delete;
    ExclusiveLook& operator=(const ExclusiveLook&) = delete;

    [[nodiscard]] bool heldElsewhere() const { return m_held; }

private:
    int m_handle = -1;
    bool m_held = false;
};

// Where a port the system lists comes in the numbering: the kinds a transmitter is most likely
// on first (SerialDevice::rank).
[[nodiscard]] int systemPortRank(const QString& location);

// QSerialPort reports a refused open, a lock held by another program and a device another
// opener holds exclusively all as a permission error: which of them it was.
[[nodiscard]] OpenFailure permissionFailure(const QString& path, const QString& reason);
// The system's reason text for a device held exclusively by another opener, as Qt shows it.
[[nodiscard]] bool isExclusivelyHeldReason(const QString& reason);

}  // namespace pelorin
