// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/channeltrace.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <utility>

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
    for (std::size_t channel = 0; channel < pens_.size(); ++channel)
        pens_[channel] = QPen(channelColour(static_cast<int>(channel)), 1.0);
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
    if (!samples_.empty())
        ms = std::max(ms, samples_.back().ms);
    samples_.push_back({ms, values, static_cast<double>(ms)});
    bandsValid_ = false;
    placeRun(samples_.size() - 1);
    // The lines change from the sample before this one's run on: that run may just have been
    // spread anew.
    const auto first = std::find_if(samples_.rbegin(), samples_.rend(),
                                    [ms](const Sample& sample) { return sample.ms != ms; });
    staleAfterMs_ =
        std::min(staleAfterMs_, first == samples_.rend() ? samples_.front().at : first->at);
    if (samples_.size() > kMaxSamples) {
        samples_.pop_front();
        placeRun(0);
        staleBeforeMs_ = std::max(staleBeforeMs_, samples_.front().at);
    }
}

void ChannelTrace::setNow(std::int64_t ms) {
    now_ = ms;
    dropOld();
    if (slotTile_.empty() || shownColumn_ == kNoTile) {
        update();  // not painted yet, or too small to show lines
        return;
    }
    const bool stale = staleAfterMs_ != std::numeric_limits<double>::infinity() ||
                       staleBeforeMs_ != -std::numeric_limits<double>::infinity();
    // Scrolled by a pixel with a line anywhere in view before or after: the picture moves.
    // Without lines in view, the empty grid stays as it is.
    const std::int64_t column = nowColumn();
    const auto width = static_cast<std::int64_t>(plot_.width());
    const bool moved =
        column != shownColumn_ && !samples_.empty() &&
        samples_.back().at * xPerMs_ >=
            static_cast<double>(std::min(column, shownColumn_) - width - 2 * kTileWidth);
    // Only the rows where lines are, or were at the last paint, change.
    if (stale || moved)
        update(lineBands() | shownBands_);
}

// The samples placed from `fromMs` to `toMs` on the time axis, and one on either side: every
// sample whose line reaches into that span.
std::pair<ChannelTrace::SampleIt, ChannelTrace::SampleIt> ChannelTrace::samplesAround(
    double fromMs, double toMs) const {
    auto begin = std::lower_bound(samples_.begin(), samples_.end(), fromMs,
                                  [](const Sample& sample, double ms) { return sample.at < ms; });
    auto end = std::upper_bound(begin, samples_.end(), toMs,
                                [](double ms, const Sample& sample) { return ms < sample.at; });
    if (begin != samples_.begin())
        --begin;
    if (end != samples_.end())
        ++end;
    return {begin, end};
}

QRegion ChannelTrace::lineBands() const {
    // For each channel, the rows between its lowest and highest value in view, with a row
    // more for its second line and one on either side for the antialiasing.
    if (bandsValid_ && bandsColumn_ == nowColumn())
        return bands_;
    bandsValid_ = true;
    bandsColumn_ = nowColumn();
    QRegion& bands = bands_;
    bands = QRegion();
    if (samples_.empty() || slotTile_.empty())
        return bands;
    const auto column = static_cast<double>(bandsColumn_);
    const double fromMs = (column - plot_.width() - 3.0) / xPerMs_;
    const double toMs = (column + 3.0) / xPerMs_;
    const auto [begin, end] = samplesAround(fromMs, toMs);
    if (begin == end)
        return bands;
    std::array<int, 6> low = begin->values;
    std::array<int, 6> high = begin->values;
    for (auto it = begin; it != end; ++it) {
        for (std::size_t c = 0; c < 6; ++c) {
            low[c] = std::min(low[c], it->values[c]);
            high[c] = std::max(high[c], it->values[c]);
        }
    }
    const QRect plot = plot_.toAlignedRect();
    for (std::size_t c = 0; c < 6; ++c) {
        const auto top = static_cast<int>(std::floor(yOf(channelPercent(high[c])))) - 2;
        const auto bottom = static_cast<int>(std::ceil(yOf(channelPercent(low[c])))) + 3;
        bands |= QRect(plot.left(), top, plot.width(), bottom - top) & plot;
    }
    return bands;
}

void ChannelTrace::clear() {
    samples_.clear();
    bandsValid_ = false;
    invalidateTiles();
    shownBands_ = {};
    update();
}

void ChannelTrace::dropOld() {
    // Keep one sample left of the edge, so the lines run to the edge instead of stopping short.
    bool dropped = false;
    while (samples_.size() > 1 && samples_[1].ms < now_ - kSpanMs) {
        samples_.pop_front();
        dropped = true;
    }
    if (dropped) {
        bandsValid_ = false;
        placeRun(0);
        staleBeforeMs_ = std::max(staleBeforeMs_, samples_.front().at);
    }
}

