// The settings store: first start, round trip through the settings file,
// missing and malformed values, stored codes outside the tables, and the
// clamping of the window position.

#include "app/data.h"
#include "einstellungswerte.h"
#include "overlay/groessen.h"
#include "overlay/scrwin.h"
#include "platform/meldung.h"
#include "toolwindow/einstellungen_speicher.h"
#include "toolwindow/toolwin2.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

namespace {

// What the process held before any test changed it.
const TAlleWerte& Anfangswerte() {
    static const TAlleWerte w = TAlleWerte::Aktuell();
    return w;
}

// Different from every initial value.
TAlleWerte Geaendert() {
    TAlleWerte w = Anfangswerte();
    w.MauszeigerMode = 2;
    w.MonitorMode = 2;
    w.StiftdickeMode = 4;
    w.FarbMode = 14;
    w.AutoOpen = true;
    w.AutoClose = true;
    w.MausradZoom = false;
    w.AutoScreenshot = true;
    w.WerkzeugGroesseX = 40;
    w.WerkzeugGroesseY = 31;
    w.AnzZusatzCol = 6;
    w.BlattLinienFrei = 999;
    w.BlattKariertFrei = 1;
    w.BlattNotenlinienFrei = 12;
    w.ScreenshotDir = QStringLiteral("%exedir%\\Bilder, Übersicht;#1 \"x\"");
    w.EmailDir = QStringLiteral("/tmp/post=fach [ä]");
    for (int i = 1; i <= 10; ++i)
        w.ZusatzCol[i] = 0x00010203u * static_cast<TColor>(i);
    w.DruckLiRand = 0.1 + 0.2; // not exactly representable in few digits
    w.DruckObRand = 3.25;
    w.DruckBreite = 12.34;
    w.DruckHoehe = 1e-3;
    w.DruckSeitRatio = false;
    return w;
}

class EinstellungenTest : public ::testing::Test {
protected:
    void SetUp() override {
        Anfangswerte();
        ASSERT_TRUE(Ordner.isValid());
        qputenv("XDG_CONFIG_HOME", Ordner.path().toUtf8());
        Anfangswerte().Setzen();
        SetMeldungAntworter([this](TMeldungTyp Typ, const QString& Text, TMeldungKnoepfe) {
            Meldungen.append({Typ, Text});
            return TMeldungAntwort::Ok;
        });
    }
    void TearDown() override {
        Tool.reset();
        Anfangswerte().Setzen();
        SetMeldungAntworter({});
        qputenv("XDG_CONFIG_HOME", Vorher);
    }

