// Mouse handlers of the picture and the undo snapshot taken at every press.

#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

TShiftState TScreenForm::Normalisiert(TShiftState Shift) {
    // With the right or middle button down the left one never draws.
    if (Shift.Has(ssRight) || Shift.Has(ssMiddle)) return Shift.Without(ssLeft);
    return Shift;
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
    if (Shift.Has(ssRight) || Shift.Has(ssMiddle)) {
        Shift = Shift.Without(ssLeft);
        Zeichenbewegung(Shift, Sx, Sy, X, Y);
    }
    MausShift = Shift & TShiftState(ssLeft);
    if (!Shift.Has(ssLeft)) return;
    UndoSchnappschuss();
    Canvas().MoveTo(X, Y);
    Zeichenbewegung(Shift, Sx, Sy, X, Y);
}

void TScreenForm::Img1MouseMove(TShiftState Shift, int X, int Y) {
    Shift = Normalisiert(Shift);
    MausShift = Shift & TShiftState(ssLeft);
    Zeichenbewegung(Shift, Sx, Sy, X, Y);
}

void TScreenForm::Img1MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    Q_UNUSED(Button);
    Q_UNUSED(X);
    Q_UNUSED(Y);
    Shift = Normalisiert(Shift);
    MausShift = Shift & TShiftState(ssLeft);
    Lx = Ly = -1;
}
