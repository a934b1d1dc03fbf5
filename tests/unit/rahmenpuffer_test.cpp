#include "platform/rahmenpuffer.h"

#include <gtest/gtest.h>

namespace {

QImage Frame(QRgb Farbe) {
    QImage b(1920, 1080, QImage::Format_RGB32);
    b.fill(Farbe);
    return b;
}

} // namespace

TEST(Rahmenpuffer, SharedFrameGetsPixelsOfItsOwn) {
    const QImage Quelle = Frame(0xff102030);
    QImage Bild = Quelle;
    EigenePixel(Bild);
    ASSERT_TRUE(Bild.isDetached());
    EXPECT_NE(Bild.constBits(), Quelle.constBits());
    EXPECT_EQ(Bild, Quelle);
    Bild.setPixel(5, 7, 0xffabcdef);
    EXPECT_EQ(Quelle.pixel(5, 7), 0xff102030u);
    EXPECT_EQ(Bild.pixel(5, 7), 0xffabcdefu);
}

TEST(Rahmenpuffer, OwnPixelsStayWhereTheyAre) {
    QImage Bild = Frame(0xff000000);
    const uchar* Vorher = Bild.constBits();
    EigenePixel(Bild);
    EXPECT_EQ(Bild.constBits(), Vorher);
}

TEST(Rahmenpuffer, FreedFrameIsHandedOutAgain) {
    const QImage Quelle = Frame(0xff445566);
    const uchar* Erster;
    {
        QImage a = Quelle;
        EigenePixel(a);
        Erster = a.constBits();
    }
    const QImage Andere = Frame(0xff778899);
    QImage b = Andere;
    EigenePixel(b);
    EXPECT_EQ(b.constBits(), Erster);
    EXPECT_EQ(b, Andere);
}

TEST(Rahmenpuffer, SmallSharedPictureIsCopiedToo) {
    QImage Quelle(40, 30, QImage::Format_RGB32);
    Quelle.fill(0xff010203);
    QImage Bild = Quelle;
    EigenePixel(Bild);
    EXPECT_TRUE(Bild.isDetached());
    EXPECT_NE(Bild.constBits(), Quelle.constBits());
    EXPECT_EQ(Bild, Quelle);
}
