// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/frames.h"

#include <cstdio>

namespace pelorin {

std::string hexBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    char pair[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(pair, sizeof pair, "%02X", b);
        if (!text.empty())
            text += ' ';
        text += pair;
    }
    return text;
}

namespace {

// 0x55, the type or command byte, the 65 block bytes and their sum, high byte first.
std::array<std::uint8_t, kSettingsFrameSize> blockFrame(
    std::uint8_t type, std::span<const std::uint8_t, kSettingsBlockSize> block) {
    std::array<std::uint8_t, kSettingsFrameSize> frame{};
    frame[0] = kFrameHeader;
    frame[1] = type;
    unsigned sum = 0;
    for (std::size_t k = 0; k < kSettingsBlockSize; ++k) {
        frame[2 + k] = block[k];
        sum += block[k];
    }
    frame[2 + kSettingsBlockSize] = static_cast<std::uint8_t>((sum >> 8) & 0xFFu);
    frame[3 + kSettingsBlockSize] = static_cast<std::uint8_t>(sum & 0xFFu);
    return frame;
}

std::span<const std::uint8_t, kSettingsBlockSize> blockOf(const BlockBytes& blockBytes) {
    return std::span<const std::uint8_t, kSettingsBlockSize>(blockBytes.data(), kSettingsBlockSize);
}

}  // namespace

WriteFrame writeFrame(const BlockBytes& blockBytes) {
    return blockFrame(kWriteCommand, blockOf(blockBytes));
}

std::array<std::uint8_t, kLiveChannelFrameSize> liveChannelFrame(const LiveValues& values) {
    std::array<std::uint8_t, kLiveChannelFrameSize> frame{};
    frame[0] = kFrameHeader;
    frame[1] = kLiveChannelType;
    std::size_t pos = 2;
    unsigned sum = 0;
    auto putWord = [&](std::uint16_t word) {
        const auto high = static_cast<std::uint8_t>(word >> 8);
        const auto low = static_cast<std::uint8_t>(word & 0xFFu);
        frame[pos++] = high;
        frame[pos++] = low;
        sum += high;
        sum += low;
    };
    for (std::uint16_t word : values.channelWords)
        putWord(word);
    putWord(values.auxWord);
    putWord(static_cast<std::uint16_t>(sum));  // at most 14 x 255, always fits
    return frame;
}

std::array<std::uint8_t, kSettingsFrameSize> settingsFrame(
    std::span<const std::uint8_t, kSettingsBlockSize> block) {
    return blockFrame(kSettingsType, block);
}

std::array<std::uint8_t, kSettingsFrameSize> settingsFrame(const BlockBytes& blockBytes) {
    return blockFrame(kSettingsType, blockOf(blockBytes));
}

}  // namespace pelorin
