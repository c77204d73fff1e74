// The generator page of the real main window (offscreen) with one long line in its "before"
// field, and through it in the pattern field: "http://" and then letters, 2 MiB or 5 MB.
// Targets (checked at the end of the run):
// - with the focus left in the 5 MB field, the caret blinking and nothing else happening, the
//   event loop never waits more than 50 ms;
// - showing the generator page again answers within 250 ms with 2 MiB, within a second with
//   5 MB, and paints each field once.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QLineEdit>
#include <QStyleHints>
#include <QTimer>
#include <string>

#include "bench/BenchShell.h"
#include "bench/BenchSupport.h"
#include "bench/GapProbe.h"
#include "window/ScrapWindow.h"
#include "window/allEditfield.h"

namespace {

ScrapWindow* gWindow = nullptr;

allEditfield& Field(const char* name) {
    return gWindow->ControlNamed<allEditfield>(name);
}

// Counts the paints a widget receives while it lives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Fills the "before" field with the page shown, so the line is laid out and painted once
// before anything is timed, and leaves the focus in it.
void Fill(std::int64_t bytes) {
    gWindow->MP_KirikaeGenerator();
    std::string line = "http://";
    line.resize(static_cast<std::size_t>(bytes), 'q');
    Field("allEditfield2").SetText(line);
    Field("allEditfield2").SetFocus();
    QApplication::processEvents();
}

void Empty() {
    Field("allEditfield2").SetText("");
    QApplication::processEvents();
}

// Runs the event loop for one caret blink period and more, with the focus in the long field.
void BM_CaretBlinkWithLongLine(benchmark::State& state) {
    Fill(state.range(0));
    const int period = QGuiApplication::styleHints()->cursorFlashTime();
    QLineEdit* widget = Field("allEditfield2").LineWidget();
    double longestGapMs = 0;
    int paints = 0;
    for (auto _ : state) {
        PaintCounter counter(widget);
        bench::GapProbe probe;
        QEventLoop loop;
        QTimer::singleShot(period * 3 / 2, &loop, &QEventLoop::quit);
        loop.exec();
        longestGapMs = std::max(longestGapMs, probe.Stop());
        paints += counter.paints;
    }
    // Without a blink there was nothing to measure.
    if (!widget->hasFocus() || paints < 2) state.SkipWithError("the caret did not blink");
    state.counters["longest_gap_ms"] = longestGapMs;
    Empty();
}

// Shows the generator page from the list page; the field holding the focus gave it up.
void BM_ShowGeneratorPage(benchmark::State& state) {
    Fill(state.range(0));
    PaintCounter before(Field("allEditfield2").LineWidget());
    PaintCounter pattern(Field("allEditfield1").LineWidget());
    for (auto _ : state) {
        state.PauseTiming();
        gWindow->MP_KirikaeURLlist();
        QApplication::processEvents();
        before.paints = pattern.paints = 0;
        state.ResumeTiming();
        gWindow->MP_KirikaeGenerator();
        QApplication::processEvents();
    }
    state.counters["paints_per_field"] = std::max(before.paints, pattern.paints);
    Empty();
}

BENCHMARK(BM_CaretBlinkWithLongLine)->Arg(5'000'000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ShowGeneratorPage)
    ->Arg(2 * 1024 * 1024)
    ->Arg(5'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    gWindow = bench::OpenMainWindow(argc, argv);
    QApplication::processEvents();

    bench::FigureReporter reporter;
    const int status = bench::RunAndCheck(argc, argv, reporter, [&] {
        if (!reporter.Ran({"BM_CaretBlinkWithLongLine/5000000", "BM_ShowGeneratorPage/2097152",
                           "BM_ShowGeneratorPage/5000000"}))
            return true;
        auto get = [&](const char* name, const char* key) { return reporter.Get(name, key); };
        bench::Targets targets;
        targets.AtMost("caret blinking in a 5 MB line: longest event-loop gap, ms",
                       get("BM_CaretBlinkWithLongLine/5000000", "longest_gap_ms"), 50);
        targets.AtMost("showing the page, 2 MiB lines: ms",
                       get("BM_ShowGeneratorPage/2097152", "ms"), 250);
        targets.AtMost("showing the page, 5 MB lines: ms",
                       get("BM_ShowGeneratorPage/5000000", "ms"), 1000);
        targets.AtMost("showing the page, 5 MB lines: paints per field",
                       get("BM_ShowGeneratorPage/5000000", "paints_per_field"), 1);
        return targets.Met();
    });
    bench::CloseMainWindow();
    return status;
}
