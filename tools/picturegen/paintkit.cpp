// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/picturegen/paintkit.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

namespace picturegen {

namespace {

QString& family() {
    static QString name = QStringLiteral("DejaVu Sans");
    return name;
}

}  // namespace

bool loadFonts() {
    // The package's files first: the family name alone could resolve to another face
    // through fontconfig's substitutions.
    const QStringList files = {
        QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"),
        QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"),
    };
    bool loaded = false;
    for (const QString& file : files) {
        const int id = QFontDatabase::addApplicationFont(file);
        if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty()) {
            family() = QFontDatabase::applicationFontFamilies(id).first();
            loaded = true;
        }
    }
    return loaded || QFontDatabase::families().contains(family());
}

QFont font(int pixelSize, bool bold) {
    QFont f(family());
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void drawFittedText(QPainter& painter, const QRect& box, int flags, const QString& text,
                    const QString& where) {
    // Where the glyphs' ink will land for this single line, placed as drawText places it.
    const QFontMetrics metrics(painter.font());
    const int advance = metrics.horizontalAdvance(text);
    int x = box.left();
    QRect placed = box;
    if (!(flags & (Qt::AlignHCenter | Qt::AlignRight)) && !text.isEmpty()) {
        // A glyph whose ink starts left of its origin ("T") starts at the box's edge instead.
        const int bearing = metrics.leftBearing(text.front());
        if (bearing < 0) {
            x -= bearing;
            placed.setLeft(box.left() - bearing);
        }
    }
    if (flags & Qt::AlignHCenter) {
        x = box.left() + (box.width() - advance) / 2;
    } else if (flags & Qt::AlignRight) {
        x = box.right() + 1 - advance;
        // A glyph whose ink ends right of its advance ("P" at some sizes) ends at the edge.
        const int bearing = text.isEmpty() ? 0 : metrics.rightBearing(text.back());
        if (bearing < 0) {
            x += bearing;
            placed.setRight(box.right() + bearing);
        }
    }
    int baseline = box.top() + metrics.ascent();
    if (flags & Qt::AlignVCenter) {
        baseline = box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent();
    } else if (flags & Qt::AlignBottom) {
        baseline = box.bottom() + 1 - metrics.descent();
    }
    const QRect ink = metrics.tightBoundingRect(text).translated(x, baseline);
    if (!box.contains(ink)) {
        layoutErrors().append(QStringLiteral("%1: \"%2\" inks %3,%4 %5 x %6, box is %7,%8 %9 x %10")
                                  .arg(where, text)
                                  .arg(ink.left())
                                  .arg(ink.top())
                                  .arg(ink.width())
                                  .arg(ink.height())
                                  .arg(box.left())
                                  .arg(box.top())
                                  .arg(box.width())
                                  .arg(box.height()));
    }
    painter.drawText(placed, flags, text);
}

QStringList& layoutErrors() {
    static QStringList errors;
    return errors;
}

}  // namespace picturegen
