// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// pelorin-dump as a user runs it: settings files made here, output compared with the
// committed golden texts in golden/. PELORIN_UPDATE_GOLDEN=1 rewrites the golden texts from
// the current output (review the change before committing it).

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "link/settingsblock.h"
#include "tests/support/programrun.h"
#include "tests/support/sampleblocks.h"

namespace pelorin {
namespace {

namespace fs = std::filesystem;

BlockBytes filled(std::uint8_t value) {
    BlockBytes b{};
    b.fill(value);
    return b;
}

struct DumpRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class DumpCli : public ::testing::Test {
protected:
    void SetUp() override {
        QTemporaryDir made(QDir::tempPath() + QStringLiteral("/pelorin-dump-XXXXXX"));
        ASSERT_TRUE(made.isValid()) << made.errorString().toStdString();
        made.setAutoRemove(false);  // TearDown removes it
        dir_ = made.path().toStdString();
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string writeFile(const std::string& name, const void* data, std::size_t size) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary)
            .write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
        return path.string();
    }
    std::string writeBlock(const std::string& name, const BlockBytes& b) {
        return writeFile(name, b.data(), b.size());
    }

    // Runs pelorin-dump with `args`, its standard output and error apart.
    DumpRun run(const std::vector<std::string>& args) {
        const test::ProgramRun ran = test::runProgram(PELORIN_DUMP_EXE, args);
        DumpRun result;
        EXPECT_TRUE(ran.started) << "cannot start " << PELORIN_DUMP_EXE;
        if (!ran.started)
            return result;
        result.exitCode = ran.exitCode;
        result.out = ran.out;
        result.err = ran.err;
        return result;
    }

    static void expectGolden(const std::string& actual, const std::string& goldenName) {
        const fs::path golden = fs::path(PELORIN_DUMP_GOLDEN_DIR) / goldenName;
        if (const char* update = std::getenv("PELORIN_UPDATE_GOLDEN"); update && *update == '1') {
            std::ofstream(golden, std::ios::binary) << actual;
            return;
        }
        ASSERT_TRUE(fs::exists(golden)) << golden << " missing";
        EXPECT_EQ(actual, readText(golden)) << "output differs from " << golden;
    }

    fs::path dir_;
};

struct GoldenCase {
    const char* golden;
    BlockBytes block;
};

class DumpGolden : public DumpCli, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(DumpGolden, SettingsFile_PrintsEveryFieldAsInGolden) {
    const DumpRun r = run({writeBlock("settings.bin", GetParam().block)});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    expectGolden(r.out, GetParam().golden);
}

// The starting block holds the zero end of every field but the end points; 0x7F, 0x80 and
// 0xFF give every signed field 127, -128 and -1 and every list an unknown code.
INSTANTIATE_TEST_SUITE_P(Blocks, DumpGolden,
                         ::testing::Values(GoldenCase{"starting.txt", startingBlock()},
                                           GoldenCase{"heli.txt", test::kHeliSampleBlock},
                                           GoldenCase{"all-7f.txt", filled(0x7F)},
                                           GoldenCase{"all-80.txt", filled(0x80)},
                                           GoldenCase{"all-ff.txt", filled(0xFF)}),
                         [](const ::testing::TestParamInfo<GoldenCase>& param) {
                             std::string name = param.param.golden;
                             name = name.substr(0, name.find('.'));
                             std::erase(name, '-');
                             return name;
                         });

TEST_F(DumpCli, DiffOfTwoFiles_ListsOnlyChangedFieldsAndExitsOne) {
    const DumpRun r = run({"--diff", writeBlock("a.bin", startingBlock()),
                           writeBlock("b.bin", test::kHeliSampleBlock)});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    expectGolden(r.out, "diff-starting-heli.txt");
}

TEST_F(DumpCli, DiffOfEqualFiles_PrintsNothingAndExitsZero) {
    const DumpRun r = run({"--diff", writeBlock("a.bin", test::kHeliSampleBlock),
                           writeBlock("b.bin", test::kHeliSampleBlock)});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "");
}

TEST_F(DumpCli, DiffOfUnusedReverseBitsOnly_StillReportsADifference) {
    BlockBytes spare = test::kHeliSampleBlock;
    spare[block::kReverse] |= 0x80;
    const DumpRun r =
        run({"--diff", writeBlock("a.bin", test::kHeliSampleBlock), writeBlock("b.bin", spare)});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("reverse spare bits 6-7"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("0x00 -> 0x80"), std::string::npos) << r.out;
}

