// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving a file so that nothing the user had is lost: whole or not at all.

#include <QByteArray>
#include <QString>

namespace pelorin {

// Writes `bytes` to `path` whole or not at all (QSaveFile): a new file beside the old one,
// then renamed over it. Saving onto a link replaces the file it points to; an existing file
// keeps its permissions, a new one gets the umask's. Folders, pipes, devices and write-protected
// files are refused as they are. Returns an empty QString on success, else a message naming
// the file and the reason.
[[nodiscard]] QString saveFileAtomically(const QString& path, const QByteArray& bytes);

// Appends `bytes` to `path` (made when missing) in one write that lands at the end of the file
// as it is then, whoever else appends: two programs appending at once never mix or lose their
// writes. Empty on success, else the system's reason.
[[nodiscard]] QString appendToFile(const QString& path, const QByteArray& bytes);

}  // namespace pelorin
