// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures the program loads by name: "1.bmp" for the Help window and "stick1.bmp" ..
// "stick4.bmp" for the Stick Select window.

#include <QImage>
#include <QSize>

namespace picturegen {

// The Help window is exactly as large as this picture.
inline constexpr QSize kHelpPictureSize{423, 254};

// The stick pictures sit right of the four radio buttons of the 243 x 154 px Stick Select
// window, above its OK and Cancel buttons.
inline constexpr QSize kStickPictureSize{150, 100};

// A labelled diagram of the main window: what each button does and what the bars show.
[[nodiscard]] QImage drawHelpPicture();

// Stick mode 1..4: the transmitter's two sticks and the function of each stick axis.
[[nodiscard]] QImage drawStickPicture(int mode);

}  // namespace picturegen
