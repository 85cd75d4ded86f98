// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aboutdialog.h"

#include <QIcon>
#include <QLabel>

#include "app/appicon.h"

namespace pelorin {

namespace {
constexpr int kIconSize = 32;  // the size of a window-system icon
}  // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : TemplateDialog(tr("About Pelorin"), 235, 55, 9, Frame::Main, parent) {
    QLabel* icon = addPicture(kIconId, {11, 17, 21, 20});
    icon->setPixmap(applicationIcon().pixmap(kIconSize, kIconSize));
    icon->resize(kIconSize, kIconSize);
    icon->setAccessibleName(tr("Pelorin icon"));
    addText(tr("Pelorin Version 1.0"), {40, 10, 119, 8});
    addText(tr("Transmitter setup © 2026"), {40, 25, 119, 8});
    // Below the OK button the line may run the width of the window.
    addText(tr("Licence: GNU GPL, version 3 or later"), {40, 38, 188, 8});
    addButton(kIdOk, tr("OK"), {178, 7, 50, 14}, true);
}

}  // namespace pelorin
