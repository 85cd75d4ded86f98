// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogkit/devicepixels.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace pelorin {

DevicePixels::DevicePixels(QPainter& painter, QSize logical)
    : ratio_(painter.device()->devicePixelRatioF()), logical_(logical), device_(logical) {
    if (ratio_ == 1.0)
        return;
    line_ = std::max(1, static_cast<int>(ratio_));
    // Where the widget's corner lands; the pixels it covers are those Qt gives it, from the
    // nearest whole pixel on.
    const QTransform toDevice = painter.deviceTransform();
    const QPointF corner = toDevice.map(QPointF(0, 0));
    const QPointF end = toDevice.map(QPointF(logical.width(), logical.height()));
    const QPoint first(qRound(corner.x()), qRound(corner.y()));
    device_ = QSize(qRound(end.x()) - first.x(), qRound(end.y()) - first.y());
    painter.setWorldTransform(QTransform(1 / ratio_, 0, 0, 1 / ratio_,
                                         (first.x() - corner.x()) / ratio_,
                                         (first.y() - corner.y()) / ratio_));
}

int DevicePixels::edge(qint64 v, int logical, int device) {
    if (logical <= 0 || logical == device)
        return static_cast<int>(v);
    return static_cast<int>(std::llround(static_cast<double>(v) * device / logical));
}

qint64 DevicePixels::lineAt(qint64 v, int logical, int device) const {
    if (logical <= 0 || logical == device)
        return v;
    const double centre = (static_cast<double>(v) + 0.5) * device / logical;
    return std::llround(centre - line_ / 2.0);
}

}  // namespace pelorin
