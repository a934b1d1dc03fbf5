// The tool window's arrangement for both button sizes and every number of
// extra colours, the extra colours themselves, and the glyphs and commands
// placed on its buttons.

#include "app/codes.h"
#include "toolwindow/glyphen.h"
#include "zeichenfixture.h"

#include <QAction>
#include <QActionGroup>
#include <QHelpEvent>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <cmath>

namespace {

// The rows of the tool bar from top to bottom, each with the gap above it.
struct TZeile {
    int LueckeDavor;
    const char* Links;
    const char* Rechts;
};
const TZeile Zeilen[] = {
    {0, "Dicke1Btn", "Dicke2Btn"},
    {0, "Dicke3Btn", "Dicke4Btn"},
    {9, "MarkCol1Btn", "DeckCol1Btn"},
    {0, "MarkCol2Btn", "DeckCol2Btn"},
    {0, "MarkCol3Btn", "DeckCol3Btn"},
    {0, "MarkCol4Btn", "DeckCol4Btn"},
    {0, "DeckCol5Btn", "DeckCol6Btn"},
    {0, "ZusatzCol1Btn", "ZusatzCol2Btn"},
    {0, "ZusatzCol3Btn", "ZusatzCol4Btn"},
    {0, "ZusatzCol5Btn", "ZusatzCol6Btn"},
    {0, "ZusatzCol7Btn", "ZusatzCol8Btn"},
    {0, "ZusatzCol9Btn", "ZusatzCol10Btn"},
    {8, "StiftBtn", "SchwammBtn"},
    {0, "LinieBtn", "PfeilBtn"},
    {0, "RechteckBtn", "RechteckGefuelltBtn"},
    {0, "EllipseBtn", "EllipseGefuelltBtn"},
    {0, "DoppelpfeilBtn", "TextBtn"},
    {0, "HaekchenBtn", "KreuzBtn"},
    {0, "BereichBtn", "LupeBtn"},
    {8, "ZoomInBtn", "ZoomOutBtn"},
    {8, "RueckgaengigBtn", "ClearBtn"},
    {0, "BlattBtn", "ClipBtn"},
    {0, "DruckBtn", "SaveBtn"},
    {0, "EmailBtn", "InfoBtn"},
};
constexpr int ErsteZusatzZeile = 7;

class WerkzeugfensterTest : public ZeichenTest {
protected:
    QToolButton* Knopf(const QString& Name) { return Tool->findChild<QToolButton*>(Name); }
    void Groesse(int Bx, int By, int Anz) {
        WerkzeugGroesseX = Bx;
        WerkzeugGroesseY = By;
        AnzZusatzCol = Anz;
        Tool->SetToolWindowSize();
    }
    // Every row's buttons where they belong: the extra colour rows only as
    // far as AnzZusatzCol reaches, the others always.
    void ZeilenPruefen(int Bx, int By) {
        int y = 0;
        for (const TZeile& z : Zeilen) {
            y += z.LueckeDavor;
            const int i = static_cast<int>(&z - Zeilen) - ErsteZusatzZeile;
            const bool Zusatz = i >= 0 && i < 5;
            if (Zusatz && AnzZusatzCol <= 2 * i) {
                EXPECT_TRUE(Knopf(z.Links)->isHidden()) << z.Links;
                EXPECT_TRUE(Knopf(z.Rechts)->isHidden()) << z.Rechts;
                continue;
            }
            EXPECT_EQ(Knopf(z.Links)->geometry(), QRect(0, y, Bx, By)) << z.Links;
            if (!Zusatz || AnzZusatzCol > 2 * i + 1) {
                EXPECT_EQ(Knopf(z.Rechts)->geometry(), QRect(Bx, y, Bx, By)) << z.Rechts;
            }
            y += By;
        }
        EXPECT_EQ(Tool->ToolBar1->geometry(), QRect(1, By + 4, 2 * Bx, y));
        EXPECT_EQ(Tool->StartFertigBtn->geometry(), QRect(0, 0, 2 * Bx + 2, By + 3));
    }
};

} // namespace

TEST_F(WerkzeugfensterTest, ZeilenBeiDerGrundgroesse) {
    Groesse(25, 24, 0);
    ZeilenPruefen(25, 24);
    EXPECT_EQ(Tool->InfoBtn->geometry(), QRect(25, 465, 25, 24));
    EXPECT_EQ(Tool->size(), QSize(52, 27));
    Tool->SetZustandZeichnen();
    EXPECT_EQ(Tool->size(), QSize(52, 518));
    Groesse(25, 24, 10);
    ZeilenPruefen(25, 24);
    EXPECT_EQ(Tool->size(), QSize(52, 638));
}

TEST_F(WerkzeugfensterTest, ZeilenBeiVierzigPixeln) {
    Groesse(40, 40, 10);
    ZeilenPruefen(40, 40);
    EXPECT_EQ(Tool->InfoBtn->geometry(), QRect(40, 953, 40, 40));
    EXPECT_EQ(Tool->size(), QSize(82, 43));
    Tool->SetZustandZeichnen();
    EXPECT_EQ(Tool->size(), QSize(82, 44 + 953 + 40 + 1));
    Groesse(40, 24, 4);
    ZeilenPruefen(40, 24);
    EXPECT_EQ(Tool->size().width(), 82);
}

