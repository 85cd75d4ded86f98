// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The setup sheet on screen, on a printer, in a PDF file and on the clipboard. The sheet
// itself is drawn by sheet/setupsheet.h; this is the desktop program's side of it.

#include <QWidget>

#include "sheet/setupsheet.h"

namespace pelorin {

// The sheet as a page of paper, scaled to the widget; screen readers get its text.
class SetupSheetView : public QWidget {
    Q_OBJECT

public:
    explicit SetupSheetView(QWidget* parent = nullptr);

    void setSubject(const SheetSubject& subject);
    [[nodiscard]] const SheetSubject& subject() const { return subject_; }
    // Where the page lies in the widget: the paper's shape, as large as fits.
    [[nodiscard]] QRectF pageRect() const;
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SheetSubject subject_;
};

class TransmitterConnection;

// The sheet of what the transmitter holds now, with the memory where it is known.
[[nodiscard]] SheetSubject transmitterSheet(const TransmitterConnection& connection);

// A print preview of the sheet, from which the user prints it.
void printSetupSheet(QWidget* parent, const SheetSubject& subject);
// Asks where to save the sheet ("<model>.pdf" suggested) and writes it there; a failure is
// told in a message box that names the file.
void saveSetupSheetPdf(QWidget* parent, const SheetSubject& subject);
// Puts the sheet's text on the clipboard.
void copySetupSheetText(const SheetSubject& subject);

// "<model>.pdf" for a model's name, with the characters no file name may hold replaced.
[[nodiscard]] QString setupSheetFileName(const QString& modelName);

}  // namespace pelorin
