// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/terminal.h"

#include <windows.h>

namespace pelorin {

// Only a console answers GetConsoleMode; a file, a pipe or a terminal emulator's pipe does not.
bool standardOutputIsTerminal() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

}  // namespace pelorin
