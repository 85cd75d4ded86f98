// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainter>
#include <array>
#include <span>

#include "tools/picturegen/paintkit.h"
#include "tools/picturegen/pictures.h"

namespace picturegen {

namespace {

struct ButtonNote {
    const char* caption;  // the button's caption, as in the main window
    const char* line1;    // what it does, in one or two short lines
    const char* line2;
    bool heliOnly;  // shown only for the helicopter model types
};

constexpr std::array<ButtonNote, 5> kSystemOption{{
    {"GetUser", "get USER1 from", "the transmitter", false},
    {"Setting", "choose the", "serial port", false},
    {"Help", "show this", "picture", false},
    {"Save", "settings to", "a file", false},
    {"Open", "load a file and", "send it", false},
}};

constexpr std::array<ButtonNote, 10> kSystemSetting{{
    {"EndPoint", "servo travel", "left / right", false},
    {"Reverse", "servo direction", "per channel", false},
    {"SubTrim", "centre offset", "per channel", false},
    {"DR", "dual rates", "CH1, CH2, CH4", false},
    {"Mode", "stick mode", "MODEL1 .. 4", false},
    {"Type", "model type", "ACRO / HELI", false},
    {"Thro Cuv", "throttle curve", "NOR and ID", true},
    {"Pitch Cuv", "pitch curve", "NOR and ID", true},
    {"Swash Afr", "swash mixing", "CH1, CH2, CH6", true},
    {"MIX.", "three program", "mixes", false},
}};

constexpr std::array<ButtonNote, 4> kSwitchProgram{{
    {"Switch A", "function: DR,", "ThroCut, NOR/ID", false},
    {"Switch B", "function: DR,", "ThroCut, NOR/ID", false},
    {"VR(A)", "knob function:", "Pith Adjust", false},
    {"VR(B)", "knob function:", "Pith Adjust", false},
}};

const QColor kInk(0x20, 0x24, 0x2a);
const QColor kNoteInk(0x3c, 0x44, 0x4e);
const QColor kFrame(0x8a, 0x93, 0x9e);
const QColor kHeli(0xb3, 0x59, 0x00);

constexpr int kWidth = kHelpPictureSize.width();
constexpr int kMargin = 4;
constexpr int kButtonHeight = 15;
constexpr int kNoteLine = 10;

// A group box as the main window draws it: a thin frame with its title set into the top edge.
void drawGroup(QPainter& p, const QRect& box, const QString& title) {
    p.setPen(QPen(kFrame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(box).adjusted(0.5, 5.5, -0.5, -0.5), 3, 3);
    p.setFont(font(10, true));
    const int textWidth = p.fontMetrics().horizontalAdvance(title) + 6;
    const QRect label(box.left() + 8, box.top(), textWidth, 12);
    p.fillRect(label, QColor(0xf0, 0xf0, 0xf0));
    p.setPen(kInk);
    drawFittedText(p, label, Qt::AlignCenter, title, title);
}

// One row of buttons spread evenly over `row`, each with its note underneath.
void drawButtonRow(QPainter& p, const QRect& row, std::span<const ButtonNote> buttons) {
    const int count = static_cast<int>(buttons.size());
    constexpr int kGap = 4;
    const int width = (row.width() - (count - 1) * kGap) / count;
    const int used = count * width + (count - 1) * kGap;
    int x = row.left() + (row.width() - used) / 2;
    for (const ButtonNote& b : buttons) {
        const QRectF face(x + 0.5, row.top() + 0.5, width - 1.0, kButtonHeight - 1.0);
        QLinearGradient shade(face.topLeft(), face.bottomLeft());
        shade.setColorAt(0, QColor(0xfd, 0xfd, 0xfd));
        shade.setColorAt(1, QColor(0xdc, 0xdf, 0xe3));
        p.setBrush(shade);
        if (b.heliOnly) {
            p.setPen(QPen(kHeli, 1, Qt::DashLine));
        } else {
            p.setPen(QPen(QColor(0x6e, 0x76, 0x80), 1));
        }
        p.drawRoundedRect(face, 2, 2);

        p.setPen(kInk);
        p.setFont(font(10, true));
        drawFittedText(p, QRect(x, row.top(), width, kButtonHeight), Qt::AlignCenter,
                       QString::fromUtf8(b.caption), QString::fromUtf8(b.caption));

        p.setPen(b.heliOnly ? kHeli : kNoteInk);
        p.setFont(font(9));
        const QRect note1(x - 1, row.top() + kButtonHeight + 1, width + 2, kNoteLine);
        drawFittedText(p, note1, Qt::AlignHCenter | Qt::AlignTop, QString::fromUtf8(b.line1),
                       QString::fromUtf8(b.caption));
        drawFittedText(p, note1.translated(0, kNoteLine), Qt::AlignHCenter | Qt::AlignTop,
                       QString::fromUtf8(b.line2), QString::fromUtf8(b.caption));
        x += width + kGap;
    }
}

// The live display in miniature: six channel boxes with a bar from the centre line each,
// on the display's green, labelled CH1..CH6 like the main window.
void drawLiveDisplay(QPainter& p, const QRect& area) {
    constexpr std::array<double, 6> kSample{0.35, -0.55, 0.0, 0.75, -0.2, 0.1};
    constexpr int kRow = 9;
    const QRect display(area.left() + 26, area.top(), area.width() - 26, 6 * kRow - 1);
    p.fillRect(display, QColor(74, 225, 82));
    p.setRenderHint(QPainter::Antialiasing, false);
    const int centre = display.left() + display.width() / 2;
    p.setFont(font(9));
    for (int i = 0; i < 6; ++i) {
        const int y = display.top() + i * kRow;
        p.setPen(kInk);
        drawFittedText(p, QRect(area.left(), y, 24, kRow), Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("CH%1").arg(i + 1), QStringLiteral("channel label"));
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawRect(display.left(), y, display.width() - 1, kRow - 2);
        p.drawLine(centre, y, centre, y + kRow - 2);
        const int length =
            static_cast<int>(kSample[static_cast<std::size_t>(i)] * (display.width() / 2 - 2));
        if (length != 0) {
            const QRect bar = length > 0 ? QRect(centre, y + 2, length, kRow - 5)
                                         : QRect(centre + length, y + 2, -length, kRow - 5);
            p.fillRect(bar, Qt::black);
        }
    }
    p.setRenderHint(QPainter::Antialiasing, true);
}

}  // namespace

QImage drawHelpPicture() {
    QImage image(kHelpPictureSize, QImage::Format_RGB32);
    image.fill(QColor(0xf0, 0xf0, 0xf0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Top: the live bars and what they and the button styles mean.
    drawLiveDisplay(p, QRect(kMargin + 2, 2, 150, 6 * 9));
    const int textLeft = 166;
    const int textWidth = kWidth - textLeft - kMargin;
    p.setFont(font(10));
    p.setPen(kNoteInk);
    const QStringList lines = {
        QStringLiteral("\u2190 CH1..CH6: live channel positions,"),
        QStringLiteral("    the bars follow the sticks."),
        QStringLiteral("Every editor sends the settings to the"),
        QStringLiteral("transmitter when it is closed with OK."),
    };
    int y = 1;
    for (const QString& line : lines) {
        drawFittedText(p, QRect(textLeft, y, textWidth, 12), Qt::AlignLeft | Qt::AlignVCenter, line,
                       QStringLiteral("legend"));
        y += 11;
    }
    p.setPen(kHeli);
    drawFittedText(p, QRect(textLeft, y, textWidth, 12), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Dashed: helicopter types only."), QStringLiteral("legend"));

    // The three groups of buttons, in the main window's order.
    const int groupLeft = kMargin;
    const int groupWidth = kWidth - 2 * kMargin;
    const int inset = 6;
    const int rowWidth = groupWidth - 2 * inset;
    const int rowHeight = kButtonHeight + 1 + 2 * kNoteLine;

    int top = 58;
    int height = 12 + rowHeight + 2;
    drawGroup(p, QRect(groupLeft, top, groupWidth, height), QStringLiteral("System Option"));
    drawButtonRow(p, QRect(groupLeft + inset, top + 13, rowWidth, rowHeight), kSystemOption);

    top += height + 1;
    height = 12 + 2 * rowHeight + 1 + 2;
    drawGroup(p, QRect(groupLeft, top, groupWidth, height), QStringLiteral("System Setting"));
    drawButtonRow(p, QRect(groupLeft + inset, top + 13, rowWidth, rowHeight),
                  std::span(kSystemSetting).first(5));
    drawButtonRow(p, QRect(groupLeft + inset, top + 13 + rowHeight + 1, rowWidth, rowHeight),
                  std::span(kSystemSetting).last(5));

    top += height + 1;
    height = 12 + rowHeight + 2;
    drawGroup(p, QRect(groupLeft, top, groupWidth, height), QStringLiteral("Switch Program"));
    drawButtonRow(p, QRect(groupLeft + inset + 20, top + 13, rowWidth - 40, rowHeight),
                  kSwitchProgram);
    if (top + height > kHelpPictureSize.height()) {
        layoutErrors().append(QStringLiteral("help picture: the groups end at row %1, below the "
                                             "picture's %2 rows")
                                  .arg(top + height)
                                  .arg(kHelpPictureSize.height()));
    }
    return image;
}

}  // namespace picturegen
