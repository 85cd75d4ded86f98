// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A line that keeps failing: one message per burst of serial errors, never two boxes at once.

#include <QCoreApplication>
#include <QMessageBox>

#include <string>

#include "tests/app/apptest.h"

namespace pelorin::test {
namespace {

std::string lineError(int n) {
    return "COM3: framing error " + std::to_string(n) + ".";
}

using SerialErrorTest = MainWindowTest;

TEST_F(SerialErrorTest, TwentyErrorsInABurst_OneMessageCountingTheRest) {
    runWindow([&](MainDialog&) {
        for (int i = 1; i <= 20; ++i)
            fake->raiseError(lineError(i));
        QCoreApplication::processEvents();
        ASSERT_EQ(messages.messages.size(), 1);
        const QString shown = messages.messages.first();
        EXPECT_TRUE(shown.startsWith(QString::fromStdString(lineError(1)))) << shown.toStdString();
        // The other nineteen are counted after it, not listed.
        EXPECT_TRUE(shown.mid(lineError(1).size()).contains(QStringLiteral("19")))
            << shown.toStdString();
        EXPECT_FALSE(shown.contains(QString::fromStdString(lineError(2))));

        // Once that message is closed, the next error is news again.
        fake->raiseError(lineError(21));
        QCoreApplication::processEvents();
        ASSERT_EQ(messages.messages.size(), 2);
        EXPECT_EQ(messages.messages.last(), QString::fromStdString(lineError(21)));
    });
}

TEST_F(SerialErrorTest, ErrorsWhileTheBoxIsUp_AreCountedInItInsteadOfASecondBox) {
    const MessageHook recorder = setMessageHook({});  // the real box, for this test
    int boxes = 0;
    whenModalOpens<QMessageBox>([&](QMessageBox* box) {
        ++boxes;
        EXPECT_EQ(box->text(), QString::fromStdString(lineError(1)));
        for (int i = 2; i <= 4; ++i)
            fake->raiseError(lineError(i));
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activeModalWidget(), box) << "a second box opened";
        EXPECT_TRUE(box->text().startsWith(QString::fromStdString(lineError(1))));
        EXPECT_TRUE(box->text().mid(lineError(1).size()).contains(QStringLiteral("3")))
            << box->text().toStdString();
        box->accept();
    });
    runWindow([&](MainDialog&) {
        fake->raiseError(lineError(1));
        QCoreApplication::processEvents();
        // The box ran its loop here and is closed again.
        EXPECT_EQ(boxes, 1);
    });
    setMessageHook(recorder);
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(SerialErrorTest, LineComingBackWhileTheBoxIsUp_ClosesTheBox) {
    const MessageHook recorder = setMessageHook({});  // the real box, for this test
    bool closedByFrames = false;
    whenModalOpens<QMessageBox>([&](QMessageBox* box) {
        // Live frames arrive again.
        for (int i = 0; i < 3 && box->isVisible(); ++i) {
            fake->deliver(liveFrameFor({1, 2, 3, 4, 5, 6}));
            QCoreApplication::processEvents();
        }
        closedByFrames = !box->isVisible();
        if (box->isVisible())
            box->accept();
    });
    runWindow([&](MainDialog&) {
        fake->loseDevice(lineError(1));  // the line is down, and the box says why
        QCoreApplication::processEvents();
    });
    setMessageHook(recorder);
    EXPECT_TRUE(closedByFrames);
}

}  // namespace
}  // namespace pelorin::test
