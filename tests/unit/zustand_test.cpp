// The switch between the ready state and drawing mode, the capture and the
// choice of the monitor, with a screen source of known monitors and pictures.

#include "app/data.h"
#include "app/nomultiinst.h"
#include "einstellungswerte.h"
#include "overlay/scrwin.h"
#include "platform/bildschirm.h"
#include "platform/einstellungsdatei.h"
#include "platform/endesignale.h"
#include "platform/meldung.h"
#include "toolwindow/toolwin2.h"
#include "zeichenfixture.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <csignal>
#include <gtest/gtest.h>

namespace {

class TTestBildschirm : public TBildschirmQuelle {
public:
    QList<QRect> Rechtecke;
    QList<QImage> Bilder;
    QList<int> Aufnahmen;
    QList<QRect> Monitore() const override { return Rechtecke; }
    QImage Aufnahme(int Index, WId) override {
        Aufnahmen.append(Index);
        return Bilder[Index];
    }
};

class ZustandTest : public ::testing::Test {
protected:
    void SetUp() override {
        QCursor::setPos(QPoint(20000, 20000));
        MonitorMode = 0;
        AutoOpen = AutoClose = false;
        const QRect Primaer = QGuiApplication::primaryScreen()->geometry();
        Quelle.Rechtecke = {Primaer, QRect(Primaer.right() + 1, 0, 320, 240)};
        Quelle.Bilder = {Testbild(Primaer.width(), Primaer.height()), Einfarbig(qRgb(10, 200, 30))};
        SetBildschirmQuelle(&Quelle);
        Tool = std::make_unique<TToolForm>();
        Screen = std::make_unique<TScreenForm>();
        Tool->show();
    }
    void TearDown() override {
        SetBildschirmQuelle(nullptr);
        Screen.reset();
        Tool.reset();
        MonitorMode = 0;
        AutoOpen = AutoClose = false;
    }
    int ClientHoehe() const { return Tool->height(); }

    TEinstellungenSichern Einstellungen;
    TTestBildschirm Quelle;
    std::unique_ptr<TToolForm> Tool;
    std::unique_ptr<TScreenForm> Screen;
};

} // namespace

TEST(MonitorWahl, ZweiterNurMitMehrerenMonitorenSonstDerDesWerkzeugfensters) {
    EXPECT_EQ(MonitorWahl(2, 2, 0), 1);
    EXPECT_EQ(MonitorWahl(2, 3, 2), 1);
    EXPECT_EQ(MonitorWahl(2, 1, 0), 0); // one monitor: the tool window's
    EXPECT_EQ(MonitorWahl(1, 2, 1), 0); // the first even from the second
    EXPECT_EQ(MonitorWahl(1, 1, 0), 0);
    EXPECT_EQ(MonitorWahl(0, 2, 1), 1);
    EXPECT_EQ(MonitorWahl(0, 3, 2), 2);
    EXPECT_EQ(MonitorWahl(7, 2, 1), 1); // unknown values count as 0
}

TEST(MonitorWahl, FensterGehoertZumMonitorMitDerGroesstenUeberdeckung) {
    const QList<QRect> m = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    EXPECT_EQ(MonitorDesFensters(m, QRect(1850, 5, 60, 500)), 0);
    EXPECT_EQ(MonitorDesFensters(m, QRect(1900, 5, 60, 500)), 1); // 40 of 60 columns on 1
    EXPECT_EQ(MonitorDesFensters(m, QRect(3000, 100, 60, 500)), 1);
    EXPECT_EQ(MonitorDesFensters(m, QRect(2500, 1100, 60, 60)), 1); // below 1, nearest
    EXPECT_EQ(MonitorDesFensters(m, QRect(-500, -500, 60, 60)), 0);
    EXPECT_EQ(MonitorDesFensters({}, QRect(0, 0, 10, 10)), 0);
}

