// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/channelnumbers.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontDatabase>
#include <QLocale>
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
        x += kGap + std::max(digits.horizontalAdvance(widest[static_cast<std::size_t>(c)]),
                             text.horizontalAdvance(columnName(c)));
        cellRight_[static_cast<std::size_t>(c)] = x;
    }
    headerHeight_ = text.lineSpacing() + 4;
    rowHeight_ = std::max(text.lineSpacing(), digits.lineSpacing()) + 3;
    baseline_ = std::max(text.ascent(), digits.ascent()) + 1;
    size_ = QSize(x + 2, headerHeight_ + kRows * rowHeight_);
    backgroundValid_ = false;
    updateGeometry();
}

QSize ChannelNumbers::sizeHint() const {
    return size_;
}

void ChannelNumbers::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange) {
        layOut();
        update();
    } else if (event->type() == QEvent::PaletteChange || event->type() == QEvent::EnabledChange) {
        backgroundValid_ = false;
        update();
    }
}

void ChannelNumbers::setWords(const std::array<int, 6>& channelWords, int auxWord) {
    QLocale locale = this->locale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    bool changed = false;
    for (int row = 0; row < kRows; ++row) {
        const int word = row < 6 ? channelWords[static_cast<std::size_t>(row)] : auxWord;
        const int value = word - kChannelCentre;
        const QString sign = value > 0 ? QStringLiteral("+") : QString();
        const std::array<QString, kColumns> texts = {
            QString::number(word), sign + QString::number(value),
            tr("%1 %", "a percentage").arg(sign + locale.toString(channelPercent(value), 'f', 1))};
        auto& cells = cells_[static_cast<std::size_t>(row)];
        if (cells != texts) {
            cells = texts;
            changed = true;
        }
    }
    if (changed)
        update();
}

void ChannelNumbers::clear() {
    for (auto& row : cells_)
        row.fill(tr("–", "no value yet"));
    update();
}

QString ChannelNumbers::cellText(int row, int column) const {
    return cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
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
    background_.fill(palette().color(QPalette::Window));
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

void ChannelNumbers::paintEvent(QPaintEvent*) {
    if (!backgroundValid_ || background_.deviceIndependentSize().toSize() != size())
        renderBackground();
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
    painter.setFont(digits_);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QFontMetrics metrics(digits_);
    for (int row = 0; row < kRows; ++row) {
        const int y = headerHeight_ + row * rowHeight_ + baseline_;
        for (int c = 0; c < kColumns; ++c) {
            const QString& text =
                cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)];
            const int right = cellRight_[static_cast<std::size_t>(c)];
            painter.drawText(QPoint(right - metrics.horizontalAdvance(text), y), text);
        }
    }
}

}  // namespace pelorin
