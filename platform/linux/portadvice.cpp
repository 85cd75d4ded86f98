// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portadvice.h"

#include <QCoreApplication>
#include <QStringList>

namespace pelorin {

namespace {

// The texts of this file, under one translation context (lupdate files them there too).
struct PortAdviceTexts {
    Q_DECLARE_TR_FUNCTIONS(pelorin::PortAdviceTexts)
};

// What to do about the programs that have the device open. Two services are known to take
// serial adapters on their own; anything else the user started and can close.
QString holderAdvice(const std::vector<DeviceHolder>& holders) {
    bool modemManager = false;
    bool brltty = false;
    std::vector<DeviceHolder> others;
    for (const DeviceHolder& holder : holders) {
        if (holder.name == "ModemManager") {
            modemManager = true;
        } else if (holder.name.starts_with("brltty")) {
            brltty = true;
        } else {
            others.push_back(holder);
        }
    }
    QStringList advice;
    if (modemManager) {
        advice << PortAdviceTexts::tr(
            "ModemManager looks at every new serial adapter for a few seconds after it is "
            "plugged in. Wait a moment and try again, or stop it:\n    sudo systemctl stop "
            "ModemManager");
    }
    if (brltty) {
        advice << PortAdviceTexts::tr(
            "brltty takes some USB serial adapters for Braille displays. If no Braille display "
            "is used on this computer, remove it:\n    sudo apt remove brltty");
    }
    if (!others.empty())
        advice << PortAdviceTexts::tr("Close %1, then try again.").arg(holderList(others));
    return advice.join(QStringLiteral("\n\n"));
}

}  // namespace

QString openErrorText(const QString& comName, const QString& device, const QString& resolvedDevice,
                      OpenFailure failure, const QString& reason, const DeviceHolderScan& holders) {
    QString where = comName;
    if (!device.isEmpty()) {
        const bool viaLink = !resolvedDevice.isEmpty() && resolvedDevice != device;
        where = QStringLiteral("%1 (%2)").arg(
            comName, viaLink ? device + QStringLiteral(" \u2192 ") + resolvedDevice : device);
    }
    const QString choose = howToChooseAnotherPort();
    switch (failure) {
        case OpenFailure::NoDevice:
            return PortAdviceTexts::tr(
                       "%1 cannot be opened: no serial port of this computer has that "
                       "number.\n\nConnect the transmitter (or start the virtual transmitter "
                       "pelorin-txsim), then %2.")
                .arg(comName, choose);
        case OpenFailure::NotFound:
            return PortAdviceTexts::tr(
                       "%1 cannot be opened: the device does not exist (%2).\n\nCheck that "
                       "the transmitter is plugged in, then %3.")
                .arg(where, reason, choose);
        case OpenFailure::PermissionDenied: {
            QString text = PortAdviceTexts::tr(
                               "%1 cannot be opened: %2.\n\nYour user account is not allowed to "
                               "use serial ports. Add it to the dialout group:\n    sudo usermod "
                               "-aG dialout $USER\nthen log out and log in again.")
                               .arg(where, reason);
            if (!holders.holders.empty()) {
                text += QStringLiteral("\n\n") +
                        PortAdviceTexts::tr("The port is also held by %1.")
                            .arg(holderList(holders.holders)) +
                        QStringLiteral("\n\n") + holderAdvice(holders.holders);
            }
            return text;
        }
        case OpenFailure::Busy: {
            QString text = PortAdviceTexts::tr("%1 cannot be opened: the port is in use (%2).")
                               .arg(where, reason) +
                           QStringLiteral("\n\n");
            if (!holders.holders.empty()) {
                return text +
                       PortAdviceTexts::tr("It is held by %1.").arg(holderList(holders.holders)) +
                       QStringLiteral("\n\n") + holderAdvice(holders.holders);
            }
            text += PortAdviceTexts::tr(
                "Another program holds it open, for example ModemManager or a serial terminal. "
                "Close that program (or stop ModemManager) and try again.");
            if (!holders.complete) {
                // Only root sees every program's open files.
                const QString path = resolvedDevice.isEmpty() ? device : resolvedDevice;
                text += QStringLiteral("\n\n") +
                        PortAdviceTexts::tr("To see which program it is:\n    sudo fuser -v %1")
                            .arg(path);
            }
            return text;
        }
        case OpenFailure::Other:
            break;
    }
    return PortAdviceTexts::tr("%1 cannot be opened: %2.").arg(where, reason);
}

QString exampleDevicePath() {
    return QStringLiteral("/dev/ttyUSB0");
}

bool looksLikeDevicePath(const QString& text) {
    return text.contains(u'/');
}

}  // namespace pelorin
