// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Help": a picture that explains the main window's buttons and its context menu. A "1.bmp" in
// the current folder is shown as it is and read again whenever the window repaints, so a
// replaced picture shows at the next repaint. Without one, the window shows the program's own
// picture in the language of its texts ("help_de.pic"), kept as vector art and drawn at the
// screen's pixel ratio, so it is sharp at every scale.

#include <QImage>
#include <QString>

#include "dialogkit/templatedialog.h"

class QLabel;

namespace pelorin {

class HelpDialog : public TemplateDialog {
    Q_OBJECT

public:
    static constexpr int kPictureId = 1035;
    static inline const QString kPictureName = QStringLiteral("1.bmp");

    explicit HelpDialog(QWidget* parent = nullptr);

    // The program's picture for the language the windows speak, "help_<language>.pic".
    [[nodiscard]] static QString ownPictureName();

protected:
    void initDialog() override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Shows the picture; nothing to show leaves it empty. Unless `always`, a picture equal to
    // the one shown is not set again.
    void reloadPicture(bool always);
    // The program's own picture drawn at `ratio`, null when it cannot be read.
    [[nodiscard]] static QPixmap drawOwnPicture(qreal ratio);

    QLabel* helpPicture_;
    QImage shown_;          // what the picture shows now, to tell a changed file from the same one
    qreal shownRatio_ = 0;  // the pixel ratio the program's own picture was drawn at; 0: none
};

}  // namespace pelorin
