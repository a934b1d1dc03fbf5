// Shapes, arrows and stamps: rubber band, Shift constraints, commit at the
// release and the arrowhead geometry, checked pixel by pixel.

#include "overlay/pfeil.h"
#include "zeichenfixture.h"

#include <cmath>
#include <numbers>

namespace {

const QRgb Weiss = qRgb(255, 255, 255);
const QRgb Rot = qRgb(255, 0, 0);

// A second canvas over a copy of a picture, drawing with the stroke pen of
// the given width, as the commit does.
struct Vergleich {
    QImage Bild;
    TCanvas c;
    Vergleich(const QImage& Vorlage, int Breite, TColor Farbe = 0x000000FF) : Bild(Vorlage.copy()) {
        c.Attach(&Bild);
        c.Pen.Color = Farbe;
        c.Pen.Width = Breite;
        c.Pen.Mode = pmCopy;
        c.Brush.Style = bsClear;
    }
};

} // namespace

class FormenTest : public ZeichenTest {
protected:
    void Form(int Modus, QPoint a, QPoint b, TShiftState Extra = TShiftState()) {
        Druecken(a.x(), a.y(), TShiftState(ssLeft | Extra.Bits));
        Ziehen((a.x() + b.x()) / 2, (a.y() + b.y()) / 2, TShiftState(ssLeft | Extra.Bits));
        Ziehen(b.x(), b.y(), TShiftState(ssLeft | Extra.Bits));
        EXPECT_EQ(Tool->Modus, Modus);
        Loslassen(b.x(), b.y(), Extra);
    }
};

TEST(Pfeilkopf, HeadLinesAre46PixelsAt20DegreesInEveryDirection) {
    constexpr double Pi = std::numbers::pi;
    const int L = PfeilLaenge(13);
    ASSERT_EQ(L, 46);
    const QPoint Richtungen[] = {{100, 0},  {0, 100},   {-100, 0}, {0, -100},  {100, 37},
                                 {37, 100}, {-80, 60},  {-60, 80}, {-50, -90}, {-90, -50},
                                 {70, -70}, {30, -200}, {200, -1}, {1, 200},   {-200, 1}};
    for (const QPoint& d : Richtungen) {
        SCOPED_TRACE(testing::Message() << d.x() << "," << d.y());
        const QPoint Spitze(400, 300);
        const QPoint Anfang = Spitze - d;
        const TPfeilKopf k = PfeilKopf(Anfang.x(), Anfang.y(), Spitze.x(), Spitze.y(), L);
        // Back along the shaft, rotated by 20 degrees either way.
        const double h = std::atan2(d.y(), d.x());
        const double Winkel[2] = {h - Pi / 9, h + Pi / 9};
        const QPoint Ende[2] = {k.Ende1, k.Ende2};
        for (int i = 0; i < 2; ++i) {
            const QPoint Erwartet(Spitze.x() + Round(-L * std::cos(Winkel[i])),
                                  Spitze.y() + Round(-L * std::sin(Winkel[i])));
            EXPECT_EQ(Ende[i], Erwartet) << "line " << i + 1;
            const QPoint v = Ende[i] - Spitze;
            EXPECT_NEAR(std::hypot(v.x(), v.y()), 46.0, 0.75);
            const double Zwischen =
                std::acos(-(v.x() * d.x() + v.y() * d.y()) /
                          (std::hypot(v.x(), v.y()) * std::hypot(d.x(), d.y())));
            EXPECT_NEAR(Zwischen * 180 / Pi, 20.0, 1.0);
        }
    }
}

TEST(Pfeilkopf, CoincidingPointsPointUpwards) {
    const TPfeilKopf k = PfeilKopf(50, 50, 50, 50, 46);
    // An upward arrow: both head lines go down from the tip, to either side.
    EXPECT_EQ(k.Ende1, QPoint(50 + 16, 50 + 43));
    EXPECT_EQ(k.Ende2, QPoint(50 - 16, 50 + 43));
}

TEST_F(FormenTest, ArrowIsTheShaftAndTheTwoHeadLines) {
    Hintergrund(Einfarbig(Weiss));
    Waehle(5, 3);
    const QPoint Faelle[][2] = {{{40, 40}, {200, 120}},
                                {{250, 200}, {100, 60}},
                                {{60, 200}, {60, 60}},
                                {{60, 120}, {260, 120}}};
    for (const auto& f : Faelle) {
        Hintergrund(Einfarbig(Weiss));
        Form(5, f[0], f[1]);
        Screen->Parken();
        Vergleich v(Einfarbig(Weiss), 13);
        const TPfeilKopf k = PfeilKopf(f[0].x(), f[0].y(), f[1].x(), f[1].y(), 46);
        v.c.Line(f[0].x(), f[0].y(), f[1].x(), f[1].y());
        v.c.Line(f[1].x(), f[1].y(), k.Ende1.x(), k.Ende1.y());
        v.c.Line(f[1].x(), f[1].y(), k.Ende2.x(), k.Ende2.y());
        EXPECT_EQ(AnzahlVerschieden(Bild(), v.Bild), 0);
    }
}

