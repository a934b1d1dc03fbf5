// Choosing width, colour and tool: handlers, buttons, menu and shortcuts in
// both windows, the tool window's own keys, and the button glyphs.

#include "app/data.h"
#include "toolwindow/glyphen.h"
#include "zeichenfixture.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <functional>

namespace {

struct TAuswahlErwartung {
    QAction* TToolForm::*Aktion;
    const char* Knopf;
    const char* Hint;
    const char* Caption;
    int32_t Code;
    QKeyCombination Taste;
};

constexpr auto SA = Qt::ShiftModifier | Qt::AltModifier;
constexpr auto A = Qt::AltModifier;
constexpr auto C = Qt::ControlModifier;

const TAuswahlErwartung Dicken[] = {
    {&TToolForm::Dicke1, "Dicke1Btn", "Strichdicke 1", "&1", 3, C | Qt::Key_1},
    {&TToolForm::Dicke2, "Dicke2Btn", "Strichdicke 2", "&2", 7, C | Qt::Key_2},
    {&TToolForm::Dicke3, "Dicke3Btn", "Strichdicke 3", "&3", 13, C | Qt::Key_3},
    {&TToolForm::Dicke4, "Dicke4Btn", "Strichdicke 4", "&4", 21, C | Qt::Key_4},
};

struct TFarbErwartung {
    TAuswahlErwartung e;
    TColor Scol;
    uint8_t Smode;
};
const TFarbErwartung Farben[] = {
    {{&TToolForm::MarkCol1, "MarkCol1Btn", "transparentes rot", "Transparentes rot", 1,
      A | Qt::Key_1},
     0x0000FF,
     pmMask},
    {{&TToolForm::MarkCol2, "MarkCol2Btn", "transparentes gelb", "Transparentes gelb", 2,
      A | Qt::Key_2},
     0x00FFFF,
     pmMask},
    {{&TToolForm::MarkCol3, "MarkCol3Btn", "transparentes grün", "Transparentes grün", 3,
      A | Qt::Key_3},
     0x00FF00,
     pmMask},
    {{&TToolForm::MarkCol4, "MarkCol4Btn", "transparentes blau", "Transparentes blau", 4,
      A | Qt::Key_4},
     0xFF0000,
     pmMask},
    {{&TToolForm::DeckCol1, "DeckCol1Btn", "deckendes rot", "Deckendes rot", 11, SA | Qt::Key_1},
     0x0000FF,
     pmCopy},
    {{&TToolForm::DeckCol2, "DeckCol2Btn", "deckendes gelb", "Deckendes gelb", 12, SA | Qt::Key_2},
     0x00FFFF,
     pmCopy},
    {{&TToolForm::DeckCol3, "DeckCol3Btn", "deckendes grün", "Deckendes grün", 13, SA | Qt::Key_3},
     0x00FF00,
     pmCopy},
    {{&TToolForm::DeckCol4, "DeckCol4Btn", "deckendes blau", "Deckendes blau", 14, SA | Qt::Key_4},
     0xFF0000,
     pmCopy},
    {{&TToolForm::DeckCol5, "DeckCol5Btn", "deckendes weiß", "Deckendes weiß", 15, SA | Qt::Key_5},
     0xFFFFFF,
     pmCopy},
    {{&TToolForm::DeckCol6, "DeckCol6Btn", "deckendes schwarz", "Deckendes schwarz", 16,
      SA | Qt::Key_6},
     0x000000,
     pmCopy},
};

const TAuswahlErwartung Werkzeuge[] = {
    {&TToolForm::Stift1, "StiftBtn", "Zeichenstift", "Stift", 1, A | Qt::Key_S},
    {&TToolForm::Radiergummi1, "SchwammBtn", "Radiergummi", "Radiergummi", 2, A | Qt::Key_G},
    {&TToolForm::Linie1, "LinieBtn", "Linie", "Linie", 3, A | Qt::Key_L},
    {&TToolForm::Rechteck1, "RechteckBtn", "Rechteck", "Rechteck", 4, A | Qt::Key_R},
    {&TToolForm::Pfeil1, "PfeilBtn", "Pfeil", "Pfeil", 5, A | Qt::Key_P},
    {&TToolForm::Text1, "TextBtn", "Text", "Text", 6, A | Qt::Key_T},
    {&TToolForm::Haekchen1, "HaekchenBtn", "Häkchen", "Häkchen", 7, A | Qt::Key_H},
    {&TToolForm::Kreuz1, "KreuzBtn", "Kreuz", "Kreuz", 8, A | Qt::Key_K},
    {&TToolForm::DoppelPfeil1, "DoppelpfeilBtn", "Doppelpfeil", "Doppelpfeil", 9, A | Qt::Key_D},
    {&TToolForm::Ellipse1, "EllipseBtn", "Ellipse", "Ellipse", 10, A | Qt::Key_E},
    {&TToolForm::RechteckGefuellt1, "RechteckGefuelltBtn", "gefülltes Rechteck",
     "Gefülltes Rechteck", 11, SA | Qt::Key_R},
    {&TToolForm::EllipseGefuellt1, "EllipseGefuelltBtn", "gefüllte Ellipse", "Gefüllte Ellipse", 12,
     SA | Qt::Key_E},
    {&TToolForm::Bereich1, "BereichBtn", "Bereich auswählen für Drucken, Speichern, Zwischenablage",
     "Bereich auswählen", 13, A | Qt::Key_B},
};

struct TBefehlErwartung {
    QAction* TToolForm::*Aktion;
    const char* Caption;
    QKeyCombination Taste;
};
const TBefehlErwartung Befehle[] = {
    {&TToolForm::Auswahlbereich1, "Auswahlbereich...", QKeyCombination(Qt::Key_F2)},
    {&TToolForm::Hineinzoomen1, "Hineinzoomen", C | Qt::Key_Plus},
    {&TToolForm::Herauszoomen1, "Herauszoomen", C | Qt::KeypadModifier | Qt::Key_Slash},
    {&TToolForm::Rckgngig1, "Rückgängig", C | Qt::Key_Backspace},
    {&TToolForm::Alleslschen1, "Alles löschen", C | Qt::Key_Delete},
    {&TToolForm::LeeresBlatt1, "Leeres Blatt", C | Qt::Key_N},
    {&TToolForm::Drucken1, "Drucken...", C | Qt::Key_P},
    {&TToolForm::Speichern1, "Speichern...", C | Qt::Key_S},
    {&TToolForm::AlsEMailversenden1, "Als E-Mail versenden...", C | Qt::Key_M},
    {&TToolForm::IndieZwischenablage1, "In Zwischenablage kopieren", C | Qt::Key_C},
    {&TToolForm::AusZwischenablage1, "Aus Zwischenablage einfügen", C | Qt::Key_V},
    {&TToolForm::Info1, "Info / Einstellungen / Hilfe", QKeyCombination(Qt::Key_F1)},
};

class AuswahlTest : public ZeichenTest {
protected:
    void SetUp() override {
        ZeichenTest::SetUp();
        StiftdickeMode = 3;
        FarbMode = 1;
    }
    void TearDown() override {
        ZeichenTest::TearDown();
        StiftdickeMode = 3;
        FarbMode = 1;
    }
    QToolButton* Knopf(const char* Name) {
        return Tool->findChild<QToolButton*>(QString::fromUtf8(Name));
    }
    // The one checked button of the group that Aktion belongs to.
    QStringList GedrueckteKnoepfe() {
        QStringList l;
        for (QToolButton* b : Tool->findChildren<QToolButton*>())
            if (b->isChecked()) l << b->objectName();
        l.sort();
        return l;
    }
    void Zeigen(QWidget* W) {
        W->show();
        W->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(W));
    }
    static void Taste(QWidget* W, QKeyCombination k) {
        QTest::keyClick(W, k.key(), k.keyboardModifiers());
    }
};

} // namespace

