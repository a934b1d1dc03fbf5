// Cost of the drawing core's hot paths on a 3840 x 2160 picture, next to the
// cost of one full-frame copy measured in the same run.

#include "overlay/groessen.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QApplication>
#include <QCursor>
#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>

namespace {

constexpr int W = 3840, H = 2160;

QImage Bildschirm() {
    QImage img(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < W; ++x)
            line[x] = qRgb(x & 0xFF, y & 0xFF, (x + y) & 0xFF);
    }
    return img;
}

struct Overlay {
    std::unique_ptr<TToolForm> Tool = std::make_unique<TToolForm>();
    std::unique_ptr<TScreenForm> Screen = std::make_unique<TScreenForm>();

    Overlay(int32_t Modus, int32_t DickeNr) {
        QCursor::setPos(QPoint(100000, 100000));
        Screen->resize(W, H);
        const QImage b = Bildschirm();
        Tool->OrigScrBmp = b;
        Tool->OrigScrStartBmp = b;
        Tool->BackupBmp = b;
        Tool->BackupOrigScrBmp = b;
        Screen->BildLaden(b, true);
        Tool->Modus = Modus;
        Tool->Sdicke = DickeTab[DickeNr];
        Tool->Scol = 0x000000FF;
        Tool->Smode = pmCopy;
        Tool->SetWerkzeug();
    }
};

// A pointer path of short segments that wanders over the whole picture.
QPoint Weg(int64_t i) {
    const int x = 200 + static_cast<int>((i * 7) % (W - 400));
    const int y = 200 + static_cast<int>(((i * 7) / (W - 400) * 23 + (i % 3) * 4) % (H - 400));
    return {x, y};
}

void MoveEvents(benchmark::State& state, int32_t Modus) {
    Overlay o(Modus, 4);
    o.Screen->Img1MouseDown(mbLeft, ssLeft, 200, 200);
    int64_t i = 0;
    for (auto _ : state) {
        const QPoint p = Weg(++i);
        o.Screen->Img1MouseMove(ssLeft, p.x(), p.y());
    }
    o.Screen->Img1MouseUp(mbLeft, TShiftState(), 0, 0);
}

void BM_PenMove21(benchmark::State& state) {
    MoveEvents(state, 1);
}
void BM_EraserMove21(benchmark::State& state) {
    MoveEvents(state, 2);
}

// Shape drags: every move removes and redraws the rubber band from the
// press point (200, 200) to the pointer, which wanders over the picture.
void BM_LineRubberBand(benchmark::State& state) {
    MoveEvents(state, 3);
}
void BM_RectangleRubberBand(benchmark::State& state) {
    MoveEvents(state, 4);
}
void BM_ArrowRubberBand(benchmark::State& state) {
    MoveEvents(state, 5);
}
void BM_EllipseRubberBand(benchmark::State& state) {
    MoveEvents(state, 10);
}

void BM_PressWithSnapshotAndFirstSegment(benchmark::State& state) {
    Overlay o(1, 4);
    int64_t i = 0;
    for (auto _ : state) {
        // each press follows a short stroke, as when writing by hand
        const QPoint a = Weg(i += 40);
        o.Screen->Img1MouseDown(mbLeft, ssLeft, a.x(), a.y());
        o.Screen->Img1MouseMove(ssLeft, a.x() + 9, a.y() + 4);
        state.PauseTiming();
        for (int k = 1; k < 30; ++k)
            o.Screen->Img1MouseMove(ssLeft, a.x() + 9 + 3 * k, a.y() + 4);
        o.Screen->Img1MouseUp(mbLeft, TShiftState(), a.x(), a.y());
        state.ResumeTiming();
    }
}

void BM_FullFrameCopy(benchmark::State& state) {
    const QImage a = Bildschirm();
    QImage b(W, H, QImage::Format_RGB32);
    for (auto _ : state) {
        std::memcpy(b.bits(), a.constBits(), static_cast<size_t>(a.sizeInBytes()));
        benchmark::DoNotOptimize(b.bits());
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(BM_FullFrameCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PenMove21)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EraserMove21)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LineRubberBand)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RectangleRubberBand)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ArrowRubberBand)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EllipseRubberBand)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PressWithSnapshotAndFirstSegment)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