TEST_F(DumpCli, FileOfWrongSize_ExitsThreeNamingTheSize) {
    const std::array<std::uint8_t, 68> bytes{};
    for (const std::size_t size : {std::size_t{0}, std::size_t{66}, std::size_t{68}}) {
        const DumpRun r = run({writeFile("odd.bin", bytes.data(), size)});
        EXPECT_EQ(r.exitCode, 3) << size;
        EXPECT_EQ(r.out, "") << size;
        EXPECT_NE(r.err.find(std::to_string(size) + " bytes"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("67"), std::string::npos) << r.err;
    }
}

TEST_F(DumpCli, MissingFile_ExitsThreeWithTheReason) {
    const DumpRun r = run({(dir_ / "absent.bin").string()});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_NE(r.err.find("absent.bin"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("No such file"), std::string::npos) << r.err;
}

TEST_F(DumpCli, DiffWithOneBadFile_ExitsThreeAndPrintsNoComparison) {
    const std::uint8_t shortFile[10]{};
    const DumpRun r = run({"--diff", writeBlock("a.bin", test::kHeliSampleBlock),
                           writeFile("short.bin", shortFile, sizeof shortFile)});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("10 bytes"), std::string::npos) << r.err;
}

TEST_F(DumpCli, WrongArguments_ExitTwoWithUsage) {
    const std::string file = writeBlock("a.bin", test::kHeliSampleBlock);
    const std::vector<std::vector<std::string>> cases{
        {}, {file, file}, {"--diff", file}, {"--diff", file, file, file}, {"--frobnicate", file}};
    for (const auto& args : cases) {
        const DumpRun r = run(args);
        EXPECT_EQ(r.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Usage: pelorin-dump FILE"), std::string::npos) << r.err;
    }
}

TEST_F(DumpCli, Help_PrintsUsageToStdoutAndExitsZero) {
    const DumpRun r = run({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind("Usage: pelorin-dump FILE", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("--diff"), std::string::npos);
}

TEST_F(DumpCli, FileNamedLikeAnOption_ReadAfterDoubleDash) {
    const std::string path = writeBlock("-odd.bin", test::kHeliSampleBlock);
    const fs::path previous = fs::current_path();
    fs::current_path(dir_);
    const DumpRun r = run({"--", "-odd.bin"});
    fs::current_path(previous);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    expectGolden(r.out, "heli.txt");
}

TEST_F(DumpCli, JsonThenPack_GivesBackEveryByte) {
    BlockBytes odd = test::kHeliSampleBlock;
    odd[block::kReverse] |= 0xC0;  // unused bits
    odd[kChecksumSlot1] = 0xA5;
    const DumpRun json = run({"--json", writeBlock("odd.bin", odd)});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_NE(json.out.find("\"model type\": \"HELI-120\""), std::string::npos) << json.out;
    const std::string model = writeFile("odd.json", json.out.data(), json.out.size());
    const std::string packed = (dir_ / "packed.bin").string();
    const DumpRun pack = run({"--pack", model, packed});
    ASSERT_EQ(pack.exitCode, 0) << pack.err;
    EXPECT_EQ(readText(packed), std::string(odd.begin(), odd.end()));
}

TEST_F(DumpCli, PackOfWrongJson_ExitsThreeNamingTheFieldAndLeavesTheOutputAlone) {
    std::string json = run({"--json", writeBlock("heli.bin", test::kHeliSampleBlock)}).out;
    const std::string field = "\"sub trim CH2\": -5";
    ASSERT_NE(json.find(field), std::string::npos);
    json.replace(json.find(field), field.size(), "\"sub trim CH2\": -129");
    const std::string model = writeFile("bad.json", json.data(), json.size());
    const std::string out = writeFile("out.bin", "keep", 4);
    const DumpRun r = run({"--pack", model, out});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_NE(r.err.find("sub trim CH2"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("-129"), std::string::npos) << r.err;
    EXPECT_EQ(readText(out), "keep");
}

// The output's name is the bytes given: one that is not UTF-8 is refused, and the file that its
// replacement characters would name is left alone.
TEST_F(DumpCli, PackToANameThatIsNotUtf8_LeavesTheFileOfTheLookalikeNameAlone) {
    const std::string json = run({"--json", writeBlock("heli.bin", test::kHeliSampleBlock)}).out;
    const std::string model = writeFile("heli.json", json.data(), json.size());
    const std::string lookalike = writeFile("out\xEF\xBF\xBD.bin", "keep", 4);
    const std::string wanted = (dir_ / "out\xFF.bin").string();
    const DumpRun r = run({"--pack", model, wanted});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_NE(r.err.find("UTF-8"), std::string::npos) << r.err;
    EXPECT_EQ(readText(lookalike), "keep");
    EXPECT_FALSE(fs::exists(wanted));
}

// A file's name stands in for a settings file's model name in --json; its control characters
// are escaped there like any other, DEL and C1 included.
TEST_F(DumpCli, ControlCharactersInNames_AreNeverPrintedRaw) {
    const std::string file = writeBlock("m\x1b]0;X\x07\xC2\x9B\x7F.bin", test::kHeliSampleBlock);
    const DumpRun json = run({"--json", file});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    for (const char* control : {"\x1b", "\x07", "\x7f", "\xc2\x9b"})
        EXPECT_EQ(json.out.find(control), std::string::npos) << json.out;
    EXPECT_NE(json.out.find(R"(m\u001b]0;X\u0007\u009b\u007f)"), std::string::npos) << json.out;
}

}  // namespace
}  // namespace pelorin
