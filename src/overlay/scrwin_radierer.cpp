// Eraser branch: brings the background back under a block that follows the
// pointer. Nothing is interpolated between two events.

#include "overlay/groessen.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

void TScreenForm::RadiererZweig(TShiftState Shift, int32_t xneu, int32_t yneu) {
    const int32_t hw = RadiererHalbBreite(ToolForm->Sdicke);
    const int32_t hh = RadiererHalbHoehe(ToolForm->Sdicke);
    RadiererMarke(hw, hh);
    Sx = xneu;
    Sy = yneu;
    if (Shift.Has(ssLeft))
        Canvas().CopyBlock(ToolForm->OrigScrBmp, QRect(Sx - hw, Sy - hh, 2 * hw + 1, 2 * hh + 1));
    RadiererMarke(hw, hh);
}
