// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/serialsystem.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace pelorin {

// The kernel refuses a terminal that another opener made exclusive to everyone but root (the
// open fails with EBUSY, which isExclusivelyHeldReason tells apart), so only root needs to look:
// that makes root behave like everyone else, and the program never takes over a port that
// another program holds.
ExclusiveLook::ExclusiveLook(const QString& path) {
    if (::geteuid() != 0)
        return;
    const QByteArray native = QFile::encodeName(path);
    m_handle = ::open(native.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_handle < 0) {
        m_held = errno == EBUSY;
        return;
    }
    int exclusive = 0;
    m_held = ::ioctl(m_handle, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
}

ExclusiveLook::~ExclusiveLook() {
    if (m_handle >= 0)
        ::close(m_handle);
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
