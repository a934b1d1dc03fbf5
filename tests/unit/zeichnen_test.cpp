// The drawing core: tool marks, pen, highlighter, eraser and the undo
// snapshot, checked pixel by pixel.

#include "zeichenfixture.h"

TEST(Groessen, DerivedSizesForAllFourWidths) {
    struct Zeile {
        int d, r, hw, hh, k, kk, pfeil, zeichen, text, lw, lh;
    };
    const Zeile Tabelle[] = {{3, 1, 14, 10, 1, 2, 10, 17, 9, 74, 56},
                             {7, 3, 32, 24, 2, 5, 25, 39, 16, 172, 129},
                             {13, 6, 60, 45, 4, 10, 46, 72, 24, 320, 240},
                             {21, 10, 97, 73, 6, 16, 73, 116, 39, 517, 388}};
    for (const Zeile& z : Tabelle) {
        SCOPED_TRACE(z.d);
        EXPECT_EQ(StiftRadius(z.d), z.r);
        EXPECT_EQ(RadiererHalbBreite(z.d), z.hw);
        EXPECT_EQ(RadiererHalbHoehe(z.d), z.hh);
        EXPECT_EQ(HaekchenEinheit(z.d), z.k);
        EXPECT_EQ(KreuzHalbGroesse(z.d), z.kk);
        EXPECT_EQ(PfeilLaenge(z.d), z.pfeil);
        EXPECT_EQ(ZeichenGroesse(z.d), z.zeichen);
        EXPECT_EQ(TextGroesse(z.d), z.text);
        EXPECT_EQ(LupeBreite(z.d), z.lw);
        EXPECT_EQ(LupeHoehe(z.d), z.lh);
    }
}

TEST(Bereich, AreaNeedsRightOfAtLeastTwo) {
    EXPECT_FALSE(AuswahlbereichAktiv(TRect{0, 0, 1, 1}));
    EXPECT_TRUE(AuswahlbereichAktiv(TRect{0, 0, 2, 1}));
    EXPECT_FALSE(AuswahlbereichAktiv(KeinBereich));
}

class MarkenTest : public ZeichenTest {
protected:
    // Draws a mark once (it must change the picture) and again (it must
    // restore the picture bit for bit).
    template <typename F> void ZweimalGleich(F Marke) {
        const QImage Vorher = Bild().copy();
        Marke();
        EXPECT_GT(AnzahlVerschieden(Vorher, Bild()), 0);
        Marke();
        EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0);
    }
};

TEST_F(MarkenTest, EveryMarkDrawnTwiceRestoresThePicture) {
    Screen->Sx = 100;
    Screen->Sy = 80;
    for (int i = 1; i <= 4; ++i) {
        Tool->Sdicke = DickeTab[i];
        SCOPED_TRACE(Tool->Sdicke);
        ZweimalGleich([&] { Screen->StiftMarke(StiftRadius(Tool->Sdicke)); });
        ZweimalGleich([&] {
            Screen->RadiererMarke(RadiererHalbBreite(Tool->Sdicke),
                                  RadiererHalbHoehe(Tool->Sdicke));
        });
        ZweimalGleich([&] { Screen->HaekchenMarke(); });
        ZweimalGleich([&] { Screen->KreuzMarke(); });
    }
    ZweimalGleich([&] { Screen->Textrahmen(); });
    ZweimalGleich([&] { Screen->BereichFadenkreuz(); });
}

