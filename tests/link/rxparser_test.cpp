// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/rxparser.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelorin {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Result = RxParser::Result;

const Bytes kWorkedLiveFrame = {0x55, 0xFC, 0x05, 0xE8, 0x05, 0xE8, 0x05, 0xE8, 0x05,
                                0xE8, 0x05, 0xE8, 0x05, 0xE8, 0x03, 0x20, 0x05, 0xB1};

template <std::size_t N>
Bytes bytesOf(const std::array<std::uint8_t, N>& a) {
    return Bytes(a.begin(), a.end());
}

Bytes liveFrame(std::array<std::uint16_t, 6> words, std::uint16_t aux = 0) {
    return bytesOf(liveChannelFrame(LiveValues{words, aux}));
}

Bytes centredFrameWith(std::size_t channel, std::uint16_t word) {
    std::array<std::uint16_t, 6> words;
    words.fill(1512);
    words[channel] = word;
    return liveFrame(words, 7);
}

// Feeds the bytes and returns every result that is not None.
std::vector<Result> feed(RxParser& parser, const Bytes& bytes) {
    std::vector<Result> results;
    parser.feed(bytes, [&](Result r) { results.push_back(r); });
    return results;
}

TEST(RxParser, WorkedExample_GivesCentredChannelsAndAux800) {
    RxParser parser;
    for (std::size_t i = 0; i + 1 < kWorkedLiveFrame.size(); ++i) {
        ASSERT_EQ(parser.consume(kWorkedLiveFrame[i]), Result::None) << "byte " << i;
    }
    EXPECT_EQ(parser.consume(kWorkedLiveFrame.back()), Result::LiveFrame);
    EXPECT_EQ(parser.liveChannels(), (std::array<int, 6>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(parser.liveAux(), 800);
}

TEST(RxParser, ChannelWordsUpTo2100_BecomeWordMinus1512InEveryChannel) {
    struct Case {
        std::uint16_t word;
        int value;
    };
    for (const Case& c : {Case{2100, 588}, Case{1000, -512}, Case{0, -1512}, Case{1512, 0}}) {
        for (std::size_t ch = 0; ch < 6; ++ch) {
            RxParser parser;
            EXPECT_EQ(feed(parser, centredFrameWith(ch, c.word)), std::vector{Result::LiveFrame});
            EXPECT_EQ(parser.liveChannels()[ch], c.value) << "word " << c.word << " CH" << ch + 1;
        }
    }
}

TEST(RxParser, ChannelWordAbove2100_AbandonsFrameAtThatWord) {
    for (std::uint16_t word : {std::uint16_t{2101}, std::uint16_t{0xFFFF}}) {
        for (std::size_t ch = 0; ch < 6; ++ch) {
            RxParser parser;
            feed(parser, kWorkedLiveFrame);
            const Bytes frame = centredFrameWith(ch, word);
            const std::size_t lowByteAt = 3 + 2 * ch;
            for (std::size_t i = 0; i < lowByteAt; ++i)
                ASSERT_EQ(parser.consume(frame[i]), Result::None);
            EXPECT_EQ(parser.consume(frame[lowByteAt]), Result::LiveRejected);
            EXPECT_EQ(parser.liveAux(), 800) << "the last good frame stays";
        }
    }
}

TEST(RxParser, BytesAfterAnAbandonedFrame_AreScannedFromIdle) {
    RxParser parser;
    Bytes stream = centredFrameWith(0, 2101);
    stream.resize(4);  // abandoned at the first word
    stream.insert(stream.end(), kWorkedLiveFrame.begin(), kWorkedLiveFrame.end());
    EXPECT_EQ(feed(parser, stream), (std::vector{Result::LiveRejected, Result::LiveFrame}));
    EXPECT_EQ(parser.liveAux(), 800);
}

TEST(RxParser, AuxWordFFFF_IsTakenUnchecked) {
    RxParser parser;
    EXPECT_EQ(feed(parser, liveFrame({1512, 1512, 1512, 1512, 1512, 1512}, 0xFFFF)),
              std::vector{Result::LiveFrame});
    EXPECT_EQ(parser.liveAux(), 65535);
}

TEST(RxParser, BadLiveChecksum_KeepsThePreviousValues) {
    RxParser parser;
    feed(parser, kWorkedLiveFrame);
    for (int delta : {-1, 1, 0x100}) {
        Bytes frame = liveFrame({2000, 1000, 1, 2, 3, 4}, 9);
        const int sum = frame[16] * 256 + frame[17] + delta;
        frame[16] = static_cast<std::uint8_t>(sum >> 8);
        frame[17] = static_cast<std::uint8_t>(sum & 0xFF);
        EXPECT_EQ(feed(parser, frame), std::vector{Result::LiveRejected}) << delta;
        EXPECT_EQ(parser.liveChannels(), (std::array<int, 6>{0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(parser.liveAux(), 800);
    }
}

TEST(RxParser, ConsecutiveFrames_EachStartTheirSumAfresh) {
    RxParser parser;
    const Bytes first = liveFrame({2100, 2100, 2100, 2100, 2100, 2100}, 0xFFFF);
    const Bytes second = liveFrame({0, 1, 2, 3, 4, 5}, 0);
    Bytes stream = first;
    stream.insert(stream.end(), second.begin(), second.end());
    EXPECT_EQ(feed(parser, stream), (std::vector{Result::LiveFrame, Result::LiveFrame}));
    EXPECT_EQ(parser.liveChannels(),
              (std::array<int, 6>{-1512, -1511, -1510, -1509, -1508, -1507}));
}

TEST(RxParser, NonTypeBytesAfterHeader_AreSkippedUntilATypeByte) {
    for (const Bytes& prefix :
         {Bytes{0x55, 0x00}, Bytes{0x55, 0x55}, Bytes{0x55, 0x00, 0x55, 0xFE}}) {
        RxParser parser;
        Bytes stream = prefix;
        stream.insert(stream.end(), kWorkedLiveFrame.begin() + 1, kWorkedLiveFrame.end());
        EXPECT_EQ(feed(parser, stream), std::vector{Result::LiveFrame});
        EXPECT_EQ(parser.liveAux(), 800);
    }
}

TEST(RxParser, StrayBytesOutsideFrames_AreIgnored) {
    RxParser parser;
    Bytes stream = {0x00, 0xFC, 0xFD, 0xFF, 0x12};
    stream.insert(stream.end(), kWorkedLiveFrame.begin(), kWorkedLiveFrame.end());
    EXPECT_EQ(feed(parser, stream), std::vector{Result::LiveFrame});
}

TEST(RxParser, FramingBytesInsideALiveBody_AreData) {
    RxParser parser;
    const Bytes frame = liveFrame({0x0055, 0x00FC, 0x00FD, 0x0755, 0x0455, 0x0155}, 0x55FD);
    EXPECT_EQ(feed(parser, frame), std::vector{Result::LiveFrame});
    EXPECT_EQ(parser.liveChannels()[3], 0x0755 - 1512);
    EXPECT_EQ(parser.liveAux(), 0x55FD);
}

BlockBytes patternBlock() {
    BlockBytes block{};
    const std::uint8_t pattern[] = {0x55, 0xFC, 0xFD, 0x55, 0x55, 0xFF, 0x00};
    for (std::size_t i = 0; i < 65; ++i)
        block[i] = pattern[i % std::size(pattern)];
    return block;
}

TEST(RxParser, SettingsFrameWithGoodSum_HandsOverItsBlock) {
    RxParser parser;
    const BlockBytes block = patternBlock();  // framing bytes inside the body are data
    const Bytes frame = bytesOf(settingsFrame(block));
    for (std::size_t i = 0; i + 1 < frame.size(); ++i)
        ASSERT_EQ(parser.consume(frame[i]), Result::None);
    EXPECT_EQ(parser.consume(frame.back()), Result::SettingsFrame);
    EXPECT_TRUE(std::equal(block.begin(), block.begin() + 65, parser.settingsBlock().begin()));
    EXPECT_EQ(feed(parser, kWorkedLiveFrame), std::vector{Result::LiveFrame});
}

TEST(RxParser, SettingsFrameWithSumOffByOne_IsRejected) {
    for (int delta : {-1, 1, 0x100}) {
        RxParser parser;
        Bytes frame = bytesOf(settingsFrame(patternBlock()));
        const int sum = frame[67] * 256 + frame[68] + delta;
        frame[67] = static_cast<std::uint8_t>(sum >> 8);
        frame[68] = static_cast<std::uint8_t>(sum & 0xFF);
        EXPECT_EQ(feed(parser, frame), std::vector{Result::SettingsRejected}) << delta;
        // The parser is idle again: the next frame is read normally.
        EXPECT_EQ(feed(parser, kWorkedLiveFrame), std::vector{Result::LiveFrame});
    }
}

TEST(RxParser, Reset_ReturnsToIdleAndKeepsResults) {
    RxParser parser;
    feed(parser, kWorkedLiveFrame);
    feed(parser, Bytes(kWorkedLiveFrame.begin(), kWorkedLiveFrame.begin() + 7));
    parser.reset();
    EXPECT_EQ(parser.liveAux(), 800);
    EXPECT_EQ(feed(parser, kWorkedLiveFrame), std::vector{Result::LiveFrame});
}

}  // namespace
}  // namespace pelorin
