// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt platform settings made before the application object: set when the user chose
// nothing, and the user's own choice (even an empty one) kept.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include <optional>

#include "platform/guiplatform.h"

namespace pelorin {
namespace {

struct Case {
    const char* variable;
    void (*choose)();
    std::optional<QByteArray> before;
    QByteArray after;
};

TEST(GuiPlatform, SetsOnlyWhatTheUserLeftUnset) {
    const Case cases[] = {
        {"QT_QPA_PLATFORM", chooseHeadlessGuiPlatform, std::nullopt, "offscreen"},
        {"QT_QPA_PLATFORM", chooseHeadlessGuiPlatform, QByteArray("xcb"), "xcb"},
        {"QT_XCB_NO_MITSHM", tuneWindowingPlatform, std::nullopt, "1"},
        {"QT_XCB_NO_MITSHM", tuneWindowingPlatform, QByteArray("0"), "0"},
        {"QT_XCB_NO_MITSHM", tuneWindowingPlatform, QByteArray(""), ""},
    };
    for (const Case& c : cases) {
        if (c.before)
            qputenv(c.variable, *c.before);
        else
            qunsetenv(c.variable);
        c.choose();
        EXPECT_TRUE(qEnvironmentVariableIsSet(c.variable)) << c.variable;
        EXPECT_EQ(qgetenv(c.variable), c.after)
            << c.variable << " was " << (c.before ? c.before->constData() : "unset");
    }
}

}  // namespace
}  // namespace pelorin
