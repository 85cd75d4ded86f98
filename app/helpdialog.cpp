// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/helpdialog.h"

#include <QKeyEvent>
#include <QLabel>

#include "platform/pictures.h"

namespace pelorin {

HelpDialog::HelpDialog(QWidget* parent)
    : TemplateDialog(QStringLiteral("Help"), 282, 127, 10, Frame::Main, parent) {
    helpPicture_ = addPicture(kPictureId, {0, 0, 0, 0});
}

void HelpDialog::initDialog() {
    reloadPicture(true);
}

void HelpDialog::reloadPicture(bool always) {
    const QPixmap picture = loadPicture(kPictureName);
    const QImage image = picture.toImage();
    // Setting the same picture again would only ask for another repaint, and that repaint would
    // read the file again: on a repaint, set it only when the file holds something new.
    if (!always && image == shown_)
        return;
    shown_ = image;
    showPicture(helpPicture_, picture);
}

void HelpDialog::paintEvent(QPaintEvent* event) {
    reloadPicture(false);
    TemplateDialog::paintEvent(event);
}

void HelpDialog::keyPressEvent(QKeyEvent* event) {
    // The window has no buttons: Return and Enter close it as OK, Escape as Cancel.
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            accept();
            return;
        }
    }
    TemplateDialog::keyPressEvent(event);
}

}  // namespace pelorin
