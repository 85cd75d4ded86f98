// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <QCoreApplication>

#include "tools/txsim/commandline.h"

namespace pelorin::txsim {
namespace {

using ::testing::HasSubstr;

TEST(CommandLineTest, NoArguments_GiveTheDefaults) {
    const CommandLine line = parseCommandLine({});
    EXPECT_TRUE(line.error.empty());
    EXPECT_FALSE(line.help);
    EXPECT_EQ(line.options.frameRate, 50.0);
    EXPECT_EQ(line.options.models, defaultModels());
    EXPECT_FALSE(line.options.faults.splitFrames);
}

TEST(CommandLineTest, EveryOption_InBothSpellings_IsTaken) {
    const CommandLine line =
        parseCommandLine({"-r", "100", "--name=bench", "--port-dir", "/tmp/x", "--bad-checksum",
                          "3", "--garbage=2", "--split", "--split-gap", "2.5",
                          "--close-after-seconds", "1.5", "--close-after-frames=40", "-q"});
    ASSERT_TRUE(line.error.empty()) << line.error;
    EXPECT_EQ(line.options.frameRate, 100.0);
    EXPECT_EQ(line.options.linkName, "bench");
    EXPECT_EQ(line.options.portFolder, "/tmp/x");
    EXPECT_EQ(line.options.faults.badChecksumEvery, 3u);
    EXPECT_EQ(line.options.faults.garbageEvery, 2u);
    EXPECT_TRUE(line.options.faults.splitFrames);
    EXPECT_EQ(line.options.faults.splitGap, std::chrono::microseconds(2500));
    EXPECT_EQ(line.options.faults.closeAfterTime, std::chrono::milliseconds(1500));
    EXPECT_EQ(line.options.faults.closeAfterFrames, 40u);
    EXPECT_TRUE(line.quiet);
}

TEST(CommandLineTest, WrongArguments_AreRefusedWithReason) {
    const std::vector<std::vector<std::string>> cases = {
        {"--rate"},
        {"--rate", "fast"},
        {"--rate", "-1"},
        {"--garbage", "0"},
        {"--bad-checksum", "x"},
        {"--name", "a/b"},
        {"--name", ".."},
        {"--frobnicate"},
        {"--close-after-seconds", "0"},
        {"--settings", "/no/such/file.bin"},
        {"stray"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args.front() + (args.size() > 1 ? " " + args[1] : ""));
        EXPECT_FALSE(parseCommandLine(args).error.empty());
    }
}

// Numbers past an option's range are refused, not wrapped into a small count or clamped.
TEST(CommandLineTest, NumbersOutOfRange_AreRefusedAndNamed) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"--bad-checksum", "4294967296"},  // one past the counter: would wrap to 0
        {"--garbage", "4294967297"},       // would wrap to 1
        {"--close-after-frames", "18446744073709551616"},
        {"--close-after-frames", "-1"},
        {"--garbage", "+3"},
        {"--garbage", " 3"},
        {"--bad-checksum", "3x"},
        {"--rate", "1e400"},
        {"--rate", "nan"},
        {"--rate", "inf"},
        {"--rate", "10000.5"},
        {"--split-gap", "-0.5"},
        {"--close-after-seconds", "1e7"},
        {"--close-after-seconds", "-inf"},
    };
    for (const auto& [option, value] : cases) {
        SCOPED_TRACE(option + " " + value);
        const CommandLine line = parseCommandLine({option + "=" + value});
        EXPECT_THAT(line.error, HasSubstr(option));
        EXPECT_THAT(line.error, HasSubstr(value));
    }
}

TEST(CommandLineTest, LargestCounts_AreTakenWhole) {
    const CommandLine line = parseCommandLine(
        {"--bad-checksum", "4294967295", "--close-after-frames", "18446744073709551615"});
    ASSERT_TRUE(line.error.empty()) << line.error;
    EXPECT_EQ(line.options.faults.badChecksumEvery, 4294967295u);
    EXPECT_EQ(line.options.faults.closeAfterFrames, 18446744073709551615u);
}

TEST(CommandLineTest, SettingsFile_BecomesUser1AndWrongSizeIsRefused) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("txsim-cmdline-" + std::to_string(QCoreApplication::applicationPid()));
    std::filesystem::create_directories(dir);
    BlockBytes block{};
    block[0] = 0x12;
    {
        std::ofstream(dir / "good.bin", std::ios::binary)
            .write(reinterpret_cast<const char*>(block.data()),
                   static_cast<std::streamsize>(block.size()));
        std::ofstream(dir / "short.bin", std::ios::binary).write("abc", 3);
    }

    const CommandLine good = parseCommandLine({"--settings", (dir / "good.bin").string()});
    const CommandLine bad = parseCommandLine({"-s", (dir / "short.bin").string()});
    std::filesystem::remove_all(dir);

    ASSERT_TRUE(good.error.empty()) << good.error;
    EXPECT_EQ(good.options.models[0], block);
    EXPECT_EQ(good.options.models[1], defaultModels()[1]);
    EXPECT_THAT(bad.error, HasSubstr("short.bin"));
}

TEST(CommandLineTest, Help_IsRecognised) {
    EXPECT_TRUE(parseCommandLine({"--help"}).help);
    EXPECT_TRUE(parseCommandLine({"-h"}).help);
    EXPECT_TRUE(parseCommandLine({"--version"}).version);
    EXPECT_THAT(usageText(), HasSubstr("--close-after-frames"));
}

}  // namespace
}  // namespace pelorin::txsim
