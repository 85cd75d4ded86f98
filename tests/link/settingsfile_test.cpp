// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/settingsfile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <random>
#include <vector>

#include "platform/pseudoterminal.h"
#include "tests/support/specialfiles.h"

namespace pelorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

class SettingsFileTest : public ::testing::Test {
protected:
    std::string dir;

    // A folder of its own, made under a name nobody has taken (create_directory is false
    // for a name that is there already).
    void SetUp() override {
        std::random_device seed;
        std::mt19937_64 random(seed());
        for (int attempt = 0; attempt < 100 && dir.empty(); ++attempt) {
            const std::string name =
                ::testing::TempDir() + "pelorin-file-" + std::to_string(random() % 1000000000);
            std::error_code error;
            if (std::filesystem::create_directory(name, error))
                dir = name;
        }
        ASSERT_FALSE(dir.empty());
    }
    void TearDown() override {
        std::error_code error;
        std::filesystem::remove_all(dir, error);
    }

    std::string pathOf(const std::string& name) const { return dir + "/" + name; }

    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(dir, error))
            names.push_back(entry.path().filename().string());
        return names;
    }

    static void writeBytes(const std::string& path, const Bytes& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
};

BlockBytes numberedBlock(std::uint8_t start) {
    BlockBytes block;
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(start + i);
    return block;
}

TEST_F(SettingsFileTest, FileOfExactly67Bytes_IsReadWhole) {
    const BlockBytes block = numberedBlock(0xC0);
    writeBytes(pathOf("a.bin"), Bytes(block.begin(), block.end()));
    const auto result = readSettingsFile(pathOf("a.bin"));
    ASSERT_TRUE(std::holds_alternative<BlockBytes>(result));
    EXPECT_EQ(std::get<BlockBytes>(result), block);
}

TEST_F(SettingsFileTest, FileOfAnyOtherSize_IsRefusedNamingFileAndSize) {
    for (std::size_t size : {0u, 1u, 66u, 68u, 1000u}) {
        const std::string path = pathOf("size.bin");
        writeBytes(path, Bytes(size, 0x11));
        const auto result = readSettingsFile(path);
        ASSERT_TRUE(std::holds_alternative<FileError>(result)) << size;
        const std::string expected = "\u201C" + path + "\u201D is " + std::to_string(size) +
                                     (size == 1 ? " byte" : " bytes") +
                                     " long; a settings file has exactly 67 bytes.";
        EXPECT_EQ(std::get<FileError>(result).text, expected);
    }
}

// Text that begins like a model (after a byte order mark and blanks) is never a block, even
// when it is 67 bytes long, unless it holds bytes no text holds; other 67 bytes are, whatever
// they hold.
TEST_F(SettingsFileTest, ContentDecides_TextStartingWithABraceIsNoBlock) {
    auto text = [](const std::string& s) { return Bytes(s.begin(), s.end()); };
    std::string cut =
        "{\n    \"format\": \"pelorin-model\",\n    \"name\": \"Trainer\",\n    \"notes\"";
    cut.resize(67, ' ');
    const struct {
        const char* what;
        Bytes content;
        bool block;
    } rows[] = {
        {"a model cut to 67 bytes", text(cut), false},
        {"brace, 65 spaces, brace", text("{" + std::string(65, ' ') + "}"), false},
        {"BOM and newlines before a brace", text("\xEF\xBB\xBF\n\r\t{" + std::string(60, 'x')),
         false},
        {"67 spaces", Bytes(67, ' '), true},
        {"blanks and a brace, then bytes no text holds",
         [] {
             Bytes block(67, ' ');
             block[3] = '{';
             block[40] = 0x06;
             block[50] = 0x00;
             return block;
         }(),
         true},
        {"a brace after other bytes", text("x{" + std::string(65, ' ')), true},
        {"a BOM without a brace", text("\xEF\xBB\xBF" + std::string(64, 'x')), true},
    };
    for (const auto& row : rows) {
        ASSERT_EQ(row.content.size(), 67u) << row.what;
        writeBytes(pathOf("c.bin"), row.content);
        const auto result = readSettingsFile(pathOf("c.bin"));
        EXPECT_EQ(std::holds_alternative<BlockBytes>(result), row.block) << row.what;
        if (const auto* error = std::get_if<FileError>(&result)) {
            EXPECT_NE(error->text.find("readable format"), std::string::npos) << error->text;
        }
    }
}

TEST_F(SettingsFileTest, MissingFile_IsRefusedWithTheSystemsReason) {
    const auto result = readSettingsFile(pathOf("missing.bin"));
    ASSERT_TRUE(std::holds_alternative<FileError>(result));
    const std::string& text = std::get<FileError>(result).text;
    EXPECT_NE(text.find(pathOf("missing.bin")), std::string::npos) << text;
    EXPECT_NE(text.find(std::strerror(ENOENT)), std::string::npos) << text;
}

TEST_F(SettingsFileTest, OpenOfAPipeOrDevice_IsRefusedAtOnceInsteadOfWaitingForData) {
    // A named pipe blocks the open until a writer comes, a terminal blocks the read until a
    // line arrives: either would hang the window for good.
    const std::string fifo = pathOf("pipe");
    ASSERT_TRUE(test::makeNamedPipe(fifo));
    PseudoTerminal device;
    std::string error;
    ASSERT_TRUE(device.make(error)) << error;
    const std::string terminal = device.devicePath();

    for (const std::string& path : {fifo, terminal}) {
        auto reading = std::async(std::launch::async, [&] { return readSettingsFile(path); });
        if (reading.wait_for(std::chrono::seconds(3)) != std::future_status::ready) {
            ADD_FAILURE() << path << ": still waiting after 3 s";
            // Let the stuck reader go: a writer for the pipe, a hang-up for the terminal.
            {
                const test::NonBlockingWriter writer(path);
                if (path == terminal)
                    device.close();
            }
            reading.wait();
            continue;
        }
        const auto result = reading.get();
        ASSERT_TRUE(std::holds_alternative<FileError>(result)) << path;
        const std::string& text = std::get<FileError>(result).text;
        EXPECT_NE(text.find(path), std::string::npos) << text;
        EXPECT_NE(text.find("Not a regular file"), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace pelorin