void ChannelTrace::placeRun(std::size_t last) {
    // Frames that waited in the line's buffer arrive together and carry one time; drawn at it,
    // every line would climb in steps. Each run of equal times is spread evenly over the time
    // since the run before it (at most kMaxSpreadMs), which is when those frames were sent.
    if (last >= samples_.size())
        return;
    const std::int64_t ms = samples_[last].ms;
    std::size_t begin = last;
    while (begin > 0 && samples_[begin - 1].ms == ms)
        --begin;
    std::size_t end = last + 1;
    while (end < samples_.size() && samples_[end].ms == ms)
        ++end;
    const auto at = static_cast<double>(ms);
    const double before = begin == 0 ? at : static_cast<double>(samples_[begin - 1].ms);
    const double span = std::min(at - before, kMaxSpreadMs);
    const auto count = static_cast<double>(end - begin);
    for (std::size_t j = begin; j < end; ++j)
        samples_[j].at = at - span * (static_cast<double>(end - 1 - j) / count);
}

void ChannelTrace::invalidateTiles() {
    std::fill(slotTile_.begin(), slotTile_.end(), kNoTile);
    staleAfterMs_ = std::numeric_limits<double>::infinity();
    staleBeforeMs_ = -std::numeric_limits<double>::infinity();
}

