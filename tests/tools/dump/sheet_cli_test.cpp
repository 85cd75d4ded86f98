// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// pelorin-dump --sheet as a user runs it: the sheet of a 67-byte file as text and as PDF, in
// the user's language, and the mistakes it refuses.

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/sheet/sheetblocks.h"
#include "tests/support/programrun.h"

namespace pelorin::test {
namespace {

namespace fs = std::filesystem;

struct SheetRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class SheetCli : public ::testing::Test {
protected:
    void SetUp() override {
        QTemporaryDir made(QDir::tempPath() + QStringLiteral("/pelorin-sheet-XXXXXX"));
        ASSERT_TRUE(made.isValid()) << made.errorString().toStdString();
        made.setAutoRemove(false);  // TearDown removes it
        dir_ = made.path().toStdString();
        heli_ = (dir_ / "rotor.bin").string();
        std::ofstream(heli_, std::ios::binary)
            .write(reinterpret_cast<const char*>(kHeliSampleBlock.data()), kHeliSampleBlock.size());
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Runs pelorin-dump with `args`, in English unless `env` says otherwise: words as env(1)
    // takes them, "NAME=value" to set a variable and "-u NAME" to remove one.
    SheetRun run(const std::vector<std::string>& args, const std::string& env = "LANGUAGE=en") {
        test::ProgramOptions options;
        std::istringstream words(env);
        for (std::string word; words >> word;) {
            if (word == "-u") {
                words >> word;
                options.unsetVariables.push_back(word);
            } else if (const auto equals = word.find('='); equals != std::string::npos) {
                options.setVariables.emplace_back(word.substr(0, equals), word.substr(equals + 1));
            } else {
                ADD_FAILURE() << "not a variable: " << word;
            }
        }
        const test::ProgramRun ran = test::runProgram(PELORIN_DUMP_EXE, args, options);
        SheetRun result;
        EXPECT_TRUE(ran.started) << PELORIN_DUMP_EXE;
        if (!ran.started)
            return result;
        result.exitCode = ran.exitCode;
        result.out = ran.out;
        result.err = ran.err;
        return result;
    }

    fs::path dir_;
    std::string heli_;
};

TEST_F(SheetCli, TextToStdout_NamesTheFileAndHoldsTheChannels) {
    const SheetRun r = run({"--sheet", "-", heli_});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Setup sheet: rotor\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("Type: HELI-120\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Pitch curve\n"), std::string::npos) << r.out;
}

TEST_F(SheetCli, TextToStdout_SpeaksTheUsersLanguage) {
    const SheetRun r = run({"--sheet", "-", heli_}, "LANGUAGE=de LC_ALL=de_DE.UTF-8");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Einrichtungsblatt: rotor\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("Gaskurve\n"), std::string::npos) << r.out;
}

TEST_F(SheetCli, PdfFile_IsWrittenWithoutADisplay) {
    const std::string pdf = (dir_ / "rotor.pdf").string();
    const SheetRun r = run({"--sheet", pdf, heli_},
                           "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANGUAGE=en");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(readAll(pdf).rfind("%PDF-", 0), 0u);
    EXPECT_EQ(r.out, "");
}

TEST_F(SheetCli, Mistakes_AreRefusedWithTheirExitStatus) {
    const std::string pdf = (dir_ / "out.pdf").string();
    const std::string missing = (dir_ / "missing.bin").string();
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* message;
    } cases[] = {
        {{"--sheet"}, 2, "--sheet needs an output file"},
        {{"--sheet", pdf}, 2, "--sheet needs an output file"},
        {{"--sheet", pdf, heli_, heli_}, 2, "--sheet needs an output file"},
        {{"--sheet", pdf, "--json", heli_}, 2, "--sheet excludes"},
        {{"--diff", "--sheet", pdf, heli_}, 2, "--sheet excludes"},
        {{"--sheet", pdf, missing}, 3, "missing.bin"},
        {{"--sheet", (dir_ / "no folder" / "out.pdf").string(), heli_}, 3, "no folder/out.pdf"},
    };
    for (const auto& c : cases) {
        const SheetRun r = run(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << ::testing::PrintToString(c.args) << "\n" << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos)
            << ::testing::PrintToString(c.args) << "\n"
            << r.err;
    }
    EXPECT_FALSE(fs::exists(pdf));
}

}  // namespace
}  // namespace pelorin::test
