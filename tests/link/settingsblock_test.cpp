// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/settingsblock.h"

#include "link/blockfields.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace pelorin {
namespace {

// Every field stored as a signed byte, with the block byte it lives in.
struct SignedField {
    std::string name;
    std::size_t offset;
    std::function<int&(ModelSettings&)> field;
};

std::vector<SignedField> signedFields() {
    std::vector<SignedField> fields;
    for (std::size_t i = 0; i < 3; ++i) {
        fields.push_back({"dualRateOn" + std::to_string(i), 2 + 2 * i,
                          [i](ModelSettings& s) -> int& { return s.dualRateOn[i]; }});
        fields.push_back({"dualRateOff" + std::to_string(i), 3 + 2 * i,
                          [i](ModelSettings& s) -> int& { return s.dualRateOff[i]; }});
        fields.push_back({"swashAfr" + std::to_string(i), 8 + i,
                          [i](ModelSettings& s) -> int& { return s.swashAfr[i]; }});
    }
    for (std::size_t ch = 0; ch < 6; ++ch) {
        fields.push_back({"endPointLeft" + std::to_string(ch), 11 + 2 * ch,
                          [ch](ModelSettings& s) -> int& { return s.endPointLeft[ch]; }});
        fields.push_back({"endPointRight" + std::to_string(ch), 12 + 2 * ch,
                          [ch](ModelSettings& s) -> int& { return s.endPointRight[ch]; }});
        fields.push_back({"subTrim" + std::to_string(ch), 43 + ch,
                          [ch](ModelSettings& s) -> int& { return s.subTrim[ch]; }});
    }
    fields.push_back({"switchA", 61, [](ModelSettings& s) -> int& { return s.switchAFunction; }});
    fields.push_back({"switchB", 62, [](ModelSettings& s) -> int& { return s.switchBFunction; }});
    fields.push_back({"vrA", 63, [](ModelSettings& s) -> int& { return s.vrAFunction; }});
    fields.push_back({"vrB", 64, [](ModelSettings& s) -> int& { return s.vrBFunction; }});
    return fields;
}

// Settings with a different value in every field, and the block they pack into.
ModelSettings distinctSettings() {
    ModelSettings s;
    s.modelType = 3;
    s.stickMode = 2;
    s.reverse = {true, false, true, false, false, true};
    s.dualRateOn = {10, 20, 30};
    s.dualRateOff = {11, 21, 31};
    s.swashAfr = {-1, -2, -3};
    s.endPointLeft = {100, 101, 102, 103, 104, 105};
    s.endPointRight = {110, 111, 112, 113, 114, 115};
    s.subTrim = {-5, -4, -3, 3, 4, 5};
    s.programMix = {0x01, 0x80, 0x02, 0xFF, 0x03, 0x7F, 0x04, 0x81, 0x05, 0xC8, 0x06, 0x00};
    s.switchAFunction = 1;
    s.switchBFunction = 2;
    s.vrAFunction = 3;
    s.vrBFunction = -1;
    return s;
}

constexpr std::array<std::uint8_t, 65> kDistinctBlock = {
    0x23, 0x25,                        // model/stick, reverse
    10,   11,   20,   21,   30,   31,  // dual rates ON/OFF for CH1, CH2, CH4
    0xFF, 0xFE, 0xFD,                  // swash AFR CH1, CH2, CH6
    100,  110,  101,  111,  102,  112,  103,  113,  104,  114,  105,  115,   // end points
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,                 // throttle curve
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,                 // pitch curve
    0xFB, 0xFC, 0xFD, 3,    4,    5,                                         // sub trim
    0x01, 0x80, 0x02, 0xFF, 0x03, 0x7F, 0x04, 0x81, 0x05, 0xC8, 0x06, 0x00,  // program mix
    1,    2,    3,    0xFF,                                                  // switch A, B, VR A, B
};

TEST(PackSettings, DistinctFields_LandInTheirInterleavedBytes) {
    BlockBytes block{};
    packSettings(distinctSettings(), block);
    EXPECT_TRUE(std::equal(kDistinctBlock.begin(), kDistinctBlock.end(), block.begin()));

    ModelSettings back;
    unpackSettings(block, back);
    EXPECT_EQ(back, distinctSettings());
}

TEST(UnpackSettings, EverySignedField_ReadsEveryByteValueAsSigned) {
    for (const SignedField& f : signedFields()) {
        for (int value = 0; value <= 255; ++value) {
            BlockBytes block{};
            block[f.offset] = static_cast<std::uint8_t>(value);
            ModelSettings s;
            unpackSettings(block, s);
            const int expected = value < 128 ? value : value - 256;
            ASSERT_EQ(f.field(s), expected) << f.name << " byte " << value;
        }
    }
}

TEST(PackSettings, ValuesOutsideAByte_KeepTheirLowEightBits) {
    for (const SignedField& f : signedFields()) {
        ModelSettings s;
        BlockBytes block{};
        f.field(s) = 300;
        packSettings(s, block);
        EXPECT_EQ(block[f.offset], 44) << f.name;
        f.field(s) = -5;
        packSettings(s, block);
        EXPECT_EQ(block[f.offset], 0xFB) << f.name;
    }
}

TEST(UnpackSettings, ByteZero_SplitsIntoModelTypeAndStickMode) {
    struct Case {
        std::uint8_t byte0;
        int modelType;
        int stickMode;
        bool curveButtons;
    };
    for (const Case& c : {Case{0x21, 1, 2, true}, Case{0x30, 0, 3, false}, Case{0x03, 3, 0, true},
                          Case{0xFF, 15, 15, true}}) {
        BlockBytes block{};
        block[0] = c.byte0;
        ModelSettings s;
        unpackSettings(block, s);
        EXPECT_EQ(s.modelType, c.modelType) << int(c.byte0);
        EXPECT_EQ(s.stickMode, c.stickMode) << int(c.byte0);
        EXPECT_EQ(curveButtonsVisible(block[0]), c.curveButtons) << int(c.byte0);
    }
}

TEST(PackSettings, ModelTypeAndStickMode_CombineIntoByteZero) {
    struct Case {
        int modelType;
        int stickMode;
        std::uint8_t byte0;
    };
    // Each is masked to its nibble, so neither can spill into the other's.
    for (const Case& c :
         {Case{2, 1, 0x12}, Case{0, 3, 0x30}, Case{0x13, 2, 0x23}, Case{1, 0x15, 0x51}}) {
        ModelSettings s;
        s.modelType = c.modelType;
        s.stickMode = c.stickMode;
        BlockBytes block{};
        packSettings(s, block);
        EXPECT_EQ(block[0], c.byte0) << c.modelType << "/" << c.stickMode;
    }
}

TEST(PackSettings, ReverseByteWithAllBits_PacksBackWithoutBitsSixAndSeven) {
    BlockBytes block{};
    block[1] = 0xFF;
    ModelSettings s;
    unpackSettings(block, s);
    EXPECT_EQ(s.reverse, (std::array<bool, 6>{true, true, true, true, true, true}));
    packSettings(s, block);
    EXPECT_EQ(block[1], 0x3F);
}

TEST(PackSettings, AnyFields_LeaveCurveBytesAndChecksumSlotsAlone) {
    ModelSettings extreme;
    extreme.modelType = -1;
    extreme.stickMode = -1;
    extreme.reverse.fill(true);
    for (const SignedField& f : signedFields())
        f.field(extreme) = -1;
    extreme.programMix.fill(0xFF);

    for (const ModelSettings& s :
         {startingSettings(), distinctSettings(), extreme, ModelSettings{}}) {
        BlockBytes block;
        for (std::size_t i = 0; i < block.size(); ++i)
            block[i] = static_cast<std::uint8_t>(0xA0 + i);
        const BlockBytes before = block;
        packSettings(s, block);
        for (std::size_t i = 23; i <= 42; ++i)
            EXPECT_EQ(block[i], before[i]) << "byte " << i;
        EXPECT_EQ(block[65], before[65]);
        EXPECT_EQ(block[66], before[66]);
    }
}

TEST(PackSettings, EveryValueOfEverySettingsByte_PacksBackToItself) {
    for (std::size_t i = 0; i < kSettingsBlockSize; ++i) {
        if (i >= 23 && i <= 42)
            continue;  // the curves are no setting's
        for (int value = 0; value <= 255; ++value) {
            BlockBytes block{};
            block[i] = static_cast<std::uint8_t>(value);
            ModelSettings s;
            unpackSettings(block, s);
            BlockBytes repacked{};
            packSettings(s, repacked);
            BlockBytes expected = block;
            expected[1] &= 0x3F;  // bits 6 and 7 of the reverse byte are always sent as 0
            ASSERT_EQ(repacked, expected) << "byte " << i << " value " << value;
        }
    }
}

TEST(StartingBlock, BeforeAnythingArrives_HoldsEndPointsOfHundredAndZeros) {
    const BlockBytes block = startingBlock();
    for (std::size_t i = 0; i < block.size(); ++i) {
        EXPECT_EQ(block[i], (i >= 11 && i <= 22) ? 100 : 0) << "byte " << i;
    }
    ModelSettings s;
    unpackSettings(block, s);
    EXPECT_EQ(s, startingSettings());
}

// A blank model of every type is one an editor could have made, and flies nothing by itself:
// no mix is on, and its curves run straight from 0 to 100.
TEST(BlankBlock, EveryType_IsInsideEveryEditorsRangeWithStraightCurvesAndNoMixOn) {
    for (int type = 0; type < 4; ++type) {
        SCOPED_TRACE(type);
        const BlockBytes b = blankBlock(type);
        EXPECT_TRUE(fieldsOutsideEditorRanges(b).empty());
        ModelSettings s;
        unpackSettings(b, s);
        EXPECT_EQ(s.modelType, type);
        EXPECT_EQ(s.endPointLeft, (std::array<int, 6>{100, 100, 100, 100, 100, 100}));
        EXPECT_EQ(s.dualRateOff, (std::array<int, 3>{100, 100, 100}));
        for (std::size_t mix = 0; mix < 3; ++mix)
            EXPECT_EQ(s.programMix[4 * mix + 3], 3) << "mix " << mix << " is not off";
        for (std::size_t curve : {block::kThrottleCurve, block::kPitchCurve}) {
            for (std::size_t i = 0; i < block::kCurveSize; ++i)
                EXPECT_EQ(b[curve + i], 25 * (i / 2)) << curve << "+" << i;
        }
        EXPECT_EQ(b[kChecksumSlot1], 0);
        EXPECT_EQ(b[kChecksumSlot2], 0);
    }
}

}  // namespace
}  // namespace pelorin
