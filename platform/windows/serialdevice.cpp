// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Serial devices on Windows: \\.\COM<n>, which Windows opens for one program at a time.
#include "platform/serialdevice.h"

#include <QSerialPortInfo>

#include <algorithm>

namespace pelorin {

QString serialPathToOpen(const QString& device, QString& reason) {
    Q_UNUSED(reason);
    return device;
}

std::optional<std::pair<OpenFailure, QString>> openSerialDevice(QSerialPort& port,
                                                                const QString& path) {
    port.setPortName(path);
    port.clearError();
    if (port.open(QIODevice::ReadWrite)) {
        // Windows leaves the modem lines as the last program set them; an adapter that takes its
        // power or its enable from them needs them up. A port without them (a pseudo-terminal
        // under Wine) refuses, which is no fault of the port.
        port.setDataTerminalReady(true);
        port.setRequestToSend(true);
        port.clearError();
        return std::nullopt;
    }
    const QString reason = serialErrorReason(port);
    switch (port.error()) {
        case QSerialPort::DeviceNotFoundError:
            return std::pair{OpenFailure::NotFound, reason};
        case QSerialPort::PermissionError:
            // Access denied: another program has the port open.
            return std::pair{OpenFailure::Busy, reason};
        default:
            return std::pair{OpenFailure::Other, reason};
    }
}

DeviceHolderScan serialDeviceHolders(const QString& path) {
    Q_UNUSED(path);
    return {};
}

bool serialDeviceGone(const QString& path) {
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    return std::none_of(ports.begin(), ports.end(), [&](const QSerialPortInfo& info) {
        return info.systemLocation().compare(path, Qt::CaseInsensitive) == 0;
    });
}

}  // namespace pelorin
