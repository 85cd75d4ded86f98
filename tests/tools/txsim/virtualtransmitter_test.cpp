// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual transmitter seen from the program's side of its pseudo-terminal.

#include <QProcess>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#include "link/rxparser.h"
#include "platform/pseudoterminal.h"
#include "tests/support/specialfiles.h"
#include "tests/support/terminalline.h"
#include "tests/support/unprivileged.h"
#include "tools/txsim/virtualtransmitter.h"

namespace pelorin::txsim {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

const Bytes kReadRequest = {0x55, 0xFD};

// The program's end of the line: raw, non-blocking.
class LineEnd {
public:
    explicit LineEnd(const std::string& path) : line_(path) {}
    [[nodiscard]] bool isOpen() const { return line_.isOpen(); }
    void write(const Bytes& bytes) {
        ASSERT_EQ(line_.write(bytes), static_cast<long>(bytes.size()));
    }

    // Reads until `count` bytes have come or `timeout` has passed.
    Bytes read(std::size_t count, std::chrono::milliseconds timeout = 3000ms) {
        Bytes bytes;
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (bytes.size() < count && std::chrono::steady_clock::now() < end) {
            const test::LineState state = line_.waitForBytes(20ms);
            if (!state.readable) {
                if (state.hungUp)
                    break;
                continue;
            }
            std::uint8_t buffer[256];
            const long n = line_.read({buffer, std::min(sizeof buffer, count - bytes.size())});
            if (n <= 0)
                break;
            ++reads;
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
    }
    [[nodiscard]] bool hungUp() const { return line_.waitForBytes(0ms).hungUp; }
    int reads = 0;

private:
    test::TerminalLine line_;
};

struct ParseCount {
    int live = 0;
    int liveRejected = 0;
    int settings = 0;
    RxParser parser;
};

ParseCount parse(const Bytes& bytes) {
    ParseCount count;
    for (std::uint8_t b : bytes) {
        switch (count.parser.consume(b)) {
            case RxParser::Result::LiveFrame:
                ++count.live;
                break;
            case RxParser::Result::LiveRejected:
                ++count.liveRejected;
                break;
            case RxParser::Result::SettingsFrame:
                ++count.settings;
                break;
            default:
                break;
        }
    }
    return count;
}

template <typename Condition>
bool eventually(Condition condition, std::chrono::milliseconds timeout = 3000ms) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(2ms);  // the transmitter runs on its own thread
    }
    return true;
}

class VirtualTransmitterTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("txsim-test-" + std::to_string(currentProcessId()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        transmitter.reset();
        fs::remove_all(folder);
    }
    VirtualTransmitter& start(Options options) {
        options.portFolder = folder.string();
        if (options.linkName.empty())
            options.linkName = "tx";
        transmitter = std::make_unique<VirtualTransmitter>(std::move(options));
        std::string error;
        EXPECT_TRUE(transmitter->start(&error)) << error;
        return *transmitter;
    }
    static Options silent() {
        Options options;
        options.frameRate = 0;
        return options;
    }

    fs::path folder;
    std::unique_ptr<VirtualTransmitter> transmitter;
};

TEST_F(VirtualTransmitterTest, Open_RegistersRawTerminal_AndClosingRemovesTheLink) {
    VirtualTransmitter& tx = start(silent());
    const fs::path link = folder / "tx";

    ASSERT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link).string(), tx.slavePath());
    const std::optional<test::TerminalMode> mode = test::terminalMode(tx.slavePath());
    ASSERT_TRUE(mode.has_value());
    EXPECT_FALSE(mode->echo || mode->lineEditing || mode->keySignals);
    EXPECT_FALSE(mode->outputProcessing);

    tx.closeLine();
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

TEST_F(VirtualTransmitterTest, ReadRequest_IsAnsweredWithSettingsFrameOfSelectedModel) {
    VirtualTransmitter& tx = start(silent());
    LineEnd line(tx.linkPath());
    ASSERT_TRUE(line.isOpen());

    line.write(kReadRequest);

    const auto expected = settingsFrame(defaultModels()[0]);
    EXPECT_EQ(line.read(kSettingsFrameSize), Bytes(expected.begin(), expected.end()));
}

