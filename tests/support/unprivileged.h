// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Running a test as an unprivileged user. Root may write any file and folder, so what a user
// meets with permissions cannot be tried as root: the test runs itself again in a child
// process, as "nobody" when the tests run as root (as in CI), as the same user otherwise.
//
//     if (!isUnprivilegedRun()) { ...arrange the files... }
//     if (!runAsUnprivileged([&] { ...act and check as the user... })) return;
//     ...check what is on disk afterwards...
//
// The user, the child's start and the process id come from the system
// (posix/unprivileged.cpp).

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/pseudoterminal.h"

namespace pelorin::test {

inline constexpr const char* kUnprivilegedRunVariable = "PELORIN_UNPRIVILEGED_RUN";
// The child makes this file once its part has run, so a child that ran no test is no pass.
inline constexpr const char* kUnprivilegedRanVariable = "PELORIN_UNPRIVILEGED_RAN";

// True in the child process that runs the test as the unprivileged user.
inline bool isUnprivilegedRun() {
    return std::getenv(kUnprivilegedRunVariable) != nullptr;
}

// The user and group the child runs as: "nobody" when this process runs as root, else this
// process's own.
struct UnprivilegedUser {
    unsigned int uid;
    unsigned int gid;
};
UnprivilegedUser unprivilegedUser();

// Starts this program again with `arguments` as unprivilegedUser(), with this process's
// environment less the runtime folder and home of the user running the tests, HOME=/tmp and
// `environment` ("NAME=value") added, and waits for its end. Returns its exit status, 128 +
// the signal that ended it, or -1 when it could not be started.
int runThisProgramUnprivileged(const std::vector<std::string>& arguments,
                               const std::vector<std::string>& environment);

// Runs the current test again in a child process as the unprivileged user, with `environment`
// ("NAME=value") added to this process's. Returns the child's exit status: 0 when the test
// passed there.
inline int rerunThisTestUnprivileged(const std::vector<std::string>& environment = {}) {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter =
        std::string("--gtest_filter=") + info->test_suite_name() + "." + info->name();
    std::vector<std::string> variables = environment;
    variables.push_back(std::string(kUnprivilegedRunVariable) + "=1");
    return runThisProgramUnprivileged({filter}, variables);
}

// In the child: runs `act` and returns false (the rest of the test is the parent's). In the
// parent: runs the test in the child, expects it to pass there, and returns true.
inline bool runAsUnprivileged(const std::function<void()>& act,
                              const std::vector<std::string>& environment = {}) {
    if (isUnprivilegedRun()) {
        act();
        if (const char* ran = std::getenv(kUnprivilegedRanVariable))
            std::ofstream made(ran);
        return false;
    }
    const std::string ran =
        ::testing::TempDir() + "pelorin-unprivileged-ran-" + std::to_string(currentProcessId());
    std::remove(ran.c_str());
    std::vector<std::string> variables = environment;
    variables.push_back(std::string(kUnprivilegedRanVariable) + "=" + ran);
    EXPECT_EQ(rerunThisTestUnprivileged(variables), 0) << "the checks as the user failed";
    EXPECT_EQ(std::remove(ran.c_str()), 0) << "the test did not run as the user";
    return true;
}

}  // namespace pelorin::test
