// The overlay's own keys. The popup menu's shortcuts work here too; the rows
// below add the Shift constraint, the area nudging and the keys of the zoom
// view. The overlay sees every key before the text field does.

#include "overlay/scrwin.h"
#include "overlay/tastenregeln.h"
#include "toolwindow/toolwin2.h"

#include <QCursor>
#include <QKeyEvent>

namespace {

// The picture's own key event in the zoom view, after the overlay's: any key
// without Ctrl hides the hairlines.
void Img2KeyDown(TShiftState Shift) {
    ScreenForm->ZoomFadenkreuz(Shift.Has(ssCtrl));
}

constexpr TTastenRegel OverlayTasten[] = {
    {0, TTastenMods::MitShift, 0, SchrittWiederholen},
    {0, TTastenMods::GenauStrg, mZoom, FadenZeigen},
};

constexpr TTastenRegel Img2Tasten[] = {
    {0, TTastenMods::Beliebig, mZoom, Img2KeyDown},
};

} // namespace

void TScreenForm::FormKeyDown(int Key, TShiftState Shift, bool Ziffernblock) {
    TastenregelnAnwenden(OverlayTasten, Key, Ziffernblock, Shift);
    TastenregelnAnwenden(GemeinsameTasten, Key, Ziffernblock, Shift);
    TastenregelnAnwenden(Img2Tasten, Key, Ziffernblock, Shift);
}

void TScreenForm::FormKeyUp(int Key, TShiftState Shift) {
    if (Key == Qt::Key_Control && ToolForm->Modus == mZoom) ZoomFadenkreuz(false);
    if (Key == Qt::Key_Shift) {
        // A shape snapped by the Shift key returns to the real pointer.
        const QPoint p = mapFromGlobal(QCursor::pos());
        Zeichenbewegung(Shift | MausShift, Sx, Sy, p.x(), p.y());
    }
    if (ToolForm->Modus == mZoom && !Shift.Has(ssCtrl)) SetZoomZeiger(crDefault);
    UmschaltFGedrueckt = false;
}

void TScreenForm::keyPressEvent(QKeyEvent* Event) {
    // Keys of the open text field were seen on their way to it.
    if (!Memo1->hasFocus())
        FormKeyDown(Event->key(), TastenShift(Event, true), Ziffernblock(Event));
    QWidget::keyPressEvent(Event);
}

void TScreenForm::keyReleaseEvent(QKeyEvent* Event) {
    if (!Memo1->hasFocus()) FormKeyUp(Event->key(), TastenShift(Event, false));
    QWidget::keyReleaseEvent(Event);
}