TEST_F(MarkenTest, MarksInvertExactlyTheirFigure) {
    Hintergrund(Einfarbig(qRgb(255, 255, 255)));
    Screen->Sx = 100;
    Screen->Sy = 80;
    Screen->RadiererMarke(14, 10);
    // A 29 x 21 frame: 2 * 29 + 2 * 19 pixels, each inverted to black.
    int Schwarz = 0;
    for (int y = 0; y < Bild().height(); ++y)
        for (int x = 0; x < Bild().width(); ++x)
            if (Bild().pixel(x, y) == qRgb(0, 0, 0)) {
                ++Schwarz;
                EXPECT_TRUE(x == 86 || x == 114 || y == 70 || y == 90) << x << "," << y;
            }
    EXPECT_EQ(Schwarz, 2 * 29 + 2 * 19);
    Screen->RadiererMarke(14, 10);
    Screen->BereichFadenkreuz();
    // Both hairlines cover the whole picture; where they cross, the pixel is
    // inverted twice.
    for (int x = 0; x < Bild().width(); ++x)
        EXPECT_EQ(Bild().pixel(x, 80), x == 100 ? qRgb(255, 255, 255) : qRgb(0, 0, 0)) << x;
    for (int y = 0; y < Bild().height(); ++y)
        EXPECT_EQ(Bild().pixel(100, y), y == 80 ? qRgb(255, 255, 255) : qRgb(0, 0, 0)) << y;
}

TEST_F(MarkenTest, NoMarkWhilePointerIsParked) {
    const QImage Vorher = Bild().copy();
    Screen->Sx = -1;
    Screen->Sy = 50;
    Screen->StiftMarke(6);
    Screen->KreuzMarke();
    Screen->BereichFadenkreuz();
    EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0);
}

TEST_F(ZeichenTest, ParkingRemovesTheMarkOfEveryTool) {
    const QImage Vorher = Bild().copy();
    for (int m = 1; m <= 12; ++m) {
        SCOPED_TRACE(m);
        Waehle(m, 4);
        Ziehen(150, 120, TShiftState());
        EXPECT_GT(AnzahlVerschieden(Vorher, Bild()), 0);
        Screen->Parken();
        EXPECT_EQ(Screen->Sx, -1);
        EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0);
    }
}

TEST_F(ZeichenTest, ChangingToolOrWidthUnderTheMarkLeavesNoTrace) {
    const QImage Vorher = Bild().copy();
    Waehle(2, 4);
    Ziehen(150, 120, TShiftState());
    // The pointer rests on the picture while the tool changes from the keyboard.
    QCursor::setPos(Screen->mapToGlobal(QPoint(150, 120)));
    Waehle(7, 1);
    Waehle(1, 2);
    Screen->Parken();
    EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0);
}

TEST_F(ZeichenTest, PenStrokeIsOpaqueAndRoundAndLeavesTheRestAlone) {
    Hintergrund(Einfarbig(qRgb(255, 255, 255)));
    Waehle(1, 3); // 13 px
    Strich({50, 100}, {250, 100});
    Screen->Parken();
    const QRgb Rot = qRgb(255, 0, 0);
    EXPECT_EQ(Bild().pixel(150, 100), Rot);
    EXPECT_EQ(Bild().pixel(150, 94), Rot);
    EXPECT_EQ(Bild().pixel(150, 106), Rot);
    EXPECT_EQ(Bild().pixel(150, 92), qRgb(255, 255, 255));
    EXPECT_EQ(Bild().pixel(150, 108), qRgb(255, 255, 255));
    // round caps reach past the end points
    EXPECT_EQ(Bild().pixel(46, 100), Rot);
    EXPECT_EQ(Bild().pixel(254, 100), Rot);
    EXPECT_EQ(Bild().pixel(40, 100), qRgb(255, 255, 255));
    EXPECT_EQ(Bild().pixel(260, 100), qRgb(255, 255, 255));
}