TEST_F(FormenTest, DoubleArrowHasAHeadAtBothEnds) {
    Hintergrund(Einfarbig(Weiss));
    Waehle(9, 2);
    Form(9, {50, 60}, {250, 180});
    Screen->Parken();
    const int L = PfeilLaenge(7);
    Vergleich v(Einfarbig(Weiss), 7);
    const TPfeilKopf a = PfeilKopf(50, 60, 250, 180, L);
    const TPfeilKopf b = PfeilKopf(250, 180, 50, 60, L);
    v.c.Line(50, 60, 250, 180);
    for (const auto& [Spitze, k] : {std::pair{QPoint(250, 180), a}, std::pair{QPoint(50, 60), b}}) {
        v.c.Line(Spitze.x(), Spitze.y(), k.Ende1.x(), k.Ende1.y());
        v.c.Line(Spitze.x(), Spitze.y(), k.Ende2.x(), k.Ende2.y());
    }
    EXPECT_EQ(AnzahlVerschieden(Bild(), v.Bild), 0);
}

TEST_F(FormenTest, ShiftSnapsLinesAndMakesSquares) {
    struct Fall {
        int Modus;
        QPoint Zug, Ende;
    };
    const Fall Faelle[] = {
        {3, {100, 30}, {100, 0}},     {3, {100, 60}, {80, 80}},  {3, {30, 100}, {0, 100}},
        {5, {-100, -60}, {-80, -80}}, {9, {-30, 100}, {0, 100}}, {4, {-50, 20}, {-20, 20}},
        {10, {40, -90}, {40, -40}},   {11, {0, 30}, {0, 0}},     {12, {-70, -70}, {-70, -70}}};
    const QPoint Anker(160, 120);
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(testing::Message() << f.Modus << ": " << f.Zug.x() << "," << f.Zug.y());
        Hintergrund(Einfarbig(Weiss));
        Waehle(f.Modus, 1);
        const QPoint z = Anker + f.Zug;
        Druecken(Anker.x(), Anker.y(), TShiftState(ssLeft | ssShift));
        Ziehen(z.x(), z.y(), TShiftState(ssLeft | ssShift));
        EXPECT_EQ(QPoint(Screen->Sx, Screen->Sy), Anker + f.Ende);
        Loslassen(z.x(), z.y(), ssShift);
        EXPECT_EQ(Screen->Lx, -1);
    }
    // The committed line ends on the constrained point.
    Hintergrund(Einfarbig(Weiss));
    Waehle(3, 2);
    Form(3, Anker, Anker + QPoint(100, 60), ssShift);
    Screen->Parken();
    Vergleich v(Einfarbig(Weiss), 7);
    v.c.Line(Anker.x(), Anker.y(), Anker.x() + 80, Anker.y() + 80);
    EXPECT_EQ(AnzahlVerschieden(Bild(), v.Bild), 0);
    // And the square.
    Hintergrund(Einfarbig(Weiss));
    Waehle(4, 1);
    Form(4, Anker, Anker + QPoint(-50, 20), ssShift);
    Screen->Parken();
    Vergleich q(Einfarbig(Weiss), 3);
    q.c.Rectangle(Anker.x() - 20, Anker.y(), Anker.x() + 1, Anker.y() + 21);
    EXPECT_EQ(AnzahlVerschieden(Bild(), q.Bild), 0);
}

TEST_F(FormenTest, RubberBandOfEveryShapeLeavesNoTrace) {
    const QImage Vorher = Bild().copy();
    const QPoint Ziele[] = {{300, 230}, {10, 200}, {20, 5}, {310, 10}, {160, 120}, {161, 20}};
    for (int m : {3, 4, 5, 9, 10, 11, 12}) {
        for (int d = 1; d <= 4; d += 3) {
            SCOPED_TRACE(testing::Message() << "Modus " << m << " Dicke " << d);
            Waehle(m, d);
            Druecken(160, 120);
            for (const QPoint& z : Ziele) {
                Ziehen(z.x(), z.y());
                // The band alone, without the circle mark, is in the picture too.
                Screen->StiftMarke(m >= 11 ? 1 : StiftRadius(Tool->Sdicke));
                const QImage MitBand = Bild().copy();
                Screen->ObjektVorschau();
                if (z != QPoint(160, 120)) {
                    EXPECT_GT(AnzahlVerschieden(MitBand, Bild()), 0);
                }
                EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0);
                Screen->ObjektVorschau();
                Screen->StiftMarke(m >= 11 ? 1 : StiftRadius(Tool->Sdicke));
            }
            // Parking in mid-drag drops the shape.
            Screen->Parken();
            EXPECT_EQ(Screen->Lx, -1);
            Loslassen(161, 20);
            EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0);
        }
    }
}

