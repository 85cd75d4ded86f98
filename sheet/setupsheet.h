// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The setup sheet: one page with everything a model's settings hold (type, stick mode, the six
// channels, curves, mixes, switch and knob functions), for a pilot's flight box. The page is
// drawn with QPainter alone, so a window, a printer and a PDF file show the same sheet; the
// same content also comes as plain text. Names and values come from the field table
// (link/blockfields.h). QtGui only, no widgets.

#include <QLocale>
#include <QPageSize>
#include <QString>

#include "link/settingsblock.h"

class QPainter;
class QRectF;

namespace pelorin {

struct SheetSubject {
    QString name;
    QString notes;
    int memory = -1;  // 0 USER1, 1 USER2, -1 unknown
    BlockBytes block{};
};

// Draws the one-page sheet into `page` (device pixels of the painter), in the current language.
void paintSetupSheet(QPainter& painter, const QRectF& page, const SheetSubject& subject);

// The same content as plain text, for a forum post or an e-mail.
[[nodiscard]] QString setupSheetText(const SheetSubject& subject);

// The paper a sheet is written on where `locale` is used: Letter where it measures the
// American way, else A4 (the United Kingdom too).
[[nodiscard]] QPageSize::PageSizeId setupSheetPaper(const QLocale& locale = QLocale::system());

// Writes a one-page PDF on setupSheetPaper(); empty on success, else a message naming the file
// and the reason.
[[nodiscard]] QString writeSetupSheetPdf(const QString& path, const SheetSubject& subject);

}  // namespace pelorin
