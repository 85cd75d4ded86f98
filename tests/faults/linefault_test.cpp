// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The line failing under the program: Session over QtSerialControl in a Qt event loop, the
// virtual transmitter on the other end of a real pseudo-terminal. Whenever the line goes
// (while idle, in the middle of a SettingsFrame, during a write) the program must survive,
// report it once, then use no CPU, and the Setting round must connect again once the line is
// back, with nothing of the old connection spilling into the new one.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <random>
#include <thread>

#include "link/session.h"
#include "platform/linux/qtserialcontrol.h"
#include "platform/portdiscovery.h"
#include "tests/support/serialtesting.h"

namespace pelorin {
namespace {

using namespace pelorin::testing;
using namespace std::chrono_literals;
using ::testing::HasSubstr;

constexpr std::size_t kCutAfter = 30;  // body bytes of a SettingsFrame before the line goes

// The entries of /proc/self/fd: this process's descriptors, the one the listing itself holds
// open meanwhile, and "." and "..", which the iterator leaves out but are counted here.
int openDescriptors() {
    std::error_code error;
    std::filesystem::directory_iterator entry("/proc/self/fd", error);
    if (error)
        return 0;
    int count = 2;
    for (; entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        if (error)
            break;
        ++count;
    }
    return count;
}

// A block the transmitter holds that the program's starting block is not.
BlockBytes heliBlock() {
    return txsim::defaultModels()[1];
}

class LineFaultTest : public ::testing::Test {
protected:
    enum class Moment { Idle, InsideSettingsFrame, DuringWrite };

    void SetUp() override {
        ASSERT_TRUE(runtimeDir.isValid());
        serial.setReceiveHandler(
            [this](std::span<const std::uint8_t> bytes) { session.receive(bytes); });
        serial.setErrorHandler([this](const std::string& text) { errors.push_back(text); });
    }

    // The program's start-up against the transmitter, up to its SettingsFrame.
    void startUp() {
        const SerialStatus status =
            session.open(Session::kSearchOrFallback, Session::Greeting::Read);
        ASSERT_TRUE(status.ok()) << status.error();
        ASSERT_TRUE(waitFor([&] { return session.counters().settingsAccepted == 1; }));
    }

    // The line comes back and the user runs the Setting round (Cancel: the same port again).
    // The transmitter answers the UserRequest with its block, which must be taken.
    void reconnect() {
        std::string error;
        ASSERT_TRUE(transmitter->open(&error)) << error;
        const auto accepted = session.counters().settingsAccepted;
        session.close();
        const SerialStatus reopened = session.open(Session::kSelectedPort, Session::Greeting::User);
        ASSERT_TRUE(reopened.ok()) << reopened.error();
        ASSERT_TRUE(
            waitFor([&] { return session.counters().settingsAccepted == accepted + 1; }, 3000))
            << "the transmitter's answer to the UserRequest was not taken";
        EXPECT_EQ(session.blockBytes, transmitter->currentBlock());
    }

    // Takes the line away at the given moment; returns how many times the loss was reported
    // (by the error handler, or as the result of the write that met it).
    int loseLine(Moment moment, std::mt19937& random) {
        const std::size_t errorsBefore = errors.size();
        int reports = 0;
        switch (moment) {
            case Moment::Idle:
                transmitter->closeLine();
                break;
            case Moment::InsideSettingsFrame: {
                const auto frame = settingsFrame(heliBlock());
                transmitter->sendRaw(std::span(frame.data(), 2 + kCutAfter));
                EXPECT_TRUE(
                    waitFor([&] { return session.rxParser.settingsBodyTaken() == kCutAfter; }));
                transmitter->closeLine();
                break;
            }
            case Moment::DuringWrite: {
                // The line goes on another thread at a random moment while the program writes
                // one WriteFrame after the other, as fast as it can.
                std::uniform_int_distribution<int> delayUs(0, 3000);
                const auto delay = std::chrono::microseconds(delayUs(random));
                std::thread closer([&] {
                    std::this_thread::sleep_for(delay);
                    transmitter->closeLine();
                });
                SerialStatus status;
                for (int n = 0; n < 100000 && status.ok(); ++n) {
                    status = session.writeSettings();
                    std::this_thread::sleep_for(50us);  // about as fast as the line takes them
                }
                closer.join();
                if (!status.ok()) {
                    // The port was open when the line went; what was sent meanwhile met a
                    // closed line, and the write reports it instead of the error handler.
                    EXPECT_THAT(status.error(), ::testing::Not(HasSubstr("not open")));
                    EXPECT_THAT(status.error(), ::testing::Not(HasSubstr("buffer is full")));
                    ++reports;
                    ++reportedByWrite;
                }
                break;
            }
        }
        EXPECT_TRUE(waitFor([&] { return !serial.isOpen(); }));
        QTest::qWait(50);  // anything still queued for the lost port arrives now
        reports += static_cast<int>(errors.size() - errorsBefore);
        EXPECT_FALSE(serial.isOpen());
        return reports;
    }

