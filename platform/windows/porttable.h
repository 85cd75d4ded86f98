// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// COM port names on Windows: COM<n> is the system's own COM<n>, opened as \\.\COM<n>.

#include <QString>

namespace pelorin::windows {

// 3 for "COM3" or "\\.\com3"; 0 for anything else.
[[nodiscard]] int comPortNumber(const QString& name);

}  // namespace pelorin::windows
