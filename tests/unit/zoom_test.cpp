// The zoom view on Img2: the picture-pixel mapping, what is painted, the
// steps, the clamping, the read-out, the hairlines, the wheel and the keys.

#include "app/data.h"
#include "overlay/image32.h"
#include "zeichenfixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

namespace {

class ZoomTest : public ZeichenTest {
protected:
    void SetUp() override {
        ZeichenTest::SetUp();
        Tool->Start = false;
        Tool->WinZustand = 1;
        Screen->show();
        ASSERT_EQ(Screen->Img2->size(), QSize(320, 240));
    }
    void TearDown() override {
        MausradZoom = true;
        ZeichenTest::TearDown();
    }
    TImage32* Img2() { return Screen->Img2; }
    // What the view shows, painted through its own paint event.
    QImage Ansicht() { return Img2()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // The picture pixel each view pixel must show, by the Floor rule.
    QImage Erwartet(const QImage& Quelle) {
        QImage e(320, 240, QImage::Format_RGB32);
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x)
                e.setPixel(x, y, Quelle.pixel(Screen->BildpunktUnter(x, y)));
        return e;
    }
    QString Text(QLabel* l) { return l->text(); }
};

} // namespace

TEST(BildKoordinate, FloorRegelMitGebrochenenOffsets) {
    EXPECT_EQ(TImage32::BildKoordinate(0, -0.5f, 2.0f), 0);
    EXPECT_EQ(TImage32::BildKoordinate(1, -0.5f, 2.0f), 0);
    EXPECT_EQ(TImage32::BildKoordinate(2, -0.5f, 2.0f), 1);
    EXPECT_EQ(TImage32::BildKoordinate(0, 0.5f, 2.0f), -1);
    EXPECT_EQ(TImage32::BildKoordinate(39, -960.75f, 10.0f), 99);
    EXPECT_EQ(TImage32::BildKoordinate(40, -960.75f, 10.0f), 100);
    EXPECT_EQ(TImage32::BildKoordinate(7, 0.0f, 1.0f), 7);
}

TEST(Image32, MaltJedesPixelNachDerFloorRegelAuchAusserhalbDesBilds) {
    TImage32 i;
    i.Bitmap = Testbild(50, 40);
    i.SetAnsicht(3.0f, -10.5f, 4.25f);
    QImage Ziel(60, 30, QImage::Format_RGB32);
    Ziel.fill(Qt::red);
    i.Malen(Ziel, QPoint(5, 2), QRect(5, 2, 60, 30));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            const int sx = TImage32::BildKoordinate(x + 5, -10.5f, 3.0f);
            const int sy = TImage32::BildKoordinate(y + 2, 4.25f, 3.0f);
            const QRgb Soll =
                i.Bitmap.rect().contains(sx, sy) ? i.Bitmap.pixel(sx, sy) : qRgb(0, 0, 0);
            ASSERT_EQ(Ziel.pixel(x, y), Soll) << x << "," << y;
        }
}

TEST_F(ZoomTest, HineinzoomenOeffnetDieAnsichtUmDieMitte) {
    Waehle(4, 3);
    Tool->ZoomInBtnClick();
    EXPECT_EQ(Tool->Modus, 15);
    EXPECT_EQ(Tool->VorZoomModus, 4);
    EXPECT_EQ(Tool->ZoomFak, 2.0f);
    EXPECT_TRUE(Tool->Zoom1->isChecked());
    EXPECT_TRUE(Img2()->isVisible());
    EXPECT_TRUE(Screen->ZoomInfoPan->isVisible());
    EXPECT_EQ(Img2()->OffsetHorz, -160.0f);
    EXPECT_EQ(Img2()->OffsetVert, -120.0f);
    // Every pixel (x, y) shows picture pixel ((x + 160) div 2, (y + 120) div 2).
    const QImage a = Ansicht();
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(319, 239), QPoint(77, 150)})
        EXPECT_EQ(a.pixel(p), Bild().pixel((p.x() + 160) / 2, (p.y() + 120) / 2));
    EXPECT_EQ(AnzahlVerschieden(a, Erwartet(Bild())), 0);
}

