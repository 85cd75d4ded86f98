// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/savefile.h"

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace pelorin {

namespace {

// The system's reason for an error: a full disk as the portable text says it, anything else
// in the system's words, without its closing full stop (it goes inside a sentence).
QString systemReason(DWORD error) {
    if (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL)
        return fileErrorReason(std::make_error_code(std::errc::no_space_on_device));
    QString reason = qt_error_string(static_cast<int>(error));
    while (reason.endsWith(u'.'))
        reason.chop(1);
    return reason;
}

// Opens the file (to append: made when missing) as CreateFileW does, which never waits on a
// pipe or a device; INVALID_HANDLE_VALUE when it is not a regular file on a disk.
HANDLE openHandle(const QString& path, bool append, RegularOpen& result) {
    const QString native = QDir::toNativeSeparators(path);
    const HANDLE file =
        CreateFileW(reinterpret_cast<const wchar_t*>(native.utf16()),
                    append ? GENERIC_READ | FILE_APPEND_DATA : GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    append ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        result = {false, systemReason(GetLastError())};
        return file;
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        result = {true, notRegularFileReason()};
        return INVALID_HANDLE_VALUE;
    }
    return file;
}

}  // namespace

RegularOpen openRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {true, notRegularFileReason()};
    const bool append = mode.testFlag(QIODevice::WriteOnly);
    RegularOpen result;
    const HANDLE handle = openHandle(path, append, result);
    if (handle == INVALID_HANDLE_VALUE)
        return result;
    const int descriptor =
        _open_osfhandle(reinterpret_cast<intptr_t>(handle),
                        (append ? _O_APPEND | _O_WRONLY : _O_RDONLY) | _O_BINARY);
    if (descriptor < 0) {
        CloseHandle(handle);
        return {false, systemReason(ERROR_INVALID_HANDLE)};
    }
    if (!file.open(descriptor, mode, QFileDevice::AutoCloseHandle)) {
        _close(descriptor);
        return {false, file.errorString()};
    }
    return {};
}

QString appendToFile(const QString& path, const QByteArray& bytes) {
    // QFile's Append seeks to the end once, when the file opens. Opened to append (and read,
    // which the lock needs) but not to write, every write goes to the end of the file as it is
    // at that moment; the lock on a byte far past any end makes two programs' appends take
    // turns, for the systems (Wine) that find the end and write there in two steps. Readers
    // never touch that byte.
    if (const QFileInfo info(path); info.exists() && !info.isFile())
        return notRegularFileReason();
    RegularOpen refused;
    const HANDLE file = openHandle(path, true, refused);
    if (file == INVALID_HANDLE_VALUE)
        return refused.reason;
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

QString fileNameEncoding() {
    return QStringLiteral("the ANSI code page");
}

}  // namespace pelorin