TEST_F(ZustandTest, ErzeugtImBereitzustandMitNurDemStartknopf) {
    EXPECT_EQ(Tool->WinZustand, 0);
    EXPECT_TRUE(Tool->Start);
    EXPECT_EQ(Tool->StartFertigBtn->text(), "Start");
    EXPECT_EQ(Tool->StartFertig1->text(), "Start");
    EXPECT_EQ(Tool->StartFertig1->shortcut(), QKeySequence(Qt::Key_F9));
    EXPECT_EQ(Tool->StartFertigBtn->toolTip(),
              "Bildschirm einfrieren und\nZeichenfunktionen aktivieren");
    EXPECT_EQ(Tool->width(), 52);
    EXPECT_EQ(ClientHoehe(), 27);
    EXPECT_EQ(Tool->StartFertigBtn->geometry(), QRect(0, 0, 52, 27));
    EXPECT_EQ(Tool->ToolBar1->pos(), QPoint(1, 28));
    EXPECT_EQ(Tool->Modus, 1);
    EXPECT_EQ(Tool->ZoomfakNr, 2);
    EXPECT_EQ(Tool->ZoomFak, 2.0f);
    EXPECT_EQ(Tool->BereichRect, KeinBereich);
    EXPECT_TRUE(Tool->OrigScrBmp.isNull());
    EXPECT_FALSE(Tool->Timer1->isActive());
    EXPECT_EQ(Tool->Timer1->interval(), 250);
}

TEST(ToolFormErzeugung, ObenRechtsAufDemPrimaerenBildschirm) {
    TToolForm Tool;
    const QRect Primaer = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(Tool.frameGeometry().right() + 1, Primaer.right() + 1 - 15);
    EXPECT_EQ(Tool.frameGeometry().top(), Primaer.top() + 5);
}

TEST_F(ZustandTest, StartFriertDenMonitorEinUndFertigKehrtZurueck) {
    Tool->StartFertigBtnClick();
    ASSERT_EQ(Quelle.Aufnahmen, QList<int>({0}));
    EXPECT_EQ(Tool->WinZustand, 1);
    EXPECT_EQ(Tool->StartFertigBtn->text(), "Fertig");
    EXPECT_EQ(Tool->StartFertig1->text(), "Fertig");
    EXPECT_EQ(Tool->StartFertigBtn->toolTip(),
              "Zeichenfunktionen abschalten\nund Bildschirm wieder herstellen");
    EXPECT_EQ(ClientHoehe(), 28 + Tool->InfoBtn->y() + Tool->InfoBtn->height() + 1);
    EXPECT_TRUE(Tool->isVisible());
    EXPECT_TRUE(Screen->isVisible());
    EXPECT_TRUE(Screen->isFullScreen());

    const QImage& Erwartet = Quelle.Bilder[0];
    EXPECT_EQ(Screen->Bild(), Erwartet);
    EXPECT_EQ(Screen->Img2->Bitmap, Erwartet);
    EXPECT_EQ(Tool->OrigScrBmp, Erwartet);
    EXPECT_EQ(Tool->OrigScrStartBmp, Erwartet);
    EXPECT_EQ(Tool->BackupOrigScrBmp, Erwartet);
    // The undo copy is the picture itself, so the tile bookkeeping starts clean.
    EXPECT_EQ(Tool->BackupBmp.constBits(), Tool->OrigScrBmp.constBits());

    Tool->StartFertigBtnClick();
    EXPECT_EQ(Tool->WinZustand, 0);
    EXPECT_FALSE(Screen->isVisible());
    EXPECT_TRUE(Tool->isVisible());
    EXPECT_EQ(Tool->StartFertigBtn->text(), "Start");
    EXPECT_EQ(ClientHoehe(), 27);
    // The overlay was only hidden: it keeps its picture for the next start.
    EXPECT_EQ(Screen->Bild(), Erwartet);
}

