#include "controls/schriftgroesse.h"

#include <cmath>

int Punktgroesse(const QFont& Schrift, int DpiY) {
    if (Schrift.pointSize() > 0) return Schrift.pointSize();
    return static_cast<int>(std::lround(Schrift.pixelSize() * 72.0 / DpiY));
}