    QRect Bildschirm() const { return QGuiApplication::primaryScreen()->geometry(); }
    // A new process: initial values, a new tool window at its creation
    // position, then the first activation's loading and applying.
    void Neustart() {
        Tool.reset();
        Anfangswerte().Setzen();
        Tool = std::make_unique<TToolForm>();
        Tool->resize(52, 27);
        Tool->move(ErstePosition());
        Tool->LoadSettings();
        Tool->SetButtonEinstellungen();
    }
    QPoint ErstePosition() const {
        return {Bildschirm().width() - Tool->frameGeometry().width() - 15, 5};
    }
    QString Datei() const { return Ordner.path() + QStringLiteral("/Quorvel/Skribano.conf"); }
    // The file as QSettings reads it: what earlier versions wrote and read.
    QSettings Roh() const { return {Datei(), QSettings::IniFormat}; }
    void Schreibe(const QString& Name, const QVariant& Wert) {
        QSettings s(Datei(), QSettings::IniFormat);
        s.setValue(Name, Wert);
    }
    void SchreibeDatei(const QByteArray& Inhalt) {
        QDir().mkpath(Ordner.path() + QStringLiteral("/Quorvel"));
        QFile f(Datei());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(Inhalt);
    }
    QByteArray LiesDatei() const {
        QFile f(Datei());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir Ordner;
    const QByteArray Vorher = qgetenv("XDG_CONFIG_HOME");
    std::unique_ptr<TToolForm> Tool;
    QList<std::pair<TMeldungTyp, QString>> Meldungen;
};

} // namespace

TEST_F(EinstellungenTest, AnfangswerteSindDieDerErstenInstallation) {
    const TAlleWerte& w = Anfangswerte();
    EXPECT_EQ(w.MauszeigerMode, 1);
    EXPECT_EQ(w.MonitorMode, 0);
    EXPECT_EQ(w.StiftdickeMode, 3);
    EXPECT_EQ(w.FarbMode, 1);
    EXPECT_FALSE(w.AutoOpen || w.AutoClose || w.AutoScreenshot);
    EXPECT_TRUE(w.MausradZoom);
    EXPECT_EQ(w.WerkzeugGroesseX, 25);
    EXPECT_EQ(w.WerkzeugGroesseY, 24);
    EXPECT_EQ(w.AnzZusatzCol, 0);
    EXPECT_EQ(w.BlattLinienFrei, 25);
    EXPECT_EQ(w.BlattKariertFrei, 50);
    EXPECT_EQ(w.BlattNotenlinienFrei, 8);
    EXPECT_EQ(w.ScreenshotDir, QStringLiteral("%docdir%\\Skribano\\Screenshots"));
    EXPECT_EQ(w.EmailDir, QStringLiteral("%docdir%\\Skribano\\Email"));
    EXPECT_EQ(w.ZusatzCol[1], 0x008080FFu);
    EXPECT_EQ(w.ZusatzCol[7], 0x00CCCCCCu);
    EXPECT_EQ(w.ZusatzCol[10], 0x00333333u);
    EXPECT_EQ(w.DruckLiRand, 2.5);
    EXPECT_EQ(w.DruckObRand, 1.8);
    EXPECT_EQ(w.DruckBreite, 16.0);
    EXPECT_EQ(w.DruckHoehe, 17.0);
    EXPECT_TRUE(w.DruckSeitRatio);
}

TEST_F(EinstellungenTest, ErsterStartOhneDateiGibtStiftRotUndDritteDicke) {
    ASSERT_FALSE(QFile::exists(Datei()));
    Neustart();
    EXPECT_EQ(TAlleWerte::Aktuell(), Anfangswerte());
    EXPECT_EQ(Tool->Modus, 1);
    EXPECT_EQ(Tool->Sdicke, 13);
    EXPECT_EQ(Tool->Scol, 0x000000FFu);
    EXPECT_EQ(Tool->Smode, pmMask);
    EXPECT_TRUE(Tool->Stift1->isChecked());
    EXPECT_TRUE(Tool->Dicke3->isChecked());
    EXPECT_TRUE(Tool->MarkCol1->isChecked());
    EXPECT_EQ(Tool->pos(), ErstePosition());
    EXPECT_EQ(Tool->BereichRect, KeinBereich);
}

TEST_F(EinstellungenTest, NormalesEndeSchreibtJedenWertUndNeustartStelltIhnWiederHer) {
    Neustart();
    const TAlleWerte g = Geaendert();
    g.Setzen();
    Tool->Modus = 10;
    Tool->move(100, 120);
    Tool->SaveSettings();

    QSettings r = Roh();
    QStringList Erwartet = {"MauszeigerMode",
                            "AutoOpen",
                            "AutoClose",
                            "MausradZoom",
                            "BlattLinienFrei",
                            "BlattKariertFrei",
                            "BlattNotenlinienFrei",
                            "AutoScreenshot",
                            "ScreenshotDir",
                            "EmailDir",
                            "MonitorMode",
                            "AnzZusatzCol",
                            "StiftdickeMode",
                            "FarbMode",
                            "WerkzeugMode",
                            "BereichRect-Left",
                            "BereichRect-Top",
                            "BereichRect-Right",
                            "BereichRect-Bottom",
                            "WerkzeugGroesseX",
                            "WerkzeugGroesseY",
                            "Drucken-LiRand",
                            "Drucken-ObRand",
                            "Drucken-Breite",
                            "Drucken-Hoehe",
                            "Drucken-SeitRatio",
                            "WinPos-Left",
                            "WinPos-Top"};
    for (int i = 1; i <= 10; ++i)
        Erwartet << QStringLiteral("ZusatzCol%1").arg(i);
    QStringList Gefunden = r.allKeys();
    Gefunden.sort();
    Erwartet.sort();
    EXPECT_EQ(Gefunden, Erwartet);
    EXPECT_EQ(Erwartet.size(), 38);
    for (const char* n :
         {"BereichRect-Left", "BereichRect-Top", "BereichRect-Right", "BereichRect-Bottom"})
        EXPECT_EQ(r.value(n).toString(), QStringLiteral("-1")) << n;
    EXPECT_EQ(r.value("AutoOpen").toString(), QStringLiteral("1"));
    EXPECT_EQ(r.value("MausradZoom").toString(), QStringLiteral("0"));
    EXPECT_EQ(r.value("ZusatzCol3").toString(), QString::number(0x00030609));

    Neustart();
    EXPECT_EQ(TAlleWerte::Aktuell(), g);
    EXPECT_EQ(Tool->Modus, 10);
    EXPECT_TRUE(Tool->Ellipse1->isChecked());
    EXPECT_TRUE(Tool->Dicke4->isChecked());
    EXPECT_TRUE(Tool->DeckCol4->isChecked());
    EXPECT_EQ(Tool->Sdicke, 21);
    EXPECT_EQ(Tool->Scol, 0x00FF0000u);
    EXPECT_EQ(Tool->Smode, pmCopy);
    EXPECT_EQ(Tool->pos(), QPoint(100, 120));
}

TEST_F(EinstellungenTest, BereichWirdGeschriebenAberNieGelesen) {
    Neustart();
    Tool->BereichRect = TRect{10, 20, 300, 400};
    Tool->SaveSettings();
    QSettings r = Roh();
    EXPECT_EQ(r.value("BereichRect-Left").toInt(), 10);
    EXPECT_EQ(r.value("BereichRect-Top").toInt(), 20);
    EXPECT_EQ(r.value("BereichRect-Right").toInt(), 300);
    EXPECT_EQ(r.value("BereichRect-Bottom").toInt(), 400);
    Neustart();
    EXPECT_EQ(Tool->BereichRect, KeinBereich);
}

TEST_F(EinstellungenTest, GeloeschterWertGibtNurSeinenAnfangswertZurueck) {
    Neustart();
    Geaendert().Setzen();
    Tool->SaveSettings();
    Schreibe(QStringLiteral("Unbeteiligt"), 1);
    {
        QSettings s = Roh();
        s.remove(QStringLiteral("ZusatzCol7"));
        s.remove(QStringLiteral("Drucken-Breite"));
    }
    Neustart();
    TAlleWerte Erwartet = Geaendert();
    Erwartet.ZusatzCol[7] = 0x00CCCCCC;
    Erwartet.DruckBreite = 16.0;
    EXPECT_EQ(TAlleWerte::Aktuell(), Erwartet);
}

TEST_F(EinstellungenTest, WertFalschenTypsGiltAlsFehlendUndHindertDenStartNicht) {
    SchreibeDatei("[General]\n"
                  "StiftdickeMode=dick\n"
                  "FarbMode=12\n"
                  "MonitorMode=1.5\n"
                  "AnzZusatzCol=4\n"
                  "AutoOpen=ja\n"
                  "AutoClose=7\n"
                  "ZusatzCol2=99999999999\n"
                  "ZusatzCol3=255\n"
                  "ScreenshotDir=a, b\n"
                  "EmailDir=/post\n"
                  "Drucken-Breite=@ByteArray(\\x1\\x2)\n"
                  "Drucken-Hoehe=inf\n"
                  "Drucken-LiRand=3.5\n"
                  "WerkzeugMode=\n"
                  "WinPos-Left=links\n"
                  "WinPos-Top=40\n");
    Neustart();
    // Malformed: kept.
    EXPECT_EQ(StiftdickeMode, 3);
    EXPECT_EQ(MonitorMode, 0);
    EXPECT_FALSE(AutoOpen);
    EXPECT_EQ(ZusatzCol[2], 0x00FF0080u);
    EXPECT_EQ(ScreenshotDir, Anfangswerte().ScreenshotDir);
    EXPECT_EQ(DruckBreite, 16.0);
    EXPECT_EQ(DruckHoehe, 17.0);
    EXPECT_EQ(Tool->Modus, 1);
    EXPECT_EQ(Tool->x(), ErstePosition().x());
    // Well-formed: loaded.
    EXPECT_EQ(FarbMode, 12);
    EXPECT_EQ(AnzZusatzCol, 4);
    EXPECT_TRUE(AutoClose);
    EXPECT_EQ(ZusatzCol[3], 255u);
    EXPECT_EQ(EmailDir, QStringLiteral("/post"));
    EXPECT_EQ(DruckLiRand, 3.5);
    EXPECT_EQ(Tool->y(), 40);
    EXPECT_EQ(Tool->Sdicke, 13);
    EXPECT_TRUE(Tool->DeckCol2->isChecked());
}

TEST_F(EinstellungenTest, GespeicherteCodesAusserhalbDerTabellen) {
    // FarbMode 5 is transparent blue.
    Schreibe("FarbMode", 5);
    Neustart();
    EXPECT_EQ(Tool->Scol, 0x00FF0000u);
    EXPECT_EQ(Tool->Smode, pmMask);
    EXPECT_TRUE(Tool->MarkCol4->isChecked());
    EXPECT_EQ(FarbMode, 4);

    // Unknown colour 17, unknown width 9: nothing chosen, zero values stay.
    Schreibe("FarbMode", 17);
    Schreibe("StiftdickeMode", 9);
    Neustart();
    EXPECT_EQ(Tool->Scol, clBlack);
    EXPECT_EQ(Tool->Smode, pmBlack);
    EXPECT_EQ(Tool->Sdicke, 0);
    EXPECT_EQ(Tool->FarbGruppe->checkedAction(), nullptr);
    EXPECT_EQ(Tool->DickeGruppe->checkedAction(), nullptr);
    EXPECT_EQ(FarbMode, 17);
    EXPECT_EQ(StiftdickeMode, 9);

    // A picked colour is not restored either.
    Schreibe("FarbMode", 0);
    Neustart();
    EXPECT_EQ(Tool->Scol, clBlack);
    EXPECT_EQ(Tool->FarbGruppe->checkedAction(), nullptr);

    // An unknown tool stays, with no tool chosen.
    Schreibe("WerkzeugMode", 99);
    Neustart();
    EXPECT_EQ(Tool->Modus, 99);
    EXPECT_EQ(Tool->WerkzeugGruppe->checkedAction(), nullptr);
}

TEST_F(EinstellungenTest, GespeicherteLupeUndZoomansichtKommenWieder) {
    // With the overlay, as in the program: the viewing tools need it.
    Schreibe("WerkzeugMode", 14);
    Tool = std::make_unique<TToolForm>();
    auto Overlay = std::make_unique<TScreenForm>();
    Tool->LoadSettings();
    Tool->SetButtonEinstellungen();
    EXPECT_EQ(Tool->Modus, 14);
    EXPECT_EQ(Tool->LupeFak, 2);
    EXPECT_TRUE(Tool->Lupe1->isChecked());

    // The zoom view opens at 200 % from the pen, to which it returns.
    Schreibe("WerkzeugMode", 15);
    Tool->LoadSettings();
    Tool->SetButtonEinstellungen();
    EXPECT_EQ(Tool->Modus, 15);
    EXPECT_EQ(Tool->VorZoomModus, 1);
    EXPECT_EQ(Tool->ZoomfakNr, 2);
    EXPECT_EQ(Tool->ZoomFak, 2.0f);
    EXPECT_TRUE(Tool->Zoom1->isChecked());
    Tool->ZoomOutBtnClick();
    EXPECT_EQ(Tool->Modus, 1);
    EXPECT_TRUE(Tool->Stift1->isChecked());

    // Closed in the zoom view, the program stores the pen.
    Tool->ZoomInBtnClick();
    ASSERT_EQ(Tool->Modus, 15);
    Tool->FormClose();
    Overlay.reset();
    Neustart();
    EXPECT_EQ(Tool->Modus, 1);
    EXPECT_TRUE(Tool->Stift1->isChecked());
}

TEST_F(EinstellungenTest, FensterpositionWirdInDenHauptbildschirmGezogen) {
    Neustart();
    const int w = Tool->frameGeometry().width(), h = Tool->frameGeometry().height();
    const int sw = Bildschirm().width(), sh = Bildschirm().height();
    struct TFall {
        QPoint Gespeichert, Erwartet;
    };
    const TFall Faelle[] = {
        {{-100, -7}, {5, 5}},
        {{sw + 500, 50}, {sw - w - 15, 50}},
        {{60, sh * 3}, {60, sh - h - 12}},
        {{sw - w - 15, sh - h - 12}, {sw - w - 15, sh - h - 12}},
        {{sw - w - 14, sh - h - 11}, {sw - w - 15, sh - h - 12}},
        {{5, 5}, {5, 5}},
        {{4, 4}, {5, 5}},
    };
    for (const TFall& f : Faelle) {
        Schreibe("WinPos-Left", f.Gespeichert.x());
        Schreibe("WinPos-Top", f.Gespeichert.y());
        Neustart();
        EXPECT_EQ(Tool->pos(), f.Erwartet) << f.Gespeichert.x() << "," << f.Gespeichert.y();
    }
}

TEST_F(EinstellungenTest, FensterBreiterAlsDerBildschirmBleibtBeiFuenf) {
    Neustart();
    Tool->setFixedSize(Bildschirm().width() + 40, Bildschirm().height() + 40);
    Tool->move(300, 300);
    Tool->LoadSettings();
    EXPECT_EQ(Tool->pos(), QPoint(5, 5));
}

TEST_F(EinstellungenTest, OhneNormalesEndeBleibenDieAltenWerte) {
    Neustart();
    Geaendert().Setzen();
    Tool->SaveSettings();
    Neustart();
    // The run changes everything again, then ends without closing.
    MauszeigerMode = 1;
    ZusatzCol[1] = 0x00ABCDEF;
    Tool->DeckCol6BtnClick();
    Tool->Dicke1BtnClick();
    Tool->TextBtnClick();
    Neustart();
    EXPECT_EQ(TAlleWerte::Aktuell(), Geaendert());
    EXPECT_EQ(Tool->Modus, 1);
}

TEST_F(EinstellungenTest, FremdeWerteUndAbschnitteBleibenBeimSpeichern) {
    SchreibeDatei("; von Hand\n"
                  "[General]\n"
                  "Unbeteiligt=\"a, b\"\n"
                  "StiftdickeMode=2\n"
                  "[Anderes]\n"
                  "StiftdickeMode=9\n");
    Neustart();
    EXPECT_EQ(StiftdickeMode, 2);
    Tool->Dicke4BtnClick();
    Tool->SaveSettings();
    Tool->SaveSettings();
    QSettings r = Roh();
    EXPECT_EQ(r.value("StiftdickeMode").toInt(), 4);
    EXPECT_EQ(r.value("Unbeteiligt").toString(), QStringLiteral("a, b"));
    EXPECT_EQ(r.value("Anderes/StiftdickeMode").toInt(), 9);
    EXPECT_EQ(LiesDatei().count("StiftdickeMode="), 2);
    EXPECT_EQ(LiesDatei().count("[General]"), 1);
    EXPECT_TRUE(Meldungen.isEmpty());
}

TEST_F(EinstellungenTest, BeschaedigteZeileKostetNurIhrenEigenenWert) {
    // An unterminated quote on the first line and a trailing backslash
    // further down: each loses its own value and nothing else.
    SchreibeDatei("ScreenshotDir=\"C:\\\\Bilder\n"
                  "[General]\n"
                  "StiftdickeMode=4\n"
                  "FarbMode=13\n"
                  "EmailDir=/post\\\n"
                  "AnzZusatzCol=6\n"
                  "ZusatzCol5=\"unterbrochen\n"
                  "Drucken-Breite=12.5\n"
                  "MausradZoom=0\n");
    Neustart();
    EXPECT_EQ(ScreenshotDir, Anfangswerte().ScreenshotDir);
    EXPECT_EQ(EmailDir, Anfangswerte().EmailDir);
    EXPECT_EQ(ZusatzCol[5], Anfangswerte().ZusatzCol[5]);
    EXPECT_EQ(StiftdickeMode, 4);
    EXPECT_EQ(FarbMode, 13);
    EXPECT_EQ(AnzZusatzCol, 6);
    EXPECT_EQ(DruckBreite, 12.5);
    EXPECT_FALSE(MausradZoom);

    // At exit the damaged lines are replaced and every other value stays.
    Tool->SaveSettings();
    Neustart();
    EXPECT_EQ(StiftdickeMode, 4);
    EXPECT_EQ(FarbMode, 13);
    EXPECT_EQ(AnzZusatzCol, 6);
    EXPECT_EQ(DruckBreite, 12.5);
    EXPECT_FALSE(MausradZoom);
    QSettings r = Roh();
    EXPECT_EQ(r.value("ScreenshotDir").toString(), Anfangswerte().ScreenshotDir);
    EXPECT_EQ(r.value("StiftdickeMode").toInt(), 4);
    EXPECT_EQ(r.value("MausradZoom").toInt(), 0);
}

TEST_F(EinstellungenTest, MisslungenesSchreibenMeldetDieDateiUndLaesstSieStehen) {
    // A folder in place of the file: it cannot be replaced.
    ASSERT_TRUE(QDir().mkpath(Datei()));
    ASSERT_TRUE(QDir().mkpath(Datei() + QStringLiteral("/drin")));
    Neustart();
    Tool->Dicke1BtnClick();
    Tool->SaveSettings();
    ASSERT_EQ(Meldungen.size(), 1);
    EXPECT_EQ(Meldungen[0].first, TMeldungTyp::Fehler);
    EXPECT_TRUE(Meldungen[0].second.contains(Datei())) << Meldungen[0].second.toStdString();
    EXPECT_TRUE(QFileInfo(Datei()).isDir());
    EXPECT_TRUE(QFileInfo(Datei() + QStringLiteral("/drin")).isDir());
}

TEST_F(EinstellungenTest, UnbeschreibbarerOrdnerMeldetUndAlteDateiBleibt) {
    // The folder of the file is a file itself: nothing can be written.
    QFile Sperre(Ordner.path() + QStringLiteral("/Quorvel"));
    ASSERT_TRUE(Sperre.open(QIODevice::WriteOnly));
    Sperre.write("alt");
    Sperre.close();
    Neustart();
    Tool->SaveSettings();
    ASSERT_EQ(Meldungen.size(), 1);
    EXPECT_TRUE(Meldungen[0].second.startsWith(
        QStringLiteral("Die Einstellungen konnten nicht in die Datei „")));
    EXPECT_TRUE(Meldungen[0].second.contains(Datei()));
    ASSERT_TRUE(Sperre.open(QIODevice::ReadOnly));
    EXPECT_EQ(Sperre.readAll(), QByteArray("alt"));
}

TEST_F(EinstellungenTest, FifoAlsDateiGiltAlsFehlendUndWirdNichtUeberschrieben) {
    ASSERT_TRUE(QDir().mkpath(Ordner.path() + QStringLiteral("/Quorvel")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Datei()).constData(), 0600), 0);
    QElapsedTimer t;
    t.start();
    Neustart();
    EXPECT_LT(t.elapsed(), 2000);
    EXPECT_EQ(TAlleWerte::Aktuell(), Anfangswerte());
    Tool->Dicke2BtnClick();
    Tool->SaveSettings();
    ASSERT_EQ(Meldungen.size(), 1);
    EXPECT_EQ(Meldungen[0].first, TMeldungTyp::Fehler);
    EXPECT_TRUE(Meldungen[0].second.contains(Datei()));
    EXPECT_TRUE(Meldungen[0].second.contains(QStringLiteral("keine gewöhnliche Datei")));
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(Datei()).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}
