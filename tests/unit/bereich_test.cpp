// Area selection: the drag with its crosshair and anchor lines, the edges and
// read-outs, moving the area by read-out, arrow keys and their limits.

#include "app/data.h"
#include "overlay/tastenregeln.h"
#include "zeichenfixture.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

QRgb Invertiert(QRgb p) {
    return qRgb(255 - qRed(p), 255 - qGreen(p), 255 - qBlue(p));
}

class BereichTest : public ZeichenTest {
protected:
    void SetUp() override {
        ZeichenTest::SetUp();
        Waehle(13, 3);
    }
    void Bereich(QPoint a, QPoint b, TShiftState Extra = TShiftState()) {
        Screen->Img1MouseMove(Extra, a.x(), a.y());
        Druecken(a.x(), a.y(), TShiftState(ssLeft) | Extra);
        Ziehen(b.x(), b.y(), TShiftState(ssLeft) | Extra);
        Loslassen(b.x(), b.y(), Extra);
    }
    QRect Geometrie(QWidget* w) { return w->isHidden() ? QRect() : w->geometry(); }
    const TRect& R() { return Tool->BereichRect; }
};

} // namespace

TEST(BereichTexte, BereichsanzeigeBeginntMitLeerzeichen) {
    EXPECT_EQ(BereichText(TRect{10, 20, 110, 220}), " (10,20) - (109,219)  B:100 H:200");
    EXPECT_EQ(BereichText(TRect{50, 80, 101, 101}), " (50,80) - (100,100)  B:51 H:21");
}

TEST(BereichTexte, FadenkreuzanzeigeFolgtZeigerUndAnker) {
    EXPECT_EQ(FadenkreuzText(-1, 5, -1, -1), "");
    EXPECT_EQ(FadenkreuzText(5, -1, 3, 3), "");
    EXPECT_EQ(FadenkreuzText(5, 7, -1, -1), "(5,7)");
    EXPECT_EQ(FadenkreuzText(50, 80, 100, 100), "(50,80) - (100,100)  B:51 H:21");
    EXPECT_EQ(FadenkreuzText(100, 100, 100, 100), "(100,100) - (100,100)  B:1 H:1");
}

TEST_F(BereichTest, ZiehenWaehltBeideEckenUndHinterlaesstNichtsInvertiertes) {
    Bereich({100, 100}, {50, 80});
    EXPECT_EQ(R(), (TRect{50, 80, 101, 101}));
    EXPECT_EQ(Screen->BereichInfoPan->Caption(), " (50,80) - (100,100)  B:51 H:21");
    // Nothing of the drag stays in the picture: the edges are widgets.
    EXPECT_EQ(Bild(), Tool->OrigScrBmp);
    EXPECT_EQ(Geometrie(Screen->BereichX1Pan), QRect(50, 80, 1, 21));
    EXPECT_EQ(Geometrie(Screen->BereichY1Pan), QRect(50, 80, 51, 1));
    EXPECT_EQ(Geometrie(Screen->BereichX2Pan), QRect(100, 80, 1, 21));
    EXPECT_EQ(Geometrie(Screen->BereichY2Pan), QRect(50, 100, 51, 1));
    EXPECT_EQ(Geometrie(Screen->BereichInfoPan), QRect(50, 61, 234, 19));
    EXPECT_EQ(Screen->Sx, -1);
    EXPECT_EQ(Screen->Lx, -1);
}

TEST_F(BereichTest, BeimZiehenSindZeileUndSpalteDesZeigersInvertiert) {
    Screen->Img1MouseMove(TShiftState(), 100, 100);
    Druecken(100, 100);
    Ziehen(50, 80);
    const QImage& b = Bild();
    const QImage& o = Tool->OrigScrBmp;
    for (int x = 0; x < b.width(); ++x) {
        const QRgb Soll = x == 50 ? o.pixel(x, 80) : Invertiert(o.pixel(x, 80));
        ASSERT_EQ(b.pixel(x, 80), Soll) << x;
    }
    for (int y = 0; y < b.height(); ++y) {
        const QRgb Soll = y == 80 ? o.pixel(50, y) : Invertiert(o.pixel(50, y));
        ASSERT_EQ(b.pixel(50, y), Soll) << y;
    }
    // The anchor's edges run from the anchor towards the pointer; the anchor
    // pixel itself is inverted once.
    EXPECT_EQ(b.pixel(100, 100), Invertiert(o.pixel(100, 100)));
    EXPECT_EQ(b.pixel(75, 100), Invertiert(o.pixel(75, 100)));
    EXPECT_EQ(b.pixel(100, 90), Invertiert(o.pixel(100, 90)));
    EXPECT_EQ(b.pixel(101, 100), o.pixel(101, 100));
    EXPECT_EQ(b.pixel(75, 90), o.pixel(75, 90));
    EXPECT_EQ(Screen->FadenkreuzInfoPan->Caption(), "(50,80) - (100,100)  B:51 H:21");
    // The old area went at the press.
    EXPECT_EQ(R(), KeinBereich);
}

