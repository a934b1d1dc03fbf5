// The lens on Img2's layer: placement, enlargement, frame, cross and label,
// the factor switch, the edges, and that the picture is never drawn on.

#include "overlay/image32.h"
#include "zeichenfixture.h"

#include <QAction>

namespace {

class LupeTest : public ZeichenTest {
protected:
    void SetUp() override {
        ZeichenTest::SetUp();
        Tool->Start = false;
        Tool->WinZustand = 1;
        Screen->resize(800, 600);
        Hintergrund(Testbild(800, 600));
        Screen->show();
        ASSERT_EQ(Screen->Img2->size(), QSize(800, 600));
    }
    const QImage& Lupe() { return Screen->Img2->Layer.Bitmap; }
    // The lens pixel (i, j) must show picture pixel (sL + i / f, sT + j / f)
    // everywhere but on the frame, the cross and the label.
    int Abweichungen(int sL, int sT, int f, QPoint Kreuz) {
        int n = 0;
        const QRect Beschriftung(1, 1, 40, 14);
        for (int j = 1; j < Lupe().height() - 1; ++j)
            for (int i = 1; i < Lupe().width() - 1; ++i) {
                const bool AufKreuz = (j == Kreuz.y() && std::abs(i - Kreuz.x()) <= 8) ||
                                      (i == Kreuz.x() && std::abs(j - Kreuz.y()) <= 8);
                if (AufKreuz || Beschriftung.contains(i, j)) continue;
                if (Lupe().pixel(i, j) != Bild().pixel(sL + i / f, sT + j / f)) ++n;
            }
        return n;
    }
};

} // namespace

TEST_F(LupeTest, Bei200ProzentUmDenZeiger) {
    const QImage Vorher = Bild().copy();
    Tool->LupeBtnClick();
    EXPECT_EQ(Tool->Modus, 14);
    EXPECT_TRUE(Tool->Lupe1->isChecked());
    Ziehen(400, 300, TShiftState());
    const TBitmapLayer& l = Screen->Img2->Layer;
    EXPECT_TRUE(l.Visible);
    EXPECT_EQ(l.Location, QRectF(240, 180, 320, 240));
    ASSERT_EQ(Lupe().size(), QSize(320, 240));
    for (int i = 0; i < 320; ++i) {
        EXPECT_EQ(Lupe().pixel(i, 0), qRgb(0, 0, 0));
        EXPECT_EQ(Lupe().pixel(i, 239), qRgb(0, 0, 0));
    }
    for (int j = 0; j < 240; ++j) {
        EXPECT_EQ(Lupe().pixel(0, j), qRgb(0, 0, 0));
        EXPECT_EQ(Lupe().pixel(319, j), qRgb(0, 0, 0));
    }
    EXPECT_EQ(Abweichungen(320, 240, 2, {160, 120}), 0);
    // The cross: 17 pixels each way, inverted; the centre inverted twice.
    const auto Unter = [&](int i, int j) { return Bild().pixel(320 + i / 2, 240 + j / 2); };
    EXPECT_EQ(Lupe().pixel(152, 120), Unter(152, 120) ^ 0x00FFFFFFu);
    EXPECT_EQ(Lupe().pixel(168, 120), Unter(168, 120) ^ 0x00FFFFFFu);
    EXPECT_EQ(Lupe().pixel(169, 120), Unter(169, 120));
    EXPECT_EQ(Lupe().pixel(160, 112), Unter(160, 112) ^ 0x00FFFFFFu);
    EXPECT_EQ(Lupe().pixel(160, 128), Unter(160, 128) ^ 0x00FFFFFFu);
    EXPECT_EQ(Lupe().pixel(160, 120), Unter(160, 120));
    // The label starts with a blank on its light grey.
    EXPECT_EQ(Lupe().pixel(1, 1), qRgb(0xEE, 0xEE, 0xEE));
    // The view shows the lens over the picture.
    const QImage a = Screen->Img2->grab().toImage();
    EXPECT_EQ(a.pixel(240 + 50, 180 + 60), Lupe().pixel(50, 60));
    EXPECT_EQ(a.pixel(100, 100), Bild().pixel(100, 100));
    EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0);
}

TEST_F(LupeTest, JederKlickWechseltZwischen200Und400Prozent) {
    Tool->LupeBtnClick();
    Ziehen(400, 300, TShiftState());
    Druecken(400, 300);
    Loslassen(400, 300);
    EXPECT_EQ(Tool->LupeFak, 4);
    EXPECT_EQ(Abweichungen(360, 270, 4, {160, 120}), 0);
    Druecken(400, 300);
    Loslassen(400, 300);
    EXPECT_EQ(Tool->LupeFak, 2);
    EXPECT_EQ(Abweichungen(320, 240, 2, {160, 120}), 0);
}

TEST_F(LupeTest, AmRandVerschobenKreuzAmZeigerBeschriftungObenLinks) {
    Tool->LupeBtnClick();
    Ziehen(790, 595, TShiftState());
    // Right and bottom edge of the lens at most one pixel beyond the screen.
    EXPECT_EQ(Screen->Img2->Layer.Location, QRectF(481, 361, 320, 240));
    // The source shifts on its own to stay inside the picture.
    EXPECT_EQ(Abweichungen(640, 480, 2, {309, 234}), 0);
    EXPECT_EQ(Lupe().pixel(1, 1), qRgb(0xEE, 0xEE, 0xEE));
}

TEST_F(LupeTest, KleinsteBreiteUndKeinBildVorDemErstenStart) {
    Waehle(14, 1);
    Tool->LupeBtnClick();
    Ziehen(100, 100, TShiftState());
    EXPECT_EQ(Lupe().size(), QSize(74, 56));
    Screen->Img2->LayerVerstecken();
    Tool->Start = true;
    Ziehen(120, 100, TShiftState());
    EXPECT_FALSE(Screen->Img2->Layer.Visible);
}

TEST_F(LupeTest, ZeigtDasBildOhneWerkzeugmarke) {
    Waehle(1, 4);
    Ziehen(400, 300, TShiftState());
    ASSERT_NE(Bild(), Tool->OrigScrBmp);
    Tool->LupeBtnClick();
    EXPECT_EQ(Screen->Img2->Bitmap, Tool->OrigScrBmp);
    EXPECT_EQ(Bild(), Tool->OrigScrBmp);
}

TEST_F(LupeTest, AllesLoeschenZeigtDasGeloeschteBild) {
    Strich({100, 100}, {300, 200});
    Tool->LupeBtnClick();
    ASSERT_NE(Screen->Img2->Bitmap, Tool->OrigScrBmp);
    Tool->ClearBtnClick();
    EXPECT_EQ(Tool->Modus, 14);
    EXPECT_EQ(Screen->Img2->Bitmap, Tool->OrigScrBmp);
}

TEST_F(LupeTest, GroesseFolgtDerBreite) {
    const QSize Groessen[] = {{74, 56}, {172, 129}, {320, 240}, {517, 388}};
    Tool->LupeBtnClick();
    for (int Nr = 1; Nr <= 4; ++Nr) {
        Waehle(14, Nr);
        Ziehen(400, 300, TShiftState());
        EXPECT_EQ(Lupe().size(), Groessen[Nr - 1]) << Nr;
    }
}
