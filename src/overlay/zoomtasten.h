#pragma once
// The zoom keys that both the overlay and the tool window handle themselves,
// beside the zoom commands' shortcuts.

#include "overlay/shiftstate.h"

#include <cstdint>

// +1 for Ctrl and the keypad's plus, -1 for Ctrl and minus of the keypad or
// the main keyboard, 0 for any other key. Ctrl must be the only modifier or
// button held; the keypad flag the window system adds does not count.
inline int32_t ZoomTastenSchritt(int Key, TShiftState Shift, bool Ziffernblock) {
    if (Shift != TShiftState(ssCtrl)) return 0;
    if (Key == Qt::Key_Plus && Ziffernblock) return 1;
    if (Key == Qt::Key_Minus) return -1;
    return 0;
}
