// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/channelnumbers.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontDatabase>
#include <QLocale>
#include <QPaintEvent>
#include <QPainter>

#include "app/channeltrace.h"
#include "link/frames.h"

namespace pelorin {

namespace {

constexpr int kSwatch = 12;
constexpr int kGap = 14;

// Screen readers ask the table for its value and get every number in words.
class ChannelNumbersAccessible : public QAccessibleWidget {
public:
    explicit ChannelNumbersAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::StaticText) {}
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return static_cast<const ChannelNumbers*>(widget())->spokenText();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String(ChannelNumbers::staticMetaObject.className()) &&
        object != nullptr && object->isWidgetType()) {
        return new ChannelNumbersAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

}  // namespace

ChannelNumbers::ChannelNumbers(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleFor);
        return true;
    }();
    (void)installed;
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Channel numbers"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    layOut();
}

QString ChannelNumbers::rowName(int row) const {
    return row < 6 ? tr("CH%1").arg(row + 1) : tr("AUX");
}

QString ChannelNumbers::columnName(int column) const {
    switch (column) {
        case 0:
            return tr("Word");
        case 1:
            return tr("Value");
        default:
            return tr("Percent");
    }
}

void ChannelNumbers::layOut() {
    digits_ = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    digits_.setPointSizeF(font().pointSizeF());
    digitsRaw_ = QRawFont::fromFont(digits_);
    glyphs_.clear();
    // The numbers in the widget's language: made anew by the next setWords().
    numberLocale_ = locale();
    numberLocale_.setNumberOptions(QLocale::OmitGroupSeparator);
    percentFormat_ = tr("%1 %", "a percentage");
    shownWords_.fill(std::nullopt);
    const QFontMetrics text(font());
    const QFontMetrics digits(digits_);
    // The widest texts each column can show: the auxiliary word is any 16-bit number.
    const std::array<QString, kColumns> widest = {
        QStringLiteral("65535"), QStringLiteral("+64023"),
        tr("%1 %", "a percentage").arg(QStringLiteral("+12504.5"))};
    int nameWidth = 0;
    for (int row = 0; row < kRows; ++row)
        nameWidth = std::max(nameWidth, text.horizontalAdvance(rowName(row)));
    int x = kSwatch + 6 + nameWidth;
    for (int c = 0; c < kColumns; ++c) {
        cellLeft_[static_cast<std::size_t>(c)] = x;
        x += kGap + std::max(digits.horizontalAdvance(widest[static_cast<std::size_t>(c)]),
                             text.horizontalAdvance(columnName(c)));
        cellRight_[static_cast<std::size_t>(c)] = x;
    }
    headerHeight_ = text.lineSpacing() + 4;
    rowHeight_ = std::max(text.lineSpacing(), digits.lineSpacing()) + 3;
    baseline_ = std::max(text.ascent(), digits.ascent()) + 1;
    size_ = QSize(x + 2, headerHeight_ + kRows * rowHeight_);
    backgroundValid_ = false;
    for (auto& row : cells_) {
        for (Cell& cell : row)
            setCell(cell, cell.text);  // the glyphs of the new font
    }
    updateGeometry();
}

QSize ChannelNumbers::sizeHint() const {
    return size_;
}

void ChannelNumbers::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange ||
        event->type() == QEvent::LocaleChange) {
        layOut();
        update();
    } else if (event->type() == QEvent::PaletteChange || event->type() == QEvent::EnabledChange) {
        backgroundValid_ = false;
        update();
    }
}

