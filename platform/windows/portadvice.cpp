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

}  // namespace

// Windows opens a COM port for one program at a time and does not say which program has it,
// so `resolvedDevice` and a scan of holders only matter where one was made.
QString openErrorText(const QString& comName, const QString& device, const QString& resolvedDevice,
                      OpenFailure failure, const QString& reason, const DeviceHolderScan& holders) {
    Q_UNUSED(resolvedDevice);
    const QString where =
        device.isEmpty() ? comName : QStringLiteral("%1 (%2)").arg(comName, device);
    switch (failure) {
        case OpenFailure::NoDevice:
            return PortAdviceTexts::tr(
                       "%1 cannot be opened: no serial port of this computer has that number."
                       "\n\nConnect the transmitter, then %2.")
                .arg(comName, howToChooseAnotherPort());
        case OpenFailure::NotFound:
            return PortAdviceTexts::tr(
                       "%1 cannot be opened: Windows has no such port (%2).\n\nCheck that the "
                       "transmitter's cable is plugged in, then %3. A USB serial cable needs "
                       "the driver of its chip (CH340 or CH341, CP210x, FTDI, PL2303): when "
                       "the Device Manager lists the cable under \u201COther devices\u201D "
                       "instead of \u201CPorts (COM & LPT)\u201D, install the driver from the "
                       "chip maker's website.")
                .arg(where, reason, howToChooseAnotherPort());
        case OpenFailure::PermissionDenied:
        case OpenFailure::Busy:
            if (!holders.holders.empty()) {
                return PortAdviceTexts::tr(
                           "%1 cannot be opened: the port is in use (%2).\n\nIt is held by "
                           "%3. Close it, then try again.")
                    .arg(where, reason, holderList(holders.holders));
            }
            return PortAdviceTexts::tr(
                       "%1 cannot be opened: the port is in use by another program (%2).\n\n"
                       "Windows does not say which one. Close the program that uses the port "
                       "(a serial terminal, another configuration program, a second Pelorin), "
                       "then try again.")
                .arg(where, reason);
        case OpenFailure::Other:
            break;
    }
    return PortAdviceTexts::tr("%1 cannot be opened: %2.").arg(where, reason);
}

QString exampleDevicePath() {
    return QStringLiteral("\\\\.\\COM3");
}

bool looksLikeDevicePath(const QString& text) {
    return text.contains(u'\\') || text.contains(u'/');
}

}  // namespace pelorin
