// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The live display's picture, pixel by pixel, without a window; and its "line down" state in
// the main window and the Monitor.

#include <QImage>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <set>

#include "app/channeldisplay.h"
#include "app/channeltrace.h"
#include "app/monitorwindow.h"
#include "dialogkit/systemmenu.h"
#include "tests/app/apptest.h"

namespace pelorin {
namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr int kWidth = 237;  // the display at the main window's size
constexpr int kHeight = 108;
constexpr std::array<int, 6> kCentred{};

QImage render(const std::array<int, 6>& channels, int w = kWidth, int h = kHeight) {
    QImage image(w, h, QImage::Format_RGB32);
    renderChannelDisplay(image, channels);
    return image;
}

bool isBlack(const QImage& image, int x, int y) {
    return image.pixel(x, y) == kBlack;
}
bool isBackground(const QImage& image, int x, int y) {
    return image.pixel(x, y) == kDisplayBackground;
}

// The columns from `first` to `last` of row `y` are all black.
::testing::AssertionResult rowBlack(const QImage& image, int y, int first, int last) {
    for (int x = first; x <= last; ++x) {
        if (!isBlack(image, x, y)) {
            return ::testing::AssertionFailure()
                   << "column " << x << " of row " << y << " (width " << image.width() << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(LiveDisplay, DisplayAtWindowSize_HasCentre118AndScale4) {
    EXPECT_EQ(displayScaleDivisor(kWidth), 4);
    EXPECT_EQ(displayOffset(400, kWidth), 100);
    EXPECT_EQ(displayOffset(-3, kWidth), 0);  // truncates toward zero
    EXPECT_EQ(displayOffset(-7, kWidth), -1);
}

TEST(LiveDisplay, MarkerLines_At223_13_218_18_SpanEveryRow) {
    const QImage image = render(kCentred);
    for (int x : {223, 13, 218, 18}) {
        for (int y = 0; y < kHeight; ++y)
            ASSERT_TRUE(isBlack(image, x, y)) << x << "," << y;
    }
    // Their neighbours in a gap row between two boxes are background.
    for (int x : {12, 14, 17, 19, 217, 219, 222, 224})
        EXPECT_TRUE(isBackground(image, x, 16)) << x;
}

TEST(LiveDisplay, EachBox_Spans16RowsAndLeavesTwoBackgroundRowsBelow) {
    const QImage image = render(kCentred);
    const std::set<int> markers{223, 13, 218, 18};
    for (int i = 0; i < 6; ++i) {
        const int y = 18 * i;
        EXPECT_TRUE(rowBlack(image, y, 0, kWidth - 1));
        EXPECT_TRUE(rowBlack(image, y + 15, 0, kWidth - 1));
        for (int r = y; r <= y + 15; ++r) {
            EXPECT_TRUE(isBlack(image, 0, r));
            EXPECT_TRUE(isBlack(image, kWidth - 1, r));
        }
        // The centre line covers rows y .. y + 14 (and the box's bottom edge y + 15).
        for (int r = y; r <= y + 14; ++r)
            EXPECT_TRUE(isBlack(image, 118, r));
        for (int r : {y + 16, y + 17}) {
            for (int x = 0; x < kWidth; ++x) {
                EXPECT_EQ(isBackground(image, x, r), !markers.contains(x)) << x << "," << r;
            }
        }
    }
}

TEST(LiveDisplay, Value400_DrawsBarOverColumns118To217OnFifteenRows) {
    const QImage image = render({0, 400, 0, 0, 0, 0});
    const int y = 18;
    for (int k = 0; k <= 14; ++k)
        EXPECT_TRUE(rowBlack(image, y + k, 118, 217)) << k;
    // Column 218 is a marker; inside the box the bar does not reach 219, nor left of the centre.
    EXPECT_TRUE(isBackground(image, 219, y + 5));
    EXPECT_TRUE(isBackground(image, 117, y + 5));
}

TEST(LiveDisplay, BarLines_StopOnePixelShortOfTheirEnd) {
    // 8 units are 2 pixels: right of the centre columns 118..119, left of it 117..118.
    const QImage image = render({8, -8, 0, 0, 0, 0});
    EXPECT_TRUE(rowBlack(image, 5, 118, 119));
    EXPECT_TRUE(isBackground(image, 120, 5));
    EXPECT_TRUE(isBackground(image, 117, 5));
    EXPECT_TRUE(rowBlack(image, 18 + 5, 117, 118));
    EXPECT_TRUE(isBackground(image, 116, 18 + 5));
    EXPECT_TRUE(isBackground(image, 119, 18 + 5));
}

TEST(LiveDisplay, ZeroAndValuesBelowOnePixel_DrawNoBar) {
    // |value| < 4 is 0 pixels; 4 is one pixel, which is the centre line itself.
    EXPECT_EQ(render({0, 3, -3, 1, -1, 4}), render(kCentred));
    EXPECT_NE(render({0, 0, 0, 0, 0, 8}), render(kCentred));
}

TEST(LiveDisplay, ExtremeValues_ReachBothEdgesAtEveryWidthFrom6To1024) {
    for (int w = 6; w <= 1024; ++w) {
        const QImage image = render({-1512, 588, 0, 0, 0, 0}, w);
        const int c = w / 2;
        ASSERT_TRUE(rowBlack(image, 7, 0, c));
        ASSERT_TRUE(rowBlack(image, 18 + 7, c, w - 1));
    }
}

TEST(LiveDisplay, DisplaysWiderThan1024_ScaleUpWithoutDividingByZero) {
    for (int w : {1025, 1500, 2048, 4096}) {
        const QImage image = render({-1512, 588, 400, 0, 0, 0}, w);
        const int c = w / 2;
        EXPECT_TRUE(rowBlack(image, 7, 0, c)) << w;
        EXPECT_TRUE(rowBlack(image, 18 + 7, c, w - 1)) << w;
        // 400 units keep their share of the width: 400 * w / 1024 pixels.
        const int d = static_cast<int>(400LL * w / 1024);
        EXPECT_EQ(displayOffset(400, w), d);
        EXPECT_TRUE(rowBlack(image, 36 + 7, c, c + d - 1)) << w;
        EXPECT_TRUE(isBlack(image, c + d, 36 + 7)) << "inner marker at " << c + d;
        EXPECT_TRUE(isBackground(image, c + d + 1, 36 + 7)) << w;
    }
}

TEST(LiveDisplay, TinyAndShortImages_AreClippedWithoutHarm) {
    for (const QSize size : {QSize(1, 1), QSize(5, 3), QSize(237, 20), QSize(3000, 40)}) {
        const QImage image = render({-1512, 588, 400, -400, 1, -1}, size.width(), size.height());
        EXPECT_EQ(image.size(), size);
        EXPECT_TRUE(isBlack(image, 0, 0));  // the first box's corner
    }
    QImage empty;
    renderChannelDisplay(empty, kCentred);
    EXPECT_TRUE(empty.isNull());
}

// Drawing part of the display gives that part exactly as the whole drawing has it and leaves
// every other pixel alone, whatever the part: bar ends, the centre, edges, marker columns,
// areas reaching past the image.
TEST(LiveDisplay, PartOfTheDrawing_MatchesTheWholeThereAndTouchesNothingElse) {
    const std::array<int, 6> channels{-1512, 588, 400, -400, 3, -177};
    const QRect areas[] = {{0, 0, kWidth, kHeight}, {118, 0, 1, kHeight}, {17, 20, 90, 15},
                           {200, 36, 100, 40},      {-5, -5, 12, 12},     {0, 15, kWidth, 3},
                           {kWidth - 1, 90, 1, 18}, {14, 0, 3, kHeight}};
    const QImage whole = render(channels);
    constexpr QRgb kUntouched = qRgb(1, 2, 3);
    for (const QRect& area : areas) {
        QImage part(kWidth, kHeight, QImage::Format_RGB32);
        part.fill(kUntouched);
        renderChannelDisplay(part, channels, area);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const QRgb want = area.contains(x, y) ? whole.pixel(x, y) : kUntouched;
                ASSERT_EQ(part.pixel(x, y), want)
                    << x << "," << y << " in " << area.x() << "," << area.y() << " " << area.width()
                    << "x" << area.height();
            }
        }
    }
}

}  // namespace

namespace test {
namespace {

int countOf(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    }
    return count;
}

QImage shown(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// While the port is closed, the display and the Monitor are greyed under a line naming it; the
// next frame shows the bars again, and a Monitor opened meanwhile shows the same.
TEST_F(MainWindowTest, LineDown_PortLostThenAFrame_GreysBothWindowsUntilTheFrame) {
    runWindow([&](MainDialog& w) {
        ChannelDisplay* display = w.channelDisplay();
        QImage up(display->size(), QImage::Format_RGB32);
        renderChannelDisplay(up, kCentred);
        EXPECT_EQ(shown(display), up);

        fake->loseDevice("COM3 (/dev/fake3) has gone away.");
        EXPECT_EQ(display->lineDownText(), QStringLiteral("Waiting for COM3 (fake3)"));
        const QImage down = shown(display);
        EXPECT_EQ(countOf(down, kDisplayBackground), 0) << "not greyed";
        // The text: darker pixels than any the veil leaves in the rows between two boxes.
        const QRect text(0, 40, kWidth, 28);
        EXPECT_GT(countOf(down.copy(text), kBlack), 0) << "no text";
        w.systemCommand(kMonitorCommand);
        auto* monitor = w.findChild<MonitorWindow*>();
        ASSERT_NE(monitor, nullptr);
        EXPECT_EQ(monitor->lineDownText(), display->lineDownText());
        EXPECT_EQ(monitor->healthLabel(MonitorWindow::HealthRow::State)->text(),
                  display->lineDownText());
        EXPECT_FALSE(monitor->trace()->isEnabled());

        fake->deliver(liveFrameFor({400, 0, 0, 0, 0, 0}));
        EXPECT_TRUE(display->lineDownText().isEmpty());
        EXPECT_TRUE(monitor->lineDownText().isEmpty());
        EXPECT_TRUE(monitor->trace()->isEnabled());
        QImage expected(display->size(), QImage::Format_RGB32);
        renderChannelDisplay(expected, {400, 0, 0, 0, 0, 0});
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown(display) == expected; }));
        monitor->close();
    });
}

// A Write that is the first to find the device gone shows its failure once and awaits the
// same device, as a loss found while reading does.
TEST_F(MainWindowTest, LineDown_WriteFindsTheDeviceGone_AwaitsItWithOneMessage) {
    runWindow([&](MainDialog& w) {
        fake->failOperation("write", "COM3: the data could not be sent: Input/output error.");
        fake->failedWriteCloses = true;
        button(mainid::kWrite)->click();
        EXPECT_EQ(messages.messages,
                  QStringList{"COM3: the data could not be sent: Input/output error."});
        EXPECT_EQ(w.channelDisplay()->lineDownText(), QStringLiteral("Waiting for COM3 (fake3)"));
    });
}

TEST_F(MainWindowTest, LineDown_NoPortAtStartUp_SaysSo) {
    fake->openableDevices.clear();
    runWindow([&](MainDialog& w) {
        EXPECT_EQ(w.channelDisplay()->lineDownText(),
                  QStringLiteral("No port: waiting for a transmitter"));
        EXPECT_EQ(countOf(shown(w.channelDisplay()), kDisplayBackground), 0);
    });
}

}  // namespace
}  // namespace test
}  // namespace pelorin
