// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/devicewatch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>

#include "platform/portdiscovery.h"

#include <sys/stat.h>

namespace pelorin {

namespace {

const QString kById = QStringLiteral("/dev/serial/by-id");

}  // namespace

// inotify through QFileSystemWatcher: a device node comes or goes in /dev, udev makes or
// removes a USB adapter's link in /dev/serial/by-id, a virtual transmitter its link in the
// virtual-port folder. Nothing runs while nothing changes.
struct DeviceWatch::State {
    QFileSystemWatcher watcher;
    QString ports = virtualPortFolder();

    // Adds the folders that exist and are not watched yet: /dev/serial/by-id comes with the
    // first USB adapter, and the adapter's node in /dev with it.
    void follow() {
        for (const QString& folder : {QStringLiteral("/dev"), kById, ports}) {
            if (!folder.isEmpty() && QFileInfo(folder).isDir() &&
                !watcher.directories().contains(folder))
                watcher.addPath(folder);
        }
    }
};

DeviceWatch::DeviceWatch(QObject* parent) : QObject(parent), m_state(std::make_unique<State>()) {
    // Made here if need be, so that the first virtual transmitter's link is heard.
    if (!m_state->ports.isEmpty())
        QDir().mkpath(m_state->ports);
    m_state->follow();
    connect(&m_state->watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        m_state->follow();
        emit devicesChanged();
    });
}

DeviceWatch::~DeviceWatch() = default;

QString stableDeviceName(const QString& device) {
    const QFileInfo info(device);
    // A link (a virtual transmitter's, a by-id one) is a name that outlives its target.
    if (info.isSymLink())
        return device;
    const QString path = info.canonicalFilePath();
    if (!path.isEmpty()) {
        for (const QFileInfo& link : QDir(kById).entryInfoList(QDir::System | QDir::Files)) {
            if (link.canonicalFilePath() == path)
                return link.absoluteFilePath();
        }
    }
    return device;
}

QString virtualLinkIdentity(const QString& device) {
    const QFileInfo info(device);
    if (!info.isSymLink() || info.absolutePath() != virtualPortFolder())
        return {};
    struct stat status {};
    if (::lstat(QFile::encodeName(device).constData(), &status) != 0)
        return {};
    // The link's own inode and the time it was made, not its target's.
    return QStringLiteral("%1:%2.%3")
        .arg(status.st_ino)
        .arg(status.st_ctim.tv_sec)
        .arg(status.st_ctim.tv_nsec);
}

}  // namespace pelorin