TEST_F(ZoomTest, SiebenSchritteBis1000ProzentUndZurueckZumWerkzeug) {
    Waehle(4, 3);
    Tool->ZoomInBtnClick();
    for (int i = 0; i < 7; ++i)
        Tool->ZoomInBtnClick();
    EXPECT_EQ(Tool->ZoomfakNr, 8);
    EXPECT_EQ(Tool->ZoomFak, 10.0f);
    EXPECT_EQ(Text(Screen->ZoomInfoPan->ZoomPanZoomLab), QStringLiteral("1000%"));
    EXPECT_EQ(AnzahlVerschieden(Ansicht(), Erwartet(Bild())), 0);
    for (int i = 0; i < 6; ++i)
        Tool->ZoomOutBtnClick();
    EXPECT_EQ(Tool->ZoomFak, 2.0f);
    EXPECT_EQ(Text(Screen->ZoomInfoPan->ZoomPanZoomLab), QStringLiteral("200%"));
    Tool->ZoomOutBtnClick();
    EXPECT_EQ(Tool->Modus, 4);
    EXPECT_TRUE(Tool->Rechteck1->isChecked());
    EXPECT_FALSE(Img2()->isVisible());
    EXPECT_FALSE(Screen->ZoomInfoPan->isVisible());
    // The rectangle draws again, on the picture itself.
    const QImage Vorher = Bild().copy();
    Druecken(20, 20);
    Ziehen(60, 50);
    Loslassen(60, 50);
    EXPECT_GT(AnzahlVerschieden(Vorher, Bild()), 100);
}

TEST_F(ZoomTest, ZoomUmDenZeigerHaeltDenBildpunkt) {
    Tool->ZoomInit(100.0f, 80.0f);
    EXPECT_EQ(Screen->BildpunktUnter(100, 80), QPoint(100, 80));
    Tool->ZoomfakNr = 4;
    Tool->UpdateZoom(150.0f, 100.0f, 4.0f);
    EXPECT_EQ(Screen->BildpunktUnter(150, 100), QPoint(125, 90));
    EXPECT_EQ(AnzahlVerschieden(Ansicht(), Erwartet(Bild())), 0);
}

TEST_F(ZoomTest, OffsetsBleibenImBild) {
    Tool->ZoomInit(160.0f, 120.0f);
    Screen->SetZoomOffset(35.0f, -10000.0f);
    EXPECT_EQ(Img2()->OffsetHorz, 0.0f);
    EXPECT_EQ(Img2()->OffsetVert, -240.0f);
    // Dragging past the left edge stops at 0.
    Screen->SetZoomOffset(-20.0f, -20.0f);
    Druecken(100, 100);
    Ziehen(130, 110);
    EXPECT_EQ(Img2()->OffsetHorz, 0.0f);
    EXPECT_EQ(Img2()->OffsetVert, -10.0f);
    Ziehen(120, 90);
    EXPECT_EQ(Img2()->OffsetHorz, -10.0f);
    EXPECT_EQ(Img2()->OffsetVert, -30.0f);
    Loslassen(120, 90);
    EXPECT_EQ(Bild().pixel(0, 0), Tool->OrigScrBmp.pixel(0, 0));
}

TEST_F(ZoomTest, ZoomInitMitGeparktemZeigerKlemmt) {
    Tool->ZoomInit(-1.0f, -1.0f);
    EXPECT_EQ(Img2()->OffsetHorz, 0.0f);
    EXPECT_EQ(Img2()->OffsetVert, 0.0f);
    EXPECT_EQ(AnzahlVerschieden(Ansicht(), Erwartet(Bild())), 0);
}

