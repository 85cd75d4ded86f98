// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/channelnumbers.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <utility>

#include "app/channeltrace.h"
#include "link/frames.h"

namespace pelorin {

ChannelNumbers::ChannelNumbers(QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("Channel numbers"));
    numberLocale_ = locale();
    numberLocale_.setNumberOptions(QLocale::OmitGroupSeparator);
    QFont digits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    digits.setPointSizeF(font().pointSizeF());
    const QFontMetrics digitMetrics(digits);
    const std::array<QString, kColumns> names = {tr("Word"), tr("Value"), tr("Percent")};
    // The widest texts each column can show: the auxiliary word is any 16-bit number.
    const std::array<QString, kColumns> widest = {
        QStringLiteral("65535"), QStringLiteral("+64023"),
        tr("%1 %", "a percentage").arg(QStringLiteral("+12504.5"))};
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(14);
    for (int c = 0; c < kColumns; ++c)
        grid->addWidget(new QLabel(names[c], this), 0, c + 2, Qt::AlignRight);
    for (int row = 0; row < kRows; ++row) {
        const QString name = row < 6 ? tr("CH%1").arg(row + 1) : tr("AUX");
        if (row < 6) {
            QPixmap swatch(12, 12);
            swatch.fill(channelColour(row));
            QPainter painter(&swatch);
            painter.setPen(QColor(0, 0, 0, 90));
            painter.drawRect(0, 0, 11, 11);
            auto* label = new QLabel(this);
            label->setPixmap(swatch);
            grid->addWidget(label, row + 1, 0);
        }
        grid->addWidget(new QLabel(name, this), row + 1, 1);
        for (int c = 0; c < kColumns; ++c) {
            auto* cell = new QLabel(this);
            cell->setFont(digits);
            cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            cell->setFixedWidth(std::max(digitMetrics.horizontalAdvance(widest[c]),
                                         cell->fontMetrics().horizontalAdvance(names[c])) +
                                2);
            cell->setAccessibleName(tr("%1 %2").arg(name, names[c]));
            grid->addWidget(cell, row + 1, c + 2);
            cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)] = cell;
        }
    }
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ChannelNumbers::setWords(const std::array<int, 6>& channelWords, int auxWord) {
    const QString percent = tr("%1 %", "a percentage");
    for (std::size_t row = 0; row < kRows; ++row) {
        const int word = row < 6 ? channelWords[row] : auxWord;
        if (std::exchange(shownWords_[row], word) == word)
            continue;
        std::array<QString, kColumns> texts;
        if (row < 6) {
            const int value = word - kChannelCentre;
            const QString sign = value > 0 ? QStringLiteral("+") : QString();
            texts = {QString::number(word), sign + QString::number(value),
                     percent.arg(sign + numberLocale_.toString(channelPercent(value), 'f', 1))};
        } else {
            // No centre, so no value: where the word stands in 0..1023.
            texts = {QString::number(word), QString(),
                     percent.arg(numberLocale_.toString(word * 100.0 / 1023.0, 'f', 1))};
        }
        for (std::size_t c = 0; c < kColumns; ++c)
            cells_[row][c]->setText(texts[c]);
    }
}

void ChannelNumbers::clear() {
    shownWords_.fill(std::nullopt);
    for (auto& row : cells_) {
        for (QLabel* cell : row)
            cell->setText(tr("–", "no value yet"));
    }
    cells_.back()[1]->clear();  // the auxiliary word has no value
}

QString ChannelNumbers::cellText(int row, int column) const {
    return cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column))->text();
}

}  // namespace pelorin
