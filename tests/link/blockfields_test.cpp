// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The editor groups and ranges of the field table: a send of some groups touches exactly
// their bytes, and a block holding what no editor makes is found out field by field.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "link/blockfields.h"

namespace pelorin {
namespace {

struct GroupBytes {
    EditorGroup group;
    std::size_t first;
    std::size_t count;
};

// Where each editor's settings sit in the block.
const GroupBytes kGroupBytes[] = {
    {EditorGroup::TypeAndStick, block::kModelAndStick, 1},
    {EditorGroup::Reverse, block::kReverse, 1},
    {EditorGroup::DualRates, block::kDualRate, 6},
    {EditorGroup::SwashAfr, block::kSwashAfr, 3},
    {EditorGroup::EndPoints, block::kEndPoint, 12},
    {EditorGroup::ThrottleCurve, block::kThrottleCurve, block::kCurveSize},
    {EditorGroup::PitchCurve, block::kPitchCurve, block::kCurveSize},
    {EditorGroup::SubTrim, block::kSubTrim, 6},
    {EditorGroup::ProgramMixes, block::kProgramMix, kProgramMixSize},
    {EditorGroup::SwitchesAndVrs, block::kSwitchA, 4},
};

TEST(EditorGroups, SendingOneGroup_TakesExactlyItsBytesAndKeepsTheRest) {
    BlockBytes current{};
    BlockBytes wanted{};
    wanted.fill(0xFF);
    std::size_t covered = 0;
    for (const GroupBytes& g : kGroupBytes) {
        const BlockBytes sent = withGroupsFrom(current, wanted, {g.group});
        for (std::size_t i = 0; i < kSettingsBlockSize; ++i) {
            const bool inGroup = i >= g.first && i < g.first + g.count;
            EXPECT_EQ(sent[i], inGroup ? 0xFF : 0x00) << "byte " << i;
        }
        covered += g.count;
    }
    EXPECT_EQ(covered, kSettingsBlockSize);  // every settings byte is some editor's
}

TEST(EditorRanges, ValuesJustOutsideAnEditorsRange_AreNamed) {
    struct Case {
        const char* field;
        int inside;
        int outside;
    };
    const Case cases[] = {
        {"model type", 3, 4},          {"stick mode", 3, 4},
        {"end point CH3 L", 120, 121}, {"end point CH6 R", 0, -1},
        {"sub trim CH2", -120, -121},  {"dual rate CH4 OFF", 100, 101},
        {"swash AFR CH6", -100, -101}, {"MIX 2 source", 7, 8},
        {"MIX 3 destination", 5, 6},   {"MIX 1 up rate", -100, -101},
        {"MIX 1 switch", 3, 4},        {"switch B function", 3, 4},
        {"VR A function", 1, 2},       {"reverse spare bits 6-7", 0, 1},
    };
    for (const Case& c : cases) {
        const BlockField* field = findBlockField(c.field);
        ASSERT_NE(field, nullptr) << c.field;
        BlockBytes block{};
        setFieldValue(*field, block, c.inside);
        EXPECT_TRUE(fieldsOutsideEditorRanges(block).empty()) << c.field;
        setFieldValue(*field, block, c.outside);
        const auto outside = fieldsOutsideEditorRanges(block);
        ASSERT_EQ(outside.size(), 1u) << c.field;
        EXPECT_EQ(outside[0], field);
    }
}

TEST(EditorRanges, CurvesAndChecksumSlots_NeverCount) {
    BlockBytes block{};
    block[block::kThrottleCurve] = 0x80;
    block[block::kPitchCurve + 9] = 0x7F;
    block[kChecksumSlot1] = 0xFF;
    block[kChecksumSlot2] = 0xFF;
    EXPECT_TRUE(fieldsOutsideEditorRanges(block).empty());
}

}  // namespace
}  // namespace pelorin
