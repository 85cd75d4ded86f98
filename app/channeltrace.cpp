// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/channeltrace.h"

#include <QPainter>
#include <QVector>

#include <algorithm>
#include <cmath>

namespace pelorin {

QColor channelColour(int channel) {
    static constexpr std::array<QRgb, 6> kColours = {
        qRgb(0xE6, 0x9F, 0x00), qRgb(0x56, 0xB4, 0xE9),   // orange, sky blue
        qRgb(0x00, 0x9E, 0x73), qRgb(0x00, 0x72, 0xB2),   // bluish green, blue
        qRgb(0xD5, 0x5E, 0x00), qRgb(0xCC, 0x79, 0xA7)};  // vermilion, reddish purple
    return QColor(kColours[static_cast<std::size_t>(channel) % kColours.size()]);
}

ChannelTrace::ChannelTrace(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Channel trace"));
    setAccessibleDescription(tr("The last 10 seconds of CH1 to CH6 as lines over time"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChannelTrace::addSample(std::int64_t ms, const std::array<int, 6>& values) {
    if (!samples_.empty())
        ms = std::max(ms, samples_.back().ms);
    samples_.push_back({ms, values, static_cast<double>(ms)});
    placeRun(samples_.size() - 1);
    if (samples_.size() > kMaxSamples) {
        samples_.pop_front();
        placeRun(0);
    }
    newSamples_ = true;
}

void ChannelTrace::setNow(std::int64_t ms) {
    now_ = ms;
    // Keep one sample left of the edge, so the lines run to the edge instead of stopping short.
    bool dropped = false;
    while (samples_.size() > 1 && samples_[1].ms < now_ - kSpanMs) {
        samples_.pop_front();
        dropped = true;
    }
    if (dropped)
        placeRun(0);
    // Scrolled by a pixel with a line in view before or after, or new lines: the picture
    // changes. An empty grid stays as it is.
    const std::int64_t column = nowColumn();
    const bool moved =
        column != shownColumn_ && !samples_.empty() &&
        samples_.back().at * xPerMs_ >=
            static_cast<double>(std::min(column, shownColumn_)) - plot_.width() - 2.0;
    if (shownColumn_ == INT64_MIN)
        update();  // not painted yet
    else if (newSamples_ || moved)
        update(plot_.toAlignedRect());
}

void ChannelTrace::clear() {
    samples_.clear();
    newSamples_ = false;
    update();
}

void ChannelTrace::placeRun(std::size_t last) {
    // Frames that waited in the line's buffer arrive together and carry one time; drawn at it,
    // every line would climb in steps. Each run of equal times is spread evenly over the time
    // since the run before it (at most kMaxSpreadMs), which is when those frames were sent.
    const std::int64_t ms = samples_[last].ms;
    std::size_t begin = last;
    std::size_t end = last + 1;
    while (begin > 0 && samples_[begin - 1].ms == ms)
        --begin;
    while (end < samples_.size() && samples_[end].ms == ms)
        ++end;
    const double span =
        begin == 0 ? 0.0 : std::min(static_cast<double>(ms - samples_[begin - 1].ms), kMaxSpreadMs);
    for (std::size_t j = begin; j < end; ++j) {
        samples_[j].at = static_cast<double>(ms) -
                         span * static_cast<double>(end - 1 - j) / static_cast<double>(end - begin);
    }
}

std::int64_t ChannelTrace::nowColumn() const {
    // Whole columns, so that the lines move by whole pixels; rounded up, so the newest sample
    // is never right of the edge.
    return static_cast<std::int64_t>(std::ceil(static_cast<double>(now_) * xPerMs_));
}

void ChannelTrace::renderBackground() {
    const qreal ratio = devicePixelRatioF();
    background_ = QPixmap(size() * ratio);
    background_.setDevicePixelRatio(ratio);
    backgroundFor_ = {size(), font(), palette()};
    QPainter painter(&background_);
    const QRect area = rect();
    painter.fillRect(area, palette().color(QPalette::Base));

    // Percent labels on the left, the plot to their right.
    const QFontMetrics metrics = fontMetrics();
    const QString percent = tr("%1 %", "a percentage");
    const int labelWidth =
        std::max(metrics.horizontalAdvance(percent.arg(-100)),
                 metrics.horizontalAdvance(percent.arg(QStringLiteral("+100")))) +
        8;
    // Room above for half a label, below for the seconds.
    plot_ = QRectF(area.left() + labelWidth, area.top() + metrics.height() / 2.0,
                   area.width() - labelWidth - 6, area.height() - metrics.height() * 1.5 - 4.0);
    xPerMs_ = std::max(plot_.width(), 0.0) / static_cast<double>(kSpanMs);

    const QColor grid = palette().color(QPalette::Mid);
    const QColor text = palette().color(QPalette::Text);
    painter.setPen(grid);
    painter.drawRect(plot_);
    for (int value : {-100, -50, 0, 50, 100}) {
        const double y = yOf(value);
        painter.setPen(QPen(grid, 1, value == 0 ? Qt::SolidLine : Qt::DotLine));
        painter.drawLine(QPointF(plot_.left(), y), QPointF(plot_.right(), y));
        painter.setPen(text);
        painter.drawText(
            QRectF(area.left(), y - metrics.height() / 2.0, labelWidth - 4, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter,
            percent.arg(value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value)));
    }
    // A light line for every second; under the plot the seconds before now, every second one.
    for (std::int64_t s = 0; s <= kSpanMs / 1000; ++s) {
        const double x = plot_.right() - static_cast<double>(s * 1000) * xPerMs_;
        painter.setPen(QPen(grid, 1, Qt::DotLine));
        if (s > 0 && s < kSpanMs / 1000)
            painter.drawLine(QPointF(x, plot_.top()), QPointF(x, plot_.bottom()));
        const QString label = s == 0 ? tr("now") : tr("%1 s").arg(-s);
        const double w = metrics.horizontalAdvance(label) + 4;
        painter.setPen(text);
        if (s % 2 == 0)  // centred under its line; "now" ends at the plot's right edge
            painter.drawText(QRectF(s == 0 ? plot_.right() - w : x - w / 2.0, plot_.bottom() + 2, w,
                                    metrics.height()),
                             Qt::AlignCenter, label);
    }
}

double ChannelTrace::yOf(double percent) const {
    const double yPerPercent = plot_.height() / (2.0 * kScalePercent);
    return plot_.center().y() - std::clamp(percent, -kScalePercent, kScalePercent) * yPerPercent;
}

void ChannelTrace::paintEvent(QPaintEvent*) {
    // The grid and its labels change only with the size, font or colours: drawn once, then
    // copied, and the lines drawn over them.
    if (backgroundFor_.size != size() || backgroundFor_.font != font() ||
        backgroundFor_.palette != palette()) {
        renderBackground();
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
    const std::int64_t column = nowColumn();
    shownColumn_ = column;
    newSamples_ = false;
    if (plot_.width() >= 2 && plot_.height() >= 2 && samples_.size() >= 2) {
        // The samples in view, and one either side of it.
        const double fromMs = (static_cast<double>(column) - plot_.width() - 1.0) / xPerMs_;
        auto begin =
            std::lower_bound(samples_.begin(), samples_.end(), fromMs,
                             [](const Sample& sample, double ms) { return sample.at < ms; });
        if (begin != samples_.begin())
            --begin;
        QVector<QPointF> points(samples_.end() - begin);
        painter.setClipRect(plot_);
        painter.setRenderHint(QPainter::Antialiasing);
        for (int channel = 0; channel < 6; ++channel) {
            auto point = points.begin();
            for (auto it = begin; it != samples_.end(); ++it, ++point) {
                *point = {plot_.right() - (static_cast<double>(column) - it->at * xPerMs_),
                          yOf(channelPercent(it->values[static_cast<std::size_t>(channel)]))};
            }
            // Two one-pixel lines, one a pixel below the other: as easy to see as a line two
            // pixels wide, and they take the painter's fast path for thin lines.
            painter.setPen(isEnabled() ? channelColour(channel) : palette().color(QPalette::Mid));
            painter.drawPolyline(points);
            painter.translate(0, 1);
            painter.drawPolyline(points);
            painter.translate(0, -1);
        }
    }
}

}  // namespace pelorin
