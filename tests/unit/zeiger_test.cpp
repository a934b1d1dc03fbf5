// The pointers of the overlay: the program's own pictures, the pointer per
// tool and MauszeigerMode 2, which hides the pointer over the picture.

#include "app/data.h"
#include "overlay/tastenregeln.h"
#include "zeichenfixture.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

bool Gleich(const QCursor& a, const QCursor& b) {
    if (a.shape() != b.shape()) return false;
    if (a.shape() != Qt::BitmapCursor) return true;
    return a.hotSpot() == b.hotSpot() && a.pixmap().toImage() == b.pixmap().toImage();
}

class ZeigerTest : public ZeichenTest {
protected:
    void TearDown() override {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
        ZeichenTest::TearDown();
    }
    QCursor Img1Zeiger() { return Screen->Img1->cursor(); }
    QCursor Img2Zeiger() { return Screen->Img2->cursor(); }
};

} // namespace

TEST_F(ZeigerTest, HandUndPipetteSindEigeneBilder) {
    const QCursor Hand = Mauszeiger(crHand), Pipette = Mauszeiger(crPipette);
    ASSERT_EQ(Hand.shape(), Qt::BitmapCursor);
    ASSERT_EQ(Pipette.shape(), Qt::BitmapCursor);
    EXPECT_EQ(Hand.pixmap().size(), QSize(32, 32));
    EXPECT_NE(Hand.pixmap().toImage(), Pipette.pixmap().toImage());
    // The picker's hot spot is its tip: an opaque pixel.
    const QImage p = Pipette.pixmap().toImage();
    EXPECT_GT(qAlpha(p.pixel(Pipette.hotSpot())), 0);
    EXPECT_EQ(Mauszeiger(crNone).shape(), Qt::BlankCursor);
    EXPECT_EQ(Mauszeiger(crDefault).shape(), Qt::ArrowCursor);
}

TEST_F(ZeigerTest, ZeigerJeWerkzeug) {
    MauszeigerMode = 1;
    Waehle(1, 3);
    EXPECT_TRUE(Gleich(Img1Zeiger(), Mauszeiger(crDefault)));
    // Over the lens its cross is the pointer.
    EXPECT_TRUE(Gleich(Img2Zeiger(), Mauszeiger(crNone)));
    Tool->Modus = 15;
    Screen->SetMauszeiger();
    EXPECT_TRUE(Gleich(Img2Zeiger(), Mauszeiger(crDefault)));
    Screen->MausShift = ssLeft;
    Screen->SetMauszeiger();
    EXPECT_TRUE(Gleich(Img2Zeiger(), Mauszeiger(crHand)));
}

TEST_F(ZeigerTest, Modus2VerbirgtDenZeigerUeberall) {
    MauszeigerMode = 2;
    for (int32_t m : {1, 13, 14, 15}) {
        Tool->Modus = m;
        Screen->MausShift = m == 15 ? ssLeft : 0;
        Screen->SetMauszeiger();
        EXPECT_TRUE(Gleich(Img1Zeiger(), Mauszeiger(crNone))) << m;
        EXPECT_TRUE(Gleich(Img2Zeiger(), Mauszeiger(crNone))) << m;
    }
    Screen->SetZoomZeiger(crPipette);
    EXPECT_TRUE(Gleich(Img2Zeiger(), Mauszeiger(crNone)));
}

TEST_F(ZeigerTest, DruckInDerZoomansichtZeigtDieHandBisZumLoslassen) {
    MauszeigerMode = 1;
    Tool->Modus = 15;
    Screen->SetMauszeiger();
    Druecken(50, 50);
    EXPECT_TRUE(Gleich(Img2Zeiger(), Mauszeiger(crHand)));
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(Gleich(*QGuiApplication::overrideCursor(), Mauszeiger(crHand)));
    Loslassen(60, 50);
    EXPECT_TRUE(Gleich(Img2Zeiger(), Mauszeiger(crDefault)));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // With Shift the press picks a colour: no hand.
    Druecken(50, 50, TShiftState(ssLeft) | TShiftState(ssShift));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ZeigerTest, Modus2SetztBeimDruckKeineHand) {
    MauszeigerMode = 2;
    Tool->Modus = 15;
    Screen->SetMauszeiger();
    Druecken(50, 50);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(Gleich(Img2Zeiger(), Mauszeiger(crNone)));
    Loslassen(50, 50);
    EXPECT_TRUE(Gleich(Img2Zeiger(), Mauszeiger(crNone)));
}

TEST_F(ZeigerTest, TastenLoslassenInDerZoomansicht) {
    Tool->Modus = 15;
    Tool->WinZustand = 1;
    MauszeigerMode = 2;
    Screen->SetMauszeiger();
    Screen->FormKeyUp(Qt::Key_A, TShiftState());
    Tool->FormKeyUp(Qt::Key_A, TShiftState());
    EXPECT_TRUE(Gleich(Img2Zeiger(), Mauszeiger(crNone)));
    MauszeigerMode = 1;
    Screen->SetZoomZeiger(crPipette);
    // Ctrl still held: the pointer stays.
    Screen->FormKeyUp(Qt::Key_A, ssCtrl);
    EXPECT_TRUE(Gleich(Img2Zeiger(), Mauszeiger(crPipette)));
    Screen->FormKeyUp(Qt::Key_A, TShiftState());
    EXPECT_TRUE(Gleich(Img2Zeiger(), Mauszeiger(crDefault)));
    Screen->SetZoomZeiger(crPipette);
    Tool->FormKeyUp(Qt::Key_A, TShiftState());
    EXPECT_TRUE(Gleich(Img2Zeiger(), Mauszeiger(crDefault)));
}

