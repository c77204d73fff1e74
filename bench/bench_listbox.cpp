// The framework's list at a million rows, on the offscreen platform. Targets (checked at the
// end of the run, measured against the same run's own small size):
// - adding rows one by one, giving the event loop a turn after each, is linear: time per row
//   at 1,000,000 rows at most 1.5 times that at 100,000;
// - the event loop never waits more than 50 ms while the rows go in;
// - memory per row at most its text plus 64 bytes (every malloc counted, Qt's view included);
// - selecting every row and removing the selected rows at a million rows stay linear;
// - painting the list costs as much with rows of 2 MiB as with rows of 100 bytes (at most 1.5
//   times).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "framework/core/EventLoop.h"
#include "framework/gui/ListView_p.h"
#include "framework/gui/Listbox.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"
#include "framework/gui/detail/EventLoopTurn.h"

namespace {

class BenchWindow : public fw::Window {
public:
    fw::Listbox* list = nullptr;
    void Layout() override { ApplySettings({.Width = 519, .Height = 369, .Title = "bench"}); }
    void CreateControls() override {
        list = NewControl<fw::Listbox>("ListBox1");
        list->SetBounds(14, 39, 493, 280);
        list->SetSelectionType(1);
        list->SetHasHeading(true);
        list->SetHeading("URLリスト");
    }
};

BenchWindow* gWindow = nullptr;

std::size_t MallocInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// The longest single event-loop turn, timed around the GUI's own turn.
double gMaxTurnMs = 0;
void TimedTurn() {
    QElapsedTimer t;
    t.start();
    fw::detail::ThrottledEventLoopTurn();
    gMaxTurnMs = std::max(gMaxTurnMs, static_cast<double>(t.nsecsElapsed()) / 1e6);
}

std::string Url(std::int64_t i) {
    return "http://example.com/img/" + std::to_string(i) + ".jpg";
}

void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// Rows added one by one as the system does, the event loop getting its turn after each; a
// zero-interval timer measures how long the loop is kept waiting.
void BM_AddRowOneByOne(benchmark::State& state) {
    fw::Listbox& list = *gWindow->list;
    const std::int64_t n = state.range(0);
    double maxGapMs = 0;
    double bytesPerRow = 0;
    double textPerRow = 0;
    for (auto _ : state) {
        state.PauseTiming();
        list.DeleteAllRows();
        Settle();
        malloc_trim(0);
        const std::size_t before = MallocInUse();
        QElapsedTimer sinceLast;
        QTimer probe;
        probe.setInterval(0);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            maxGapMs = std::max(maxGapMs, static_cast<double>(sinceLast.nsecsElapsed()) / 1e6);
            sinceLast.restart();
        });
        std::size_t textBytes = 0;
        gMaxTurnMs = 0;
        state.ResumeTiming();

        sinceLast.start();
        probe.start();
        for (std::int64_t i = 0; i < n; ++i) {
            const std::string url = Url(i);
            textBytes += url.size();
            list.AddRow(url);
            fw::DoEvents();
        }
        QElapsedTimer settle;
        settle.start();
        Settle();
        const double settleMs = static_cast<double>(settle.nsecsElapsed()) / 1e6;

        state.PauseTiming();
        probe.stop();
        state.counters["max_turn_ms"] = gMaxTurnMs;
        state.counters["final_layout_ms"] = settleMs;
        bytesPerRow = static_cast<double>(MallocInUse() - before) / static_cast<double>(n);
        textPerRow = static_cast<double>(textBytes) / static_cast<double>(n);
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(n);
    state.counters["max_gap_ms"] = maxGapMs;
    state.counters["bytes_per_row"] = bytesPerRow;
    state.counters["text_per_row"] = textPerRow;
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_AddRowOneByOne)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_SelectAllThenRemoveSelected(benchmark::State& state) {
    fw::Listbox& list = *gWindow->list;
    const std::int64_t n = state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        list.DeleteAllRows();
        std::vector<std::string> rows;
        rows.reserve(static_cast<std::size_t>(n));
        for (std::int64_t i = 0; i < n; ++i) rows.push_back(Url(i));
        list.AddRows(std::move(rows));
        Settle();
        state.ResumeTiming();
        list.SelectAllRows();
        list.RemoveSelectedRows();
        Settle();
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_SelectAllThenRemoveSelected)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// The list full of rows of the given length, painted again and again.
void BM_PaintRows(benchmark::State& state) {
    fw::Listbox& list = *gWindow->list;
    list.DeleteAllRows();
    std::vector<std::string> rows(
        30, "http://x/" + std::string(static_cast<std::size_t>(state.range(0)), 'q'));
    list.AddRows(std::move(rows));
    Settle();
    QWidget& viewport = *list.View()->viewport();
    for (auto _ : state) viewport.repaint();
    list.DeleteAllRows();
    Settle();
}
BENCHMARK(BM_PaintRows)->Arg(100)->Arg(2 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    fw::RuntimeInit(argc, argv);
    gWindow = new BenchWindow;
    gWindow->Construct("BenchWindow");
    Settle();
    bench::FigureReporter reporter;
    // Ends before the run-time does, whose turn it times.
    std::optional<fw::ScopedEventLoopTurn> timed(std::in_place, &TimedTurn);
    const int status = bench::RunAndCheck(argc, argv, reporter, [&] {
        auto perRowRatio = [&](const std::string& base) {
            return reporter.Get(base + "/100000", "items_per_second") /
                   reporter.Get(base + "/1000000", "items_per_second");
        };
        bench::Targets targets;
        if (reporter.Ran({"BM_AddRowOneByOne/100000", "BM_AddRowOneByOne/1000000"})) {
            const std::string large = "BM_AddRowOneByOne/1000000";
            targets.AtMost("AddRow one by one: time per row 1M / 100k",
                           perRowRatio("BM_AddRowOneByOne"), 1.5);
            targets.AtMost("AddRow one by one: longest event-loop gap at 1M rows (ms)",
                           reporter.Get(large, "max_gap_ms"), 50);
            targets.AtMost(
                "memory per row beyond its text at 1M rows (bytes)",
                reporter.Get(large, "bytes_per_row") - reporter.Get(large, "text_per_row"), 64);
        }
        if (reporter.Ran({"BM_SelectAllThenRemoveSelected/100000",
                          "BM_SelectAllThenRemoveSelected/1000000"}))
            targets.AtMost("select all + remove selected: time per row 1M / 100k",
                           perRowRatio("BM_SelectAllThenRemoveSelected"), 1.5);
        if (reporter.Ran({"BM_PaintRows/100", "BM_PaintRows/2097152"}))
            targets.AtMost(
                "painting rows of 2 MiB / rows of 100 bytes, time",
                reporter.Get("BM_PaintRows/2097152", "ms") / reporter.Get("BM_PaintRows/100", "ms"),
                1.5);
        return targets.Met();
    });
    timed.reset();
    fw::RuntimeReleaseModuleLists();
    fw::RuntimeExit();
    return status;
}
