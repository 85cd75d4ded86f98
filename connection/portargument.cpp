// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "connection/portargument.h"

#include "platform/portadvice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace pelorin {

namespace {

// The texts of this file, under one translation context (lupdate files them there too).
struct PortSpecTexts {
    Q_DECLARE_TR_FUNCTIONS(pelorin::PortSpecTexts)
};

// The first port whose device there is and `matches`, as the choice of it.
template <typename Match>
std::optional<PortChoice> firstPort(const PortTable& table, Match matches) {
    for (int i = 0; i < kPortCount; ++i) {
        const QString device =
            QString::fromLocal8Bit(table.portDeviceNames[static_cast<std::size_t>(i)]);
        if (!device.isEmpty() && matches(device))
            return PortChoice{i + 1, {}};
    }
    return std::nullopt;
}

// "3", "COM3" or "com03" as 3; anything else (including "COM", "3a", "-1") is no number.
std::optional<int> portNumberOf(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("\\A(?:COM)?([0-9]{1,6})\\z"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() ? std::optional(match.captured(1).toInt()) : std::nullopt;
}

PortChoice failed(const QString& error) {
    return PortChoice{0, error};
}

PortChoice byNumber(int number, const PortTable& table) {
    if (number < 1 || number > kPortCount) {
        return failed(
            PortSpecTexts::tr("There is no port COM%1; the port numbers are COM1 to COM%2.")
                .arg(number)
                .arg(kPortCount));
    }
    if (!table.portDeviceNames[static_cast<std::size_t>(number - 1)].empty())
        return PortChoice{number, {}};
    const auto found = std::count_if(table.portDeviceNames.begin(), table.portDeviceNames.end(),
                                     [](const std::string& device) { return !device.empty(); });
    if (found == 0) {
        return failed(
            PortSpecTexts::tr("COM%1 has no device: no serial port was found on this computer.")
                .arg(number));
    }
    return failed(PortSpecTexts::tr(
                      "COM%1 has no device on this computer; the ports found are COM1 to COM%2.")
                      .arg(number)
                      .arg(found));
}

PortChoice byPath(const QString& text, const PortTable& table) {
    const QString cleaned = QDir::cleanPath(QFileInfo(text).absoluteFilePath());
    // The table's own name first: a virtual transmitter's link whose target is gone is still
    // that port (and opening it then says why it does not open).
    if (auto found = firstPort(table, [&](const QString& d) { return d == text || d == cleaned; }))
        return *found;
    const QString canonical = QFileInfo(text).canonicalFilePath();
    if (canonical.isEmpty()) {
        const QFileInfo link(text);
        if (link.isSymLink()) {
            return failed(PortSpecTexts::tr("%1 leads to %2, which does not exist.")
                              .arg(text, link.symLinkTarget()));
        }
        return failed(PortSpecTexts::tr("%1 does not exist.").arg(text));
    }
    // A link (/dev/serial/by-id/...) and the device it leads to are the same port.
    if (auto found = firstPort(
            table, [&](const QString& d) { return QFileInfo(d).canonicalFilePath() == canonical; }))
        return *found;
    return failed(
        PortSpecTexts::tr("%1 is not among the serial ports found on this computer.").arg(text));
}

PortChoice byName(const QString& text, const PortTable& table) {
    // Virtual transmitters come first in the table, so their links win over a device of the
    // same name.
    if (auto found =
            firstPort(table, [&](const QString& d) { return QFileInfo(d).fileName() == text; }))
        return *found;
    return failed(
        PortSpecTexts::tr("\"%1\" is neither a port number (COM1 to COM%2), a device path, nor the "
                          "name of a serial port or virtual transmitter found on this computer.")
            .arg(text)
            .arg(kPortCount));
}

}  // namespace

PortChoice resolvePortSpec(const QString& text, const PortTable& table) {
    const QString spec = text.trimmed();
    if (spec.isEmpty()) {
        return failed(PortSpecTexts::tr("No port given: write a port number such as COM1, a "
                                        "device path such as %1, or the name of a virtual "
                                        "transmitter.")
                          .arg(exampleDevicePath()));
    }
    if (const std::optional<int> number = portNumberOf(spec))
        return byNumber(*number, table);
    if (looksLikeDevicePath(spec))
        return byPath(spec, table);
    return byName(spec, table);
}

}  // namespace pelorin
