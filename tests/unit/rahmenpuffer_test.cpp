#include "platform/rahmenpuffer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {

QImage Frame(QRgb Farbe) {
    QImage b(1920, 1080, QImage::Format_RGB32);
    b.fill(Farbe);
    return b;
}

// The pixels a copy of Quelle got of its own, given back when it went.
const uchar* GegebenerRahmen(const QImage& Quelle) {
    QImage a = Quelle;
    EigenePixel(a);
    return a.constBits();
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
    const uchar* Erster = GegebenerRahmen(Quelle);
    const QImage Andere = Frame(0xff778899);
    QImage b = Andere;
    EigenePixel(b);
    EXPECT_EQ(b.constBits(), Erster);
    EXPECT_EQ(b, Andere);
}

TEST(Rahmenpuffer, FrameSizedScratchMemoryIsAKeptBufferAndComesBack) {
    const QImage Quelle = Frame(0xff0a0b0c);
    const uchar* Erster = GegebenerRahmen(Quelle);
    {
        const TLeihpuffer Geliehen(Quelle.sizeInBytes());
        EXPECT_EQ(Geliehen.Daten(), Erster);
    }
    QImage b = Quelle;
    EigenePixel(b);
    EXPECT_EQ(b.constBits(), Erster);
    EXPECT_NE(TLeihpuffer(100).Daten(), nullptr);
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

namespace {

// How many mappings of Kib KiB are resident to at least Belegt KiB.
int Abbildungen(long Kib, long Belegt) {
    QFile f(QStringLiteral("/proc/self/smaps"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    int n = 0;
    long Groesse = 0;
    for (const QByteArray& Zeile : f.readAll().split('\n')) {
        const QList<QByteArray> w = Zeile.simplified().split(' ');
        if (w.size() < 2) continue;
        if (w[0] == "Size:") Groesse = w[1].toLong();
        if (w[0] == "Rss:") n += Groesse == Kib && w[1].toLong() >= Belegt;
    }
    return n;
}

bool Binnen(int Ms, const std::function<bool()>& Erfuellt) {
    QElapsedTimer t;
    t.start();
    while (!Erfuellt()) {
        if (t.elapsed() > Ms) return false;
        QThread::msleep(5);
    }
    return true;
}

} // namespace

TEST(Rahmenpuffer, PreparedFramesAreFaultedInAheadAndGivenBackUnused) {
    // A size no other test uses, in whole huge pages: the pixels of each
    // buffer are a mapping of their own, huge pages requested.
    constexpr qsizetype Groesse = qsizetype(2048) * 1024 * 4;
    constexpr long Kib = long(Groesse / 1024);
    // Other mappings of that size may exist (the sanitizers' own).
    const int Andere = Abbildungen(Kib, Kib);
    const auto Bereit = [&] { return Abbildungen(Kib, Kib) - Andere; };
    RahmenpufferVorbereiten(Groesse, 2);
    ASSERT_TRUE(Binnen(20000, [&] { return Bereit() == 2; })) << Bereit();
    // A picture takes one of them, and it stays.
    QImage Quelle(2048, 1024, QImage::Format_RGB32);
    Quelle.fill(0xff203040);
    QImage Bild = Quelle;
    EigenePixel(Bild);
    EXPECT_EQ(Bild, Quelle);
    EXPECT_EQ(Bereit(), 2);
    VorbereiteteRahmenpufferFreigeben();
    EXPECT_EQ(Bereit(), 1);
}
