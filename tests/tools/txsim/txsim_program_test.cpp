// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// pelorin-txsim as a user starts it: help, a wrong option, and ending on a signal.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using namespace std::chrono_literals;

struct Child {
    pid_t pid = -1;
    int output = -1;  // stdout and stderr
};

Child spawn(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    std::string program = PELORIN_TXSIM_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& a : copies)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    Child run;
    if (posix_spawn(&run.pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        run.pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    run.output = pipeFds[0];
    return run;
}

std::string readAll(int fd) {
    std::string text;
    char buffer[512];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    ::close(fd);
    return text;
}

int waitExit(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

TEST(TxsimProgramTest, Help_PrintsUsageAndSucceeds) {
    Child run = spawn({"--help"});
    ASSERT_GT(run.pid, 0);
    const std::string output = readAll(run.output);
    EXPECT_EQ(waitExit(run.pid), 0);
    EXPECT_THAT(output, HasSubstr("Usage: pelorin-txsim"));
}

TEST(TxsimProgramTest, UnknownOption_FailsNamingIt) {
    Child run = spawn({"--bogus"});
    ASSERT_GT(run.pid, 0);
    const std::string output = readAll(run.output);
    EXPECT_EQ(waitExit(run.pid), 2);
    EXPECT_THAT(output, HasSubstr("--bogus"));
}

TEST(TxsimProgramTest, Signal_EndsItAndRemovesItsLink) {
    for (int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        const fs::path folder =
            fs::temp_directory_path() / ("txsim-program-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        Child run = spawn({"--port-dir", folder.string(), "--name", "sim", "--quiet"});
        ASSERT_GT(run.pid, 0);
        const fs::path link = folder / "sim";
        const auto end = std::chrono::steady_clock::now() + 5s;
        while (!fs::is_symlink(link) && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(5ms);
        ASSERT_TRUE(fs::is_symlink(link));

        ::kill(run.pid, signal);

        EXPECT_EQ(waitExit(run.pid), 0);
        EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
        readAll(run.output);
        fs::remove_all(folder);
    }
}

}  // namespace