TEST_F(VirtualTransmitterTest, WriteFrame_GoodChecksumBecomesBlock_BadOneIsIgnored) {
    VirtualTransmitter& tx = start(silent());
    LineEnd line(tx.linkPath());
    BlockBytes block = startingBlock();
    block[block::kSubTrim] = 0xFB;
    const WriteFrame good = writeFrame(block);
    BlockBytes other = block;
    other[block::kSubTrim] = 7;
    WriteFrame bad = writeFrame(other);
    bad[kWriteFrameSize - 1] ^= 0x01;

    line.write(Bytes(good.begin(), good.end()));
    line.write(Bytes(bad.begin(), bad.end()));
    ASSERT_TRUE(eventually([&] { return tx.receivedCommands().size() == 2; }));

    EXPECT_EQ(tx.currentBlock(), block);
}

TEST_F(VirtualTransmitterTest, UserRequest_SelectsStoredModelAndSendsIt_UnknownIndexIgnored) {
    VirtualTransmitter& tx = start(silent());
    LineEnd line(tx.linkPath());

    line.write({0x55, 0xFA, 0x01});
    const auto user2 = settingsFrame(defaultModels()[1]);
    EXPECT_EQ(line.read(kSettingsFrameSize), Bytes(user2.begin(), user2.end()));
    EXPECT_EQ(tx.currentUser(), 1);

    line.write({0x55, 0xFA, 0x07, 0x55, 0x99});
    ASSERT_TRUE(eventually([&] { return tx.adjusting(); }));
    EXPECT_TRUE(line.read(1, 100ms).empty());
    EXPECT_EQ(tx.currentUser(), 1);
}

TEST_F(VirtualTransmitterTest, LiveStream_OnlyWhileConnected_SweepsWithinRange) {
    Options options;
    options.frameRate = 200;
    VirtualTransmitter& tx = start(options);
    std::this_thread::sleep_for(50ms);  // nobody on the line: nothing may be sent
    EXPECT_EQ(tx.liveFramesSent(), 0u);

    LineEnd line(tx.linkPath());
    const Bytes bytes = line.read(30 * kLiveChannelFrameSize);
    ParseCount count = parse(bytes);

    EXPECT_EQ(count.live, 30);
    EXPECT_EQ(count.liveRejected, 0);
    for (int value : count.parser.liveChannels()) {
        EXPECT_GE(value, -420);
        EXPECT_LE(value, 420);
    }
    EXPECT_GE(count.parser.liveAux(), 0);
    EXPECT_LE(count.parser.liveAux(), 1023);
}

TEST_F(VirtualTransmitterTest, SweepValues_MoveSmoothlyAndCoverTheirRange) {
    int lowest = 2100, highest = 0, auxLowest = 1023, auxHighest = 0;
    LiveValues previous = sweepValues(0.0);
    for (int i = 1; i <= 1000; ++i) {  // 20 s at 50 frames per second
        const LiveValues values = sweepValues(i * 0.02);
        for (std::size_t c = 0; c < 6; ++c) {
            EXPECT_LE(std::abs(values.channelWords[c] - previous.channelWords[c]), 30);
            lowest = std::min<int>(lowest, values.channelWords[c]);
            highest = std::max<int>(highest, values.channelWords[c]);
        }
        auxLowest = std::min<int>(auxLowest, values.auxWord);
        auxHighest = std::max<int>(auxHighest, values.auxWord);
        previous = values;
    }
    EXPECT_EQ(lowest, 1512 - 420);
    EXPECT_EQ(highest, 1512 + 420);
    EXPECT_LE(auxLowest, 6);
    EXPECT_GE(auxHighest, 1017);
}

TEST_F(VirtualTransmitterTest, FaultyFrames_BadChecksumsAndStrayBytes_LeaveEveryOtherFrameGood) {
    Options options;
    options.frameRate = 200;
    options.faults.badChecksumEvery = 2;
    options.faults.garbageEvery = 1;
    VirtualTransmitter& tx = start(options);
    LineEnd line(tx.linkPath());

    const Bytes bytes = line.read(60 * kLiveChannelFrameSize);
    const ParseCount count = parse(bytes);

    EXPECT_GE(count.live, 10);
    EXPECT_LE(std::abs(count.live - count.liveRejected), 1);
}