std::int64_t ChannelTrace::nowColumn() const {
    // Whole columns, so that the tiles move by whole pixels; rounded up, so the newest sample
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
    const int labelWidth =
        std::max(
            metrics.horizontalAdvance(tr("%1 %", "a percentage").arg(-100)),
            metrics.horizontalAdvance(tr("%1 %", "a percentage").arg(QStringLiteral("+100")))) +
        8;
    // Room above for half a label, below for the seconds.
    plot_ = QRectF(area.left() + labelWidth, area.top() + metrics.height() / 2.0,
                   area.width() - labelWidth - 6, area.height() - metrics.height() * 1.5 - 4.0);
    slotTile_.clear();
    bandsValid_ = false;
    if (plot_.width() < 2 || plot_.height() < 2)
        return;
    const double xPerMs = plot_.width() / static_cast<double>(kSpanMs);
    xPerMs_ = xPerMs;
    // Enough slots for every tile the plot shows at once, plus one coming in at the right.
    tilesTop_ = static_cast<int>(std::floor(plot_.top()));
    tilesHeight_ = static_cast<int>(std::ceil(plot_.bottom())) + 2 - tilesTop_;
    const auto slotCount = static_cast<int>(plot_.width()) / kTileWidth + 3;
    tiles_ = QImage(QSize(slotCount * kTileWidth, tilesHeight_) * ratio,
                    QImage::Format_ARGB32_Premultiplied);
    tiles_.setDevicePixelRatio(ratio);
    slotTile_.assign(static_cast<std::size_t>(slotCount), kNoTile);
    bandsValid_ = false;
    invalidateTiles();

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

namespace {

// Division and remainder that round towards minus infinity, for columns before time 0.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

}  // namespace

void ChannelTrace::paintEvent(QPaintEvent*) {
    // The grid and its labels change only with the size, font or colours: drawn once, then
    // copied. The lines are copied from their tiles, and only tiles with new data are drawn.
    if (backgroundFor_.size != size() || backgroundFor_.font != font() ||
        backgroundFor_.palette != palette()) {
        renderBackground();
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
    if (slotTile_.empty())
        return;

    const std::int64_t column = nowColumn();
    shownColumn_ = column;
    const auto slotCount = static_cast<std::int64_t>(slotTile_.size());
    const std::int64_t staleAfter =
        staleAfterMs_ == std::numeric_limits<double>::infinity()
            ? std::numeric_limits<std::int64_t>::max()
            : static_cast<std::int64_t>(std::floor(staleAfterMs_ * xPerMs_)) - 2;
    const std::int64_t staleBefore =
        staleBeforeMs_ == -std::numeric_limits<double>::infinity()
            ? std::numeric_limits<std::int64_t>::min()
            : static_cast<std::int64_t>(std::ceil(staleBeforeMs_ * xPerMs_)) + 2;
    for (std::int64_t& tile : slotTile_) {
        if (tile != kNoTile &&
            ((tile + 1) * kTileWidth > staleAfter || tile * kTileWidth <= staleBefore)) {
            tile = kNoTile;
        }
    }
    staleAfterMs_ = std::numeric_limits<double>::infinity();
    staleBeforeMs_ = -std::numeric_limits<double>::infinity();

    // The tiles in view: the plot's columns are column - width .. column.
    const auto width = static_cast<std::int64_t>(plot_.width());
    const std::int64_t firstTile = floorDiv(column - width - 1, kTileWidth);
    const std::int64_t lastTile = floorDiv(column, kTileWidth);
    auto slotOf = [slotCount](std::int64_t tile) {
        return static_cast<std::size_t>(((tile % slotCount) + slotCount) % slotCount);
    };
    std::vector<std::pair<std::int64_t, std::size_t>> toDraw;
    for (std::int64_t tile = firstTile; tile <= lastTile; ++tile) {
        if (const std::size_t slot = slotOf(tile); slotTile_[slot] != tile)
            toDraw.emplace_back(tile, slot);
    }
    if (!toDraw.empty()) {
        // Each tile starts transparent: at whole device pixels a plain clear of its columns,
        // else through the painter.
        const qreal ratio = tiles_.devicePixelRatio();
        const bool wholePixels = ratio == std::floor(ratio);
        if (wholePixels) {
            const auto deviceTile = static_cast<std::size_t>(kTileWidth * ratio);
            uchar* bits = tiles_.bits();  // once: scanLine() checks for sharing on every call
            const auto stride = static_cast<std::size_t>(tiles_.bytesPerLine());
            for (const auto& [tile, slot] : toDraw) {
                for (int y = 0; y < tiles_.height(); ++y) {
                    auto* line =
                        reinterpret_cast<QRgb*>(bits + stride * static_cast<std::size_t>(y));
                    std::fill_n(line + slot * deviceTile, deviceTile, QRgb(0));
                }
            }
        }
        QPainter tilePainter(&tiles_);
        tilePainter.setRenderHint(QPainter::Antialiasing);
        for (const auto& [tile, slot] : toDraw) {
            renderTile(tilePainter, tile, slot, !wholePixels);
            slotTile_[slot] = tile;
        }
    }

    shownBands_ = lineBands();

    // Copy them in as few pieces as the ring allows: one, or two where it wraps.
    painter.setClipRect(plot_);
    const qreal ratio = tiles_.devicePixelRatio();
    std::int64_t tile = firstTile;
    while (tile <= lastTile) {
        const std::size_t slot = slotOf(tile);
        const std::int64_t run =
            std::min(lastTile - tile + 1, slotCount - static_cast<std::int64_t>(slot));
        const double x = plot_.right() - static_cast<double>(column - tile * kTileWidth);
        const auto runWidth = static_cast<double>(run * kTileWidth);
        painter.drawImage(QRectF(x, tilesTop_, runWidth, tilesHeight_), tiles_,
                          QRectF(static_cast<double>(slot) * kTileWidth * ratio, 0,
                                 runWidth * ratio, tilesHeight_ * ratio));
        tile += run;
    }
}

void ChannelTrace::renderTile(QPainter& painter, std::int64_t tile, std::size_t slot, bool clear) {
    // A tile depends on nothing but the samples and the plot's size: wherever it lies in the
    // ring and whenever it is drawn, it comes out the same.
    const QRect area(static_cast<int>(slot) * kTileWidth, 0, kTileWidth, tilesHeight_);
    painter.setClipRect(area);
    if (clear) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(area, Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }

    // The samples whose lines can reach into the tile: those within it and a column around
    // it, and one on either side.
    const auto left = static_cast<double>(tile * kTileWidth);
    const double fromMs = (left - 2.0) / xPerMs_;
    const double toMs = (left + kTileWidth + 2.0) / xPerMs_;
    const auto [begin, end] = samplesAround(fromMs, toMs);
    if (end - begin < 2)
        return;

    painter.save();
    painter.translate(area.left(), -tilesTop_);
    for (std::size_t channel = 0; channel < 6; ++channel) {
        points_.clear();
        for (auto it = begin; it != end; ++it)
            points_.append(
                QPointF(it->at * xPerMs_ - left, yOf(channelPercent(it->values[channel]))));
        // Two one-pixel lines, one a pixel below the other: as easy to see as a line two
        // pixels wide, and they take the painter's fast path for thin lines; a wide pen costs
        // it many times more.
        painter.setPen(pens_[channel]);
        painter.drawPolyline(points_.constData(), static_cast<int>(points_.size()));
        painter.translate(0, 1);
        painter.drawPolyline(points_.constData(), static_cast<int>(points_.size()));
        painter.translate(0, -1);
    }
    painter.restore();
}

}  // namespace pelorin
