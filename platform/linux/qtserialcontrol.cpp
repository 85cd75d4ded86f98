// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/qtserialcontrol.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <set>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "platform/deviceholders.h"
#include "platform/portadvice.h"

namespace pelorin {

namespace {

// The controls that have a port open, for closeAllSerialPorts(). All on the user-interface thread.
std::set<QtSerialControl*>& openControls() {
    static std::set<QtSerialControl*> controls;
    return controls;
}

// Room in the output buffer: the longest frame fits whole many times over.
constexpr qint64 kOutBufferSize = 512;

QString exclusivelyHeldText() {
    return QtSerialControl::tr("opened exclusively by another program");
}

int openForLook(const QByteArray& native) {
    return ::open(native.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
}

// A look at whether another opener holds a device in a way this program could get past: the
// kernel refuses a terminal that another opener made exclusive to everyone but root (the open
// fails with EBUSY), so only root needs to look; that makes root behave like everyone else, and
// the program never takes over a port that another program holds. A flag that no process holds
// any more is stale: a pseudo-terminal keeps it while its master is open, after a program that
// set it was killed (kill -9). Root sees every process's open files, so it can tell, and clears
// such a flag. The look keeps the device open until it ends, so that the real open made
// meanwhile is the device's only open: its modem lines go up once (an attached board may reset
// on each drop).
class ExclusiveLook {
public:
    explicit ExclusiveLook(const QString& path) {
        if (::geteuid() != 0)
            return;
        const QByteArray native = QFile::encodeName(path);
        m_handle = openForLook(native);
        if (m_handle < 0) {
            m_held = errno == EBUSY;
            return;
        }
        int exclusive = 0;
        m_held = ::ioctl(m_handle, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
        if (!m_held)
            return;
        // Whether anyone holds it is looked at without this look's own descriptor.
        ::close(m_handle);
        m_handle = -1;
        const DeviceHolderScan scan = findDeviceHolders(native.toStdString());
        if (!scan.complete || !scan.holders.empty())
            return;
        m_handle = openForLook(native);
        m_held = m_handle < 0 || ::ioctl(m_handle, TIOCNXCL) != 0;
    }
    ~ExclusiveLook() {
        if (m_handle >= 0)
            ::close(m_handle);
    }
    ExclusiveLook(const ExclusiveLook&) = delete;
    ExclusiveLook& operator=(const ExclusiveLook&) = delete;

    [[nodiscard]] bool heldElsewhere() const { return m_held; }

private:
    int m_handle = -1;
    bool m_held = false;
};

// QSerialPort reports a refused open, a lock held by another program and a device another
// opener holds exclusively (the system's text for EBUSY) all as a permission error.
std::pair<OpenFailure, QString> permissionFailure(const QString& path, const QString& reason) {
    if (reason == QString::fromLocal8Bit(std::strerror(EBUSY)))
        return {OpenFailure::Busy, exclusivelyHeldText()};
    const bool allowed = ::access(QFile::encodeName(path).constData(), R_OK | W_OK) == 0;
    return {allowed ? OpenFailure::Busy : OpenFailure::PermissionDenied, reason};
}

// Opens a device as the control does and classifies a failure. On success `port` is open.
std::optional<std::pair<OpenFailure, QString>> openDevice(QSerialPort& port, const QString& path) {
    const ExclusiveLook look(path);
    if (look.heldElsewhere())
        return std::pair{OpenFailure::Busy, exclusivelyHeldText()};
    port.setPortName(path);
    port.clearError();
    if (port.open(QIODevice::ReadWrite))
        return std::nullopt;
    const QString reason = port.errorString();
    switch (port.error()) {
        case QSerialPort::DeviceNotFoundError:
            return std::pair{OpenFailure::NotFound, reason};
        case QSerialPort::PermissionError:
            return permissionFailure(path, reason);
        default:
            return std::pair{OpenFailure::Other, reason};
    }
}

// Opens the device a port number names, as the control does; on failure the text for the user.
// `openedPath` receives the canonical path that was opened.
std::optional<QString> openPort(QSerialPort& port, const QString& comName, const QString& device,
                                QString* openedPath = nullptr) {
    if (device.isEmpty())
        return openErrorText(comName, {}, {}, OpenFailure::NoDevice, {});
    // QSerialPort locks the path it is given; opening the link's target keeps a link and its
    // target from being opened at the same time.
    const QString path = QFileInfo(device).canonicalFilePath();
    if (path.isEmpty()) {
        const QFileInfo link(device);
        const QString reason = link.isSymLink()
                                   ? QtSerialControl::tr("the link leads to %1, which is gone")
                                         .arg(link.symLinkTarget())
                                   : QtSerialControl::tr("no such file");
        return openErrorText(comName, device, {}, OpenFailure::NotFound, reason);
    }
    const auto failed = openDevice(port, path);
    if (!failed) {
        if (openedPath)
            *openedPath = path;
        return std::nullopt;
    }
    DeviceHolderScan holders;
    if (failed->first == OpenFailure::Busy || failed->first == OpenFailure::PermissionDenied)
        holders = findDeviceHolders(QFile::encodeName(path).toStdString());
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
    const QString path = QFileInfo(QString::fromLocal8Bit(port.device)).canonicalFilePath();
    QSerialPort probed;
    return !path.isEmpty() && !openDevice(probed, path);
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
        tr("%1: the data could not be sent: %2.").arg(portLabel(), m_port.errorString());
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
        notifyError(tr("%1: %2.").arg(portLabel(), m_port.errorString()).toStdString());
        return;
    }
    // The device went away. When the other end of a pseudo-terminal vanishes, Qt keeps
    // reporting ReadError with a stale reason and never ResourceError, in a tight loop; so
    // the port is closed here, the error goes out once, and nothing runs afterwards.
    QString reason;
    if (!QFileInfo::exists(m_openedPath)) {
        reason = tr("the device was removed");
    } else if (error == QSerialPort::ReadError) {
        reason = tr("the other end hung up");
    } else {
        reason = m_port.errorString();
    }
    const QString text = connectionLostText(portLabel(), reason);
    close();
    notifyError(text.toStdString());
}

QString QtSerialControl::comName() const {
    return QString::fromStdString(m_name.display);
}

QString QtSerialControl::portLabel() const {
    const QString device = QString::fromLocal8Bit(m_name.device);
    if (device.isEmpty())
        return comName();
    const QString resolved =
        m_openedPath.isEmpty() ? QFileInfo(device).canonicalFilePath() : m_openedPath;
    if (resolved.isEmpty() || resolved == device)
        return QStringLiteral("%1 (%2)").arg(comName(), device);
    return QStringLiteral("%1 (%2 \u2192 %3)").arg(comName(), device, resolved);
}

}  // namespace pelorin
