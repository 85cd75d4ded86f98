// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/rxparser.h"

namespace pelorin {

namespace {

// A live body: six channel words, the auxiliary word (the 14 data bytes), the checksum word.
constexpr std::size_t kLiveDataSize = 14;
constexpr std::size_t kChannelBytes = 12;

}  // namespace

RxParser::Result RxParser::consume(std::uint8_t b) {
    if (state_ == State::Idle) {
        // Only a header byte means anything.
        if (b == kFrameHeader)
            state_ = State::TypeAwaited;
        return Result::None;
    }
    if (state_ == State::TypeAwaited) {
        // Anything but a type byte, another 0x55 included, is skipped and the wait goes on:
        // there is no time-out.
        if (b == kLiveChannelType || b == kSettingsType) {
            state_ = b == kLiveChannelType ? State::LiveBody : State::SettingsBody;
            pos_ = 0;
        }
        return Result::None;
    }

    body_[pos_++] = b;
    const bool live = state_ == State::LiveBody;
    if (live && pos_ % 2 == 0 && pos_ <= kChannelBytes && wordAt(pos_ - 2) > kMaxChannelWord) {
        // Abandoned at this word; what follows is scanned from idle again.
        state_ = State::Idle;
        return Result::LiveRejected;
    }
    const std::size_t dataSize = live ? kLiveDataSize : kSettingsBlockSize;
    if (pos_ < dataSize + 2)
        return Result::None;

    state_ = State::Idle;
    const bool sumOk = static_cast<unsigned>(wordAt(dataSize)) ==
                       byteSum(std::span<const std::uint8_t>(body_.data(), dataSize));
    if (!live)
        return sumOk ? Result::SettingsFrame : Result::SettingsRejected;
    if (!sumOk)
        return Result::LiveRejected;
    for (std::size_t i = 0; i < liveChannels_.size(); ++i)
        liveChannels_[i] = wordAt(2 * i) - kChannelCentre;
    liveAux_ = wordAt(kChannelBytes);
    return Result::LiveFrame;
}

}  // namespace pelorin
