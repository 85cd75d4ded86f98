// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/savefile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

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

// Why a save failed. A full disk shows in Qt as a resource error or only in errno, and its own
// text ("Unknown error") would leave the user guessing.
QString saveFailure(const QSaveFile& file, int error) {
    if (file.error() == QFileDevice::ResourceError || error == ENOSPC)
        return fileErrorReason(std::make_error_code(std::errc::no_space_on_device));
    return file.errorString();
}

}  // namespace

QString fileErrorReason(const std::error_code& error) {
    if (error == std::errc::no_space_on_device) {
        return SaveFileTexts::tr(
            "the disk is full. Free some space on it (or choose a file on "
            "another disk), then try again");
    }
    QString reason = QString::fromLocal8Bit(error.message());
    while (reason.endsWith(u'.'))
        reason.chop(1);
    return reason;
}

QString notRegularFileReason() {
    return SaveFileTexts::tr("it is not a regular file but a folder, a pipe or a device");
}

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
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        // Not committed: the file is left as it was when `file` goes.
        return cannotSave(path, saveFailure(file, errno));
    }
    if (!file.commit())
        return cannotSave(path, saveFailure(file, errno));
    return {};
}

}  // namespace pelorin
