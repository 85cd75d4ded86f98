// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogkit/pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>

namespace pelorin {

namespace {

QStringList pictureFolders() {
    return {
        QDir::currentPath(),
        QCoreApplication::applicationDirPath(),
        // An installed program finds its pictures relative to itself wherever the prefix is,
        // and in the data folder it was configured for.
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/pelorin"),
        QStringLiteral(PELORIN_DATA_DIR),
    };
}

}  // namespace

QString findPicture(const QString& bareName) {
    for (const QString& folder : pictureFolders()) {
        const QString path = QDir(folder).filePath(bareName);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

QPixmap loadPicture(const QString& bareName) {
    for (const QString& folder : pictureFolders()) {
        const QString path = QDir(folder).filePath(bareName);
        if (!QFileInfo::exists(path))
            continue;
        // Through QImage, not QPixmap(path): QPixmap caches by name, size and modification
        // second, so a file replaced within the same second would show the old picture.
        const QImage image(path);
        if (!image.isNull())
            return QPixmap::fromImage(image);
    }
    return {};
}

void showPicture(QLabel* label, const QPixmap& picture) {
    label->setPixmap(picture);
    if (picture.isNull()) {
        label->clear();
        return;
    }
    label->resize(picture.deviceIndependentSize().toSize());
}

}  // namespace pelorin
