// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The live channel display: six horizontal bars that grow left or right of a centre line,
// drawn from the channel values of the last good LiveChannelFrame.

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

namespace pelorin {

// Background of the display area.
inline constexpr QRgb kDisplayBackground = qRgb(74, 225, 82);

// Channel units per pixel for a display `width` pixels wide, so that about 1024 units span the
// display: 1024 / width for widths up to 1024. Wider displays get more than one pixel per unit;
// see displayOffset().
[[nodiscard]] int displayScaleDivisor(int width);

// A channel value (or a marker position) in pixels from the centre column, truncated toward
// zero. Up to 1024 pixels this is value / (1024 / width), the coarse integer scale the display
// has always used; beyond that, where 1024 / width would be 0, it is value * width / 1024, which
// continues the same proportion (both give the value itself at exactly 1024 pixels).
[[nodiscard]] int displayOffset(int value, int width);

// Draws the whole display into `image` (any size, format RGB32): background, the four marker
// lines at +-420 and +-400 units, and for each channel its box, centre line and bar. Lines are
// drawn the way the display's lines have always been drawn: from the start point up to, but not
// including, the end point. Given an `area`, only the pixels inside it are drawn, just as the
// whole drawing has them; the rest of the image is left as it is.
void renderChannelDisplay(QImage& image, const std::array<int, 6>& channels,
                          const QRect& area = QRect());

// The display repaints at most once per this many milliseconds; news that comes sooner is
// drawn with the first news after the interval, or half an interval later if none comes.
inline constexpr int kDisplayRepaintIntervalMs = 10;

// Control 1000 of the main window. Paints itself from `channels`; the image is composed
// off-screen and copied, and the widget paints every pixel, so nothing is erased first and
// nothing flickers.
//
// It repaints on news, not on a clock: showNews() after new values repaints only when they
// change what the display shows (the bar lengths in pixels), and then at once if the last
// repaint is an interval ago, else later (see kDisplayRepaintIntervalMs). Only the bars that
// changed are drawn, and of each only the columns between its old and new end, straight into
// the window's pixels. While nothing changes the display does no work at all.
class ChannelDisplay : public QWidget {
    Q_OBJECT

public:
    using ChannelSource = std::function<const std::array<int, 6>&()>;
    explicit ChannelDisplay(ChannelSource channels, QWidget* parent = nullptr);

    // Whether news is drawn; the main window follows from its initialisation until it closes.
    void setFollowing(bool following);
    [[nodiscard]] bool following() const { return following_; }

public slots:
    // The channel source holds new values.
    void showNews();

signals:
    // The screen shows news now; after at most one repaint interval, news that changed what
    // the display shows leads to this once.
    void newsShown();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    using BarLengths = std::array<int, 6>;
    [[nodiscard]] static BarLengths barLengths(const std::array<int, 6>& channels, int width);
    void repaintIfChanged();
    // Draws the newest values into the window's backing store where `changed` says and hands
    // that area to the window system, without a paint event: a widget paint passes through
    // the window's whole repaint machinery, which costs several times what the bars do.
    // False, and nothing drawn, where the store is not a plain 32-bit image of the window
    // at one pixel per unit (scaled screens, say) or the window is not on screen.
    bool drawOntoScreen(const QRegion& changed);
    void renderFrame(const QRect& area);  // `area` of frame_, at the widget's size, showing shown_
    // The pixels that differ between bars of `from` and of `to` lengths: for each bar that
    // changed, its rows between its two ends.
    [[nodiscard]] QRegion changedArea(const BarLengths& from, const BarLengths& to) const;

    ChannelSource channels_;
    QImage frame_;  // reused between paints; the area a paint needs is drawn afresh
    bool following_ = false;
    // The values the screen shows, and the width it showed them at.
    std::optional<std::array<int, 6>> shown_;
    int shownWidth_ = -1;
    QElapsedTimer sinceRepaint_;  // since the last repaint
    QTimer deferred_;             // the repaint due when held-back news gets no successor
};

}  // namespace pelorin
