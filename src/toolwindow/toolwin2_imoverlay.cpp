// The tool window inside the overlay. A Wayland client can neither keep a
// window above a full-screen one nor put it on another output, so while
// drawing mode lasts the window itself becomes a child of the overlay, at
// the place it had on the monitor; "Fertig" makes it a window again.

#include "toolwindow/toolwin2.h"

#include "controls/kvxspez.h"
#include "overlay/scrwin.h"
#include "platform/bildschirm.h"

#include <QShortcut>

void TToolForm::InsOverlay(const QRect& Platz, const QList<QRect>& Monitore) {
    PlatzVorStart = Platz;
    OrtVorStart = pos();
    // The place on its own monitor, as the program knows it: a Wayland
    // client is never told where the compositor put the window.
    const QPoint Ort = Platz.topLeft() - Monitore[MonitorDesFensters(Monitore, Platz)].topLeft();
    ImOverlay = true;
    FensterArt = windowFlags();
    setParent(ScreenForm, Qt::Widget);
    // Inside the overlay Enter and Escape belong to the picture (text field,
    // zoom view) unless a control of this window has the focus.
    for (QShortcut* k : StartTasten)
        k->setContext(Qt::WidgetWithChildrenShortcut);
    move(Ort);
    AufMonitorHalten();
    show();
    raise();
}

void TToolForm::AusDemOverlay() {
    if (!ImOverlay) return;
    ImOverlay = false;
    setParent(nullptr, FensterArt);
    for (QShortcut* k : StartTasten)
        k->setContext(Qt::WindowShortcut);
    setGeometry(PlatzVorStart.x(), PlatzVorStart.y(), width(), height());
    show();
}
