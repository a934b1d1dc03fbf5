// Switching between the ready state and drawing mode: the Start/Fertig
// switch, the capture of a monitor and the tool window's two appearances.

#include "toolwindow/toolwin2.h"

#include "app/data.h"
#include "controls/kvxspez.h"
#include "output/bilddatei.h"
#include "overlay/scrwin.h"
#include "platform/bildschirm.h"
#include "platform/rahmenpuffer.h"
#include "platform/sitzung.h"
#include "toolwindow/startvorbereitung.h"

#include <QAction>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QToolButton>
#include <QWindow>

std::array<QString, 2> StartFertigCaption = {QStringLiteral("Start"), QStringLiteral("Fertig")};
std::array<QString, 2> StartFertigHint = {
    QStringLiteral("Bildschirm einfrieren und\r\nZeichenfunktionen aktivieren"),
    QStringLiteral("Zeichenfunktionen abschalten\r\nund Bildschirm wieder herstellen")};

void TToolForm::StartFertigBtnClick() {
    switch (WinZustand) {
    case 0:
        // Nothing frozen, nothing to draw on: the ready state stays.
        if (!BildschirmEinfrieren()) return;
        raise();
        activateWindow();
        SetZustandZeichnen();
        break;
    case 1:
        if (AutoScreenshot) {
            // The tool mark is no part of the picture to keep.
            PopupMenu1Popup();
            // Nothing stored: drawing mode stays, the drawing is not lost.
            if (!SaveScreenshot(false, BildPng)) return;
        }
        if (AutoClose) {
            AusDemOverlay();
            close();
            break;
        }
        WinZustand = 2;
        if (ScreenForm && ScreenForm->isVisible()) ScreenForm->close();
        SetZustandBereit();
        // Shown again at its ready size, so the compositor places it as before.
        AusDemOverlay();
        break;
    default:
        return;
    }
    FensterReihenfolge();
}

void TToolForm::FensterReihenfolge() {
    if (isVisible()) raise();
}

bool TToolForm::BildschirmEinfrieren() {
    TBildschirmQuelle& Quelle = Bildschirm();
    const QList<QRect> Monitore = Quelle.Monitore();
    if (Monitore.isEmpty()) return false;
    const int Nr = MonitorWahl(MonitorMode, Monitore.size(), Quelle.FensterMonitor(*this));
    const QRect Monitor = Monitore[Nr];
    // A question of the desktop's comes while this window is still shown:
    // it belongs to the focused application. A second Start while the user
    // answers it is not taken.
    if (FriertEin) return false;
    const QScopedValueRollback<bool> Laeuft(FriertEin, true);
    if (!Quelle.AufnahmeErlaubt(winId())) return false;

    // The tool window must not be in the picture: hide it and give the
    // window system time to show what lies beneath.
    const QRect Platz = geometry();
    hide();
    // The last Start's pictures go first: the memory they shared then takes
    // the new capture, instead of a fresh frame that must be faulted in.
    OrigScrBmp = OrigScrStartBmp = BackupBmp = BackupOrigScrBmp = QImage();
    ScreenForm->BilderFreigeben();
    // Without a warning, what the capture and the overlay fill is faulted
    // in on workers during the wait.
    AufnahmeSpeicherVorbereiten(Quelle, Nr, Monitor);
    // A Wayland compositor may still be fading the window out (GNOME Shell
    // does): the capture waits until that is over.
    DelayMs(WaylandSitzung() ? 400 : 50);
    const QImage Bild = Quelle.Aufnahme(Nr, winId());
    if (Bild.isNull()) {
        setGeometry(Platz);
        show();
        return false;
    }
    // Without a warning (a key, or the pointer already inside) the first
    // stroke's own pictures are prepared once the overlay shows: beside its
    // first paint that work would delay it.
    ScreenForm->Img1->OnGezeigt = [Groesse = Bild.sizeInBytes()] {
        RahmenpufferVorbereiten(Groesse, StartEigeneBilder);
    };

    // One shared picture: the copies part only when one of them is changed.
    OrigScrBmp = Bild;
    OrigScrStartBmp = Bild;
    BackupBmp = Bild;
    BackupOrigScrBmp = Bild;
    BakBereichRect = BereichRect;
    BakModus = Modus;
    ScreenForm->AufnahmeLaden(Bild);
    ScreenForm->AufMonitorZeigen(Monitor);
    if (WaylandSitzung()) {
        InsOverlay(Platz, Monitore);
        return true;
    }

    // Shown again only now, transient for the overlay: the window manager
    // then keeps it above the full-screen overlay.
    winId();
    windowHandle()->setTransientParent(ScreenForm->windowHandle());
    // A window manager that lets go of the hidden window may leave it where
    // its frame was; it comes back where it was.
    setGeometry(Platz);
    show();
    return true;
}

void TToolForm::SetClientHoehe(int Hoehe) {
    setFixedSize(width(), Hoehe);
    AufMonitorHalten();
}

void TToolForm::SetZustandBereit() {
    SetClientHoehe(StartFertigBtn->height());
    WinZustand = 0;
    UpdateStartFertigBtn();
}

void TToolForm::SetZustandZeichnen() {
    SetClientHoehe(ToolBar1->y() + InfoBtn->y() + InfoBtn->height() + 1);
    WinZustand = 1;
    UpdateStartFertigBtn();
}

void TToolForm::UpdateStartFertigBtn() {
    StartFertigBtn->setText(StartFertigCaption[WinZustand]);
    StartFertigBtn->setToolTip(QString(StartFertigHint[WinZustand]).replace(u'\r', QString()));
    StartFertig1->setText(StartFertigBtn->text());
}
