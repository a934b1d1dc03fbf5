// Shape branch: line, rectangle, arrow, double arrow, ellipse and the filled
// rectangle and ellipse. While the left button is held an inverted rubber
// band follows the pointer; the release draws the shape for good.

#include "app/codes.h"
#include "overlay/groessen.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

bool IstFormModus(int32_t Modus) {
    switch (Modus) {
    case mLinie:
    case mRechteck:
    case mPfeil:
    case mDoppelpfeil:
    case mEllipse:
    case mRechteckGefuellt:
    case mEllipseGefuellt:
        return true;
    default:
        return false;
    }
}

bool HatGummiband(int32_t Modus) {
    return IstFormModus(Modus) || Modus == mBereich;
}

TRect TScreenForm::NormRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    return TRect{IMin(x1, x2), IMin(y1, y2), IMax(x1, x2) + 1, IMax(y1, y2) + 1};
}

void TScreenForm::SetFuellStift() {
    SetLinienStift();
    TCanvas& c = Canvas();
    c.Pen.Width = 1;
    c.Brush.Color = ToolForm->Scol;
    c.Brush.Style = bsSolid;
}

void TScreenForm::VorschauFigur(int32_t Modus, int32_t Dicke) {
    if (Lx < 0 || Ly < 0 || Sx < 0 || Sy < 0) return;
    TCanvas& c = Canvas();
    c.SetInvertPen();
    const TRect R = NormRect(Sx, Sy, Lx, Ly);
    const int32_t L = PfeilLaenge(Dicke);
    switch (Modus) {
    case mLinie:
        c.Line(Lx, Ly, Sx, Sy);
        break;
    case mRechteck:
    case mRechteckGefuellt:
        c.Rectangle(R.Left, R.Top, R.Right, R.Bottom);
        break;
    case mPfeil:
        PfeilFigur(Lx, Ly, Sx, Sy, true, L);
        break;
    case mDoppelpfeil:
        PfeilFigur(Lx, Ly, Sx, Sy, true, L);
        PfeilFigur(Sx, Sy, Lx, Ly, false, L);
        break;
    case mEllipse:
    case mEllipseGefuellt:
        c.Ellipse(R.Left, R.Top, R.Right, R.Bottom);
        break;
    case mBereich:
        // The anchor's edges; the third line inverts the anchor pixel a
        // third time, so that it ends up inverted once.
        c.Line(Lx, Ly, Sx, Ly);
        c.Line(Lx, Ly, Lx, Sy);
        c.Line(Lx, Ly, Lx + 1, Ly);
        break;
    default:
        break;
    }
}

void TScreenForm::ObjektVorschau() {
    VorschauFigur(ToolForm->Modus, ToolForm->Sdicke);
}

void TScreenForm::ShiftBeschraenkung() {
    const int32_t dx = Sx - Lx, dy = Sy - Ly;
    const int32_t ax = std::abs(dx), ay = std::abs(dy);
    switch (ToolForm->Modus) {
    case mLinie:
    case mPfeil:
    case mDoppelpfeil: {
        constexpr double Pi = std::numbers::pi;
        const double a = dx == 0 ? Pi / 2 : std::atan(static_cast<double>(ay) / ax);
        if (std::abs(a - Pi / 4) <= Pi / 10) {
            const int32_t d = Round((ax + ay) / 2.0);
            Sx = Lx + RealSign(dx) * d;
            Sy = Ly + RealSign(dy) * d;
        } else if (ay > ax) {
            Sx = Lx;
        } else {
            Sy = Ly;
        }
        break;
    }
    default: {
        const int32_t m = IMin(ax, ay);
        Sx = Lx + RealSign(dx) * m;
        Sy = Ly + RealSign(dy) * m;
        break;
    }
    }
}

void TScreenForm::FormUebernehmen(int32_t r) {
    StiftMarke(r);
    SetLinienStift();
    TCanvas& c = Canvas();
    const TRect R = NormRect(Sx, Sy, Lx, Ly);
    switch (ToolForm->Modus) {
    case mLinie:
        c.Line(Lx, Ly, Sx, Sy);
        break;
    case mRechteck:
        c.Rectangle(R.Left, R.Top, R.Right, R.Bottom);
        break;
    case mPfeil:
        ZeichnePfeil(Lx, Ly, Sx, Sy, true);
        break;
    case mDoppelpfeil:
        ZeichneDoppelpfeil(Lx, Ly, Sx, Sy);
        break;
    case mEllipse:
        c.Ellipse(R.Left, R.Top, R.Right, R.Bottom);
        break;
    case mRechteckGefuellt:
        SetFuellStift();
        c.Rectangle(R.Left, R.Top, R.Right, R.Bottom);
        break;
    case mEllipseGefuellt:
        SetFuellStift();
        c.Ellipse(R.Left, R.Top, R.Right, R.Bottom);
        break;
    default:
        break;
    }
    Lx = Ly = Sx = Sy = -1;
}

void TScreenForm::FormenZweig(TShiftState Shift, int32_t xneu, int32_t yneu) {
    const int32_t Modus = ToolForm->Modus;
    // The filled shapes have a 1-pixel outline, so their mark is small.
    const int32_t r =
        Modus == mRechteckGefuellt || Modus == mEllipseGefuellt ? 1 : StiftRadius(ToolForm->Sdicke);
    StiftMarke(r);
    ObjektVorschau();
    Sx = xneu;
    Sy = yneu;
    if (Shift.Has(ssShift) && Lx >= 0 && Ly >= 0) ShiftBeschraenkung();
    StiftMarke(r);
    if (Shift.Has(ssLeft)) {
        if (Lx < 0 || Ly < 0) {
            Lx = Sx;
            Ly = Sy;
        }
        ObjektVorschau();
    } else if (Lx >= 0 && Ly >= 0) {
        FormUebernehmen(r);
    }
}
