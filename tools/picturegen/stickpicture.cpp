// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>

#include "tools/picturegen/paintkit.h"
#include "tools/picturegen/pictures.h"

namespace picturegen {

namespace {

enum class Function { Throttle, Elevator, Aileron, Rudder };

struct StickLayout {
    Function leftVertical;
    Function leftHorizontal;
    Function rightVertical;
    Function rightHorizontal;
};

// Which function each stick axis has in modes 1..4.
constexpr std::array<StickLayout, 4> kLayouts{{
    {Function::Elevator, Function::Rudder, Function::Throttle, Function::Aileron},
    {Function::Throttle, Function::Rudder, Function::Elevator, Function::Aileron},
    {Function::Elevator, Function::Aileron, Function::Throttle, Function::Rudder},
    {Function::Throttle, Function::Aileron, Function::Elevator, Function::Rudder},
}};

QString name(Function f) {
    switch (f) {
        case Function::Throttle:
            return QStringLiteral("Throttle");
        case Function::Elevator:
            return QStringLiteral("Elevator");
        case Function::Aileron:
            return QStringLiteral("Aileron");
        case Function::Rudder:
            return QStringLiteral("Rudder");
    }
    return {};
}

// One colour per function, the same in every mode, so a function is easy to follow from
// picture to picture.
QColor colour(Function f) {
    switch (f) {
        case Function::Throttle:
            return QColor(0xc0, 0x39, 0x2b);
        case Function::Elevator:
            return QColor(0x1f, 0x5f, 0xbf);
        case Function::Aileron:
            return QColor(0x1e, 0x84, 0x49);
        case Function::Rudder:
            return QColor(0x8e, 0x44, 0xad);
    }
    return Qt::black;
}

void drawArrowHead(QPainter& p, QPointF tip, QPointF direction, const QColor& c) {
    const QPointF side(-direction.y(), direction.x());
    QPolygonF head;
    head << tip << tip - direction * 5.0 + side * 3.5 << tip - direction * 5.0 - side * 3.5;
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(head);
}

// A gimbal: the square travel area, the stick's two axes as double arrows in the colour of
// their function, the stick knob in the middle, and the two function names.
void drawStick(QPainter& p, QPoint centre, Function vertical, Function horizontal,
               const QString& where) {
    constexpr int kHalf = 20;
    const QRect travel(centre.x() - kHalf, centre.y() - kHalf, 2 * kHalf, 2 * kHalf);

    p.setPen(QPen(QColor(0x55, 0x5f, 0x6b), 1));
    p.setBrush(QColor(0xfb, 0xfc, 0xfd));
    p.drawRoundedRect(QRectF(travel).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);

    const QPointF c(centre.x() + 0.5, centre.y() + 0.5);
    constexpr double kReach = kHalf - 3.0;
    const QColor vc = colour(vertical);
    const QColor hc = colour(horizontal);
    p.setPen(QPen(vc, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(c.x(), c.y() - kReach + 4), QPointF(c.x(), c.y() + kReach - 4));
    drawArrowHead(p, QPointF(c.x(), c.y() - kReach), QPointF(0, -1), vc);
    drawArrowHead(p, QPointF(c.x(), c.y() + kReach), QPointF(0, 1), vc);
    p.setPen(QPen(hc, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(c.x() - kReach + 4, c.y()), QPointF(c.x() + kReach - 4, c.y()));
    drawArrowHead(p, QPointF(c.x() - kReach, c.y()), QPointF(-1, 0), hc);
    drawArrowHead(p, QPointF(c.x() + kReach, c.y()), QPointF(1, 0), hc);

    p.setPen(QPen(QColor(0x22, 0x22, 0x22), 1));
    p.setBrush(QColor(0x3a, 0x40, 0x48));
    p.drawEllipse(c, 4.5, 4.5);

    // Vertical function above the gimbal, horizontal function below it.
    p.setFont(font(11, true));
    p.setPen(vc);
    const QRect above(centre.x() - 36, travel.top() - 16, 72, 14);
    drawFittedText(p, above, Qt::AlignHCenter | Qt::AlignBottom, name(vertical),
                   where + QStringLiteral(" vertical"));
    p.setPen(hc);
    const QRect below(centre.x() - 36, travel.bottom() + 3, 72, 14);
    drawFittedText(p, below, Qt::AlignHCenter | Qt::AlignTop, name(horizontal),
                   where + QStringLiteral(" horizontal"));
}

}  // namespace

QImage drawStickPicture(int mode) {
    QImage image(kStickPictureSize, QImage::Format_RGB32);
    image.fill(QColor(0xf0, 0xf0, 0xf0));
    const StickLayout& layout = kLayouts.at(static_cast<std::size_t>(mode - 1));
    const QString where = QStringLiteral("stick%1").arg(mode);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The transmitter's face.
    const QRectF body(1.5, 1.5, kStickPictureSize.width() - 3.0, kStickPictureSize.height() - 3.0);
    p.setPen(QPen(QColor(0x5b, 0x6b, 0x7b), 1));
    p.setBrush(QColor(0xe2, 0xe7, 0xed));
    p.drawRoundedRect(body, 10, 10);

    const int midY = kStickPictureSize.height() / 2;
    drawStick(p, QPoint(35, midY), layout.leftVertical, layout.leftHorizontal,
              where + QStringLiteral(" left"));
    drawStick(p, QPoint(kStickPictureSize.width() - 35, midY), layout.rightVertical,
              layout.rightHorizontal, where + QStringLiteral(" right"));

    // The mode number between the sticks.
    p.setPen(QColor(0x3a, 0x40, 0x48));
    p.setFont(font(9));
    drawFittedText(p, QRect(59, midY - 16, 32, 11), Qt::AlignCenter, QStringLiteral("MODE"),
                   where + QStringLiteral(" caption"));
    p.setFont(font(16, true));
    drawFittedText(p, QRect(59, midY - 5, 32, 19), Qt::AlignCenter, QString::number(mode),
                   where + QStringLiteral(" number"));
    return image;
}

}  // namespace picturegen
