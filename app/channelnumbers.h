// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The monitor's table of numbers: for CH1..CH6 and the auxiliary word, the raw word, the value
// (word - 1512) and that value as a percentage of 512, in digits of one width. One widget
// paints the whole table: its names and headings are drawn once, and a change of the numbers
// repaints one rectangle instead of twenty-one labels, which matters at many changes a second.

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QLocale>
#include <QPalette>
#include <QPixmap>
#include <QRawFont>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>

class QPainter;

namespace pelorin {

class ChannelNumbers : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRows = 7;  // CH1..CH6, then the auxiliary word
    static constexpr int kColumns = 3;

    explicit ChannelNumbers(QWidget* parent = nullptr);

    // The words of the six channels and the auxiliary word; nothing shown before the first.
    void setWords(const std::array<int, 6>& channelWords, int auxWord);
    void clear();

    // The text of one cell as shown (column 0 word, 1 value, 2 percentage).
    [[nodiscard]] QString cellText(int row, int column) const;
    // The whole table as a sentence, for screen readers.
    [[nodiscard]] QString spokenText() const;

    // Draws `text` in the table's digits, ending at `right` on the baseline `baseline`, as
    // QPainter::drawText() would, but without laying the text out anew each time.
    void drawDigits(QPainter& painter, const QString& text, int right, int baseline) const;
    [[nodiscard]] const QFont& digitsFont() const { return digits_; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // One cell as drawn: its text, and for texts of plain characters the font has, the
    // glyphs and their places, found once per text instead of once per paint.
    struct Cell {
        QString text;
        QGlyphRun glyphs;
        int width = 0;
    };
    void layOut();
    // A character's glyph in the digits' font, looked up once.
    struct Glyph {
        quint32 index = 0;
        qreal advance = 0;
        bool plain = false;  // placed one after the other, as a text layout would
    };
    [[nodiscard]] const Glyph& glyphFor(QChar ch) const;
    void setCell(Cell& cell, const QString& text) const;
    [[nodiscard]] QRect cellRect(int row, int column) const;
    void renderBackground();
    [[nodiscard]] QString rowName(int row) const;
    [[nodiscard]] QString columnName(int column) const;

    std::array<std::array<Cell, kColumns>, kRows> cells_;
    QFont digits_;  // fixed width
    QRawFont digitsRaw_;
    mutable QHash<char16_t, Glyph> glyphs_;
    // Geometry, from the fonts: where each column's edges are, and the rows' baselines.
    std::array<int, kColumns> cellLeft_{};
    std::array<int, kColumns> cellRight_{};
    int headerHeight_ = 0;
    int rowHeight_ = 0;
    int baseline_ = 0;
    QSize size_;
    QPixmap background_;       // headings, swatches and names
    QColor backgroundColour_;  // its plain part, under the digits
    QLocale numberLocale_;
    QString percentFormat_;
    // The word each row shows; nothing after clear() or a change of language.
    std::array<std::optional<int>, kRows> shownWords_{};
    bool backgroundValid_ = false;
};

}  // namespace pelorin
