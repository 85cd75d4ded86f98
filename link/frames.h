// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Frames on the serial line. Every frame, in either direction, starts with 0x55 and a type or
// command byte; 16-bit numbers are big-endian; a checksum is the plain sum of the data bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "link/settingsblock.h"

namespace pelorin {

inline constexpr std::uint8_t kFrameHeader = 0x55;

// Type bytes of the frames the transmitter sends.
inline constexpr std::uint8_t kLiveChannelType = 0xFC;
inline constexpr std::uint8_t kSettingsType = 0xFD;

// Command bytes of the frames the program sends.
inline constexpr std::uint8_t kReadCommand = 0xFD;
inline constexpr std::uint8_t kWriteCommand = 0xFF;
inline constexpr std::uint8_t kUserCommand = 0xFA;
inline constexpr std::uint8_t kStartAdjustCommand = 0x99;
inline constexpr std::uint8_t kStopAdjustCommand = 0x88;

inline constexpr std::size_t kLiveChannelFrameSize = 18;
inline constexpr std::size_t kSettingsFrameSize = 69;
inline constexpr std::size_t kWriteFrameSize = 69;

// Channel words above this abandon a LiveChannelFrame; a word minus the centre is the value.
inline constexpr int kMaxChannelWord = 2100;
inline constexpr int kChannelCentre = 1512;

using ReadRequest = std::array<std::uint8_t, 2>;
using WriteFrame = std::array<std::uint8_t, kWriteFrameSize>;
using UserRequest = std::array<std::uint8_t, 3>;
using StartAdjustRequest = std::array<std::uint8_t, 2>;
using StopAdjustRequest = std::array<std::uint8_t, 2>;
static_assert(sizeof(WriteFrame) == 69);

// Sum of the bytes taken as unsigned values.
[[nodiscard]] constexpr unsigned byteSum(std::span<const std::uint8_t> bytes) {
    unsigned sum = 0;
    for (std::uint8_t b : bytes)
        sum += b;
    return sum;
}

// Bytes as upper-case hex pairs, "55 FD", for logs and messages.
[[nodiscard]] std::string hexBytes(std::span<const std::uint8_t> bytes);

[[nodiscard]] constexpr ReadRequest readRequest() {
    return {kFrameHeader, kReadCommand};
}
[[nodiscard]] constexpr UserRequest userRequest(int userSelect) {
    return {kFrameHeader, kUserCommand, lowByte(userSelect)};
}
[[nodiscard]] constexpr StartAdjustRequest startAdjustRequest() {
    return {kFrameHeader, kStartAdjustCommand};
}
[[nodiscard]] constexpr StopAdjustRequest stopAdjustRequest() {
    return {kFrameHeader, kStopAdjustCommand};
}

// 55 FF, blockBytes 0..64, then their sum high byte first. The checksum slots are not sent.
[[nodiscard]] WriteFrame writeFrame(const BlockBytes& blockBytes);

// The frames the transmitter sends; used by the virtual transmitter, tests and benchmarks.
struct LiveValues {
    std::array<std::uint16_t, 6> channelWords{};
    std::uint16_t auxWord = 0;
};
[[nodiscard]] std::array<std::uint8_t, kLiveChannelFrameSize> liveChannelFrame(
    const LiveValues& values);
[[nodiscard]] std::array<std::uint8_t, kSettingsFrameSize> settingsFrame(
    std::span<const std::uint8_t, kSettingsBlockSize> block);
[[nodiscard]] std::array<std::uint8_t, kSettingsFrameSize> settingsFrame(
    const BlockBytes& blockBytes);

}  // namespace pelorin