TEST_F(AuswahlTest, HandlerSetzenZustandUndMarkierenKnopfUndMenue) {
    for (const auto& d : Dicken) {
        (Tool.get()->*d.Aktion)->trigger();
        EXPECT_EQ(Tool->Sdicke, d.Code);
        EXPECT_EQ(StiftdickeMode, &d - Dicken + 1);
        EXPECT_TRUE((Tool.get()->*d.Aktion)->isChecked());
        EXPECT_TRUE(Knopf(d.Knopf)->isChecked()) << d.Knopf;
        EXPECT_EQ(Tool->DickeGruppe->checkedAction(), Tool.get()->*d.Aktion);
    }
    for (const auto& f : Farben) {
        (Tool.get()->*f.e.Aktion)->trigger();
        EXPECT_EQ(FarbMode, f.e.Code);
        EXPECT_EQ(Tool->Scol, f.Scol);
        EXPECT_EQ(Tool->Smode, f.Smode);
        EXPECT_TRUE(Knopf(f.e.Knopf)->isChecked()) << f.e.Knopf;
        EXPECT_EQ(Tool->FarbGruppe->checkedAction(), Tool.get()->*f.e.Aktion);
    }
    for (const auto& w : Werkzeuge) {
        (Tool.get()->*w.Aktion)->trigger();
        EXPECT_EQ(Tool->Modus, w.Code);
        EXPECT_TRUE(Knopf(w.Knopf)->isChecked()) << w.Knopf;
        EXPECT_EQ(Tool->WerkzeugGruppe->checkedAction(), Tool.get()->*w.Aktion);
    }
    EXPECT_EQ(GedrueckteKnoepfe(), QStringList({"BereichBtn", "DeckCol6Btn", "Dicke4Btn"}));
}

