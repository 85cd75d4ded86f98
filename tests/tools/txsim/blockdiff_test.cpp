// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/blockfields.h"
#include "tools/txsim/blockdiff.h"
#include "tools/txsim/virtualtransmitter.h"

namespace pelorin::txsim {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

TEST(BlockDiffTest, SameBlock_HasNoChanges) {
    EXPECT_THAT(describeChanges(startingBlock(), startingBlock()), IsEmpty());
}

TEST(BlockDiffTest, ChangedFields_ReadAsTheDumpNamesThemAndTheirValues) {
    const BlockBytes before = startingBlock();
    BlockBytes after = before;
    after[block::kModelAndStick] = 0x21;
    after[block::kDualRate + 5] = 0xC8;     // CH4 OFF
    after[block::kSwashAfr + 2] = 0xFB;     // CH6
    after[block::kEndPoint + 1] = 110;      // CH1 right
    after[block::kThrottleCurve + 3] = 75;  // ID EP1
    after[block::kVrB] = 1;

    EXPECT_THAT(describeChanges(before, after),
                ElementsAre("model type: ACRO -> HELI-120", "stick mode: MODEL1 -> MODEL3",
                            "end point CH1 R: 100 -> 110", "dual rate CH4 OFF: 0 -> -56",
                            "swash AFR CH6: 0 -> -5", "throttle curve ID EP1: 0 -> 75",
                            "VR B function: NULL -> Pith Adjust"));
}

TEST(BlockDiffTest, ValuesWithoutNames_AndSpareBits_AreShownAsTheyStand) {
    const BlockBytes before = startingBlock();
    BlockBytes after = before;
    after[block::kModelAndStick] = 0x55;  // type 5, mode 5: neither has a name
    after[block::kReverse] = static_cast<std::uint8_t>(before[block::kReverse] | 0x80);
    after[block::kProgramMix + 3] = 9;  // MIX 1's switch

    EXPECT_THAT(
        describeChanges(before, after),
        ElementsAre("model type: ACRO -> unknown (5)", "stick mode: MODEL1 -> unknown (0x50)",
                    "reverse spare bits 6-7: 0x00 -> 0x80", "MIX 1 switch: SW A -> unknown (9)"));
}

TEST(BlockDiffTest, ChecksumSlots_AreNoSettingsAndNotLogged) {
    BlockBytes after = startingBlock();
    after[kChecksumSlot1] ^= 0x5A;
    after[kChecksumSlot2] ^= 0xA5;
    EXPECT_THAT(describeChanges(startingBlock(), after), IsEmpty());
}

// Every field of the table, changed on its own in blocks of different kinds, gives exactly
// one line, under the table's name.
TEST(BlockDiffTest, EveryFieldChangedAlone_IsOneLineUnderItsName) {
    BlockBytes allSet;
    allSet.fill(0xFF);
    BlockBytes allClear{};
    const std::vector<std::pair<const char*, BlockBytes>> blocks{
        {"starting block", startingBlock()},
        {"helicopter", defaultModels()[1]},
        {"all bits set", allSet},
        {"all bits clear", allClear},
    };
    for (const auto& [label, before] : blocks) {
        for (const BlockField& field : blockFields()) {
            if (field.group == FieldGroup::Checksum)
                continue;
            BlockBytes after = before;
            const int value = fieldValue(field, before);
            setFieldValue(field, after, value == field.maxValue() ? field.minValue() : value + 1);

            EXPECT_THAT(describeChanges(before, after), ElementsAre(StartsWith(field.name + ": ")))
                << label << ", " << field.name;
        }
    }
}

TEST(BlockDiffTest, BlockSummary_NamesTypeStickModeAndChannelOne) {
    BlockBytes block = startingBlock();
    block[block::kModelAndStick] = 0x13;
    block[block::kEndPoint] = 90;
    block[block::kSubTrim] = 0xF9;
    EXPECT_EQ(describeBlock(block),
              "model type HELI-140, stick mode MODEL2, end point CH1 L 90, end point CH1 R 100, "
              "sub trim CH1 -7");
}

}  // namespace
}  // namespace pelorin::txsim
