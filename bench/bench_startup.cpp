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
#include <cstdio>

#include "app/Startup.h"
#include "framework/gui/Runtime.h"
#include "window/ScrapWindow.h"

namespace {

double startSeconds = 0;
double baselineSeconds = 0;

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

// Collects the mean time of each benchmark for the check at the end.
class Recorder : public benchmark::ConsoleReporter {
public:
    Recorder() : ConsoleReporter(OO_None) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            const double seconds =
                r.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(r.time_unit);
            if (r.benchmark_name().find("StartupToShownWindow") != std::string::npos)
                startSeconds = seconds;
            if (r.benchmark_name().find("BareWindowBaseline") != std::string::npos)
                baselineSeconds = seconds;
        }
    }
};

}  // namespace

BENCHMARK(BM_StartupToShownWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BareWindowBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    fw::RuntimeInit(argc, argv);
    benchmark::Initialize(&argc, argv);
    Recorder reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    fw::RuntimeExit();
    if (startSeconds <= 0 || baselineSeconds <= 0) return 0;
    const double ratio = startSeconds / baselineSeconds;
    const bool ok = startSeconds <= 0.1 && ratio <= 20;
    std::printf(
        "start-up to shown window: %.1f ms, %.1f times the bare window (target <= 100 ms, "
        "<= 20x): %s\n",
        startSeconds * 1e3, ratio, ok ? "met" : "MISSED");
    return ok ? 0 : 1;
}
