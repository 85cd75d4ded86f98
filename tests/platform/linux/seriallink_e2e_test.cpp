// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The link end to end: Session over QtSerialControl over a real pseudo-terminal, with the
// virtual transmitter on the other end.

#include <QSerialPort>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <algorithm>

#include "link/session.h"
#include "platform/linux/qtserialcontrol.h"
#include "platform/portdiscovery.h"
#include "tests/support/serialtesting.h"

namespace pelorin {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using namespace pelorin::testing;

constexpr std::array<std::uint8_t, 2> kReadRequestBytes = {0x55, 0xFD};
constexpr std::array<std::uint8_t, 3> kUserRequestUser1 = {0x55, 0xFA, 0x00};

// A block unlike the program's starting block, so taking it in shows.
BlockBytes transmitterBlock() {
    return txsim::defaultModels()[1];
}

class SerialLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtimeDir.isValid());
        serial.setReceiveHandler([this](std::span<const std::uint8_t> bytes) {
            ++receiveEvents;
            largestWaiting = std::max(largestWaiting, bytes.size());
            session.receive(bytes);
        });
        serial.setErrorHandler([this](const std::string& text) { errors.push_back(text); });
    }

    // The transmitter answers the start-up ReadRequest; wait until its block has arrived.
    void startUpAgainst(const txsim::VirtualTransmitter& transmitter) {
        const SerialStatus status =
            session.open(Session::kSearchOrFallback, Session::Greeting::Read);
        ASSERT_TRUE(status.ok()) << status.error();
        ASSERT_TRUE(waitFor([&] { return session.counters().settingsAccepted == 1; }));
        ASSERT_TRUE(transmitter.connected());
    }

    txsim::Options heldBlockOptions() {
        txsim::Options options = quietOptions();
        options.models[0] = transmitterBlock();
        return options;
    }

    PrivateRuntimeDir runtimeDir;
    // Only virtual transmitters: the serial ports of the machine running the tests stay out.
    QtSerialControl serial;
    Session session{serial, [] { return buildPortTable(discoverVirtualPorts(), {}); }};
    int receiveEvents = 0;
    std::size_t largestWaiting = 0;
    std::vector<std::string> errors;
};

TEST_F(SerialLinkTest, StartUp_WithVirtualTransmitter_OpensItAsCom1AndSendsReadRequestFirst) {
    auto transmitter = startTransmitter("a", heldBlockOptions());

    startUpAgainst(*transmitter);

    EXPECT_EQ(session.commPort(), 1);
    EXPECT_TRUE(serial.isOpen());
    EXPECT_EQ(serial.openedPath().toStdString(), transmitter->slavePath());
    const std::vector<std::uint8_t> received = transmitter->receivedBytes();
    ASSERT_GE(received.size(), 2u);
    EXPECT_EQ((std::vector<std::uint8_t>(received.begin(), received.begin() + 2)),
              bytesOf(kReadRequestBytes));
    // The answer is the program's block now, checksum slots cleared.
    const BlockBytes expected = transmitterBlock();
    EXPECT_TRUE(std::equal(expected.begin(), expected.begin() + kSettingsBlockSize,
                           session.blockBytes.begin()));
    EXPECT_EQ(session.blockBytes[kChecksumSlot1], 0);
    EXPECT_EQ(session.blockBytes[kChecksumSlot2], 0);
    EXPECT_EQ(session.settings.modelType, 1);
}

TEST_F(SerialLinkTest, StartUp_WithNoPort_ChoosesCom21AndFailsWithMessage) {
    const SerialStatus status = session.open(Session::kSearchOrFallback, Session::Greeting::Read);

    EXPECT_FALSE(status.ok());
    EXPECT_EQ(session.commPort(), kFallbackPort);
    EXPECT_FALSE(serial.isOpen());
    EXPECT_THAT(status.error(), HasSubstr("COM21"));
    EXPECT_THAT(status.error(), HasSubstr("pelorin-txsim"));
}

// Ways another program can hold a port. As root the kernel lets anyone past an exclusive
// terminal, so the control must notice the hold itself.
enum class Hold { QtPortOnDevice, QtPortOnLink, ExclusiveOpen };
void PrintTo(Hold hold, std::ostream* os) {
    *os << static_cast<int>(hold);
}

class HeldPortTest : public SerialLinkTest, public ::testing::WithParamInterface<Hold> {};

