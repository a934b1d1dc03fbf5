// Undo, "Alles löschen" and the background changes of the sheet menu,
// driven through the overlay's mouse handlers and the tool window's commands.

#include "app/data.h"
#include "zeichenfixture.h"

namespace {

const QRgb Gelb = qRgb(255, 255, 0);

} // namespace

class UndoTest : public ZeichenTest {
protected:
    void SetUp() override {
        ZeichenTest::SetUp();
        AlterFarbMode = FarbMode;
    }
    void TearDown() override {
        FarbMode = AlterFarbMode;
        ZeichenTest::TearDown();
    }
    // A pen stroke, then the pointer parked, so the picture holds no mark.
    QImage StrichOhneMarke(QPoint a, QPoint b) {
        Strich(a, b);
        Screen->Parken();
        return Bild().copy();
    }
    int32_t AlterFarbMode = 0;
};

TEST_F(UndoTest, UndoAfterClearBringsTheDrawingsBackAndASecondUndoChangesNothing) {
    const QImage Gezeichnet = StrichOhneMarke({40, 40}, {200, 120});
    ASSERT_GT(AnzahlVerschieden(Gezeichnet, Testbild()), 0);
    Tool->ClearBtnClick();
    EXPECT_EQ(AnzahlVerschieden(Bild(), Testbild()), 0);
    Tool->RueckgaengigBtnClick();
    EXPECT_EQ(AnzahlVerschieden(Bild(), Gezeichnet), 0);
    Tool->RueckgaengigBtnClick();
    EXPECT_EQ(AnzahlVerschieden(Bild(), Gezeichnet), 0);
    EXPECT_EQ(AnzahlVerschieden(Tool->OrigScrBmp, Testbild()), 0);
}

TEST_F(UndoTest, ClearAndUndoKeepTheToolMarkAndItsPositionTogether) {
    // The mark stays in the picture at (200, 120) when clear runs; undo
    // restores it with its position, and moving on removes it cleanly.
    const QImage Gezeichnet = StrichOhneMarke({40, 40}, {200, 120});
    Ziehen(200, 120, TShiftState());
    Tool->ClearBtnClick();
    EXPECT_EQ(Screen->Sx, -1);
    EXPECT_EQ(Screen->Lx, -1);
    Tool->RueckgaengigBtnClick();
    EXPECT_EQ(AnzahlVerschieden(Bild(), Gezeichnet), 0);
}

TEST_F(UndoTest, UndoRestoresModusAreaAndPointsOfThePress) {
    const QImage Gezeichnet = StrichOhneMarke({40, 40}, {100, 60});
    Tool->BereichRect = TRect{10, 20, 30, 40};
    Druecken(150, 150);
    Ziehen(250, 200);
    Loslassen(250, 200);
    Tool->BereichRect = KeinBereich;
    Tool->Modus = 2;
    Tool->RueckgaengigBtnClick();
    EXPECT_EQ(Tool->Modus, 1);
    EXPECT_EQ(Tool->BereichRect, (TRect{10, 20, 30, 40}));
    EXPECT_EQ(AnzahlVerschieden(Bild(), Gezeichnet), 0);
}

TEST_F(UndoTest, UndoAfterAToolChangeRemovesTheMarkWithTheFigureItWasDrawnWith) {
    // The pen's circle is in the picture when the second stroke starts; the
    // tool then changes to the eraser. Undo goes back to the pen picture
    // with its circle, which the next step must remove as a circle.
    const QImage Gezeichnet = StrichOhneMarke({40, 40}, {100, 60});
    Ziehen(100, 60, TShiftState());
    Strich({150, 150}, {250, 200});
    Waehle(2, 3);
    Tool->RueckgaengigBtnClick();
    EXPECT_EQ(Tool->Modus, 1);
    EXPECT_EQ(AnzahlVerschieden(Bild(), Gezeichnet), 0);
}

