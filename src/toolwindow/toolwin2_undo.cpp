// One-step undo and "Alles löschen". The undo copies are filled by every
// press on the picture, by "Alles löschen" and by every sheet; undo restores
// them without exchanging, so a second undo changes nothing more.

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
}

void TToolForm::ButtonsNachUndo() {
    // Re-applies the restored width, colour and tool to buttons, menu and
    // overlay, then brings the overlay in line with the restored tool.
    SetButtonEinstellungen();
    ScreenForm->AuswahlBereichZeigen();
    CheckPanels();
}
