// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/terminal.h"

#include <unistd.h>

namespace pelorin {

bool standardOutputIsTerminal() {
    return ::isatty(STDOUT_FILENO) != 0;
}

}  // namespace pelorin
