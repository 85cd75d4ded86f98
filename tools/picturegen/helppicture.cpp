// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QKeySequence>
#include <QPainter>
#include <QtGlobal>
#include <array>
#include <span>
#include <vector>

#include "app/mainbuttons.h"
#include "app/windowmenu.h"
#include "resources/strings.h"
#include "tools/picturegen/paintkit.h"
#include "tools/picturegen/pictures.h"

namespace picturegen {

namespace {

// The picture's own texts are translated in this context; the captions of the main window's
// buttons and groups in the window's own.
constexpr const char* kContext = "HelpPicture";
constexpr const char* kWindow = "pelorin::MainDialog";

using ButtonNote = pelorin::mainbuttons::Button;

// The buttons of one group box of the main window, in the window's order.
std::vector<ButtonNote> buttonsOf(pelorin::mainbuttons::Group group) {
    std::vector<ButtonNote> row;
    for (const ButtonNote& button : pelorin::mainbuttons::kButtons) {
        if (button.group == group)
            row.push_back(button);
    }
    return row;
}

const QColor kBackground(0xf0, 0xf0, 0xf0);
const QColor kInk(0x20, 0x24, 0x2a);
const QColor kNoteInk(0x3c, 0x44, 0x4e);
const QColor kFrame(0x8a, 0x93, 0x9e);
const QColor kHeli(0xb3, 0x59, 0x00);

constexpr int kWidth = kHelpPictureSize.width();
constexpr int kHeight = kHelpPictureSize.height();
constexpr int kMargin = 4;
constexpr int kButtonHeight = 13;
constexpr int kNoteLine = 10;
constexpr int kTopBand = 73;  // the live display, the legend and the menu

// A group box as the main window draws it: a thin frame with its title set into the top edge.
void drawGroup(QPainter& p, const QRect& box, const QString& title) {
    p.setPen(QPen(kFrame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(box).adjusted(0.5, 5.5, -0.5, -0.5), 3, 3);
    p.setFont(font(10, true));
    const int textWidth = p.fontMetrics().horizontalAdvance(title) + 6;
    // One row above the frame's top, for the ink of taller scripts.
    const QRect label(box.left() + 8, box.top() - 1, textWidth, 13);
    p.fillRect(label, kBackground);
    p.setPen(kInk);
    drawFittedText(p, label, Qt::AlignCenter, title, title);
}

// One row of buttons spread evenly over `row`, each with its note underneath.
void drawButtonRow(QPainter& p, const QRect& row, std::span<const ButtonNote> buttons,
                   const Translate& tr) {
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

        const QString caption = tr(kWindow, b.caption);
        p.setPen(kInk);
        p.setFont(font(10, true));
        drawFittedText(p, QRect(x, row.top(), width, kButtonHeight), Qt::AlignCenter, caption,
                       caption);

        p.setPen(b.heliOnly ? kHeli : kNoteInk);
        p.setFont(font(9));
        QRect line(x - 1, row.top() + kButtonHeight + 1, width + 2, kNoteLine);
        const QStringList lines = tr(kContext, b.note).split(u'\n');
        if (lines.size() > 2)
            layoutErrors().append(caption + QStringLiteral(": a note of more than two lines"));
        for (const QString& text : lines) {
            drawFittedText(p, line, Qt::AlignHCenter | Qt::AlignTop, text, caption);
            line.translate(0, kNoteLine);
        }
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

// Lines of text, one under the other, from the top of `box`; returns the row below the last.
int drawLines(QPainter& p, const QRect& box, const QString& text, const QString& where) {
    int y = box.top();
    for (const QString& line : text.split(u'\n')) {
        drawFittedText(p, QRect(box.left(), y, box.width(), 11), Qt::AlignLeft | Qt::AlignVCenter,
                       line, where);
        y += 10;
    }
    return y;
}

// The main window's context menu as it pops up: every entry with its shortcut, and what the
// entry that carries the program's name opens.
void drawWindowMenu(QPainter& p, const QRect& area, const Translate& tr) {
    constexpr int kEntry = 10;
    constexpr int kSeparator = 2;
    int height = 4;
    for (const pelorin::windowmenu::Entry& entry : pelorin::windowmenu::kEntries)
        height += entry.command == 0 ? kSeparator : kEntry;
    const QRect menu(area.left(), area.top(), area.width(), height);
    if (menu.bottom() > area.bottom())
        layoutErrors().append(
            QStringLiteral("menu: ends at row %1, below %2").arg(menu.bottom()).arg(area.bottom()));
    p.setPen(QPen(kFrame, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(menu).adjusted(0.5, 0.5, -0.5, -0.5));

    p.setFont(font(9));
    int y = menu.top() + 2;
    const QRect inner = menu.adjusted(6, 0, -6, 0);
    for (const pelorin::windowmenu::Entry& entry : pelorin::windowmenu::kEntries) {
        if (entry.command == 0) {
            p.setPen(QPen(kFrame, 1));
            p.drawLine(QPointF(menu.left() + 3, y + 1.5), QPointF(menu.right() - 3, y + 1.5));
            y += kSeparator;
            continue;
        }
        const bool about = entry.text == nullptr;
        const QString text =
            about ? QString::fromUtf8(pelorin::kProgramName) : tr(entry.context, entry.text);
        // The shortcut as the menu shows it; beside the program's name, what that entry opens.
        const QString right = about
                                  ? tr(kContext, QT_TRANSLATE_NOOP("HelpPicture", "About"))
                                  : QKeySequence(entry.shortcut).toString(QKeySequence::NativeText);
        // A row higher than the entry's pitch: accents above capitals ("Ü") still fit.
        const QRect row(inner.left(), y - 1, inner.width(), kEntry + 2);
        const int rightWidth = right.isEmpty() ? 0 : p.fontMetrics().horizontalAdvance(right) + 6;
        p.setPen(kInk);
        drawFittedText(p, row.adjusted(0, 0, -rightWidth, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       text, QStringLiteral("menu"));
        if (!right.isEmpty()) {
            p.setPen(about ? kHeli : kNoteInk);
            drawFittedText(p, row, Qt::AlignRight | Qt::AlignVCenter, right,
                           QStringLiteral("menu"));
        }
        y += kEntry;
    }
}

}  // namespace

QPicture drawHelpPicture(const Translate& tr) {
    QPicture picture;
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRect(QPoint(0, 0), kHelpPictureSize), kBackground);

    // Top: the live bars, what they and the button styles mean, and the context menu.
    drawLiveDisplay(p, QRect(kMargin + 2, 2, 100, 6 * 9));
    const QRect menuArea(kWidth - kMargin - 146, 2, 146, kTopBand - 5);
    const int legendLeft = kMargin + 108;
    const QRect legend(legendLeft, 1, menuArea.left() - 6 - legendLeft, kTopBand - 2);
    p.setFont(font(9));
    p.setPen(kNoteInk);
    int y =
        drawLines(p, legend,
                  tr(kContext, QT_TRANSLATE_NOOP("HelpPicture",
                                                 "\u2190 CH1..CH6: the live channels,\nthe bars "
                                                 "follow the sticks.\nEvery editor sends the "
                                                 "settings\nto the transmitter on OK.")),
                  QStringLiteral("legend"));
    p.setPen(kHeli);
    y = drawLines(p, QRect(legend.left(), y, legend.width(), 11),
                  tr(kContext, QT_TRANSLATE_NOOP("HelpPicture", "Dashed: helicopter types only.")),
                  QStringLiteral("legend"));
    p.setPen(kInk);
    y = drawLines(
        p, QRect(legend.left(), y + 1, legend.width(), 11),
        tr(kContext, QT_TRANSLATE_NOOP("HelpPicture", "Right click or Shift+F10: \u2192")),
        QStringLiteral("legend"));
    if (y > kTopBand)
        layoutErrors().append(
            QStringLiteral("legend: ends at row %1, below %2").arg(y).arg(kTopBand));
    drawWindowMenu(p, menuArea, tr);

    // The three groups of buttons, in the main window's order.
    const int groupLeft = kMargin;
    const int groupWidth = kWidth - 2 * kMargin;
    const int inset = 6;
    const int rowWidth = groupWidth - 2 * inset;
    const int rowHeight = kButtonHeight + 1 + 2 * kNoteLine;

    using pelorin::mainbuttons::Group;
    const std::vector<ButtonNote> systemOption = buttonsOf(Group::SystemOption);
    const std::vector<ButtonNote> systemSetting = buttonsOf(Group::SystemSetting);
    const std::vector<ButtonNote> switchProgram = buttonsOf(Group::SwitchProgram);
    const auto title = [&tr](Group group) {
        return tr(kWindow, pelorin::mainbuttons::findGroupBox(group)->title);
    };

    int top = kTopBand;
    int height = 12 + rowHeight + 2;
    drawGroup(p, QRect(groupLeft, top, groupWidth, height), title(Group::SystemOption));
    drawButtonRow(p, QRect(groupLeft + inset, top + 13, rowWidth, rowHeight), systemOption, tr);

    top += height + 1;
    height = 12 + 2 * rowHeight + 1 + 2;
    drawGroup(p, QRect(groupLeft, top, groupWidth, height), title(Group::SystemSetting));
    drawButtonRow(p, QRect(groupLeft + inset, top + 13, rowWidth, rowHeight),
                  std::span(systemSetting).first(5), tr);
    drawButtonRow(p, QRect(groupLeft + inset, top + 13 + rowHeight + 1, rowWidth, rowHeight),
                  std::span(systemSetting).last(5), tr);

    top += height + 1;
    height = 12 + rowHeight + 2;
    drawGroup(p, QRect(groupLeft, top, groupWidth, height), title(Group::SwitchProgram));
    drawButtonRow(p, QRect(groupLeft + inset + 20, top + 13, rowWidth - 40, rowHeight),
                  switchProgram, tr);
    if (top + height > kHeight) {
        layoutErrors().append(QStringLiteral("help picture: the groups end at row %1, below the "
                                             "picture's %2 rows")
                                  .arg(top + height)
                                  .arg(kHeight));
    }
    p.end();
    // The picture's frame is the window's, whatever its strokes reach.
    picture.setBoundingRect(QRect(QPoint(0, 0), kHelpPictureSize));
    return picture;
}

}  // namespace picturegen