TEST_F(UndoTest, UndoAfterASheetBringsBackThePreviousBackgroundWithItsDrawings) {
    const QImage Gezeichnet = StrichOhneMarke({40, 40}, {200, 120});
    Tool->KariertesBlatt1Click();
    EXPECT_EQ(AnzahlVerschieden(Bild(), Tool->OrigScrBmp), 0);
    EXPECT_EQ(Tool->OrigScrBmp.pixel(48, 10), qRgb(184, 184, 184));
    EXPECT_EQ(AnzahlVerschieden(Tool->BackupOrigScrBmp, Testbild()), 0);
    Tool->RueckgaengigBtnClick();
    EXPECT_EQ(AnzahlVerschieden(Bild(), Gezeichnet), 0);
    EXPECT_EQ(AnzahlVerschieden(Tool->OrigScrBmp, Testbild()), 0);
    // The eraser works on the restored background again.
    Waehle(2, 3);
    Strich({120, 80}, {120, 80});
    Screen->Parken();
    EXPECT_EQ(Bild().pixel(120, 80), Testbild().pixel(120, 80));
}

TEST_F(UndoTest, BlackSheetSwitchesTransparentToOpaqueOfTheSameHue) {
    FarbMode = 2;
    Farbe(0x0000FFFF, pmMask);
    Tool->SchwarzesBlatt1Click();
    EXPECT_EQ(AnzahlVerschieden(Tool->OrigScrBmp, Einfarbig(qRgb(0, 0, 0))), 0);
    EXPECT_EQ(FarbMode, 12);
    EXPECT_EQ(Tool->Scol, 0x0000FFFFu);
    EXPECT_EQ(Tool->Smode, pmCopy);
    // The stroke now shows on black.
    Strich({40, 100}, {200, 100});
    Screen->Parken();
    EXPECT_EQ(Bild().pixel(120, 100), Gelb);
}

TEST_F(UndoTest, BlackSheetKeepsOpaqueAndExtraColours) {
    const struct {
        int32_t Mode;
        TColor Col;
    } Faelle[] = {{15, 0x00FFFFFF}, {11, 0x000000FF}, {21, 0x00123456}};
    for (const auto& f : Faelle) {
        SCOPED_TRACE(f.Mode);
        FarbMode = f.Mode;
        Farbe(f.Col, pmCopy);
        Tool->SchwarzesBlatt1Click();
        EXPECT_EQ(FarbMode, f.Mode);
        EXPECT_EQ(Tool->Scol, f.Col);
        EXPECT_EQ(Tool->Smode, pmCopy);
    }
    FarbMode = 4;
    Farbe(0x00FF0000, pmMask);
    Tool->SchwarzesBlatt1Click();
    EXPECT_EQ(FarbMode, 14);
    EXPECT_EQ(Tool->Scol, 0x00FF0000u);
}

TEST_F(UndoTest, CurrentScreenAfterSeveralSheetsShowsTheCaptureWithoutDrawings) {
    Tool->WeiesBlatt1Click();
    Strich({40, 40}, {200, 120});
    Tool->KariertesBlatt1Click();
    Strich({60, 200}, {300, 30});
    Tool->KleineKreuze1Click();
    const QImage Punktraster = Tool->OrigScrBmp.copy();
    Tool->AktuellesBildClick();
    EXPECT_EQ(AnzahlVerschieden(Bild(), Testbild()), 0);
    EXPECT_EQ(AnzahlVerschieden(Tool->OrigScrBmp, Testbild()), 0);
    // The background was saved first: undo right after it brings the point
    // grid back, not the squared sheet before it.
    Tool->RueckgaengigBtnClick();
    EXPECT_EQ(AnzahlVerschieden(Tool->OrigScrBmp, Punktraster), 0);
    EXPECT_EQ(AnzahlVerschieden(Bild(), Punktraster), 0);
}

TEST_F(UndoTest, ErasingOnASheetRestoresTheSheet) {
    Tool->LiniertesBlatt1Click();
    const QImage Sheet = Tool->OrigScrBmp.copy();
    Strich({100, 65}, {140, 75});
    ASSERT_GT(AnzahlVerschieden(Bild(), Sheet), 0);
    Waehle(2, 3);
    Strich({120, 70}, {120, 70});
    Screen->Parken();
    EXPECT_EQ(AnzahlVerschieden(Bild(), Sheet), 0);
    EXPECT_EQ(Bild().pixel(120, 71), qRgb(184, 184, 184));
}
