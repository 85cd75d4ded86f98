// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/savefile.h"

#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelorin {

RegularOpen openRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {true, notRegularFileReason()};
    // Without waiting: a pipe swapped in after the look above opens at once (or, to write
    // without a reader, fails), and is then refused by what it is.
    const bool append = mode.testFlag(QIODevice::WriteOnly);
    const int flags =
        O_CLOEXEC | O_NOCTTY | O_NONBLOCK | (append ? O_WRONLY | O_APPEND | O_CREAT : O_RDONLY);
    // What is appended to (the history, a recording) is the user's own: made for the user alone.
    const int handle = ::open(QFile::encodeName(path).constData(), flags, 0600);
    if (handle < 0 && errno == ENXIO)  // a pipe that nobody reads
        return {true, notRegularFileReason()};
    if (handle < 0)
        return {false, fileErrorReason(std::error_code(errno, std::generic_category()))};
    struct stat status {};
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(handle);
        return {true, notRegularFileReason()};
    }
    // A regular file never makes a read or write wait; the flag goes for what follows anyway.
    ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(handle, mode, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return {false, file.errorString()};
    }
    return {};
}

QString appendToFile(const QString& path, const QByteArray& bytes) {
    // O_APPEND, and the bytes go to the file in one write of the system's.
    QFile file;
    if (const RegularOpen opened =
            openRegularFile(file, path, QIODevice::WriteOnly | QIODevice::Append);
        !opened.ok())
        return opened.reason;
    const auto size = static_cast<std::size_t>(bytes.size());
    const ssize_t written = ::write(file.handle(), bytes.constData(), size);
    if (written == static_cast<ssize_t>(size))
        return {};
    // A write cut short found the disk full after the first part.
    const int error = written < 0 ? errno : ENOSPC;
    return fileErrorReason(std::error_code(error, std::generic_category()));
}

QString fileNameEncoding() {
    return QStringLiteral("UTF-8");
}

}  // namespace pelorin
