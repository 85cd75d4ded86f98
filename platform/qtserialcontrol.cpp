// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtserialcontrol.h"

#include <set>

#include "platform/portadvice.h"
#include "platform/serialdevice.h"

namespace pelorin {

namespace {

// The controls that have a port open, for closeAllSerialPorts(). All on the user-interface thread.
std::set<QtSerialControl*>& openControls() {
    static std::set<QtSerialControl*> controls;
    return controls;
}

// Room in the output buffer: the longest frame fits whole many times over.
constexpr qint64 kOutBufferSize = 512;

// Opens the device a port number names, as the control does; on failure the text for the user.
// `openedPath` receives the path that was opened (on Linux the canonical one).
std::optional<QString> openPort(QSerialPort& port, const QString& comName, const QString& device,
                                QString* openedPath = nullptr) {
    if (device.isEmpty())
        return openErrorText(comName, {}, {}, OpenFailure::NoDevice, {});
    QString reason;
    const QString path = serialPathToOpen(device, reason);
    if (path.isEmpty())
        return openErrorText(comName, device, {}, OpenFailure::NotFound, reason);
    const auto failed = openSerialDevice(port, path);
    if (!failed) {
        if (openedPath)
            *openedPath = path;
        return std::nullopt;
    }
    DeviceHolderScan holders;
    if (failed->first == OpenFailure::Busy || failed->first == OpenFailure::PermissionDenied)
        holders = serialDeviceHolders(path);
    return openErrorText(comName, device, path, failed->first, failed->second, holders);
}

void applyLineSettings(QSerialPort& port, const LineSettings& settings) {
    // Set before opening, QSerialPort applies them when the port opens.
    port.setBaudRate(settings.baudRate);
    port.setParity(settings.parity == Parity::Even  ? QSerialPort::EvenParity
                   : settings.parity == Parity::Odd ? QSerialPort::OddParity
                                                    : QSerialPort::NoParity);
    port.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits));
    port.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
}

}  // namespace

QtSerialControl::QtSerialControl(QObject* parent) : QObject(parent) {
    connect(&m_port, &QSerialPort::readyRead, this, &QtSerialControl::readData);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialControl::handleError);
}

QtSerialControl::~QtSerialControl() {
    // Close while the handlers are still connected to a living object, and without reporting.
    m_port.disconnect(this);
    close();
}

std::unique_ptr<SerialControl> makeSerialControl() {
    return std::make_unique<QtSerialControl>();
}

void closeAllSerialPorts() {
    // No terminal is left exclusive and no lock file behind.
    const std::set<QtSerialControl*> controls = openControls();
    for (QtSerialControl* control : controls)
        control->close();
}

bool QtSerialControl::probe(const PortName& port) {
    // An exclusive open and an immediate close (when `probed` goes); nothing is sent.
    QString reason;
    const QString path = serialPathToOpen(QString::fromLocal8Bit(port.device), reason);
    QSerialPort probed;
    return !path.isEmpty() && !openSerialDevice(probed, path);
}

SerialStatus QtSerialControl::open(const PortName& port, const LineSettings& settings) {
    if (m_port.isOpen())
        return SerialStatus::failure(tr("%1 is already open.").arg(portLabel()).toStdString());
    m_name = port;
    applyLineSettings(m_port, settings);
    m_calling = true;
    QString path;
    const auto failed = openPort(m_port, comName(), QString::fromLocal8Bit(port.device), &path);
    m_calling = false;
    if (failed)
        return SerialStatus::failure(failed->toStdString());
    m_openedPath = path;
    openControls().insert(this);
    return {};
}

void QtSerialControl::close() {
    m_port.close();
    m_openedPath.clear();
    openControls().erase(this);
}

QString probeProblem(const PortName& name) {
    QSerialPort port;
    const auto failed =
        openPort(port, QString::fromStdString(name.display), QString::fromLocal8Bit(name.device));
    port.close();
    return failed.value_or(QString());
}

SerialStatus QtSerialControl::write(std::span<const std::uint8_t> bytes) {
    if (!m_port.isOpen()) {
        return SerialStatus::failure(
            tr("%1: nothing can be sent, the port is not open.").arg(comName()).toStdString());
    }
    const qint64 size = static_cast<qint64>(bytes.size());
    if (m_port.bytesToWrite() + size > kOutBufferSize) {
        return SerialStatus::failure(
            tr("%1: nothing was sent, the output buffer is full (the device takes no "
               "data).")
                .arg(portLabel())
                .toStdString());
    }
    m_calling = true;
    m_callError = QSerialPort::NoError;
    const qint64 written = m_port.write(reinterpret_cast<const char*>(bytes.data()), size);
    // Hand the bytes to the device now instead of at the next turn of the event loop.
    if (written == size)
        m_port.flush();
    m_calling = false;
    if (written == size && m_callError == QSerialPort::NoError)
        return {};

    const QString text =
        tr("%1: the data could not be sent: %2.").arg(portLabel(), serialErrorReason(m_port));
    if (m_callError == QSerialPort::ResourceError || m_callError == QSerialPort::WriteError)
        close();
    return SerialStatus::failure(text.toStdString());
}

void QtSerialControl::readData() {
    // Taken whole before anyone hears of it: a handler may close the port.
    const QByteArray bytes = m_port.readAll();
    if (!bytes.isEmpty()) {
        notifyReceive(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                static_cast<std::size_t>(bytes.size())));
    }
}

void QtSerialControl::handleError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError)
        return;
    if (m_calling) {
        // Raised inside open or write: that operation returns it.
        m_callError = error;
        return;
    }
    if (!m_port.isOpen())
        return;
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError &&
        error != QSerialPort::WriteError) {
        notifyError(tr("%1: %2.").arg(portLabel(), serialErrorReason(m_port)).toStdString());
        return;
    }
    // The device went away. When the other end of a pseudo-terminal vanishes, Qt keeps
    // reporting ReadError with a stale reason and never ResourceError, in a tight loop; so
    // the port is closed here, the error goes out once, and nothing runs afterwards.
    QString reason;
    if (serialDeviceGone(m_openedPath)) {
        reason = tr("the device was removed");
    } else if (error == QSerialPort::ReadError) {
        reason = tr("the other end hung up");
    } else {
        reason = serialErrorReason(m_port);
    }
    const QString text = connectionLostText(portLabel(), reason);
    close();
    notifyError(text.toStdString());
}

QString serialErrorReason(const QSerialPort& port) {
    QString reason = port.errorString().trimmed();
    while (reason.endsWith(u'.'))
        reason.chop(1);
    return reason;
}

QString QtSerialControl::comName() const {
    return QString::fromStdString(m_name.display);
}

QString QtSerialControl::portLabel() const {
    const QString device = QString::fromLocal8Bit(m_name.device);
    if (device.isEmpty())
        return comName();
    QString unused;
    const QString resolved =
        m_openedPath.isEmpty() ? serialPathToOpen(device, unused) : m_openedPath;
    if (resolved.isEmpty() || resolved == device)
        return QStringLiteral("%1 (%2)").arg(comName(), device);
    return QStringLiteral("%1 (%2 \u2192 %3)").arg(comName(), device, resolved);
}

}  // namespace pelorin
