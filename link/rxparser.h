// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Receiving: the framing state machine that turns the bytes of the line into LiveChannelFrame
// and SettingsFrame results. All state lives in the object; a frame may arrive spread over any
// number of receive events.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "link/frames.h"
#include "link/settingsblock.h"

namespace pelorin {

class RxParser {
public:
    enum class Result : std::uint8_t {
        None,              // byte taken, nothing finished
        LiveFrame,         // a LiveChannelFrame passed its checks: liveChannels/liveAux are new
        LiveRejected,      // a LiveChannelFrame was dropped (checksum, or a channel word > 2100)
        SettingsFrame,     // a SettingsFrame passed its checksum: settingsBlock() holds it
        SettingsRejected,  // a SettingsFrame failed its checksum; nothing else changed
    };
    enum class State : std::uint8_t {
        Idle,          // waiting for the header byte 0x55
        TypeAwaited,   // 0x55 seen; 0xFC or 0xFD awaited
        LiveBody,      // a LiveChannelFrame body in progress
        SettingsBody,  // a SettingsFrame body in progress
    };

    // Idle, nothing pending. Results (liveChannels, liveAux) are kept.
    void reset() { state_ = State::Idle; }

    // Feeds one byte through the state machine.
    Result consume(std::uint8_t b);
    // Feeds bytes in order and calls onResult(Result) for each frame that ends, good or not,
    // at the byte that ends it (so settingsBlock() is valid inside the call).
    template <class OnResult>
    void feed(std::span<const std::uint8_t> bytes, OnResult&& onResult) {
        for (const std::uint8_t b : bytes) {
            if (const Result r = consume(b); r != Result::None)
                onResult(r);
        }
    }

    [[nodiscard]] State state() const { return state_; }
    // Body bytes of the SettingsFrame in progress taken so far (0..66).
    [[nodiscard]] std::size_t settingsPos() const { return settingsPos_; }

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

private:
    Result liveStepWith(std::uint8_t b);
    Result settingsStepWith(std::uint8_t b);

    State state_ = State::Idle;
    std::uint8_t liveStep_ = 0;  // 0..5 channel words, 6 auxiliary word, 7 checksum
    bool haveHighByte_ = false;
    int wordValue_ = 0;
    int liveSum_ = 0;
    std::array<int, 6> pendingChannels_{};
    int pendingAux_ = 0;
    std::size_t settingsPos_ = 0;  // next body byte, 0..66
    int settingsSum_ = 0;
    // The SettingsFrame body is collected here, never in blockBytes, so a frame that fails its
    // checksum cannot leave half a block behind.
    std::array<std::uint8_t, kSettingsBlockSize + 2> settingsBody_{};
    std::array<int, 6> liveChannels_{};
    int liveAux_ = 0;
};

}  // namespace pelorin
