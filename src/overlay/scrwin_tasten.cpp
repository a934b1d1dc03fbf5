// Keys the overlay handles itself, after the popup menu's shortcuts: the
// zoom steps of the numeric keypad and minus, and the zoom view's hairlines
// while Ctrl is held.

#include "app/codes.h"
#include "overlay/scrwin.h"
#include "overlay/zoomtasten.h"
#include "toolwindow/toolwin2.h"

#include <QKeyEvent>

void TScreenForm::keyPressEvent(QKeyEvent* Event) {
    const TShiftState s = TastenShiftState(Event->key(), Event->modifiers(), true);
    FormKeyDown(Event->key(), s | MausShift, Event->modifiers().testFlag(Qt::KeypadModifier));
    QWidget::keyPressEvent(Event);
}

void TScreenForm::keyReleaseEvent(QKeyEvent* Event) {
    FormKeyUp(Event->key(), TastenShiftState(Event->key(), Event->modifiers(), false) | MausShift);
    QWidget::keyReleaseEvent(Event);
}

void TScreenForm::FormKeyDown(int Key, TShiftState Shift, bool Ziffernblock) {
    TToolForm* t = ToolForm;
    // The picture has the keyboard in the zoom view: any key without Ctrl
    // hides the hairlines, any with Ctrl shows them.
    if (t->Modus == mZoom) ZoomFadenkreuz(Shift.Has(ssCtrl));
    const int32_t Schritt = ZoomTastenSchritt(Key, Shift, Ziffernblock);
    if (Schritt > 0) t->ZoomInBtnClick();
    if (Schritt < 0) t->ZoomOutBtnClick();
}

void TScreenForm::FormKeyUp(int Key, TShiftState Shift) {
    Q_UNUSED(Shift);
    if (Key == Qt::Key_Control && ToolForm->Modus == mZoom) ZoomFadenkreuz(false);
}
