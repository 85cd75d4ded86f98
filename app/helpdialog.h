// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Help": one picture, "1.bmp", that explains the main window's buttons. The file is read again
// whenever the window repaints, so a replaced picture shows at the next repaint.

#include <QImage>

#include "platform/templatedialog.h"

class QLabel;

namespace pelorin {

class HelpDialog : public TemplateDialog {
    Q_OBJECT

public:
    static constexpr int kPictureId = 1035;
    static inline const QString kPictureName = QStringLiteral("1.bmp");

    explicit HelpDialog(QWidget* parent = nullptr);

protected:
    void initDialog() override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Reads the file and shows it; a missing file leaves the picture empty. Unless `always`,
    // a picture equal to the one shown is not set again.
    void reloadPicture(bool always);

    QLabel* helpPicture_;
    QImage shown_;  // what the picture shows now, to tell a changed file from the same one
};

}  // namespace pelorin
