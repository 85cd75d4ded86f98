// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The monitor's trace: the last ten seconds of the six channels as lines over time, one colour
// per channel, on a scale of -125 % .. +125 % (100 % is 512 units from the centre).

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QPen>
#include <QPixmap>
#include <QPointF>
#include <QRegion>
#include <QVector>
#include <QWidget>

#include <array>
#include <cstdint>
#include <deque>
#include <limits>
#include <utility>
#include <vector>

namespace pelorin {

// The channels' colours, from Okabe and Ito's palette for readers with any kind of colour
// vision (its yellow is left out: it vanishes on white).
[[nodiscard]] QColor channelColour(int channel);

// A channel value (word - 1512) as a percentage of 512.
[[nodiscard]] constexpr double channelPercent(int value) {
    return value * 100.0 / 512.0;
}

class ChannelTrace : public QWidget {
    Q_OBJECT

public:
    static constexpr std::int64_t kSpanMs = 10000;
    static constexpr double kScalePercent = 125.0;  // the top edge; the bottom is its negative

    explicit ChannelTrace(QWidget* parent = nullptr);

    // One frame's channel values (word - 1512) at `ms` on the caller's clock. A time before the
    // previous sample's counts as the previous sample's.
    void addSample(std::int64_t ms, const std::array<int, 6>& values);
    // The time at the right edge; older samples scroll left and out. Repaints only when the
    // picture moves by a pixel or has new lines.
    void setNow(std::int64_t ms);
    void clear();
    [[nodiscard]] std::size_t sampleCount() const { return samples_.size(); }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Sample {
        std::int64_t ms = 0;
        std::array<int, 6> values{};
        double at = 0;  // where on the time axis it is drawn (see placeRun())
    };
    void dropOld();
    void placeRun(std::size_t last);
    void renderBackground();
    [[nodiscard]] double yOf(double percent) const;
    [[nodiscard]] std::int64_t nowColumn() const;
    void invalidateTiles();
    void renderTile(QPainter& painter, std::int64_t tile, std::size_t slot, bool clear);
    [[nodiscard]] QRegion lineBands() const;
    using SampleIt = std::deque<Sample>::const_iterator;
    [[nodiscard]] std::pair<SampleIt, SampleIt> samplesAround(double fromMs, double toMs) const;

    // More samples than any real line delivers in ten seconds; beyond it the oldest go.
    static constexpr std::size_t kMaxSamples = 8192;
    static constexpr double kMaxSpreadMs = 250.0;
    // The lines are kept as tiles of this many columns of the time axis, each drawn from the
    // samples alone; scrolling moves the tiles, and only the tiles new data touches are drawn.
    static constexpr int kTileWidth = 8;
    static constexpr std::int64_t kNoTile = std::numeric_limits<std::int64_t>::min();

    std::deque<Sample> samples_;
    std::int64_t now_ = 0;
    QPixmap background_;  // the grid and its labels
    struct {
        QSize size;
        QFont font;
        QPalette palette;
    } backgroundFor_;
    QRectF plot_;  // where the lines go, inside the labels
    double xPerMs_ = 0;
    // The tiles: a ring of slots in one transparent image, column c of the time axis (ms times
    // xPerMs_) in tile c / kTileWidth, tile t in slot t modulo the slot count.
    QImage tiles_;
    int tilesTop_ = 0;     // the widget row of the image's first row
    int tilesHeight_ = 0;  // in logical pixels
    std::vector<std::int64_t> slotTile_;
    // Tiles that reach right of this time, or left of the second, must be drawn again.
    double staleAfterMs_ = std::numeric_limits<double>::infinity();
    double staleBeforeMs_ = -std::numeric_limits<double>::infinity();
    std::int64_t shownColumn_ = kNoTile;  // nowColumn() at the last paint
    QRegion shownBands_;                  // lineBands() at the last paint
    mutable QRegion bands_;               // lineBands(), kept until a sample or the time moves
    mutable bool bandsValid_ = false;
    mutable std::int64_t bandsColumn_ = 0;
    std::array<QPen, 6> pens_;
    QVector<QPointF> points_;  // reused: one channel's line in one tile
};

}  // namespace pelorin