TEST_F(VirtualTransmitterTest, SplitFrames_ArriveByteByByteAndIntact) {
    Options options;
    options.frameRate = 20;
    options.faults.splitFrames = true;
    options.faults.splitGap = 2ms;
    VirtualTransmitter& tx = start(options);
    LineEnd line(tx.linkPath());

    const Bytes bytes = line.read(4 * kLiveChannelFrameSize);
    const ParseCount count = parse(bytes);

    EXPECT_EQ(count.live, 4);
    EXPECT_GE(line.reads, 8);  // never a whole frame in one read
}

TEST_F(VirtualTransmitterTest, CloseAfterFrames_HangsUpAndRemovesTheLink) {
    Options options;
    options.frameRate = 200;
    options.faults.closeAfterFrames = 5;
    VirtualTransmitter& tx = start(options);
    LineEnd line(tx.linkPath());

    const ParseCount count = parse(line.read(100 * kLiveChannelFrameSize, 2000ms));

    EXPECT_EQ(count.live, 5);
    EXPECT_FALSE(tx.lineOpen());
    EXPECT_TRUE(line.hungUp());
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "tx")));
}

// A program killed while it held the line exclusively cannot clear the flag, and the kernel
// keeps it while the transmitter's end is open; the next program, without root's privilege,
// still opens the line under the same name. A program that closes properly leaves the
// terminal where it is.
TEST_F(VirtualTransmitterTest, ExclusiveHolderKilled_TheNextProgramOpensTheLineAsAUser) {
    test::runAsUnprivileged([&] {
        VirtualTransmitter& tx = start(silent());
        const std::string first = tx.slavePath();
        {
            LineEnd polite(tx.linkPath());
            ASSERT_TRUE(eventually([&] { return tx.connected(); }));
        }
        ASSERT_TRUE(eventually([&] { return !tx.connected(); }));
        EXPECT_EQ(tx.slavePath(), first);

        // A program that holds the line exclusively and waits until it is killed.
        QProcess holder;
        holder.setChildProcessModifier([&first] {
            // Kept open across the exec; without it the child ends at once.
            if (!test::holdTerminalExclusively(first.c_str()))
                std::_Exit(1);
        });
        holder.start(QStringLiteral("sleep"), {QStringLiteral("600")});
        ASSERT_TRUE(holder.waitForStarted());
        ASSERT_TRUE(eventually([&] { return tx.connected(); }));
        holder.kill();  // SIGKILL
        holder.waitForFinished();
        ASSERT_TRUE(eventually([&] { return !tx.connected(); }));

        LineEnd next(tx.linkPath());
        EXPECT_TRUE(next.isOpen()) << std::strerror(errno);
        EXPECT_EQ(fs::read_symlink(folder / "tx").string(), tx.slavePath());
    });
}

TEST_F(VirtualTransmitterTest, Registration_RemovesLinksOfEndedSimulatorsAndRefusesLiveName) {
    fs::create_symlink("/dev/null", folder / "txsim-999999999");  // no such process
    fs::create_symlink("/dev/null",
                       folder / ("txsim-" + std::to_string(currentProcessId()) + "-9"));
    fs::create_symlink("/dev/null", folder / "busy");

    Options options = silent();
    options.linkName = "busy";
    options.portFolder = folder.string();
    VirtualTransmitter refused(options);
    std::string error;
    EXPECT_FALSE(refused.open(&error));
    EXPECT_THAT(error, ::testing::HasSubstr("already registered"));

    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "txsim-999999999")));
    EXPECT_TRUE(fs::is_symlink(folder / ("txsim-" + std::to_string(currentProcessId()) + "-9")));

    // A killed simulator's link under a chosen name leads to a terminal that exists again
    // once its number is given out anew; its owner file says the simulator has ended.
    std::ofstream(folder / ".busy.owner") << "999999999\n";
    VirtualTransmitter taken(options);
    ASSERT_TRUE(taken.open(&error)) << error;
    EXPECT_EQ(fs::read_symlink(folder / "busy").string(), taken.slavePath());
    // Now the name is this live process's, and a second simulator is refused again.
    VirtualTransmitter second(options);
    EXPECT_FALSE(second.open(&error));
    taken.closeLine();
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "busy")));
    EXPECT_FALSE(fs::exists(folder / ".busy.owner"));
}

}  // namespace
}  // namespace pelorin::txsim
