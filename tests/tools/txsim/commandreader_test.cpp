// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "tools/txsim/commandreader.h"

namespace pelorin::txsim {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Kind = Command::Kind;

const Bytes kReadRequest = {0x55, 0xFD};
const Bytes kUserRequest2 = {0x55, 0xFA, 0x01};
const Bytes kStartAdjust = {0x55, 0x99};
const Bytes kStopAdjust = {0x55, 0x88};

// A WriteFrame whose block is full of header bytes: inside a body they are data.
Bytes writeFrameOfHeaders() {
    BlockBytes block{};
    block.fill(0x55);
    const WriteFrame frame = writeFrame(block);
    return {frame.begin(), frame.end()};
}

std::vector<Command> feed(const Bytes& bytes) {
    CommandReader reader;
    std::vector<Command> commands;
    for (std::uint8_t b : bytes) {
        if (auto c = reader.consume(b))
            commands.push_back(*c);
    }
    return commands;
}

TEST(CommandReaderTest, EachCommand_AloneOnTheLine_IsRecognisedWhole) {
    const struct {
        Bytes bytes;
        Kind kind;
    } cases[] = {
        {kReadRequest, Kind::ReadRequest},         {kUserRequest2, Kind::UserRequest},
        {kStartAdjust, Kind::StartAdjust},         {kStopAdjust, Kind::StopAdjust},
        {writeFrameOfHeaders(), Kind::WriteFrame}, {{0x55, 0x12}, Kind::Unknown},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(commandName(c.kind));
        const std::vector<Command> commands = feed(c.bytes);
        ASSERT_EQ(commands.size(), 1u);
        EXPECT_EQ(commands[0].kind, c.kind);
        EXPECT_EQ(commands[0].bytes, c.bytes);
        EXPECT_EQ(commands[0].strayBefore, 0u);
    }
}

TEST(CommandReaderTest, StrayBytesAndRepeatedHeader_BeforeCommand_AreCountedAndSkipped) {
    const Bytes line = {0x00, 0xFD, 0x55, 0x55, 0xFD, 0x55, 0xFA, 0x00};

    const std::vector<Command> commands = feed(line);

    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].kind, Kind::ReadRequest);
    EXPECT_EQ(commands[0].strayBefore, 3u);
    EXPECT_EQ(commands[1].kind, Kind::UserRequest);
    EXPECT_EQ(commands[1].bytes, (Bytes{0x55, 0xFA, 0x00}));
}

TEST(CommandReaderTest, WriteFrame_WithGoodAndBadChecksum_IsJudgedBySum) {
    BlockBytes block = startingBlock();
    block[12] = 110;
    const WriteFrame frame = writeFrame(block);
    Bytes bytes(frame.begin(), frame.end());

    const WriteFrameContent good = writeFrameContent(bytes);
    EXPECT_TRUE(good.checksumOk());
    EXPECT_EQ(good.blockBytes[12], 110);

    bytes.back() = static_cast<std::uint8_t>(bytes.back() ^ 1);
    EXPECT_FALSE(writeFrameContent(bytes).checksumOk());
}

TEST(CommandReaderTest, FullBlockOfFF_HasChecksum16575) {
    BlockBytes block{};
    block.fill(0xFF);
    const WriteFrame frame = writeFrame(block);
    const WriteFrameContent content = writeFrameContent(Bytes(frame.begin(), frame.end()));
    EXPECT_EQ(content.sentSum, 16575u);
    EXPECT_TRUE(content.checksumOk());
}

}  // namespace
}  // namespace pelorin::txsim
