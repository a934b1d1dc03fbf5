// Block copies of the canvas: sources of every pixel format land in the
// bitmap's own format, pixel for pixel, and never read past their rows.

#include "platform/canvas.h"

#include <gtest/gtest.h>

namespace {

// A picture whose every pixel differs from its neighbours, in RGB32.
QImage Muster(int w, int h) {
    QImage b(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y, qRgb((x * 37 + y) & 255, (y * 53 + x * 3) & 255, (x * y) & 255));
    return b;
}

QImage Weiss(int w, int h) {
    QImage b(w, h, QImage::Format_RGB32);
    b.fill(qRgb(255, 255, 255));
    return b;
}

// Copies R of Src into a white bitmap of w x h; returns it and the reported rectangle.
std::pair<QImage, QRect> Kopie(const QImage& Src, const QRect& R, int w = 64, int h = 48) {
    QImage Ziel = Weiss(w, h);
    QRect Gemeldet;
    {
        TCanvas c(&Ziel);
        c.OnChange = [&](const QRect& r) { Gemeldet |= r; };
        c.CopyBlock(Src, R);
    }
    return {Ziel, Gemeldet};
}

// Every pixel inside Innen equals Erwartet's, every other one is white.
void PruefeBlock(const QImage& Bild, const QImage& Erwartet, const QRect& Innen) {
    for (int y = 0; y < Bild.height(); ++y)
        for (int x = 0; x < Bild.width(); ++x) {
            const QRgb Soll = Innen.contains(x, y) ? Erwartet.pixel(x, y) : qRgb(255, 255, 255);
            ASSERT_EQ(Bild.pixel(x, y), Soll) << x << "," << y;
        }
}

} // namespace

TEST(CopyBlock, GleichesFormatKopiertGenauDenBlock) {
    const QImage Src = Muster(64, 48);
    const QRect R(5, 7, 20, 11);
    const auto [Bild, Gemeldet] = Kopie(Src, R);
    PruefeBlock(Bild, Src, R);
    EXPECT_EQ(Gemeldet, R);
}

TEST(CopyBlock, QuelleAndererFormateWirdUmgewandelt) {
    const QImage Vorlage = Muster(64, 48);
    const QRect R(3, 2, 50, 30);
    for (const QImage::Format f :
         {QImage::Format_RGB888, QImage::Format_BGR888, QImage::Format_ARGB32,
          QImage::Format_ARGB32_Premultiplied, QImage::Format_RGBA8888, QImage::Format_RGBX64,
          QImage::Format_RGB16, QImage::Format_Grayscale8, QImage::Format_Indexed8,
          QImage::Format_Mono}) {
        SCOPED_TRACE(f);
        const QImage Src = Vorlage.convertToFormat(f);
        // What the source shows, in the bitmap's format.
        const QImage Erwartet = Src.convertToFormat(QImage::Format_RGB32);
        const auto [Bild, Gemeldet] = Kopie(Src, R);
        EXPECT_EQ(Bild.format(), QImage::Format_RGB32);
        PruefeBlock(Bild, Erwartet, R);
        EXPECT_EQ(Gemeldet, R);
    }
}

TEST(CopyBlock, KleinereQuelleAndererFormateWirdAnIhrenRaendernAbgeschnitten) {
    // A 3-byte source narrower and lower than the bitmap: the last rows and
    // columns of the block lie outside it and stay untouched.
    const QImage Src = Muster(21, 13).convertToFormat(QImage::Format_RGB888);
    const QRect R(10, 5, 40, 40);
    const auto [Bild, Gemeldet] = Kopie(Src, R);
    const QRect Innen(10, 5, 11, 8);
    PruefeBlock(Bild, Src.convertToFormat(QImage::Format_RGB32), Innen);
    EXPECT_EQ(Gemeldet, Innen);
}

TEST(CopyBlock, BlockAusserhalbOderLeereQuelleAendertNichts) {
    const QImage Src = Muster(64, 48).convertToFormat(QImage::Format_RGB888);
    for (const QRect& R : {QRect(70, 10, 5, 5), QRect(-20, -20, 10, 10), QRect(5, 5, 0, 9)}) {
        const auto [Bild, Gemeldet] = Kopie(Src, R);
        EXPECT_EQ(Bild, Weiss(64, 48));
        EXPECT_TRUE(Gemeldet.isNull());
    }
    const auto [Bild, Gemeldet] = Kopie(QImage(), QRect(0, 0, 10, 10));
    EXPECT_EQ(Bild, Weiss(64, 48));
}

TEST(CopyBlock, BitmapMitBruchteilenVonBytesProPixelWirdNichtBeschrieben) {
    QImage Ziel = Weiss(32, 16).convertToFormat(QImage::Format_Mono);
    const QImage Vorher = Ziel.copy();
    TCanvas c(&Ziel);
    bool Gemeldet = false;
    c.OnChange = [&](const QRect&) { Gemeldet = true; };
    c.CopyBlock(Muster(32, 16), QRect(0, 0, 32, 16));
    c.Release();
    EXPECT_EQ(Ziel, Vorher);
    EXPECT_FALSE(Gemeldet);
}
