// Printing from the tool window: the print dialog does the work.

#include "output/druck.h"
#include "toolwindow/toolwin2.h"

#include <QAction>

void TToolForm::DruckBtnClick() {
    // The tool mark is no part of the picture to print.
    PopupMenu1Popup();
    if (DruckForm) DruckForm->exec();
}
