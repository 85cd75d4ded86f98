// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/session.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "tests/link/fakeserial.h"

namespace pelorin {
namespace {

using testing::FakeSerialControl;
using Bytes = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;

const Bytes kWorkedLiveFrame = {0x55, 0xFC, 0x05, 0xE8, 0x05, 0xE8, 0x05, 0xE8, 0x05,
                                0xE8, 0x05, 0xE8, 0x05, 0xE8, 0x03, 0x20, 0x05, 0xB1};
const Bytes kReadRequest = {0x55, 0xFD};

template <std::size_t N>
Bytes bytesOf(const std::array<std::uint8_t, N>& a) {
    return Bytes(a.begin(), a.end());
}

void append(Bytes& to, const Bytes& more) {
    to.insert(to.end(), more.begin(), more.end());
}

// A block a transmitter could send: helicopter, mode 2, curves and mixes filled in.
BlockBytes transmitterBlock() {
    BlockBytes block = startingBlock();
    block[0] = 0x21;
    block[2] = 0xC8;  // dual rate -56
    for (std::size_t i = 23; i <= 42; ++i)
        block[i] = static_cast<std::uint8_t>(i * 3);
    for (std::size_t i = 49; i <= 60; ++i)
        block[i] = static_cast<std::uint8_t>(0x80 + i);
    block[65] = block[66] = 0;
    return block;
}

class SessionTest : public ::testing::Test {
protected:
    FakeSerialControl serial;
    Session session{serial, serial.discovery()};
    int unpackedCount = 0;

    void SetUp() override {
        session.onSettingsUnpacked = [this] { ++unpackedCount; };
    }

