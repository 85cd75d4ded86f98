// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Running one of the programs as a user starts it, through QProcess: its output, how it
// ended, and nothing left behind when a test gives up on it.
//
//     const ProgramRun r = runProgram(PELORIN_DUMP_EXE, {"--help"});
//     EXPECT_EQ(r.exitCode, 0);
//
// The arguments are bytes, as a shell hands them over: one that is not UTF-8 reaches the
// program unchanged.

#include <chrono>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QProcess;

namespace pelorin::test {

struct ProgramOptions {
    // Standard error goes into ProgramRun::out too, in the order it was written.
    bool mergeOutput = false;
    // Variables set for the program and removed from it; the rest is this process's.
    std::vector<std::pair<std::string, std::string>> setVariables;
    std::vector<std::string> unsetVariables;
    // A program still running after this long is killed, and the run fails.
    std::chrono::milliseconds timeout{60000};
};

struct ProgramRun {
    bool started = false;
    // It ended within the time, by itself or on a signal.
    bool finished = false;
    // What it exited with; -1 when it did not exit by itself (a signal, or not started).
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A program started and left running until finish(); killed when dropped still running.
class RunningProgram {
public:
    RunningProgram(const std::string& program, const std::vector<std::string>& arguments,
                   const ProgramOptions& options = {});
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    ~RunningProgram();

    [[nodiscard]] bool started() const;
    // The program's process id, 0 when it did not start.
    [[nodiscard]] long long processId() const;
    // Waits for the end (at most the timeout) and collects what it wrote.
    ProgramRun finish();

private:
    std::unique_ptr<QProcess> process_;
    std::vector<std::string> argumentBytes_;
    std::vector<char*> argv_;
    std::chrono::milliseconds timeout_;
    bool started_ = false;
};

// Starts `program` with `arguments` and waits for its end.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const ProgramOptions& options = {});

// In the child QProcess made: replaces it with `argv[0]` run with exactly these bytes, or ends
// it with 127 (posix/programexec.cpp). It may not allocate.
[[noreturn]] void execExactly(char* const* argv) noexcept;

}  // namespace pelorin::test