TEST_F(ZustandTest, AufnahmeSetztZeigerUndRueckgaengigKopienZurueck) {
    Tool->StartFertigBtnClick();
    // Draw, so that pointer fields, undo copies and the picture all move on.
    Screen->Img1MouseDown(mbLeft, ssLeft, 100, 100);
    Screen->Img1MouseMove(ssLeft, 150, 120);
    Screen->Sx = Screen->Sy = 7;
    Screen->Lx = Screen->Ly = Screen->BakLx = Screen->BakLy = Screen->BakSx = Screen->BakSy = 9;
    Tool->BereichRect = TRect{10, 20, 30, 40};
    Tool->Modus = 4;
    ASSERT_NE(Screen->Bild(), Quelle.Bilder[0]);
    Tool->StartFertigBtnClick();

    Quelle.Bilder[0] = Testbild(Quelle.Bilder[0].width(), Quelle.Bilder[0].height()).mirrored();
    Tool->StartFertigBtnClick();
    const QImage& Neu = Quelle.Bilder[0];
    for (int32_t v : {Screen->Sx, Screen->Sy, Screen->Lx, Screen->Ly, Screen->BakSx, Screen->BakSy,
                      Screen->BakLx, Screen->BakLy})
        EXPECT_EQ(v, -1);
    EXPECT_EQ(Tool->BakBereichRect, (TRect{10, 20, 30, 40}));
    EXPECT_EQ(Tool->BakModus, 4);
    EXPECT_EQ(Screen->Bild(), Neu);
    EXPECT_EQ(Tool->BackupBmp, Neu);
    EXPECT_EQ(Tool->BackupOrigScrBmp, Neu);
    EXPECT_EQ(Tool->OrigScrStartBmp, Neu);
    // A later stroke brings the undo copy up to date from the new capture.
    Screen->Img1MouseDown(mbLeft, ssLeft, 5, 5);
    Screen->BildSichern();
    EXPECT_EQ(Tool->BackupBmp, Screen->Bild());
}

TEST_F(ZustandTest, MonitorModeWaehltDenAufgenommenenMonitor) {
    MonitorMode = 2;
    Tool->StartFertigBtnClick();
    EXPECT_EQ(Quelle.Aufnahmen.last(), 1);
    EXPECT_EQ(Screen->Bild(), Quelle.Bilder[1]);
    EXPECT_EQ(Tool->OrigScrBmp.size(), QSize(320, 240));
    Tool->StartFertigBtnClick();

    MonitorMode = 1;
    Tool->StartFertigBtnClick();
    EXPECT_EQ(Quelle.Aufnahmen.last(), 0);
    Tool->StartFertigBtnClick();

    // One monitor: MonitorMode 2 falls back to the tool window's.
    Quelle.Rechtecke.removeLast();
    MonitorMode = 2;
    Tool->StartFertigBtnClick();
    EXPECT_EQ(Quelle.Aufnahmen.last(), 0);
    EXPECT_EQ(Screen->Bild(), Quelle.Bilder[0]);
}

TEST_F(ZustandTest, WaehrendFertigDasOverlaySchliesstTutDerKnopfNichts) {
    Tool->StartFertigBtnClick();
    Tool->WinZustand = 2;
    Tool->StartFertigBtnClick();
    EXPECT_EQ(Tool->WinZustand, 2);
    EXPECT_TRUE(Screen->isVisible());
    EXPECT_EQ(Quelle.Aufnahmen.size(), 1);
}

TEST_F(ZustandTest, OverlayAufAndereWeiseGeschlossenBeendetDasProgramm) {
    Tool->StartFertigBtnClick();
    Tool->Modus = 15;
    Screen->close();
    EXPECT_FALSE(Screen->isVisible());
    EXPECT_FALSE(Tool->isVisible());
    EXPECT_TRUE(Tool->OrigScrBmp.isNull());
    EXPECT_TRUE(Tool->BackupBmp.isNull());
    EXPECT_EQ(Tool->Modus, 1); // the zoom view is never the stored tool
}

TEST_F(ZustandTest, FertigMitAutoCloseSchliesstDasWerkzeugfenster) {
    Tool->StartFertigBtnClick();
    AutoClose = true;
    Tool->StartFertigBtnClick();
    EXPECT_FALSE(Tool->isVisible());
    EXPECT_TRUE(Tool->OrigScrBmp.isNull());
}

