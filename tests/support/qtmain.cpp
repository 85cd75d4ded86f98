// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// main() for test programs that need a QApplication. Test discovery runs the binary outside
// the test environment, so the offscreen platform is chosen here when nothing else is set.
// No test leaves a modal window open behind it (see tests/support/modal.h).
#include <QApplication>

#include <gtest/gtest.h>

#include "tests/support/modal.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    pelorin::test::installModalWindowGuard();
    return RUN_ALL_TESTS();
}
