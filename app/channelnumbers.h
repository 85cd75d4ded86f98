// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The monitor's table of numbers: for CH1..CH6 the raw word, the value (word - 1512) and that
// value as a percentage of 512; for the auxiliary word, a raw 0..1023 word without a centre,
// the word and its place in 0..1023 as a percentage. Fixed-width labels in digits of one
// width: a changed number repaints its label and nothing moves.

#include <QLocale>
#include <QWidget>

#include <array>
#include <optional>

class QLabel;

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

private:
    std::array<std::array<QLabel*, kColumns>, kRows> cells_{};
    std::array<std::optional<int>, kRows> shownWords_{};  // nothing after clear()
    QLocale numberLocale_;
};

}  // namespace pelorin
