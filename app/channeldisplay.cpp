// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/channeldisplay.h"

#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "dialogkit/accessibility.h"
#include "dialogkit/devicepixels.h"
#include "editors/channelname.h"

namespace pelorin {

constexpr int kUnitsAcross = 1024;  // channel units that span about the display's width
constexpr int kRowPitch = 18;       // each channel's box starts 18 rows below the previous
constexpr int kBarRows = 15;        // the bar and the centre line span rows y .. y + 14

int displayScaleDivisor(int width) {
    return width > 0 && width <= kUnitsAcross ? kUnitsAcross / width : 1;
}

int displayOffset(int value, int width) {
    if (width > kUnitsAcross)
        return static_cast<int>(static_cast<long long>(value) * width / kUnitsAcross);
    return value / displayScaleDivisor(width);
}

void paintChannelDisplay(QPainter& painter, QSize size, const std::array<int, 6>& channels) {
    // Every line is horizontal or vertical: filled rectangles on whole device pixels, each line
    // as thick as the others at any scale.
    painter.save();
    const DevicePixels grid(painter, size);
    const int w = size.width();
    const int h = size.height();
    const int c = w / 2;
    const int t = grid.line();
    const QColor ink(Qt::black);
    // Logical columns x0 .. x1 - 1 and rows y0 .. y1 - 1.
    auto fill = [&](int x0, int y0, int x1, int y1) {
        painter.fillRect(QRect(QPoint(grid.edgeX(x0), grid.edgeY(y0)),
                               QPoint(grid.edgeX(x1) - 1, grid.edgeY(y1) - 1)),
                         ink);
    };
    // A line along row y (column x) from column x0 to x1 - 1 (row y0 to y1 - 1).
    auto across = [&](int y, int x0, int x1) {
        painter.fillRect(grid.edgeX(x0), static_cast<int>(grid.lineY(y)),
                         grid.edgeX(x1) - grid.edgeX(x0), t, ink);
    };
    auto down = [&](int x, int y0, int y1) {
        painter.fillRect(static_cast<int>(grid.lineX(x)), grid.edgeY(y0), t,
                         grid.edgeY(y1) - grid.edgeY(y0), ink);
    };
    painter.fillRect(QRect(QPoint(0, 0), grid.size()), QColor(kDisplayBackground));
    for (const int units : {420, 400}) {
        down(c + displayOffset(units, w), 0, h);
        down(c - displayOffset(units, w), 0, h);
    }
    for (int i = 0; i < static_cast<int>(channels.size()); ++i) {
        const int y = kRowPitch * i;
        // The box: rows y .. y + 15.
        across(y, 0, w);
        across(y + kBarRows, 0, w);
        down(0, y, y + kBarRows + 1);
        down(w - 1, y, y + kBarRows + 1);
        down(c, y, y + kBarRows);
        // From the centre toward the bar's end, without the end column.
        const int d = displayOffset(channels[static_cast<std::size_t>(i)], w);
        if (d > 0)
            fill(c, y, c + d, y + kBarRows);
        else if (d < 0)
            fill(c + d + 1, y, c + 1, y + kBarRows);
    }
    painter.restore();
}

void renderChannelDisplay(QImage& image, const std::array<int, 6>& channels, const QRect& area) {
    if (image.isNull())
        return;
    QPainter painter(&image);
    if (!area.isNull())
        painter.setClipRect(area);
    paintChannelDisplay(painter, image.size(), channels);
}

ChannelDisplay::ChannelDisplay(ChannelSource channels, QWidget* parent)
    : QWidget(parent), channels_(std::move(channels)) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel is painted
    deferred_.setSingleShot(true);
    // A coarse timer could hold new values back much longer.
    deferred_.setTimerType(Qt::PreciseTimer);
    connect(&deferred_, &QTimer::timeout, this, &ChannelDisplay::repaintIfChanged);
    // A screen reader reads the six values, "CH1: 12, CH2: -40, …".
    setAccessibleName(tr("Live channels"));
    setAccessibleDescriber(this, [this]() {
        QStringList texts;
        const std::array<int, 6>& shown = channels_();
        for (std::size_t i = 0; i < shown.size(); ++i)
            texts << tr("%1: %2").arg(channelName(static_cast<int>(i) + 1)).arg(shown[i]);
        return texts.join(QStringLiteral(", "));
    });
}

void ChannelDisplay::setLineDown(const QString& text) {
    if (std::exchange(lineDown_, text) != text)
        update();
}

void ChannelDisplay::showLiveFrames() {
    if (!running_)
        return;
    const qint64 since = sinceRepaint_.isValid() ? sinceRepaint_.elapsed() : -1;
    if (since >= 0 && since < kDisplayRepaintIntervalMs) {
        // Held back: the first values after the interval draw them; the timer, a quiet line.
        if (!deferred_.isActive()) {
            deferred_.start(static_cast<int>(kDisplayRepaintIntervalMs - since) +
                            kDisplayRepaintIntervalMs / 2);
        }
        return;
    }
    deferred_.stop();
    repaintIfChanged();
}

void ChannelDisplay::repaintIfChanged() {
    if (!running_)
        return;
    const std::array<int, 6>& newest = channels_();
    QRegion changed = rect();
    if (shown_) {
        // A bar's pixels differ between its old and new end (the centre, if it changes sides).
        changed = {};
        const int c = width() / 2;
        for (std::size_t i = 0; i < newest.size(); ++i) {
            const int from = displayOffset((*shown_)[i], width());
            const int to = displayOffset(newest[i], width());
            if (from != to) {
                // A pixel more on every side: on a scaled screen the bar's edges are rounded
                // to the device's pixels, which Qt's rounding of this area may not include.
                changed += QRect(c + std::min(from, to), kRowPitch * static_cast<int>(i),
                                 std::abs(to - from) + 1, kBarRows)
                               .adjusted(-1, -1, 1, 1);
            }
        }
    }
    shown_ = newest;
    if (changed.isEmpty())
        return;
    sinceRepaint_.start();
    repaintAsked_ = true;
    update(lineDown_.isEmpty() ? changed : QRegion(rect()));
}

void ChannelDisplay::paintEvent(QPaintEvent*) {
    if (!shown_)
        shown_ = channels_();
    QPainter painter(this);
    paintChannelDisplay(painter, size(), *shown_);
    if (!lineDown_.isEmpty()) {  // greyed, under one line of text
        painter.fillRect(rect(), QColor(200, 200, 200, 200));
        painter.drawText(rect(), Qt::AlignCenter,
                         fontMetrics().elidedText(lineDown_, Qt::ElideMiddle, width() - 8));
    }
    if (std::exchange(repaintAsked_, false))
        emit liveFramesShown();
}

}  // namespace pelorin
