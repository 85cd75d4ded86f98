// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/specialfiles.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelorin::test {

bool makeNamedPipe(const std::string& path) {
    return ::mkfifo(path.c_str(), 0644) == 0;
}

WaitingTerminal::WaitingTerminal() {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0)
        return;
    const char* name = nullptr;
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        (name = ::ptsname(master)) == nullptr) {
        ::close(master);
        return;
    }
    master_ = master;
    devicePath_ = name;
}

WaitingTerminal::~WaitingTerminal() {
    hangUp();
}

void WaitingTerminal::hangUp() {
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
}

NonBlockingWriter::NonBlockingWriter(const std::string& path)
    : fd_(::open(path.c_str(), O_WRONLY | O_NONBLOCK)) {}

NonBlockingWriter::~NonBlockingWriter() {
    if (fd_ >= 0)
        ::close(fd_);
}

}  // namespace pelorin::test
