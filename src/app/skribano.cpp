#include "app/skribano.h"

#include "app/befehlszeile.h"
#include "app/data.h"
#include "app/dpiaware.h"
#include "app/nomultiinst.h"
#include "output/druck.h"
#include "output/melde.h"
#include "overlay/auswahl.h"
#include "overlay/scrwin.h"
#include "platform/anwendungsdienst.h"
#include "platform/endesignale.h"
#include "platform/meldung.h"
#include "platform/qtuebersetzung.h"
#include "platform/sitzung.h"
#include "platform/x11verbindung.h"
#include "settings/einstellungen.h"
#include "settings/info.h"
#include "toolwindow/blattanzahl.h"
#include "toolwindow/toolwin2.h"

#include <QApplication>
#include <QIcon>
#include <memory>

namespace {

// What the desktop's shortcuts and launcher may ask of the running program.
TAnwendungsDienst::TAuftraege Auftraege(TToolForm& Tool) {
    TToolForm* t = &Tool;
    return {[t] { t->Hervorholen(); },
            {{QStringLiteral("start"), [t] { t->ZeichnenStarten(); }},
             {QStringLiteral("toggle"), [t] { t->ZeichnenUmschalten(); }},
             {QStringLiteral("quit"), [t] { t->close(); }}},
            [] { return !QApplication::activeModalWidget(); }};
}

} // namespace

int SkribanoMain(int argc, char** argv) {
    // Options are answered before anything opens the display.
    const TBefehlszeile Befehl = Befehlszeile(argc, argv);
    if (Befehl.Ende) return *Befehl.Ende;
    DpiAware();
    PlattformWaehlen();
    QApplication App(argc, argv);
    WaylandGeraetepixel();
    X11VorrangSetzen();
    // The resources live in the core library, whose unused parts the linker
    // drops; this keeps them.
    Q_INIT_RESOURCE(resources);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/skribano.svg")));
    QtUebersetzungLaden(App);
    if (!NoMultiInst()) {
        Meldung(TMeldungTyp::Information, QStringLiteral("Die Anwendung läuft bereits."));
        return 0;
    }
    InitProgramDir();
    // No display name: Qt would append it to every window title, and each
    // title must be its window's caption alone.
    QApplication::setApplicationName(QStringLiteral("Skribano"));
    // The desktop links the windows to the installed desktop file by this
    // name (the Wayland app ID): its name, icon, and the screenshot
    // permission the desktop keeps for it.
    QApplication::setDesktopFileName(QStringLiteral("org.example.skribano"));
    // The tool window is a tool window to the window system, which Qt does
    // not count as a main window; it ends the program itself when closed.
    QApplication::setQuitOnLastWindowClosed(false);

    // Created in this order and kept for the whole run.
    auto Tool = std::make_unique<TToolForm>();
    auto Einstellungen = std::make_unique<TEinstellungenForm>();
    auto Meld = std::make_unique<TMeldForm>();
    auto Screen = std::make_unique<TScreenForm>();
    auto Info = std::make_unique<TInfoBox>();
    auto Druck = std::make_unique<TDruckForm>();
    auto BlattAnzahl = std::make_unique<TBlattAnzahlForm>();
    auto Auswahl = std::make_unique<TAuswahlForm>();

    // A logout or a kill ends the program the normal way, saving its settings.
    const TEndeSignale EndeSignale([&Tool] { return Tool->ErzwungenesEnde(); });
    Tool->ZeichnenBeimStart = Befehl.Zeichnen;
    const TAnwendungsDienst Dienst(Auftraege(*Tool));

    Tool->show();
    const int Ergebnis = App.exec();
    Tool->hide();
    return Ergebnis;
}
