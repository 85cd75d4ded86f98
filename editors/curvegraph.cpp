// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/curvegraph.h"

#include <QPainter>

#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstdlib>

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
    const int w = image.width();
    const int h = image.height();
    QPolygon line;
    std::int64_t x = 0;
    std::int64_t y = 0;
    for (int i = 0; i < kCurvePointCount; ++i) {
        const int value = points[static_cast<std::size_t>(i)];
        // Rows a billion away are held there, which keeps the steps' products in 64 bits.
        constexpr std::int64_t kFar = std::int64_t{1} << 30;
        const std::int64_t nextX = curvePointColumn(w, i);
        const std::int64_t nextY =
            std::clamp(curvePointRow(h, clampNegative ? std::max(value, 0) : value), -kFar, kFar);
        if (i > 0)
            addLinePixels(line, image.size(), x, y, nextX, nextY);
        x = nextX;
        y = nextY;
    }
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(kCurveGraphBackground));
    painter.setPen(QColor(kCurveGraphPen));
    painter.drawPoints(line);
    const std::int64_t marker = curveMarkerColumn(w, liveAux);
    if (marker >= 0 && marker < w)
        painter.drawLine(static_cast<int>(marker), 0, static_cast<int>(marker), h - 1);
}

CurveGraph::CurveGraph(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel is painted
}

QImage CurveGraph::renderFrame() const {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(kCurveGraphBackground);
    if (renderer_)
        renderer_(image);
    return image;
}

void CurveGraph::paintEvent(QPaintEvent*) {
    // A fresh frame each time, then the static's black frame over its edge; on a scaled
    // screen each of the graph's pixels is a block of the screen's.
    QPainter painter(this);
    painter.drawImage(rect(), renderFrame());
    painter.setPen(QColor::fromRgb(kCurveGraphPen));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace pelorin
