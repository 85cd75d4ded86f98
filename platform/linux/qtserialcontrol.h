// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial control over QSerialPort: a port opens the canonical path of its device, received
// bytes are handed over on the user-interface thread, and every failure comes back as a text
// that tells the user what happened and what to do.

#include <QObject>
#include <QSerialPort>
#include <QString>

#include "platform/serialport.h"

namespace pelorin {

class QtSerialControl : public QObject, public SerialControl {
    Q_OBJECT

public:
    explicit QtSerialControl(QObject* parent = nullptr);
    ~QtSerialControl() override;

    [[nodiscard]] bool probe(const PortName& port) override;
    SerialStatus open(const PortName& port, const LineSettings& settings) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override { return m_port.isOpen(); }
    SerialStatus write(std::span<const std::uint8_t> frame) override;

    // The canonical path of the open device.
    [[nodiscard]] const QString& openedPath() const { return m_openedPath; }

private:
    void readData();
    void handleError(QSerialPort::SerialPortError error);
    [[nodiscard]] QString portLabel() const;
    [[nodiscard]] QString comName() const;

    QSerialPort m_port;
    PortName m_name;         // as the table names it, e.g. a virtual transmitter's link
    QString m_openedPath;    // canonical path of the open device
    bool m_calling = false;  // errors raised inside an operation are its result, not an event
    QSerialPort::SerialPortError m_callError = QSerialPort::NoError;
};

}  // namespace pelorin