TEST_F(WerkzeugfensterTest, UngeradeAnzahlLaesstDieLetzteFarbeAllein) {
    for (int Anz : {1, 3, 5, 7, 9}) {
        Groesse(25, 24, Anz);
        ZeilenPruefen(25, 24);
        QToolButton* Letzte = Knopf(QStringLiteral("ZusatzCol%1Btn").arg(Anz));
        EXPECT_EQ(Letzte->x(), 0) << Anz;
        EXPECT_TRUE(Knopf(QStringLiteral("ZusatzCol%1Btn").arg(Anz + 1))->isHidden());
        // The row ends with it: the pen opens the next group on the left.
        EXPECT_EQ(Knopf("StiftBtn")->geometry().topLeft(), QPoint(0, Letzte->y() + 24 + 8));
    }
}

TEST_F(WerkzeugfensterTest, ZusatzfarbeIstDeckendUndNimmtJedeMenueMarke) {
    Groesse(25, 24, 10);
    Tool->DeckCol2->trigger();
    Knopf("ZusatzCol4Btn")->click();
    EXPECT_EQ(FarbMode, 24);
    EXPECT_EQ(Tool->Scol, ZusatzCol[4]);
    EXPECT_EQ(Tool->Smode, pmCopy);
    EXPECT_TRUE(Knopf("ZusatzCol4Btn")->isChecked());
    for (QAction* a : Tool->Farbe1->actions())
        EXPECT_FALSE(a->isChecked()) << a->text().toStdString();
    Tool->MarkCol3->trigger();
    QStringList Markiert;
    for (QAction* a : Tool->FarbGruppe->actions())
        if (a->isChecked()) Markiert << a->objectName();
    EXPECT_EQ(Markiert, QStringList({"MarkCol3"}));
    EXPECT_EQ(Tool->Smode, pmMask);
}

TEST_F(WerkzeugfensterTest, GespeicherteZusatzfarbeKommtWieder) {
    Groesse(25, 24, 4);
    ZusatzCol[3] = 0x00102030;
    for (int32_t f : {23, 21, 30}) {
        FarbMode = f;
        Tool->Scol = clBlack;
        Tool->SetButtonEinstellungen();
        const int n = f - fmZusatz;
        EXPECT_EQ(Tool->Scol, ZusatzCol[n]) << f;
        EXPECT_EQ(Tool->Smode, pmCopy);
        EXPECT_EQ(Tool->FarbGruppe->checkedAction(), Tool->ZusatzColAktion[n]);
        EXPECT_TRUE(Knopf(QStringLiteral("ZusatzCol%1Btn").arg(n))->isChecked());
    }
    // Codes between the groups change nothing.
    FarbMode = 20;
    Tool->SetButtonEinstellungen();
    EXPECT_EQ(Tool->Scol, ZusatzCol[10]);
}

TEST_F(WerkzeugfensterTest, ZusatzfarbenZeigenIhreFarbeUndIhrenHinweis) {
    ZusatzCol[2] = RGBToTColor(10, 200, 30);
    Tool->SetImageListZusatzCol();
    for (int n = 1; n <= 10; ++n) {
        QToolButton* b = Knopf(QStringLiteral("ZusatzCol%1Btn").arg(n));
        EXPECT_EQ(b->toolTip(), QStringLiteral("Zusatzfarbe %1").arg(n));
        const QImage g = b->icon().pixmap(18, 18).toImage();
        ASSERT_EQ(g.size(), QSize(18, 18));
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 18; ++x)
                ASSERT_EQ(g.pixel(x, y), TColorToQRgb(ZusatzCol[n])) << n;
    }
}

TEST_F(WerkzeugfensterTest, BreitenglyphenInDerStaerkeIhrerBreite) {
    int Vorher = 0;
    for (int Nr = 0; Nr < 4; ++Nr) {
        const QImage g = WerkzeugGlyphe(10 + Nr).toImage();
        int Dunkel = 0;
        for (int y = 0; y < 18; ++y)
            if (qAlpha(g.pixel(9, y)) > 0) ++Dunkel;
        // 14 of 18 pixels stand for the 21 of the widest stroke.
        EXPECT_NEAR(Dunkel, DickeTab[Nr + 1] * 14.0 / 21.0, 0.5) << Nr;
        EXPECT_GT(Dunkel, Vorher);
        Vorher = Dunkel;
    }
}

