#pragma once
// The 18 x 18 pictures of the tool window's width, colour and tool buttons,
// drawn by the program itself. Numbers follow the tool window's image list.

#include <QPixmap>

constexpr int GlyphenGroesse = 18;

// Glyph Nr: 0-3, 8, 9 opaque red, yellow, green, blue, white, black; 4-7
// transparent red, yellow, green, blue; 10-13 widths 1-4; 14-26 pen,
// eraser, line, arrow, rectangle, filled rectangle, ellipse, filled ellipse,
// double arrow, text, check mark, cross, area; 27 zoom in, 28 zoom out,
// 35 magnifier. Any other number gives an empty (transparent) picture.
QPixmap WerkzeugGlyphe(int Nr);
