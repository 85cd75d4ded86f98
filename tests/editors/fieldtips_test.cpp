// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the form editors' tooltips promise: every range that OK checks is the one the field's
// tooltip names, and each box says what it means.

#include <QCheckBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "editors/channeleditors.h"
#include "editors/selectdialogs.h"
#include "tests/editors/fieldtips.h"
#include "tests/editors/formeditortesting.h"

namespace pelorin::formeditors {
namespace {

using pelorin::test::expectTooltipsNameCheckedRanges;

struct FormCase {
    const char* name;
    std::function<std::unique_ptr<TemplateDialog>(ModelSettings&)> make;
};

void PrintTo(const FormCase& c, std::ostream* os) {
    *os << c.name;
}

class FieldTips : public ::testing::TestWithParam<FormCase> {};

TEST_P(FieldTips, EveryCheckedField_NamesInItsTooltipTheRangeOkRefusesBeyond) {
    ModelSettings settings = startingSettings();
    std::unique_ptr<TemplateDialog> dialog = GetParam().make(settings);
    expectTooltipsNameCheckedRanges(*dialog);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FieldTips,
    ::testing::Values(
        FormCase{"EndPoint", [](ModelSettings& s) { return std::make_unique<EndPointDialog>(s); }},
        FormCase{"SubTrim", [](ModelSettings& s) { return std::make_unique<SubTrimDialog>(s); }},
        FormCase{"DR", [](ModelSettings& s) { return std::make_unique<DualRateDialog>(s); }},
        FormCase{"SwashAfr", [](ModelSettings& s) { return std::make_unique<SwashAfrDialog>(s); }}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(FieldMeaning, EndPointFields_SayLeftOrRight) {
    ModelSettings settings = startingSettings();
    EndPointDialog dialog(settings);
    EXPECT_TRUE(dialog.control(1011)->toolTip().startsWith("CH1 left end point"));
    EXPECT_TRUE(dialog.control(1015)->toolTip().startsWith("CH1 right end point"));
    EXPECT_TRUE(dialog.control(1029)->toolTip().startsWith("CH6 right end point"));
}

TEST(FieldMeaning, ReverseBoxes_SayATickReversesTheirChannel) {
    ModelSettings settings = startingSettings();
    ReverseDialog dialog(settings);
    for (int ch = 1; ch <= 6; ++ch) {
        QWidget* box = dialog.control(1011 + ch);
        EXPECT_TRUE(box->toolTip().startsWith(QStringLiteral("Ticked: CH%1 is reversed").arg(ch)))
            << box->toolTip().toStdString();
    }
}

TEST(FieldMeaning, SwashFields_NameAileronElevatorAndPitch) {
    ModelSettings settings = startingSettings();
    SwashAfrDialog dialog(settings);
    EXPECT_TRUE(dialog.control(1016)->toolTip().startsWith("CH1, aileron"));
    EXPECT_TRUE(dialog.control(1017)->toolTip().startsWith("CH2, elevator"));
    EXPECT_TRUE(dialog.control(1018)->toolTip().startsWith("CH6, pitch"));
}

TEST(FieldMeaning, SwitchAndVrLists_NameTheirSwitchOrKnob) {
    int function = 0;
    SwitchSelectDialog switchB(function);
    switchB.nameSwitch(u'B');
    EXPECT_TRUE(switchB.control(1015)->toolTip().contains("switch B"));
    VrSelectDialog vrA(function);
    vrA.nameKnob(u'A');
    EXPECT_TRUE(vrA.control(1015)->toolTip().contains("VR(A)"));
}

}  // namespace
}  // namespace pelorin::formeditors