TEST_F(BereichTest, KlickOhneZiehenEntferntDenBereich) {
    Bereich({10, 10}, {60, 40});
    ASSERT_TRUE(AuswahlbereichAktiv(R()));
    Bereich({30, 30}, {30, 30});
    EXPECT_EQ(R(), KeinBereich);
    EXPECT_TRUE(Screen->BereichX1Pan->isHidden());
    EXPECT_TRUE(Screen->BereichInfoPan->isHidden());
}

TEST_F(BereichTest, ShiftHaeltDenBereichQuadratisch) {
    Bereich({100, 100}, {140, 10}, ssShift);
    EXPECT_EQ(R(), (TRect{100, 60, 141, 101}));
}

TEST_F(BereichTest, ShiftTasteBeimZiehenRastetSofortEin) {
    Screen->Img1MouseMove(TShiftState(), 100, 100);
    Druecken(100, 100);
    Ziehen(140, 10);
    Screen->FormKeyDown(Qt::Key_Shift, ssShift);
    EXPECT_EQ(QPoint(Screen->Sx, Screen->Sy), QPoint(140, 60));
    Loslassen(140, 10, ssShift);
    EXPECT_EQ(R(), (TRect{100, 60, 141, 101}));
}

TEST_F(BereichTest, UeberDenBildrandGezogenEndetAmRand) {
    Bereich({300, 200}, {400, 260});
    EXPECT_EQ(R(), (TRect{300, 200, 320, 240}));
}

TEST_F(BereichTest, FadenkreuzanzeigeSpringtVomZeigerWeg) {
    TInfoPanel* p = Screen->FadenkreuzInfoPan;
    ASSERT_EQ(p->pos(), QPoint(-1, -1));
    Screen->Img1MouseMove(TShiftState(), 200, 100);
    EXPECT_EQ(p->pos(), QPoint(-1, -1));
    EXPECT_EQ(p->Caption(), "(200,100)");
    // Both borders count: x 265 is one pixel right of the panel.
    Screen->Img1MouseMove(TShiftState(), 265, 18);
    EXPECT_EQ(p->pos(), QPoint(320 - 266 + 1, -1));
    Screen->Img1MouseMove(TShiftState(), 100, 10);
    EXPECT_EQ(p->pos(), QPoint(-1, -1));
    Screen->Parken();
    EXPECT_EQ(p->Caption(), "");
}

TEST_F(BereichTest, ZiehenDerAnzeigeVerschiebtDenBereichImBild) {
    Bereich({10, 100}, {59, 139});
    ASSERT_EQ(R(), (TRect{10, 100, 60, 140}));
    Screen->BereichInfoPanMouseDown(mbLeft, ssLeft, 7, 5);
    Screen->BereichInfoPanMouseMove(ssLeft, 7 + 30, 5 - 20);
    EXPECT_EQ(R(), (TRect{40, 80, 90, 120}));
    EXPECT_EQ(Screen->BereichInfoPan->pos(), QPoint(40, 80 - 19));
    // Past the right edge it stops where the area ends at the picture's edge.
    Screen->BereichInfoPanMouseMove(ssLeft, 7 + 5000, 5);
    EXPECT_EQ(R(), (TRect{270, 80, 320, 120}));
    // A move without the button only moves the pointer.
    Screen->BereichInfoPanMouseMove(TShiftState(), 7 - 100, 5);
    EXPECT_EQ(R(), (TRect{270, 80, 320, 120}));
}