void ChannelNumbers::setWords(const std::array<int, 6>& channelWords, int auxWord) {
    // Only the cells whose text changed are drawn again: one rectangle around them all.
    QRect changed;
    for (int row = 0; row < kRows; ++row) {
        const int word = row < 6 ? channelWords[static_cast<std::size_t>(row)] : auxWord;
        auto& shown = shownWords_[static_cast<std::size_t>(row)];
        if (shown == word)
            continue;  // the same texts as before
        shown = word;
        const int value = word - kChannelCentre;
        const QString sign = value > 0 ? QStringLiteral("+") : QString();
        const std::array<QString, kColumns> texts = {
            QString::number(word), sign + QString::number(value),
            percentFormat_.arg(sign + numberLocale_.toString(channelPercent(value), 'f', 1))};
        for (int c = 0; c < kColumns; ++c) {
            Cell& cell = cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)];
            if (cell.text != texts[static_cast<std::size_t>(c)]) {
                setCell(cell, texts[static_cast<std::size_t>(c)]);
                changed |= cellRect(row, c);
            }
        }
    }
    if (!changed.isEmpty())
        update(changed);
}

void ChannelNumbers::clear() {
    shownWords_.fill(std::nullopt);
    for (auto& row : cells_) {
        for (Cell& cell : row)
            setCell(cell, tr("–", "no value yet"));
    }
    update();
}

QString ChannelNumbers::cellText(int row, int column) const {
    return cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)).text;
}

QRect ChannelNumbers::cellRect(int row, int column) const {
    // From the column's left edge (the gap before it) to a little past its right edge, where a
    // glyph may reach beyond its advance.
    const auto c = static_cast<std::size_t>(column);
    return QRect(cellLeft_[c], headerHeight_ + row * rowHeight_, cellRight_[c] - cellLeft_[c] + 3,
                 rowHeight_);
}

const ChannelNumbers::Glyph& ChannelNumbers::glyphFor(QChar ch) const {
    const auto found = glyphs_.constFind(ch.unicode());
    if (found != glyphs_.constEnd())
        return *found;
    Glyph glyph;
    // Digits, signs, punctuation and spaces, left to right, all in the font: nothing a text
    // layout would change, so their glyphs can be placed one after the other. Anything else
    // is left to drawText().
    bool plain = false;
    switch (ch.category()) {
        case QChar::Number_DecimalDigit:
        case QChar::Punctuation_Dash:
        case QChar::Punctuation_Other:
        case QChar::Symbol_Math:
        case QChar::Symbol_Currency:
        case QChar::Separator_Space:
            plain = !ch.isSurrogate() && ch.script() == QChar::Script_Common &&
                    digitsRaw_.isValid() && digitsRaw_.supportsCharacter(ch);
            break;
        default:
            break;
    }
    switch (ch.direction()) {
        case QChar::DirL:
        case QChar::DirEN:
        case QChar::DirES:
        case QChar::DirET:
        case QChar::DirCS:
        case QChar::DirWS:
        case QChar::DirON:
            break;
        default:
            plain = false;
    }
    if (plain) {
        const QList<quint32> index = digitsRaw_.glyphIndexesForString(QString(ch));
        const QList<QPointF> advance = digitsRaw_.advancesForGlyphIndexes(index);
        if (index.size() == 1 && advance.size() == 1) {
            glyph.index = index.front();
            glyph.advance = advance.front().x();
            glyph.plain = true;
        }
    }
    return *glyphs_.insert(ch.unicode(), glyph);
}

void ChannelNumbers::setCell(Cell& cell, const QString& text) const {
    cell.text = text;
    cell.glyphs = QGlyphRun();
    cell.width = 0;
    if (text.isEmpty())
        return;
    QList<quint32> indexes;
    QList<QPointF> positions;
    indexes.reserve(text.size());
    positions.reserve(text.size());
    qreal x = 0;
    for (const QChar ch : text) {
        const Glyph& glyph = glyphFor(ch);
        if (!glyph.plain)
            return;
        indexes.append(glyph.index);
        positions.append(QPointF(x, 0));
        x += glyph.advance;
    }
    cell.glyphs.setRawFont(digitsRaw_);
    cell.glyphs.setGlyphIndexes(indexes);
    cell.glyphs.setPositions(positions);
    cell.width = qRound(x);
}

