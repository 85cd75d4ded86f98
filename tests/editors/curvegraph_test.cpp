// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The curve graph's pixels: where the points land, which pixels a segment leaves out, the
// marker column, and what happens to values off the graph.

#include <QImage>

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "editors/curvegraph.h"

namespace pelorin {
namespace {

constexpr bool kThrottle = true;  // negative values drawn on the bottom row
constexpr bool kPitch = false;    // negative values drawn as they are

QImage frame(int w, int h, const CurveValues& points, int liveAux, bool clamp) {
    QImage image(w, h, QImage::Format_RGB32);
    renderCurveGraph(image, points, liveAux, clamp);
    return image;
}

bool isPen(const QImage& image, int x, int y) {
    return image.pixel(x, y) == kCurveGraphPen;
}

std::vector<int> penRowsInColumn(const QImage& image, int x) {
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (isPen(image, x, y))
            rows.push_back(y);
    return rows;
}

int penPixelCount(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += isPen(image, x, y) ? 1 : 0;
    return count;
}

// A liveAux that puts the marker well beyond the right edge of graphs up to 1024 wide.
constexpr int kMarkerOffGraph = 1 << 20;

struct RowCase {
    int height;
    int value;
    std::int64_t row;
};

class CurvePointRowTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(CurvePointRowTest, SinglePrecisionScale_DecidesTheRow) {
    const RowCase c = GetParam();
    EXPECT_EQ(curvePointRow(c.height, c.value), c.row);
}

INSTANTIATE_TEST_SUITE_P(
    Heights, CurvePointRowTest,
    ::testing::Values(RowCase{120, 50, 58},    // s = 1.2000000477: 58.99999 truncates to 58
                      RowCase{120, 100, -1},   // just above the top edge
                      RowCase{130, 100, 0},    // s = 1.2999999523: -0.99999 truncates to 0
                      RowCase{140, 0, 139},    // zero is the bottom row
                      RowCase{140, -20, 166},  // below the bottom edge (166.9999995)
                      RowCase{140, INT_MAX, -3006476915LL}),
    [](const ::testing::TestParamInfo<RowCase>& param) {
        const int v = param.param.value;
        return "Height" + std::to_string(param.param.height) + (v < 0 ? "_Minus" : "_Value") +
               std::to_string(v < 0 ? -static_cast<long long>(v) : v);
    });

TEST(CurveGraphTest, AllPointsZero_DrawsBottomRowFromColumnOneAndMarkerAtLeftEdge) {
    const QImage image = frame(105, 140, {0, 0, 0, 0, 0}, 0, kThrottle);
    for (int x = 1; x <= 104; ++x)
        EXPECT_TRUE(isPen(image, x, 139)) << "x=" << x;
    // The marker for liveAux 0 is column 0 over the full height.
    EXPECT_EQ(penRowsInColumn(image, 0).size(), 140u);
    EXPECT_EQ(penPixelCount(image), 104 + 140);
    EXPECT_EQ(image.pixel(50, 50), kCurveGraphBackground);
}

TEST(CurveGraphTest, PolylineEnd_LastPixelLeftOut) {
    // w = 106: the last point, x = 4 * 26 + 1 = 105, lies inside the image yet stays unlit.
    const QImage image = frame(106, 100, {0, 0, 0, 0, 0}, kMarkerOffGraph, kThrottle);
    EXPECT_TRUE(isPen(image, 104, 99));
    EXPECT_FALSE(isPen(image, 105, 99));
    EXPECT_FALSE(isPen(image, 0, 99));
}

TEST(CurveGraphTest, HalfwayOnHeight120_LandsOnRow58) {
    const QImage image = frame(120, 120, {50, 50, 50, 50, 50}, kMarkerOffGraph, kPitch);
    EXPECT_EQ(penRowsInColumn(image, 60), std::vector<int>{58});
}

TEST(CurveGraphTest, FullScale_Height120IsClippedAndHeight130IsTopRow) {
    const CurveValues top{100, 100, 100, 100, 100};
    EXPECT_EQ(penPixelCount(frame(120, 120, top, kMarkerOffGraph, kPitch)), 0);
    const QImage tall = frame(120, 130, top, kMarkerOffGraph, kPitch);
    EXPECT_EQ(penRowsInColumn(tall, 60), std::vector<int>{0});
}

TEST(CurveGraphTest, SteepSegment_OnePixelPerRowWithoutEndPixel) {
    // EP0 = 0 to EP1 = 100 on a 100 x 100 graph: (1, 99) to (26, -1) is steeper than 45
    // degrees, so every row from 99 up to 0 has exactly one pixel of that segment.
    const QImage image = frame(100, 100, {0, 100, 100, 100, 100}, kMarkerOffGraph, kPitch);
    EXPECT_TRUE(isPen(image, 1, 99));
    for (int y = 0; y < 100; ++y) {
        int inRow = 0;
        for (int x = 0; x <= 26; ++x)
            inRow += isPen(image, x, y) ? 1 : 0;
        EXPECT_EQ(inRow, 1) << "y=" << y;
    }
}

TEST(CurveGraphTest, MarkerOnWidth140_FollowsLiveAuxDividedBySeven) {
    EXPECT_EQ(curveMarkerColumn(140, 700), 100);
    EXPECT_EQ(curveMarkerColumn(140, 1023), 146);
    const QImage at700 = frame(140, 140, {50, 50, 50, 50, 50}, 700, kThrottle);
    EXPECT_EQ(penRowsInColumn(at700, 100).size(), 140u);
    // 1023 / 7 = 146 lies outside: only the polyline is left.
    const QImage at1023 = frame(140, 140, {50, 50, 50, 50, 50}, 1023, kThrottle);
    EXPECT_EQ(penPixelCount(at1023), 140 - 1);
}

TEST(CurveGraphTest, NegativePoint_ThrottleOnBottomRowPitchClipped) {
    const CurveValues points{-20, 0, 0, 0, 0};
    const QImage throttle = frame(105, 140, points, kMarkerOffGraph, kThrottle);
    EXPECT_TRUE(isPen(throttle, 1, 139));
    EXPECT_EQ(penRowsInColumn(throttle, 1), std::vector<int>{139});

    const QImage pitch = frame(105, 140, points, kMarkerOffGraph, kPitch);
    EXPECT_FALSE(isPen(pitch, 1, 139));
    // From column 27 on the line is on the bottom row again.
    EXPECT_TRUE(isPen(pitch, 27, 139));
}

TEST(CurveGraphTest, WiderThan1024_MarkerScalesInsteadOfDividingByZero) {
    EXPECT_EQ(curveMarkerColumn(2048, 512), 1024);
    EXPECT_EQ(curveMarkerColumn(1025, 1023), 1023);
    EXPECT_EQ(curveMarkerColumn(2048, 1023), 2046);
    const QImage image = frame(2048, 20, {0, 0, 0, 0, 0}, 512, kPitch);
    EXPECT_EQ(penRowsInColumn(image, 1024).size(), 20u);
}

TEST(CurveGraphTest, ValuesFarOffTheGraph_DrawOnlyTheVisibleParts) {
    // Rows billions of pixels away: the segments are clipped, not walked pixel by pixel.
    const QImage image =
        frame(105, 140, {INT_MAX, INT_MIN, INT_MAX, 0, INT_MIN}, kMarkerOffGraph, kPitch);
    EXPECT_GT(penPixelCount(image), 0);
    EXPECT_LT(penPixelCount(image), 105 * 140);
}

TEST(CurveGraphTest, NullImage_IsLeftAlone) {
    QImage image;
    renderCurveGraph(image, {0, 0, 0, 0, 0}, 0, kThrottle);
    EXPECT_TRUE(image.isNull());
}

}  // namespace
}  // namespace pelorin
