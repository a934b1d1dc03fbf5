// The zoom view (Modus 15): the whole picture enlarged 1 to 10 times on Img2,
// dragged one to one with the left button, with hairlines around the
// enlarged pixel under the pointer while Ctrl is held.

#include "controls/kvxspez.h"
#include "overlay/einpassen.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

namespace {

int32_t FloorDiv(int32_t a, int32_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

// Left (or top) edge of the block of z screen pixels that holds the view
// coordinate s, for blocks starting at the rounded offset.
int32_t BlockAnfang(float Offset, int32_t s, int32_t z) {
    const int32_t o = Round(Offset) % z; // the sign of the dividend
    return o + z * FloorDiv(s - o, z);
}

} // namespace

QPoint TScreenForm::BildpunktUnter(int32_t x, int32_t y) const {
    return {TImage32::BildKoordinate(x, Img2->OffsetHorz, Img2->Scale),
            TImage32::BildKoordinate(y, Img2->OffsetVert, Img2->Scale)};
}

void TScreenForm::Img2BildUebernehmen() {
    // The copy shares the picture's pixels; the canvas lets go of them, so
    // that the next drawing parts the picture from the copy.
    Canvas().Release();
    Img2->Bitmap = Bild();
}

void TScreenForm::SetZoomOffset(float Ax, float Ay) {
    const float Fak = ToolForm->ZoomFak;
    const float minX =
        static_cast<float>(Img2->width()) - static_cast<float>(Img2->Bitmap.width()) * Fak;
    const float minY =
        static_cast<float>(Img2->height()) - static_cast<float>(Img2->Bitmap.height()) * Fak;
    float R = Ax, B = Ay;
    FloatRectEinpassen(Ax, Ay, R, B, minX, minY, 0.0f, 0.0f);
    Img2->SetAnsicht(Img2->Scale, Ax, Ay);
}

void TScreenForm::ZoomZweig(TShiftState Shift, int32_t xneu, int32_t yneu) {
    Sx = xneu;
    Sy = yneu;
    ZoomFadenkreuz(Shift.Has(ssCtrl));
    ZoomSchrittZeiger(Shift);
    // With the Shift key the left button picks a colour instead of dragging.
    if (!Shift.Has(ssShift) && Shift.Has(ssLeft)) {
        if (Lx < 0 || Ly < 0) {
            Lx = Sx;
            Ly = Sy;
        }
        SetZoomOffset(static_cast<float>(Sx - Lx) + Img2->OffsetHorz,
                      static_cast<float>(Sy - Ly) + Img2->OffsetVert);
        Lx = Sx;
        Ly = Sy;
    }
    SetZoomInfo();
}

void TScreenForm::ZoomFadenkreuz(bool zeigen) {
    TInvertFigur X, Y;
    if (zeigen) {
        const int32_t z = IMax(1, Round(ToolForm->ZoomFak));
        const int32_t Links = BlockAnfang(Img2->OffsetHorz, Sx, z);
        const int32_t Oben = BlockAnfang(Img2->OffsetVert, Sy, z);
        // From 300 % on an outline around the enlarged pixel's column and
        // row; below that, solid bars as wide as the pixel.
        X = {QRect(Links, 0, z, Img2->height()), z > 2, true};
        Y = {QRect(0, Oben, Img2->width(), z), z > 2, true};
    }
    Img2->SetFaeden(X, Y);
}
