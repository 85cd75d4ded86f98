// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "connection/portmemory.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

namespace pelorin {

namespace {

const QString kKey = QStringLiteral("serial/lastAnsweredDevice");

}  // namespace

PortMemory settingsPortMemory() {
    return settingsPortMemory(QCoreApplication::organizationName(),
                              QCoreApplication::applicationName());
}

PortMemory settingsPortMemory(const QString& organisation, const QString& application) {
    PortMemory memory;
    memory.recall = [organisation, application] {
        return QFile::encodeName(QSettings(organisation, application).value(kKey).toString())
            .toStdString();
    };
    memory.remember = [organisation, application](const std::string& device) {
        if (device.empty())
            return;
        const QString path = QFile::decodeName(QByteArray::fromStdString(device));
        QSettings settings(organisation, application);
        if (settings.value(kKey).toString() != path)
            settings.setValue(kKey, path);
    };
    return memory;
}

}  // namespace pelorin
