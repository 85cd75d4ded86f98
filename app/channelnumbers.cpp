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

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <utility>

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
    // Fitted to the pixel grid: every digit a whole number of pixels wide and drawn alike
    // wherever it stands, crisp, and copied from one picture instead of drawn each time.
    digits_.setHintingPreference(QFont::PreferFullHinting);
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
    canvasValid_ = false;
    pictures_ = {};  // of the old font
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
    } else if (event->type() == QEvent::PaletteChange || event->type() == QEvent::EnabledChange ||
               event->type() == QEvent::StyleChange) {
        canvasValid_ = false;
        update();
    }
}

void ChannelNumbers::setWords(const std::array<int, 6>& channelWords, int auxWord) {
    // Only the rows whose texts changed are drawn again: one rectangle around them all.
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
                staleRows_[static_cast<std::size_t>(row)] = true;
                changed |= rowRect(row);
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
    staleRows_.fill(true);
    update();
}

QString ChannelNumbers::cellText(int row, int column) const {
    return cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)).text;
}

QRect ChannelNumbers::rowRect(int row) const {
    // The digits of one row: from the first column's left edge (the gap before it) to the
    // widget's right edge, where a glyph may reach beyond its advance.
    return QRect(cellLeft_[0], headerHeight_ + row * rowHeight_, size_.width() - cellLeft_[0],
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

const QImage& ChannelNumbers::pictureOf(GlyphPictures& pictures, const Glyph& glyph) const {
    const auto found = pictures.byIndex.constFind(glyph.index);
    if (found != pictures.byIndex.constEnd())
        return *found;
    QImage picture;
    const qreal ratio = pictures.ratio;
    const qreal deviceAdvance = glyph.advance * ratio;
    if (glyph.plain && ratio == std::floor(ratio) && deviceAdvance == std::floor(deviceAdvance) &&
        deviceAdvance > 0) {
        // Drawn with a margin of a row all round: it has a picture when its ink stays inside
        // its advance and its row, so that copying it is the same as drawing it.
        const int margin = rowHeight_;
        const int advance = static_cast<int>(glyph.advance);
        QImage trial(QSize(advance + 2 * margin, rowHeight_ + 2 * margin) * ratio,
                     QImage::Format_RGB32);
        trial.setDevicePixelRatio(ratio);
        trial.fill(pictures.background);
        {
            QPainter painter(&trial);
            painter.setPen(pictures.ink);
            QGlyphRun run;
            run.setRawFont(digitsRaw_);
            run.setGlyphIndexes({glyph.index});
            run.setPositions({QPointF(0, 0)});
            painter.drawGlyphRun(QPointF(margin, margin + baseline_), run);
        }
        const QRect inside(QPoint(margin, margin) * ratio, QSize(advance, rowHeight_) * ratio);
        const QRgb plain = pictures.background.rgb();
        bool fits = true;
        for (int y = 0; y < trial.height() && fits; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(trial.constScanLine(y));
            for (int x = 0; x < trial.width(); ++x) {
                if (line[x] != plain && !inside.contains(x, y)) {
                    fits = false;
                    break;
                }
            }
        }
        if (fits)
            picture = trial.copy(inside);
    }
    return *pictures.byIndex.insert(glyph.index, picture);
}

bool ChannelNumbers::copyGlyphs(QImage& image, GlyphPictures& pictures, const Cell& cell, int right,
                                int top) const {
    const qreal ratio = image.devicePixelRatio();
    if (cell.glyphs.isEmpty() || ratio != pictures.ratio ||
        (image.format() != QImage::Format_RGB32 &&
         image.format() != QImage::Format_ARGB32_Premultiplied)) {
        return false;
    }
    // Every glyph needs a picture, and the pictures must lie inside the image.
    int width = 0;
    for (const QChar ch : cell.text) {
        const QImage& picture = pictureOf(pictures, glyphFor(ch));
        if (picture.isNull())
            return false;
        width += picture.width();
    }
    const QPoint at = QPoint(right - cell.width, top) * ratio;
    const auto height = static_cast<int>(rowHeight_ * ratio);
    if (!image.rect().contains(QRect(at, QSize(width, height))))
        return false;
    uchar* bits = image.bits() + image.bytesPerLine() * at.y();
    const auto stride = static_cast<std::size_t>(image.bytesPerLine());
    int x = at.x();
    for (const QChar ch : cell.text) {
        const QImage& picture = *pictures.byIndex.constFind(glyphFor(ch).index);  // made above
        const auto rowBytes = static_cast<std::size_t>(picture.width()) * sizeof(QRgb);
        for (int y = 0; y < height; ++y) {
            std::memcpy(bits + stride * static_cast<std::size_t>(y) + x * sizeof(QRgb),
                        picture.constScanLine(y), rowBytes);
        }
        x += picture.width();
    }
    return true;
}

void ChannelNumbers::paintCell(QPainter& painter, const Cell& cell, int right, int top) const {
    painter.setFont(digits_);
    const int baseline = top + baseline_;
    if (cell.glyphs.isEmpty()) {
        painter.drawText(
            QPoint(right - QFontMetrics(digits_).horizontalAdvance(cell.text), baseline),
            cell.text);
    } else {
        painter.drawGlyphRun(QPointF(right - cell.width, baseline), cell.glyphs);
    }
}

bool ChannelNumbers::drawDigits(QImage& image, const QString& text, int right, int baseline,
                                const QColor& ink, const QColor& background) const {
    Cell cell;
    setCell(cell, text);
    GlyphPictures pictures{ink, background, image.devicePixelRatio(), {}};
    const int top = baseline - baseline_;
    if (copyGlyphs(image, pictures, cell, right, top))
        return true;
    QPainter painter(&image);
    painter.setPen(ink);
    paintCell(painter, cell, right, top);
    return false;
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
    canvas_ = QImage(size() * ratio, QImage::Format_RGB32);
    canvas_.setDevicePixelRatio(ratio);
    // The table lies on its parent, which the style may tint (a group box's inside is a shade
    // darker than the window): its plain part takes what the parent paints under its middle.
    backgroundColour_ = palette().color(QPalette::Window);
    if (QWidget* parent = parentWidget()) {
        QImage under(1, 1, QImage::Format_RGB32);
        under.fill(backgroundColour_);
        parent->render(&under, QPoint(), QRegion(QRect(geometry().center(), QSize(1, 1))),
                       QWidget::DrawWindowBackground);
        backgroundColour_ = under.pixelColor(0, 0);
    }
    canvas_.fill(backgroundColour_);
    QPainter painter(&canvas_);
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
    staleRows_.fill(true);
    canvasValid_ = true;
}

void ChannelNumbers::renderRows() {
    const QColor ink =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    if (pictures_.ink != ink || pictures_.background != backgroundColour_ ||
        pictures_.ratio != canvas_.devicePixelRatio()) {
        pictures_ = {ink, backgroundColour_, canvas_.devicePixelRatio(), {}};
    }
    std::optional<QPainter> painter;  // begun only for a text without pictures
    for (int row = 0; row < kRows; ++row) {
        if (!std::exchange(staleRows_[static_cast<std::size_t>(row)], false))
            continue;
        const QRect area = rowRect(row) & QRect(QPoint(), size());
        const QRect device = QRect(area.topLeft() * canvas_.devicePixelRatio(),
                                   area.size() * canvas_.devicePixelRatio()) &
                             canvas_.rect();
        if (device.isEmpty())
            continue;
        // One line filled, then copied to the others.
        uchar* bits = canvas_.bits();
        const auto stride = static_cast<std::size_t>(canvas_.bytesPerLine());
        const auto rowBytes = static_cast<std::size_t>(device.width()) * sizeof(QRgb);
        uchar* first = bits + stride * static_cast<std::size_t>(device.top()) +
                       static_cast<std::size_t>(device.left()) * sizeof(QRgb);
        std::fill_n(reinterpret_cast<QRgb*>(first), device.width(), backgroundColour_.rgb());
        for (int y = 1; y < device.height(); ++y)
            std::memcpy(first + stride * static_cast<std::size_t>(y), first, rowBytes);
        for (int c = 0; c < kColumns; ++c) {
            const Cell& cell = cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)];
            const int right = cellRight_[static_cast<std::size_t>(c)];
            if (copyGlyphs(canvas_, pictures_, cell, right, area.top()))
                continue;
            if (!painter) {
                painter.emplace(&canvas_);
                painter->setPen(ink);
            }
            painter->setClipRect(area);
            paintCell(*painter, cell, right, area.top());
        }
    }
}

void ChannelNumbers::paintEvent(QPaintEvent* event) {
    if (!canvasValid_ || canvas_.deviceIndependentSize().toSize() != size() ||
        canvas_.devicePixelRatio() != devicePixelRatioF()) {
        renderBackground();
    }
    renderRows();
    QPainter painter(this);
    const qreal ratio = canvas_.devicePixelRatio();
    for (const QRect& rect : event->region())
        painter.drawImage(QPointF(rect.topLeft()), canvas_,
                          QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio));
}

}  // namespace pelorin
