// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the windows beside the main window open: where the user left them last time, when that
// place is on a screen that is there now; else beside the main window (right of it, or left,
// where the screen has room), or centred on it. Never at the screen's corner over the main
// window.

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

class QWidget;

namespace pelorin {

// Keeps a window's geometry between runs, under a key of the window's own ("models").
struct PlacementMemory {
    std::function<QByteArray(const QString& key)> recall;
    std::function<void(const QString& key, const QByteArray& geometry)> remember;
};

// In the user's settings (QSettings), under "windows/<key>".
[[nodiscard]] PlacementMemory settingsPlacementMemory();

// From now on `window` opens where the user left it or beside `main` (see above), and where it
// is when hidden is remembered. `memory` may be empty: then it opens beside `main` each run.
void placeBeside(QWidget* window, QWidget* main, const QString& key, PlacementMemory memory);

// The top-left corner for a window of `size` beside `main`: right of it, else left of it, else
// centred on it, within `screen` (all in global coordinates).
[[nodiscard]] QPoint besidePosition(const QRect& main, const QSize& size, const QRect& screen);

}  // namespace pelorin
