// Saving a 3840 x 2160 photo-like picture: PNG and JPEG encoding next to Qt's
// own PNG writer at the same zlib level, and the whole file save (temporary
// file, flush to disk, rename).

#include "output/bilddatei.h"
#include "output/jpegschreiber.h"
#include "output/pngschreiber.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

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

void BM_PngKodieren(benchmark::State& State) {
    InPuffer(State, [](QIODevice& d) { return SchreibePng(Foto(), d); });
}

void BM_QtPngKodieren(benchmark::State& State) {
    InPuffer(State, [](QIODevice& d) {
        QImageWriter w(&d, "png");
        // Qt maps quality 45 onto zlib level (100 - 45) * 9 / 91 = 5.
        w.setQuality(45);
        return w.write(Foto());
    });
}

void BM_JpegKodieren(benchmark::State& State) {
    InPuffer(State, [](QIODevice& d) { return SchreibeJpeg(Foto(), d); });
}

void Datei(benchmark::State& State, const char* Name) {
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QString::fromUtf8(Name));
    for (auto _ : State)
        if (!BitmapDateiSchreiben(Foto(), Pfad)) State.SkipWithError("write failed");
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

} // namespace

BENCHMARK(BM_PngKodieren)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_QtPngKodieren)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_JpegKodieren)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PngDatei)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_JpegDatei)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BmpDatei)->Unit(benchmark::kMillisecond)->UseRealTime();
