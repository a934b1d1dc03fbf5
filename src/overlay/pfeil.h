#pragma once
// The two lines of an arrowhead: from the tip back along the shaft, 20
// degrees to either side, each of length L.

#include <QPoint>
#include <cstdint>

struct TPfeilKopf {
    QPoint Ende1; // end of the line at the direction minus 20 degrees
    QPoint Ende2; // end of the line at the direction plus 20 degrees
};

// Head of the arrow from (x1, y1) to the tip (x2, y2). The arithmetic keeps
// the single-precision steps of the drawing code it must match pixel for
// pixel, so the ends are given exactly, not just approximately.
TPfeilKopf PfeilKopf(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t L);
