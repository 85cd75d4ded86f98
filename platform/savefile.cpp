// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/savefile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace pelorin {

namespace {

// The texts of this file, under one translation context (lupdate files them there too).
struct SaveFileTexts {
    Q_DECLARE_TR_FUNCTIONS(pelorin::SaveFileTexts)
};

// The reason goes inside a sentence that ends with its own full stop.
QString cannotSave(const QString& path, QString reason) {
    while (reason.endsWith(u'.'))
        reason.chop(1);
    return SaveFileTexts::tr("Cannot save \u201C%1\u201D: %2.").arg(path, reason);
}

}  // namespace

QString saveFileAtomically(const QString& path, const QByteArray& bytes) {
    // QFileInfo follows links: what counts is the file a link points to, which QSaveFile
    // replaces while the link stays.
    const QFileInfo existing(path);
    // A folder, pipe or device would be replaced by a plain file, not written.
    if (existing.exists() && !existing.isFile())
        return cannotSave(path, SaveFileTexts::tr("Not a regular file"));
    // A rename would get past the protection; honour it.
    if (existing.exists() && !existing.isWritable())
        return cannotSave(path, SaveFileTexts::tr("The file is write-protected"));
    QSaveFile file(path);
    // Never the direct write, which empties the file before writing.
    file.setDirectWriteFallback(false);
    // Unbuffered: a write that fails when Qt's buffer is flushed at commit() would not stop
    // the commit, and the new file would be put in place cut short.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // Qt says only "Permission denied", which reads as if the file were protected.
        const QFileInfo folder(
            QFileInfo(existing.exists() ? existing.canonicalFilePath() : path).absolutePath());
        if (folder.isDir() && !folder.isWritable())
            return cannotSave(path, SaveFileTexts::tr("The folder does not allow new files, which "
                                                      "saving needs"));
        return cannotSave(path, file.errorString());
    }
    if (file.write(bytes) != bytes.size() || !file.commit())
        return cannotSave(path, file.errorString());
    return {};
}

}  // namespace pelorin