TEST_F(FormenTest, ReleaseAtThePressPoint) {
    // Line: a zero-length line, the round dot of the pen.
    Hintergrund(Einfarbig(Weiss));
    Waehle(3, 3);
    Druecken(100, 100);
    Loslassen(100, 100);
    Screen->Parken();
    Vergleich Punkt(Einfarbig(Weiss), 13);
    Punkt.c.Line(100, 100, 100, 100);
    EXPECT_EQ(AnzahlVerschieden(Bild(), Punkt.Bild), 0);
    EXPECT_EQ(Bild().pixel(100, 100), Rot);
    EXPECT_EQ(Bild().pixel(104, 100), Rot);
    EXPECT_EQ(Bild().pixel(110, 100), Weiss);

    // Arrow: the head points upwards from the press point.
    Hintergrund(Einfarbig(Weiss));
    Waehle(5, 1);
    Druecken(100, 100);
    Loslassen(100, 100);
    Screen->Parken();
    const TPfeilKopf k = PfeilKopf(100, 100, 100, 100, 10);
    Vergleich Pfeil(Einfarbig(Weiss), 3);
    Pfeil.c.Line(100, 100, k.Ende1.x(), k.Ende1.y());
    Pfeil.c.Line(100, 100, k.Ende2.x(), k.Ende2.y());
    EXPECT_EQ(AnzahlVerschieden(Bild(), Pfeil.Bild), 0);
    EXPECT_EQ(Bild().pixel(103, 108), Rot);
    EXPECT_EQ(Bild().pixel(97, 108), Rot);
    EXPECT_EQ(Bild().pixel(100, 92), Weiss);

    // Rectangle: the 1 x 1 rectangle with the stroke pen.
    Hintergrund(Einfarbig(Weiss));
    Waehle(4, 3);
    Druecken(100, 100);
    Loslassen(100, 100);
    Screen->Parken();
    Vergleich Eck(Einfarbig(Weiss), 13);
    Eck.c.Rectangle(100, 100, 101, 101);
    EXPECT_EQ(AnzahlVerschieden(Bild(), Eck.Bild), 0);
    for (int d = -5; d <= 5; ++d) {
        EXPECT_EQ(Bild().pixel(100 + d, 100), Rot) << d;
        EXPECT_EQ(Bild().pixel(100, 100 + d), Rot) << d;
    }
    EXPECT_EQ(Bild().pixel(109, 100), Weiss);
}

TEST_F(FormenTest, OtherButtonCommitsAtOnceAndTheReleaseAddsNothing) {
    Hintergrund(Einfarbig(Weiss));
    Waehle(4, 2);
    Druecken(50, 50);
    Ziehen(150, 120);
    Druecken(150, 120, TShiftState(ssLeft | ssRight), mbRight);
    EXPECT_EQ(Screen->Lx, -1);
    Vergleich v(Einfarbig(Weiss), 7);
    v.c.Rectangle(50, 50, 151, 121);
    Screen->Parken();
    EXPECT_EQ(AnzahlVerschieden(Bild(), v.Bild), 0);
    // The right button goes up first, the left one is still held and moves on.
    Ziehen(200, 200, TShiftState(ssLeft | ssRight));
    Loslassen(200, 200, ssLeft, mbRight);
    Ziehen(250, 220, ssLeft);
    Loslassen(250, 220);
    Screen->Parken();
    EXPECT_EQ(AnzahlVerschieden(Bild(), v.Bild), 0);
    // The next real press draws again.
    Form(4, {10, 10}, {30, 30});
    Screen->Parken();
    EXPECT_GT(AnzahlVerschieden(Bild(), v.Bild), 0);
}

