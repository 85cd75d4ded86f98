// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/devicewatch.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>

#include "platform/portdiscovery.h"

namespace pelorin {

namespace {

const QString kById = QStringLiteral("/dev/serial/by-id");

// A folder that does not exist yet is watched through the nearest one that does, so that its
// making is heard too.
QString nearestExisting(QString folder) {
    while (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).path();
        folder = parent == folder ? QString() : parent;
    }
    return folder;
}

}  // namespace

// inotify through QFileSystemWatcher: a device node comes or goes in /dev, udev makes or
// removes a USB adapter's link in /dev/serial/by-id, a virtual transmitter its link in the
// virtual-port folder. Nothing runs while nothing changes.
struct DeviceWatch::State {
    QFileSystemWatcher watcher;

    void follow() {
        QStringList wanted{QStringLiteral("/dev")};
        for (const QString& folder : {kById, virtualPortFolder()}) {
            const QString watched = nearestExisting(folder);
            if (!watched.isEmpty() && !wanted.contains(watched))
                wanted << watched;
        }
        for (const QString& old : watcher.directories()) {
            if (!wanted.contains(old))
                watcher.removePath(old);
        }
        for (const QString& folder : wanted) {
            if (!watcher.directories().contains(folder))
                watcher.addPath(folder);
        }
    }
};

DeviceWatch::DeviceWatch(QObject* parent) : QObject(parent), m_state(std::make_unique<State>()) {
    m_state->follow();
    connect(&m_state->watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        m_state->follow();  // a folder may have been made or removed
        emit devicesChanged();
    });
}

DeviceWatch::~DeviceWatch() = default;

QString lastingDeviceName(const QString& device) {
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

}  // namespace pelorin
