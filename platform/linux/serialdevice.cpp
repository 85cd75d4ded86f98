// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Serial devices on Linux: terminals under /dev, links to them, and the exclusive mode a
// terminal can be put in.
#include "platform/serialdevice.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace pelorin {

namespace {

// Texts of the serial control, under its translation context.
struct SerialDeviceTexts {
    Q_DECLARE_TR_FUNCTIONS(pelorin::QtSerialControl)
};

QString exclusivelyHeldText() {
    return SerialDeviceTexts::tr("opened exclusively by another program");
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

}  // namespace

QString serialPathToOpen(const QString& device, QString& reason) {
    const QString path = QFileInfo(device).canonicalFilePath();
    if (path.isEmpty()) {
        const QFileInfo link(device);
        reason = link.isSymLink() ? SerialDeviceTexts::tr("the link leads to %1, which is gone")
                                        .arg(link.symLinkTarget())
                                  : SerialDeviceTexts::tr("no such file");
    }
    return path;
}

std::optional<std::pair<OpenFailure, QString>> openSerialDevice(QSerialPort& port,
                                                                const QString& path) {
    const ExclusiveLook look(path);
    if (look.heldElsewhere())
        return std::pair{OpenFailure::Busy, exclusivelyHeldText()};
    port.setPortName(path);
    port.clearError();
    // Opening a terminal raises its modem lines.
    if (port.open(QIODevice::ReadWrite))
        return std::nullopt;
    const QString reason = serialErrorReason(port);
    switch (port.error()) {
        case QSerialPort::DeviceNotFoundError:
            return std::pair{OpenFailure::NotFound, reason};
        case QSerialPort::PermissionError:
            return permissionFailure(path, reason);
        default:
            return std::pair{OpenFailure::Other, reason};
    }
}

DeviceHolderScan serialDeviceHolders(const QString& path) {
    return findDeviceHolders(QFile::encodeName(path).toStdString());
}

bool serialDeviceGone(const QString& path) {
    return !QFileInfo::exists(path);
}

}  // namespace pelorin
