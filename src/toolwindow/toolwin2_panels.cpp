// Whenever the pointer comes onto the tool window, the overlay is brought in
// line with the tool: an open text is written, and the tool mark leaves the
// picture, so that nothing of it can end up in an output.

#include "app/codes.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QEvent>

void TToolForm::CheckPanels() {
    TScreenForm* s = ScreenForm;
    if (!s) return;
    s->OffenenTextUebernehmen();
    s->ZoomInfoPan->setVisible(Modus == mZoom);
    s->Parken();
}

void TToolForm::ToolBar1MouseMoveVerfolgen(QWidget* W) {
    QList<QWidget*> Alle = W->findChildren<QWidget*>();
    Alle.prepend(W);
    for (QWidget* w : Alle) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

bool TToolForm::eventFilter(QObject* Objekt, QEvent* Event) {
    // While a button is held on the overlay the mouse is grabbed there, so
    // these events come only from a pointer that really is over this window.
    if (Event->type() == QEvent::Enter || Event->type() == QEvent::MouseMove) ToolBar1MouseMove();
    return QWidget::eventFilter(Objekt, Event);
}

void TToolForm::ToolBar1MouseMove() {
    CheckPanels();
}
