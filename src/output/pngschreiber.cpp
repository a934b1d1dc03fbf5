#include "output/pngschreiber.h"

#include "platform/rahmenpuffer.h"

#include <QIODevice>
#include <QImage>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <libdeflate.h>
#include <memory>

namespace {

// libdeflate's level 3 compresses the 4K test pictures about 1 % larger
// (screen contents) to 11 % smaller (photos) than zlib did at the level 5
// files were written with before, in a third of zlib's time and two thirds
// of its own level 5's. Levels 2 to 5 keep zlib's header mark of level 5.
constexpr int PngZlibStufe = 3;
constexpr size_t PngMaxIdat = 65535;
constexpr int Farben = 3;

struct TKompressorLoeschen {
    void operator()(libdeflate_compressor* k) const { libdeflate_free_compressor(k); }
};
using TKompressor = std::unique_ptr<libdeflate_compressor, TKompressorLoeschen>;

bool Chunk(QIODevice& Ziel, const char (&Typ)[5], const uchar* Daten, size_t Laenge) {
    uchar Kopf[8];
    qToBigEndian<quint32>(quint32(Laenge), Kopf);
    std::memcpy(Kopf + 4, Typ, 4);
    // libdeflate gives 0 for a null buffer, whatever the length.
    quint32 Crc = libdeflate_crc32(0, Kopf + 4, 4);
    if (Laenge > 0) Crc = libdeflate_crc32(Crc, Daten, Laenge);
    uchar Pruefsumme[4];
    qToBigEndian<quint32>(Crc, Pruefsumme);
    return Ziel.write(reinterpret_cast<const char*>(Kopf), 8) == 8 &&
           Ziel.write(reinterpret_cast<const char*>(Daten), qint64(Laenge)) == qint64(Laenge) &&
           Ziel.write(reinterpret_cast<const char*>(Pruefsumme), 4) == 4;
}

// The rows as the PNG stores them: a filter byte (Sub) before each, then
// every colour byte less the same colour of the pixel to its left. The
// picture's rows are 32-bit words 0xffRRGGBB.
void Filtern(const QImage& Bild, uchar* Ziel) {
    const int Breite = Bild.width();
    for (int y = 0; y < Bild.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(Bild.constScanLine(y));
        *Ziel++ = 1;
        QRgb Links = 0;
        for (int x = 0; x < Breite; ++x, Ziel += Farben) {
            const QRgb c = p[x];
            Ziel[0] = uchar((c >> 16) - (Links >> 16));
            Ziel[1] = uchar((c >> 8) - (Links >> 8));
            Ziel[2] = uchar(c - Links);
            Links = c;
        }
    }
}

bool Kopf(const QImage& Bild, QIODevice& Ziel) {
    static const char Signatur[] = "\x89PNG\r\n\x1a\n";
    uchar Ihdr[13] = {};
    qToBigEndian<quint32>(quint32(Bild.width()), Ihdr);
    qToBigEndian<quint32>(quint32(Bild.height()), Ihdr + 4);
    Ihdr[8] = 8; // bits per colour
    Ihdr[9] = 2; // RGB; compression, filter method and interlacing all 0
    return Ziel.write(Signatur, 8) == 8 && Chunk(Ziel, "IHDR", Ihdr, sizeof Ihdr);
}

} // namespace

bool SchreibePng(const QImage& Bild, QIODevice& Ziel) {
    if (Bild.isNull()) return false;
    const QImage Rgb =
        Bild.format() == QImage::Format_RGB32 ? Bild : Bild.convertToFormat(QImage::Format_RGB32);
    const TKompressor Kompressor(libdeflate_alloc_compressor(PngZlibStufe));
    if (!Kompressor) return false;
    const size_t Roh = size_t(Rgb.height()) * (1 + size_t(Rgb.width()) * Farben);
    const size_t Platz = libdeflate_zlib_compress_bound(Kompressor.get(), Roh);
    // Both fit a frame but for the smallest pictures: fresh memory of that
    // size would cost a fault per page on every save.
    const auto Rahmen = size_t(Rgb.sizeInBytes());
    const TLeihpuffer Zeilen(qsizetype(std::max(Roh, Rahmen)));
    const TLeihpuffer Strom(qsizetype(std::max(Platz, Rahmen)));
    if (!Zeilen.Daten() || !Strom.Daten()) return false;
    Filtern(Rgb, Zeilen.Daten());
    // One zlib stream for the whole picture, compressed in one call.
    const size_t Laenge =
        libdeflate_zlib_compress(Kompressor.get(), Zeilen.Daten(), Roh, Strom.Daten(), Platz);
    if (Laenge == 0 || !Kopf(Rgb, Ziel)) return false;
    for (size_t p = 0; p < Laenge; p += PngMaxIdat)
        if (!Chunk(Ziel, "IDAT", Strom.Daten() + p, std::min(PngMaxIdat, Laenge - p))) return false;
    return Chunk(Ziel, "IEND", nullptr, 0);
}
