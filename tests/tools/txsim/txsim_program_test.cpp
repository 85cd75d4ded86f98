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

#include <QCoreApplication>

#include "tests/support/processsignal.h"
#include "tests/support/programrun.h"

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using namespace std::chrono_literals;
using pelorin::test::ProgramRun;
using pelorin::test::RunningProgram;

// How pelorin-txsim runs here: its standard output and error in one, half a minute at most.
pelorin::test::ProgramOptions mergedOutput() {
    pelorin::test::ProgramOptions options;
    options.mergeOutput = true;
    options.timeout = 30s;
    return options;
}

TEST(TxsimProgramTest, Help_PrintsUsageAndSucceeds) {
    RunningProgram run(PELORIN_TXSIM_PATH, {"--help"}, mergedOutput());
    ASSERT_GT(run.processId(), 0);
    const ProgramRun ended = run.finish();
    const std::string output = ended.out;
    EXPECT_EQ(ended.exitCode, 0);
    EXPECT_THAT(output, HasSubstr("Usage: pelorin-txsim"));
}

TEST(TxsimProgramTest, UnknownOption_FailsNamingIt) {
    RunningProgram run(PELORIN_TXSIM_PATH, {"--bogus"}, mergedOutput());
    ASSERT_GT(run.processId(), 0);
    const ProgramRun ended = run.finish();
    const std::string output = ended.out;
    EXPECT_EQ(ended.exitCode, 2);
    EXPECT_THAT(output, HasSubstr("--bogus"));
}

TEST(TxsimProgramTest, Signal_EndsItAndRemovesItsLink) {
    for (int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        const fs::path folder =
            fs::temp_directory_path() /
            ("txsim-program-" + std::to_string(QCoreApplication::applicationPid()));
        fs::remove_all(folder);
        RunningProgram run(PELORIN_TXSIM_PATH,
                           {"--port-dir", folder.string(), "--name", "sim", "--quiet"},
                           mergedOutput());
        ASSERT_GT(run.processId(), 0);
        const fs::path link = folder / "sim";
        const auto end = std::chrono::steady_clock::now() + 5s;
        while (!fs::is_symlink(link) && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(5ms);
        ASSERT_TRUE(fs::is_symlink(link));

        pelorin::test::sendSignal(run.processId(), signal);

        EXPECT_EQ(run.finish().exitCode, 0);
        EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
        fs::remove_all(folder);
    }
}

}  // namespace
