// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/curvegraph.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pelorin {

namespace {

// The marker's divisor: about 1024 units of the curve input span the graph.
constexpr std::int64_t kMarkerSpan = 1024;

// Offset along the minor axis of step k of a line with major length `major` (> 0) and minor
// length `minor` (|minor| <= major): k * minor / major rounded to the nearest integer, halves
// toward +infinity, i.e. floor((2 k minor + major) / (2 major)). The first step visible in the
// image is found with one exact 128-bit division (values typed far off the graph put it
// billions of pixels away); every further step adds 2 minor to the remainder and carries.
class MinorSteps {
public:
    MinorSteps(std::int64_t firstStep, std::int64_t minor, std::int64_t major)
        : increment_(2 * minor), denominator_(2 * major) {
        const __int128 numerator = static_cast<__int128>(2) * firstStep * minor + major;
        __int128 quotient = numerator / denominator_;
        __int128 remainder = numerator % denominator_;
        if (remainder < 0) {  // floor, not truncation
            --quotient;
            remainder += denominator_;
        }
        offset_ = static_cast<std::int64_t>(quotient);
        remainder_ = static_cast<std::int64_t>(remainder);
    }

    [[nodiscard]] std::int64_t offset() const { return offset_; }

    void advance() {
        remainder_ += increment_;
        if (remainder_ >= denominator_) {
            remainder_ -= denominator_;
            ++offset_;
        } else if (remainder_ < 0) {
            remainder_ += denominator_;
            --offset_;
        }
    }

private:
    std::int64_t increment_;
    std::int64_t denominator_;
    std::int64_t offset_ = 0;
    std::int64_t remainder_ = 0;  // always in [0, denominator)
};

// The steps k in [0, length) whose major coordinate start + step * k lies in [0, size).
struct StepRange {
    std::int64_t first;
    std::int64_t last;  // inclusive; empty when last < first
};

StepRange visibleSteps(std::int64_t start, int step, std::int64_t length, int size) {
    std::int64_t first = 0;
    std::int64_t last = length - 1;
    if (step > 0) {
        first = std::max(first, -start);
        last = std::min(last, static_cast<std::int64_t>(size) - 1 - start);
    } else {
        first = std::max(first, start - (static_cast<std::int64_t>(size) - 1));
        last = std::min(last, start);
    }
    return {first, last};
}

// Direct access to a 32-bit image's pixels, taken once per line: QImage::scanLine() on a
// non-const image checks for sharing on every call.
class Pixels {
public:
    explicit Pixels(QImage& image)
        : bits_(reinterpret_cast<QRgb*>(image.bits())),
          stride_(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb))),
          width_(image.width()),
          height_(image.height()) {}

    [[nodiscard]] int width() const { return width_; }
    [[nodiscard]] int height() const { return height_; }

    // Clipped: pixels outside the image are ignored.
    void put(std::int64_t x, std::int64_t y, QRgb colour) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_)
            return;
        bits_[y * stride_ + x] = colour;
    }

private:
    QRgb* bits_;
    qsizetype stride_;
    int width_;
    int height_;
};

}  // namespace

float curveGraphScale(int height) {
    // The product is formed in double and only then rounded: h * 0.01f would give
    // 1.19999993 for h = 120 instead of 1.20000005 and move 50 % down a row.
    return static_cast<float>(static_cast<double>(height) * 0.01);
}

int curvePointColumn(int width, int index) {
    return index * (width / 4) + 1;
}

std::int64_t curvePointRow(int height, int value) {
    const double scale = static_cast<double>(curveGraphScale(height));
    const double row = static_cast<double>(height) - 1.0 - static_cast<double>(value) * scale;
    // |row| stays below 2^33 for any int value and any widget height, so it fits exactly.
    return static_cast<std::int64_t>(std::trunc(row));
}

std::int64_t curveMarkerColumn(int width, int liveAux) {
    if (width <= 0)
        return 0;
    const std::int64_t divisor = kMarkerSpan / width;
    if (divisor == 0)
        return static_cast<std::int64_t>(liveAux) * width / kMarkerSpan;
    return static_cast<std::int64_t>(liveAux) / divisor;
}

void drawLineExcludingEnd(QImage& image, std::int64_t x0, std::int64_t y0, std::int64_t x1,
                          std::int64_t y1, QRgb colour) {
    const std::int64_t dx = x1 - x0;
    const std::int64_t dy = y1 - y0;
    const std::int64_t adx = std::llabs(dx);
    const std::int64_t ady = std::llabs(dy);
    if (adx == 0 && ady == 0)
        return;  // the end pixel is left out, so nothing remains
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        return;
    Pixels pixels(image);

    if (adx >= ady) {
        // x-major: one pixel per column, from x0 up to but not including x1.
        const int sx = dx > 0 ? 1 : -1;
        const StepRange steps = visibleSteps(x0, sx, adx, pixels.width());
        MinorSteps y(steps.first, dy, adx);
        for (std::int64_t k = steps.first; k <= steps.last; ++k, y.advance())
            pixels.put(x0 + sx * k, y0 + y.offset(), colour);
    } else {
        // y-major: one pixel per row.
        const int sy = dy > 0 ? 1 : -1;
        const StepRange steps = visibleSteps(y0, sy, ady, pixels.height());
        MinorSteps x(steps.first, dx, ady);
        for (std::int64_t k = steps.first; k <= steps.last; ++k, x.advance())
            pixels.put(x0 + x.offset(), y0 + sy * k, colour);
    }
}

void renderCurveGraph(QImage& image, const CurveValues& points, int liveAux, bool clampNegative) {
    if (image.isNull())
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    image.fill(kCurveGraphBackground);

    std::array<std::int64_t, kCurvePointCount> xs{};
    std::array<std::int64_t, kCurvePointCount> ys{};
    for (int i = 0; i < kCurvePointCount; ++i) {
        int value = points[static_cast<std::size_t>(i)];
        if (clampNegative && value < 0)
            value = 0;
        xs[static_cast<std::size_t>(i)] = curvePointColumn(w, i);
        ys[static_cast<std::size_t>(i)] = curvePointRow(h, value);
    }
    for (std::size_t i = 0; i + 1 < kCurvePointCount; ++i)
        drawLineExcludingEnd(image, xs[i], ys[i], xs[i + 1], ys[i + 1], kCurveGraphPen);

    const std::int64_t marker = curveMarkerColumn(w, liveAux);
    drawLineExcludingEnd(image, marker, 0, marker, h, kCurveGraphPen);
}

CurveGraph::CurveGraph(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted from the image; nothing behind it needs to be drawn first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage CurveGraph::renderFrame() const {
    QImage image(size(), QImage::Format_RGB32);
    if (renderer_)
        renderer_(image);
    else
        image.fill(kCurveGraphBackground);
    return image;
}

void CurveGraph::paintEvent(QPaintEvent*) {
    // A fresh off-screen frame each time, copied in one piece so the 20 repaints a second do
    // not flicker; the black frame of the static goes over its edge as the control's own paint.
    const QImage frame = renderFrame();
    QPainter painter(this);
    painter.drawImage(0, 0, frame);
    painter.setPen(QColor::fromRgb(kCurveGraphPen));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace pelorin
