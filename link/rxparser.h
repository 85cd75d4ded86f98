// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Receiving: the ring that takes the bytes of each receive event, and the framing state machine
// that turns them into LiveChannelFrame and SettingsFrame results. All state lives in the
// objects; a frame may arrive spread over any number of receive events.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "link/frames.h"
#include "link/settingsblock.h"

namespace pelorin {

// 1024 bytes with a write and a read index. Empty when the indices are equal; there is no
// overrun check, so a caller must never put more than 1023 bytes between two drains.
class RxRing {
public:
    static constexpr std::size_t kSize = 1024;

    void put(std::uint8_t b) {
        bytes_[rxWrite] = b;
        rxWrite = advance(rxWrite);
    }
    // The bytes of one receive event, in order; the same as put() for each of them.
    void put(std::span<const std::uint8_t> bytes) {
        while (!bytes.empty()) {
            const std::size_t room = kSize - rxWrite;  // up to the end of the array
            const std::size_t n = bytes.size() < room ? bytes.size() : room;
            std::copy_n(bytes.data(), n, bytes_.data() + rxWrite);
            rxWrite = static_cast<std::uint16_t>((rxWrite + n) % kSize);
            bytes = bytes.subspan(n);
        }
    }
    [[nodiscard]] bool empty() const { return rxRead == rxWrite; }
    [[nodiscard]] std::uint8_t take() {
        const std::uint8_t b = bytes_[rxRead];
        rxRead = advance(rxRead);
        return b;
    }
    void reset() { rxWrite = rxRead = 0; }

    std::uint16_t rxWrite = 0;
    std::uint16_t rxRead = 0;

private:
    static constexpr std::uint16_t advance(std::uint16_t index) {
        return static_cast<std::uint16_t>((index + 1u) % kSize);
    }
    std::array<std::uint8_t, kSize> bytes_{};
};

class RxParser {
public:
    enum class Result : std::uint8_t {
        None,              // byte taken, nothing finished
        LiveFrame,         // a LiveChannelFrame passed its checks: liveChannels/liveAux are new
        LiveRejected,      // a LiveChannelFrame was dropped (checksum, or a channel word > 2100)
        SettingsFrame,     // a SettingsFrame passed its checksum: settingsBlock() holds it
        SettingsRejected,  // a SettingsFrame failed its checksum; nothing else changed
    };

    // Idle, nothing pending. Results (liveChannels, liveAux) are kept.
    void reset();

    // Feeds one byte through the state machine.
    Result consume(std::uint8_t b);

    // The six channel values (word - 1512) and the raw auxiliary word of the last good
    // LiveChannelFrame; 0 before the first.
    [[nodiscard]] const std::array<int, 6>& liveChannels() const { return liveChannels_; }
    [[nodiscard]] int liveAux() const { return liveAux_; }

    // The 65 block bytes of the SettingsFrame that has just passed its checksum. Valid right
    // after consume() returned SettingsFrame: the next frame's body overwrites it.
    [[nodiscard]] std::span<const std::uint8_t, kSettingsBlockSize> settingsBlock() const {
        return std::span<const std::uint8_t, kSettingsBlockSize>(settingsBody_.data(),
                                                                 kSettingsBlockSize);
    }

    // State, named after the framing rules so the code reads against them.
    bool frameOpen = false;       // 0x55 seen; a type byte or a body is awaited
    bool liveActive = false;      // LiveChannelFrame body in progress
    bool settingsActive = false;  // SettingsFrame body in progress
    std::uint8_t liveStep = 0;    // 0..5 channel words, 6 auxiliary word, 7 checksum
    bool haveHighByte = false;
    int wordValue = 0;
    int liveSum = 0;
    std::array<int, 6> pendingChannels{};
    int pendingAux = 0;
    int settingsRemaining = 0;
    std::size_t settingsPos = 0;  // 0..66
    int settingsSum = 0;

private:
    Result liveStepWith(std::uint8_t b);
    Result settingsStepWith(std::uint8_t b);

    // The SettingsFrame body is collected here, never in blockBytes, so a frame that fails its
    // checksum cannot leave half a block behind.
    std::array<std::uint8_t, kSettingsBlockSize + 2> settingsBody_{};
    std::array<int, 6> liveChannels_{};
    int liveAux_ = 0;
};

}  // namespace pelorin
