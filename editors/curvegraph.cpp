// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/curvegraph.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "dialogkit/devicepixels.h"

namespace pelorin {

float curveGraphScale(int height) {
    // Rounded after the product: h * 0.01f gives 1.19999993 for h = 120, not 1.20000005.
    return static_cast<float>(static_cast<double>(height) * 0.01);
}

int curvePointColumn(int width, int index) {
    return index * (width / 4) + 1;
}

std::int64_t curvePointRow(int height, int value) {
    const double scale = static_cast<double>(curveGraphScale(height));
    const double row = static_cast<double>(height) - 1.0 - static_cast<double>(value) * scale;
    return static_cast<std::int64_t>(std::trunc(row));
}

std::int64_t curveMarkerColumn(int width, int liveAux) {
    constexpr std::int64_t kMarkerSpan = 1024;  // units of the curve input across the graph
    if (width <= 0)
        return 0;
    const std::int64_t divisor = kMarkerSpan / width;
    return divisor == 0 ? std::int64_t{liveAux} * width / kMarkerSpan : liveAux / divisor;
}

namespace {

// The pixels inside `size` of the line from (x0, y0) toward (x1, y1): one per step k along the
// longer axis, offset k * minor / major rounded half up on the other, without the end pixel.
// Qt's aliased lines round their steps otherwise; these are the pixels this graph has always had.
void addLinePixels(QPolygon& pixels, QSize size, std::int64_t x0, std::int64_t y0, std::int64_t x1,
                   std::int64_t y1) {
    const bool xMajor = std::llabs(x1 - x0) >= std::llabs(y1 - y0);
    const std::int64_t start = xMajor ? x0 : y0;
    const std::int64_t across = xMajor ? y0 : x0;
    const std::int64_t major = xMajor ? x1 - x0 : y1 - y0;
    const std::int64_t minor = xMajor ? y1 - y0 : x1 - x0;
    const std::int64_t length = std::llabs(major);
    const std::int64_t limit = xMajor ? size.width() : size.height();
    const std::int64_t step = major > 0 ? 1 : -1;
    // Only the steps whose major coordinate lies inside.
    const std::int64_t first = std::max<std::int64_t>(0, major > 0 ? -start : start - limit + 1);
    const std::int64_t last = std::min(length - 1, major > 0 ? limit - 1 - start : start);
    for (std::int64_t k = first; k <= last; ++k) {
        const std::int64_t along = start + step * k;
        const std::int64_t n = 2 * k * minor + length;  // over 2 * length, rounded down:
        const std::int64_t off = across + (n >= 0 ? n : n - 2 * length + 1) / (2 * length);
        const std::int64_t x = xMajor ? along : off;
        const std::int64_t y = xMajor ? off : along;
        if (x >= 0 && x < size.width() && y >= 0 && y < size.height())
            pixels << QPoint(static_cast<int>(x), static_cast<int>(y));
    }
}

}  // namespace

void renderCurveGraph(QImage& image, const CurveValues& points, int liveAux, bool clampNegative) {
    if (image.isNull())
        return;
    // The graph's own pixels; on an image for a scaled screen, they are mapped onto its pixels.
    const QSize size = image.deviceIndependentSize().toSize();
    const int w = size.width();
    const int h = size.height();
    QPainter painter(&image);
    const DevicePixels grid(painter, size);
    const int t = grid.line();
    QPolygon line;
    std::int64_t x = 0;
    std::int64_t y = 0;
    for (int i = 0; i < kCurvePointCount; ++i) {
        const int value = points[static_cast<std::size_t>(i)];
        // Rows a billion away are held there, which keeps the steps' products in 64 bits.
        constexpr std::int64_t kFar = std::int64_t{1} << 30;
        const std::int64_t nextX = grid.lineX(curvePointColumn(w, i));
        const std::int64_t nextY = grid.lineY(
            std::clamp(curvePointRow(h, clampNegative ? std::max(value, 0) : value), -kFar, kFar));
        if (i > 0)
            addLinePixels(line, grid.size(), x, y, nextX, nextY);
        x = nextX;
        y = nextY;
    }
    painter.fillRect(QRect(QPoint(0, 0), grid.size()), QColor(kCurveGraphBackground));
    const QColor pen(kCurveGraphPen);
    if (t == 1) {
        painter.setPen(pen);
        painter.drawPoints(line);
    } else {
        for (const QPoint& pixel : line)  // each a square of the line's thickness
            painter.fillRect(pixel.x(), pixel.y(), t, t, pen);
    }
    const std::int64_t marker = curveMarkerColumn(w, liveAux);
    if (marker >= 0 && marker < w)
        painter.fillRect(static_cast<int>(grid.lineX(marker)), 0, t, grid.size().height(), pen);
}

CurveGraph::CurveGraph(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel is painted
}

QImage CurveGraph::renderFrame() const {
    return renderFrame(size(), 1.0);
}

QImage CurveGraph::renderFrame(QSize pixels, qreal ratio) const {
    QImage image(pixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kCurveGraphBackground);
    if (renderer_)
        renderer_(image);
    return image;
}

void CurveGraph::paintEvent(QPaintEvent*) {
    // A fresh frame each time in the screen's own pixels, then the static's black frame over
    // its edge, as thick as the graph's lines.
    QPainter painter(this);
    const DevicePixels grid(painter, size());
    QImage frame = renderFrame(grid.size(), grid.ratio());
    frame.setDevicePixelRatio(1);  // drawn pixel for pixel
    painter.drawImage(QRect(QPoint(0, 0), grid.size()), frame, QRect(QPoint(0, 0), grid.size()));
    const QColor pen(kCurveGraphPen);
    const int t = grid.line();
    const QSize d = grid.size();
    painter.fillRect(0, 0, d.width(), t, pen);
    painter.fillRect(0, d.height() - t, d.width(), t, pen);
    painter.fillRect(0, 0, t, d.height(), pen);
    painter.fillRect(d.width() - t, 0, t, d.height(), pen);
}

}  // namespace pelorin
