// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saving under fire: a process that saves settings files over and over is killed at random
// moments. Whenever it dies, the file it was saving must be whole: exactly 67 bytes, holding
// one of the blocks it saved (or the one that was there before), never a mix or a stump.

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include <QByteArray>
#include <QString>

#include "link/settingsfile.h"
#include "platform/savefile.h"
#include "tests/support/forkedprocess.h"

namespace pelorin {
namespace {

constexpr int kBlockCount = 8;

// Eight blocks that differ from each other in every byte, so a file mixed from two of them,
// or cut short, matches none.
BlockBytes numberedBlock(int k) {
    BlockBytes block{};
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(k * 37 + static_cast<int>(i) * 11);
    return block;
}

QByteArray asBytes(const BlockBytes& block) {
    return {reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size())};
}

bool save(const std::string& path, const BlockBytes& block) {
    return saveFileAtomically(QString::fromStdString(path), asBytes(block)).isEmpty();
}

// Made without Qt's random generator: the savers, forked from this process, would all start
// from its state and pick the same temporary names.
class TempFolder {
public:
    explicit TempFolder(const std::string& base) {
        std::random_device seed;
        std::error_code error;
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const std::string path = base + "/pelorin-savefire-" + std::to_string(seed());
            if (std::filesystem::create_directory(path, error))
                path_ = path;
        }
    }
    ~TempFolder() {
        std::error_code error;
        if (!path_.empty())
            std::filesystem::remove_all(path_, error);
    }
    [[nodiscard]] const std::string& path() const { return path_; }
    [[nodiscard]] std::vector<std::string> entries() const {
        std::vector<std::string> names;
        std::error_code error;
        for (const auto& e : std::filesystem::directory_iterator(path_, error))
            names.push_back(e.path().filename().string());
        return names;
    }

private:
    std::string path_;
};

std::vector<std::uint8_t> rawContent(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Saves blocks 1..7 in a cycle onto `path`, starting with block `first`, until killed. Says
// so with `ready` once the first save is done, so that every kill lands among the saves.
int saveForever(const std::string& path, int first, const std::function<void()>& ready) {
    for (int k = first;; k = k % (kBlockCount - 1) + 1) {
        if (!save(path, numberedBlock(k)))
            return 3;
        ready();
    }
}

// Where the saves go and how long to let the saver run after its first save before each kill:
// on the disk a save takes milliseconds (it syncs the file), in memory microseconds.
struct Ground {
    const char* name;
    std::string folder;
    int kills;
    std::chrono::microseconds longestRun;
};

void PrintTo(const Ground& ground, std::ostream* os) {
    *os << ground.name;
}

class SaveUnderFire : public ::testing::TestWithParam<Ground> {};

TEST_P(SaveUnderFire, SaverKilledAtRandomMoments_FileIsAlwaysWholeOldOrNew) {
    const Ground& ground = GetParam();
    std::error_code error;
    if (!std::filesystem::is_directory(ground.folder, error))
        GTEST_SKIP() << ground.folder << " does not exist here";
    TempFolder folder(ground.folder);
    ASSERT_FALSE(folder.path().empty());
    const std::string path = folder.path() + "/model.pel";
    ASSERT_TRUE(save(path, numberedBlock(0)));

    std::vector<BlockBytes> known;
    for (int k = 0; k < kBlockCount; ++k)
        known.push_back(numberedBlock(k));

    std::mt19937 random(20240611);
    std::uniform_int_distribution<long> delayUs(0, ground.longestRun.count());
    std::set<int> seen;
    int changes = 0;
    int previous = 0;
    for (int round = 0; round < ground.kills; ++round) {
        const int first = round % (kBlockCount - 1) + 1;
        test::ForkedProcess saver(
            [&](const std::function<void()>& ready) { return saveForever(path, first, ready); });
        ASSERT_GE(saver.processId(), 0);
        const bool started = saver.waitUntilUnderWay();
        ASSERT_TRUE(started) << "the saver did not save in round " << round;
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
        ASSERT_TRUE(saver.kill()) << "the saver stopped by itself in round " << round;

        const std::filesystem::file_status info = std::filesystem::symlink_status(path, error);
        ASSERT_TRUE(std::filesystem::exists(info)) << "the file is gone after round " << round;
        ASSERT_TRUE(std::filesystem::is_regular_file(info));
        ASSERT_EQ(std::filesystem::file_size(path, error), 67u) << "round " << round;
        const std::vector<std::uint8_t> content = rawContent(path);
        int which = -1;
        for (int k = 0; k < kBlockCount; ++k) {
            const BlockBytes& block = known[static_cast<std::size_t>(k)];
            if (std::equal(content.begin(), content.end(), block.begin(), block.end()))
                which = k;
        }
        ASSERT_NE(which, -1) << "round " << round << ": the file holds a mix of saves";
        ASSERT_TRUE(std::holds_alternative<BlockBytes>(readSettingsFile(path)));
        seen.insert(which);
        if (which != previous)
            ++changes;
        previous = which;
    }

    // The kills landed among saves of different blocks.
    EXPECT_GE(seen.size(), 4u);
    EXPECT_GE(changes, ground.kills / 4);
    const std::size_t leftovers = folder.entries().size() - 1;
    std::printf("%s: %d kills, the file changed %d times, %zu temporary files left behind\n",
                ground.name, ground.kills, changes, leftovers);
    RecordProperty("leftovers", static_cast<int>(leftovers));
}

INSTANTIATE_TEST_SUITE_P(
    Grounds, SaveUnderFire,
    ::testing::Values(Ground{"disk", ::testing::TempDir(), 200, std::chrono::microseconds(40000)},
                      Ground{"memory", "/dev/shm", 500, std::chrono::microseconds(500)}),
    [](const ::testing::TestParamInfo<Ground>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace pelorin
