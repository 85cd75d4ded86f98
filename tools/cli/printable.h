// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text that came from a file, a device or the system (a model's name, a file or device name, a
// USB serial number) made safe to print on a terminal: a control character in it would be
// carried out by the terminal (a new window title, a cleared screen) instead of shown. Used by
// every program without a window wherever it prints such text.

#include <QByteArray>
#include <QString>

namespace pelorin::cli {

// `text` with every control character (C0, DEL and C1) written as the escape \xNN.
[[nodiscard]] inline QString printable(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code < 0x20 || (code >= 0x7F && code <= 0x9F))
            shown += QStringLiteral("\\x%1").arg(static_cast<int>(code), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

// JSON as QJsonDocument writes it, with DEL and the C1 characters escaped as \u00NN too (its
// writer escapes only C0). They can stand only inside strings, whose values stay the same.
[[nodiscard]] inline QByteArray printableJson(const QByteArray& json) {
    QByteArray shown;
    shown.reserve(json.size());
    for (qsizetype i = 0; i < json.size(); ++i) {
        const auto byte = static_cast<unsigned char>(json[i]);
        const auto next = i + 1 < json.size() ? static_cast<unsigned char>(json[i + 1]) : 0;
        if (byte == 0x7F) {
            shown += "\\u007f";
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {  // U+0080..U+009F in UTF-8
            shown += "\\u00" + QByteArray::number(next, 16);
            ++i;
        } else {
            shown += static_cast<char>(byte);
        }
    }
    return shown;
}

}  // namespace pelorin::cli
