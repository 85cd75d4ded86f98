// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The modal helper itself: a window the test's action leaves open ends its run, and the test
// learns which window it was.

#include <QDialog>

#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "tests/support/modal.h"

namespace pelorin::test {
namespace {

struct LeftOpenCase {
    const char* name;
    LeftOpen leftOpen;
    bool checkFailsInside;
    int failures;  // the check's own, and the helper's naming the window
};

TEST(ModalHelper, WindowLeftOpenByTheAction_IsCancelledAndNamedUnlessLeftToTheHelper) {
    const LeftOpenCase cases[] = {
        {"meant to close it", LeftOpen::Fail, false, 1},
        {"meant to close it, a check failed", LeftOpen::Fail, true, 2},
        {"left to the helper", LeftOpen::Cancel, false, 0},
    };
    for (const LeftOpenCase& c : cases) {
        QDialog dialog;
        dialog.setWindowTitle(QStringLiteral("Probe"));
        ::testing::TestPartResultArray failures;
        int result = -1;
        {
            ::testing::ScopedFakeTestPartResultReporter capture(
                ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD,
                &failures);
            whenModalOpens<QDialog>(
                [&](QDialog*) {
                    if (c.checkFailsInside)
                        ADD_FAILURE() << "a check inside the dialog";
                },
                kModalWaitMs, c.leftOpen);
            result = dialog.exec();
        }
        EXPECT_EQ(result, QDialog::Rejected) << c.name;
        EXPECT_FALSE(dialog.isVisible()) << c.name;
        ASSERT_EQ(failures.size(), c.failures) << c.name;
        if (c.failures > 0) {
            EXPECT_THAT(failures.GetTestPartResult(c.failures - 1).message(),
                        ::testing::HasSubstr("QDialog \"Probe\""))
                << c.name;
        }
    }
}

}  // namespace
}  // namespace pelorin::test
