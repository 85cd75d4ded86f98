// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/livedisplay.h"

#include <QBackingStore>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <cstdint>
#include <utility>

namespace pelorin {

namespace {

constexpr int kUnitsAcross = 1024;  // channel units that span about the display's width
constexpr int kOuterMarker = 420;   // marker lines at +-420 and +-400 units
constexpr int kInnerMarker = 400;
constexpr int kRowPitch = 18;         // each channel's box starts 18 rows below the previous
constexpr int kBoxBottom = 15;        // the box spans rows y .. y + 15
constexpr int kBarRows = 15;          // the bar and the centre line span rows y .. y + 14
constexpr QRgb kInk = qRgb(0, 0, 0);  // every line is solid black, one pixel wide

// A pen on an RGB32 image: a current position, and lines from it that stop one pixel short of
// their end point, which then becomes the current position. The display only draws horizontal
// and vertical lines. Whatever falls outside `area` (a rectangle within the image) is clipped.
class Pen {
public:
    // Takes the pixels once: every QImage::scanLine() call would check for sharing again.
    Pen(QImage& image, const QRect& area)
        : bits_(image.bits()),
          stride_(image.bytesPerLine()),
          left_(area.left()),
          top_(area.top()),
          right_(area.right()),
          bottom_(area.bottom()) {}

    void moveTo(int x, int y) {
        x_ = x;
        y_ = y;
    }

    void lineTo(int x, int y) {
        if (y == y_ && x != x_) {
            // Columns from x_ toward x, without x itself.
            const int first = x > x_ ? x_ : x + 1;
            const int last = x > x_ ? x - 1 : x_;
            horizontal(y_, first, last);
        } else if (x == x_ && y != y_) {
            const int first = y > y_ ? y_ : y + 1;
            const int last = y > y_ ? y - 1 : y_;
            vertical(x_, first, last);
        }
        moveTo(x, y);
    }

private:
    void horizontal(int y, int first, int last) {
        if (y < top_ || y > bottom_)
            return;
        first = std::max(first, left_);
        last = std::min(last, right_);
        if (first > last)
            return;
        QRgb* row = pixelRow(y);
        std::fill(row + first, row + last + 1, kInk);
    }

    void vertical(int x, int first, int last) {
        if (x < left_ || x > right_)
            return;
        first = std::max(first, top_);
        last = std::min(last, bottom_);
        for (int y = first; y <= last; ++y)
            pixelRow(y)[x] = kInk;
    }

    QRgb* pixelRow(int y) const { return reinterpret_cast<QRgb*>(bits_ + stride_ * y); }

    uchar* bits_;
    qsizetype stride_;
    int left_;
    int top_;
    int right_;
    int bottom_;
    int x_ = 0;
    int y_ = 0;
};

}  // namespace

int displayScaleDivisor(int width) {
    if (width <= 0 || width > kUnitsAcross)
        return 1;
    return kUnitsAcross / width;
}

int displayOffset(int value, int width) {
    if (width > kUnitsAcross) {
        return static_cast<int>(static_cast<long long>(value) * width / kUnitsAcross);
    }
    return value / displayScaleDivisor(width);
}

void renderChannelDisplay(QImage& image, const std::array<int, 6>& channels, const QRect& area) {
    const int w = image.width();
    const int h = image.height();
    const QRect clip = area.isNull() ? image.rect() : area.intersected(image.rect());
    if (clip.isEmpty())
        return;
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);

    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row + clip.left(), row + clip.right() + 1, kDisplayBackground);
    }
    Pen pen(image, clip);
    const int c = w / 2;

    for (const int marker :
         {c + displayOffset(kOuterMarker, w), c - displayOffset(kOuterMarker, w),
          c + displayOffset(kInnerMarker, w), c - displayOffset(kInnerMarker, w)}) {
        pen.moveTo(marker, 0);
        pen.lineTo(marker, h);
    }

    for (int i = 0; i < static_cast<int>(channels.size()); ++i) {
        const int y = kRowPitch * i;
        pen.moveTo(0, y);
        pen.lineTo(w - 1, y);
        pen.lineTo(w - 1, y + kBoxBottom);
        pen.lineTo(0, y + kBoxBottom);
        pen.lineTo(0, y);

        pen.moveTo(c, y);
        pen.lineTo(c, y + kBoxBottom);

        const int d = displayOffset(channels[static_cast<std::size_t>(i)], w);
        for (int k = 0; k < kBarRows; ++k) {
            pen.moveTo(c, y + k);
            pen.lineTo(c + d, y + k);
        }
    }
}

ChannelDisplay::ChannelDisplay(ChannelSource channels, QWidget* parent)
    : QWidget(parent), channels_(std::move(channels)) {
    // Every pixel is painted, so the background need not be erased before a paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    deferred_.setSingleShot(true);
    // The interval is short: a coarse timer could hold news back for most of another one.
    deferred_.setTimerType(Qt::PreciseTimer);
    connect(&deferred_, &QTimer::timeout, this, &ChannelDisplay::repaintIfChanged);
}

