// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/helpdialog.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPicture>

#include "dialogkit/pictures.h"

namespace pelorin {

HelpDialog::HelpDialog(QWidget* parent)
    : TemplateDialog(tr("Help"), 282, 127, 10, Frame::Main, parent) {
    helpPicture_ = addPicture(kPictureId, {0, 0, 0, 0});
    helpPicture_->setAccessibleName(tr("The main window's buttons"));
    helpPicture_->setAccessibleDescription(
        tr("A picture of the main window with a note on each button. System Option: GetUser "
           "switches the transmitter to USER1 and reads its settings, Setting chooses the serial "
           "port and reads the memory last chosen, Help shows this "
           "picture, Save writes the settings to a file, Open loads a file and sends it. System "
           "Setting: EndPoint (servo travel left and right), Reverse (servo direction), SubTrim "
           "(centre offset), DR (dual rates of CH1, CH2 and CH4), Mode (stick mode), Type (model "
           "type), Thro Cuv and Pitch Cuv (throttle and pitch curves, NOR and ID), Swash Afr "
           "(swash mixing of CH1, CH2 and CH6) and MIX. (three program mixes); the two curves "
           "and Swash Afr are for helicopter types only. Switch Program: Switch A and Switch B "
           "choose DR, ThroCut or NOR/ID, VR(A) and VR(B) choose Pith Adjust. The live display "
           "shows CH1 to CH6 as bars that follow the sticks. Every editor sends the settings to "
           "the transmitter when it is closed with OK. The window's context menu (right click, the "
           "Menu key or Shift+F10) holds Undo (Ctrl+Z) and Redo (Ctrl+Shift+Z), which name the "
           "write they take back or make again, Print setup sheet… (Ctrl+P) and Save setup sheet "
           "as PDF… for the transmitter's settings, Models… (Ctrl+L), Monitor… (Ctrl+M), History… "
           "(Ctrl+H), Transmitter memory… (switches the transmitter to USER1 or USER2), Close, "
           "and Pelorin, which opens About."));
}

QString HelpDialog::ownPictureName() {
    // The catalogue in use names its own language, so the picture always matches the texts.
    //: The code of the language of this translation ("de", "zh_CN"): the Help window shows
    //: the picture help_<code>.pic drawn from it.
    return QStringLiteral("help_%1.pic").arg(tr("en", "language code"));
}

QPixmap HelpDialog::drawOwnPicture(qreal ratio) {
    QString path = findPicture(ownPictureName());
    if (path.isEmpty())
        path = findPicture(QStringLiteral("help_en.pic"));
    QPicture vector;
    if (path.isEmpty() || !vector.load(path) || vector.boundingRect().isEmpty())
        return {};
    QPixmap picture(vector.boundingRect().size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    vector.play(&painter);
    return picture;
}

void HelpDialog::initDialog() {
    reloadPicture(true);
}

void HelpDialog::reloadPicture(bool always) {
    if (!QFileInfo::exists(QDir::current().filePath(kPictureName))) {
        // Drawn again only when the window moved to a screen of another pixel ratio.
        const qreal ratio = devicePixelRatioF();
        if (!always && ratio == shownRatio_)
            return;
        shownRatio_ = ratio;
        shown_ = {};
        showPicture(helpPicture_, drawOwnPicture(ratio));
        return;
    }
    shownRatio_ = 0;
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
