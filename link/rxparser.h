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

    // Body bytes of the SettingsFrame in progress taken so far; 0 while none is in progress.
    [[nodiscard]] std::size_t settingsBodyTaken() const {
        return state_ == State::SettingsBody ? pos_ : 0;
    }

    // The six channel values (word - 1512) and the raw auxiliary word of the last good
    // LiveChannelFrame; 0 before the first.
    [[nodiscard]] const std::array<int, 6>& liveChannels() const { return liveChannels_; }
    [[nodiscard]] int liveAux() const { return liveAux_; }

    // The 65 block bytes of the SettingsFrame that has just passed its checksum. Valid right
    // after consume() returned SettingsFrame: the next frame's body overwrites it.
    [[nodiscard]] std::span<const std::uint8_t, kSettingsBlockSize> settingsBlock() const {
        return std::span<const std::uint8_t, kSettingsBlockSize>(body_.data(), kSettingsBlockSize);
    }

private:
    enum class State : std::uint8_t { Idle, TypeAwaited, LiveBody, SettingsBody };
    [[nodiscard]] int wordAt(std::size_t i) const { return body_[i] * 256 + body_[i + 1]; }

    State state_ = State::Idle;
    std::size_t pos_ = 0;  // body bytes taken
    // The body of the frame in progress, never blockBytes, so a frame that fails its checksum
    // cannot leave half a block behind.
    std::array<std::uint8_t, kSettingsBlockSize + 2> body_{};
    std::array<int, 6> liveChannels_{};
    int liveAux_ = 0;
};

}  // namespace pelorin