TEST_F(ZoomTest, AnzeigeVonKoordinatenUndFarbe) {
    QImage b = Testbild();
    b.setPixel(130, 70, qRgb(255, 128, 0));
    Hintergrund(b);
    Tool->ZoomInit(160.0f, 120.0f);
    // Picture pixel (130, 70) lies under view (100..101, 20..21).
    Ziehen(101, 21, TShiftState());
    TZoomInfoPan* p = Screen->ZoomInfoPan;
    EXPECT_EQ(Text(p->ZoomPanZoomLab), QStringLiteral("200%"));
    EXPECT_EQ(Text(p->ZoomPanXLab), QStringLiteral("130"));
    EXPECT_EQ(Text(p->ZoomPanYLab), QStringLiteral("70"));
    EXPECT_FALSE(p->ZoomPanKlammern->isHidden());
    EXPECT_EQ(Text(p->ZoomPanColLab), QStringLiteral("#FF8000"));
    EXPECT_EQ(Screen->PipetteCol, 0x000080FFu);
    EXPECT_EQ(p->ZoomPanColLab2->palette().color(QPalette::Window), QColor(255, 128, 0));
    // Parked: no coordinates, brackets or colour.
    Screen->Parken();
    EXPECT_TRUE(Text(p->ZoomPanXLab).isEmpty());
    EXPECT_TRUE(Text(p->ZoomPanYLab).isEmpty());
    EXPECT_TRUE(p->ZoomPanKlammern->isHidden());
    EXPECT_TRUE(Text(p->ZoomPanColLab).isEmpty());
    EXPECT_EQ(p->ZoomPanColLab2->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(FarbCode(0x000080FF), QStringLiteral("#FF8000"));
    EXPECT_EQ(FarbCode(0x00A1B2C3), QStringLiteral("#C3B2A1"));
}

TEST_F(ZoomTest, DieAnzeigeWeichtDemZeigerAus) {
    Tool->ZoomInit(160.0f, 120.0f);
    TZoomInfoPan* p = Screen->ZoomInfoPan;
    ASSERT_EQ(p->geometry(), QRect(-1, -1, 266, 19));
    Ziehen(265, 18, TShiftState()); // just beside the panel's right and bottom
    EXPECT_EQ(p->x(), 320 - 266 + 1);
    Ziehen(300, 100, TShiftState());
    EXPECT_EQ(p->x(), 320 - 266 + 1);
    Ziehen(100, 5, TShiftState());
    EXPECT_EQ(p->x(), -1);
}

TEST_F(ZoomTest, HaarlinienBei400ProzentMitOffsetMinus37) {
    Tool->ZoomInit(160.0f, 120.0f);
    Tool->ZoomfakNr = 4;
    Tool->UpdateZoom(160.0f, 120.0f, 4.0f);
    Screen->SetZoomOffset(-37.0f, -37.0f);
    Ziehen(100, 50, TShiftState());
    const QImage Ohne = Ansicht();
    Ziehen(100, 50, ssCtrl);
    // -37 mod 4 = -1: blocks start at -1 + 4k; 100 lies in 99..102.
    EXPECT_EQ(Img2()->ZFadenX.Rect, QRect(99, 0, 4, 240));
    EXPECT_EQ(Img2()->ZFadenY.Rect, QRect(0, 47, 320, 4));
    EXPECT_TRUE(Img2()->ZFadenX.Umriss);
    const QImage Mit = Ansicht();
    const auto Invertiert = [&](int x, int y) {
        return Mit.pixel(x, y) == (Ohne.pixel(x, y) ^ 0x00FFFFFFu);
    };
    for (int y : {10, 200}) {
        EXPECT_TRUE(Invertiert(99, y));
        EXPECT_TRUE(Invertiert(102, y));
        EXPECT_EQ(Mit.pixel(100, y), Ohne.pixel(100, y));
        EXPECT_EQ(Mit.pixel(98, y), Ohne.pixel(98, y));
        EXPECT_EQ(Mit.pixel(103, y), Ohne.pixel(103, y));
    }
    // Where the lines cross they invert each other back.
    EXPECT_EQ(Mit.pixel(99, 47), Ohne.pixel(99, 47));
    // The Ctrl key's release hides them.
    Screen->FormKeyUp(Qt::Key_Control, TShiftState());
    EXPECT_FALSE(Img2()->ZFadenX.Visible);
    EXPECT_EQ(AnzahlVerschieden(Ansicht(), Ohne), 0);
}

TEST_F(ZoomTest, HaarlinienBei200ProzentSindBalken) {
    Tool->ZoomInit(161.0f, 120.0f);
    Ziehen(50, 60, ssCtrl);
    EXPECT_EQ(Img2()->ZFadenX.Rect, QRect(49, 0, 2, 240));
    EXPECT_FALSE(Img2()->ZFadenX.Umriss);
    EXPECT_EQ(Img2()->ZFadenY.Rect, QRect(0, 60, 320, 2));
}

TEST_F(ZoomTest, AllesLoeschenBeendetDieAnsicht) {
    Waehle(3, 2);
    Tool->ZoomInBtnClick();
    Tool->ClearBtnClick();
    EXPECT_EQ(Tool->Modus, 3);
    EXPECT_EQ(Tool->ZoomfakNr, 1);
    EXPECT_FALSE(Img2()->isVisible());
}

TEST_F(ZoomTest, MausradNurImZeichenmodusMitEinstellungUndAktivemFenster) {
    QApplication::setActiveWindow(Screen.get());
    ASSERT_EQ(QApplication::activeWindow(), Screen.get());
    // The pointer rests where the wheel turns.
    QCursor::setPos(Screen->mapToGlobal(QPoint(100, 80)));
    Ziehen(100, 80, TShiftState());
    Screen->MausradNachricht(-120);
    EXPECT_EQ(Tool->Modus, 1);
    MausradZoom = false;
    Screen->MausradNachricht(120);
    EXPECT_EQ(Tool->Modus, 1);
    MausradZoom = true;
    Tool->WinZustand = 0;
    Screen->MausradNachricht(120);
    EXPECT_EQ(Tool->Modus, 1);
    Tool->WinZustand = 1;
    // Another window of the desktop is active.
    QWidget Anderes;
    Anderes.show();
    QApplication::setActiveWindow(&Anderes);
    Screen->MausradNachricht(120);
    EXPECT_EQ(Tool->Modus, 1);
    QApplication::setActiveWindow(Tool.get());
    Screen->MausradNachricht(120);
    EXPECT_EQ(Tool->Modus, 15);
    Tool->ZoomOutBtnClick();
    ASSERT_EQ(Tool->Modus, 1);
    QApplication::setActiveWindow(Screen.get());
    Screen->MausradNachricht(120);
    EXPECT_EQ(Tool->Modus, 15);
    EXPECT_EQ(Screen->BildpunktUnter(100, 80), QPoint(100, 80));
    Screen->MausradNachricht(120);
    EXPECT_EQ(Tool->ZoomFak, 3.0f);
    EXPECT_EQ(Screen->BildpunktUnter(100, 80), QPoint(100, 80));
    Screen->MausradNachricht(-120);
    Screen->MausradNachricht(-120);
    EXPECT_EQ(Tool->Modus, 1);
}

TEST_F(ZoomTest, TastenZoomenGenauEinenSchritt) {
    QApplication::setActiveWindow(Screen.get());
    Tool->ZoomInBtnClick();
    ASSERT_EQ(Tool->ZoomfakNr, 2);
    QTest::keyClick(Screen.get(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(Tool->ZoomfakNr, 3);
    QTest::keyClick(Screen.get(), Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Tool->ZoomfakNr, 4);
    // Where "+" needs no Shift, as on a German keyboard.
    QTest::keyClick(Screen.get(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(Tool->ZoomfakNr, 5);
    QTest::keyClick(Screen.get(), Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(Screen.get(), Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(Tool->ZoomfakNr, 3);
    QTest::keyClick(Screen.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(Tool->ZoomfakNr, 2);
    QTest::keyClick(Screen.get(), Qt::Key_Slash, Qt::ControlModifier);
    EXPECT_EQ(Tool->ZoomfakNr, 2);
    QTest::keyClick(Screen.get(), Qt::Key_Minus, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(Tool->ZoomfakNr, 2);
    QTest::keyClick(Screen.get(), Qt::Key_Slash, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(Tool->ZoomfakNr, 1);
    EXPECT_EQ(Tool->Modus, 1);
}

TEST(Image32, MaltAuchVersetztImFensterRichtig) {
    // The view paints straight into its window's picture, where it does not
    // start at the window's corner.
    QWidget Fenster;
    Fenster.resize(120, 90);
    auto* i = new TImage32(&Fenster);
    i->setGeometry(10, 20, 100, 60);
    i->Bitmap = Testbild(60, 40);
    i->SetAnsicht(2.0f, -7.0f, -3.0f);
    i->SetFaeden({QRect(30, 0, 3, 60), true, true}, {QRect(0, 10, 100, 3), false, true});
    Fenster.show();
    const QImage a = Fenster.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage Soll(100, 60, QImage::Format_RGB32);
    i->Malen(Soll, QPoint(0, 0), Soll.rect());
    EXPECT_EQ(AnzahlVerschieden(a.copy(10, 20, 100, 60), Soll), 0);
    EXPECT_EQ(Soll.pixel(0, 0), i->Bitmap.pixel(3, 1));
    EXPECT_EQ(Soll.pixel(30, 40), i->Bitmap.pixel(18, 21) ^ 0x00FFFFFFu);
    EXPECT_EQ(Soll.pixel(31, 40), i->Bitmap.pixel(19, 21));
    EXPECT_EQ(Soll.pixel(50, 11), i->Bitmap.pixel(28, 7) ^ 0x00FFFFFFu);
}
