// Mouse handlers of the picture and the undo snapshot taken at every press.

#include "app/codes.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

TShiftState TScreenForm::Normalisiert(TShiftState Shift) {
    // With the right or middle button down the left one never draws. Once
    // another button has ended a drag, the still-held left button must not
    // start a new one (no undo snapshot, a second stamp) until released.
    if (!Shift.Has(ssLeft)) FLinksGesperrt = false;
    if (Shift.Has(ssRight) || Shift.Has(ssMiddle)) FLinksGesperrt = Shift.Has(ssLeft);
    return FLinksGesperrt ? Shift.Without(ssLeft) : Shift;
}

void TScreenForm::UndoSchnappschuss() {
    TToolForm* t = ToolForm;
    t->BakModus = t->Modus;
    PunkteSichern();
    t->BakBereichRect = t->BereichRect;
    BildSichern();
    t->BackupOrigScrBmp = t->OrigScrBmp;
}

void TScreenForm::PunkteSichern() {
    BakLx = Lx;
    BakLy = Ly;
    BakSx = Sx;
    BakSy = Sy;
    BakMarke = FMarke;
}

void TScreenForm::PunkteZurueckholen() {
    Sx = BakSx;
    Sy = BakSy;
    Lx = BakLx;
    Ly = BakLy;
    FMarke = BakMarke;
}

void TScreenForm::Img1MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    Q_UNUSED(Button);
    const bool AndereTaste = Shift.Has(ssRight) || Shift.Has(ssMiddle);
    Shift = Normalisiert(Shift);
    // Another button during a drag: a plain move, which commits a shape.
    if (AndereTaste) Zeichenbewegung(Shift, Sx, Sy, X, Y);
    MausShift = Shift & TShiftState(ssLeft);
    if (!Shift.Has(ssLeft)) return;
    if (ToolForm->Modus == mZoom) {
        if (Shift.Has(ssShift))
            FarbeAufnehmen();
        else
            ZiehzeigerZeigen();
    }
    // Each press in the lens switches between 200 % and 400 %.
    if (ToolForm->Modus == mLupe)
        ToolForm->LupeFak = ToolForm->LupeFak + 2 > 4 ? 2 : ToolForm->LupeFak + 2;
    UndoSchnappschuss();
    Canvas().MoveTo(X, Y);
    Zeichenbewegung(Shift, Sx, Sy, X, Y);
    if (ToolForm->Modus == mText) {
        // The text bar of the press is gone and the field is open: the undo
        // copy must not bring the bar back.
        PunkteSichern();
        BildSichern();
    }
}

void TScreenForm::Img1MouseMove(TShiftState Shift, int X, int Y) {
    Shift = Normalisiert(Shift);
    MausShift = Shift & TShiftState(ssLeft);
    Zeichenbewegung(Shift, Sx, Sy, X, Y);
}

void TScreenForm::Img1MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    Q_UNUSED(Button);
    Shift = Normalisiert(Shift);
    MausShift = Shift & TShiftState(ssLeft);
    const int32_t m = ToolForm->Modus;
    if (HatGummiband(m)) {
        if (Lx < 0 || Ly < 0) return;
        // The release without the left button commits the shape or area.
        Zeichenbewegung(Shift.Without(ssLeft), Sx, Sy, X, Y);
    }
    if (m == mZoom && !Shift.Has(ssLeft)) ZiehzeigerBeenden();
    Lx = Ly = -1;
}