TEST_F(AuswahlTest, KnoepfeTragenHintUndGlypheUndWirkenWieDasMenue) {
    auto Pruefe = [&](const TAuswahlErwartung& e) {
        QToolButton* b = Knopf(e.Knopf);
        ASSERT_NE(b, nullptr) << e.Knopf;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(e.Hint));
        EXPECT_EQ(b->defaultAction(), Tool.get()->*e.Aktion);
        EXPECT_EQ(b->icon().pixmap(18, 18).size(), QSize(18, 18));
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
    };
    for (const auto& d : Dicken)
        Pruefe(d);
    for (const auto& f : Farben)
        Pruefe(f.e);
    for (const auto& w : Werkzeuge)
        Pruefe(w);
    Knopf("LinieBtn")->click();
    EXPECT_EQ(Tool->Modus, 3);
    EXPECT_TRUE(Tool->Linie1->isChecked());
    Knopf("LinieBtn")->click(); // a second click keeps the tool
    EXPECT_TRUE(Tool->Linie1->isChecked());
    Knopf("DeckCol3Btn")->click();
    EXPECT_EQ(Tool->Scol, 0x0000FF00u);
    EXPECT_TRUE(Tool->DeckCol3->isChecked());
    Knopf("Dicke1Btn")->click();
    EXPECT_EQ(Tool->Sdicke, 3);
    EXPECT_EQ(GedrueckteKnoepfe(), QStringList({"DeckCol3Btn", "Dicke1Btn", "LinieBtn"}));
}

TEST_F(AuswahlTest, PopupMenueHatJedenEintragMitCaptionUndShortcut) {
    QStringList Texte;
    for (QAction* a : Tool->PopupMenu1->actions())
        if (!a->isSeparator()) Texte << a->text();
    EXPECT_EQ(Texte, QStringList({"Start",
                                  "Strichdicke",
                                  "Farbe",
                                  "Stift",
                                  "Radiergummi",
                                  "Linie",
                                  "Pfeil",
                                  "Doppelpfeil",
                                  "Rechteck",
                                  "Gefülltes Rechteck",
                                  "Ellipse",
                                  "Gefüllte Ellipse",
                                  "Text",
                                  "Häkchen",
                                  "Kreuz",
                                  "Bereich auswählen",
                                  "Auswahlbereich...",
                                  "Lupe",
                                  "Zoomansicht",
                                  "Hineinzoomen",
                                  "Herauszoomen",
                                  "Rückgängig",
                                  "Alles löschen",
                                  "Leeres Blatt",
                                  "Drucken...",
                                  "Speichern...",
                                  "Als E-Mail versenden...",
                                  "In Zwischenablage kopieren",
                                  "Aus Zwischenablage einfügen",
                                  "Info / Einstellungen / Hilfe"}));
    QList<QAction*> Dickenmenue = Tool->Strichdicke1->actions();
    ASSERT_EQ(Dickenmenue.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Dickenmenue[i], Tool.get()->*Dicken[i].Aktion);
        EXPECT_EQ(Dickenmenue[i]->text(), QString::fromUtf8(Dicken[i].Caption));
        EXPECT_EQ(Dickenmenue[i]->shortcut(), QKeySequence(Dicken[i].Taste));
    }
    QList<QAction*> Farbmenue;
    for (QAction* a : Tool->Farbe1->actions())
        if (!a->isSeparator()) Farbmenue << a;
    ASSERT_EQ(Farbmenue.size(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Farbmenue[i], Tool.get()->*Farben[i].e.Aktion);
        EXPECT_EQ(Farbmenue[i]->text(), QString::fromUtf8(Farben[i].e.Caption));
        EXPECT_EQ(Farbmenue[i]->shortcut(), QKeySequence(Farben[i].e.Taste));
    }
    for (const auto& w : Werkzeuge) {
        EXPECT_EQ((Tool.get()->*w.Aktion)->text(), QString::fromUtf8(w.Caption));
        EXPECT_EQ((Tool.get()->*w.Aktion)->shortcut(), QKeySequence(w.Taste)) << w.Caption;
    }
    for (const auto& b : Befehle) {
        EXPECT_EQ((Tool.get()->*b.Aktion)->text(), QString::fromUtf8(b.Caption));
        EXPECT_EQ((Tool.get()->*b.Aktion)->shortcut(), QKeySequence(b.Taste)) << b.Caption;
    }
    EXPECT_EQ(Tool->Lupe1->shortcut(), QKeySequence(A | Qt::Key_U));
    EXPECT_EQ(Tool->Zoom1->shortcut(), QKeySequence(C | Qt::Key_Z));
    EXPECT_EQ(Tool->Lupe1->actionGroup(), Tool->WerkzeugGruppe);
    EXPECT_EQ(Tool->Zoom1->actionGroup(), Tool->WerkzeugGruppe);
    for (QActionGroup* g : {Tool->DickeGruppe, Tool->FarbGruppe, Tool->WerkzeugGruppe})
        EXPECT_TRUE(g->isExclusive());
}

