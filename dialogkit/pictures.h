// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures named by bare file name ("1.bmp", "stick3.bmp"): looked up in the current
// directory first, then beside the executable, then in the installed data folder.

#include <QPixmap>
#include <QString>

class QLabel;

namespace pelorin {

// The path of the first copy of the file along that lookup, or an empty string.
[[nodiscard]] QString findPicture(const QString& bareName);

// The picture, or a null pixmap when no copy of the file can be read.
[[nodiscard]] QPixmap loadPicture(const QString& bareName);

// Shows the picture at its natural size in `label`; a null picture leaves the label empty.
void showPicture(QLabel* label, const QPixmap& picture);

}  // namespace pelorin
