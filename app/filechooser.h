// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asking the user which settings file to save to or open: Qt's own file dialog (the same on
// every desktop), titled as the caller says, listing every file.

#include <QString>

#include <functional>

class QWidget;

namespace pelorin {

// Asks the user for a settings file; returns its full path, or an empty string when the user
// cancelled. `title` is the window's title ("Save" or "Open").
using FileChooser = std::function<QString(QWidget* parent, const QString& title)>;

// Save takes new names and replaces an existing file without asking; no filter and no default
// suffix, so a name is taken as typed.
[[nodiscard]] QString chooseSaveFile(QWidget* parent, const QString& title);
// Open takes only files that exist.
[[nodiscard]] QString chooseOpenFile(QWidget* parent, const QString& title);

}  // namespace pelorin