    void expectNoCpuWhileLineIsGone() { EXPECT_EQ(notifierWakeups(300), 0); }

    PrivateRuntimeDir runtimeDir;
    QtSerialControl serial;
    Session session{serial, [] { return buildPortTable(discoverVirtualPorts(), {}); }};
    std::vector<std::string> errors;
    int reportedByWrite = 0;
    std::unique_ptr<txsim::VirtualTransmitter> transmitter;
};

TEST_F(LineFaultTest, LineGone_WhileIdle_ReportedOnceQuietAndSettingReconnects) {
    transmitter = startTransmitter("tx", quietOptions());
    startUp();
    std::mt19937 random(1);

    EXPECT_EQ(loseLine(Moment::Idle, random), 1);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_THAT(errors[0], HasSubstr("COM1"));
    expectNoCpuWhileLineIsGone();
    EXPECT_EQ(errors.size(), 1u);
    reconnect();
}

TEST_F(LineFaultTest, LineGone_InsideSettingsFrame_NothingTakenAndNextFrameAfterReconnectIsWhole) {
    transmitter = startTransmitter("tx", quietOptions());
    startUp();
    const BlockBytes before = session.blockBytes;
    std::mt19937 random(1);

    EXPECT_EQ(loseLine(Moment::InsideSettingsFrame, random), 1);
    expectNoCpuWhileLineIsGone();
    EXPECT_EQ(session.blockBytes, before);
    EXPECT_EQ(session.counters().settingsRejected, 0u);

    // The half frame of the lost line must not swallow the first frame of the new one.
    reconnect();
    EXPECT_EQ(session.counters().settingsRejected, 0u);
}

TEST_F(LineFaultTest, LineGone_DuringWrites_ReportedOnceQuietAndSettingReconnects) {
    transmitter = startTransmitter("tx", quietOptions());
    startUp();
    std::mt19937 random(7);

    for (int round = 0; round < 5; ++round) {
        EXPECT_EQ(loseLine(Moment::DuringWrite, random), 1) << "round " << round;
        expectNoCpuWhileLineIsGone();
        reconnect();
    }
}

TEST_F(LineFaultTest, HundredLossesAndReconnects_AtEveryMoment_LeaveNoDescriptorBehind) {
    transmitter = startTransmitter("tx", quietOptions());
    startUp();
    std::mt19937 random(42);
    const Moment moments[] = {Moment::Idle, Moment::InsideSettingsFrame, Moment::DuringWrite};

    // One round first, so whatever Qt sets up once (notifiers, buffers) is in place.
    ASSERT_EQ(loseLine(Moment::Idle, random), 1);
    reconnect();
    const int descriptorsBefore = openDescriptors();

    int reports = 0;
    for (int round = 0; round < 100; ++round) {
        reports += loseLine(moments[round % 3], random);
        reconnect();
        if (HasFatalFailure())
            return;
    }

    EXPECT_EQ(reports, 100);
    const int descriptorsAfter = openDescriptors();
    EXPECT_LE(descriptorsAfter, descriptorsBefore);
    std::printf(
        "100 losses: %d reported by the write that met them, %zu by the error handler; "
        "%d descriptors open before, %d after\n",
        reportedByWrite, errors.size() - 1, descriptorsBefore, descriptorsAfter);
    EXPECT_EQ(loseLine(Moment::Idle, random), 1);
    expectNoCpuWhileLineIsGone();
}

// Feeds the transmitter LiveChannelFrames at an exact average rate from a thread of its own:
// every few milliseconds it queues as many frames as are due by then, so a late wake-up on a
// busy machine makes a bigger batch instead of fewer frames. Every `badEvery`-th frame is
// damaged in one of three ways that keep its length (checksum, auxiliary word, a channel's low
// byte, so no word goes past 2100), and every `garbageEvery`-th comes after a few stray bytes
// (never 0x55).
class LineFeeder {
public:
    LineFeeder(txsim::VirtualTransmitter& transmitter, double rate, unsigned badEvery,
               unsigned garbageEvery)
        : transmitter_(transmitter),
          rate_(rate),
          badEvery_(badEvery),
          garbageEvery_(garbageEvery) {}