void ChannelNumbers::drawDigits(QPainter& painter, const QString& text, int right,
                                int baseline) const {
    Cell cell;
    setCell(cell, text);
    painter.save();
    painter.setFont(digits_);
    if (cell.glyphs.isEmpty()) {
        painter.drawText(QPoint(right - QFontMetrics(digits_).horizontalAdvance(text), baseline),
                         text);
    } else {
        painter.drawGlyphRun(QPointF(right - cell.width, baseline), cell.glyphs);
    }
    painter.restore();
}

QString ChannelNumbers::spokenText() const {
    QStringList rows;
    for (int row = 0; row < kRows; ++row) {
        QStringList parts{rowName(row)};
        for (int c = 0; c < kColumns; ++c)
            parts << tr("%1 %2").arg(columnName(c), cellText(row, c));
        rows << parts.join(QLatin1String(", "));
    }
    return rows.join(QLatin1String("; "));
}

void ChannelNumbers::renderBackground() {
    const qreal ratio = devicePixelRatioF();
    background_ = QPixmap(size() * ratio);
    background_.setDevicePixelRatio(ratio);
    backgroundColour_ = palette().color(QPalette::Window);
    background_.fill(backgroundColour_);
    QPainter painter(&background_);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::WindowText));
    for (int c = 0; c < kColumns; ++c) {
        painter.drawText(QRect(0, 0, cellRight_[static_cast<std::size_t>(c)], headerHeight_),
                         Qt::AlignRight | Qt::AlignVCenter, columnName(c));
    }
    for (int row = 0; row < kRows; ++row) {
        const int top = headerHeight_ + row * rowHeight_;
        if (row < 6) {
            const QRect swatch(0, top + (rowHeight_ - kSwatch) / 2, kSwatch, kSwatch);
            painter.fillRect(swatch, channelColour(row));
            painter.setPen(QColor(0, 0, 0, 90));
            painter.drawRect(swatch.adjusted(0, 0, -1, -1));
            painter.setPen(palette().color(group, QPalette::WindowText));
        }
        painter.drawText(QPoint(kSwatch + 6, top + baseline_), rowName(row));
    }
    backgroundValid_ = true;
}

void ChannelNumbers::paintEvent(QPaintEvent* event) {
    if (!backgroundValid_ || background_.deviceIndependentSize().toSize() != size())
        renderBackground();
    QPainter painter(this);
    // Under the digits the background is plain: filled, rather than copied from the picture
    // of the headings and names, which only the rest needs.
    const QRect digitsArea(cellLeft_[0], headerHeight_, width() - cellLeft_[0],
                           height() - headerHeight_);
    if (const QRegion rest = event->region() - digitsArea; !rest.isEmpty()) {
        painter.setClipRegion(rest);
        painter.drawPixmap(0, 0, background_);
        painter.setClipping(false);
    }
    painter.fillRect(event->rect() & digitsArea, backgroundColour_);
    painter.setFont(digits_);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    // The cells' glyphs go out together, in one run: each run drawn costs the painter a good
    // deal besides its glyphs.
    QList<quint32> indexes;
    QList<QPointF> positions;
    const QFontMetrics metrics(digits_);
    for (int row = 0; row < kRows; ++row) {
        const int y = headerHeight_ + row * rowHeight_ + baseline_;
        for (int c = 0; c < kColumns; ++c) {
            if (!event->rect().intersects(cellRect(row, c)))
                continue;
            const Cell& cell = cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)];
            const int right = cellRight_[static_cast<std::size_t>(c)];
            if (cell.glyphs.isEmpty()) {
                painter.drawText(QPoint(right - metrics.horizontalAdvance(cell.text), y),
                                 cell.text);
                continue;
            }
            const QPointF at(right - cell.width, y);
            indexes.append(cell.glyphs.glyphIndexes());
            for (const QPointF& position : cell.glyphs.positions())
                positions.append(at + position);
        }
    }
    if (!indexes.isEmpty()) {
        QGlyphRun run;
        run.setRawFont(digitsRaw_);
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
}

}  // namespace pelorin
