// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dataexchange.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <limits>

#include "platform/messages.h"

namespace pelorin {

namespace {
bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
}  // namespace

std::optional<int> parseDialogInteger(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const qsizetype firstDigit = i;
    long long magnitude = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        if (magnitude > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
        ++i;
    }
    if (i == firstDigit)
        return std::nullopt;
    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n)
        return std::nullopt;
    const long long value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

int parseLeadingInteger(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (isBlank(text[i]) || text[i] == u'\n' || text[i] == u'\r'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long magnitude = 0;
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    while (i < n && text[i].unicode() >= u'0' && text[i].unicode() <= u'9') {
        if (magnitude < kLimit)
            magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        ++i;
    }
    if (magnitude > kLimit)
        magnitude = kLimit;
    const long long value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

QString integerExpectedMessage() {
    return QCoreApplication::translate("pelorin::DataExchange", "Please enter an integer.");
}

QString integerRangeMessage(int min, int max) {
    return QCoreApplication::translate("pelorin::DataExchange",
                                       "Please enter an integer between %1 and %2.")
        .arg(min)
        .arg(max);
}

void writeIntegerField(QLineEdit* edit, int value) {
    edit->setText(QString::number(value));
}

bool readIntegerField(QLineEdit* edit, int min, int max, int& value) {
    const std::optional<int> parsed = parseDialogInteger(edit->text());
    QString problem;
    if (!parsed)
        problem = integerExpectedMessage();
    else if (*parsed < min || *parsed > max)
        problem = integerRangeMessage(min, max);
    if (problem.isEmpty()) {
        value = *parsed;
        return true;
    }
    showMessage(edit->window(), problem);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    return false;
}

}  // namespace pelorin
