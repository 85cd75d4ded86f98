// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's string table.

namespace pelorin {

// The program's name, shown as the About item of the main window's menu.
inline constexpr const char* kProgramName = "Pelorin";  // string 101

}  // namespace pelorin
