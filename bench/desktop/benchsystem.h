// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the desktop bench asks of the system beyond Qt: the raw pseudo-terminal that is the
// line, starting and stopping the measured programs, their processor time and resident memory,
// and the bench's own environment. posix/benchsystem.cpp implements the terminal, the processes
// and the environment, linux/processreadings.cpp the readings from /proc.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pelorin::bench {

// A raw pseudo-terminal, both ends open for as long as it lives: the slave held here keeps the
// master readable while no program holds the line.
class Pty {
public:
    // Throws std::runtime_error when the system gives no pseudo-terminal.
    Pty();
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    [[nodiscard]] const std::string& slavePath() const { return slavePath_; }

    // Writes all of `bytes` to the master; returns when the last is in the pty, or at an error.
    void write(std::span<const std::uint8_t> bytes);

    // Waits up to `wait` for bytes from the slave's side and reads what has come, at most a
    // buffer full; 0 when nothing came.
    std::size_t read(std::span<std::uint8_t> buffer, std::chrono::milliseconds wait);

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

using ProcessId = long;

// Starts argv[0] (a path) with the bench's environment, its output to nowhere. Throws
// std::runtime_error when it cannot start.
ProcessId spawn(const std::vector<std::string>& argv);

// Asks the process to end, and ends it after 2 s if it has not.
void stop(ProcessId process);

[[nodiscard]] ProcessId ownProcessId();

// Seconds on a CPU of every thread of the process so far.
[[nodiscard]] double cpuSeconds(ProcessId process);

// The process's resident memory in MiB; 0 when the system does not tell.
[[nodiscard]] double rssMiB(ProcessId process);

// A write to a line nobody reads any more fails instead of ending the bench.
void ignoreBrokenPipes();

void setEnvironment(const char* name, const char* value);
void unsetEnvironment(const char* name);

// Makes a new folder from `pattern`, whose last six characters are XXXXXX, and writes its name
// into `pattern`; false, with errno set, when it cannot.
[[nodiscard]] bool makeTemporaryFolder(char* pattern);

}  // namespace pelorin::bench
