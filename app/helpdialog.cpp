// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/helpdialog.h"

#include <QKeyEvent>
#include <QLabel>

#include "platform/pictures.h"

namespace pelorin {

HelpDialog::HelpDialog(QWidget* parent)
    : TemplateDialog(tr("Help"), 282, 127, 10, Frame::Main, parent) {
    helpPicture_ = addPicture(kPictureId, {0, 0, 0, 0});
    helpPicture_->setAccessibleName(tr("The main window's buttons"));
    helpPicture_->setAccessibleDescription(
        tr("A picture of the main window with a note on each button. System Option: GetUser "
           "gets USER1 from the transmitter, Setting chooses the serial port, Help shows this "
           "picture, Save writes the settings to a file, Open loads a file and sends it. System "
           "Setting: EndPoint (servo travel left and right), Reverse (servo direction), SubTrim "
           "(centre offset), DR (dual rates of CH1, CH2 and CH4), Mode (stick mode), Type (model "
           "type), Thro Cuv and Pitch Cuv (throttle and pitch curves, NOR and ID), Swash Afr "
           "(swash mixing of CH1, CH2 and CH6) and MIX. (three program mixes); the two curves "
           "and Swash Afr are for helicopter types only. Switch Program: Switch A and Switch B "
           "choose DR, ThroCut or NOR/ID, VR(A) and VR(B) choose Pith Adjust. The live display "
           "shows CH1 to CH6 as bars that follow the sticks. Every editor sends the settings to "
           "the transmitter when it is closed with OK."));
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
