// Tool marks: small figures drawn inverted into the picture at (Sx, Sy).
// Inversion undoes itself, so drawing a mark again removes it exactly.

#include "app/codes.h"
#include "overlay/groessen.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

void TScreenForm::KreisFigur(int32_t r) {
    Canvas().SetInvertPen();
    Canvas().Ellipse(Sx - r, Sy - r, Sx + r + 1, Sy + r + 1);
}

void TScreenForm::RechteckFigur(int32_t hw, int32_t hh) {
    Canvas().SetInvertPen();
    Canvas().Rectangle(Sx - hw, Sy - hh, Sx + hw + 1, Sy + hh + 1);
}

void TScreenForm::TextrahmenFigur(int32_t h) {
    Canvas().SetInvertPen();
    Canvas().Rectangle(Sx, Sy - h, Sx + 2, Sy);
}

void TScreenForm::HaekchenFigur(int32_t k) {
    Canvas().SetInvertPen();
    const QPoint P[3] = {{Sx - 5 * k, Sy}, {Sx - 3 * k, Sy + 3 * k}, {Sx + 2 * k, Sy - 4 * k}};
    Canvas().Polyline(P, 3);
}

void TScreenForm::KreuzFigur(int32_t k) {
    Canvas().SetInvertPen();
    Canvas().Line(Sx - k, Sy - k, Sx + k + 1, Sy + k + 1);
    Canvas().Line(Sx - k, Sy + k, Sx + k + 1, Sy - k - 1);
}

void TScreenForm::StiftMarke(int32_t r) {
    if (Sx < 0 || Sy < 0) return;
    KreisFigur(r);
}

void TScreenForm::RadiererMarke(int32_t hw, int32_t hh) {
    if (Sx < 0 || Sy < 0) return;
    RechteckFigur(hw, hh);
}

void TScreenForm::Textrahmen() {
    if (Sx < 0 || Sy < 0 || TextfeldOffen()) return;
    TextrahmenFigur(Memo1->height());
}

void TScreenForm::HaekchenMarke() {
    if (Sx < 0 || Sy < 0) return;
    HaekchenFigur(HaekchenEinheit(ToolForm->Sdicke));
}

void TScreenForm::KreuzMarke() {
    if (Sx < 0 || Sy < 0) return;
    KreuzFigur(KreuzHalbGroesse(ToolForm->Sdicke));
}

void TScreenForm::BereichFadenkreuz() {
    if (Sx < 0 || Sy < 0) return;
    Canvas().SetInvertPen();
    Canvas().Line(0, Sy, Bild().width(), Sy);
    Canvas().Line(Sx, 0, Sx, Bild().height());
}

TScreenForm::TMarke TScreenForm::AktuelleMarke() const {
    // The text bar shows only while the field is closed; its height is
    // part of the figure.
    const bool Balken = ToolForm->Modus == mText && !TextfeldOffen();
    // The crosshair is the same at every width.
    const int32_t Dicke = ToolForm->Modus == mBereich ? 0 : ToolForm->Sdicke;
    return TMarke{ToolForm->Modus, Dicke, Balken ? Memo1->height() : 0};
}

void TScreenForm::MarkeZeichnen(const TMarke& M) {
    if (Sx < 0 || Sy < 0) return;
    switch (M.Modus) {
    case mStift:
    case mLinie:
    case mRechteck:
    case mPfeil:
    case mDoppelpfeil:
    case mEllipse:
        KreisFigur(StiftRadius(M.Dicke));
        break;
    case mRechteckGefuellt:
    case mEllipseGefuellt:
        KreisFigur(1);
        break;
    case mRadierer:
        RechteckFigur(RadiererHalbBreite(M.Dicke), RadiererHalbHoehe(M.Dicke));
        break;
    case mText:
        if (M.TextHoehe > 0) TextrahmenFigur(M.TextHoehe);
        break;
    case mHaekchen:
        HaekchenFigur(HaekchenEinheit(M.Dicke));
        break;
    case mKreuz:
        KreuzFigur(KreuzHalbGroesse(M.Dicke));
        break;
    case mBereich:
        BereichFadenkreuz();
        break;
    default:
        break;
    }
}

void TScreenForm::AlteMarkeEntfernen() {
    // A change of tool or width from the keyboard happens while the old mark
    // is still in the picture; remove it with the figure it was drawn with
    // before the new tool draws its own.
    if (Sx < 0 || Sy < 0 || FMarke == AktuelleMarke()) return;
    MarkeZeichnen(FMarke);
    // The rubber band of a shape drag goes with it, and the press ends: the
    // new tool neither commits a shape from the old anchor nor takes the
    // still-held left button for a new press (no snapshot, a second stamp).
    const bool Stempel = FMarke.Modus == mHaekchen || FMarke.Modus == mKreuz;
    if ((HatGummiband(FMarke.Modus) || Stempel) && Lx >= 0 && Ly >= 0) {
        VorschauFigur(FMarke.Modus, FMarke.Dicke);
        Lx = Ly = -1;
        FLinksGesperrt = true;
    }
    Sx = Sy = -1;
}
