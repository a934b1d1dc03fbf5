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
// How long the pointer or the focus must stay before memory is prepared:
// a click that comes with them is no warning, and work begun then would
// only compete with the Start for the processors and the X server.
constexpr int AnkuendigungMs = 100;

} // namespace

TStartVorbereitung::TStartVorbereitung(TToolForm& Form, QWidget& Knopf)
    : QObject(&Form), FForm(Form), FKnopf(Knopf), FAnkuendigung(new QTimer(this)),
      FFrist(new QTimer(this)) {
    FAnkuendigung->setInterval(AnkuendigungMs);
    FAnkuendigung->setSingleShot(true);
    connect(FAnkuendigung, &QTimer::timeout, this, [this] { Vorbereiten(); });
    FFrist->setInterval(FristMs);
    FFrist->setSingleShot(true);
    connect(FFrist, &QTimer::timeout, this, [this] { Aufgeben(); });
    Form.installEventFilter(this);
    Knopf.installEventFilter(this);
}

void AufnahmeSpeicherVorbereiten(TBildschirmQuelle& Quelle, int Nr, const QRect& Monitor) {
    // The window buffer is only made here, its pages are faulted in on a
    // worker; made before the capture's memory, it is told from that by its
    // resource ids.
    if (ScreenForm) ScreenForm->FensterpufferVorbereiten(Monitor);
    Quelle.AufnahmeVorbereiten(Nr);
}

bool TStartVorbereitung::eventFilter(QObject* Objekt, QEvent* Event) {
    // The focus that comes with the window's activation announces nothing:
    // the window manager gives it at every show.
    if ((Event->type() == QEvent::Enter && Objekt == &FForm) ||
        (Event->type() == QEvent::FocusIn && Objekt == &FKnopf &&
         static_cast<QFocusEvent*>(Event)->reason() != Qt::ActiveWindowFocusReason))
        FAnkuendigung->start();
    return false;
}

void TStartVorbereitung::Vorbereiten() {
    // A Start under way (the window is hidden for its capture) or done
    // needs no preparation any more.
    if (FForm.WinZustand != 0 || !FForm.isVisible() || FFrist->isActive()) return;
    TBildschirmQuelle& Quelle = Bildschirm();
    const QList<QRect> Monitore = Quelle.Monitore();
    if (Monitore.isEmpty()) return;
    const int Nr = MonitorWahl(MonitorMode, Monitore.size(), Quelle.FensterMonitor(FForm));
    AufnahmeSpeicherVorbereiten(Quelle, Nr, Monitore[Nr]);
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
