// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The connection on its own, without a window: which memory its settings are, and whom it
// tells.

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "connection/transmitterconnection.h"
#include "link/frames.h"
#include "platform/devicewatch.h"
#include "tests/link/fakeserial.h"

namespace pelorin {
namespace {

using testing::FakeSerialControl;

struct OpenConnection {
    OpenConnection() {
        auto control = std::make_unique<FakeSerialControl>();
        serial = control.get();
        serial->makeOpenable(1);
        PortDiscovery discovery = serial->discovery();
        connection = std::make_unique<TransmitterConnection>(std::move(control), discovery);
        EXPECT_TRUE(connection->open(QStringLiteral("1")).isEmpty());
    }
    FakeSerialControl* serial = nullptr;
    std::unique_ptr<TransmitterConnection> connection;
};

TEST(TransmitterConnection, UserMemory_IsTheSwitchedOnesOnlyOnceItsSettingsAreReceived) {
    OpenConnection c;
    QSignalSpy changed(c.connection.get(), &TransmitterConnection::userMemoryChanged);
    ASSERT_TRUE(c.connection->switchUserMemory(1).ok());
    EXPECT_EQ(c.connection->userMemory(), 1);
    EXPECT_EQ(c.connection->userMemoryText(),
              QStringLiteral("USER2, its settings not received yet"));

    // A file loaded and sent meanwhile is not what USER2 held.
    BlockBytes block = startingBlock();
    block[5] = 42;
    ASSERT_TRUE(c.connection->session().loadBlock(block).ok());
    EXPECT_EQ(c.connection->userMemoryText(),
              QStringLiteral("USER2, its settings not received yet"));

    const auto frame = settingsFrame(block);
    c.serial->deliver(frame);
    EXPECT_EQ(c.connection->userMemoryText(), QStringLiteral("USER2"));
    EXPECT_EQ(changed.count(), 2);  // the switch, then the settings' arrival
}

// Reopened by itself, the transmitter may have been switched off and on: its memory is not
// known again, so nothing recorded from then on counts as the one switched to before.
TEST(TransmitterConnection, LineReopenedByItself_ForgetsTheMemorySwitchedTo) {
    auto control = std::make_unique<FakeSerialControl>();
    FakeSerialControl& line = *control;
    line.makeOpenable(3);
    TransmitterConnection connection(std::move(control), line.discovery());
    ASSERT_TRUE(connection.start(0).isEmpty());
    ASSERT_TRUE(connection.switchUserMemory(1).ok());

    line.loseDevice("COM3 has gone away.");
    ASSERT_FALSE(connection.lineDownText().isEmpty());
    auto* watch = connection.findChild<DeviceWatch*>();
    ASSERT_NE(watch, nullptr);
    emit watch->devicesChanged();
    ASSERT_TRUE(QTest::qWaitFor([&] { return line.isOpen(); }));
    EXPECT_EQ(connection.userMemory(), -1);
    EXPECT_EQ(connection.userMemoryText(),
              QStringLiteral("not known: the memory the transmitter had active"));
}

TEST(TransmitterConnection,
     EveryListenerHearsTheFrameAndTheBlock_AndOnlyReceivedBlocksCountAsReceived) {
    OpenConnection c;
    QSignalSpy frames(c.connection.get(), &TransmitterConnection::liveFrameReceived);
    QSignalSpy news(c.connection.get(), &TransmitterConnection::liveFramesArrived);
    QSignalSpy blocks(c.connection.get(), &TransmitterConnection::blockChanged);

    // Two live frames in one delivery: each is heard, the news comes once after both.
    std::vector<std::uint8_t> bytes;
    for (const std::uint16_t word : {std::uint16_t{1522}, std::uint16_t{1532}}) {
        const auto frame = liveChannelFrame({{word, word, word, word, word, word}, 0});
        bytes.insert(bytes.end(), frame.begin(), frame.end());
    }
    c.serial->deliver(bytes);
    EXPECT_EQ(frames.count(), 2);
    EXPECT_EQ(news.count(), 1);

    ASSERT_TRUE(c.connection->writeBlock(startingBlock()).isEmpty());
    c.serial->deliver(settingsFrame(startingBlock()));
    ASSERT_EQ(blocks.count(), 2);
    EXPECT_FALSE(blocks.at(0).at(0).toBool());  // the write
    EXPECT_TRUE(blocks.at(1).at(0).toBool());   // the SettingsFrame
}

}  // namespace
}  // namespace pelorin
