// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The curve and mix editors' tooltips: every range that OK checks is named in its field's
// tooltip, and the MODEL box says which curve it picks.

#include <gtest/gtest.h>

#include "editors/curvedialogs.h"
#include "editors/programmixdialog.h"
#include "link/settingsblock.h"
#include "tests/editors/fieldtips.h"

namespace pelorin::test {
namespace {

TEST(CurveAndMixTips, EveryCheckedField_NamesInItsTooltipTheRangeOkRefusesBeyond) {
    ThrottleCurveDialog throttle([] { return 0; });
    expectTooltipsNameCheckedRanges(throttle);
    PitchCurveDialog pitch([] { return 0; });
    expectTooltipsNameCheckedRanges(pitch);
    ProgramMix mixes{};
    ProgramMixDialog mix(mixes);
    expectTooltipsNameCheckedRanges(mix);
}

TEST(CurveAndMixTips, ModelBox_SaysItPicksTheNormalOrIdleUpCurve) {
    ThrottleCurveDialog throttle([] { return 0; });
    const QString tip = throttle.control(CurveDialog::kIdModelBox)->toolTip();
    EXPECT_TRUE(tip.contains("normal curve") && tip.contains("idle-up curve")) << tip.toStdString();
}

}  // namespace
}  // namespace pelorin::test
