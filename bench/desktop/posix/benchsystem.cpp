// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/desktop/benchsystem.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

extern char** environ;

namespace pelorin::bench {

using namespace std::chrono_literals;

Pty::Pty() {
    int slave = -1;
    if (openpty(&master_, &slave, nullptr, nullptr, nullptr) != 0)
        throw std::runtime_error(std::string("openpty: ") + std::strerror(errno));
    termios mode{};
    tcgetattr(slave, &mode);
    cfmakeraw(&mode);
    tcsetattr(slave, TCSANOW, &mode);
    slave_ = slave;
    const char* path = ttyname(slave);
    if (path == nullptr)
        throw std::runtime_error(std::string("ttyname: ") + std::strerror(errno));
    slavePath_ = path;
}

Pty::~Pty() {
    close(slave_);
    close(master_);
}

void Pty::write(std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno != EINTR && errno != EAGAIN) {
            return;
        }
    }
}

std::size_t Pty::read(std::span<std::uint8_t> buffer, std::chrono::milliseconds wait) {
    pollfd fd{master_, POLLIN, 0};
    if (poll(&fd, 1, static_cast<int>(wait.count())) <= 0)
        return 0;
    const ssize_t n = ::read(master_, buffer.data(), buffer.size());
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

ProcessId spawn(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0)
        throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(failed));
    return pid;
}

void stop(ProcessId process) {
    const auto pid = static_cast<pid_t>(process);
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(10ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

ProcessId ownProcessId() {
    return getpid();
}

void ignoreBrokenPipes() {
    std::signal(SIGPIPE, SIG_IGN);
}

void setEnvironment(const char* name, const char* value) {
    setenv(name, value, 1);
}

void unsetEnvironment(const char* name) {
    unsetenv(name);
}

bool makeTemporaryFolder(char* pattern) {
    return mkdtemp(pattern) != nullptr;
}

}  // namespace pelorin::bench
