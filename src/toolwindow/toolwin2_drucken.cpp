// Printing from the tool window: the print dialog does the work.

#include "output/druck.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QAction>

void TToolForm::DruckBtnClick() {
    // Before the first Start there is no picture to print.
    if (!ScreenForm || ScreenForm->Bild().isNull()) return;
    // The tool mark is no part of the picture to print.
    PopupMenu1Popup();
    if (DruckForm) DruckForm->exec();
}
