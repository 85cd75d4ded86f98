// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/filesizelimit.h"

#include <sys/resource.h>

#include <csignal>

namespace pelorin::test {

FileSizeLimit::FileSizeLimit(std::uint64_t bytes) {
    rlimit previous{};
    if (::getrlimit(RLIMIT_FSIZE, &previous) != 0)
        return;
    previousSoft_ = previous.rlim_cur;
    previousHard_ = previous.rlim_max;
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = previous;
    limited.rlim_cur = static_cast<rlim_t>(bytes);
    applied_ = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    if (!applied_)
        std::signal(SIGXFSZ, previousHandler_);
}

FileSizeLimit::~FileSizeLimit() {
    if (!applied_)
        return;
    rlimit previous{};
    previous.rlim_cur = static_cast<rlim_t>(previousSoft_);
    previous.rlim_max = static_cast<rlim_t>(previousHard_);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler_);
}

}  // namespace pelorin::test
