// Saving a 3840 x 2160 picture: PNG and JPEG encoding of a photo-like and a
// desktop-like picture, next to the former PNG writer (libpng with zlib at the
// same level and the same rules) and Qt's own, and the whole file save
// (temporary file, flush to disk, rename). Seven repetitions each; the
// median, min and max lines give the range, the "bytes" counter the file's
// size, so that the former writer's figures stand beside the present ones.

#include "output/bilddatei.h"
#include "output/jpegschreiber.h"
#include "output/pngschreiber.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <png.h>

namespace {

// Smooth colour gradients with a little sensor-like noise.
const QImage& Foto() {
    static const QImage Bild = [] {
        QImage b(3840, 2160, QImage::Format_RGB32);
        uint32_t z = 2166136261u;
        for (int y = 0; y < b.height(); ++y) {
            auto* p = reinterpret_cast<QRgb*>(b.scanLine(y));
            for (int x = 0; x < b.width(); ++x) {
                z = z * 1664525u + 1013904223u;
                const int n = int(z >> 29) - 4;
                const auto k = [n](int v) { return std::clamp(v + n, 0, 255); };
                p[x] = qRgb(k(x * 255 / 3840), k(y * 255 / 2160), k(128 + (x - y) / 64));
            }
        }
        return b;
    }();
    return Bild;
}

// A desktop: a flat background, overlapping windows with title bars,
// lines of text, a few pictures-in-windows of fine detail.
const QImage& Desktop() {
    static const QImage Bild = [] {
        QImage b(3840, 2160, QImage::Format_RGB32);
        b.fill(QColor(32, 74, 135));
        QPainter p(&b);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
        uint32_t z = 12345u;
        const auto Zufall = [&z](int n) {
            z = z * 1664525u + 1013904223u;
            return int((z >> 8) % uint32_t(n));
        };
        for (int f = 0; f < 9; ++f) {
            const QRect r(Zufall(2400), Zufall(1200), 900 + Zufall(700), 500 + Zufall(500));
            p.fillRect(r, QColor(246, 245, 244));
            p.fillRect(r.x(), r.y(), r.width(), 36, QColor(222, 221, 218));
            p.setPen(Qt::black);
            p.drawText(r.x() + 12, r.y() + 24, QStringLiteral("Fenster %1 – Dokument.txt").arg(f));
            for (int y = r.y() + 60; y < r.bottom() - 20; y += 22) {
                QString Zeile;
                for (int w = 0, n = 4 + Zufall(14); w < n; ++w)
                    Zeile += QString(2 + Zufall(8), QChar(u'a' + Zufall(26))) + u' ';
                p.drawText(r.x() + 16, y, Zeile);
            }
            if (f % 3 == 0) {
                const QRect Foto(r.x() + r.width() / 2, r.y() + 60, r.width() / 3, r.height() / 3);
                p.fillRect(Foto, QColor(Zufall(255), Zufall(255), Zufall(255)));
            }
        }
        return b;
    }();
    return Bild;
}

// The former writer: libpng over zlib, level 5, Sub filter, no interlacing,
// chunks of at most 65535 bytes.
void BisherSchreiben(png_structp Png, png_bytep Daten, size_t Laenge) {
    static_cast<QIODevice*>(png_get_io_ptr(Png))
        ->write(reinterpret_cast<const char*>(Daten), qint64(Laenge));
}

bool BisherKodieren(png_structp Png, png_infop Info, const QImage& Bild, QIODevice& Ziel) {
    if (setjmp(png_jmpbuf(Png))) return false;
    png_set_write_fn(Png, &Ziel, BisherSchreiben, nullptr);
    png_set_IHDR(Png, Info, png_uint_32(Bild.width()), png_uint_32(Bild.height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(Png, 5);
    png_set_filter(Png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_compression_buffer_size(Png, 65535);
    png_write_info(Png, Info);
    png_set_bgr(Png);
    png_set_filler(Png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < Bild.height(); ++y)
        png_write_row(Png, Bild.constScanLine(y));
    png_write_end(Png, Info);
    return true;
}

bool BisherPng(const QImage& Bild, QIODevice& Ziel) {
    png_structp Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop Info = png_create_info_struct(Png);
    const bool Ok = BisherKodieren(Png, Info, Bild, Ziel);
    png_destroy_write_struct(&Png, &Info);
    return Ok;
}

template <typename F> void InPuffer(benchmark::State& State, F Schreiben) {
    QByteArray Daten;
    Daten.reserve(40 * 1024 * 1024);
    for (auto _ : State) {
        Daten.resize(0);
        QBuffer Puffer(&Daten);
        Puffer.open(QIODevice::WriteOnly);
        if (!Schreiben(Puffer)) State.SkipWithError("write failed");
    }
    State.counters["bytes"] = double(Daten.size());
}

const QImage& Vorlage(const benchmark::State& State) {
    return State.range(0) == 0 ? Foto() : Desktop();
}

void BM_PngKodieren(benchmark::State& State) {
    InPuffer(State, [&](QIODevice& d) { return SchreibePng(Vorlage(State), d); });
}

void BM_BisherPngKodieren(benchmark::State& State) {
    InPuffer(State, [&](QIODevice& d) { return BisherPng(Vorlage(State), d); });
}

void BM_QtPngKodieren(benchmark::State& State) {
    InPuffer(State, [&](QIODevice& d) {
        QImageWriter w(&d, "png");
        // Qt maps quality 45 onto zlib level (100 - 45) * 9 / 91 = 5.
        w.setQuality(45);
        return w.write(Vorlage(State));
    });
}

void BM_JpegKodieren(benchmark::State& State) {
    InPuffer(State, [&](QIODevice& d) { return SchreibeJpeg(Vorlage(State), d); });
}

void Datei(benchmark::State& State, const char* Name) {
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QString::fromUtf8(Name));
    const QImage& Bild = Vorlage(State);
    for (auto _ : State)
        if (!BitmapDateiSchreiben(Bild, Pfad)) State.SkipWithError("write failed");
    State.counters["bytes"] = double(QFileInfo(Pfad).size());
}

void BM_PngDatei(benchmark::State& State) {
    Datei(State, "bild.png");
}

void BM_JpegDatei(benchmark::State& State) {
    Datei(State, "bild.jpg");
}

void BM_BmpDatei(benchmark::State& State) {
    Datei(State, "bild.bmp");
}

// Not a measurement: writes both pictures as PPM into the folder named by
// SKRIBANO_VORLAGEN, for bench/stocken_xorg.py to put them on a screen.
void BM_VorlagenAblegen(benchmark::State& State) {
    const QString Ordner = qEnvironmentVariable("SKRIBANO_VORLAGEN");
    for (auto _ : State)
        if (Ordner.isEmpty() || !Foto().save(Ordner + QStringLiteral("/foto.ppm")) ||
            !Desktop().save(Ordner + QStringLiteral("/desktop.ppm")))
            State.SkipWithError("SKRIBANO_VORLAGEN: kein beschreibbarer Ordner");
}

double Kleinster(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}

double Groesster(const std::vector<double>& v) {
    return *std::max_element(v.begin(), v.end());
}

// 0: the photo-like picture, 1: the desktop-like one.
void Messreihe(benchmark::internal::Benchmark* b) {
    b->ArgName("Desktop")
        ->Arg(0)
        ->Arg(1)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1)
        ->Repetitions(7)
        ->ComputeStatistics("min", Kleinster)
        ->ComputeStatistics("max", Groesster)
        ->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(BM_PngKodieren)->Apply(Messreihe);
BENCHMARK(BM_BisherPngKodieren)->Apply(Messreihe);
BENCHMARK(BM_QtPngKodieren)->Apply(Messreihe);
BENCHMARK(BM_JpegKodieren)->Apply(Messreihe);
BENCHMARK(BM_PngDatei)->Apply(Messreihe);
BENCHMARK(BM_JpegDatei)->Apply(Messreihe);
BENCHMARK(BM_BmpDatei)->Apply(Messreihe);
BENCHMARK(BM_VorlagenAblegen)->Iterations(1);
