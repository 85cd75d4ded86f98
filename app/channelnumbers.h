// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The monitor's table of numbers: for CH1..CH6 and the auxiliary word, the raw word, the value
// (word - 1512) and that value as a percentage of 512, in digits of one width. One widget
// paints the whole table: its names and headings are drawn once, and a change of the numbers
// repaints one rectangle instead of twenty-one labels, which matters at many changes a second.
// The table is kept as a picture between paints; a changed row is drawn into it from pictures
// of single glyphs, made once, which costs a fraction of drawing the glyphs each time.

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QLocale>
#include <QPalette>
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

    // Draws `text` into `image` the way the table draws a cell: in the table's digits, ending
    // at `right` on the baseline `baseline`, in `ink` on a plain `background` (which the image
    // must already hold there), exactly as QPainter::drawText() would. True when it was copied
    // from glyph pictures, false when the painter drew it.
    bool drawDigits(QImage& image, const QString& text, int right, int baseline, const QColor& ink,
                    const QColor& background) const;
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
    [[nodiscard]] QRect rowRect(int row) const;
    // Pictures of single glyphs, a row high, in one ink on one background at one pixel ratio.
    // A null picture: the glyph's ink reaches outside its advance or its row, or it does not
    // start on a whole pixel, so the painter draws it.
    struct GlyphPictures {
        QColor ink;
        QColor background;
        qreal ratio = 0;
        QHash<quint32, QImage> byIndex;
    };
    [[nodiscard]] const QImage& pictureOf(GlyphPictures& pictures, const Glyph& glyph) const;
    // Copies the cell's glyphs into `image`, the text ending at `right` in the row starting
    // at `top`; false (and nothing drawn) when a glyph has no picture.
    bool copyGlyphs(QImage& image, GlyphPictures& pictures, const Cell& cell, int right,
                    int top) const;
    void paintCell(QPainter& painter, const Cell& cell, int right, int top) const;
    void renderBackground();
    void renderRows();
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
    QImage canvas_;            // the table as shown: headings, swatches, names and numbers
    QColor backgroundColour_;  // its plain part, under the digits
    GlyphPictures pictures_;
    std::array<bool, kRows> staleRows_{};  // rows whose numbers the canvas does not show yet
    QLocale numberLocale_;
    QString percentFormat_;
    // The word each row shows; nothing after clear() or a change of language.
    std::array<std::optional<int>, kRows> shownWords_{};
    bool canvasValid_ = false;  // false: headings and every row are drawn anew
};

}  // namespace pelorin
