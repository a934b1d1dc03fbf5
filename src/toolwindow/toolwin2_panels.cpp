// Whenever the pointer comes onto the tool window, the overlay is brought in
// line with the tool: an open text is written, and the tool mark leaves the
// picture, so that nothing of it can end up in an output.

#include "app/codes.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QAction>
#include <QEvent>
#include <QHelpEvent>
#include <QPushButton>
#include <QToolButton>
#include <QToolTip>

QString HinweisMitTaste(const QString& Hint, const QKeySequence& Taste) {
    if (Taste.isEmpty()) return Hint;
    return Hint + QStringLiteral(" (") + Taste.toString(QKeySequence::NativeText) + u')';
}

void TToolForm::CheckPanels() {
    TScreenForm* s = ScreenForm;
    if (!s) return;
    s->OffenenTextUebernehmen();
    s->FadenkreuzInfoPan->setVisible(Modus == mBereich);
    s->BereichInfoPan->setVisible(Modus == mBereich && AuswahlbereichAktiv(BereichRect));
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
    if (Event->type() == QEvent::ToolTip) return HinweisZeigen(Objekt, Event);
    // The keys of the save and e-mail menus' items, which are taken here,
    // belong to drawing mode.
    if (Event->type() == QEvent::Shortcut && qobject_cast<QAction*>(Objekt)) return WinZustand != 1;
    return QWidget::eventFilter(Objekt, Event);
}

bool TToolForm::HinweisZeigen(QObject* Objekt, QEvent* Event) {
    QAction* a = Objekt == StartFertigBtn ? StartFertig1 : nullptr;
    if (auto* b = qobject_cast<QToolButton*>(Objekt)) a = b->defaultAction();
    auto* w = qobject_cast<QWidget*>(Objekt);
    if (!a || !w || w->toolTip().isEmpty()) return false;
    QToolTip::showText(static_cast<QHelpEvent*>(Event)->globalPos(),
                       HinweisMitTaste(w->toolTip(), a->shortcut()), w);
    return true;
}

void TToolForm::ToolBar1MouseMove() {
    CheckPanels();
}
