// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moving integers between edit fields and values, with the checks and messages every
// settings dialog uses.

#include <QString>
#include <QStringView>

#include <optional>

class QLineEdit;

namespace pelorin {

// A whole field as a decimal integer (Qt's, in the C locale): white space around it, an optional
// sign, ASCII digits, nothing else. Empty text, "50%", "1 2" and numbers beyond 32 bits are not
// integers.
[[nodiscard]] std::optional<int> parseDialogInteger(QStringView text);

// The forgiving parse the curve graphs draw from while a point is being typed: leading blanks,
// an optional sign, the digits up to the first non-digit; 0 when there are none. (OK and the
// NOR/ID switch take only what parseDialogInteger reads.) "12ab" reads 12. Saturates instead of
// overflowing.
[[nodiscard]] int parseLeadingInteger(QStringView text);

[[nodiscard]] QString integerExpectedMessage();               // "Please enter an integer."
[[nodiscard]] QString integerRangeMessage(int min, int max);  // "... between MIN and MAX."

// Shows `value` in decimal: minus sign for negatives, no plus sign or padding.
void writeIntegerField(QLineEdit* edit, int value);

// Reads `edit` as an integer within min..max. On failure shows the standard message, puts the
// focus on the field with its whole text selected, leaves `value` alone and returns false.
[[nodiscard]] bool readIntegerField(QLineEdit* edit, int min, int max, int& value);

}  // namespace pelorin
