// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogkit/dataexchange.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <limits>

#include "dialogkit/messages.h"

namespace pelorin {

std::optional<int> parseDialogInteger(QStringView text) {
    bool ok = false;
    const int value = text.toInt(&ok);  // decimal, C locale; blanks around are skipped
    return ok ? std::optional<int>(value) : std::nullopt;
}

int parseLeadingInteger(QStringView text) {
    while (!text.isEmpty() && QStringView(u" \t\r\n").contains(text.front()))
        text = text.sliced(1);
    const qsizetype firstDigit = !text.isEmpty() && (text[0] == u'+' || text[0] == u'-') ? 1 : 0;
    qsizetype end = firstDigit;
    while (end < text.size() && text[end] >= u'0' && text[end] <= u'9')
        ++end;
    if (end == firstDigit)
        return 0;
    bool ok = false;
    const int value = text.first(end).toInt(&ok);
    if (ok)
        return value;
    // Beyond 32 bits: the nearest integer there is.
    return text[0] == u'-' ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
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
