// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pseudoterminal.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace pelorin {

namespace {

std::string errnoText(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

}  // namespace

PseudoTerminal::PseudoTerminal(PseudoTerminal&& other) noexcept
    : master_(std::exchange(other.master_, -1)), devicePath_(std::move(other.devicePath_)) {}

PseudoTerminal& PseudoTerminal::operator=(PseudoTerminal&& other) noexcept {
    if (this != &other) {
        close();
        master_ = std::exchange(other.master_, -1);
        devicePath_ = std::move(other.devicePath_);
    }
    return *this;
}

PseudoTerminal::~PseudoTerminal() {
    close();
}

bool PseudoTerminal::make(std::string& error) {
    close();
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master < 0) {
        error = errnoText("cannot open a pseudo-terminal");
        return false;
    }
    char path[128];
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        ::ptsname_r(master, path, sizeof path) != 0) {
        error = errnoText("cannot set up the pseudo-terminal");
        ::close(master);
        return false;
    }
    const int slave = ::open(path, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave < 0) {
        error = errnoText(std::string("cannot open ") + path);
        ::close(master);
        return false;
    }
    termios tio{};
    ::tcgetattr(slave, &tio);
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    ::cfsetspeed(&tio, B115200);
    ::tcsetattr(slave, TCSANOW, &tio);
    ::close(slave);
    master_ = master;
    devicePath_ = path;
    return true;
}

void PseudoTerminal::close() {
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
}

bool PseudoTerminal::peerPresent() const {
    // This end reports a hang-up for as long as no program has the device open.
    pollfd fd{master_, POLLIN, 0};
    return ::poll(&fd, 1, 0) >= 0 && (fd.revents & POLLHUP) == 0;
}

bool PseudoTerminal::leftExclusive() const {
    const int fd = ::open(devicePath_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == EBUSY;
    int exclusive = 0;
    const bool set = ::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
    ::close(fd);
    return set;
}

std::size_t PseudoTerminal::read(std::span<std::uint8_t> buffer) {
    // EAGAIN: all taken; EIO: hung up, which the next wait reports.
    const ssize_t n = ::read(master_, buffer.data(), buffer.size());
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

PseudoTerminal::WriteResult PseudoTerminal::write(std::span<const std::uint8_t> bytes,
                                                  std::size_t& written) {
    written = 0;
    const ssize_t n = ::write(master_, bytes.data(), bytes.size());
    if (n >= 0) {
        written = static_cast<std::size_t>(n);
        return WriteResult::Written;
    }
    return errno == EAGAIN || errno == EINTR ? WriteResult::Blocked : WriteResult::Failed;
}

WakeUp::WakeUp() {
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) == 0) {
        read_ = fds[0];
        write_ = fds[1];
    }
}

WakeUp::~WakeUp() {
    if (read_ >= 0)
        ::close(read_);
    if (write_ >= 0)
        ::close(write_);
}

void WakeUp::wake() noexcept {
    if (write_ >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(write_, &byte, 1);
    }
}

TerminalWait TerminalWait::wait(PseudoTerminal::Handle terminal, bool wantRoom, WakeUp& wakeUp,
                                std::chrono::nanoseconds timeout) {
    pollfd fds[2] = {{wakeUp.read_, POLLIN, 0},
                     {terminal, static_cast<short>(POLLIN | (wantRoom ? POLLOUT : 0)), 0}};
    const auto ns = std::max(timeout, std::chrono::nanoseconds::zero()).count();
    const timespec limit{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
    ::ppoll(fds, 2, &limit, nullptr);
    if (fds[0].revents & POLLIN) {
        char drain[64];
        while (::read(wakeUp.read_, drain, sizeof drain) > 0) {
        }
    }
    TerminalWait outcome;
    outcome.readable = (fds[1].revents & POLLIN) != 0;
    outcome.room = (fds[1].revents & POLLOUT) != 0;
    outcome.hungUp = (fds[1].revents & (POLLHUP | POLLERR)) != 0;
    return outcome;
}

bool processExists(long processId) {
    return !(::kill(static_cast<pid_t>(processId), 0) == -1 && errno == ESRCH);
}

long currentProcessId() {
    return static_cast<long>(::getpid());
}

}  // namespace pelorin
