// Entering the lens and the zoom view, and the zoom steps. The overlay shows
// both on Img2; the zoom factor and the tool to return to live here.

#include "app/codes.h"
#include "overlay/groessen.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QAction>

namespace {

// Before the picture is copied for viewing: no rubber band, tool mark or
// open text may be in it.
void BildBereinigen(TToolForm* t) {
    t->PopupMenu1Popup();
}

} // namespace

void TToolForm::LupeBtnClick() {
    Lupe1->setChecked(true);
    BildBereinigen(this);
    Modus = mLupe;
    LupeFak = 2;
    if (TScreenForm* s = ScreenForm) {
        s->Img2->SetAnsicht(1.0f, 0.0f, 0.0f);
        s->Img2BildUebernehmen();
    }
    SetWerkzeug();
}

void TToolForm::ZoomInit(float Sx, float Sy) {
    TScreenForm* s = ScreenForm;
    if (!s) return;
    BildBereinigen(this);
    s->Lx = s->Ly = -1;
    Zoom1->setChecked(true);
    if (Modus != mZoom) VorZoomModus = Modus;
    Modus = mZoom;
    ZoomfakNr = 2;
    ZoomFak = ZoomTab[2];
    s->Img2->LayerVerstecken();
    s->Img2BildUebernehmen();
    s->Img2->SetAnsicht(ZoomFak, (1.0f - ZoomFak) * Sx, (1.0f - ZoomFak) * Sy);
    // Clamped at once: with the pointer parked the view would otherwise
    // start one pixel off, with an empty stripe.
    s->SetZoomOffset(s->Img2->OffsetHorz, s->Img2->OffsetVert);
    SetWerkzeug();
    // The pointer position survives the parking, so that the next wheel
    // turn zooms about it.
    const int32_t x = s->Sx, y = s->Sy;
    CheckPanels();
    s->Sx = x;
    s->Sy = y;
}

void TToolForm::ZoomInBtnClick() {
    TScreenForm* s = ScreenForm;
    if (!s) return;
    const float x = static_cast<float>(s->Img1->width()) / 2.0f;
    const float y = static_cast<float>(s->Img1->height()) / 2.0f;
    if (Modus != mZoom) {
        ZoomInit(x, y);
        return;
    }
    ZoomfakNr = IMin(ZoomfakNr + 1, 8);
    ZoomFak = ZoomTab[static_cast<size_t>(ZoomfakNr)];
    UpdateZoom(x, y, ZoomFak);
}

void TToolForm::ZoomOutBtnClick() {
    TScreenForm* s = ScreenForm;
    if (!s || Modus != mZoom) return;
    ZoomfakNr = IMax(ZoomfakNr - 1, 1);
    UpdateZoom(static_cast<float>(s->Img1->width()) / 2.0f,
               static_cast<float>(s->Img1->height()) / 2.0f,
               ZoomTab[static_cast<size_t>(ZoomfakNr)]);
}

void TToolForm::UpdateZoom(float Sx, float Sy, float fak) {
    TScreenForm* s = ScreenForm;
    if (!s) return;
    TImage32* i = s->Img2;
    ZoomFak = fak;
    // The picture point under (Sx, Sy) stays there.
    const float px = (Sx - i->OffsetHorz) / i->Scale;
    const float py = (Sy - i->OffsetVert) / i->Scale;
    i->SetAnsicht(ZoomFak, Sx - px * ZoomFak, Sy - py * ZoomFak);
    s->SetZoomOffset(i->OffsetHorz, i->OffsetVert);
    s->SetZoomInfo();
    if (ZoomFak != 1.0f || VorZoomModus == mZoom) return;
    // Back at 100 %: the tool used before the zoom view returns.
    Modus = VorZoomModus;
    s->Sx = s->Sy = -1;
    SetButtonEinstellungen();
    CheckPanels();
    SetWerkzeug();
}
