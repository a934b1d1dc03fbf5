// Time from the Start click to the overlay showing the frozen picture, on a
// real X server (run through bench/start_messung.py, which starts one at
// each size). On other platforms the benchmark is skipped.

#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QWindow>
#include <benchmark/benchmark.h>

namespace {

void WarteBis(const std::function<bool()>& Fertig) {
    QElapsedTimer t;
    t.start();
    while (!Fertig() && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 2);
    QCoreApplication::processEvents();
}

void BM_StartBisOverlaySichtbar(benchmark::State& state) {
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
        state.SkipWithError("braucht einen X-Server: bench/start_messung.py");
        return;
    }
    TToolForm Tool;
    TScreenForm Screen;
    Tool.show();
    WarteBis([&] { return Tool.windowHandle() && Tool.windowHandle()->isExposed(); });
    for (auto _ : state) {
        Tool.StartFertigBtnClick();
        // Qt paints a window while handling its expose, so once the overlay
        // is exposed and the queue has run, the picture is on the screen.
        WarteBis([&] { return Screen.windowHandle()->isExposed(); });
        state.PauseTiming();
        Tool.StartFertigBtnClick();
        WarteBis([&] { return !Screen.windowHandle()->isExposed(); });
        state.ResumeTiming();
    }
    state.counters["Breite"] = Tool.OrigScrBmp.width();
    state.counters["Hoehe"] = Tool.OrigScrBmp.height();
}

} // namespace

BENCHMARK(BM_StartBisOverlaySichtbar)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