    void run(std::chrono::milliseconds duration) {
        thread_ = std::thread([this, duration] {
            const auto start = std::chrono::steady_clock::now();
            std::mt19937 random(5);
            std::uniform_int_distribution<int> strayLength(1, 6), strayByte(0, 0xFE);
            const auto total =
                static_cast<std::uint64_t>(std::chrono::duration<double>(duration).count() * rate_);
            while (frames < total) {
                const double elapsed =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                const auto due = std::min(total, static_cast<std::uint64_t>(elapsed * rate_));
                for (; frames < due; ++frames) {
                    const std::uint64_t n = frames + 1;
                    if (garbageEvery_ > 0 && n % garbageEvery_ == 0) {
                        std::vector<std::uint8_t> stray(
                            static_cast<std::size_t>(strayLength(random)));
                        for (std::uint8_t& b : stray) {
                            const int v = strayByte(random);
                            b = static_cast<std::uint8_t>(v >= 0x55 ? v + 1 : v);
                        }
                        transmitter_.sendRaw(stray);
                    }
                    const double t = static_cast<double>(n) / rate_;
                    auto frame = liveChannelFrame(txsim::sweepValues(t));
                    if (badEvery_ > 0 && n % badEvery_ == 0) {
                        // The checksum's, the auxiliary word's or channel 3's low byte.
                        constexpr std::array<std::size_t, 3> kDamaged = {17, 15, 7};
                        const std::size_t at = kDamaged[(n / badEvery_) % 3];
                        frame[at] = static_cast<std::uint8_t>(frame[at] ^ 0x01);
                        ++bad;
                    } else {
                        ++good;
                    }
                    transmitter_.sendRaw(frame);
                }
                std::this_thread::sleep_for(5ms);
            }
        });
    }
    void join() {
        if (thread_.joinable())
            thread_.join();
    }
    ~LineFeeder() { join(); }

    // Read after join().
    std::uint64_t frames = 0, good = 0, bad = 0;

private:
    txsim::VirtualTransmitter& transmitter_;
    double rate_;
    unsigned badEvery_, garbageEvery_;
    std::thread thread_;
};

TEST_F(LineFaultTest, FullLineRate_WithGarbageAndOnePercentBadFrames_EveryFrameCountedExactly) {
    transmitter = startTransmitter("tx", quietOptions());
    startUp();
    const auto base = session.counters();

    // 640 frames of 18 bytes a second fill a 115200-baud line (11520 bytes/s).
    LineFeeder feeder(*transmitter, 640, 100, 5);
    const auto cpuBefore = processCpuTime();
    feeder.run(3000ms);
    QTest::qWait(3000);
    feeder.join();
    const auto cpuUsed = processCpuTime() - cpuBefore;

    auto taken = [&] {
        const auto& c = session.counters();
        return c.liveAccepted + c.liveRejected - base.liveAccepted - base.liveRejected;
    };
    EXPECT_TRUE(waitFor([&] { return taken() >= feeder.frames; }, 10000));
    QTest::qWait(50);
    std::printf("%llu live frames in 3 s (%llu bad), CPU of the process %.1f %% of one core\n",
                static_cast<unsigned long long>(feeder.frames),
                static_cast<unsigned long long>(feeder.bad),
                std::chrono::duration<double>(cpuUsed).count() / 3.0 * 100.0);

    ASSERT_EQ(feeder.frames, 1920u);
    EXPECT_EQ(session.counters().liveAccepted - base.liveAccepted, feeder.good);
    EXPECT_EQ(session.counters().liveRejected - base.liveRejected, feeder.bad);
    EXPECT_EQ(session.counters().settingsAccepted, base.settingsAccepted);
    EXPECT_EQ(session.counters().settingsRejected, base.settingsRejected);
    // The display shows the last good frame.
    const std::uint64_t lastGood = feeder.frames % 100 == 0 ? feeder.frames - 1 : feeder.frames;
    const LiveValues last = txsim::sweepValues(static_cast<double>(lastGood) / 640);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(session.liveChannels()[i], last.channelWords[i] - kChannelCentre)
            << "CH" << i + 1;
    }
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace pelorin
