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

inline constexpr QRgb kCurveGraphBackground = 0xFF20DB20u;  // RGB(32, 219, 32)
inline constexpr QRgb kCurveGraphPen = 0xFF000000u;

// Percent to rows: s = h * 0.01 (in double) rounded to single precision, which decides the row
// of 50 % or 100 % (h = 120: 100 % is row -1, h = 130: row 0).
[[nodiscard]] float curveGraphScale(int height);
// Column of point `index` (0..4): index * (w div 4) + 1.
[[nodiscard]] int curvePointColumn(int width, int index);
// Row of a value: h - 1 - v * s in double, truncated toward zero; a typed value may lie
// billions of rows off the graph.
[[nodiscard]] std::int64_t curvePointRow(int height, int value);
// Column of the live marker: liveAux div (1024 div w), so that about 1024 units span the
// width; above 1024 pixels liveAux * w div 1024, the same proportion without dividing by zero.
[[nodiscard]] std::int64_t curveMarkerColumn(int width, int liveAux);

// One frame at the size of `image`: fill, polyline through the five points, marker over the
// full height, in one-pixel lines without their end pixel. With `clampNegative` (throttle)
// values below 0 are drawn on the bottom row, else below the image. A null image is left alone.
// An image with a device pixel ratio other than 1 gets the same graph in its own pixels, every
// line in whole pixels of equal thickness.
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
    // The frame in `pixels` of a screen of this device pixel ratio.
    [[nodiscard]] QImage renderFrame(QSize pixels, qreal ratio) const;

    Renderer renderer_;
};

}  // namespace pelorin
