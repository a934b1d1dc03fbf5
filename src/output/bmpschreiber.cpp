#include "output/bmpschreiber.h"

#include <QIODevice>
#include <QImage>
#include <QtEndian>
#include <cstdint>
#include <vector>

namespace {

constexpr uint32_t DateiKopfGroesse = 14;
constexpr uint32_t InfoKopfGroesse = 40;
constexpr uint16_t BitsProPixel = 32;
constexpr int32_t PixelProMeter = 3780; // 96 dpi

// Little-endian fields appended one after another.
class TKopf {
public:
    template <typename T> void Feld(T Wert) {
        const T le = qToLittleEndian(Wert);
        const auto* p = reinterpret_cast<const char*>(&le);
        Daten.insert(Daten.end(), p, p + sizeof(T));
    }
    std::vector<char> Daten;
};

std::vector<char> Koepfe(int Breite, int Hoehe) {
    const uint32_t Pixelbytes = uint32_t(Breite) * uint32_t(Hoehe) * 4;
    TKopf k;
    k.Feld<uint16_t>(0x4D42); // "BM"
    k.Feld<uint32_t>(DateiKopfGroesse + InfoKopfGroesse + Pixelbytes);
    k.Feld<uint32_t>(0);
    k.Feld<uint32_t>(DateiKopfGroesse + InfoKopfGroesse);
    k.Feld<uint32_t>(InfoKopfGroesse);
    k.Feld<int32_t>(Breite);
    k.Feld<int32_t>(Hoehe); // positive: bottom-up
    k.Feld<uint16_t>(1);
    k.Feld<uint16_t>(BitsProPixel);
    k.Feld<uint32_t>(0); // BI_RGB
    k.Feld<uint32_t>(Pixelbytes);
    k.Feld<int32_t>(PixelProMeter);
    k.Feld<int32_t>(PixelProMeter);
    k.Feld<uint32_t>(0);
    k.Feld<uint32_t>(0);
    return k.Daten;
}

} // namespace

bool SchreibeBmp(const QImage& Bild, QIODevice& Ziel) {
    if (Bild.isNull()) return false;
    const QImage Rgb =
        Bild.format() == QImage::Format_RGB32 ? Bild : Bild.convertToFormat(QImage::Format_RGB32);
    const std::vector<char> Kopf = Koepfe(Rgb.width(), Rgb.height());
    if (Ziel.write(Kopf.data(), qint64(Kopf.size())) != qint64(Kopf.size())) return false;
    std::vector<uint32_t> Zeile(size_t(Rgb.width()));
    for (int y = Rgb.height() - 1; y >= 0; --y) {
        const auto* Quelle = reinterpret_cast<const uint32_t*>(Rgb.constScanLine(y));
        for (size_t x = 0; x < Zeile.size(); ++x)
            Zeile[x] = qToLittleEndian(Quelle[x] & 0x00FFFFFFu);
        const qint64 n = qint64(Zeile.size() * 4);
        if (Ziel.write(reinterpret_cast<const char*>(Zeile.data()), n) != n) return false;
    }
    return true;
}
