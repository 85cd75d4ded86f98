// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's icon, compiled into the program: every window's icon and About's picture.

#include <QIcon>

namespace pelorin {

// Null in a program that does not link the compiled-in resources.
[[nodiscard]] QIcon applicationIcon();

}  // namespace pelorin
