// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Being told that serial devices came or went, without polling: each system has its own way
// (platform/<os>/devicewatch.cpp), for example a watch on the device folders or the system's
// device-change broadcast.

#include <QObject>
#include <QString>

#include <memory>

namespace pelorin {

class DeviceWatch : public QObject {
    Q_OBJECT

public:
    explicit DeviceWatch(QObject* parent = nullptr);
    ~DeviceWatch() override;

signals:
    // A serial device may have appeared or gone; several changes may come as one signal, and
    // a signal may come for a change that touched no serial device.
    void devicesChanged();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// The name a device keeps when it goes away and comes back: on Linux a USB adapter's
// /dev/serial/by-id link, a virtual transmitter's link, else the path itself; on Windows the
// COM name. Two devices with the same stable name are the same transmitter's port.
[[nodiscard]] QString stableDeviceName(const QString& device);

// What tells one virtual transmitter's link from the next made under the same name: a link
// removed and made anew has another identity, one left behind by a transmitter that was killed
// keeps its own, even once its terminal's number is given to another program. Empty for
// anything that is not such a link (on Windows, every port).
[[nodiscard]] QString virtualLinkIdentity(const QString& device);

}  // namespace pelorin
