// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/rxparser.h"

namespace pelorin {

namespace {

constexpr int kSettingsBodySize = static_cast<int>(kSettingsBlockSize) + 2;  // block + sum
constexpr std::uint8_t kAuxStep = 6;
constexpr std::uint8_t kChecksumStep = 7;

}  // namespace

void RxParser::reset() {
    frameOpen = false;
    liveActive = false;
    settingsActive = false;
    liveStep = 0;
    haveHighByte = false;
    wordValue = 0;
    liveSum = 0;
    pendingChannels = {};
    pendingAux = 0;
    settingsRemaining = 0;
    settingsPos = 0;
    settingsSum = 0;
}

RxParser::Result RxParser::consume(std::uint8_t b) {
    if (!frameOpen) {
        // Idle: only a header byte means anything.
        if (b == kFrameHeader) {
            frameOpen = true;
            liveStep = 0;
            haveHighByte = false;
        }
        return Result::None;
    }
    if (liveActive)
        return liveStepWith(b);
    if (settingsActive)
        return settingsStepWith(b);

    // A type byte is awaited. Anything else, another 0x55 included, is skipped and the wait
    // goes on: there is no time-out.
    if (b == kLiveChannelType) {
        liveActive = true;
    } else if (b == kSettingsType) {
        settingsActive = true;
        settingsRemaining = kSettingsBodySize;
        settingsPos = 0;
        settingsSum = 0;
    }
    return Result::None;
}

RxParser::Result RxParser::liveStepWith(std::uint8_t b) {
    const std::uint8_t s = liveStep;
    if (!haveHighByte) {
        wordValue = b * 256;
        haveHighByte = true;
        if (s == 0) {
            liveSum = b;  // the sum starts afresh with the frame's first data byte
        } else if (s < kChecksumStep) {
            liveSum += b;
        }
        return Result::None;
    }

    wordValue |= b;
    haveHighByte = false;
    if (s < kAuxStep) {
        liveSum += b;
        if (wordValue > kMaxChannelWord) {
            // Abandoned at this word; what follows is scanned from idle again.
            frameOpen = false;
            liveActive = false;
            return Result::LiveRejected;
        }
        pendingChannels[s] = wordValue - kChannelCentre;
        liveStep = static_cast<std::uint8_t>(s + 1);
        return Result::None;
    }
    if (s == kAuxStep) {
        liveSum += b;
        pendingAux = wordValue;
        liveStep = kChecksumStep;
        return Result::None;
    }

    const bool good = wordValue == liveSum;
    if (good) {
        liveChannels_ = pendingChannels;
        liveAux_ = pendingAux;
    }
    liveSum = 0;
    frameOpen = false;
    liveActive = false;
    liveStep = 0;
    return good ? Result::LiveFrame : Result::LiveRejected;
}

RxParser::Result RxParser::settingsStepWith(std::uint8_t b) {
    if (settingsPos >= settingsBody_.size()) {
        // Only reachable if the public state was set from outside; never write past the body.
        frameOpen = false;
        settingsActive = false;
        return Result::SettingsRejected;
    }
    settingsBody_[settingsPos] = b;
    if (settingsRemaining > 2)
        settingsSum += b;  // the 65 block bytes, not the sum itself
    ++settingsPos;
    --settingsRemaining;
    if (settingsRemaining > 0)
        return Result::None;

    frameOpen = false;
    settingsActive = false;
    const int sent =
        settingsBody_[kSettingsBlockSize] * 256 + settingsBody_[kSettingsBlockSize + 1];
    return sent == settingsSum ? Result::SettingsFrame : Result::SettingsRejected;
}

}  // namespace pelorin
