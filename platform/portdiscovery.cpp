// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portdiscovery.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace pelorin {

namespace {

std::string toStd(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

// The texts of this file, under one translation context (lupdate files them there too).
struct PortDiscoveryTexts {
    Q_DECLARE_TR_FUNCTIONS(pelorin::PortDiscoveryTexts)
};

}  // namespace

QString virtualPortFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return {};
    return runtime + QStringLiteral("/pelorin/ports");
}

std::vector<SerialDevice> discoverVirtualPorts() {
    const QString folder = virtualPortFolder();
    std::vector<SerialDevice> ports;
    if (folder.isEmpty())
        return ports;
    const QDir dir(folder);
    // QDir::System lists links whose target is gone; they still count as (dead) ports.
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (!entry.isSymLink())
            continue;
        const QString target = entry.symLinkTarget();
        const QString description =
            QFileInfo::exists(target)
                ? PortDiscoveryTexts::tr("Virtual transmitter on %1").arg(target)
                : PortDiscoveryTexts::tr("Virtual transmitter (gone: %1)").arg(target);
        ports.push_back({toStd(entry.absoluteFilePath()), toStd(description)});
    }
    return ports;
}

PortTable discoverPortTable() {
    return portTableOf(discoverSystemPorts());
}

}  // namespace pelorin
