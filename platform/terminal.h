// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether standard output goes to a terminal (a console on Windows) rather than a file or a
// pipe. Each system has its own file (platform/<os>/terminal.cpp).

namespace pelorin {

[[nodiscard]] bool standardOutputIsTerminal();

}  // namespace pelorin