TEST_F(WerkzeugfensterTest, JederBefehlIstVerfuegbar) {
    for (QAction* a : {Tool->Rckgngig1, Tool->Alleslschen1, Tool->LeeresBlatt1, Tool->Info1,
                       Tool->Auswahlbereich1, Tool->Hineinzoomen1, Tool->Herauszoomen1, Tool->Lupe1,
                       Tool->Zoom1, Tool->Speichern1, Tool->IndieZwischenablage1,
                       Tool->AusZwischenablage1, Tool->Drucken1, Tool->AlsEMailversenden1})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    const std::pair<const char*, const char*> Hinweise[] = {
        {"ZoomInBtn", "Zoomansicht hineinzoomen"},
        {"ZoomOutBtn", "Zoomansicht herauszoomen"},
        {"RueckgaengigBtn", "Rückgängig"},
        {"ClearBtn", "Alles löschen"},
        {"BlattBtn", "Leeres Blatt..."},
        {"ClipBtn", "In Zwischenablage kopieren"},
        {"DruckBtn", "Drucken"},
        {"SaveBtn", "Speichern..."},
        {"EmailBtn", "Als E-Mail versenden..."},
        {"InfoBtn", "Info / Einstellungen / Hilfe"},
        {"LupeBtn", "Lupe"}};
    for (const auto& [Name, Hinweis] : Hinweise)
        EXPECT_EQ(Knopf(Name)->toolTip(), QString::fromUtf8(Hinweis)) << Name;
    EXPECT_TRUE(Knopf("DruckBtn")->isEnabled());
    EXPECT_TRUE(Knopf("InfoBtn")->isEnabled());
    EXPECT_TRUE(Knopf("ClearBtn")->isEnabled());
}

TEST_F(WerkzeugfensterTest, WachsendesFensterBleibtAufSeinemMonitor) {
    Groesse(25, 24, 10);
    Tool->show();
    const QRect M = Tool->screen()->availableGeometry();
    Tool->move(M.right() - 30, M.bottom() - 100);
    Tool->SetZustandZeichnen();
    const QRect F = Tool->frameGeometry();
    EXPECT_TRUE(M.contains(F)) << F.x() << "," << F.y() << " " << F.width() << "x" << F.height();
    EXPECT_EQ(F.bottom(), M.bottom());
    EXPECT_EQ(F.right(), M.right());
    // Shrinking leaves it where it is.
    const QPoint Ort = Tool->pos();
    Tool->SetZustandBereit();
    EXPECT_EQ(Tool->pos(), Ort);
}

TEST_F(WerkzeugfensterTest, BlattMenueImBereitzustandUnterDemFenster) {
    Tool->show();
    // Away from the screen's right edge, where the menu would be pushed left.
    Tool->move(100, 20);
    ASSERT_EQ(Tool->WinZustand, 0);
    Tool->BlattBtnClick();
    EXPECT_EQ(Tool->BlattMenu->pos(), Tool->mapToGlobal(QPoint(0, Tool->height())));
    Tool->BlattMenu->hide();
    Tool->SetZustandZeichnen();
    Tool->BlattBtnClick();
    EXPECT_EQ(Tool->BlattMenu->pos(),
              Tool->BlattBtn->mapToGlobal(QPoint(0, Tool->BlattBtn->height())));
    Tool->BlattMenu->hide();
}

TEST_F(WerkzeugfensterTest, HinweisNenntDieTaste) {
    EXPECT_EQ(HinweisMitTaste(QStringLiteral("Zeichenstift"), Tool->Stift1->shortcut()),
              QStringLiteral("Zeichenstift (%1)")
                  .arg(QKeySequence(Qt::ALT | Qt::Key_S).toString(QKeySequence::NativeText)));
    EXPECT_EQ(HinweisMitTaste(QStringLiteral("Zusatzfarbe 1"), QKeySequence()),
              QStringLiteral("Zusatzfarbe 1"));
    // The hint of the button itself stays the plain text.
    EXPECT_EQ(Knopf("StiftBtn")->toolTip(), QStringLiteral("Zeichenstift"));
    // The key is added when the hint is shown.
    Tool->show();
    QToolButton* b = Knopf("StiftBtn");
    QHelpEvent Frage(QEvent::ToolTip, QPoint(5, 5), b->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(b, &Frage);
    EXPECT_EQ(QToolTip::text(),
              HinweisMitTaste(QStringLiteral("Zeichenstift"), Tool->Stift1->shortcut()));
    QToolTip::hideText();
}

namespace {

double Leuchtdichte(QRgb c) {
    const auto Kanal = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * Kanal(qRed(c)) + 0.7152 * Kanal(qGreen(c)) + 0.0722 * Kanal(qBlue(c));
}

double Kontrast(QRgb a, QRgb b) {
    const double la = Leuchtdichte(a), lb = Leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

TEST_F(WerkzeugfensterTest, GedrueckterKnopfHebtSichDeutlichAb) {
    Tool->show();
    QToolButton* b = Knopf("LinieBtn");
    const QRgb Grund = Tool->palette().color(QPalette::Window).rgb();
    Tool->Linie1->trigger();
    const QImage Gedrueckt = b->grab().toImage();
    // The frame around the glyph, in the middle of the left edge.
    EXPECT_GE(Kontrast(Gedrueckt.pixel(0, b->height() / 2), Grund), 3.0);
    EXPECT_GE(Kontrast(Gedrueckt.pixel(1, b->height() / 2), Grund), 3.0);
    Tool->Stift1->trigger();
    const QImage Frei = b->grab().toImage();
    EXPECT_LT(Kontrast(Frei.pixel(0, b->height() / 2), Grund), 1.5);
}
