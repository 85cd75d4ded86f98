// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saving on Windows is QSaveFile's: a new file beside the old one, then put in its place
// (ReplaceFile keeps the old file's attributes and security).
#include "platform/savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <windows.h>

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

// The system's text for an error, without its closing full stop: it goes inside a sentence.
QString systemReason(DWORD error) {
    QString reason = qt_error_string(static_cast<int>(error));
    while (reason.endsWith(u'.'))
        reason.chop(1);
    return reason;
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

QString appendToFile(const QString& path, const QByteArray& bytes) {
    // QFile's Append seeks to the end once, when the file opens. Opened to append (and read,
    // which the lock needs) but not to write, every write goes to the end of the file as it is
    // at that moment; the lock on a byte far past any end makes two programs' appends take
    // turns, for the systems (Wine) that find the end and write there in two steps. Readers
    // never touch that byte.
    const QString native = QDir::toNativeSeparators(path);
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t*>(native.utf16()),
                                    GENERIC_READ | FILE_APPEND_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return systemReason(GetLastError());
    OVERLAPPED turn{};
    turn.Offset = MAXDWORD;
    turn.OffsetHigh = 0x7fffffff;
    const bool locked = LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &turn);
    DWORD written = 0;
    const bool whole =
        WriteFile(file, bytes.constData(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == static_cast<DWORD>(bytes.size());
    const DWORD error = GetLastError();
    if (locked)
        UnlockFileEx(file, 0, 1, 0, &turn);
    CloseHandle(file);
    return whole ? QString() : systemReason(error);
}

}  // namespace pelorin