    // Opens the session on COM3 and forgets the calls that took.
    void openOnCom3() {
        serial.makeOpenable(3);
        ASSERT_TRUE(session.open(Session::kSearchOrFallback, Session::Greeting::Read).ok());
        serial.clearCalls();
    }
};

// ---- Receiving -------------------------------------------------------------------------------

TEST_F(SessionTest, GoodSettingsFrame_ReplacesBlockClearsSlotsAndUnpacks) {
    session.blockBytes[65] = 0xAA;
    session.blockBytes[66] = 0xBB;
    const BlockBytes sent = transmitterBlock();
    session.receive(bytesOf(settingsFrame(sent)));

    EXPECT_EQ(session.blockBytes, sent);
    EXPECT_EQ(session.settings.modelType, 1);
    EXPECT_EQ(session.settings.stickMode, 2);
    EXPECT_EQ(session.settings.dualRateOn[0], -56);
    EXPECT_EQ(unpackedCount, 1);
    EXPECT_EQ(session.counters().settingsAccepted, 1u);
}

TEST_F(SessionTest, SettingsFrameWithBadSum_LeavesBlockAndSettingsUntouched) {
    session.blockBytes[30] = 0x42;  // a curve byte the next write would send
    session.blockBytes[65] = 0xAA;
    const BlockBytes blockBefore = session.blockBytes;
    const ModelSettings settingsBefore = session.settings;

    for (int delta : {-1, 1}) {
        Bytes frame = bytesOf(settingsFrame(transmitterBlock()));
        frame[68] = static_cast<std::uint8_t>(frame[68] + delta);
        session.receive(frame);
    }
    EXPECT_EQ(session.blockBytes, blockBefore);
    EXPECT_EQ(session.settings, settingsBefore);
    EXPECT_EQ(unpackedCount, 0);
    EXPECT_EQ(session.counters().settingsRejected, 2u);
}

// A stream with every kind of thing the line carries.
Bytes mixedStream() {
    Bytes s = {0x00, 0xFC, 0x13};                           // stray bytes
    append(s, kWorkedLiveFrame);                            // good live frame
    append(s, bytesOf(settingsFrame(transmitterBlock())));  // good settings frame
    Bytes bad = bytesOf(liveChannelFrame({{1, 2, 3, 4, 5, 6}, 7}));
    bad[17] ^= 1;
    append(s, bad);           // bad live checksum
    append(s, {0x55, 0x00});  // skipped while type awaited
    append(s, Bytes(kWorkedLiveFrame.begin() + 1, kWorkedLiveFrame.end()));
    append(s, {0x55, 0xFC, 0x08, 0x35});  // word 2101: abandoned
    Bytes badSettings = bytesOf(settingsFrame(startingBlock()));
    badSettings[67] ^= 1;
    append(s, badSettings);  // bad settings checksum
    append(s, bytesOf(liveChannelFrame({{2100, 1000, 0, 1512, 1600, 1400}, 0xFFFF})));
    return s;
}

struct Outcome {
    BlockBytes blockBytes;
    ModelSettings settings;
    std::array<int, 6> liveChannels;
    int liveAux;
    std::uint64_t live, liveBad, set, setBad;
    bool operator==(const Outcome&) const = default;
};

Outcome outcomeOf(const Session& s) {
    const auto& c = s.counters();
    return {s.blockBytes,   s.settings,     s.liveChannels(),   s.liveAux(),
            c.liveAccepted, c.liveRejected, c.settingsAccepted, c.settingsRejected};
}

TEST_F(SessionTest, MixedStream_InOnePiece_GivesEveryExpectedResult) {
    std::vector<std::array<int, 6>> seenByHook;
    session.onLiveFrame = [&] { seenByHook.push_back(session.liveChannels()); };
    session.receive(mixedStream());
    const Outcome o = outcomeOf(session);
    EXPECT_EQ(o.live, 3u);
    EXPECT_EQ(o.liveBad, 2u);
    EXPECT_EQ(o.set, 1u);
    EXPECT_EQ(o.setBad, 1u);
    EXPECT_EQ(o.blockBytes, transmitterBlock());
    EXPECT_EQ(o.liveChannels, (std::array<int, 6>{588, -512, -1512, 0, 88, -112}));
    EXPECT_EQ(o.liveAux, 65535);
    // The hook runs once per good live frame, after the frame's values are in place.
    ASSERT_EQ(seenByHook.size(), o.live);
    EXPECT_EQ(seenByHook.back(), o.liveChannels);
}

TEST_F(SessionTest, MixedStream_CutAnywhereOrByteByByte_GivesTheSameResults) {
    const Bytes stream = mixedStream();
    session.receive(stream);
    const Outcome whole = outcomeOf(session);

    for (std::size_t cut = 0; cut <= stream.size(); ++cut) {
        FakeSerialControl otherSerial;
        Session other(otherSerial, otherSerial.discovery());
        other.receive(std::span(stream).first(cut));
        other.receive(std::span(stream).subspan(cut));
        ASSERT_EQ(outcomeOf(other), whole) << "cut at " << cut;
    }

    FakeSerialControl otherSerial;
    Session other(otherSerial, otherSerial.discovery());
    for (std::uint8_t b : stream)
        other.receive(std::span(&b, 1));
    EXPECT_EQ(outcomeOf(other), whole);
}

TEST_F(SessionTest, ReceiveCall_TakesEverythingItIsHanded) {
    Bytes stream;
    for (int i = 0; i < 200; ++i)
        append(stream, kWorkedLiveFrame);  // 3600 bytes
    append(stream, bytesOf(settingsFrame(transmitterBlock())));
    serial.setReceiveHandler(
        [this](std::span<const std::uint8_t> bytes) { session.receive(bytes); });
    serial.deliver(stream);

    EXPECT_EQ(session.counters().liveAccepted, 200u);
    EXPECT_EQ(session.blockBytes, transmitterBlock());
}

// ---- Opening the port ------------------------------------------------------------------------

TEST_F(SessionTest, StartUp_Com3FirstToOpen_OpensInTurnWithTheLineSettingsAndAsks) {
    serial.makeOpenable(3);
    serial.makeOpenable(5);
    session.userSelect = 1;
    ASSERT_TRUE(session.open(Session::kSearchOrFallback, Session::Greeting::Read).ok());

    EXPECT_EQ(serial.calls,
              (Texts{"open(/dev/fake1)", "open(/dev/fake2)", "open(/dev/fake3)", "write(55 FD)"}));
    EXPECT_EQ(serial.opened, (PortName{"/dev/fake3", "COM3"}));
    EXPECT_EQ(serial.lineSettings.baudRate, 115200);
    EXPECT_EQ(serial.lineSettings.parity, Parity::None);
    EXPECT_EQ(serial.lineSettings.dataBits, 8);
    EXPECT_EQ(serial.lineSettings.stopBits, 1);
    EXPECT_EQ(serial.writes(), std::vector<Bytes>{kReadRequest});
    EXPECT_EQ(session.userSelect, 0);
}

TEST_F(SessionTest, StartUp_NoPortOpens_FallsBackTo21AndReportsTheFailedOpen) {
    session.userSelect = 1;
    const SerialStatus status = session.open(Session::kSearchOrFallback, Session::Greeting::Read);

    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.error(), FakeSerialControl::kNoDeviceText);
    // COM1..COM20 each tried once, then COM21, whose failure is the one reported.
    EXPECT_EQ(serial.deviceOpens.size(), 21u);
    EXPECT_EQ(serial.deviceOpens.back(), "/dev/fake21");
    EXPECT_EQ(session.commPort(), 21);
    EXPECT_EQ(serial.calls.back(), "open(/dev/fake21)");
    EXPECT_TRUE(serial.writes().empty());
    EXPECT_EQ(session.userSelect, 1);
}

TEST_F(SessionTest, StartUp_NoProbedPortButCom21Exists_OpensCom21) {
    serial.makeOpenable(21);
    EXPECT_TRUE(session.open(Session::kSearchOrFallback, Session::Greeting::Read).ok());
    EXPECT_EQ(session.commPort(), 21);
    EXPECT_EQ(serial.writes(), std::vector<Bytes>{kReadRequest});
}

TEST_F(SessionTest, StartUp_AnyError_EndsTheOperationThere) {
    for (const std::string op : {"open", "write"}) {
        FakeSerialControl failing;
        failing.makeOpenable(2);
        failing.failOperation(op, "Invalid property value");
        Session s(failing, failing.discovery());
        s.userSelect = 1;

        const SerialStatus status = s.open(Session::kSearchOrFallback, Session::Greeting::Read);
        EXPECT_EQ(status.error(), "Invalid property value") << op;
        EXPECT_TRUE(failing.calls.back().starts_with(op + "(")) << op;
        EXPECT_TRUE(failing.writes().empty()) << op;
        EXPECT_EQ(s.userSelect, 1) << op;
    }
}

// Only a send that finds an open line gone, with the control closing the port, tells of a lost
// port: the window then awaits the device as when the line is lost while reading.
TEST(SessionPortLost, SendThatClosesTheOpenPort_IsTheOnlyOneThatTellsOfIt) {
    const struct {
        const char* what;
        bool open;
        bool writeFails;
        bool failedWriteCloses;
        int lost;
    } cases[] = {
        {"the write fails and the port closes", true, true, true, 1},
        {"the write fails, the port stays open", true, true, false, 0},
        {"the port was closed already", false, false, false, 0},
        {"the write goes out", true, false, false, 0},
    };
    for (const auto& c : cases) {
        for (const bool block : {false, true}) {
            FakeSerialControl line;
            line.forceOpen(c.open);
            if (c.writeFails)
                line.failOperation("write", "Input/output error");
            line.failedWriteCloses = c.failedWriteCloses;
            Session session(line, line.discovery());
            int lost = 0;
            session.onPortLost = [&] { ++lost; };
            const SerialStatus sent =
                block ? session.sendSettingsBlock() : session.send(readRequest());
            EXPECT_EQ(sent.ok(), c.open && !c.writeFails) << c.what;
            EXPECT_EQ(lost, c.lost) << c.what << (block ? ", settings block" : ", request");
        }
    }
}

TEST_F(SessionTest, StartUp_PortAlreadyOpen_SendsNothing) {
    serial.makeOpenable(1);
    serial.forceOpen(true);
    session.userSelect = 1;
    EXPECT_TRUE(session.open(Session::kSearchOrFallback, Session::Greeting::Read).ok());
    EXPECT_TRUE(serial.calls.empty());
    EXPECT_EQ(session.userSelect, 1);
}

TEST_F(SessionTest, NumbersWithoutADevice_AreNeverTried) {
    serial.table.portDeviceNames.fill("");
    serial.table.portDeviceNames[1] = "/dev/ttyUSB0";
    (void)session.open(Session::kSearchOrFallback, Session::Greeting::Read);
    EXPECT_EQ(serial.deviceOpens, Texts{"/dev/ttyUSB0"});
    EXPECT_EQ(serial.calls, (Texts{"open(/dev/ttyUSB0)", "open()"}));
    EXPECT_EQ(session.commPort(), 21);
}

// Start-up opens the device it ends on exactly once, and any other device at most once, with
// one look at the port table; the device the transmitter answered on last time comes first,
// and while it opens no other device is touched.
TEST(SessionStartUp, EachDeviceOpenedAtMostOnce_PreferredFirst) {
    struct Case {
        const char* what;
        std::string preferred;
        std::vector<int> openable;
        int opened;
        Texts tried;
    };
    const Case cases[] = {
        {"nothing kept", "", {2, 7}, 2, {"/dev/fake1", "/dev/fake2"}},
        {"kept, there and opens", "/dev/fake7", {2, 7}, 7, {"/dev/fake7"}},
        {"kept but gone", "/dev/ttyGone", {2, 7}, 2, {"/dev/fake1", "/dev/fake2"}},
        {"kept, there but busy", "/dev/fake2", {3}, 3, {"/dev/fake2", "/dev/fake1", "/dev/fake3"}},
        {"kept beyond the probed numbers", "/dev/fake21", {2, 21}, 2, {"/dev/fake1", "/dev/fake2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSerialControl serial;
        for (int port : c.openable)
            serial.makeOpenable(port);
        Session session(serial, serial.discovery());
        session.preferredDevice = c.preferred;
        EXPECT_TRUE(session.open(Session::kSearchOrFallback, Session::Greeting::Read).ok());
        EXPECT_EQ(session.commPort(), c.opened);
        EXPECT_EQ(serial.deviceOpens, c.tried);
        EXPECT_EQ(serial.refreshCount, 1);
        EXPECT_TRUE(serial.isOpen());
        EXPECT_EQ(serial.writes(), std::vector<Bytes>{kReadRequest});
    }
}

// The command-line program's search: the same order, each device opened at most once, no
// fallback to COM21, nothing sent.
TEST(SessionSearch, FirstThatOpensIsKept_NoneOpensGivesZero) {
    struct Case {
        std::vector<int> openable;
        int opened;
        std::size_t tried;
    };
    for (const Case& c : {Case{{3, 5}, 3, 3}, Case{{21}, 0, 20}}) {
        SCOPED_TRACE(c.opened);
        FakeSerialControl serial;
        for (int port : c.openable)
            serial.makeOpenable(port);
        Session session(serial, serial.discovery());
        EXPECT_EQ(session.open(Session::kSearch).ok() ? session.commPort() : 0, c.opened);
        EXPECT_EQ(serial.isOpen(), c.opened != 0);
        EXPECT_EQ(serial.deviceOpens.size(), c.tried);
        EXPECT_EQ(
            std::set<std::string>(serial.deviceOpens.begin(), serial.deviceOpens.end()).size(),
            c.tried);
        EXPECT_EQ(serial.refreshCount, 1);
        EXPECT_TRUE(serial.writes().empty());
    }
}

TEST_F(SessionTest, PortAnswered_OnceAtTheFirstGoodFrameOfEachOpening) {
    openOnCom3();
    std::vector<std::string> answeredOn;
    session.onPortAnswered = [&] { answeredOn.push_back(session.portDevice()); };
    Bytes badLive = kWorkedLiveFrame;
    badLive.back() ^= 1;
    session.receive(badLive);
    EXPECT_TRUE(answeredOn.empty()) << "a frame with a wrong sum is no answer";
    session.receive(kWorkedLiveFrame);
    session.receive(kWorkedLiveFrame);
    EXPECT_EQ(answeredOn, std::vector<std::string>{"/dev/fake3"});

    serial.makeOpenable(5);
    session.close();
    ASSERT_TRUE(session.open(5, Session::Greeting::User).ok());
    session.receive(bytesOf(settingsFrame(transmitterBlock())));
    EXPECT_EQ(answeredOn, (std::vector<std::string>{"/dev/fake3", "/dev/fake5"}));
}

TEST_F(SessionTest, ProbeAvailablePorts_ListsOnlyOpenablePortsUpTo20WithAFreshTable) {
    serial.makeOpenable(3);
    serial.makeOpenable(12);
    serial.makeOpenable(21);
    EXPECT_EQ(session.probeAvailablePorts(), (std::vector<int>{3, 12}));
    EXPECT_EQ(session.probeAvailablePorts(), (std::vector<int>{3, 12}));
    EXPECT_EQ(serial.refreshCount, 2);
}

// A table the caller found itself (the command line's --port) numbers the ports without a
// second search, until the next probe round looks again; an open port keeps its device.
TEST_F(SessionTest, GivenTable_NumbersThePortsUntilTheNextRefresh) {
    PortTable given = serial.table;
    given.portDeviceNames[0] = "/dev/ttyUSB7";
    serial.openableDevices = {"/dev/ttyUSB7", "/dev/fake1"};
    session.usePortTable(given);
    ASSERT_TRUE(session.open(1).ok());
    EXPECT_EQ(serial.opened.device, "/dev/ttyUSB7");
    EXPECT_EQ(serial.refreshCount, 0);

    EXPECT_EQ(session.probeAvailablePorts(), std::vector<int>{1});
    EXPECT_EQ(session.portDevice(), "/dev/ttyUSB7");
    session.close();
    ASSERT_TRUE(session.open(1, Session::Greeting::User).ok());
    EXPECT_EQ(serial.opened.device, "/dev/fake1");
}

// ---- The Setting button ----------------------------------------------------------------------

TEST_F(SessionTest, SettingThenCancel_ReopensPreviousPortAndSendsUserRequest) {
    openOnCom3();
    session.userSelect = 1;
    session.close();
    EXPECT_FALSE(serial.isOpen());
    ASSERT_TRUE(session.open(Session::kSelectedPort, Session::Greeting::User).ok());

    EXPECT_EQ(serial.calls, (Texts{"close()", "open(/dev/fake3)", "write(55 FA 01)"}));
    EXPECT_EQ(session.commPort(), 3);
}

TEST_F(SessionTest, SettingThenOk_SelectsChosenPortBeforeOpening) {
    openOnCom3();
    serial.makeOpenable(12);
    session.close();
    ASSERT_TRUE(session.open(12, Session::Greeting::User).ok());

    EXPECT_EQ(serial.calls, (Texts{"close()", "open(/dev/fake12)", "write(55 FA 00)"}));
}

TEST_F(SessionTest, SettingToAPortThatDoesNotOpen_ReportsAndSkipsUserRequest) {
    openOnCom3();
    session.close();
    const SerialStatus status = session.open(1, Session::Greeting::User);

    EXPECT_EQ(status.error(), FakeSerialControl::kNoDeviceText);
    EXPECT_FALSE(serial.isOpen());
    EXPECT_TRUE(serial.writes().empty());
}

TEST_F(SessionTest, SettingRound_AfterLineLostMidFrame_NewLineStartsFromIdle) {
    openOnCom3();
    serial.setReceiveHandler(
        [this](std::span<const std::uint8_t> bytes) { session.receive(bytes); });
    BlockBytes block = transmitterBlock();
    const Bytes frame = bytesOf(settingsFrame(block));
    // The first 32 bytes of a SettingsFrame arrive, then the line goes.
    serial.deliver(std::span(frame.data(), 32));
    serial.loseDevice("lost");
    ASSERT_EQ(session.rxParser.settingsBodyTaken(), 30u);

    session.close();
    ASSERT_TRUE(session.open(Session::kSelectedPort, Session::Greeting::User).ok());
    // The new line's first frame is taken whole, not as the rest of the lost one.
    block[0] = 0x12;
    serial.deliver(bytesOf(settingsFrame(block)));

    EXPECT_EQ(session.counters().settingsAccepted, 1u);
    EXPECT_EQ(session.counters().settingsRejected, 0u);
    EXPECT_EQ(session.blockBytes, block);
}

TEST_F(SessionTest, SettingWhilePortClosed_DoesNotCloseAgain) {
    session.close();
    EXPECT_TRUE(serial.calls.empty());
}

// ---- Commands --------------------------------------------------------------------------------

TEST_F(SessionTest, SimpleCommands_SendTheirFrames) {
    openOnCom3();
    session.userSelect = 1;
    ASSERT_TRUE(session.send(userRequest(0)).ok());  // GetUser: index 0 whatever is selected
    ASSERT_TRUE(session.send(readRequest()).ok());
    ASSERT_TRUE(session.send(startAdjustRequest()).ok());
    ASSERT_TRUE(session.send(stopAdjustRequest()).ok());
    EXPECT_EQ(serial.writes(),
              (std::vector<Bytes>{{0x55, 0xFA, 0x00}, {0x55, 0xFD}, {0x55, 0x99}, {0x55, 0x88}}));
}

TEST_F(SessionTest, WriteSettings_PacksFieldsKeepsCurvesAndSendsOneFrame) {
    openOnCom3();
    session.receive(bytesOf(settingsFrame(transmitterBlock())));
    session.settings.endPointRight[0] = 110;
    ASSERT_TRUE(session.writeSettings().ok());

    BlockBytes expected = transmitterBlock();
    expected[12] = 110;
    EXPECT_EQ(session.blockBytes, expected);
    EXPECT_EQ(serial.writes(), std::vector<Bytes>{bytesOf(writeFrame(expected))});
}

TEST_F(SessionTest, WriteSettingsWhilePortClosed_ReturnsErrorButBlockIsPacked) {
    session.settings.subTrim[0] = -5;
    const SerialStatus status = session.writeSettings();

    EXPECT_EQ(status.error(), FakeSerialControl::kClosedText);
    EXPECT_EQ(session.blockBytes[43], 0xFB);
    EXPECT_TRUE(serial.writes().empty());
}

TEST_F(SessionTest, LoadBlock_ReplacesAllBytesUnpacksAndSendsThem) {
    openOnCom3();
    BlockBytes loaded = transmitterBlock();
    loaded[65] = 0x12;
    loaded[66] = 0x34;
    ASSERT_TRUE(session.loadBlock(loaded).ok());

    EXPECT_EQ(session.blockBytes, loaded);
    EXPECT_EQ(session.settings.modelType, 1);
    EXPECT_EQ(unpackedCount, 1);
    EXPECT_EQ(serial.writes(), std::vector<Bytes>{bytesOf(writeFrame(loaded))});
}

}  // namespace
}  // namespace pelorin
