// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/terminalline.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace pelorin::test {

TerminalLine::TerminalLine(const std::string& path)
    : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {
    termios tio{};
    if (fd_ >= 0 && ::tcgetattr(fd_, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(fd_, TCSANOW, &tio);
    }
}

TerminalLine::~TerminalLine() {
    if (fd_ >= 0)
        ::close(fd_);
}

long TerminalLine::write(std::span<const std::uint8_t> bytes) {
    return static_cast<long>(::write(fd_, bytes.data(), bytes.size()));
}

LineState TerminalLine::waitForBytes(std::chrono::milliseconds timeout) const {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(timeout.count())) <= 0)
        return {};
    return {(p.revents & POLLIN) != 0, (p.revents & POLLHUP) != 0};
}

long TerminalLine::read(std::span<std::uint8_t> buffer) {
    return static_cast<long>(::read(fd_, buffer.data(), buffer.size()));
}

std::optional<TerminalMode> terminalMode(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    termios tio{};
    const bool read = ::tcgetattr(fd, &tio) == 0;
    ::close(fd);
    if (!read)
        return std::nullopt;
    return TerminalMode{(tio.c_lflag & ECHO) != 0, (tio.c_lflag & ICANON) != 0,
                        (tio.c_lflag & ISIG) != 0, (tio.c_oflag & OPOST) != 0};
}

}  // namespace pelorin::test
