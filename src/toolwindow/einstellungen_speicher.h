#pragma once
// The per-user settings store of the tool window (LoadSettings and
// SaveSettings are members of TToolForm), and the print dialog's field
// values that it keeps between runs.

// Left and top margin, width and height of the printed picture in cm, and
// whether the picture keeps its aspect ratio.
extern double DruckLiRand;
extern double DruckObRand;
extern double DruckBreite;
extern double DruckHoehe;
extern bool DruckSeitRatio;
