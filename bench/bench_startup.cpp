// Start-up to a shown main window, on the offscreen platform: the program's own steps (file
// types, application object with its menu bar, handlers, the main window with its 37 controls)
// until the window is exposed, against a baseline of a bare Qt window with as many plain widgets
// shown in the same run. Target (checked at the end): well under a second, that is at most
// 100 ms a start, and at most 20 times the baseline.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QWindow>

#include "bench/BenchSupport.h"
#include "framework/gui/Runtime.h"
#include "startup/Startup.h"
#include "window/ScrapWindow.h"

namespace {

void WaitUntilExposed(QWidget* w) {
    while (!(w->windowHandle() && w->windowHandle()->isExposed()))
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    QApplication::processEvents();
}

void BM_StartupToShownWindow(benchmark::State& state) {
    Startup::RegisterClasses();
    for (auto _ : state) {
        Startup::InitFileTypes();
        Startup::NewAppInstance();
        Startup::ApplicationAddMenuHandlers();
        Startup::MakeDefaultView();
        WaitUntilExposed(ScrapWindow::Instance()->Widget());
        state.PauseTiming();
        Startup::ShutDown();
        Startup::RegisterClasses();
        state.ResumeTiming();
    }
}

void BM_BareWindowBaseline(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow window;
        window.resize(519, 369);
        for (int i = 0; i < 37; ++i) new QLabel(QStringLiteral("label"), &window);
        window.show();
        WaitUntilExposed(&window);
    }
}

}  // namespace

BENCHMARK(BM_StartupToShownWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BareWindowBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    fw::RuntimeInit(argc, argv);
    bench::FigureReporter reporter(benchmark::ConsoleReporter::OO_None);
    const int status = bench::RunAndCheck(argc, argv, reporter, [&] {
        const char* start = "BM_StartupToShownWindow/real_time";
        const char* bare = "BM_BareWindowBaseline/real_time";
        if (!reporter.Ran({start, bare})) return true;
        bench::Targets targets;
        targets.AtMost("start-up to shown window, ms", reporter.Get(start, "ms"), 100);
        targets.AtMost("start-up / bare window, times",
                       reporter.Get(start, "ms") / reporter.Get(bare, "ms"), 20);
        return targets.Met();
    });
    fw::RuntimeExit();
    return status;
}
