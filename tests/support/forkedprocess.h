// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A copy of this process made by fork(), for tests of a process that dies at an unknown
// moment, or of another program that holds something: the copy runs `work` and exits with
// what it returns, unless it is killed first. POSIX systems only (posix/forkedprocess.cpp).
//
//     ForkedProcess saver([&](const std::function<void()>& underWay) {
//         ...the first save...; underWay(); ...saves until killed...
//     });
//     ASSERT_TRUE(saver.waitUntilUnderWay());
//     ASSERT_TRUE(saver.kill());

#include <functional>

namespace pelorin::test {

class ForkedProcess {
public:
    // The work calls `underWay` once it has got going; the parent can wait for that.
    using Work = std::function<int(const std::function<void()>& underWay)>;
    explicit ForkedProcess(const Work& work);
    ForkedProcess(const ForkedProcess&) = delete;
    ForkedProcess& operator=(const ForkedProcess&) = delete;
    // A copy still there is killed and reaped.
    ~ForkedProcess();

    // The copy's process id; 0 or less when the fork failed.
    [[nodiscard]] long long processId() const { return processId_; }
    // Waits until the work said it was under way; false when the copy ended before.
    [[nodiscard]] bool waitUntilUnderWay();
    // Kills the copy with SIGKILL and reaps it: true when the signal ended it, false when it
    // had ended by itself (or was reaped before).
    bool kill();

private:
    long long processId_ = -1;
    int underWay_ = -1;  // the pipe's end the copy says so on
    bool reaped_ = false;
};

}  // namespace pelorin::test
