// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The ports the system lists, through QSerialPortInfo.
#include <QCoreApplication>
#include <QSerialPortInfo>
#include <QStringList>

#include "platform/portdiscovery.h"

namespace pelorin {

namespace {

// The texts of this file, under one translation context (lupdate files them there too).
struct PortDiscoveryTexts {
    Q_DECLARE_TR_FUNCTIONS(pelorin::PortDiscoveryTexts)
};

// "CP2102 USB to UART Bridge Controller (Silicon Labs, serial 0001)", leaving out what the
// system does not know.
QString describe(const QSerialPortInfo& info) {
    QString text = info.description();
    QStringList details;
    if (!info.manufacturer().isEmpty() && !text.contains(info.manufacturer())) {
        details << info.manufacturer();
    }
    if (!info.serialNumber().isEmpty())
        details << PortDiscoveryTexts::tr("serial %1").arg(info.serialNumber());
    if (!details.isEmpty()) {
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + u'(' +
                details.join(QStringLiteral(", ")) + u')';
    }
    if (text.isEmpty())
        text = PortDiscoveryTexts::tr("Serial port");
    return text;
}

}  // namespace

std::vector<SerialDevice> discoverSystemPorts() {
    std::vector<SerialDevice> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialDevice& port = ports.emplace_back();
        port.path = info.systemLocation().toLocal8Bit().toStdString();
        port.description = describe(info).toStdString();
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            port.vendorId = info.vendorIdentifier();
            port.productId = info.productIdentifier();
        }
        port.serialNumber = info.serialNumber().toStdString();
    }
    return ports;
}

}  // namespace pelorin
