// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tools/txsim/blockdiff.h"

namespace pelorin::txsim {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(BlockDiffTest, SameBlock_HasNoChanges) {
    EXPECT_THAT(describeChanges(startingBlock(), startingBlock()), IsEmpty());
}

TEST(BlockDiffTest, ChangedFields_AreNamedWithTheirChannels) {
    const BlockBytes before = startingBlock();
    BlockBytes after = before;
    after[block::kModelAndStick] = 0x21;
    after[block::kDualRate + 5] = 0xC8;     // dualRateOff CH4
    after[block::kSwashAfr + 2] = 0xFB;     // swashAfr CH6
    after[block::kEndPoint + 1] = 110;      // endPointRight CH1
    after[block::kThrottleCurve + 3] = 75;  // ID EP1
    after[block::kVrB] = 1;

    EXPECT_THAT(
        describeChanges(before, after),
        ElementsAre("modelType: 0 (ACRO) -> 1 (HELI-120)",
                    "stickMode: 0x00 (MODEL1) -> 0x20 (MODEL3)", "dualRateOff CH4: 0 -> -56",
                    "swashAfr CH6: 0 -> -5", "endPointRight CH1: 100 -> 110",
                    "throttleCurve ID EP1: 0 -> 75", "vrBFunction: 0 -> 1"));
}

}  // namespace
}  // namespace pelorin::txsim
