#include "output/pngschreiber.h"

#include <QIODevice>
#include <QImage>
#include <png.h>

namespace {

constexpr int PngZlibStufe = 5;
constexpr size_t PngMaxIdat = 65535;

void Schreiben(png_structp Png, png_bytep Daten, size_t Laenge) {
    auto* Ziel = static_cast<QIODevice*>(png_get_io_ptr(Png));
    if (Ziel->write(reinterpret_cast<const char*>(Daten), qint64(Laenge)) != qint64(Laenge))
        png_error(Png, "write failed");
}

void Leeren(png_structp) {}

// No C++ object with a destructor lives here: a libpng error returns
// through longjmp to the setjmp below.
bool Kodieren(png_structp Png, png_infop Info, const QImage& Bild, QIODevice& Ziel) {
    if (setjmp(png_jmpbuf(Png))) return false;
    png_set_write_fn(Png, &Ziel, Schreiben, Leeren);
    png_set_IHDR(Png, Info, png_uint_32(Bild.width()), png_uint_32(Bild.height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(Png, PngZlibStufe);
    png_set_filter(Png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_compression_buffer_size(Png, PngMaxIdat);
    png_write_info(Png, Info);
    // The rows go in as they lie in memory (one 32-bit word per pixel,
    // 0xffRRGGBB); libpng drops the filler byte and orders the colours.
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        png_set_bgr(Png);
        png_set_filler(Png, 0, PNG_FILLER_AFTER);
    } else {
        png_set_filler(Png, 0, PNG_FILLER_BEFORE);
    }
    for (int y = 0; y < Bild.height(); ++y)
        png_write_row(Png, Bild.constScanLine(y));
    png_write_end(Png, Info);
    return true;
}

} // namespace

bool SchreibePng(const QImage& Bild, QIODevice& Ziel) {
    if (Bild.isNull()) return false;
    const QImage Rgb =
        Bild.format() == QImage::Format_RGB32 ? Bild : Bild.convertToFormat(QImage::Format_RGB32);
    png_structp Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!Png) return false;
    png_infop Info = png_create_info_struct(Png);
    const bool Ok = Info && Kodieren(Png, Info, Rgb, Ziel);
    png_destroy_write_struct(&Png, &Info);
    return Ok;
}
