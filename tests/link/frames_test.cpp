// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/frames.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

template <std::size_t N>
Bytes bytesOf(const std::array<std::uint8_t, N>& a) {
    return Bytes(a.begin(), a.end());
}

// Six channel words of 1512, auxiliary word 800, checksum 0x05B1.
const Bytes kWorkedLiveFrame = {0x55, 0xFC, 0x05, 0xE8, 0x05, 0xE8, 0x05, 0xE8, 0x05,
                                0xE8, 0x05, 0xE8, 0x05, 0xE8, 0x03, 0x20, 0x05, 0xB1};

TEST(WriteFrame, BlockOfZeros_IsHeaderZerosAndZeroSum) {
    Bytes expected = {0x55, 0xFF};
    expected.insert(expected.end(), 65, 0x00);
    expected.insert(expected.end(), {0x00, 0x00});
    EXPECT_EQ(bytesOf(writeFrame(BlockBytes{})), expected);
}

TEST(WriteFrame, BlockOfFF_EndsWithSum40BF) {
    BlockBytes block;
    block.fill(0xFF);
    const WriteFrame frame = writeFrame(block);
    EXPECT_EQ(frame[0], 0x55);
    EXPECT_EQ(frame[1], 0xFF);
    EXPECT_EQ(frame[67], 0x40);
    EXPECT_EQ(frame[68], 0xBF);
}

TEST(WriteFrame, ChecksumSlots_AreNeitherSentNorSummed) {
    BlockBytes block = startingBlock();
    const WriteFrame plain = writeFrame(block);
    block[65] = 0xAA;
    block[66] = 0xBB;
    EXPECT_EQ(writeFrame(block), plain);
}

TEST(SettingsFrame, SameBlock_DiffersFromWriteFrameOnlyInTypeByte) {
    BlockBytes block;
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i * 7);
    auto received = settingsFrame(block);
    EXPECT_EQ(received[1], 0xFD);
    received[1] = 0xFF;
    EXPECT_EQ(received, writeFrame(block));
}

TEST(LiveChannelFrame, WorkedExampleValues_GiveTheWorkedExampleBytes) {
    LiveValues values;
    values.channelWords.fill(1512);
    values.auxWord = 800;
    EXPECT_EQ(bytesOf(liveChannelFrame(values)), kWorkedLiveFrame);
}

TEST(CommandFrames, EachCommand_HasItsFixedBytes) {
    EXPECT_EQ(bytesOf(readRequest()), (Bytes{0x55, 0xFD}));
    EXPECT_EQ(bytesOf(userRequest(0)), (Bytes{0x55, 0xFA, 0x00}));
    EXPECT_EQ(bytesOf(userRequest(1)), (Bytes{0x55, 0xFA, 0x01}));
    EXPECT_EQ(bytesOf(userRequest(0x101)), (Bytes{0x55, 0xFA, 0x01}));  // low 8 bits
    EXPECT_EQ(bytesOf(startAdjustRequest()), (Bytes{0x55, 0x99}));
    EXPECT_EQ(bytesOf(stopAdjustRequest()), (Bytes{0x55, 0x88}));
}

}  // namespace
}  // namespace pelorin
