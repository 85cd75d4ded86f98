// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/rxparser.h"

namespace pelorin {

namespace {

constexpr std::uint8_t kAuxStep = 6;
constexpr std::uint8_t kChecksumStep = 7;

}  // namespace

RxParser::Result RxParser::consume(std::uint8_t b) {
    switch (state_) {
        case State::Idle:
            // Only a header byte means anything.
            if (b == kFrameHeader)
                state_ = State::TypeAwaited;
            return Result::None;
        case State::TypeAwaited:
            // Anything but a type byte, another 0x55 included, is skipped and the wait goes
            // on: there is no time-out.
            if (b == kLiveChannelType) {
                state_ = State::LiveBody;
                liveStep_ = 0;
                haveHighByte_ = false;
            } else if (b == kSettingsType) {
                state_ = State::SettingsBody;
                settingsPos_ = 0;
                settingsSum_ = 0;
            }
            return Result::None;
        case State::LiveBody:
            return liveStepWith(b);
        case State::SettingsBody:
            return settingsStepWith(b);
    }
    return Result::None;
}

RxParser::Result RxParser::liveStepWith(std::uint8_t b) {
    const std::uint8_t s = liveStep_;
    if (!haveHighByte_) {
        wordValue_ = b * 256;
        haveHighByte_ = true;
        if (s == 0) {
            liveSum_ = b;  // the sum starts afresh with the frame's first data byte
        } else if (s < kChecksumStep) {
            liveSum_ += b;
        }
        return Result::None;
    }

    wordValue_ |= b;
    haveHighByte_ = false;
    if (s < kAuxStep) {
        liveSum_ += b;
        if (wordValue_ > kMaxChannelWord) {
            // Abandoned at this word; what follows is scanned from idle again.
            state_ = State::Idle;
            return Result::LiveRejected;
        }
        pendingChannels_[s] = wordValue_ - kChannelCentre;
        liveStep_ = static_cast<std::uint8_t>(s + 1);
        return Result::None;
    }
    if (s == kAuxStep) {
        liveSum_ += b;
        pendingAux_ = wordValue_;
        liveStep_ = kChecksumStep;
        return Result::None;
    }

    state_ = State::Idle;
    if (wordValue_ != liveSum_)
        return Result::LiveRejected;
    liveChannels_ = pendingChannels_;
    liveAux_ = pendingAux_;
    return Result::LiveFrame;
}

RxParser::Result RxParser::settingsStepWith(std::uint8_t b) {
    settingsBody_[settingsPos_] = b;
    if (settingsPos_ < kSettingsBlockSize)
        settingsSum_ += b;  // the 65 block bytes, not the sum itself
    if (++settingsPos_ < settingsBody_.size())
        return Result::None;

    state_ = State::Idle;
    const int sent =
        settingsBody_[kSettingsBlockSize] * 256 + settingsBody_[kSettingsBlockSize + 1];
    return sent == settingsSum_ ? Result::SettingsFrame : Result::SettingsRejected;
}

}  // namespace pelorin
