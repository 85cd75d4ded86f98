// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/savefile.h"

#include <QDir>

#include <windows.h>

namespace pelorin {

namespace {

// The system's text for an error, without its closing full stop: it goes inside a sentence.
QString systemReason(DWORD error) {
    QString reason = qt_error_string(static_cast<int>(error));
    while (reason.endsWith(u'.'))
        reason.chop(1);
    return reason;
}

}  // namespace

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
