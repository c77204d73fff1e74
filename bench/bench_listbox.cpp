// The framework's list at a million rows, on the offscreen platform. Targets (checked at the
// end of the run, measured against the same run's own small size):
// - adding rows one by one, giving the event loop a turn after each, is linear: time per row
//   at 1,000,000 rows at most 1.5 times that at 100,000;
// - the event loop never waits more than 50 ms while the rows go in;
// - memory per row at most its text plus 64 bytes (every malloc counted, Qt's view included);
// - selecting every row and removing the selected rows at a million rows stay linear.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "framework/core/EventLoop.h"
#include "framework/gui/Listbox.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"

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
std::map<std::string, double> gFigures;

std::size_t MallocInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// The longest single event-loop turn, timed around the GUI's own turn.
fw::EventLoopTurn gGuiTurn = nullptr;
double gMaxTurnMs = 0;
void TimedTurn() {
    QElapsedTimer t;
    t.start();
    gGuiTurn();
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
    const std::string size = std::to_string(n);
    gFigures["max_gap_ms/" + size] = maxGapMs;
    gFigures["overhead_per_row/" + size] = bytesPerRow - textPerRow;
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

class TargetReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            const auto items = run.counters.find("items_per_second");
            if (items != run.counters.end()) rate_[name] = items->second;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> rate_;
};

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    fw::RuntimeInit(argc, argv);
    gGuiTurn = fw::detail::eventLoopTurn;
    fw::SetEventLoopTurn(&TimedTurn);
    gWindow = new BenchWindow;
    gWindow->Construct("BenchWindow");
    Settle();
    benchmark::Initialize(&argc, argv);
    TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    bool ok = true;
    auto check = [&](const char* what, bool pass, double value, double limit) {
        std::printf("%-62s %10.2f (limit %.2f) %s\n", what, value, limit, pass ? "ok" : "MISSED");
        ok = ok && pass;
    };
    auto ratio = [&](const std::string& base) {
        const double small = reporter.rate_[base + "/100000/iterations:1"];
        const double large = reporter.rate_[base + "/1000000/iterations:1"];
        return large > 0 ? small / large : 0.0;
    };
    if (reporter.rate_.count("BM_AddRowOneByOne/1000000/iterations:1")) {
        const double r = ratio("BM_AddRowOneByOne");
        check("AddRow one by one: time per row 1M / 100k", r <= 1.5, r, 1.5);
        const double gap = gFigures["max_gap_ms/1000000"];
        check("AddRow one by one: longest event-loop gap at 1M rows (ms)", gap <= 50, gap, 50);
        const double overhead = gFigures["overhead_per_row/1000000"];
        check("memory per row beyond its text at 1M rows (bytes)", overhead <= 64, overhead, 64);
    }
    const double small = reporter.rate_["BM_SelectAllThenRemoveSelected/100000/iterations:3"];
    const double large = reporter.rate_["BM_SelectAllThenRemoveSelected/1000000/iterations:3"];
    if (small > 0 && large > 0)
        check("select all + remove selected: time per row 1M / 100k", small / large <= 1.5,
              small / large, 1.5);
    fw::RuntimeReleaseModuleLists();
    fw::RuntimeExit();
    return ok ? 0 : 1;
}
