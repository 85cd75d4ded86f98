// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small drawing helpers shared by the pictures: the fonts, and text that must fit its box.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;

namespace picturegen {

// Loads DejaVu Sans (regular and bold) so the pictures look the same on every machine.
// Returns false when neither the font files nor the installed family can be found.
bool loadFonts();

// DejaVu Sans at a pixel size, fully hinted: the pictures are small bitmaps.
QFont font(int pixelSize, bool bold = false);

// Draws one line of `text` inside `box` with the alignment `flags`. Text whose ink would not
// lie wholly inside the box is recorded in layoutErrors() under `where`, so a clipped label
// fails the build instead of shipping.
void drawFittedText(QPainter& painter, const QRect& box, int flags, const QString& text,
                    const QString& where);

// Every text that did not fit its box, in drawing order.
QStringList& layoutErrors();

}  // namespace picturegen