TEST_F(ZeichenTest, HighlighterKeepsDarkContentAndNeverDarkensOnOverlap) {
    QImage Seite = Einfarbig(qRgb(255, 255, 255));
    for (int y = 90; y < 110; ++y)
        for (int x = 100; x < 120; ++x)
            Seite.setPixel(x, y, qRgb(0, 0, 0));
    Hintergrund(Seite);
    Waehle(1, 4);
    Farbe(0x0000FFFF, pmMask); // transparent yellow
    Druecken(40, 100);
    Ziehen(200, 100);
    Ziehen(60, 102); // back over the same place
    Ziehen(180, 98);
    Loslassen(180, 98);
    Screen->Parken();
    const QRgb Gelb = qRgb(255, 255, 0);
    for (int y = 92; y <= 108; ++y)
        for (int x = 60; x <= 180; ++x) {
            const bool Text = x >= 100 && x < 120 && y >= 90 && y < 110;
            ASSERT_EQ(Bild().pixel(x, y), Text ? qRgb(0, 0, 0) : Gelb) << x << "," << y;
        }
}

TEST_F(ZeichenTest, RightOrMiddleButtonNeverDraws) {
    const QImage Vorher = Bild().copy();
    Waehle(1, 4);
    Druecken(50, 50, ssRight, mbRight);
    Ziehen(150, 150, ssRight);
    Ziehen(160, 150, TShiftState(ssRight | ssLeft));
    Loslassen(160, 150, TShiftState(), mbRight);
    Druecken(60, 60, TShiftState(ssMiddle | ssLeft), mbMiddle);
    Ziehen(200, 100, TShiftState(ssMiddle | ssLeft));
    Loslassen(200, 100);
    // the mark follows the pointer, nothing else changed
    EXPECT_EQ(Screen->Sx, 200);
    Screen->Parken();
    EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0);
    Waehle(2, 4);
    Tool->OrigScrBmp = Einfarbig(qRgb(1, 2, 3));
    Druecken(50, 50, TShiftState(ssRight | ssLeft), mbRight);
    Ziehen(100, 100, TShiftState(ssRight | ssLeft));
    Screen->Parken();
    EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0);
}

TEST_F(ZeichenTest, PressWithoutMovingDrawsADotAndKeepsTheRest) {
    Hintergrund(Einfarbig(qRgb(255, 255, 255)));
    Waehle(1, 3);
    Druecken(100, 100);
    Loslassen(100, 100);
    Screen->Parken();
    EXPECT_EQ(Bild().pixel(100, 100), qRgb(255, 0, 0));
    EXPECT_EQ(Bild().pixel(110, 100), qRgb(255, 255, 255));
}

TEST_F(ZeichenTest, EraserRestoresExactlyItsBlockFromTheBackground) {
    const QImage Hinten = Testbild();
    Waehle(1, 4);
    Farbe(0x00000000, pmCopy);
    for (int y = 0; y < 240; y += 10)
        Strich({0, y}, {319, y});
    Screen->Parken();
    const QImage Bemalt = Bild().copy();
    Waehle(2, 1); // 29 x 21
    Druecken(100, 100);
    Loslassen(100, 100);
    Screen->Parken();
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x) {
            const bool Block = x >= 86 && x <= 114 && y >= 90 && y <= 110;
            ASSERT_EQ(Bild().pixel(x, y), Block ? Hinten.pixel(x, y) : Bemalt.pixel(x, y))
                << x << "," << y;
        }
}

TEST_F(ZeichenTest, EraserAtTheEdgeRestoresOnlyTheInsidePart) {
    Hintergrund(Einfarbig(qRgb(255, 255, 255)));
    Tool->OrigScrBmp = Einfarbig(qRgb(0, 0, 255));
    Waehle(2, 1);
    Druecken(2, 238);
    Loslassen(2, 238);
    Screen->Parken();
    int Blau = 0;
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            if (Bild().pixel(x, y) == qRgb(0, 0, 255)) {
                ++Blau;
                EXPECT_TRUE(x <= 16 && y >= 228) << x << "," << y;
            }
    EXPECT_EQ(Blau, 17 * 12);
}