void ChannelDisplay::setFollowing(bool following) {
    following_ = following;
    if (!following)
        deferred_.stop();
}

ChannelDisplay::BarLengths ChannelDisplay::barLengths(const std::array<int, 6>& channels,
                                                      int width) {
    BarLengths lengths{};
    for (std::size_t i = 0; i < lengths.size(); ++i)
        lengths[i] = displayOffset(channels[i], width);
    return lengths;
}

void ChannelDisplay::showNews() {
    if (!following_)
        return;
    const qint64 since = sinceRepaint_.isValid() ? sinceRepaint_.elapsed() : -1;
    if (since >= 0 && since < kDisplayRepaintIntervalMs) {
        // Held back. On a busy line the first news after the interval draws it, with the
        // newest values and no wake-up of its own; the timer is for a line that falls quiet.
        if (!deferred_.isActive()) {
            deferred_.start(static_cast<int>(kDisplayRepaintIntervalMs - since) +
                            kDisplayRepaintIntervalMs / 2);
        }
        return;
    }
    deferred_.stop();
    repaintIfChanged();
}

QRegion ChannelDisplay::changedArea(const BarLengths& from, const BarLengths& to) const {
    const int c = width() / 2;
    QRegion area;
    for (std::size_t i = 0; i < from.size(); ++i) {
        if (from[i] == to[i])
            continue;
        // A bar covers the columns from the centre up to its end; the ones that differ lie
        // between the two ends (the centre among them when the bar changes sides).
        const int left = c + std::min(from[i], to[i]);
        const int right = c + std::max(from[i], to[i]);
        area += QRect(left, kRowPitch * static_cast<int>(i), right - left + 1, kBarRows);
    }
    // Bars longer than half the width end outside the display.
    return area.intersected(rect());
}

void ChannelDisplay::repaintIfChanged() {
    if (!following_)
        return;
    QRegion changed = rect();
    if (shown_ && shownWidth_ == width())
        changed = changedArea(barLengths(*shown_, width()), barLengths(channels_(), width()));
    if (changed.isEmpty())
        return;
    sinceRepaint_.start();
    // At once, not at the next turn of the event loop: what is drawn is what the area was
    // worked out from, and no wake-up is needed for it.
    if (!drawOntoScreen(changed))
        repaint(changed);
    emit newsShown();
}

bool ChannelDisplay::drawOntoScreen(const QRegion& changed) {
    QWidget* top = window();
    QWindow* handle = top->windowHandle();
    QBackingStore* store = backingStore();
    if (!isVisible() || !updatesEnabled() || handle == nullptr || !handle->isExposed() ||
        store == nullptr || store->window() != handle || devicePixelRatio() != 1.0)
        return false;
    const QPoint offset = mapTo(top, QPoint());
    const QRegion area = changed.translated(offset);
    store->beginPaint(area);
    // The window's pixels, as 32-bit words that hold the same opaque colours as frame_.
    auto* pixels = dynamic_cast<QImage*>(store->paintDevice());
    const bool usable = pixels != nullptr && pixels->devicePixelRatio() == 1.0 &&
                        (pixels->format() == QImage::Format_RGB32 ||
                         pixels->format() == QImage::Format_ARGB32_Premultiplied ||
                         pixels->format() == QImage::Format_ARGB32);
    if (usable) {
        shown_ = channels_();
        shownWidth_ = width();
        uchar* bits = pixels->bits();
        for (const QRect& rect : changed) {
            renderFrame(rect);
            const QRect target = rect.translated(offset).intersected(pixels->rect());
            for (int y = target.top(); y <= target.bottom(); ++y) {
                const auto* from =
                    reinterpret_cast<const QRgb*>(frame_.constScanLine(y - offset.y())) +
                    (target.left() - offset.x());
                auto* to = reinterpret_cast<QRgb*>(bits + pixels->bytesPerLine() * y);
                std::copy(from, from + target.width(), to + target.left());
            }
        }
    }
    store->endPaint();
    if (usable)
        store->flush(area, handle);
    return usable;
}

void ChannelDisplay::renderFrame(const QRect& area) {
    if (frame_.size() != size())
        frame_ = QImage(size(), QImage::Format_RGB32);
    renderChannelDisplay(frame_, *shown_, area);
}

void ChannelDisplay::paintEvent(QPaintEvent* event) {
    // Newer values than the screen shows are drawn when the paint reaches every pixel they
    // change; a paint of some other part (one the window system asked for) draws what the
    // rest of the screen shows, so that the two agree.
    const std::array<int, 6>& newest = channels_();
    if (!shown_ || shownWidth_ != width() ||
        changedArea(barLengths(*shown_, width()), barLengths(newest, width()))
            .subtracted(event->region())
            .isEmpty()) {
        shown_ = newest;
        shownWidth_ = width();
    }
    QPainter painter(this);
    for (const QRect& rect : event->region()) {
        renderFrame(rect);
        painter.drawImage(rect.topLeft(), frame_, rect);
    }
}

}  // namespace pelorin
