// Cost of the viewing tools on a 3840 x 2160 picture: one repaint of the zoom
// view at 1000 % and one move event of the lens. Compare with
// BM_FullFrameCopy of the same run.

#include "overlay/groessen.h"
#include "overlay/image32.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QCoreApplication>
#include <QCursor>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int Breite4K = 3840, Hoehe4K = 2160;

QImage FotoMuster() {
    QImage img(Breite4K, Hoehe4K, QImage::Format_RGB32);
    for (int y = 0; y < Hoehe4K; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < Breite4K; ++x)
            line[x] = qRgb((x * 7) & 0xFF, (y * 3) & 0xFF, (x + y) & 0xFF);
    }
    return img;
}

// A shown overlay of the picture's size in drawing mode.
struct Ansicht {
    std::unique_ptr<TToolForm> Tool = std::make_unique<TToolForm>();
    std::unique_ptr<TScreenForm> Screen = std::make_unique<TScreenForm>();

    Ansicht() {
        QCursor::setPos(QPoint(100000, 100000));
        Screen->setGeometry(0, 0, Breite4K, Hoehe4K);
        Screen->show();
        const QImage b = FotoMuster();
        Tool->OrigScrBmp = Tool->OrigScrStartBmp = Tool->BackupBmp = Tool->BackupOrigScrBmp = b;
        Screen->BildLaden(b, true);
        Tool->Start = false;
        Tool->WinZustand = 1;
        Tool->Sdicke = DickeTab[3];
    }
};

void ZoomAuf1000(Ansicht& a) {
    a.Tool->ZoomInBtnClick();
    for (int i = 0; i < 7; ++i)
        a.Tool->ZoomInBtnClick();
}

// What the zoom view's paint event does: the whole view painted into the
// window's backing store.
void BM_ZoomRepaint1000(benchmark::State& state) {
    Ansicht a;
    ZoomAuf1000(a);
    QImage Ziel(Breite4K, Hoehe4K, QImage::Format_RGB32);
    for (auto _ : state) {
        a.Screen->Img2->Malen(Ziel, QPoint(0, 0), QRect(0, 0, Breite4K, Hoehe4K));
        benchmark::ClobberMemory();
    }
}

// The same through the widget's own repaint into its backing store.
void BM_ZoomRepaint1000Widget(benchmark::State& state) {
    Ansicht a;
    ZoomAuf1000(a);
    QCoreApplication::processEvents();
    if (!a.Screen->Img2->isVisible() || !a.Screen->windowHandle()->isExposed()) {
        state.SkipWithError("Die Zoomansicht ist nicht zu sehen");
        return;
    }
    for (auto _ : state)
        a.Screen->Img2->repaint();
}

// One pointer move with the lens at 200 %; the width (1 to 4) sets its size:
// 3 is width 13 (320 x 240), 4 the largest, width 21 (517 x 388).
void BM_LensMove(benchmark::State& state) {
    Ansicht a;
    a.Tool->DickeBtnClick(static_cast<int32_t>(state.range(0)));
    a.Tool->LupeBtnClick();
    int64_t i = 0;
    for (auto _ : state) {
        ++i;
        const int x = 200 + static_cast<int>((i * 7) % (Breite4K - 400));
        const int y = 200 + static_cast<int>((i * 3) % (Hoehe4K - 400));
        a.Screen->Img1MouseMove(TShiftState(), x, y);
    }
}

} // namespace

BENCHMARK(BM_ZoomRepaint1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ZoomRepaint1000Widget)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LensMove)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);
