// The tool window's own keys. The popup menu's shortcuts are handled before
// these by the actions themselves; what is left acts only in drawing mode.
// Most rows are those of the overlay, which the two windows share.

#include "app/codes.h"
#include "overlay/scrwin.h"
#include "overlay/tastenregeln.h"
#include "toolwindow/toolwin2.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace {

constexpr TTastenRegel WerkzeugfensterTasten[] = {
    {0, TTastenMods::MitShift, mZoom, SchrittWiederholen},
    {0, TTastenMods::GenauStrg, mZoom, FadenZeigen},
};

// The keyboard's modifiers and the mouse buttons held.
TShiftState Umschaltzustand(const QKeyEvent* Event, bool Gedrueckt) {
    return TastenShift(Event, Gedrueckt) |
           ShiftStateFrom(Qt::NoModifier, QGuiApplication::mouseButtons());
}

} // namespace

void TToolForm::keyPressEvent(QKeyEvent* Event) {
    FormKeyDown(Event->key(), Umschaltzustand(Event, true), Ziffernblock(Event));
    QWidget::keyPressEvent(Event);
}

void TToolForm::keyReleaseEvent(QKeyEvent* Event) {
    FormKeyUp(Event->key(), Umschaltzustand(Event, false));
    QWidget::keyReleaseEvent(Event);
}

void TToolForm::FormKeyDown(int Key, TShiftState Shift, bool Ziffernblock) {
    if (WinZustand != 1 || !ScreenForm) return;
    TastenregelnAnwenden(WerkzeugfensterTasten, Key, Ziffernblock, Shift);
    TastenregelnAnwenden(GemeinsameTasten, Key, Ziffernblock, Shift);
}

void TToolForm::FormKeyUp(int Key, TShiftState Shift) {
    if (WinZustand != 1 || !ScreenForm) return;
    TScreenForm* s = ScreenForm;
    if (Key == Qt::Key_Control && Modus == mZoom) s->ZoomFadenkreuz(false);
    if (Key == Qt::Key_Shift && Modus == mZoom) SchrittWiederholen(Shift);
    if (Modus == mZoom && !Shift.Has(ssCtrl)) s->SetZoomZeiger(crDefault);
    s->UmschaltFGedrueckt = false;
}
