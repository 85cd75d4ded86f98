// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the temporary files of saves that died part-way out of the file chooser: they are no
// settings files, even when the user shows hidden files.

class QFileDialog;

namespace pelorin {

// Installs a filter on `dialog` (Qt's own dialog) that leaves out every name that
// isSaveLeftoverName() takes for such a file.
void hideSaveLeftovers(QFileDialog& dialog);

}  // namespace pelorin