TEST_P(HeldPortTest, HeldPort_ByAnotherOpener_IsNeitherChosenNorListed) {
    auto held = startTransmitter("a", quietOptions());
    auto free = startTransmitter("b", quietOptions());

    QSerialPort qtHolder;
    int fdHolder = -1;
    switch (GetParam()) {
        case Hold::QtPortOnDevice:
        case Hold::QtPortOnLink:
            qtHolder.setPortName(QString::fromStdString(
                GetParam() == Hold::QtPortOnDevice ? held->slavePath() : held->linkPath()));
            ASSERT_TRUE(qtHolder.open(QIODevice::ReadWrite))
                << qtHolder.errorString().toStdString();
            break;
        case Hold::ExclusiveOpen:
            fdHolder = ::open(held->slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            ASSERT_GE(fdHolder, 0);
            ASSERT_EQ(::ioctl(fdHolder, TIOCEXCL), 0);
            break;
    }

    const SerialStatus status = session.open(Session::kSearchOrFallback, Session::Greeting::Read);
    ASSERT_TRUE(status.ok()) << status.error();
    EXPECT_EQ(session.commPort(), 2);
    EXPECT_EQ(serial.openedPath().toStdString(), free->slavePath());

    session.close();
    EXPECT_THAT(session.probeAvailablePorts(), ElementsAre(2));

    // Opening the held port by number is refused with a reason.
    const SerialStatus refused = serial.open(portName(session.portTable(), 1), kLineSettings);
    EXPECT_FALSE(refused.ok());
    EXPECT_THAT(refused.error(), HasSubstr("in use"));

    qtHolder.close();
    if (fdHolder >= 0) {
        ::ioctl(fdHolder, TIOCNXCL);
        ::close(fdHolder);
    }
    EXPECT_THAT(session.probeAvailablePorts(), ElementsAre(1, 2));
}

INSTANTIATE_TEST_SUITE_P(Holders, HeldPortTest,
                         ::testing::Values(Hold::QtPortOnDevice, Hold::QtPortOnLink,
                                           Hold::ExclusiveOpen),
                         [](const ::testing::TestParamInfo<Hold>& param) -> std::string {
                             switch (param.param) {
                                 case Hold::QtPortOnDevice:
                                     return "QtPortOnDevice";
                                 case Hold::QtPortOnLink:
                                     return "QtPortOnLink";
                                 case Hold::ExclusiveOpen:
                                     return "ExclusiveOpen";
                             }
                             return "Unknown";
                         });

TEST_F(SerialLinkTest, PortOpenedThroughLink_SecondControl_CannotOpenTheSameDevice) {
    auto transmitter = startTransmitter("a", quietOptions());
    ASSERT_TRUE(session.open(Session::kSearchOrFallback, Session::Greeting::Read).ok());

    QtSerialControl other;
    EXPECT_FALSE(other.probe({transmitter->linkPath(), "COM1"}));
    EXPECT_FALSE(other.probe({transmitter->slavePath(), "COM2"}));
    EXPECT_FALSE(other.open({transmitter->linkPath(), "COM1"}, kLineSettings).ok());
}

TEST_F(SerialLinkTest, SettingsFrame_OneBytePerReceiveEvent_IsAccepted) {
    auto transmitter = startTransmitter("a", quietOptions());
    startUpAgainst(*transmitter);
    largestWaiting = 0;

    for (std::uint8_t b : settingsFrame(transmitterBlock())) {
        const int before = receiveEvents;
        transmitter->sendRaw(std::array<std::uint8_t, 1>{b});
        ASSERT_TRUE(waitFor([&] { return receiveEvents > before; }));
    }

    EXPECT_EQ(largestWaiting, 1u);  // every byte had an event of its own
    EXPECT_EQ(session.counters().settingsAccepted, 2u);
    EXPECT_EQ(session.settings.modelType, 1);
    EXPECT_EQ(session.settings.stickMode, 1);
}

TEST_F(SerialLinkTest, WriteFrame_FromSession_ArrivesWholeAndCorrectAtTransmitter) {
    auto transmitter = startTransmitter("a", quietOptions());
    startUpAgainst(*transmitter);

    session.settings.endPointRight[0] = 110;
    session.settings.subTrim[5] = -5;
    ASSERT_TRUE(session.writeSettings().ok());

    auto writeFrames = [&] {
        std::vector<txsim::Command> frames;
        for (const txsim::Command& c : transmitter->receivedCommands()) {
            if (c.kind == txsim::Command::Kind::WriteFrame)
                frames.push_back(c);
        }
        return frames;
    };
    ASSERT_TRUE(waitFor([&] { return !writeFrames().empty(); }));
    const std::vector<txsim::Command> frames = writeFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].strayBefore, 0u);
    EXPECT_EQ(frames[0].bytes, bytesOf(writeFrame(session.blockBytes)));
    const BlockBytes taken = transmitter->currentBlock();
    EXPECT_EQ(taken[block::kEndPoint + 1], 110);
    EXPECT_EQ(taken[block::kSubTrim + 5], 0xFB);
}

