// The tool window's own keys. The popup menu's shortcuts are handled before
// these by the actions themselves; what is left acts only in drawing mode.

#include "app/codes.h"
#include "overlay/scrwin.h"
#include "overlay/zoomtasten.h"
#include "toolwindow/toolwin2.h"

#include <QKeyEvent>

void TToolForm::keyPressEvent(QKeyEvent* Event) {
    FormKeyDown(Event->key(), Event->modifiers());
    QWidget::keyPressEvent(Event);
}

void TToolForm::keyReleaseEvent(QKeyEvent* Event) {
    FormKeyUp(Event->key(), Event->modifiers());
    QWidget::keyReleaseEvent(Event);
}

void TToolForm::FormKeyDown(int Key, Qt::KeyboardModifiers Shift) {
    if (WinZustand != 1 || !ScreenForm) return;
    const TShiftState s = TastenShiftState(Key, Shift, true);
    if (s == TShiftState(ssCtrl) && Modus == mZoom) ScreenForm->ZoomFadenkreuz(true);
    const int32_t Schritt = ZoomTastenSchritt(Key, s, Shift.testFlag(Qt::KeypadModifier));
    if (Schritt > 0) ZoomInBtnClick();
    if (Schritt < 0) ZoomOutBtnClick();
    // With F held, the colour picker of the zoom view also draws with the
    // picked colour.
    if (Key == Qt::Key_F && Modus == mZoom) ScreenForm->UmschaltFGedrueckt = true;
}

void TToolForm::FormKeyUp(int Key, Qt::KeyboardModifiers Shift) {
    Q_UNUSED(Shift);
    if (WinZustand != 1 || !ScreenForm) return;
    if (Key == Qt::Key_Control && Modus == mZoom) ScreenForm->ZoomFadenkreuz(false);
    ScreenForm->UmschaltFGedrueckt = false;
}
