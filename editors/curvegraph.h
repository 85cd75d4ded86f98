// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The curve graph: five points as a polyline over a green field, and a vertical marker where
// the transmitter's curve input stands, drawn by a function over a QImage that tests check
// pixel by pixel; the widget only hosts it.

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

namespace pelorin {

inline constexpr int kCurvePointCount = 5;
using CurveValues = std::array<int, kCurvePointCount>;

// RGB(32, 219, 32): the background of every graph frame.
inline constexpr QRgb kCurveGraphBackground = 0xFF20DB20u;
inline constexpr QRgb kCurveGraphPen = 0xFF000000u;

// Percent to rows: s = h * 0.01 (in double) rounded to single precision. The rounding is
// deliberate; it decides which row 50 % or 100 % lands on (h = 120: 100 % is row -1, h = 130: row
// 0).
[[nodiscard]] float curveGraphScale(int height);
// Column of point `index` (0..4): index * (w div 4) + 1.
[[nodiscard]] int curvePointColumn(int width, int index);
// Row of a value: h - 1 - v * s in double precision, truncated toward zero. 64 bits, because a
// typed value may be anywhere in the int range and lie billions of rows off the graph.
[[nodiscard]] std::int64_t curvePointRow(int height, int value);
// Column of the live marker. About 1024 units of liveAux span the width: x = liveAux div
// (1024 div w). A graph wider than 1024 pixels would make that divisor 0; there the marker is
// scaled proportionally instead (x = liveAux * w div 1024), which keeps 0..1023 across the
// width.
[[nodiscard]] std::int64_t curveMarkerColumn(int width, int liveAux);

// One frame of the graph, the size of `image`: fill, polyline through the five
// points, marker over the full height, in one-pixel lines that leave out their end pixel.
// With `clampNegative` (the throttle curve) values below 0 are drawn on the bottom row;
// otherwise they lie below the image and are clipped. A null image is left alone.
void renderCurveGraph(QImage& image, const CurveValues& points, int liveAux, bool clampNegative);

// A curve dialog's drawing area: a black-framed static showing what its renderer draws.
class CurveGraph : public QWidget {
    Q_OBJECT

public:
    using Renderer = std::function<void(QImage&)>;

    explicit CurveGraph(QWidget* parent = nullptr);
    void setRenderer(Renderer renderer) { renderer_ = std::move(renderer); }

    // The frame as painted now, without the black border (for checks and screenshots).
    [[nodiscard]] QImage renderFrame() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Renderer renderer_;
};

}  // namespace pelorin
