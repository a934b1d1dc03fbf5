// The drawing step: every mouse event on the picture and every refresh of
// the tool mark ends up here and is dispatched to the branch of the tool.

#include "app/codes.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

void TScreenForm::Zeichenbewegung(TShiftState Shift, int32_t xalt, int32_t yalt, int32_t xneu,
                                  int32_t yneu) {
    // The old position is always (Sx, Sy); callers pass it for symmetry.
    Q_UNUSED(xalt);
    Q_UNUSED(yalt);
    AlteMarkeEntfernen();
    const int32_t Modus = ToolForm->Modus;
    if (IstFormModus(Modus)) {
        FormenZweig(Shift, xneu, yneu);
    } else if (Modus == mStift) {
        StiftZweig(Shift, xneu, yneu);
    } else if (Modus == mRadierer) {
        RadiererZweig(Shift, xneu, yneu);
    } else if (Modus == mText) {
        TextZweig(Shift, xneu, yneu);
    } else if (Modus == mHaekchen || Modus == mKreuz) {
        ZeichenZweig(Shift, xneu, yneu);
    } else if (Modus == mBereich) {
        BereichZweig(Shift, xneu, yneu);
    } else if (Modus == mLupe) {
        LupeZweig(xneu, yneu);
    } else if (Modus == mZoom) {
        ZoomZweig(Shift, xneu, yneu);
    }
    // Any other code leaves the picture alone.
    MarkeMerken();
}

void TScreenForm::Parken() {
    // Without the left button the shape and area branches would commit to
    // the parking position; a drag interrupted this way is dropped instead.
    if (HatGummiband(ToolForm->Modus)) {
        ObjektVorschau();
        Lx = Ly = -1;
    }
    Zeichenbewegung(TShiftState(), Sx, Sy, -1, -1);
}

void TScreenForm::ZiehenAbbrechen() {
    ObjektVorschau();
    Lx = Ly = -1;
    if (MausShift.Has(ssLeft)) FLinksGesperrt = true;
}

void TScreenForm::SetLinienStift() {
    TCanvas& c = Canvas();
    c.Pen.Color = ToolForm->Scol;
    c.Pen.Mode = static_cast<TPenMode>(ToolForm->Smode);
    c.Pen.Width = ToolForm->Sdicke;
    c.Pen.Style = psSolid;
    c.Brush.Style = bsClear;
}
