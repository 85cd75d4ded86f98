// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The live channel display: six horizontal bars that grow left or right of a centre line,
// drawn from the channel values of the last good LiveChannelFrame.

#include <QColor>
#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QImage;
class QPainter;

namespace pelorin {

// Background of the display area.
inline constexpr QRgb kDisplayBackground = qRgb(74, 225, 82);

// Channel units per pixel for a display `width` pixels wide: 1024 / width up to 1024 pixels.
[[nodiscard]] int displayScaleDivisor(int width);

// A channel value (or a marker position) in pixels from the centre column, truncated toward
// zero: value / (1024 / width) up to 1024 pixels, beyond that value * width / 1024, which
// continues the same proportion where 1024 / width would be 0.
[[nodiscard]] int displayOffset(int value, int width);

// The whole display at `size` (logical pixels): background, the marker lines at +-420 and
// +-400 units, and for each channel its box, centre line and bar. Each line ends one pixel
// short of its end point, as the display has always drawn them.
void paintChannelDisplay(QPainter& painter, QSize size, const std::array<int, 6>& channels);
// The same into `image`; given an `area`, only the pixels inside it.
void renderChannelDisplay(QImage& image, const std::array<int, 6>& channels,
                          const QRect& area = QRect());
// A greyed veil over `area` with one line of text in its middle: the line is down.
void paintLineDown(QPainter& painter, const QRect& area, const QString& text);

// The display repaints at most once per this many milliseconds; news that comes sooner is
// drawn with the first news after the interval, or half an interval later if none comes.
inline constexpr int kDisplayRepaintIntervalMs = 10;

// Control 1000 of the main window. showNews() repaints only the bars whose length in pixels
// changed, and of each only the columns between its old and new end; while nothing changes
// it does no work at all.
class ChannelDisplay : public QWidget {
    Q_OBJECT

public:
    using ChannelSource = std::function<const std::array<int, 6>&()>;
    explicit ChannelDisplay(ChannelSource channels, QWidget* parent = nullptr);

    // Whether news is drawn; the main window follows from its initialisation until it closes.
    void setFollowing(bool following);
    [[nodiscard]] bool following() const { return following_; }
    // Greys the display under `text` (the line is down); an empty text shows it as usual.
    void setLineDown(const QString& text);
    [[nodiscard]] const QString& lineDownText() const { return lineDown_; }

public slots:
    // The channel source holds new values.
    void showNews();

signals:
    // News reached the screen: once per repaint that showed changed bars.
    void newsShown();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void repaintIfChanged();

    ChannelSource channels_;
    std::optional<std::array<int, 6>> shown_;  // what the screen shows, or is about to
    bool newsDue_ = false;                     // a repaint of news is asked for
    bool following_ = false;
    QString lineDown_;
    QElapsedTimer sinceRepaint_;
    QTimer deferred_;  // the repaint due when held-back news gets no successor
};

}  // namespace pelorin
