// The pointer over the tool window and the opening popup menu: no tool mark,
// rubber band or open text may stay behind on the overlay.

#include "zeichenfixture.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QTest>
#include <QToolButton>

namespace {

class PanelsTest : public ZeichenTest {
protected:
    void PointerAufDasWerkzeugfenster() {
        QEvent Enter(QEvent::Enter);
        QCoreApplication::sendEvent(Tool->findChild<QToolButton*>("StiftBtn"), &Enter);
    }
};

} // namespace

TEST_F(PanelsTest, PointerOnTheToolWindowRemovesTheMark) {
    const QImage Vorher = Bild().copy();
    Waehle(2, 4);
    Ziehen(150, 120, TShiftState());
    ASSERT_GT(AnzahlVerschieden(Vorher, Bild()), 0);
    PointerAufDasWerkzeugfenster();
    EXPECT_EQ(Screen->Sx, -1);
    EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0);
}

TEST_F(PanelsTest, PointerOnTheToolWindowWritesAnOpenText) {
    Hintergrund(Einfarbig(qRgb(255, 255, 255)));
    Screen->show();
    Waehle(6, 3);
    Druecken(60, 100);
    Loslassen(60, 100);
    QTest::keyClicks(Screen->Memo1, QStringLiteral("Hallo"));
    const QImage Vorher = Bild().copy();
    PointerAufDasWerkzeugfenster();
    EXPECT_FALSE(Screen->Memo1->isVisible());
    EXPECT_TRUE(Screen->Memo1->toPlainText().isEmpty());
    EXPECT_GT(AnzahlVerschieden(Vorher, Bild()), 100);
}

TEST_F(PanelsTest, PopupDuringADragDropsTheShapeAndTheReleaseAddsNothing) {
    const QImage Vorher = Bild().copy();
    Waehle(4, 3);
    Druecken(50, 50);
    Ziehen(200, 150);
    Tool->PopupMenu1Popup();
    EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0);
    Ziehen(220, 170);
    Loslassen(220, 170);
    Screen->Parken();
    EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0);
}
