#include "toolwindow/startvorbereitung.h"

#include "app/data.h"
#include "overlay/scrwin.h"
#include "platform/bildschirm.h"
#include "platform/rahmenpuffer.h"
#include "toolwindow/toolwin2.h"

#include <QFocusEvent>
#include <QTimer>

namespace {

// How long prepared memory waits for the Start it was made for.
constexpr int FristMs = 4000;

} // namespace

TStartVorbereitung::TStartVorbereitung(TToolForm& Form, QWidget& Knopf)
    : QObject(&Form), FForm(Form), FKnopf(Knopf), FFrist(new QTimer(this)) {
    FFrist->setInterval(FristMs);
    FFrist->setSingleShot(true);
    connect(FFrist, &QTimer::timeout, this, [this] { Aufgeben(); });
    Form.installEventFilter(this);
    Knopf.installEventFilter(this);
}

bool TStartVorbereitung::eventFilter(QObject* Objekt, QEvent* Event) {
    // The focus that comes with the window's activation announces nothing:
    // the window manager gives it at every show.
    if ((Event->type() == QEvent::Enter && Objekt == &FForm) ||
        (Event->type() == QEvent::FocusIn && Objekt == &FKnopf &&
         static_cast<QFocusEvent*>(Event)->reason() != Qt::ActiveWindowFocusReason))
        Vorbereiten();
    return false;
}

void TStartVorbereitung::Vorbereiten() {
    if (FForm.WinZustand != 0 || FFrist->isActive()) return;
    TBildschirmQuelle& Quelle = Bildschirm();
    const QList<QRect> Monitore = Quelle.Monitore();
    if (Monitore.isEmpty()) return;
    const int Nr = MonitorWahl(MonitorMode, Monitore.size(), Quelle.FensterMonitor(FForm));
    // The window buffer is only made here, its pages are faulted in on a
    // worker; made before the capture's memory, it is told from that by its
    // resource ids.
    if (ScreenForm) ScreenForm->FensterpufferVorbereiten(Monitore[Nr]);
    Quelle.AufnahmeVorbereiten(Nr);
    RahmenpufferVorbereiten(qsizetype(Monitore[Nr].width()) * Monitore[Nr].height() * 4,
                            StartEigeneBilder);
    FFrist->start();
}

void TStartVorbereitung::Aufgeben() {
    // In drawing mode the prepared memory belongs to the pictures of the
    // Start; what it did not take goes with the next announcement's end.
    if (FForm.WinZustand != 0) return;
    Bildschirm().VorbereitungFreigeben();
    VorbereiteteRahmenpufferFreigeben();
    if (ScreenForm) ScreenForm->FensterpufferFreigeben();
}
