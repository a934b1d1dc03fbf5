// The colour picker of the zoom view.

#include "app/data.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

void TScreenForm::FarbeAufnehmen() {
    // The read-out already shows the code of the pixel under the pointer,
    // and nothing outside the picture.
    QGuiApplication::clipboard()->setText(ZoomInfoPan->ZoomPanColLab->text());
    if (!UmschaltFGedrueckt) return;
    TToolForm* t = ToolForm;
    FarbMode = fmGepickt;
    t->Scol = PipetteCol;
    t->Smode = pmCopy;
}
