// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/settingsblock.h"

namespace pelorin {

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

BlockBytes blankBlock(int modelType) {
    ModelSettings s = startingSettings();
    s.modelType = modelType;
    s.dualRateOn.fill(100);
    s.dualRateOff.fill(100);
    s.swashAfr.fill(50);
    constexpr int kMixOff = 3;  // the mix switch that never turns a mix on
    for (std::size_t mix = 0; mix < kProgramMixSize; mix += 4)
        s.programMix[mix + 3] = kMixOff;
    BlockBytes b{};
    packSettings(s, b);
    // NOR and ID alternate point by point: EPi of NOR is byte 2i of the curve, of ID 2i + 1.
    for (std::size_t point = 0; point < 5; ++point) {
        const auto value = lowByte(static_cast<int>(25 * point));
        for (std::size_t curve : {block::kThrottleCurve, block::kPitchCurve}) {
            b[curve + 2 * point] = value;
            b[curve + 2 * point + 1] = value;
        }
    }
    return b;
}

}  // namespace pelorin
