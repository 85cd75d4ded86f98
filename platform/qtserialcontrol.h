// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial control over QSerialPort: ports are numbered by discovery, a port number opens the
// canonical path of its device, received bytes are announced on the user-interface thread, and
// every failure comes back as a text that tells the user what happened and what to do.

#include <QObject>
#include <QSerialPort>
#include <QString>

#include <functional>
#include <optional>
#include <string_view>

#include "link/serialcontrol.h"
#include "platform/deviceholders.h"
#include "platform/portadvice.h"

namespace pelorin {

// "115200,n,8,1": baud rate, parity (n, e, o, m, s), data bits (5..8), stop bits (1, 1.5, 2).
struct LineSettings {
    qint32 baudRate = 115200;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    friend bool operator==(const LineSettings&, const LineSettings&) = default;
};
[[nodiscard]] std::optional<LineSettings> parseLineSettings(std::string_view text);

// Whether the device of port `comName` opens now, tried as a probe tries it (exclusively,
// closed again at once). Empty when it opens; otherwise the text shown when the port does not
// open, naming the reason and the programs that hold it.
[[nodiscard]] QString probeProblem(const QString& comName, const QString& device);

class QtSerialControl : public QObject, public SerialControl {
    Q_OBJECT

public:
    using Discovery = std::function<PortTable()>;

    // `discovery` numbers the ports at every refresh; by default the virtual transmitters and
    // the system's ports (discoverPortTable). Tests hand in a narrower one.
    explicit QtSerialControl(Discovery discovery = {}, QObject* parent = nullptr);
    ~QtSerialControl() override;

    const PortTable& refreshPortTable() override;
    // Numbers the ports by `table` until the next refresh, as if a refresh had given it: for a
    // caller that has just looked for the ports itself (the command line's --port).
    void usePortTable(PortTable table);
    [[nodiscard]] const PortTable& portTable() const override { return m_table; }
    [[nodiscard]] bool probe(const std::string& deviceName) override;

    SerialStatus setCommPort(int portNumber) override;
    SerialStatus setInBufferSize(int bytes) override;
    SerialStatus setOutBufferSize(int bytes) override;
    SerialStatus setInputMode(InputMode mode) override;
    SerialStatus setRThreshold(int bytes) override;
    SerialStatus setInputLen(int bytes) override;
    SerialStatus setSettings(std::string_view settings) override;
    [[nodiscard]] int commPort() const override { return m_commPort; }

    SerialStatus setPortOpen(bool open) override;
    [[nodiscard]] bool portOpen() const override { return m_port.isOpen(); }

    [[nodiscard]] std::size_t inBufferCount() const override;
    std::size_t readInput(std::span<std::uint8_t> into) override;
    SerialStatus writeOutput(std::span<const std::uint8_t> bytes) override;

    // The device the current port number opens (as in the table) and where it leads.
    [[nodiscard]] const QString& deviceName() const { return m_device; }
    [[nodiscard]] const QString& openedPath() const { return m_openedPath; }

private:
    void readData();
    void handleError(QSerialPort::SerialPortError error);
    [[nodiscard]] QString comName() const;
    [[nodiscard]] QString portLabel() const;
    [[nodiscard]] SerialStatus failure(const QString& text) const;
    void applyLineSettings();

    static constexpr int kMaxBufferSize = 32767;

    Discovery m_discovery;
    PortTable m_table;
    QSerialPort m_port;
    int m_commPort = 1;
    QString m_device;      // as the table names it, e.g. a virtual transmitter's link
    QString m_openedPath;  // canonical path of the open device
    LineSettings m_lineSettings;
    int m_inBufferSize = kSerialBufferSize;
    int m_outBufferSize = kSerialBufferSize;
    int m_rThreshold = 1;
    int m_inputLen = 0;
    InputMode m_inputMode = InputMode::Binary;
    bool m_tableBuilt = false;
    bool m_calling = false;  // errors raised inside an operation are its result, not an event
    QSerialPort::SerialPortError m_callError = QSerialPort::NoError;
};

}  // namespace pelorin
