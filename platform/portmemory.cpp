// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portmemory.h"

#include <QFile>
#include <QSettings>

namespace pelorin {

namespace {

const QString kKey = QStringLiteral("serial/lastAnsweredDevice");

}  // namespace

PortMemory settingsPortMemory() {
    PortMemory memory;
    memory.recall = [] {
        return QFile::encodeName(QSettings().value(kKey).toString()).toStdString();
    };
    memory.remember = [](const std::string& device) {
        if (device.empty())
            return;
        const QString path = QFile::decodeName(QByteArray::fromStdString(device));
        QSettings settings;
        if (settings.value(kKey).toString() != path)
            settings.setValue(kKey, path);
    };
    return memory;
}

}  // namespace pelorin
