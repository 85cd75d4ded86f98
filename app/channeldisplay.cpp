// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/channeldisplay.h"

#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "dialogkit/accessibility.h"
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
    // Every line is horizontal or vertical: a rectangle, exact and lined up at any scale.
    const int w = size.width();
    const int h = size.height();
    const int c = w / 2;
    const QColor ink(Qt::black);
    painter.fillRect(0, 0, w, h, QColor(kDisplayBackground));
    for (const int units : {420, 400}) {
        painter.fillRect(c + displayOffset(units, w), 0, 1, h, ink);
        painter.fillRect(c - displayOffset(units, w), 0, 1, h, ink);
    }
    for (int i = 0; i < static_cast<int>(channels.size()); ++i) {
        const int y = kRowPitch * i;
        // The box: rows y .. y + 15. Filled, not stroked: a pen's line at a fractional scale
        // can fall between two rows of the screen and vanish.
        painter.fillRect(0, y, w, 1, ink);
        painter.fillRect(0, y + kBarRows, w, 1, ink);
        painter.fillRect(0, y, 1, kBarRows + 1, ink);
        painter.fillRect(w - 1, y, 1, kBarRows + 1, ink);
        painter.fillRect(c, y, 1, kBarRows, ink);
        // From the centre toward the bar's end, without the end column.
        const int d = displayOffset(channels[static_cast<std::size_t>(i)], w);
        if (d > 0)
            painter.fillRect(c, y, d, kBarRows, ink);
        else if (d < 0)
            painter.fillRect(c + d + 1, y, -d, kBarRows, ink);
    }
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
    deferred_.setTimerType(Qt::PreciseTimer);  // a coarse one could hold news back much longer
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

void ChannelDisplay::showNews() {
    if (!following_)
        return;
    const qint64 since = sinceRepaint_.isValid() ? sinceRepaint_.elapsed() : -1;
    if (since >= 0 && since < kDisplayRepaintIntervalMs) {
        // Held back: the first news after the interval draws it; the timer, a quiet line.
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
    if (!following_)
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
                changed += QRect(c + std::min(from, to), kRowPitch * static_cast<int>(i),
                                 std::abs(to - from) + 1, kBarRows);
            }
        }
    }
    shown_ = newest;
    if (changed.isEmpty())
        return;
    sinceRepaint_.start();
    newsDue_ = true;
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
    if (std::exchange(newsDue_, false))
        emit newsShown();
}

}  // namespace pelorin
