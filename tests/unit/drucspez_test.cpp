#include "output/drucspez.h"

#include <QPageLayout>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(DruckGeometrie, CentimetresBecomeTenthsOfAMillimetreHalvesToEven) {
    EXPECT_EQ(ZehntelMm(2.5), 250);
    EXPECT_EQ(ZehntelMm(1.8), 180);
    EXPECT_EQ(ZehntelMm(16.0), 1600);
    EXPECT_EQ(ZehntelMm(12.34), 1234);
    EXPECT_EQ(ZehntelMm(0.125), 12); // 12.5
    EXPECT_EQ(ZehntelMm(0.375), 38); // 37.5
    EXPECT_EQ(ZehntelMm(0.0), 0);
    EXPECT_EQ(ZehntelMm(MaxDruckCm), 100000);
}

TEST(DruckGeometrie, FieldValuesInRangeAreConverted) {
    TDruckMasse m;
    ASSERT_TRUE(DruckMasseAusCm(2.5, 1.8, 16.0, 9.0, m));
    EXPECT_EQ(m, (TDruckMasse{250, 180, 1600, 900}));
    ASSERT_TRUE(DruckMasseAusCm(0.0, 0.0, 0.0, MaxDruckCm, m));
    EXPECT_EQ(m, (TDruckMasse{0, 0, 0, 100000}));
}

TEST(DruckGeometrie, NegativeHugeAndNonNumbersAreRefusedAndChangeNothing) {
    const TDruckMasse Vorher{1, 2, 3, 4};
    const double Unendlich = std::numeric_limits<double>::infinity();
    const double KeineZahl = std::numeric_limits<double>::quiet_NaN();
    const double Falsch[] = {-0.1,      -16.0,      MaxDruckCm + 0.01, 1e12,
                             Unendlich, -Unendlich, KeineZahl};
    for (const double f : Falsch)
        for (int Stelle = 0; Stelle < 4; ++Stelle) {
            double w[4] = {2.5, 1.8, 16.0, 9.0};
            w[Stelle] = f;
            TDruckMasse m = Vorher;
            EXPECT_FALSE(DruckMasseAusCm(w[0], w[1], w[2], w[3], m)) << f << " an " << Stelle;
            EXPECT_EQ(m, Vorher);
        }
}

TEST(DruckGeometrie, BorderComesFromThePageLayoutAtThePrintersResolution) {
    // Points, as a PPD's imageable area gives them: 12 pt are 4.23 mm,
    // 24 pt 8.47 mm.
    const QPageLayout Rand(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                           QMarginsF(12, 24, 12, 12), QPageLayout::Point);
    EXPECT_EQ(UnbedruckbarerRand(Rand, 300), QPoint(42, 85));
    EXPECT_EQ(UnbedruckbarerRand(Rand, 1200), QPoint(42, 85));
    EXPECT_EQ(UnbedruckbarerRand(Rand, 254), QPoint(42, 85));
    const QPageLayout Ohne(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    EXPECT_EQ(UnbedruckbarerRand(Ohne, 600), QPoint(0, 0));
}

TEST(DruckGeometrie, BorderIsSubtractedButNeverBelowTheEdge) {
    int32_t l = 250, o = 180;
    AdjustPrintOffsets(QPoint(42, 42), l, o);
    EXPECT_EQ(l, 208);
    EXPECT_EQ(o, 138);
    l = 20, o = 42;
    AdjustPrintOffsets(QPoint(42, 42), l, o);
    EXPECT_EQ(l, 0);
    EXPECT_EQ(o, 0);
    l = 250, o = 180;
    AdjustPrintOffsets(QPoint(0, 0), l, o);
    EXPECT_EQ(l, 250);
    EXPECT_EQ(o, 180);
}

TEST(DruckGeometrie, BitmapIsStretchedNearestNeighbourIntoTheRectangle) {
    // 508 dots per inch: one 0.1 mm unit is two device pixels.
    QImage Seite(200, 200, QImage::Format_RGB32);
    Seite.fill(Qt::white);
    QImage Bild(2, 2, QImage::Format_RGB32);
    Bild.setPixel(0, 0, qRgb(255, 0, 0));
    Bild.setPixel(1, 0, qRgb(0, 255, 0));
    Bild.setPixel(0, 1, qRgb(0, 0, 255));
    Bild.setPixel(1, 1, qRgb(10, 20, 30));
    QPainter p(&Seite);
    SetupPrintMapping(p, 508);
    PrintBitmap(p, QRect(5, 10, 20, 15), Bild);
    p.end();
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            QRgb Soll = qRgb(255, 255, 255);
            if (x >= 10 && x < 50 && y >= 20 && y < 50)
                Soll = Bild.pixel(x < 30 ? 0 : 1, y < 35 ? 0 : 1);
            ASSERT_EQ(Seite.pixel(x, y), Soll) << x << "," << y;
        }
}

TEST(DruckGeometrie, AZeroSizedRectanglePrintsNothing) {
    QImage Seite(50, 50, QImage::Format_RGB32);
    Seite.fill(Qt::white);
    QImage Bild(4, 4, QImage::Format_RGB32);
    Bild.fill(Qt::black);
    QPainter p(&Seite);
    SetupPrintMapping(p, 254);
    PrintBitmap(p, QRect(5, 5, 0, 20), Bild);
    PrintBitmap(p, QRect(5, 5, 20, 0), Bild);
    p.end();
    QImage Weiss(50, 50, QImage::Format_RGB32);
    Weiss.fill(Qt::white);
    EXPECT_EQ(Seite, Weiss);
}

TEST(DruckerZeile, NameConnectionOrNoPrinter) {
    EXPECT_EQ(DruckerText(QString(), QString()), QStringLiteral("- Kein Drucker -"));
    EXPECT_EQ(DruckerText(QString(), QStringLiteral("usb://x")),
              QStringLiteral("- Kein Drucker -"));
    EXPECT_EQ(DruckerText(QStringLiteral("Buero"), QString()), QStringLiteral("Buero"));
    EXPECT_EQ(DruckerText(QStringLiteral("PDF"), QStringLiteral("cups-pdf:/")),
              QStringLiteral("PDF an cups-pdf:/"));
}
