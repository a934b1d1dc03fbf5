// The way from the tool window to the info box and the settings dialog.

#include "settings/dialogart.h"
#include "settings/info.h"
#include "toolwindow/toolwin2.h"

#include <QWindow>

void TToolForm::InfoBtnClick() {
    if (!InfoBox) return;
    // Kept above the tool window, and with it above the overlay, whose
    // full-screen window would otherwise cover the box.
    InfoBox->winId();
    InfoBox->windowHandle()->setTransientParent(windowHandle());
    DialogMitte(InfoBox);
    InfoBox->exec();
}

void TToolForm::InfoSofortEinstellungen() {
    if (!InfoBox) return;
    InfoBox->SofortEinstellungen = true;
    InfoBtnClick();
}
