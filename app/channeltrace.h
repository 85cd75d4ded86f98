// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The monitor's trace: the last ten seconds of the six channels as lines over time, one colour
// per channel, on a scale of -125 % .. +125 % (100 % is 512 units from the centre).

#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <cstdint>
#include <deque>

namespace pelorin {

// Okabe and Ito's colours, apart for any colour vision (without their yellow, pale on white).
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

    // One frame's values (word - 1512) at `ms`; an earlier time counts as the previous one's.
    void addSample(std::int64_t ms, const std::array<int, 6>& values);
    // The time at the right edge; repaints only when the lines move by a pixel or are new.
    void setNow(std::int64_t ms);
    void clear();
    [[nodiscard]] std::size_t sampleCount() const { return samples_.size(); }

    [[nodiscard]] QSize sizeHint() const override { return {520, 260}; }
    [[nodiscard]] QSize minimumSizeHint() const override { return {260, 140}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Sample {
        std::int64_t ms = 0;
        std::array<int, 6> values{};
        double at = 0;  // where on the time axis it is drawn (see placeRun())
    };
    void placeRun(std::size_t last);
    void renderBackground();
    [[nodiscard]] double yOf(double percent) const;
    [[nodiscard]] std::int64_t nowColumn() const;

    static constexpr std::size_t kMaxSamples = 8192;  // more than ten seconds of any real line
    static constexpr double kMaxSpreadMs = 250.0;

    std::deque<Sample> samples_;
    std::int64_t now_ = 0;
    bool newSamples_ = false;               // since the last paint
    std::int64_t shownColumn_ = INT64_MIN;  // nowColumn() at the last paint
    QPixmap background_;  // the grid and its labels, for this size, font and palette
    struct {
        QSize size;
        QFont font;
        QPalette palette;
    } backgroundFor_;
    QRectF plot_;  // where the lines go, inside the labels
    double xPerMs_ = 0;
};

}  // namespace pelorin