TEST_F(ZustandTest, FertigMitAutoCloseFragtNachDenEmailDateien) {
    QTemporaryDir Ordner;
    const QString Datei = Ordner.filePath(QStringLiteral("a-001.png"));
    {
        QFile f(Datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    Tool->StartFertigBtnClick();
    Tool->EmailDateiList = {Datei};
    AutoClose = true;
    int Fragen = 0;
    const auto Antwort = [&Fragen](TMeldungAntwort a) {
        SetMeldungAntworter([&Fragen, a](TMeldungTyp t, const QString&, TMeldungKnoepfe k) {
            EXPECT_EQ(t, TMeldungTyp::Bestaetigung);
            EXPECT_EQ(k, TMeldungKnoepfe::JaNeinAbbrechen);
            ++Fragen;
            return a;
        });
    };
    // Abbrechen refuses the close: drawing mode, the picture and the file stay.
    Antwort(TMeldungAntwort::Abbrechen);
    Tool->StartFertigBtnClick();
    EXPECT_EQ(Fragen, 1);
    EXPECT_TRUE(Tool->isVisible());
    EXPECT_EQ(Tool->WinZustand, 1);
    EXPECT_FALSE(Tool->OrigScrBmp.isNull());
    EXPECT_TRUE(QFile::exists(Datei));
    // Ja deletes the file and ends.
    Antwort(TMeldungAntwort::Ja);
    Tool->StartFertigBtnClick();
    SetMeldungAntworter({});
    EXPECT_EQ(Fragen, 2);
    EXPECT_FALSE(Tool->isVisible());
    EXPECT_FALSE(QFile::exists(Datei));
}

TEST_F(ZustandTest, TastenStartenUndBeendenWieDerKnopf) {
    Tool->StartFertig1->trigger();
    EXPECT_EQ(Tool->WinZustand, 1);
    // The overlay carries the tool window's commands, so F9 works there too.
    EXPECT_TRUE(Screen->actions().contains(Tool->StartFertig1));
    Tool->StartFertig1->trigger();
    EXPECT_EQ(Tool->WinZustand, 0);
}

TEST_F(ZustandTest, AutoOpenStartetNurBeiDerErstenAktivierung) {
    Tool->FormActivate();
    EXPECT_FALSE(Tool->Start);
    EXPECT_FALSE(Tool->Timer1->isActive());

    Tool.reset();
    Screen.reset();
    AutoOpen = true;
    Tool = std::make_unique<TToolForm>();
    Screen = std::make_unique<TScreenForm>();
    Tool->show();
    Tool->FormActivate();
    EXPECT_FALSE(Tool->Start);
    EXPECT_TRUE(Tool->Timer1->isActive());
    Tool->Timer1->stop();
    Tool->FormActivate(); // later activations do nothing
    EXPECT_FALSE(Tool->Timer1->isActive());

    Tool->Timer1->start();
    QElapsedTimer t;
    t.start();
    while (Tool->WinZustand == 0 && t.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(Tool->WinZustand, 1);
    EXPECT_GE(t.elapsed(), 250);
    EXPECT_FALSE(Tool->Timer1->isActive());
    EXPECT_EQ(Quelle.Aufnahmen.size(), 1);
}

TEST(NoMultiInst, HaeltDieSperreUndLaesstKeinenZweitenZu) {
    // Static, so that it outlives the lock held until the program ends.
    static QTemporaryDir Ordner;
    ASSERT_TRUE(Ordner.isValid());
    const QByteArray Vorher = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", Ordner.path().toUtf8());
    QFile::setPermissions(Ordner.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_TRUE(NoMultiInstPfad().startsWith(Ordner.path()));
    ASSERT_TRUE(NoMultiInst());
    QLockFile Zweiter(NoMultiInstPfad());
    EXPECT_FALSE(Zweiter.tryLock(0));
    EXPECT_EQ(Zweiter.error(), QLockFile::LockFailedError);
    EXPECT_TRUE(NoMultiInst()); // the holder itself
    qputenv("XDG_RUNTIME_DIR", Vorher);
}

namespace {
QStringList GesammelteWarnungen;
void WarnungSammeln(QtMsgType Typ, const QMessageLogContext&, const QString& Text) {
    if (Typ == QtWarningMsg) GesammelteWarnungen.append(Text);
}
} // namespace

TEST_F(ZustandTest, ErsteAktivierungMaltKeineMarkeOhneBild) {
    // The stored tool is applied before any Start, while the pointer may
    // well be over the place of the future overlay: there is no picture yet
    // to draw its mark into, and none may be made up.
    QCursor::setPos(QPoint(60, 60));
    GesammelteWarnungen.clear();
    const QtMessageHandler Vorher = qInstallMessageHandler(WarnungSammeln);
    Tool->FormActivate();
    qInstallMessageHandler(Vorher);
    EXPECT_TRUE(GesammelteWarnungen.isEmpty()) << GesammelteWarnungen.join(u'\n').toStdString();
    EXPECT_TRUE(Screen->Bild().isNull());
    EXPECT_EQ(Screen->Sx, -1);

    // After Start the tool change draws its mark as before.
    Tool->StartFertigBtnClick();
    const QImage OhneMarke = Screen->Bild().copy();
    Tool->WerkzeugBtnClick(4);
    EXPECT_NE(Screen->Bild(), OhneMarke);
}

TEST_F(ZustandTest, ErzwungenesEndeBeendetDenZeichenmodusUndSpeichert) {
    Tool->FormActivate();
    Tool->StartFertigBtnClick();
    ASSERT_EQ(Tool->WinZustand, 1);
    Tool->Dicke4BtnClick();
    EXPECT_TRUE(Tool->ErzwungenesEnde());
    EXPECT_EQ(Tool->WinZustand, 0);
    EXPECT_FALSE(Screen->isVisible());
    EXPECT_FALSE(Tool->isVisible());
    EXPECT_TRUE(Tool->Beendet);
    EXPECT_EQ(EinstellungsWerte(EinstellungsDateiLesen(EinstellungsDateiPfad()).Zeilen)
                  .value(QStringLiteral("StiftdickeMode")),
              QStringLiteral("4"));
    // Once ended, a second request changes nothing.
    EXPECT_FALSE(Tool->ErzwungenesEnde());
    // Nobody is asked any more: a question gets the answer that changes nothing.
    EXPECT_EQ(Meldung(TMeldungTyp::Bestaetigung, QStringLiteral("Frage?"),
                      TMeldungKnoepfe::JaNeinAbbrechen),
              TMeldungAntwort::Nein);
    EXPECT_EQ(
        Meldung(TMeldungTyp::Bestaetigung, QStringLiteral("Frage?"), TMeldungKnoepfe::OkAbbrechen),
        TMeldungAntwort::Abbrechen);
    SetMeldungAntworter({});
}

TEST_F(ZustandTest, EndeVorDerErstenAktivierungUeberschreibtNichts) {
    // The settings were never loaded: the initial values are not written.
    StiftdickeMode = 1;
    EXPECT_TRUE(Tool->ErzwungenesEnde());
    SetMeldungAntworter({});
    EXPECT_FALSE(Tool->isVisible());
    EXPECT_EQ(EinstellungsDateiLesen(EinstellungsDateiPfad()).Zustand, TDateiZustand::Fehlt);
}

TEST(EndeSignale, SignaleUndBeendenAnfragenLaufenImEreignisLaufAuf) {
    int Aufrufe = 0;
    bool Antwort = true;
    {
        TEndeSignale Signale([&] {
            ++Aufrufe;
            return Antwort;
        });
        for (const int s : {SIGTERM, SIGHUP, SIGINT}) {
            const int Vorher = Aufrufe;
            ASSERT_EQ(::raise(s), 0);
            // The handler itself only wrote into the pipe.
            EXPECT_EQ(Aufrufe, Vorher);
            QElapsedTimer t;
            t.start();
            while (Aufrufe == Vorher && t.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            EXPECT_EQ(Aufrufe, Vorher + 1) << s;
        }
        // The session manager's quit: taken over, or let through when the
        // program is ending already.
        QEvent Quit(QEvent::Quit);
        EXPECT_TRUE(Signale.eventFilter(qApp, &Quit));
        Antwort = false;
        EXPECT_FALSE(Signale.eventFilter(qApp, &Quit));
        EXPECT_EQ(Aufrufe, 5);
    }
    // Afterwards the signals have their default action again.
    struct sigaction sa {};
    ASSERT_EQ(sigaction(SIGTERM, nullptr, &sa), 0);
    EXPECT_EQ(sa.sa_handler, SIG_DFL);
}

TEST_F(ZustandTest, MisslungeneAufnahmeLaesstDenBereitzustand) {
    // The source has told the user why; nothing is frozen, nothing black.
    Quelle.Bilder[0] = QImage();
    const QRect Platz = Tool->geometry();
    Tool->StartFertigBtnClick();
    EXPECT_EQ(Quelle.Aufnahmen, QList<int>({0}));
    EXPECT_EQ(Tool->WinZustand, 0);
    EXPECT_EQ(Tool->StartFertigBtn->text(), "Start");
    EXPECT_EQ(ClientHoehe(), 27);
    EXPECT_FALSE(Screen->isVisible());
    EXPECT_TRUE(Tool->isVisible());
    EXPECT_EQ(Tool->geometry(), Platz);
    EXPECT_TRUE(Tool->OrigScrBmp.isNull());
}

namespace {

// A Wayland session for the program's decisions, on the offscreen platform.
class TWaylandUmgebung {
public:
    TWaylandUmgebung() { qputenv("WAYLAND_DISPLAY", "wayland-test"); }
    ~TWaylandUmgebung() { qunsetenv("WAYLAND_DISPLAY"); }
};

} // namespace

TEST_F(ZustandTest, AufWaylandLiegtDasWerkzeugfensterImOverlay) {
    const TWaylandUmgebung Wayland;
    Tool->move(Quelle.Rechtecke[0].topLeft() + QPoint(300, 40));
    const QRect Platz = Tool->geometry();
    const QMargins Rahmen = TToolForm::OverlayRaender();
    Tool->StartFertigBtnClick();
    ASSERT_EQ(Tool->WinZustand, 1);
    EXPECT_TRUE(Screen->isVisible());
    EXPECT_FALSE(Tool->isWindow());
    EXPECT_EQ(Tool->parentWidget(), Screen.get());
    EXPECT_TRUE(Tool->isVisible());
    // The frame's corner where the window's frame was.
    EXPECT_EQ(Tool->pos(), QPoint(300 + Rahmen.left(), 40 + Rahmen.top()));
    EXPECT_EQ(ClientHoehe(), 28 + Tool->InfoBtn->y() + Tool->InfoBtn->height() + 1);
    // Above the picture, and Escape belongs to the picture unless a control
    // of the tool window has the focus.
    EXPECT_EQ(Screen->children().last(), Tool.get());
    for (QShortcut* k : Tool->StartTasten)
        EXPECT_EQ(k->context(), Qt::WidgetWithChildrenShortcut);
    // Behind and between the flat buttons, and in a frame of 2 pixels with
    // a grip on top, nothing of the picture shows; beyond the frame it does.
    const QRect Block = Tool->geometry().marginsAdded(TToolForm::OverlayRaender());
    const auto Zeigt = [&](const QRect& r) { return Screen->grab(r).toImage(); };
    const QImage Innen = Zeigt(Block), Aussen = Zeigt(Block.adjusted(-1, -1, 1, 1));
    Screen->BildLaden(Einfarbig(qRgb(200, 30, 90), Screen->width(), Screen->height()), true);
    EXPECT_EQ(Zeigt(Block), Innen);
    EXPECT_NE(Zeigt(Block.adjusted(-1, -1, 1, 1)), Aussen);

    Tool->StartFertigBtnClick();
    EXPECT_EQ(Tool->WinZustand, 0);
    EXPECT_FALSE(Screen->isVisible());
    EXPECT_TRUE(Tool->isWindow());
    EXPECT_TRUE(Tool->isVisible());
    EXPECT_TRUE(Tool->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(Tool->geometry(), Platz);
    for (QShortcut* k : Tool->StartTasten)
        EXPECT_EQ(k->context(), Qt::WindowShortcut);
}

TEST_F(ZustandTest, AufWaylandBleibenDieKnoepfeImOverlay) {
    // Stored at the bottom right of the monitor, the controls are pulled
    // wholly onto the overlay.
    const TWaylandUmgebung Wayland;
    const QRect m = Quelle.Rechtecke[0];
    Tool->move(m.right() - 60, m.bottom() - 30);
    Tool->StartFertigBtnClick();
    ASSERT_EQ(Tool->WinZustand, 1);
    EXPECT_TRUE(Screen->rect().contains(Tool->geometry()));
}

TEST_F(ZustandTest, AufWaylandSpeichertDasFensterSeinenPlatzVorStart) {
    const TWaylandUmgebung Wayland;
    Tool->FormActivate();
    Tool->move(Quelle.Rechtecke[0].topLeft() + QPoint(200, 50));
    const QPoint Platz = Tool->pos();
    Tool->StartFertigBtnClick();
    ASSERT_FALSE(Tool->isWindow());
    Tool->SaveSettings();
    const QHash<QString, QString> Werte =
        EinstellungsWerte(EinstellungsDateiLesen(EinstellungsDateiPfad()).Zeilen);
    EXPECT_EQ(Werte.value(QStringLiteral("WinPos-Left")).toInt(), Platz.x());
    EXPECT_EQ(Werte.value(QStringLiteral("WinPos-Top")).toInt(), Platz.y());
}
