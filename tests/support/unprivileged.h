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

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace pelorin::test {

inline constexpr const char* kUnprivilegedRunVariable = "PELORIN_UNPRIVILEGED_RUN";
// The child makes this file once its part has run, so a child that ran no test is no pass.
inline constexpr const char* kUnprivilegedRanVariable = "PELORIN_UNPRIVILEGED_RAN";

// True in the child process that runs the test as the unprivileged user.
inline bool isUnprivilegedRun() {
    return std::getenv(kUnprivilegedRunVariable) != nullptr;
}

// The user and group the child runs as.
struct UnprivilegedUser {
    uid_t uid;
    gid_t gid;
};
inline UnprivilegedUser unprivilegedUser() {
    if (::geteuid() != 0)
        return {::geteuid(), ::getegid()};
    if (const passwd* user = ::getpwnam("nobody"))
        return {user->pw_uid, user->pw_gid};
    return {65534, 65534};
}

// Runs the current test again in a child process as the unprivileged user, with `environment`
// ("NAME=value") added to this process's. Returns the child's exit status: 0 when the test
// passed there.
inline int rerunThisTestUnprivileged(const std::vector<std::string>& environment = {}) {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter =
        std::string("--gtest_filter=") + info->test_suite_name() + "." + info->name();
    // Everything the child needs is made before the fork: only exec-safe calls follow it.
    std::vector<std::string> variables = environment;
    variables.push_back(std::string(kUnprivilegedRunVariable) + "=1");
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        // The runtime folder and home belong to the user running the tests.
        if (!text.starts_with("XDG_RUNTIME_DIR=") && !text.starts_with("HOME="))
            variables.push_back(text);
    }
    variables.push_back("HOME=/tmp");
    std::vector<char*> envp;
    for (std::string& v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);
    std::string self = "/proc/self/exe";
    std::string filterArg = filter;
    char* argv[] = {self.data(), filterArg.data(), nullptr};
    const UnprivilegedUser user = unprivilegedUser();
    const bool dropRoot = ::geteuid() == 0;

    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        if (dropRoot &&
            (::setgroups(0, nullptr) != 0 || ::setgid(user.gid) != 0 || ::setuid(user.uid) != 0))
            ::_exit(125);
        ::execve(self.c_str(), argv, envp.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// In the child: runs `act` and returns false (the rest of the test is the parent's). In the
// parent: runs the test in the child, expects it to pass there, and returns true.
inline bool runAsUnprivileged(const std::function<void()>& act,
                              const std::vector<std::string>& environment = {}) {
    if (isUnprivilegedRun()) {
        act();
        if (const char* ran = std::getenv(kUnprivilegedRanVariable)) {
            const int fd = ::open(ran, O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
            if (fd >= 0)
                ::close(fd);
        }
        return false;
    }
    const std::string ran =
        ::testing::TempDir() + "pelorin-unprivileged-ran-" + std::to_string(::getpid());
    std::remove(ran.c_str());
    std::vector<std::string> variables = environment;
    variables.push_back(std::string(kUnprivilegedRanVariable) + "=" + ran);
    EXPECT_EQ(rerunThisTestUnprivileged(variables), 0) << "the checks as the user failed";
    EXPECT_EQ(std::remove(ran.c_str()), 0) << "the test did not run as the user";
    return true;
}

}  // namespace pelorin::test
