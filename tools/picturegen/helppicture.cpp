// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QKeySequence>
#include <QPainter>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <functional>
#include <numeric>
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

// Every text and row of one layout follows the notes' pixel size, so that a script that needs
// larger letters to be read (Chinese) gets them wherever its texts still fit.
struct Sizes {
    explicit Sizes(int px) : note(px), caption(px + 1), line(px + 1), button(px + 5) {}
    int note;     // the notes under the buttons, the legends and the menu
    int caption;  // the buttons' captions and the groups' titles, in bold
    int line;     // the pitch of note lines and menu rows
    int button;   // the height of a button's face
    [[nodiscard]] int titleRow() const { return caption + 3; }
};

// A group box as the main window draws it: a thin frame with its title set into the top edge;
// right of the title, on the same row, a legend for what the group shows.
void drawGroup(QPainter& p, const QRect& box, const QString& title, const Sizes& s,
               const QString& legend, const QColor& legendInk) {
    const int half = s.titleRow() / 2;
    p.setPen(QPen(kFrame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(box).adjusted(0.5, half - 0.5, -0.5, -0.5), 3, 3);
    p.setFont(font(s.caption, true));
    const int textWidth = p.fontMetrics().horizontalAdvance(title) + 6;
    const QRect label(box.left() + 8, box.top(), textWidth, s.titleRow());
    p.fillRect(label, kBackground);
    p.setPen(kInk);
    drawFittedText(p, label, Qt::AlignCenter, title, title);
    if (legend.isEmpty())
        return;
    p.setFont(font(s.note));
    const int legendWidth = p.fontMetrics().horizontalAdvance(legend) + 6;
    const QRect room(label.right() + 12, box.top(), box.right() - 8 - label.right() - 12,
                     s.titleRow());
    const QRect right(room.right() + 1 - std::min(legendWidth, room.width()), room.top(),
                      std::min(legendWidth, room.width()), room.height());
    p.fillRect(right, kBackground);
    p.setPen(legendInk);
    drawFittedText(p, right, Qt::AlignCenter, legend, title + QStringLiteral(" legend"));
}

// The most lines any note of `buttons` has.
int noteLines(std::span<const ButtonNote> buttons, const Translate& tr) {
    qsizetype lines = 1;
    for (const ButtonNote& b : buttons)
        lines = std::max(lines, tr(kContext, b.note).split(u'\n').size());
    return static_cast<int>(lines);
}

// One row of buttons spread evenly over `row`, each with its note underneath; returns the
// row's height.
int drawButtonRow(QPainter& p, const QRect& row, std::span<const ButtonNote> buttons,
                  const Sizes& s, const Translate& tr) {
    const int count = static_cast<int>(buttons.size());
    constexpr int kGap = 4;
    const int width = (row.width() - (count - 1) * kGap) / count;
    const int used = count * width + (count - 1) * kGap;
    const int lines = noteLines(buttons, tr);
    if (lines > 2)
        layoutErrors().append(QStringLiteral("a note of more than two lines"));
    int x = row.left() + (row.width() - used) / 2;
    for (const ButtonNote& b : buttons) {
        const QRectF face(x + 0.5, row.top() + 0.5, width - 1.0, s.button - 1.0);
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
        p.setFont(font(s.caption, true));
        drawFittedText(p, QRect(x, row.top(), width, s.button), Qt::AlignCenter, caption, caption);

        p.setPen(b.heliOnly ? kHeli : kNoteInk);
        p.setFont(font(s.note));
        QRect line(x - 1, row.top() + s.button + 1, width + 2, s.line);
        for (const QString& text : tr(kContext, b.note).split(u'\n')) {
            drawFittedText(p, line, Qt::AlignHCenter | Qt::AlignTop, text, caption);
            line.translate(0, s.line);
        }
        x += width + kGap;
    }
    return s.button + 1 + lines * s.line;
}

// One entry of the window menu as it shows: its text, and at the right its shortcut (or, for
// the entry that carries the program's name, what it opens).
struct MenuCell {
    QString text;
    QString right;
    bool about = false;
};

// The menu's entries, in the sections its separators make.
std::vector<std::vector<MenuCell>> menuSections(const Translate& tr) {
    std::vector<std::vector<MenuCell>> sections(1);
    for (const pelorin::windowmenu::Entry& entry : pelorin::windowmenu::kEntries) {
        if (entry.command == 0) {
            sections.emplace_back();
            continue;
        }
        if (entry.text == nullptr) {
            sections.back().push_back({QString::fromUtf8(pelorin::kProgramName),
                                       tr(kContext, QT_TRANSLATE_NOOP("HelpPicture", "About")),
                                       true});
        } else {
            sections.back().push_back(
                {tr(entry.context, entry.text),
                 QKeySequence(entry.shortcut).toString(QKeySequence::NativeText), false});
        }
    }
    return sections;
}

// The sections of the menu laid out in columns side by side, each column at most `rows`
// entries high: the menu as it pops up, folded so that it fits above the buttons.
struct MenuColumns {
    std::vector<std::vector<std::vector<MenuCell>>> columns;  // sections of each column
    std::vector<int> widths;
};

MenuColumns foldMenu(const std::vector<std::vector<MenuCell>>& sections, int rows,
                     const QFontMetrics& metrics) {
    MenuColumns menu;
    int used = rows;  // rows of the last column; none yet
    for (const std::vector<MenuCell>& section : sections) {
        const int size = static_cast<int>(section.size());
        if (size > rows)
            return {};
        if (used + size > rows) {
            menu.columns.emplace_back();
            menu.widths.push_back(0);
            used = 0;
        }
        menu.columns.back().push_back(section);
        used += size;
        for (const MenuCell& cell : section) {
            const int right = cell.right.isEmpty() ? 0 : metrics.horizontalAdvance(cell.right) + 6;
            menu.widths.back() =
                std::max(menu.widths.back(), metrics.horizontalAdvance(cell.text) + right + 8);
        }
    }
    return menu;
}

// The window menu with how to open it beside it, from `top`; returns the row below it.
int drawWindowMenu(QPainter& p, int top, const Sizes& s, const Translate& tr) {
    p.setFont(font(s.note));
    const QFontMetrics metrics = p.fontMetrics();
    const QStringList opens =
        tr(kContext, QT_TRANSLATE_NOOP("HelpPicture", "Right click or\nShift+F10:")).split(u'\n');
    int labelWidth = 0;
    for (const QString& line : opens)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(line) + 2);
    const int room = kWidth - 2 * kMargin - labelWidth - 6;

    // As few rows as let the columns fit beside the label.
    const auto sections = menuSections(tr);
    MenuColumns menu;
    for (int rows = 2; rows <= 8 && menu.columns.empty(); ++rows) {
        MenuColumns folded = foldMenu(sections, rows, metrics);
        const int width = std::accumulate(folded.widths.begin(), folded.widths.end(), 0);
        if (!folded.columns.empty() && width <= room)
            menu = std::move(folded);
    }
    if (menu.columns.empty()) {
        layoutErrors().append(QStringLiteral("menu: wider than the picture"));
        return top;
    }
    int height = 0;
    for (const auto& column : menu.columns) {
        int rows = 0;
        for (const auto& section : column)
            rows += static_cast<int>(section.size());
        height = std::max(height, rows * s.line + (static_cast<int>(column.size()) - 1) * 2);
    }
    const int width = std::accumulate(menu.widths.begin(), menu.widths.end(), 0);
    const QRect box(kWidth - kMargin - width, top, width, height + 4);

    p.setPen(kInk);
    int y = box.top() + (box.height() - static_cast<int>(opens.size()) * s.line) / 2;
    for (const QString& line : opens) {
        drawFittedText(p, QRect(kMargin, y, labelWidth, s.line + 1),
                       Qt::AlignLeft | Qt::AlignVCenter, line, QStringLiteral("menu label"));
        y += s.line;
    }
    p.setPen(QPen(kFrame, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));

    int x = box.left();
    for (std::size_t c = 0; c < menu.columns.size(); ++c) {
        const int columnWidth = menu.widths[c];
        if (c > 0) {
            p.setPen(QPen(kFrame, 1));
            p.drawLine(QPointF(x + 0.5, box.top() + 3), QPointF(x + 0.5, box.bottom() - 2));
        }
        y = box.top() + 2;
        bool first = true;
        for (const std::vector<MenuCell>& section : menu.columns[c]) {
            if (!first) {
                p.setPen(QPen(kFrame, 1));
                p.drawLine(QPointF(x + 3, y + 0.5), QPointF(x + columnWidth - 3, y + 0.5));
                y += 2;
            }
            first = false;
            for (const MenuCell& cell : section) {
                // A row higher than the entry's pitch: accents above capitals ("Ü") still fit.
                const QRect row(x + 4, y - 1, columnWidth - 7, s.line + 2);
                const int rightWidth =
                    cell.right.isEmpty() ? 0 : metrics.horizontalAdvance(cell.right) + 4;
                p.setPen(kInk);
                drawFittedText(p, row.adjusted(0, 0, -rightWidth, 0),
                               Qt::AlignLeft | Qt::AlignVCenter, cell.text, QStringLiteral("menu"));
                if (!cell.right.isEmpty()) {
                    p.setPen(cell.about ? kHeli : kNoteInk);
                    drawFittedText(p, row, Qt::AlignRight | Qt::AlignVCenter, cell.right,
                                   QStringLiteral("menu"));
                }
                y += s.line;
            }
        }
        x += columnWidth;
    }
    return box.bottom() + 1;
}

