// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The live channel display: six horizontal bars that grow left or right of a centre line,
// drawn from the channel values of the last good LiveChannelFrame.

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

namespace pelorin {

inline constexpr QRgb kDisplayBackground = qRgb(74, 225, 82);

// Channel units per pixel: 1024 / width for displays up to 1024 pixels wide.
[[nodiscard]] int displayScaleDivisor(int width);
// A channel value in pixels from the centre, truncated toward zero: value / (1024 / width),
// and beyond 1024 pixels value * width / 1024, the same proportion without dividing by zero.
[[nodiscard]] int displayOffset(int value, int width);

// The display at `size`: background, markers at +-420 and +-400 units, and each channel's
// box, centre line and bar, in lines that end one pixel short of their end point. On a scaled
// screen each line is drawn in whole device pixels, all equally thick.
void paintChannelDisplay(QPainter& painter, QSize size, const std::array<int, 6>& channels);
// The same into `image`; given an `area`, only the pixels inside it.
void renderChannelDisplay(QImage& image, const std::array<int, 6>& channels,
                          const QRect& area = QRect());

// New values are drawn at most once per interval: with the first ones after it, or half an
// interval later if none comes.
inline constexpr int kDisplayRepaintIntervalMs = 10;

// Control 1000 of the main window. New values repaint only the columns between a bar's old and
// new end; while nothing changes the display does no work at all.
class ChannelDisplay : public QWidget {
    Q_OBJECT

public:
    using ChannelSource = std::function<const std::array<int, 6>&()>;
    explicit ChannelDisplay(ChannelSource channels, QWidget* parent = nullptr);

    // Whether new values are drawn: from the main window's initialisation until it closes.
    void setRunning(bool running) { running_ = running; }
    [[nodiscard]] bool running() const { return running_; }
    // Greys the display under `text`; an empty text shows it as usual.
    void setLineDown(const QString& text);
    [[nodiscard]] const QString& lineDownText() const { return lineDown_; }

public slots:
    void showLiveFrames();  // the channel source holds new values

signals:
    void liveFramesShown();  // a repaint showed changed bars

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void repaintIfChanged();

    ChannelSource channels_;
    std::optional<std::array<int, 6>> shown_;  // what the screen shows, or is about to
    bool repaintAsked_ = false;                // a repaint of new values is asked for
    bool running_ = false;
    QString lineDown_;
    QElapsedTimer sinceRepaint_;
    QTimer deferred_;  // the repaint due when held-back values get no successor
};

}  // namespace pelorin
