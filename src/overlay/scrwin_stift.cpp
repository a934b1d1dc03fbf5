// Pen branch: a freehand stroke of straight segments between successive
// pointer positions, with a circle mark at the pointer.

#include "overlay/groessen.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

void TScreenForm::StiftZweig(TShiftState Shift, int32_t xneu, int32_t yneu) {
    const int32_t r = StiftRadius(ToolForm->Sdicke);
    StiftMarke(r);
    Sx = xneu;
    Sy = yneu;
    if (Shift.Has(ssLeft)) {
        SetLinienStift();
        Canvas().LineTo(Sx, Sy);
    }
    StiftMarke(r);
}
