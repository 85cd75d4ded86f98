// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/settingsblock.h"

namespace pelorin {

namespace {

// Dual rates travel ON/OFF per channel, end points left/right per channel.
constexpr std::size_t kPairCount = 3;

}  // namespace

ModelSettings startingSettings() {
    ModelSettings s;
    s.endPointLeft.fill(100);
    s.endPointRight.fill(100);
    return s;
}

BlockBytes startingBlock() {
    BlockBytes b{};
    packSettings(startingSettings(), b);
    return b;
}

void packSettings(const ModelSettings& settings, BlockBytes& blockBytes) {
    // The stick mode is stored as held (already in the high nibble), not masked: the editor
    // only ever produces 0x00..0x30.
    blockBytes[block::kModelAndStick] =
        static_cast<std::uint8_t>(lowByte(settings.modelType & 0x0F) | lowByte(settings.stickMode));

    for (std::size_t i = 0; i < kPairCount; ++i) {
        blockBytes[block::kDualRate + 2 * i] = lowByte(settings.dualRateOn[i]);
        blockBytes[block::kDualRate + 2 * i + 1] = lowByte(settings.dualRateOff[i]);
    }

    blockBytes[block::kSwitchA] = lowByte(settings.switchAFunction);
    blockBytes[block::kSwitchB] = lowByte(settings.switchBFunction);
    blockBytes[block::kVrA] = lowByte(settings.vrAFunction);
    blockBytes[block::kVrB] = lowByte(settings.vrBFunction);

    std::uint8_t reverseBits = 0;  // bits 6 and 7 stay 0
    for (std::size_t k = 0; k < settings.reverse.size(); ++k) {
        if (settings.reverse[k])
            reverseBits = static_cast<std::uint8_t>(reverseBits | (1u << k));
    }
    blockBytes[block::kReverse] = reverseBits;

    for (std::size_t i = 0; i < settings.swashAfr.size(); ++i) {
        blockBytes[block::kSwashAfr + i] = lowByte(settings.swashAfr[i]);
    }
    for (std::size_t ch = 0; ch < static_cast<std::size_t>(kChannelCount); ++ch) {
        blockBytes[block::kEndPoint + 2 * ch] = lowByte(settings.endPointLeft[ch]);
        blockBytes[block::kEndPoint + 2 * ch + 1] = lowByte(settings.endPointRight[ch]);
        blockBytes[block::kSubTrim + ch] = lowByte(settings.subTrim[ch]);
    }
    for (std::size_t i = 0; i < kProgramMixSize; ++i) {
        blockBytes[block::kProgramMix + i] = settings.programMix[i];
    }
    // The curve bytes 23..42 belong to the curve editors, the slots 65..66 to whoever filled
    // them last: neither is written here.
}

void unpackSettings(const BlockBytes& blockBytes, ModelSettings& settings) {
    const std::uint8_t byte0 = blockBytes[block::kModelAndStick];
    settings.modelType = byte0 & 0x0F;
    settings.stickMode = byte0 & 0xF0;

    for (std::size_t i = 0; i < kPairCount; ++i) {
        settings.dualRateOn[i] = signedByte(blockBytes[block::kDualRate + 2 * i]);
        settings.dualRateOff[i] = signedByte(blockBytes[block::kDualRate + 2 * i + 1]);
    }
    for (std::size_t i = 0; i < settings.swashAfr.size(); ++i) {
        settings.swashAfr[i] = signedByte(blockBytes[block::kSwashAfr + i]);
    }
    for (std::size_t ch = 0; ch < static_cast<std::size_t>(kChannelCount); ++ch) {
        settings.endPointLeft[ch] = signedByte(blockBytes[block::kEndPoint + 2 * ch]);
        settings.endPointRight[ch] = signedByte(blockBytes[block::kEndPoint + 2 * ch + 1]);
        settings.subTrim[ch] = signedByte(blockBytes[block::kSubTrim + ch]);
    }
    settings.switchAFunction = signedByte(blockBytes[block::kSwitchA]);
    settings.switchBFunction = signedByte(blockBytes[block::kSwitchB]);
    settings.vrAFunction = signedByte(blockBytes[block::kVrA]);
    settings.vrBFunction = signedByte(blockBytes[block::kVrB]);

    const std::uint8_t reverseBits = blockBytes[block::kReverse];
    for (std::size_t k = 0; k < settings.reverse.size(); ++k) {
        settings.reverse[k] = ((reverseBits >> k) & 1u) != 0;
    }
    for (std::size_t i = 0; i < kProgramMixSize; ++i) {
        settings.programMix[i] = blockBytes[block::kProgramMix + i];
    }
}

}  // namespace pelorin
