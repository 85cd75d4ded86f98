// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saving on Windows is QSaveFile's: a new file beside the old one, then put in its place
// (ReplaceFile keeps the old file's attributes and security).
#include "platform/savefile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace pelorin {

namespace {

// The texts of this file, under one translation context (lupdate files them there too).
struct SaveFileTexts {
    Q_DECLARE_TR_FUNCTIONS(pelorin::SaveFileTexts)
};

QString cannotSave(const QString& path, QString reason) {
    while (reason.endsWith(u'.'))
        reason.chop(1);
    return SaveFileTexts::tr("Cannot save \u201C%1\u201D: %2.").arg(path, reason);
}

}  // namespace

QString saveFileAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo existing(path);
    if (existing.isDir())
        return cannotSave(path, SaveFileTexts::tr("Not a regular file"));
    // A write-protected file stays as it is, as on the other systems.
    if (existing.exists() && !existing.isWritable())
        return cannotSave(path, SaveFileTexts::tr("The file is write-protected"));
    QSaveFile file(path);
    // Never the direct write, which empties the file before writing.
    file.setDirectWriteFallback(false);
    // Unbuffered: a write that fails when Qt's buffer is flushed at commit() would not stop
    // the commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return cannotSave(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return cannotSave(path, file.errorString());
    return {};
}

bool isSaveLeftoverName(const QString& fileName) {
    static const QRegularExpression pattern(QStringLiteral("\\A\\.pelorin-save-[A-Za-z0-9]{6}\\z"));
    return pattern.match(fileName).hasMatch();
}

// Only the saves of the POSIX systems made files of that name.
int removeStaleSaveLeftovers(const QString& folder, std::chrono::seconds minimumAge) {
    Q_UNUSED(folder);
    Q_UNUSED(minimumAge);
    return 0;
}

}  // namespace pelorin
