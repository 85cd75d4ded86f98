// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving a file so that nothing the user had is lost: whole or not at all.

#include <QByteArray>
#include <QString>

#include <chrono>

namespace pelorin {

// Writes `bytes` to `path` whole or not at all (QSaveFile), following symlinks, keeping an
// existing file's mode and owner, a new file getting the umask's mode; falls back to
// writing in place when the folder refuses new files but the file is writable.
// Returns an empty QString on success, else a message naming the file and the reason.
[[nodiscard]] QString saveFileAtomically(const QString& path, const QByteArray& bytes);

// Appends `bytes` to `path` (made when missing) in one write that lands at the end of the file
// as it is then, whoever else appends: two programs appending at once never mix or lose their
// writes. Empty on success, else the system's reason.
[[nodiscard]] QString appendToFile(const QString& path, const QByteArray& bytes);

// True for the name of a temporary file that a save by an earlier version of the program left
// behind when it died part-way (".pelorin-save-" and six letters or digits). Such a file is
// never a settings file.
[[nodiscard]] bool isSaveLeftoverName(const QString& fileName);

// Removes from `folder` the leftovers named as above that are provably stale: a regular file
// (not a link) of this user, no larger than any such save wrote, unchanged for `minimumAge`,
// and open in no process this user can see (only this user's processes and root's can write
// to the file). Anything in doubt stays. Returns how many files were removed.
int removeStaleSaveLeftovers(const QString& folder,
                             std::chrono::seconds minimumAge = std::chrono::minutes(10));

}  // namespace pelorin
