// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/channeltrace.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace pelorin {

namespace {

constexpr std::array<QRgb, 6> kChannelColours = {
    qRgb(0xE6, 0x9F, 0x00),  // orange
    qRgb(0x56, 0xB4, 0xE9),  // sky blue
    qRgb(0x00, 0x9E, 0x73),  // bluish green
    qRgb(0x00, 0x72, 0xB2),  // blue
    qRgb(0xD5, 0x5E, 0x00),  // vermilion
    qRgb(0xCC, 0x79, 0xA7),  // reddish purple
};

constexpr int kGridPercents[] = {-100, -50, 0, 50, 100};

}  // namespace

QColor channelColour(int channel) {
    return QColor(kChannelColours[static_cast<std::size_t>(channel) % kChannelColours.size()]);
}

ChannelTrace::ChannelTrace(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Channel trace"));
    setAccessibleDescription(tr("The last 10 seconds of CH1 to CH6 as lines over time"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize ChannelTrace::sizeHint() const {
    return {520, 260};
}

QSize ChannelTrace::minimumSizeHint() const {
    return {260, 140};
}

void ChannelTrace::addSample(std::int64_t ms, const std::array<int, 6>& values) {
    samples_.push_back({ms, values});
    if (samples_.size() > kMaxSamples)
        samples_.pop_front();
}

void ChannelTrace::setNow(std::int64_t ms) {
    now_ = ms;
    dropOld();
}

void ChannelTrace::clear() {
    samples_.clear();
}

void ChannelTrace::dropOld() {
    // Keep one sample left of the edge, so the lines run to the edge instead of stopping short.
    while (samples_.size() > 1 && samples_[1].ms < now_ - kSpanMs)
        samples_.pop_front();
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
    const int labelWidth =
        std::max(
            metrics.horizontalAdvance(tr("%1 %", "a percentage").arg(-100)),
            metrics.horizontalAdvance(tr("%1 %", "a percentage").arg(QStringLiteral("+100")))) +
        8;
    // Room above for half a label, below for the seconds.
    plot_ = QRectF(area.left() + labelWidth, area.top() + metrics.height() / 2.0,
                   area.width() - labelWidth - 6, area.height() - metrics.height() * 1.5 - 4.0);
    if (plot_.width() < 2 || plot_.height() < 2)
        return;
    const double xPerMs = plot_.width() / static_cast<double>(kSpanMs);

    const QColor grid = palette().color(QPalette::Mid);
    const QColor text = palette().color(QPalette::Text);
    for (int percent : kGridPercents) {
        const double y = yOf(percent);
        painter.setPen(QPen(grid, 1, percent == 0 ? Qt::SolidLine : Qt::DotLine));
        painter.drawLine(QPointF(plot_.left(), y), QPointF(plot_.right(), y));
        painter.setPen(text);
        painter.drawText(
            QRectF(area.left(), y - metrics.height() / 2.0, labelWidth - 4, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter,
            tr("%1 %", "a percentage")
                .arg(percent > 0 ? QStringLiteral("+%1").arg(percent) : QString::number(percent)));
    }
    // A light line for every second.
    painter.setPen(QPen(grid, 1, Qt::DotLine));
    for (std::int64_t s = 1; s < kSpanMs / 1000; ++s) {
        const double x = plot_.right() - static_cast<double>(s * 1000) * xPerMs;
        painter.drawLine(QPointF(x, plot_.top()), QPointF(x, plot_.bottom()));
    }
    painter.setPen(grid);
    painter.drawRect(plot_);
    // Seconds before now under the plot, every second one.
    painter.setPen(text);
    for (std::int64_t s = 0; s <= kSpanMs / 1000; s += 2) {
        const double x = plot_.right() - static_cast<double>(s * 1000) * xPerMs;
        const QString label = s == 0 ? tr("now") : tr("%1 s").arg(-s);
        const double w = metrics.horizontalAdvance(label) + 4;
        // Centred under its line; "now" ends at the plot's right edge.
        const double left = s == 0 ? plot_.right() - w : x - w / 2.0;
        painter.drawText(QRectF(left, plot_.bottom() + 2, w, metrics.height()), Qt::AlignCenter,
                         label);
    }
}

double ChannelTrace::yOf(double percent) const {
    const double yPerPercent = plot_.height() / (2.0 * kScalePercent);
    return plot_.center().y() - std::clamp(percent, -kScalePercent, kScalePercent) * yPerPercent;
}

void ChannelTrace::paintEvent(QPaintEvent*) {
    // The grid and its labels change only with the size, font or colours: drawn once, then
    // copied; each paint draws only the lines.
    if (backgroundFor_.size != size() || backgroundFor_.font != font() ||
        backgroundFor_.palette != palette()) {
        renderBackground();
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
    if (samples_.empty() || plot_.width() < 2 || plot_.height() < 2)
        return;

    const double xPerMs = plot_.width() / static_cast<double>(kSpanMs);
    painter.setClipRect(plot_);
    painter.setRenderHint(QPainter::Antialiasing);
    placeSamples();
    for (std::size_t channel = 0; channel < 6; ++channel) {
        points_.clear();
        for (std::size_t i = 0; i < times_.size(); ++i) {
            const double x = plot_.right() - (static_cast<double>(now_) - times_[i]) * xPerMs;
            points_.append(QPointF(x, yOf(channelPercent(samples_[i].values[channel]))));
        }
        // Two one-pixel lines, one a pixel below the other: as easy to see as a line two
        // pixels wide, and they take the painter's fast path for thin lines; a wide pen costs
        // it many times more, every tenth of a second.
        painter.setPen(QPen(channelColour(static_cast<int>(channel)), 1.0));
        painter.drawPolyline(points_.constData(), static_cast<int>(points_.size()));
        painter.translate(0, 1);
        painter.drawPolyline(points_.constData(), static_cast<int>(points_.size()));
        painter.translate(0, -1);
    }
}

void ChannelTrace::placeSamples() {
    // Frames that waited in the line's buffer arrive together and carry one time; drawn at it,
    // every line would climb in steps. Each run of equal times is spread evenly over the time
    // since the run before it (at most kMaxSpreadMs), which is when those frames were sent.
    times_.clear();
    std::size_t i = 0;
    while (i < samples_.size() && samples_[i].ms <= now_) {
        std::size_t end = i + 1;
        while (end < samples_.size() && samples_[end].ms == samples_[i].ms)
            ++end;
        const double at = static_cast<double>(samples_[i].ms);
        const double before = i == 0 ? at : static_cast<double>(samples_[i - 1].ms);
        const double span = std::min(at - before, kMaxSpreadMs);
        const auto count = static_cast<double>(end - i);
        for (std::size_t j = i; j < end; ++j)
            times_.push_back(at - span * (static_cast<double>(end - 1 - j) / count));
        i = end;
    }
}

}  // namespace pelorin