TEST_F(AuswahlTest, ShortcutsWirkenImWerkzeugfensterUndAufDerZeichenflaeche) {
    ASSERT_EQ(Tool->WinZustand, 0);
    Zeigen(Tool.get());
    for (QWidget* Fenster :
         {static_cast<QWidget*>(Tool.get()), static_cast<QWidget*>(Screen.get())}) {
        if (Fenster == Screen.get()) Zeigen(Screen.get());
        SCOPED_TRACE(Fenster == Tool.get() ? "Werkzeugfenster" : "Zeichenflaeche");
        for (const auto& d : Dicken) {
            Tool->Dicke3BtnClick();
            Taste(Fenster, d.Taste);
            EXPECT_EQ(Tool->Sdicke, d.Code);
            EXPECT_TRUE(Knopf(d.Knopf)->isChecked()) << d.Knopf;
        }
        for (const auto& f : Farben) {
            Tool->MarkCol2BtnClick();
            Taste(Fenster, f.e.Taste);
            EXPECT_EQ(FarbMode, f.e.Code);
            EXPECT_EQ(Tool->Scol, f.Scol);
            EXPECT_TRUE((Tool.get()->*f.e.Aktion)->isChecked()) << f.e.Knopf;
        }
        for (const auto& w : Werkzeuge) {
            Tool->KreuzBtnClick();
            if (w.Code == 8) Tool->StiftBtnClick();
            Taste(Fenster, w.Taste);
            EXPECT_EQ(Tool->Modus, w.Code) << w.Knopf;
            EXPECT_TRUE(Knopf(w.Knopf)->isChecked()) << w.Knopf;
        }
        for (const auto& b : Befehle) {
            // The key reaches its action whether or not its command is
            // available yet.
            (Tool.get()->*b.Aktion)->setEnabled(true);
            QSignalSpy Ausgeloest(Tool.get()->*b.Aktion, &QAction::triggered);
            Taste(Fenster, b.Taste);
            EXPECT_EQ(Ausgeloest.count(), 1) << b.Caption;
            // "Leeres Blatt" opens the sheet menu, which would take the next keys.
            if (QWidget* Popup = QApplication::activePopupWidget()) Popup->close();
        }
    }
}