TEST_F(ZeigerTest, FWirdNurInDerZoomansichtGemerktUndBeimLoslassenVergessen) {
    Tool->Modus = 15;
    Screen->FormKeyDown(Qt::Key_F, ssShift);
    EXPECT_TRUE(Screen->UmschaltFGedrueckt);
    Screen->FormKeyUp(Qt::Key_G, TShiftState());
    EXPECT_FALSE(Screen->UmschaltFGedrueckt);
    Tool->Modus = 13;
    Screen->FormKeyDown(Qt::Key_F, TShiftState());
    EXPECT_FALSE(Screen->UmschaltFGedrueckt);
}

TEST(Tastenregeln, ModifikatorenUndWerkzeug) {
    auto Nichts = [](TShiftState) {};
    const TTastenRegel Strg{Qt::Key_E, TTastenMods::GenauStrg, 0, Nichts};
    EXPECT_TRUE(Passt(Strg, Qt::Key_E, false, ssCtrl, 4));
    EXPECT_FALSE(Passt(Strg, Qt::Key_E, false, TShiftState(ssCtrl) | TShiftState(ssShift), 4));
    EXPECT_FALSE(Passt(Strg, Qt::Key_E, false, TShiftState(ssCtrl) | TShiftState(ssLeft), 4));
    EXPECT_FALSE(Passt(Strg, Qt::Key_O, false, ssCtrl, 4));
    const TTastenRegel Jede{0, TTastenMods::MitShift, 15, Nichts};
    EXPECT_TRUE(Passt(Jede, Qt::Key_Shift, false, ssShift, 15));
    EXPECT_TRUE(Passt(Jede, Qt::Key_A, false, TShiftState(ssShift) | TShiftState(ssAlt), 15));
    EXPECT_FALSE(Passt(Jede, Qt::Key_A, false, ssShift, 14));
    EXPECT_FALSE(Passt(Jede, Qt::Key_A, false, ssAlt, 15));
    const TTastenRegel Alt{Qt::Key_F1, TTastenMods::MitAlt, 0, Nichts};
    EXPECT_TRUE(Passt(Alt, Qt::Key_F1, false, TShiftState(ssAlt) | TShiftState(ssCtrl), 1));
    EXPECT_FALSE(Passt(Alt, Qt::Key_F1, false, TShiftState(), 1));
    // A row for the keypad's key only, and one for both minus keys.
    const TTastenRegel Plus{Qt::Key_Plus | int(Qt::KeypadModifier), TTastenMods::GenauStrg, 0,
                            Nichts};
    EXPECT_TRUE(Passt(Plus, Qt::Key_Plus, true, ssCtrl, 1));
    EXPECT_FALSE(Passt(Plus, Qt::Key_Plus, false, ssCtrl, 1));
    const TTastenRegel Minus{Qt::Key_Minus, TTastenMods::GenauStrg, 0, Nichts};
    EXPECT_TRUE(Passt(Minus, Qt::Key_Minus, true, ssCtrl, 1));
    EXPECT_TRUE(Passt(Minus, Qt::Key_Minus, false, ssCtrl, 1));
}

TEST_F(ZeigerTest, PipetteLegtDenFarbcodeInDieZwischenablage) {
    MauszeigerMode = 1;
    Hintergrund(Einfarbig(qRgb(255, 128, 0)));
    Farbe(0x000000FF, pmMask);
    FarbMode = 1;
    Tool->ZoomInit(160.0f, 120.0f);
    ASSERT_EQ(Tool->Modus, mZoom);
    QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));
    Ziehen(100, 50, ssShift);
    EXPECT_TRUE(Gleich(Img2Zeiger(), Mauszeiger(crPipette)));
    Druecken(100, 50, TShiftState(ssLeft) | TShiftState(ssShift));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "#FF8000");
    EXPECT_EQ(Tool->Scol, 0x000000FFu);
    EXPECT_EQ(Tool->Smode, pmMask);
    EXPECT_EQ(FarbMode, 1);
    Loslassen(100, 50, ssShift);
    // With F held the colour becomes the opaque drawing colour.
    Screen->FormKeyDown(Qt::Key_F, TShiftState());
    Screen->FormKeyDown(Qt::Key_Shift, ssShift);
    Druecken(100, 50, TShiftState(ssLeft) | TShiftState(ssShift));
    EXPECT_EQ(Tool->Scol, 0x000080FFu);
    EXPECT_EQ(Tool->Smode, pmCopy);
    EXPECT_EQ(FarbMode, fmGepickt);
    // The drag in the zoom view without Shift shows the hand.
    Loslassen(100, 50);
    Druecken(100, 50);
    Ziehen(110, 50, ssLeft);
    EXPECT_TRUE(Gleich(Img2Zeiger(), Mauszeiger(crHand)));
    Loslassen(110, 50);
    Ziehen(110, 50, ssCtrl);
    EXPECT_TRUE(Gleich(Img2Zeiger(), Mauszeiger(crNone)));
    Ziehen(110, 50, TShiftState());
    EXPECT_TRUE(Gleich(Img2Zeiger(), Mauszeiger(crDefault)));
}
