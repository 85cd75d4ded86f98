// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/porttable.h"

#include <QRegularExpression>

#include "platform/portdiscovery.h"

namespace pelorin {

namespace windows {

int comPortNumber(const QString& name) {
    static const QRegularExpression pattern(
        QStringLiteral("\\A(?:\\\\\\\\\\.\\\\)?COM([1-9][0-9]{0,2})\\z"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

}  // namespace windows

// COM<n> opens \\.\COM<n> (the prefix every number above 9 needs), whether or not Windows lists
// it now: an adapter plugged in later gets the number it had before. What Windows lists gives
// the tooltips.
PortTable portTableOf(const std::vector<SerialDevice>& systemPorts) {
    PortTable table;
    for (int number = 1; number <= kPortCount; ++number) {
        const auto index = static_cast<std::size_t>(number - 1);
        table.portDisplayNames[index] = "COM" + std::to_string(number);
        table.portDeviceNames[index] = "\\\\.\\" + table.portDisplayNames[index];
    }
    for (const SerialDevice& port : systemPorts) {
        const int number = windows::comPortNumber(QString::fromStdString(port.path));
        if (number >= 1 && number <= kPortCount) {
            const auto index = static_cast<std::size_t>(number - 1);
            table.descriptions[index] =
                port.description.empty() ? table.portDisplayNames[index] : port.description;
        }
    }
    return table;
}

}  // namespace pelorin
