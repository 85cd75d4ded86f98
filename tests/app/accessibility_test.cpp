// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technologies see of the windows: a name for every control the keyboard
// reaches, a tab order that reads like the window, and the live drawings in words.

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/channeldisplay.h"
#include "app/maindialog.h"
#include "editors/curvedialogs.h"
#include "link/settingsblock.h"
#include "tests/app/apptest.h"
#include "tests/app/windowtour.h"
#include "tests/link/fakeserial.h"
#include "tests/support/modal.h"

namespace pelorin::test {
namespace {

constexpr int kTourWaitMs = 20000;  // generous: the machine may be busy

QString windowName(const QWidget* window) {
    return QString::fromLatin1(window->metaObject()->className()) + QStringLiteral(" \"") +
           window->windowTitle() + u'"';
}

// The controls Tab reaches in `window`, in the order Tab reaches them, starting anywhere.
QList<QWidget*> tabStops(QWidget* window) {
    QList<QWidget*> stops;
    QWidget* w = window;
    do {
        w = w->nextInFocusChain();
        const bool reachable = w != window && w->window() == window && w->isEnabled() &&
                               w->isVisibleTo(window) && (w->focusPolicy() & Qt::TabFocus) &&
                               w->focusProxy() == nullptr;
        if (reachable && !stops.contains(w))
            stops << w;
    } while (w != window);
    return stops;
}

// Whether `b` comes after `a` when the window is read line by line: a control whose middle lies
// within the other's height is on the same line and follows it when it lies further right.
bool readsAfter(const QWidget* a, const QWidget* b) {
    const QRect ra = a->geometry();
    const QRect rb = b->geometry();
    const bool sameLine = (rb.center().y() >= ra.top() && rb.center().y() <= ra.bottom()) ||
                          (ra.center().y() >= rb.top() && ra.center().y() <= rb.bottom());
    if (sameLine)
        return rb.left() > ra.left();
    return rb.top() > ra.top();
}

class AccessibilityTest : public MainWindowTest {
protected:
    // Runs the main window as a helicopter set-up, so every button shows, and visits every
    // window.
    void tour(const WindowVisit& visit) {
        window->setSaveChooser([](QWidget*, const QString&) { return QString(); });
        window->setOpenChooser([](QWidget*, const QString&) { return QString(); });
        // With a history, the window menu's History… opens its window too.
        QTemporaryDir historyDir;
        window->setHistoryFile(historyDir.filePath(QStringLiteral("history.jsonl")));
        window->session().settings.modelType = 1;
        window->session().blockBytes[block::kModelAndStick] = 0x01;
        window->updateCurveButtons();
        int visited = 0;
        whenModalOpens<MainDialog>(
            [&](MainDialog* main) {
                tourWindows(*main, [&](QWidget* w) {
                    ++visited;
                    visit(w);
                });
                main->reject();
            },
            kTourWaitMs);
        window->run();
        EXPECT_GT(visited, 15) << "the tour saw hardly any window";
    }
};

TEST_F(AccessibilityTest, EveryWindow_EveryControlTheKeyboardReaches_HasAnAccessibleName) {
    QStringList nameless;
    tour([&](QWidget* w) {
        for (QWidget* control : tabStops(w)) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
            if (a == nullptr || a->text(QAccessible::Name).trimmed().isEmpty()) {
                nameless << windowName(w) + QStringLiteral(": ") +
                                control->metaObject()->className() + u' ' + control->objectName();
            }
        }
    });
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join(u'\n').toStdString();
}

// Tab goes round a window in reading order: going once round, it steps back only once, from the
// last control to the first (which one has the focus first does not change the round).
TEST_F(AccessibilityTest, EveryWindow_TabGoesRoundInReadingOrder) {
    QStringList misordered;
    tour([&](QWidget* w) {
        const QList<QWidget*> stops = tabStops(w);
        QStringList backSteps;
        for (qsizetype i = 0; i < stops.size() && stops.size() > 2; ++i) {
            const QWidget* from = stops[i];
            const QWidget* to = stops[(i + 1) % stops.size()];
            if (!readsAfter(from, to))
                backSteps << from->objectName() + QStringLiteral(" -> ") + to->objectName();
        }
        if (backSteps.size() > 1)
            misordered << windowName(w) + QStringLiteral(": ") +
                              backSteps.join(QStringLiteral(", "));
    });
    EXPECT_TRUE(misordered.isEmpty()) << misordered.join(u'\n').toStdString();
}

QString descriptionOf(QWidget* widget) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
    return a == nullptr ? QString() : a->text(QAccessible::Description);
}

TEST_F(AccessibilityTest, LiveDisplay_DescribesTheLatestChannelValues) {
    runWindow([&](MainDialog& w) {
        fake->deliver(liveFrameFor({-321, 0, 0, 0, 0, 287}));
        const QString first = descriptionOf(w.channelDisplay());

        EXPECT_TRUE(first.contains(QStringLiteral("-321"))) << first.toStdString();
        EXPECT_TRUE(first.contains(QStringLiteral("287"))) << first.toStdString();
        fake->deliver(liveFrameFor({45, 0, 0, 0, 0, 0}));
        const QString second = descriptionOf(w.channelDisplay());
        EXPECT_TRUE(second.contains(QStringLiteral("45"))) << second.toStdString();
        EXPECT_FALSE(second.contains(QStringLiteral("-321"))) << second.toStdString();
    });
}

TEST_F(AccessibilityTest, CurveGraph_DescribesTheTypedPointsAndTheMarker) {
    runWindow([&](MainDialog& w) {
        w.session().blockBytes[block::kModelAndStick] = 0x01;
        w.updateCurveButtons();
        fake->deliver(liveFrameFor({}, 777));
        clickThrough<ThrottleCurveDialog>(mainid::kThrottleCurve, [](ThrottleCurveDialog* d) {
            setFieldText(d, CurveDialog::kIdFirstPoint + 2, QStringLiteral("63"));
            EXPECT_TRUE(QTest::qWaitFor([&] { return d->shownPoints()[2] == 63; }, kTourWaitMs));
            const QString text = descriptionOf(d->graph());
            EXPECT_TRUE(text.contains(QStringLiteral("63"))) << text.toStdString();
            EXPECT_TRUE(text.contains(QStringLiteral("777"))) << text.toStdString();
            d->reject();
        });
    });
}

}  // namespace
}  // namespace pelorin::test
