// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/savefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace pelorin {

namespace {

// The texts of this file, under one translation context (lupdate files them there too).
struct SaveFileTexts {
    Q_DECLARE_TR_FUNCTIONS(pelorin::SaveFileTexts)
};

QString cannotSave(const QString& path, const QString& reason) {
    return SaveFileTexts::tr("Cannot save \u201C%1\u201D: %2.").arg(path, reason);
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Qt's texts end without a full stop, but a few of the system's do not; one is enough.
QString withoutFullStop(QString reason) {
    while (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    return reason;
}

bool mayWrite(const QByteArray& nativePath, int mode) {
    return ::faccessat(AT_FDCWD, nativePath.constData(), mode, AT_EACCESS) == 0;
}

// Writes all bytes to `fd` from its start, going on after short writes and interruptions.
// 0 or the error.
int writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    auto left = static_cast<std::size_t>(bytes.size());
    off_t offset = 0;
    while (left > 0) {
        const ssize_t n = ::pwrite(fd, data, left, offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += n;
        offset += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}

// Writes over the existing file itself. The file is not emptied first: the new bytes go over
// the old ones and only then is any old tail cut off, so a file replaced by one of the same
// size (every settings file) holds the old bytes or the new ones even if the program dies.
int writeInPlace(const QByteArray& nativeTarget, const QByteArray& bytes) {
    int fd;
    do {
        fd = ::open(nativeTarget.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno;
    int error = writeAll(fd, bytes);
    if (error == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

// Makes a rename in `folder` durable. The new file is already in place, so a folder that
// cannot be synced (some file systems refuse) is no failed save.
void syncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

QString saveFileAtomically(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty())
        return cannotSave(path, systemReason(ENOENT));
    const QByteArray nativePath = QFile::encodeName(path);

    // What is there now, symlinks followed: saving onto a link replaces the file it points to.
    struct stat existing {};
    const bool exists = ::stat(nativePath.constData(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return cannotSave(path, systemReason(errno));
    QString target = path;
    bool inPlace = false;
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            return cannotSave(path, systemReason(EISDIR));
        // A pipe or a device would be replaced by a plain file, not written.
        if (!S_ISREG(existing.st_mode))
            return cannotSave(path, SaveFileTexts::tr("Not a regular file"));
        // Replacing by rename would get past a write-protected file; honour the protection.
        if (!mayWrite(nativePath, W_OK))
            return cannotSave(path, systemReason(errno));
        target = QFileInfo(path).canonicalFilePath();
        if (target.isEmpty())
            target = path;
        // A folder that refuses new files still lets the user change a file they may write.
        const QString folder = QFileInfo(target).absolutePath();
        inPlace = !mayWrite(QFile::encodeName(folder), W_OK | X_OK);
        // A file with other names (hard links) would lose them to a replacement.
        inPlace = inPlace || existing.st_nlink > 1;
    }

    if (!inPlace) {
        QSaveFile file(target);
        // writeInPlace() stands in for QSaveFile's own fallback, which empties the file
        // before writing.
        file.setDirectWriteFallback(false);
        // Unbuffered: a write that fails when Qt's buffer is flushed at commit() would not
        // stop the commit, and the new file would be renamed into place cut short.
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return cannotSave(path, withoutFullStop(file.errorString()));
        bool keepsOwner = true;
        if (exists) {
            // The replacement gets the old file's owner, group and mode. Only an owner may
            // give a file away; when that cannot be done the file is written in place, so it
            // stays the owner's.
            const int fd = file.handle();
            struct stat made {};
            if (::fstat(fd, &made) != 0)
                keepsOwner = false;
            else if (made.st_uid != existing.st_uid || made.st_gid != existing.st_gid)
                keepsOwner = ::fchown(fd, existing.st_uid, existing.st_gid) == 0;
            if (keepsOwner && ::fchmod(fd, existing.st_mode & 07777) != 0)
                return cannotSave(path, systemReason(errno));
        }
        if (keepsOwner) {
            if (file.write(bytes) != bytes.size() || !file.commit())
                return cannotSave(path, withoutFullStop(file.errorString()));
            syncFolder(QFileInfo(target).absolutePath());
            return {};
        }
        file.cancelWriting();
    }

    if (const int error = writeInPlace(QFile::encodeName(target), bytes); error != 0)
        return cannotSave(path, systemReason(error));
    return {};
}

QString appendToFile(const QString& path, const QByteArray& bytes) {
    // Append opens with O_APPEND, and unbuffered the bytes go to the file in one write.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(bytes) != bytes.size())
        return file.errorString();
    return {};
}

}  // namespace pelorin
