// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving a file so that nothing the user had is lost: whole or not at all. Opening a file that
// must be a regular one without ever waiting on a pipe or a device in its place.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <system_error>

namespace pelorin {

// Writes `bytes` to `path` whole or not at all (QSaveFile): a new file beside the old one,
// then renamed over it. Saving onto a link replaces the file it points to; an existing file
// keeps its permissions, a new one gets the umask's. Folders, pipes, devices and write-protected
// files are refused as they are. Returns an empty QString on success, else a message naming
// the file and the reason.
[[nodiscard]] QString saveFileAtomically(const QString& path, const QByteArray& bytes);

// Appends `bytes` to `path` (made when missing) in one write that lands at the end of the file
// as it is then, whoever else appends: two programs appending at once never mix or lose their
// writes. Only a regular file is written (as openRegularFile opens it). Empty on success, else
// the reason, for a sentence.
[[nodiscard]] QString appendToFile(const QString& path, const QByteArray& bytes);

// Opens `path` into `file` with `mode` (ReadOnly, or WriteOnly | Append, which makes a missing
// file) only if it is a regular file. A named pipe, a device or a folder in its place is
// refused before it is opened, and again when what opened is not a regular file after all
// (it was swapped in between): the open itself never waits, as opening a pipe without a writer
// or a terminal would, and nothing reads from a source without end.
struct RegularOpen {
    bool notRegular = false;  // refused: something other than a regular file is there
    QString reason;           // why it did not open, for a sentence; empty when it did
    [[nodiscard]] bool ok() const { return reason.isEmpty(); }
};
[[nodiscard]] RegularOpen openRegularFile(QFile& file, const QString& path,
                                          QIODevice::OpenMode mode);

// The reason a read or write failed, for a sentence: a full disk is said as such, with what to
// do about it; anything else in the system's words.
[[nodiscard]] QString fileErrorReason(const std::error_code& error);
// The reason for a file that is not a regular one, for a sentence.
[[nodiscard]] QString notRegularFileReason();

// The encoding of file names in the system's own bytes, for the message that refuses a name
// whose bytes are not valid in it: "UTF-8" on Linux, "the ANSI code page" on Windows.
[[nodiscard]] QString fileNameEncoding();

}  // namespace pelorin
