#include "pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

namespace pelorin {

QPixmap loadPicture(const QString& bareName) {
    const QString folders[] = {
        QDir::currentPath(),
        QCoreApplication::applicationDirPath(),
        // An installed program finds its pictures relative to itself wherever the prefix is,
        // and in the data folder it was configured for.
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/pelorin"),
        QStringLiteral(PELORIN_DATA_DIR),
    };
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(bareName);
        if (!QFileInfo::exists(path)) continue;
        QPixmap picture(path);
        if (!picture.isNull()) return picture;
    }
    return {};
}

void showPicture(QLabel* label, const QPixmap& picture) {
    label->setPixmap(picture);
    if (picture.isNull()) {
        label->clear();
        return;
    }
    label->resize(picture.size());
}

}  // namespace pelorin
