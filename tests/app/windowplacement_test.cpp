// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows beside the main window open beside it, never over it at the screen's corner,
// and where the user left them when that place is still on a screen.

#include <QMap>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "app/modelswindow.h"
#include "app/windowplacement.h"
#include "dialogkit/systemmenu.h"
#include "tests/app/apptest.h"

namespace pelorin::test {
namespace {

TEST(BesidePosition, RightOfTheMainWindowElseLeftElseCentredInsideTheScreen) {
    const QRect screen(0, 0, 1920, 1080);
    const QSize size(640, 440);
    struct Case {
        const char* name;
        QRect main;
        QPoint expected;
    };
    const Case cases[] = {
        {"room on the right", {100, 100, 488, 552}, {100 + 488 + 12, 100}},
        {"room on the left only", {1300, 200, 488, 552}, {1300 - 12 - 640, 200}},
        {"low on the screen: moved up to fit", {100, 900, 488, 552}, {600, 1080 - 440}},
        {"no room either side: centred", {400, 300, 1200, 500}, {999 - 320, 549 - 220}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(besidePosition(c.main, size, screen), c.expected) << c.name;
        const QRect placed(besidePosition(c.main, size, screen), size);
        EXPECT_TRUE(screen.contains(placed)) << c.name;
    }
    // A screen smaller than the window: its top-left corner, never off it.
    EXPECT_EQ(besidePosition({0, 0, 300, 300}, size, {0, 0, 500, 400}), QPoint(0, 0));
}

TEST_F(MainWindowTest, ModelsWindow_OpensBesideTheMainWindowThenWhereTheUserLeftIt) {
    QMap<QString, QByteArray> kept;
    PlacementMemory memory;
    memory.recall = [&](const QString& key) { return kept.value(key); };
    memory.remember = [&](const QString& key, const QByteArray& g) { kept[key] = g; };
    window->setPlacementMemory(memory);
    runWindow([&](MainDialog& w) {
        w.move(40, 40);
        w.systemCommand(kModelsCommand);
        auto* models = w.findChild<ModelsWindow*>();
        ASSERT_NE(models, nullptr);
        // Beside the main window, or centred on it where the screen has no room beside it;
        // not at the screen's corner where the window system would put it.
        EXPECT_EQ(models->pos(), besidePosition(w.frameGeometry(), models->frameGeometry().size(),
                                                w.screen()->availableGeometry()));
        EXPECT_NE(models->pos(), w.screen()->availableGeometry().topLeft());
        // Moved by the user, closed: remembered, and the next program's window opens there.
        models->move(models->x() + 30, models->y() + 20);
        const QPoint left = models->pos();
        models->close();
        ASSERT_TRUE(kept.contains(QStringLiteral("models")));
        QWidget fresh;
        placeBeside(&fresh, &w, QStringLiteral("models"), memory);
        fresh.show();
        EXPECT_EQ(fresh.pos(), left);
    });
}

}  // namespace
}  // namespace pelorin::test
