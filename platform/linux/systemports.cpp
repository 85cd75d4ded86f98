// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The ports Linux lists, through QSerialPortInfo.
#include <QCoreApplication>
#include <QSerialPortInfo>
#include <QStringList>

#include "platform/portdiscovery.h"
#include "platform/serialsystem.h"

namespace pelorin {

namespace {

std::string toStd(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

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
        ports.push_back({toStd(info.systemLocation()), toStd(describe(info)),
                         systemPortRank(info.systemLocation())});
    }
    return ports;
}

std::map<std::string, UsbIdentity> discoverUsbIdentities() {
    std::map<std::string, UsbIdentity> identities;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        UsbIdentity usb;
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            usb.vendorId = info.vendorIdentifier();
            usb.productId = info.productIdentifier();
        }
        usb.serialNumber = info.serialNumber();
        if (usb.vendorId >= 0 || !usb.serialNumber.isEmpty())
            identities.emplace(toStd(info.systemLocation()), usb);
    }
    return identities;
}

PortTable discoverPortTable() {
    return buildPortTable(discoverVirtualPorts(), discoverSystemPorts());
}

}  // namespace pelorin
