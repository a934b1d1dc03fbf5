#pragma once
// Moving a rectangle into bounds: the lens, its source rectangle and the zoom
// view's offsets are all kept inside the picture this way.

#include <cstdint>

// Shifts (L, T, R, B) into minX..maxX, minY..maxY without changing its size.
// A rectangle larger than the bounds ends at the lower bound and is cut at
// the upper one.
void RectEinpassen(int32_t& L, int32_t& T, int32_t& R, int32_t& B, int32_t minX, int32_t minY,
                   int32_t maxX, int32_t maxY);
void FloatRectEinpassen(float& L, float& T, float& R, float& B, float minX, float minY, float maxX,
                        float maxY);