TEST_F(FormenTest, FilledShapesInEveryColourMode) {
    QImage Seite = Einfarbig(Weiss);
    for (int y = 90; y < 110; ++y)
        for (int x = 100; x < 140; ++x)
            Seite.setPixel(x, y, qRgb(0, 0, 0));
    Hintergrund(Seite);
    Waehle(11, 4);
    Farbe(0x0000FFFF, pmMask); // transparent yellow
    Form(11, {170, 130}, {80, 70});
    Screen->Parken();
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x) {
            const bool Innen = x >= 80 && x <= 170 && y >= 70 && y <= 130;
            const bool Text = x >= 100 && x < 140 && y >= 90 && y < 110;
            const QRgb Soll = Text ? qRgb(0, 0, 0) : Innen ? qRgb(255, 255, 0) : Weiss;
            ASSERT_EQ(Bild().pixel(x, y), Soll) << x << "," << y;
        }
    // Opaque: the filled ellipse covers the text; its box holds it exactly.
    Waehle(12, 1);
    Farbe(0x00FF0000, pmCopy);
    Form(12, {90, 80}, {150, 120});
    Screen->Parken();
    EXPECT_EQ(Bild().pixel(120, 100), qRgb(0, 0, 255));
    EXPECT_EQ(Bild().pixel(90, 100), qRgb(0, 0, 255));
    EXPECT_EQ(Bild().pixel(150, 100), qRgb(0, 0, 255));
    EXPECT_EQ(Bild().pixel(89, 100), qRgb(255, 255, 0));
    EXPECT_EQ(Bild().pixel(151, 100), qRgb(255, 255, 0));
    EXPECT_EQ(Bild().pixel(91, 81), qRgb(255, 255, 0)); // corner of the box stays
}

TEST_F(FormenTest, OutlinedShapesAreTheStrokeOfTheirBox) {
    Hintergrund(Einfarbig(Weiss));
    Waehle(10, 2);
    Form(10, {200, 180}, {60, 40});
    Waehle(4, 1);
    Form(4, {20, 20}, {300, 220});
    Screen->Parken();
    Vergleich v(Einfarbig(Weiss), 7);
    v.c.Ellipse(60, 40, 201, 181);
    v.c.Pen.Width = 3;
    v.c.Rectangle(20, 20, 301, 221);
    EXPECT_EQ(AnzahlVerschieden(Bild(), v.Bild), 0);
    EXPECT_EQ(Bild().pixel(130, 110), Weiss); // outline only
}

TEST_F(FormenTest, OneStampPerPressHoweverFarDragged) {
    for (int m : {7, 8}) {
        SCOPED_TRACE(m);
        Hintergrund(Einfarbig(Weiss));
        Waehle(m, 2);
        Druecken(100, 100);
        Loslassen(100, 100);
        Screen->Parken();
        const QImage Einmal = Bild().copy();

        Hintergrund(Einfarbig(Weiss));
        Druecken(100, 100);
        Ziehen(200, 150);
        Ziehen(260, 60);
        Ziehen(40, 200);
        Loslassen(40, 200);
        Screen->Parken();
        EXPECT_EQ(AnzahlVerschieden(Bild(), Einmal), 0);

        // The stamp: its colour, centred on the press point, with a shadow
        // one pixel right and down.
        const QRgb Farbe = m == 7 ? qRgb(0, 196, 0) : qRgb(220, 0, 0);
        int x0 = 1000, x1 = -1, y0 = 1000, y1 = -1, Farbig = 0;
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x) {
                if (Bild().pixel(x, y) == Weiss) continue;
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = std::max(y1, y);
                if (Bild().pixel(x, y) == Farbe) ++Farbig;
            }
        ASSERT_GE(x1, 0);
        EXPECT_GT(Farbig, 200);
        EXPECT_GT(x1 - x0, 25); // 39 points at width 7
        EXPECT_NEAR((x0 + x1) / 2.0, 100, 3);
        EXPECT_NEAR((y0 + y1) / 2.0, 100, 6);
        // Dark pixels only where the shifted copy sticks out: never in the
        // ink's first column or row, always in its last column or row.
        int Schatten = 0, Rand = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const QColor p(Bild().pixel(x, y));
                if (p.red() > 90 || p.green() > 90 || p.blue() > 90) continue;
                ++Schatten;
                EXPECT_TRUE(x > x0 && y > y0) << x << "," << y;
                if (x == x1 || y == y1) ++Rand;
            }
        EXPECT_GT(Schatten, 20);
        EXPECT_GT(Rand, 0);
    }
}

TEST_F(FormenTest, NormRectHoldsBothCorners) {
    EXPECT_EQ(TScreenForm::NormRect(10, 20, 5, 30), (TRect{5, 20, 11, 31}));
    EXPECT_EQ(TScreenForm::NormRect(7, 7, 7, 7), (TRect{7, 7, 8, 8}));
    EXPECT_EQ(TScreenForm::NormRect(-3, 4, 2, -9), (TRect{-3, -9, 3, 5}));
}

TEST_F(FormenTest, ToolChangeInMidDragRemovesTheBandAndDrawsNothing) {
    const QImage Vorher = Bild().copy();
    Waehle(5, 4);
    Druecken(60, 60);
    Ziehen(200, 150);
    // A width and tool change from the keyboard while the button is held.
    QCursor::setPos(Screen->mapToGlobal(QPoint(200, 150)));
    Waehle(10, 1);
    Ziehen(210, 160);
    Loslassen(210, 160);
    Screen->Parken();
    EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0);
}
