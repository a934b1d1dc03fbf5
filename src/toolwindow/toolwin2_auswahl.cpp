// Choosing the stroke width, the colour and the tool, and re-applying the
// stored choices. Each handler marks its own action, which is button and
// menu item at once, so both always show the state.

#include "app/codes.h"
#include "app/data.h"
#include "overlay/groessen.h"
#include "overlay/scrwin.h"
#include "toolwindow/auswahltabellen.h"

#include <QAction>

void TToolForm::DickeBtnClick(int32_t Nr) {
    (this->*DickeTabelle[Nr - 1].Aktion)->setChecked(true);
    StiftdickeMode = Nr;
    Sdicke = DickeTab[Nr];
    SetWerkzeug();
}

void TToolForm::FarbBtnClick(int32_t NeuFarbMode) {
    const TFarbEintrag* e = Farbeintrag(NeuFarbMode);
    (this->*e->Aktion)->setChecked(true);
    FarbMode = e->FarbMode;
    Scol = e->Scol;
    Smode = e->Smode;
    UpdateTextFarbe();
}

void TToolForm::WerkzeugBtnClick(int32_t NeuModus) {
    (this->*Werkzeugeintrag(NeuModus)->Aktion)->setChecked(true);
    Modus = NeuModus;
    SetWerkzeug();
    if (NeuModus == mBereich) CheckPanels();
}

void TToolForm::UpdateTextFarbe() {
    TScreenForm* s = ScreenForm;
    if (Modus != mText || !s || !s->isVisible()) return;
    s->TextFarbeSetzen(Scol);
}

void TToolForm::SetButtonEinstellungen() {
    if (ScreenForm) ScreenForm->SetMauszeiger();
    if (StiftdickeMode >= 1 && StiftdickeMode <= 4) DickeBtnClick(StiftdickeMode);
    // A stored 5 is taken for the last transparent colour.
    const int32_t f = FarbMode == fmMarkBlau + 1 ? fmMarkBlau : FarbMode;
    if (IstZusatzFarbe(f))
        ZusatzColBtnClick(f - fmZusatz);
    else if (Farbeintrag(f))
        FarbBtnClick(f);
    if (Modus >= mStift && Modus <= mBereich) {
        WerkzeugBtnClick(Modus);
    } else if (Modus == mLupe) {
        LupeBtnClick();
    } else if (Modus == mZoom) {
        // The zoom view opens from the pen, to which it returns.
        Modus = mStift;
        ZoomInBtnClick();
    }
}

void TToolForm::PopupMenu1Popup() {
    TScreenForm* s = ScreenForm;
    if (!s) return;
    // A shape being dragged is dropped: the release that follows commits
    // nothing.
    s->ZiehenAbbrechen();
    CheckPanels();
}
