// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing a pixel-exact view in the screen's own pixels. At a fractional scale (1.25, 1.5) a
// widget can start in the middle of a screen pixel, and Qt rounds each logical rectangle on its
// own: one-pixel lines come out one or two screen pixels thick, or fall outside the widget and
// vanish. A DevicePixels grid turns the painter to whole screen pixels, (0, 0) the first pixel
// the widget covers, and maps the view's logical pixels onto them: every boundary on a whole
// pixel, every line equally thick, the first and last rows and columns inside.

#include <QSize>
#include <QtGlobal>

class QPainter;

namespace pelorin {

class DevicePixels {
public:
    // Turns `painter`, whose world transform is the identity, to device pixels for a view of
    // `logical` size. At a device pixel ratio of 1 nothing changes and every mapping is the
    // identity.
    DevicePixels(QPainter& painter, QSize logical);

    [[nodiscard]] qreal ratio() const { return ratio_; }
    // The device pixels the view covers.
    [[nodiscard]] QSize size() const { return device_; }
    // How thick a line one logical pixel wide is drawn: the whole device pixels of one logical
    // pixel, at least one.
    [[nodiscard]] int line() const { return line_; }
    // The boundary before logical column (row) v; size() for v at the logical width (height).
    [[nodiscard]] int edgeX(qint64 v) const { return edge(v, logical_.width(), device_.width()); }
    [[nodiscard]] int edgeY(qint64 v) const { return edge(v, logical_.height(), device_.height()); }
    // The first device column (row) of a line along logical column (row) v, centred on it.
    [[nodiscard]] qint64 lineX(qint64 v) const {
        return lineAt(v, logical_.width(), device_.width());
    }
    [[nodiscard]] qint64 lineY(qint64 v) const {
        return lineAt(v, logical_.height(), device_.height());
    }

private:
    [[nodiscard]] static int edge(qint64 v, int logical, int device);
    [[nodiscard]] qint64 lineAt(qint64 v, int logical, int device) const;

    qreal ratio_ = 1;
    QSize logical_;
    QSize device_;
    int line_ = 1;
};

}  // namespace pelorin
