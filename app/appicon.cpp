// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/appicon.h"

#include <QImage>
#include <QImageReader>
#include <QPixmap>

namespace pelorin {

QIcon applicationIcon() {
    // The picture is a PNG; naming the format spares the reader the guess.
    QImageReader reader(QStringLiteral(":/icons/pelorin.png"), "png");
    const QImage picture = reader.read();
    if (picture.isNull())
        return {};
    // The sizes window decorations, task bars and About use (twice these on a high-density
    // screen). A window keeps its icon, and the window system gets a copy of every size, so
    // the 256-pixel original is not kept; the desktop takes its large icons from the
    // installed files.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(
            picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    return icon;
}

}  // namespace pelorin