TEST_F(SerialLinkTest, GarbageAndBadChecksums_BetweenFrames_ChangeNothing) {
    auto transmitter = startTransmitter("a", quietOptions());
    startUpAgainst(*transmitter);
    const BlockBytes blockBefore = session.blockBytes;
    const ModelSettings settingsBefore = session.settings;

    LiveValues first;
    first.channelWords = {1512, 1600, 1400, 1512, 2100, 0};
    first.auxWord = 700;
    transmitter->sendRaw(liveChannelFrame(first));
    ASSERT_TRUE(waitFor([&] { return session.counters().liveAccepted == 1; }));

    LiveValues other;
    other.channelWords = {1000, 1000, 1000, 1000, 1000, 1000};
    other.auxWord = 3;
    auto badLive = liveChannelFrame(other);
    badLive.back() = static_cast<std::uint8_t>(badLive.back() + 1);
    BlockBytes otherBlock = startingBlock();
    otherBlock[block::kThrottleCurve] = 0x7F;
    auto badSettings = settingsFrame(otherBlock);
    badSettings.back() = static_cast<std::uint8_t>(badSettings.back() - 1);
    const std::array<std::uint8_t, 6> garbage = {0x00, 0xFF, 0xFC, 0xFD, 0x12, 0xAA};

    transmitter->sendRaw(garbage);
    transmitter->sendRaw(badLive);
    transmitter->sendRaw(garbage);
    transmitter->sendRaw(badSettings);
    transmitter->sendRaw(garbage);
    // A good frame last: once it is in, everything before it has been read.
    LiveValues last;
    last.channelWords = {1513, 1511, 1512, 1512, 1512, 1512};
    last.auxWord = 1023;
    transmitter->sendRaw(liveChannelFrame(last));
    ASSERT_TRUE(waitFor([&] { return session.counters().liveAccepted == 2; }));

    EXPECT_EQ(session.liveChannels(), (std::array<int, 6>{1, -1, 0, 0, 0, 0}));
    EXPECT_EQ(session.liveAux(), 1023);
    EXPECT_EQ(session.counters().liveRejected, 1u);
    EXPECT_EQ(session.counters().settingsRejected, 1u);
    EXPECT_EQ(session.counters().settingsAccepted, 1u);
    EXPECT_EQ(session.blockBytes, blockBefore);
    EXPECT_EQ(session.settings, settingsBefore);
}

TEST_F(SerialLinkTest, FaultyStream_FromTransmitter_OnlyGoodFramesCount) {
    txsim::Options options = quietOptions();
    options.frameRate = 500;
    options.faults.garbageEvery = 1;
    options.faults.badChecksumEvery = 3;
    auto transmitter = startTransmitter("a", options);
    ASSERT_TRUE(session.open(Session::kSearchOrFallback, Session::Greeting::Read).ok());

    ASSERT_TRUE(waitFor([&] { return session.counters().liveAccepted >= 40; }));

    // Frame 1 (the SettingsFrame) and every third after it went out with a wrong checksum.
    EXPECT_GE(session.counters().liveRejected, 10u);
    for (int value : session.liveChannels()) {
        EXPECT_GE(value, -420);
        EXPECT_LE(value, 420);
    }
}

TEST_F(SerialLinkTest, OtherEnd_ClosingWhileOpen_ReportsOneErrorAndStaysIdle) {
    auto transmitter = startTransmitter("a", quietOptions());
    startUpAgainst(*transmitter);

    transmitter->closeLine();
    ASSERT_TRUE(waitFor([&] { return !errors.empty(); }));
    EXPECT_FALSE(serial.isOpen());

    EXPECT_EQ(notifierWakeups(300), 0);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_THAT(errors[0], HasSubstr("COM1"));
    EXPECT_THAT(errors[0], HasSubstr("connection was lost"));
    const SerialStatus write = session.send(readRequest());
    EXPECT_FALSE(write.ok());
    EXPECT_THAT(write.error(), HasSubstr("not open"));
}

TEST_F(SerialLinkTest, SecondProbeRound_AfterDeviceAppears_FindsIt) {
    EXPECT_THAT(session.probeAvailablePorts(), IsEmpty());

    auto transmitter = startTransmitter("a", quietOptions());

    EXPECT_THAT(session.probeAvailablePorts(), ElementsAre(1));
}

TEST_F(SerialLinkTest, SettingRound_CancelledOnOwnPort_ListsItAndReopensIt) {
    auto transmitter = startTransmitter("a", quietOptions());
    startUpAgainst(*transmitter);

    session.close();
    EXPECT_THAT(session.probeAvailablePorts(), ElementsAre(1));  // its own port, now closed
    const SerialStatus reopened = session.open(Session::kSelectedPort, Session::Greeting::User);
    ASSERT_TRUE(reopened.ok()) << reopened.error();

    ASSERT_TRUE(waitFor([&] { return transmitter->receivedBytes().size() >= 5; }));
    const std::vector<std::uint8_t> received = transmitter->receivedBytes();
    EXPECT_EQ(std::vector<std::uint8_t>(received.begin() + 2, received.begin() + 5),
              bytesOf(kUserRequestUser1));
    // The transmitter answers the UserRequest with its block once more.
    EXPECT_TRUE(waitFor([&] { return session.counters().settingsAccepted == 2; }));
}

}  // namespace
}  // namespace pelorin