TEST_F(ZeichenTest, EraserOnASheetBringsBackTheSheetNotTheScreen) {
    const QImage Weiss = Einfarbig(qRgb(255, 255, 255));
    Tool->OrigScrBmp = Weiss; // a white sheet replaced the frozen screen
    Screen->BildLaden(Weiss, false);
    Waehle(1, 4);
    Strich({20, 120}, {300, 120});
    Waehle(2, 4);
    Druecken(160, 120);
    Ziehen(200, 120);
    Loslassen(200, 120);
    Screen->Parken();
    for (int x = 100; x < 260; ++x)
        EXPECT_EQ(Bild().pixel(x, 120), qRgb(255, 255, 255)) << x;
}

TEST_F(ZeichenTest, SnapshotHoldsThePictureFromBeforeTheStrokeMarkIncluded) {
    Waehle(1, 3);
    Strich({10, 10}, {200, 200});
    Ziehen(120, 60, TShiftState()); // the mark rests here at the next press
    const QImage VorDemDruck = Bild().copy();
    const int32_t sx = Screen->Sx, sy = Screen->Sy;
    Tool->Modus = 1;
    Druecken(120, 60);
    Ziehen(300, 60);
    EXPECT_EQ(AnzahlVerschieden(Tool->BackupBmp, VorDemDruck), 0);
    EXPECT_EQ(Screen->BakSx, sx);
    EXPECT_EQ(Screen->BakSy, sy);
    EXPECT_EQ(Tool->BakModus, 1);
    EXPECT_GT(AnzahlVerschieden(Tool->BackupBmp, Bild()), 0);
}

TEST_F(ZeichenTest, EverySnapshotEqualsTheWholePictureAfterManyStrokes) {
    // The snapshot copies only what changed since the last one; after any
    // mix of strokes, marks and tool changes it must still equal a full copy.
    const QPoint Wege[][2] = {{{5, 5}, {315, 235}},
                              {{300, 10}, {10, 220}},
                              {{160, 0}, {160, 239}},
                              {{0, 120}, {319, 121}},
                              {{-40, -40}, {400, 300}}};
    int i = 0;
    for (const auto& w : Wege) {
        SCOPED_TRACE(i);
        Waehle(i % 2 ? 2 : 1, 1 + i % 4);
        Ziehen(w[0].x() + 3, w[0].y() + 3, TShiftState());
        const QImage Vorher = Bild().copy();
        Druecken(w[0].x(), w[0].y());
        ASSERT_EQ(AnzahlVerschieden(Tool->BackupBmp, Vorher), 0);
        Ziehen((w[0].x() + w[1].x()) / 2, w[0].y());
        Ziehen(w[1].x(), w[1].y());
        Loslassen(w[1].x(), w[1].y());
        ++i;
    }
}

TEST_F(ZeichenTest, CaptureSharesItsPixelsUntilTheFirstStrokeAndStaysIntact) {
    const QImage Aufnahme = Testbild();
    Tool->OrigScrBmp = Tool->OrigScrStartBmp = Tool->BackupBmp = Tool->BackupOrigScrBmp = Aufnahme;
    Screen->AufnahmeLaden(Aufnahme);
    EXPECT_EQ(Bild().constBits(), Aufnahme.constBits());
    Waehle(1, 4);
    Strich({10, 10}, {300, 200});
    EXPECT_NE(Bild().constBits(), Aufnahme.constBits());
    EXPECT_EQ(AnzahlVerschieden(Tool->OrigScrBmp, Testbild()), 0);
    EXPECT_EQ(AnzahlVerschieden(Tool->BackupBmp, Testbild()), 0);
    // the next press saves the stroke into the undo copy, not into the capture
    Druecken(50, 50);
    Loslassen(50, 50);
    EXPECT_GT(AnzahlVerschieden(Tool->BackupBmp, Testbild()), 0);
    EXPECT_EQ(AnzahlVerschieden(Tool->OrigScrStartBmp, Testbild()), 0);
    EXPECT_EQ(AnzahlVerschieden(Tool->OrigScrBmp, Testbild()), 0);
}