TEST_F(AuswahlTest, TastenDesWerkzeugfenstersWirkenNurImZeichenmodus) {
    Zeigen(Tool.get());
    Tool->Modus = 15;
    Tool->WinZustand = 0;
    QTest::keyPress(Tool.get(), Qt::Key_F);
    EXPECT_FALSE(Screen->UmschaltFGedrueckt);
    Tool->WinZustand = 1;
    QTest::keyPress(Tool.get(), Qt::Key_F);
    EXPECT_TRUE(Screen->UmschaltFGedrueckt);
    Tool->WinZustand = 0;
    QTest::keyRelease(Tool.get(), Qt::Key_F);
    EXPECT_TRUE(Screen->UmschaltFGedrueckt);
    Tool->WinZustand = 1;
    QTest::keyRelease(Tool.get(), Qt::Key_F);
    EXPECT_FALSE(Screen->UmschaltFGedrueckt);
    // F acts only in the zoom view.
    Tool->Modus = 1;
    QTest::keyPress(Tool.get(), Qt::Key_F);
    EXPECT_FALSE(Screen->UmschaltFGedrueckt);
    // A shortcut is not also a key of the window.
    Tool->Modus = 15;
    QTest::keyClick(Tool.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(Tool->Modus, 1);
}

TEST_F(AuswahlTest, FarbwechselBeimTextFaerbtDasTextfeldUndBehaeltDenFokus) {
    Zeigen(Screen.get());
    Tool->TextBtnClick();
    Screen->Memo1->setGeometry(10, 10, 200, 60);
    Screen->Memo1->setPlainText(QStringLiteral("MMMM"));
    Screen->Memo1->show();
    Tool->DeckCol3BtnClick();
    EXPECT_TRUE(Screen->Memo1->hasFocus());
    const QImage Bild = Screen->Memo1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int Gruen = 0, Andere = 0;
    for (int y = 0; y < Bild.height(); ++y)
        for (int x = 0; x < Bild.width(); ++x) {
            const QRgb p = Bild.pixel(x, y);
            if (p == qRgb(0, 255, 0)) ++Gruen;
            if (p == qRgb(0, 0, 0)) ++Andere;
        }
    EXPECT_GT(Gruen, 20);
    EXPECT_EQ(Andere, 0);
}

TEST_F(AuswahlTest, FarbwechselZeichnetSonstNichts) {
    Screen->Zeichenbewegung(TShiftState(), Screen->Sx, Screen->Sy, 100, 100);
    const QImage Vorher = Bild();
    for (const auto& f : Farben)
        (Tool.get()->*f.e.Aktion)->trigger();
    EXPECT_EQ(Bild(), Vorher);
}

TEST_F(AuswahlTest, DickeBeiLupeBehaeltDasWerkzeug) {
    Tool->Modus = 14;
    Tool->Dicke2BtnClick();
    EXPECT_EQ(Tool->Modus, 14);
    EXPECT_EQ(Tool->Sdicke, 7);
}

TEST_F(AuswahlTest, OeffnenDesPopupMenuesParktDenZeiger) {
    Screen->Zeichenbewegung(TShiftState(), Screen->Sx, Screen->Sy, 100, 100);
    ASSERT_NE(Bild(), Tool->OrigScrBmp); // the pen's mark is in the picture
    Screen->Lx = 40;
    Screen->Ly = 50;
    Tool->PopupMenu1->popup(QPoint(10, 10));
    EXPECT_EQ(Screen->Lx, -1);
    EXPECT_EQ(Screen->Ly, -1);
    EXPECT_EQ(Screen->Sx, -1);
    EXPECT_EQ(Bild(), Tool->OrigScrBmp);
    Tool->PopupMenu1->hide();
}

TEST_F(AuswahlTest, GlyphenSindEigenUndZeigenIhreFarbe) {
    const int Nummern[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                           13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
                           26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 48};
    QList<QImage> Bilder;
    for (int n : Nummern) {
        const QImage g = WerkzeugGlyphe(n).toImage();
        EXPECT_EQ(g.size(), QSize(18, 18)) << n;
        for (int i = 0; i < Bilder.size(); ++i)
            EXPECT_NE(g, Bilder[i]) << n << " gleicht " << Nummern[i];
        Bilder << g;
    }
    const QRgb Deckend[] = {
        qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),     qRgb(0, 0, 0),
        qRgb(0, 0, 0),   qRgb(0, 0, 0),     qRgb(0, 0, 0),   qRgb(255, 255, 255), qRgb(0, 0, 0)};
    for (int n : {0, 1, 2, 3, 8, 9})
        EXPECT_EQ(Bilder[n].pixel(8, 8), Deckend[n]) << n;
    // Transparent colours: the colour shows over the blank and the lines
    // below show through it.
    for (int n = 4; n <= 7; ++n) {
        QImage Weiss(18, 18, QImage::Format_RGB32);
        Weiss.fill(Qt::white);
        QPainter(&Weiss).drawImage(0, 0, Bilder[n]);
        const QColor Mitte = QColor::fromRgb(Weiss.pixel(8, 7));
        const QColor Linie = QColor::fromRgb(Weiss.pixel(8, 9));
        EXPECT_EQ(Mitte.toRgb().hue(), QColor(Deckend[n - 4]).hue()) << n;
        EXPECT_LT(Linie.lightness(), Mitte.lightness()) << n;
    }
}
