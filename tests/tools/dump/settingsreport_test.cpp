// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The field report behind pelorin-dump: value names, the block's coverage, and comparison.

#include "tools/dump/settingsreport.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace pelorin::dump {
namespace {

const ReportField* find(const SettingsReport& report, const std::string& name) {
    for (const ReportField& field : report) {
        if (field.name == name)
            return &field;
    }
    return nullptr;
}

std::string valueOf(const SettingsReport& report, const std::string& name) {
    const ReportField* field = find(report, name);
    return field ? field->value : "<missing " + name + ">";
}

struct NameCase {
    const char* field;
    int value;  // as the field holds it
    const char* text;
};

class ValueNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(ValueNames, EachCode_HasItsListEntryOrUnknownWithTheRawValue) {
    const NameCase& c = GetParam();
    const BlockField* field = findBlockField(c.field);
    ASSERT_NE(field, nullptr) << c.field;
    BlockBytes block{};
    setFieldValue(*field, block, c.value);
    EXPECT_EQ(valueOf(makeSettingsReport(block, {}), c.field), c.text);
}

INSTANTIATE_TEST_SUITE_P(ModelType, ValueNames,
                         ::testing::Values(NameCase{"model type", 0, "ACRO"},
                                           NameCase{"model type", 1, "HELI-120"},
                                           NameCase{"model type", 2, "HELI-90"},
                                           NameCase{"model type", 3, "HELI-140"},
                                           NameCase{"model type", 4, "unknown (4)"},
                                           NameCase{"model type", 15, "unknown (15)"}));
INSTANTIATE_TEST_SUITE_P(StickMode, ValueNames,
                         ::testing::Values(NameCase{"stick mode", 0, "MODEL1"},
                                           NameCase{"stick mode", 1, "MODEL2"},
                                           NameCase{"stick mode", 2, "MODEL3"},
                                           NameCase{"stick mode", 3, "MODEL4"},
                                           NameCase{"stick mode", 4, "unknown (0x40)"},
                                           NameCase{"stick mode", 15, "unknown (0xF0)"}));
INSTANTIATE_TEST_SUITE_P(MixSource, ValueNames,
                         ::testing::Values(NameCase{"MIX 1 source", 0, "CH1"},
                                           NameCase{"MIX 1 source", 5, "CH6"},
                                           NameCase{"MIX 1 source", 6, "VR A"},
                                           NameCase{"MIX 1 source", 7, "VR B"},
                                           NameCase{"MIX 1 source", 8, "unknown (8)"},
                                           NameCase{"MIX 1 source", 15, "unknown (15)"}));
INSTANTIATE_TEST_SUITE_P(MixDestination, ValueNames,
                         ::testing::Values(NameCase{"MIX 1 destination", 0, "CH1"},
                                           NameCase{"MIX 1 destination", 5, "CH6"},
                                           NameCase{"MIX 1 destination", 6, "unknown (6)"},
                                           NameCase{"MIX 1 destination", 15, "unknown (15)"}));
INSTANTIATE_TEST_SUITE_P(MixSwitch, ValueNames,
                         ::testing::Values(NameCase{"MIX 1 switch", 0, "SW A"},
                                           NameCase{"MIX 1 switch", 1, "SW B"},
                                           NameCase{"MIX 1 switch", 2, "ON"},
                                           NameCase{"MIX 1 switch", 3, "OFF"},
                                           NameCase{"MIX 1 switch", 4, "unknown (4)"},
                                           NameCase{"MIX 1 switch", -1, "unknown (-1)"}));
INSTANTIATE_TEST_SUITE_P(SwitchFunction, ValueNames,
                         ::testing::Values(NameCase{"switch A function", 0, "NULL"},
                                           NameCase{"switch A function", 1, "DR"},
                                           NameCase{"switch A function", 2, "ThroCut"},
                                           NameCase{"switch A function", 3, "NOR/ID"},
                                           NameCase{"switch A function", 4, "unknown (4)"},
                                           NameCase{"switch A function", -128, "unknown (-128)"}));
INSTANTIATE_TEST_SUITE_P(VrFunction, ValueNames,
                         ::testing::Values(NameCase{"VR A function", 0, "NULL"},
                                           NameCase{"VR A function", 1, "Pith Adjust"},
                                           NameCase{"VR A function", 2, "unknown (2)"},
                                           NameCase{"VR A function", -1, "unknown (-1)"}));

TEST(SettingsReport, CompleteReport_HasEveryFieldOnceUnderItsOwnName) {
    const SettingsReport report =
        makeSettingsReport(BlockBytes{}, {.alwaysListSpareReverseBits = true});
    std::set<std::string> names;
    for (const ReportField& field : report)
        names.insert(field.name);
    EXPECT_EQ(names.size(), report.size());
    // 2 model + 12 end points + 6 reverse + spare bits + 6 sub trims + 6 dual rates
    // + 3 swash AFR + 20 curve points + 15 mix fields + 4 functions + 2 checksum slots.
    EXPECT_EQ(report.size(), 77u);
}

// Every bit of the 67 bytes shows in exactly one field: a wrong offset, a byte left out or
// two fields reading the same byte all break this.
TEST(SettingsReport, AnySingleBitFlip_ChangesExactlyOneField) {
    const BlockBytes base = startingBlock();
    const ReportOptions complete{.alwaysListSpareReverseBits = true};
    const SettingsReport baseReport = makeSettingsReport(base, complete);
    std::set<std::string> touched;
    for (std::size_t byte = 0; byte < kBlockBytesSize; ++byte) {
        for (unsigned bit = 0; bit < 8; ++bit) {
            BlockBytes flipped = base;
            flipped[byte] = static_cast<std::uint8_t>(flipped[byte] ^ (1u << bit));
            const auto differences =
                compareReports(baseReport, makeSettingsReport(flipped, complete));
            ASSERT_EQ(differences.size(), 1u) << "byte " << byte << " bit " << bit;
            touched.insert(differences.front().name);
        }
    }
    EXPECT_EQ(touched.size(), baseReport.size()) << "some field shows no byte at all";
}

TEST(SettingsReport, SpareReverseBits_ListedOnlyWhenSetUnlessCompleteReportAsked) {
    BlockBytes b{};
    EXPECT_EQ(find(makeSettingsReport(b), "reverse spare bits 6-7"), nullptr);
    EXPECT_EQ(valueOf(makeSettingsReport(b, {.alwaysListSpareReverseBits = true}),
                      "reverse spare bits 6-7"),
              "0x00");
    b[block::kReverse] = 0xFF;
    const SettingsReport report = makeSettingsReport(b);
    EXPECT_EQ(valueOf(report, "reverse spare bits 6-7"), "0xC0");
    EXPECT_EQ(valueOf(report, "reverse CH1"), "REV");
    EXPECT_EQ(valueOf(report, "reverse CH6"), "REV");
}

TEST(SettingsReport, CurveBytes_AlternateNorAndIdPointByPoint) {
    BlockBytes b{};
    const std::uint8_t throttle[] = {0, 100, 25, 90, 50, 80, 75, 70, 100, 60};
    std::copy(std::begin(throttle), std::end(throttle), b.begin() + block::kThrottleCurve);
    b[block::kPitchCurve] = 0xEC;      // pitch NOR EP0
    b[block::kPitchCurve + 9] = 0x80;  // pitch ID EP4
    const SettingsReport report = makeSettingsReport(b);
    const char* nor[] = {"0", "25", "50", "75", "100"};
    const char* id[] = {"100", "90", "80", "70", "60"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(valueOf(report, "throttle curve NOR EP" + std::to_string(i)), nor[i]);
        EXPECT_EQ(valueOf(report, "throttle curve ID EP" + std::to_string(i)), id[i]);
    }
    EXPECT_EQ(valueOf(report, "pitch curve NOR EP0"), "-20");
    EXPECT_EQ(valueOf(report, "pitch curve ID EP4"), "-128");
}

TEST(SettingsReport, MixRoute_SplitsIntoSourceHighNibbleAndDestinationLowNibble) {
    BlockBytes b{};
    const std::uint8_t mix1[] = {0x52, 0x32, 0xCE, 0x02};
    std::copy(std::begin(mix1), std::end(mix1), b.begin() + block::kProgramMix);
    b[block::kProgramMix + 8] = 0xFF;   // MIX 3 route
    b[block::kProgramMix + 11] = 0xFF;  // MIX 3 switch
    const SettingsReport report = makeSettingsReport(b);
    EXPECT_EQ(valueOf(report, "MIX 1 source"), "CH6");
    EXPECT_EQ(valueOf(report, "MIX 1 destination"), "CH3");
    EXPECT_EQ(valueOf(report, "MIX 1 up rate"), "50");
    EXPECT_EQ(valueOf(report, "MIX 1 down rate"), "-50");
    EXPECT_EQ(valueOf(report, "MIX 1 switch"), "ON");
    EXPECT_EQ(valueOf(report, "MIX 3 source"), "unknown (15)");
    EXPECT_EQ(valueOf(report, "MIX 3 destination"), "unknown (15)");
    EXPECT_EQ(valueOf(report, "MIX 3 switch"), "unknown (-1)");
}

TEST(SettingsReport, ModelByte_SplitsIntoTypeLowNibbleAndStickModeHighNibble) {
    BlockBytes b{};
    b[block::kModelAndStick] = 0x27;
    const SettingsReport report = makeSettingsReport(b);
    EXPECT_EQ(valueOf(report, "model type"), "unknown (7)");
    EXPECT_EQ(valueOf(report, "stick mode"), "MODEL3");
}

TEST(CompareReports, IdenticalReports_HaveNoDifferences) {
    const SettingsReport report = makeSettingsReport(startingBlock());
    EXPECT_TRUE(compareReports(report, report).empty());
}

TEST(CompareReports, ChangedValues_ListedInReportOrderWithBothValues) {
    BlockBytes b = startingBlock();
    b[block::kSubTrim + 5] = 0xFB;
    b[block::kModelAndStick] = 0x03;
    const auto differences =
        compareReports(makeSettingsReport(startingBlock()), makeSettingsReport(b));
    ASSERT_EQ(differences.size(), 2u);
    EXPECT_EQ(differences[0].name, "model type");
    EXPECT_EQ(differences[0].first, "ACRO");
    EXPECT_EQ(differences[0].second, "HELI-140");
    EXPECT_EQ(differences[1].name, "sub trim CH6");
    EXPECT_EQ(differences[1].first, "0");
    EXPECT_EQ(differences[1].second, "-5");
}

TEST(CompareReports, FieldOnOneSideOnly_ShowsDashForTheMissingValue) {
    BlockBytes withSpare = startingBlock();
    withSpare[block::kReverse] = 0x40;
    const auto forward =
        compareReports(makeSettingsReport(startingBlock()), makeSettingsReport(withSpare));
    ASSERT_EQ(forward.size(), 1u);
    EXPECT_EQ(forward[0].first, "-");
    EXPECT_EQ(forward[0].second, "0x40");
    const auto backward =
        compareReports(makeSettingsReport(withSpare), makeSettingsReport(startingBlock()));
    ASSERT_EQ(backward.size(), 1u);
    EXPECT_EQ(backward[0].first, "0x40");
    EXPECT_EQ(backward[0].second, "-");
}

}  // namespace
}  // namespace pelorin::dump
