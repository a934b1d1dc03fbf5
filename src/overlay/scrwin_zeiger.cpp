// The pointer over the picture and over the zoom view. MauszeigerMode 2 hides
// it everywhere over the picture: the tool marks, the lens cross and the
// hairlines show the position then.

#include "app/data.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QGuiApplication>

void TScreenForm::SetMauszeiger() {
    if (MauszeigerMode == 2) {
        Img1->setCursor(Mauszeiger(crNone));
        Img2->setCursor(Mauszeiger(crNone));
        return;
    }
    Img1->setCursor(Mauszeiger(crDefault));
    // Over the lens the lens's own cross is the pointer.
    if (ToolForm->Modus == mZoom)
        Img2->setCursor(Mauszeiger(MausShift.Has(ssLeft) ? crHand : crDefault));
    else
        Img2->setCursor(Mauszeiger(crNone));
}

void TScreenForm::SetZoomZeiger(TZeiger Zeiger) {
    if (MauszeigerMode == 2) return;
    Img2->setCursor(Mauszeiger(Zeiger));
}

void TScreenForm::ZiehzeigerZeigen() {
    if (MauszeigerMode == 2) return;
    SetZoomZeiger(crHand);
    if (!FHandUeberall) QGuiApplication::setOverrideCursor(Mauszeiger(crHand));
    FHandUeberall = true;
}

void TScreenForm::ZiehzeigerBeenden() {
    SetZoomZeiger(crDefault);
    if (FHandUeberall) QGuiApplication::restoreOverrideCursor();
    FHandUeberall = false;
}

void TScreenForm::ZoomSchrittZeiger(TShiftState Shift) {
    if (Shift.Has(ssShift))
        SetZoomZeiger(crPipette);
    else if (Shift.Has(ssLeft))
        SetZoomZeiger(crHand);
    else
        SetZoomZeiger(Shift.Has(ssCtrl) ? crNone : crDefault);
}
