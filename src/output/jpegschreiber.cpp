#include "output/jpegschreiber.h"

#include <QIODevice>
#include <QImage>
#include <csetjmp>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>
#include <memory>

namespace {

constexpr int JpegQualitaet = 99;
constexpr size_t PufferGroesse = 65536;

// The compressor with what its callbacks need: where the bytes go and
// where an error jumps back to.
struct TJpegKodierer {
    jpeg_compress_struct Info;
    jpeg_error_mgr Fehler;
    jpeg_destination_mgr Ziel;
    std::jmp_buf Sprung;
    QIODevice* Geraet;
    JOCTET Puffer[PufferGroesse];
};

TJpegKodierer* Kodierer(j_common_ptr Info) {
    return reinterpret_cast<TJpegKodierer*>(Info);
}

void FehlerAusgang(j_common_ptr Info) {
    std::longjmp(Kodierer(Info)->Sprung, 1);
}

void KeineMeldung(j_common_ptr) {}

void ZielStart(j_compress_ptr Info) {
    TJpegKodierer* k = Kodierer(reinterpret_cast<j_common_ptr>(Info));
    k->Ziel.next_output_byte = k->Puffer;
    k->Ziel.free_in_buffer = PufferGroesse;
}

void PufferSchreiben(j_compress_ptr Info, size_t Laenge) {
    TJpegKodierer* k = Kodierer(reinterpret_cast<j_common_ptr>(Info));
    if (k->Geraet->write(reinterpret_cast<const char*>(k->Puffer), qint64(Laenge)) !=
        qint64(Laenge))
        ERREXIT(Info, JERR_FILE_WRITE);
}

boolean PufferVoll(j_compress_ptr Info) {
    PufferSchreiben(Info, PufferGroesse);
    ZielStart(Info);
    return TRUE;
}

void ZielEnde(j_compress_ptr Info) {
    PufferSchreiben(Info, PufferGroesse - Info->dest->free_in_buffer);
}

// No C++ object with a destructor lives here: a libjpeg error returns
// through longjmp to the setjmp below.
bool Kodieren(TJpegKodierer& k, const QImage& Bild) {
    if (setjmp(k.Sprung)) return false;
    jpeg_create_compress(&k.Info);
    k.Info.dest = &k.Ziel;
    k.Info.image_width = JDIMENSION(Bild.width());
    k.Info.image_height = JDIMENSION(Bild.height());
    // The rows go in as they lie in memory, one 32-bit word 0xffRRGGBB per
    // pixel; the library drops the filler byte itself.
    k.Info.input_components = 4;
    k.Info.in_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_set_defaults(&k.Info);
    jpeg_set_quality(&k.Info, JpegQualitaet, TRUE);
    jpeg_start_compress(&k.Info, TRUE);
    while (k.Info.next_scanline < k.Info.image_height) {
        auto* Zeile = const_cast<JSAMPLE*>(Bild.constScanLine(int(k.Info.next_scanline)));
        jpeg_write_scanlines(&k.Info, &Zeile, 1);
    }
    jpeg_finish_compress(&k.Info);
    return true;
}

} // namespace

bool SchreibeJpeg(const QImage& Bild, QIODevice& Ziel) {
    if (Bild.isNull()) return false;
    const QImage Rgb =
        Bild.format() == QImage::Format_RGB32 ? Bild : Bild.convertToFormat(QImage::Format_RGB32);
    auto k = std::make_unique<TJpegKodierer>();
    k->Info.err = jpeg_std_error(&k->Fehler);
    k->Fehler.error_exit = FehlerAusgang;
    k->Fehler.output_message = KeineMeldung;
    k->Ziel.init_destination = ZielStart;
    k->Ziel.empty_output_buffer = PufferVoll;
    k->Ziel.term_destination = ZielEnde;
    k->Geraet = &Ziel;
    const bool Ok = Kodieren(*k, Rgb);
    jpeg_destroy_compress(&k->Info);
    return Ok;
}
