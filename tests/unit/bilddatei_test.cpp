// Image files as other programs read them: the PNG's chunks, zlib stream and
// row filters, the JPEG's frame and quantisation tables, the BMP's header;
// each decoded again by Qt's own readers. Failed writes leave nothing
// behind and keep an older file.

#include "dateitest.h"
#include "output/bilddatei.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtEndian>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <zlib.h>

namespace {

struct TChunk {
    QByteArray Typ, Daten;
};

std::vector<TChunk> PngChunks(const QByteArray& d) {
    std::vector<TChunk> c;
    for (qsizetype p = 8; p + 12 <= d.size();) {
        const auto n = qFromBigEndian<quint32>(d.constData() + p);
        c.push_back({d.mid(p + 4, 4), d.mid(p + 8, n)});
        p += 12 + n;
    }
    return c;
}

QByteArray Entpacken(const QByteArray& z, qsizetype Groesse) {
    QByteArray roh(Groesse, 0);
    uLongf n = uLongf(Groesse);
    if (uncompress(reinterpret_cast<Bytef*>(roh.data()), &n,
                   reinterpret_cast<const Bytef*>(z.constData()), uLong(z.size())) != Z_OK)
        return {};
    return roh.left(qsizetype(n));
}

// The baseline tables of the JPEG standard in the order of their rows.
constexpr int Luminanz[64] = {16,  11,  10,  16,  24, 40, 51,  61,  12,  12,  14,  19,  26,
                              58,  60,  55,  14,  13, 16, 24,  40,  57,  69,  56,  14,  17,
                              22,  29,  51,  87,  80, 62, 18,  22,  37,  56,  68,  109, 103,
                              77,  24,  35,  55,  64, 81, 104, 113, 92,  49,  64,  78,  87,
                              103, 121, 120, 101, 72, 92, 95,  98,  112, 100, 103, 99};
constexpr int Chrominanz[64] = {17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
                                24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
                                99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
                                99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};
// Position in the table of each coefficient in the file's zigzag order.
constexpr int Zickzack[64] = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                              12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                              35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                              58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// The table at quality 99: scaled by 2 %, rounded, at least 1.
QByteArray Qualitaet99(const int (&Basis)[64]) {
    QByteArray t;
    for (int i : Zickzack)
        t.append(char(std::max(1, (Basis[i] * 2 + 50) / 100)));
    return t;
}

struct TMarke {
    uchar Art;
    QByteArray Daten;
};

// The markers of a JPEG up to the start of the scan.
std::vector<TMarke> JpegMarken(const QByteArray& d) {
    std::vector<TMarke> m;
    for (qsizetype p = 2; p + 4 <= d.size() && uchar(d[p]) == 0xFF;) {
        const uchar Art = uchar(d[p + 1]);
        const auto n = qFromBigEndian<quint16>(d.constData() + p + 2);
        m.push_back({Art, d.mid(p + 4, n - 2)});
        if (Art == 0xDA) break;
        p += 2 + n;
    }
    return m;
}

int MittlereAbweichung(const QImage& a, const QImage& b) {
    int64_t Summe = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            Summe += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q));
        }
    return int(Summe / (int64_t(a.width()) * a.height() * 3));
}

class BildDateiTest : public ::testing::Test {
protected:
    QString Pfad(const QString& Name) const { return Ordner.filePath(Name); }
    QTemporaryDir Ordner;
    TMeldungenFangen Meldungen;
};

} // namespace

TEST_F(BildDateiTest, PngIsRgbWithSubFilterLevelFiveAndSmallChunks) {
    const QImage Bild = Fotobild(640, 480);
    ASSERT_TRUE(SaveBitmapFile(Bild, Pfad("bild.png")));
    const QByteArray d = DateiInhalt(Pfad("bild.png"));
    ASSERT_TRUE(d.startsWith("\x89PNG\r\n\x1a\n"));
    const auto c = PngChunks(d);
    ASSERT_EQ(c.front().Typ, "IHDR");
    const QByteArray& h = c.front().Daten;
    EXPECT_EQ(qFromBigEndian<quint32>(h.constData()), 640u);
    EXPECT_EQ(qFromBigEndian<quint32>(h.constData() + 4), 480u);
    EXPECT_EQ(int(h[8]), 8);  // bits per channel
    EXPECT_EQ(int(h[9]), 2);  // RGB
    EXPECT_EQ(int(h[12]), 0); // no interlacing
    QByteArray z;
    int Idats = 0;
    for (const TChunk& k : c)
        if (k.Typ == "IDAT") {
            EXPECT_LE(k.Daten.size(), 65535);
            z += k.Daten;
            ++Idats;
        }
    EXPECT_GT(Idats, 1);
    EXPECT_EQ(c.back().Typ, "IEND");
    // Window of 32 KiB, deflate, level in the group 2 to 5.
    EXPECT_EQ(uchar(z[0]), 0x78);
    EXPECT_EQ(uchar(z[1]), 0x5E);
    const qsizetype Zeile = 1 + 640 * 3;
    const QByteArray roh = Entpacken(z, Zeile * 480);
    ASSERT_EQ(roh.size(), Zeile * 480);
    for (int y = 0; y < 480; ++y)
        ASSERT_EQ(int(roh[y * Zeile]), 1) << "filter of row " << y;
    EXPECT_EQ(QImage(Pfad("bild.png")).convertToFormat(QImage::Format_RGB32), Bild);
}

