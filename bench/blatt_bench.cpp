// Cost of a sheet (background replaced, drawings cleared) and of the undo
// after it, on a 3840 x 2160 picture.

#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QCursor>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct BlattOverlay {
    std::unique_ptr<TToolForm> Tool = std::make_unique<TToolForm>();
    std::unique_ptr<TScreenForm> Screen = std::make_unique<TScreenForm>();

    BlattOverlay() {
        QCursor::setPos(QPoint(100000, 100000));
        QImage b(3840, 2160, QImage::Format_RGB32);
        b.fill(qRgb(10, 20, 30));
        Tool->OrigScrBmp = b;
        Tool->OrigScrStartBmp = b;
        Tool->BackupBmp = b;
        Tool->BackupOrigScrBmp = b;
        Screen->BildLaden(b, true);
    }
};

void BM_KariertesBlatt(benchmark::State& State) {
    BlattOverlay o;
    for (auto _ : State)
        o.Tool->KariertesBlatt1Click();
}

void BM_PunktrasterBlatt(benchmark::State& State) {
    BlattOverlay o;
    for (auto _ : State)
        o.Tool->KleineKreuze1Click();
}

void BM_RueckgaengigNachBlatt(benchmark::State& State) {
    BlattOverlay o;
    o.Tool->KariertesBlatt1Click();
    for (auto _ : State)
        o.Tool->RueckgaengigBtnClick();
}

} // namespace

BENCHMARK(BM_KariertesBlatt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PunktrasterBlatt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RueckgaengigNachBlatt)->Unit(benchmark::kMillisecond);
