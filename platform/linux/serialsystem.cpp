// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/serialsystem.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "platform/deviceholders.h"

namespace pelorin {

namespace {

bool heldByNobody(const QString& path) {
    const DeviceHolderScan scan = findDeviceHolders(QFile::encodeName(path).toStdString());
    return scan.complete && scan.holders.empty();
}

int openForLook(const QByteArray& native) {
    return ::open(native.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
}

}  // namespace

// The kernel refuses a terminal that another opener made exclusive to everyone but root (the
// open fails with EBUSY, which isExclusivelyHeldReason tells apart), so only root needs to look:
// that makes root behave like everyone else, and the program never takes over a port that
// another program holds. A flag that no process holds any more is stale: a pseudo-terminal
// keeps it while its master is open, after a program that set it was killed (kill -9). Root
// sees every process's open files, so it can tell, and clears such a flag.
ExclusiveLook::ExclusiveLook(const QString& path) {
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
    if (!heldByNobody(path))
        return;
    m_handle = openForLook(native);
    m_held = m_handle < 0 || ::ioctl(m_handle, TIOCNXCL) != 0;
}

ExclusiveLook::~ExclusiveLook() {
    if (m_handle >= 0)
        ::close(m_handle);
}

// USB serial adapters (ttyUSB*), then CDC-ACM devices (ttyACM*), then everything else.
int systemPortRank(const QString& location) {
    const QString name = location.section(u'/', -1);
    if (name.startsWith(QLatin1String("ttyUSB")))
        return 0;
    if (name.startsWith(QLatin1String("ttyACM")))
        return 1;
    return 2;
}

bool isExclusivelyHeldReason(const QString& reason) {
    return reason == QString::fromLocal8Bit(std::strerror(EBUSY));
}

OpenFailure permissionFailure(const QString& path, const QString& reason) {
    if (isExclusivelyHeldReason(reason))
        return OpenFailure::Busy;
    const bool allowed = ::access(QFile::encodeName(path).constData(), R_OK | W_OK) == 0;
    return allowed ? OpenFailure::Busy : OpenFailure::PermissionDenied;
}

}  // namespace pelorin
