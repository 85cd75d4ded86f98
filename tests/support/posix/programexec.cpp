// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/programrun.h"

#include <unistd.h>

namespace pelorin::test {

void execExactly(char* const* argv) noexcept {
    ::execv(argv[0], argv);
    ::_exit(127);
}

}  // namespace pelorin::test