TEST_F(BereichTest, PfeiltastenSchiebenNurEinenBereichImBereichswerkzeug) {
    Screen->FormKeyDown(Qt::Key_Right, TShiftState());
    Screen->FormKeyDown(Qt::Key_Down, TShiftState());
    EXPECT_EQ(R(), KeinBereich);
    Bereich({1, 1}, {10, 20});
    for (int k : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Up})
        Screen->FormKeyDown(k, TShiftState());
    EXPECT_EQ(R(), (TRect{0, 0, 10, 20}));
    Screen->FormKeyDown(Qt::Key_Right, ssCtrl);
    Screen->FormKeyDown(Qt::Key_Down, ssShift);
    EXPECT_EQ(R(), (TRect{1, 1, 11, 21}));
    Waehle(1, 3);
    Screen->FormKeyDown(Qt::Key_Right, TShiftState());
    EXPECT_EQ(R(), (TRect{1, 1, 11, 21}));
}

TEST_F(BereichTest, GrenzenSindDieDesBildesNichtDesBildschirms) {
    const QSize Primaer = QGuiApplication::primaryScreen()->size();
    for (const QSize Groesse : {Primaer + QSize(300, 200), QSize(320, 240)}) {
        SCOPED_TRACE(Groesse.width());
        Screen->resize(Groesse);
        Hintergrund(Testbild(Groesse.width(), Groesse.height()));
        const int w = Groesse.width(), h = Groesse.height();
        Tool->BereichRect = TRect{w - 12, h - 7, w - 2, h - 2};
        for (int i = 0; i < 5; ++i) {
            Screen->SetAuswahlBereichOffset(1, 0);
            Screen->SetAuswahlBereichOffset(0, 1);
        }
        EXPECT_EQ(R(), (TRect{w - 10, h - 5, w, h}));
        Screen->SetAuswahlBereichOffset(-w, -h);
        EXPECT_EQ(R(), (TRect{0, 0, 10, 5}));
    }
}

TEST_F(BereichTest, PfeiltastenDesWerkzeugfenstersNurImZeichenmodus) {
    Bereich({20, 20}, {29, 29});
    Tool->WinZustand = 0;
    Tool->FormKeyDown(Qt::Key_Right, TShiftState());
    EXPECT_EQ(R().Left, 20);
    Tool->WinZustand = 1;
    Tool->FormKeyDown(Qt::Key_Right, TShiftState());
    Tool->FormKeyDown(Qt::Key_Up, TShiftState());
    EXPECT_EQ(R(), (TRect{21, 19, 31, 29}));
}

TEST_F(BereichTest, KantenVerschwindenInDerZoomansichtUndKommenWieder) {
    Bereich({20, 20}, {29, 29});
    Tool->Modus = 15;
    Screen->AuswahlBereichZeigen();
    EXPECT_TRUE(Screen->BereichX2Pan->isHidden());
    EXPECT_TRUE(Screen->BereichInfoPan->isHidden());
    Waehle(1, 3);
    EXPECT_FALSE(Screen->BereichX2Pan->isHidden());
    // Only the area tool shows the read-out once the pointer was over the
    // tool window; the edges stay.
    Tool->CheckPanels();
    EXPECT_TRUE(Screen->BereichInfoPan->isHidden());
    EXPECT_TRUE(Screen->FadenkreuzInfoPan->isHidden());
    EXPECT_FALSE(Screen->BereichY2Pan->isHidden());
    Waehle(13, 3);
    Tool->CheckPanels();
    EXPECT_FALSE(Screen->BereichInfoPan->isHidden());
    EXPECT_FALSE(Screen->FadenkreuzInfoPan->isHidden());
}

TEST_F(BereichTest, RueckgaengigBringtDenAltenBereich) {
    Bereich({20, 20}, {29, 29});
    Bereich({100, 100}, {150, 130});
    Tool->RueckgaengigBtnClick();
    EXPECT_EQ(R(), (TRect{20, 20, 30, 30}));
    EXPECT_EQ(Geometrie(Screen->BereichX2Pan), QRect(29, 20, 1, 10));
    EXPECT_EQ(Bild(), Tool->OrigScrBmp);
}

TEST_F(BereichTest, ParkenBeimZiehenVerwirftDenBereich) {
    Bereich({20, 20}, {29, 29});
    Druecken(100, 100);
    Ziehen(150, 130);
    Tool->CheckPanels();
    EXPECT_EQ(Bild(), Tool->OrigScrBmp);
    Loslassen(150, 130);
    EXPECT_EQ(R(), KeinBereich);
    EXPECT_EQ(Bild(), Tool->OrigScrBmp);
}

TEST_F(BereichTest, WerkzeugwechselBeimZiehenHinterlaesstKeineLinien) {
    Druecken(100, 100);
    Ziehen(150, 130);
    Tool->StiftBtnClick();
    Screen->Parken();
    EXPECT_EQ(Bild(), Tool->OrigScrBmp);
}
