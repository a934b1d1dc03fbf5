// One-step undo and "Alles löschen". The undo copies are filled by every
// press on the picture, by "Alles löschen" and by every sheet; undo restores
// them without exchanging, so a second undo changes nothing more.

#include "app/codes.h"
#include "overlay/groessen.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

void TToolForm::RueckgaengigBtnClick() {
    TScreenForm* s = ScreenForm;
    s->PunkteZurueckholen();
    BereichRect = BakBereichRect;
    s->BildLaden(BackupBmp, true);
    OrigScrBmp = BackupOrigScrBmp;
    Modus = BakModus;
    ButtonsNachUndo();
}

void TToolForm::ClearBtnClick() {
    TScreenForm* s = ScreenForm;
    s->BildSichern();
    s->PunkteSichern();
    s->Sx = s->Sy = s->Lx = s->Ly = -1;
    s->BildLaden(OrigScrBmp, false);
    s->Img1->repaint();
    // The viewing tools show a copy of the picture: the zoom view ends, the
    // lens takes the cleared picture.
    if (Modus == mZoom) {
        ZoomfakNr = 1;
        UpdateZoom(0.0f, 0.0f, ZoomTab[1]);
    } else if (Modus == mLupe) {
        LupeBtnClick();
    }
}

void TToolForm::ButtonsNachUndo() {
    // Re-applies the restored width, colour and tool to buttons, menu and
    // overlay, then brings the overlay in line with the restored tool.
    SetButtonEinstellungen();
    ScreenForm->AuswahlBereichZeigen();
    CheckPanels();
}
