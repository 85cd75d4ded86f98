// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/specialfiles.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelorin::test {

bool makeNamedPipe(const std::string& path) {
    return ::mkfifo(path.c_str(), 0644) == 0;
}

NonBlockingWriter::NonBlockingWriter(const std::string& path)
    : fd_(::open(path.c_str(), O_WRONLY | O_NONBLOCK)) {}

NonBlockingWriter::~NonBlockingWriter() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool holdTerminalExclusively(const char* device) noexcept {
    const int fd = ::open(device, O_RDWR | O_NOCTTY);
    return fd >= 0 && ::ioctl(fd, TIOCEXCL) == 0;
}

}  // namespace pelorin::test
