// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/unprivileged.h"

#include <grp.h>
#include <pwd.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace pelorin::test {

UnprivilegedUser unprivilegedUser() {
    if (::geteuid() != 0)
        return {::geteuid(), ::getegid()};
    if (const passwd* user = ::getpwnam("nobody"))
        return {user->pw_uid, user->pw_gid};
    return {65534, 65534};
}

int runThisProgramUnprivileged(const std::vector<std::string>& arguments,
                               const std::vector<std::string>& environment) {
    // Everything the child needs is made before the fork: only exec-safe calls follow it.
    std::vector<std::string> variables = environment;
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
    std::vector<std::string> argumentBytes = arguments;
    std::vector<char*> argv{self.data()};
    for (std::string& a : argumentBytes)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const UnprivilegedUser user = unprivilegedUser();
    const bool dropRoot = ::geteuid() == 0;

    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        if (dropRoot &&
            (::setgroups(0, nullptr) != 0 || ::setgid(user.gid) != 0 || ::setuid(user.uid) != 0))
            ::_exit(125);
        ::execve(self.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace pelorin::test