// The whole picture with notes of `notePx` pixels and `room` more rows below the menu and in
// each group; `end` is set to the row below the last group.
QPicture drawAt(const Translate& tr, int notePx, int room, int& end) {
    const Sizes s(notePx);
    QPicture picture;
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRect(QPoint(0, 0), kHelpPictureSize), kBackground);

    int top = drawWindowMenu(p, 1, s, tr) + 2 + room;

    // The three groups of buttons, in the main window's order, each with its legend.
    const int groupLeft = kMargin;
    const int groupWidth = kWidth - 2 * kMargin;
    const int inset = 6;
    const int rowWidth = groupWidth - 2 * inset;
    using pelorin::mainbuttons::Group;
    const auto group = [&](Group which, const char* legend, const QColor& legendInk,
                           const std::function<int(int contentTop)>& rows) {
        const int contentTop = top + s.titleRow();
        const int height = s.titleRow() + rows(contentTop) + 2 + room;
        drawGroup(p, QRect(groupLeft, top, groupWidth, height),
                  tr(kWindow, pelorin::mainbuttons::findGroupBox(which)->title), s,
                  tr(kContext, legend), legendInk);
        top += height;
    };
    const std::vector<ButtonNote> systemOption = buttonsOf(Group::SystemOption);
    const std::vector<ButtonNote> systemSetting = buttonsOf(Group::SystemSetting);
    const std::vector<ButtonNote> switchProgram = buttonsOf(Group::SwitchProgram);
    group(Group::SystemOption,
          QT_TRANSLATE_NOOP("HelpPicture", "CH1..CH6 above: the bars follow the sticks."), kNoteInk,
          [&](int y) {
              return drawButtonRow(p, QRect(groupLeft + inset, y, rowWidth, 0), systemOption, s,
                                   tr);
          });
    group(Group::SystemSetting, QT_TRANSLATE_NOOP("HelpPicture", "Dashed: helicopter types only."),
          kHeli, [&](int y) {
              const int first = drawButtonRow(p, QRect(groupLeft + inset, y, rowWidth, 0),
                                              std::span(systemSetting).first(5), s, tr);
              return first + 1 +
                     drawButtonRow(p, QRect(groupLeft + inset, y + first + 1, rowWidth, 0),
                                   std::span(systemSetting).last(5), s, tr);
          });
    group(Group::SwitchProgram,
          QT_TRANSLATE_NOOP("HelpPicture", "Each editor sends the settings on OK."), kNoteInk,
          [&](int y) {
              return drawButtonRow(p, QRect(groupLeft + inset + 20, y, rowWidth - 40, 0),
                                   switchProgram, s, tr);
          });
    end = top;
    if (top > kHeight) {
        layoutErrors().append(QStringLiteral("help picture: the groups end at row %1, below the "
                                             "picture's %2 rows")
                                  .arg(top)
                                  .arg(kHeight));
    }
    p.end();
    // The picture's frame is the window's, whatever its strokes reach.
    picture.setBoundingRect(QRect(QPoint(0, 0), kHelpPictureSize));
    return picture;
}

}  // namespace

QPicture drawHelpPicture(const Translate& tr) {
    // The largest letters at which every text of this language fits; 9 px is the least, and
    // what does not fit even then fails the build. Rows left over at the bottom go between
    // the groups.
    constexpr int kLargest = 12;
    constexpr int kSmallest = 9;
    int end = 0;
    for (int px = kLargest;; --px) {
        const qsizetype before = layoutErrors().size();
        QPicture picture = drawAt(tr, px, 0, end);
        if (layoutErrors().size() == before || px == kSmallest) {
            const int room = std::clamp((kHeight - end) / 4, 0, 3);
            return room == 0 || layoutErrors().size() != before ? picture
                                                                : drawAt(tr, px, room, end);
        }
        layoutErrors().remove(before, layoutErrors().size() - before);
    }
}

}  // namespace picturegen