TEST_F(BildDateiTest, JpegIsBaselineThreeComponentsAtQuality99) {
    const QImage Bild = Fotobild(320, 240);
    ASSERT_TRUE(SaveBitmapFile(Bild, Pfad("bild.jpg")));
    const QByteArray d = DateiInhalt(Pfad("bild.jpg"));
    ASSERT_TRUE(d.startsWith("\xFF\xD8"));
    QByteArray Tabellen[2];
    bool Sof0 = false;
    for (const TMarke& m : JpegMarken(d)) {
        EXPECT_NE(m.Art, 0xC2) << "progressive";
        if (m.Art == 0xC0) {
            Sof0 = true;
            EXPECT_EQ(int(m.Daten[0]), 8);
            EXPECT_EQ(qFromBigEndian<quint16>(m.Daten.constData() + 1), 240);
            EXPECT_EQ(qFromBigEndian<quint16>(m.Daten.constData() + 3), 320);
            EXPECT_EQ(int(m.Daten[5]), 3);
        }
        // One or more 8-bit tables of 64 values, each after its number.
        for (qsizetype p = 0; m.Art == 0xDB && p + 65 <= m.Daten.size(); p += 65) {
            ASSERT_EQ(uchar(m.Daten[p]) >> 4, 0);
            Tabellen[m.Daten[p] & 1] = m.Daten.mid(p + 1, 64);
        }
    }
    EXPECT_TRUE(Sof0);
    EXPECT_EQ(Tabellen[0], Qualitaet99(Luminanz));
    EXPECT_EQ(Tabellen[1], Qualitaet99(Chrominanz));
    const QImage Gelesen(Pfad("bild.jpg"));
    ASSERT_EQ(Gelesen.size(), Bild.size());
    EXPECT_FALSE(Gelesen.isGrayscale());
    EXPECT_LE(MittlereAbweichung(Gelesen, Bild), 4);
}

TEST_F(BildDateiTest, OtherExtensionsGiveA32BitBmpBottomUp) {
    const QImage Bild = Fotobild(123, 45);
    for (const QString Name : {"bild.bmp", "bild.jpeg", "bild"}) {
        ASSERT_TRUE(SaveBitmapFile(Bild, Pfad(Name))) << Name.toStdString();
        const QByteArray d = DateiInhalt(Pfad(Name));
        ASSERT_EQ(d.size(), 54 + 123 * 45 * 4);
        EXPECT_TRUE(d.startsWith("BM"));
        EXPECT_EQ(qFromLittleEndian<quint32>(d.constData() + 2), quint32(d.size()));
        EXPECT_EQ(qFromLittleEndian<quint32>(d.constData() + 10), 54u);
        EXPECT_EQ(qFromLittleEndian<qint32>(d.constData() + 22), 45); // bottom-up
        EXPECT_EQ(qFromLittleEndian<quint16>(d.constData() + 28), 32);
        EXPECT_EQ(qFromLittleEndian<quint32>(d.constData() + 30), 0u); // uncompressed
        // The first row in the file is the picture's last, blue first.
        const QRgb p = Bild.pixel(0, 44);
        EXPECT_EQ(uchar(d[54]), qBlue(p));
        EXPECT_EQ(uchar(d[55]), qGreen(p));
        EXPECT_EQ(uchar(d[56]), qRed(p));
        EXPECT_EQ(uchar(d[57]), 0);
        QImage Gelesen;
        ASSERT_TRUE(Gelesen.loadFromData(d, "BMP"));
        EXPECT_EQ(Gelesen.convertToFormat(QImage::Format_RGB32), Bild);
    }
}

