// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures the program loads by name: the Help window's picture in each language
// ("help_en.pic", "help_de.pic", ...), and "stick1.bmp" .. "stick4.bmp" for the Stick Select
// window.

#include <QImage>
#include <QPicture>
#include <QSize>
#include <QString>

#include <functional>

namespace picturegen {

// The Help window is exactly as large as this picture.
inline constexpr QSize kHelpPictureSize{423, 254};

// The stick pictures sit right of the four radio buttons of the 243 x 154 px Stick Select
// window, above its OK and Cancel buttons.
inline constexpr QSize kStickPictureSize{150, 100};

// A text of the program in the language being drawn: (context, source) as the program's own
// tr() would look it up.
using Translate = std::function<QString(const char* context, const char* source)>;

// A labelled diagram of the main window and its context menu: what each button and each menu
// entry does and what the bars show, with every caption as the window shows it. Kept as
// vector art (QPainter commands), so the Help window draws it sharp at any scale.
[[nodiscard]] QPicture drawHelpPicture(const Translate& tr);

// Stick mode 1..4: the transmitter's two sticks and the function of each stick axis.
[[nodiscard]] QImage drawStickPicture(int mode);

}  // namespace picturegen
