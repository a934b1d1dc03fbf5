#pragma once
// The 18 x 18 pictures of the tool window's width, colour and tool buttons,
// drawn by the program itself. Numbers follow the tool window's image list.

#include "platform/tcolor.h"

#include <QPixmap>

constexpr int GlyphenGroesse = 18;

// Glyph Nr: 0-3, 8, 9 opaque red, yellow, green, blue, white, black; 4-7
// transparent red, yellow, green, blue; 10-13 widths 1-4; 14-26 pen,
// eraser, line, arrow, rectangle, filled rectangle, ellipse, filled ellipse,
// double arrow, text, check mark, cross, area; 27 zoom in, 28 zoom out,
// 29 undo, 30 clear, 31 print, 32 save, 33 copy to the clipboard, 34 info,
// 35 magnifier, 36 blank sheet, 37 e-mail, 48 paste from the clipboard.
// Any other number gives an empty (transparent) picture.
QPixmap WerkzeugGlyphe(int Nr);

// The glyph of an extra colour: the whole picture in colour c, opaque.
QPixmap FarbGlyphe(TColor c);

// Line width of the glyph of width button Nr (0 to 3) in pixels: the
// stroke widths 3, 7, 13 and 21 scaled by the same factor, so that each
// glyph shows its width in proportion to the others.
int BreitenGlyphenStaerke(int Nr);