TEST_F(BildDateiTest, ExtensionInUpperCaseCounts) {
    ASSERT_TRUE(SaveBitmapFile(Fotobild(20, 10), Pfad("bild.PNG")));
    EXPECT_TRUE(DateiInhalt(Pfad("bild.PNG")).startsWith("\x89PNG"));
    ASSERT_TRUE(SaveBitmapFile(Fotobild(20, 10), Pfad("bild.JPG")));
    EXPECT_TRUE(DateiInhalt(Pfad("bild.JPG")).startsWith("\xFF\xD8"));
    EXPECT_EQ(DateiEndung(QStringLiteral("/a.b/datei")), QString());
    EXPECT_EQ(DateiEndung(QStringLiteral("/a/x.Tar.GZ")), QStringLiteral(".gz"));
    EXPECT_TRUE(Meldungen.Liste.empty());
}

TEST_F(BildDateiTest, NewFileGetsTheUsualPermissionsAndNoTemporaryFileStays) {
    const mode_t Alt = umask(022);
    ASSERT_TRUE(SaveBitmapFile(Fotobild(20, 10), Pfad("bild.png")));
    umask(Alt);
    struct stat Info {};
    ASSERT_EQ(stat(QFile::encodeName(Pfad("bild.png")).constData(), &Info), 0);
    EXPECT_EQ(Info.st_mode & 0777, 0644u);
    EXPECT_EQ(Eintraege(Ordner.path()), QStringList{"bild.png"});
}

TEST_F(BildDateiTest, FolderBelowAFileGivesTheMessageAndFalse) {
    QFile f(Pfad("datei"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    Meldungen.BeiMeldung = [] { EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr); };
    const QString Name = Pfad("datei/bild.png");
    EXPECT_FALSE(SaveBitmapFile(Fotobild(20, 10), Name));
    ASSERT_EQ(Meldungen.Liste.size(), 1u);
    EXPECT_EQ(Meldungen.Liste[0].Typ, TMeldungTyp::Fehler);
    EXPECT_EQ(Meldungen.Liste[0].Text, "Datei konnte nicht erstellt werden:\r\n" + Name);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Eintraege(Ordner.path()), QStringList{"datei"});
}

TEST_F(BildDateiTest, FullDiskKeepsTheOldFileAndLeavesNoTemporaryFile) {
    // A file size limit makes every write past it fail as on a full disk.
    const QByteArray Alt = "altes Bild";
    QFile f(Pfad("bild.png"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Alt);
    f.close();
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit Vorher{};
    getrlimit(RLIMIT_FSIZE, &Vorher);
    rlimit Klein = Vorher;
    Klein.rlim_cur = 20000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Klein), 0);
    for (const QString Name : {"bild.png", "bild.jpg", "bild.bmp"}) {
        if (Name != "bild.png") {
            ASSERT_TRUE(QFile::copy(Pfad("bild.png"), Pfad(Name)));
        }
        EXPECT_FALSE(SaveBitmapFile(Fotobild(400, 300), Pfad(Name))) << Name.toStdString();
        EXPECT_EQ(DateiInhalt(Pfad(Name)), Alt);
    }
    setrlimit(RLIMIT_FSIZE, &Vorher);
    EXPECT_EQ(Eintraege(Ordner.path()), (QStringList{"bild.bmp", "bild.jpg", "bild.png"}));
    EXPECT_EQ(Meldungen.Liste.size(), 3u);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(BildDateiTest, KeepingAnExistingNameRefusesToWrite) {
    QFile f(Pfad("bild.png"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("alt");
    f.close();
    EXPECT_FALSE(
        BitmapDateiSchreiben(Fotobild(20, 10), Pfad("bild.png"), TZielVorhanden::Behalten));
    EXPECT_EQ(DateiInhalt(Pfad("bild.png")), "alt");
    EXPECT_EQ(Eintraege(Ordner.path()), QStringList{"bild.png"});
    EXPECT_TRUE(Meldungen.Liste.empty());
    EXPECT_TRUE(BitmapDateiSchreiben(Fotobild(20, 10), Pfad("neu.png"), TZielVorhanden::Behalten));
    EXPECT_EQ(QImage(Pfad("neu.png")).convertToFormat(QImage::Format_RGB32), Fotobild(20, 10));
}

TEST_F(BildDateiTest, ReplacingWritesTheNewPictureOverTheOld) {
    ASSERT_TRUE(SaveBitmapFile(Fotobild(20, 10), Pfad("bild.png")));
    ASSERT_TRUE(SaveBitmapFile(Fotobild(30, 15), Pfad("bild.png")));
    EXPECT_EQ(QImage(Pfad("bild.png")).size(), QSize(30, 15));
    EXPECT_EQ(Eintraege(Ordner.path()), QStringList{"bild.png"});
}

TEST_F(BildDateiTest, AnEmptyPictureIsAFailedWrite) {
    EXPECT_FALSE(SaveBitmapFile(QImage(), Pfad("leer.png")));
    EXPECT_EQ(Meldungen.Liste.size(), 1u);
    EXPECT_TRUE(Eintraege(Ordner.path()).isEmpty());
}
