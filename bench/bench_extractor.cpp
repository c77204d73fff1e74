// The URL extractor on the real main window (offscreen): texts of 5, 10 and 20 MB in the
// editor, one URL in every 100 bytes or so (200,000 URLs in 20 MB), among Japanese text.
// Targets (checked at the end of the run): linear in the bytes, time per byte at 20 MB at most
// 1.5 times that at 5 MB; the window keeps answering, its longest event-loop gap at 20 MB within
// 50 ms (the editor's text is read in pieces).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "bench/BenchShell.h"
#include "bench/BenchSupport.h"
#include "bench/GapProbe.h"
#include "framework/core/MsgBox.h"
#include "window/ScrapWindow.h"
#include "window/SelListBox.h"
#include "window/urlEditfield.h"

namespace {

ScrapWindow* gWindow = nullptr;

SelListBox& List() {
    return gWindow->ControlNamed<SelListBox>("ListBox1");
}

// About `megabytes` MB: lines of words, Japanese text and one URL each.
std::string Text(std::int64_t megabytes, std::int64_t& urls) {
    std::string text;
    const std::size_t size = static_cast<std::size_t>(megabytes) << 20;
    text.reserve(size + 200);
    urls = 0;
    while (text.size() < size) {
        text += "画像の一覧 see \"http://example.com/gallery/";
        text += std::to_string(urls++);
        text += "/photo.jpg\" (最新), more words here.\r";
    }
    return text;
}

// The whole button: the editor's text read, every URL added, the list page shown.
void BM_ExtractFromEditor(benchmark::State& state) {
    std::int64_t urls = 0;
    const std::string text = Text(state.range(0), urls);
    gWindow->ControlNamed<urlEditfield>("EditField2").SetText(text);
    const auto quiet = fw::SetMsgBoxHook([](const std::string&) {});
    double longestGapMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        gWindow->menu_del_Action();
        QApplication::processEvents();
        state.ResumeTiming();
        bench::GapProbe probe;
        gWindow->PushButton1_Action();
        List().FlushPendingRows();
        longestGapMs = std::max(longestGapMs, probe.Stop());
    }
    fw::SetMsgBoxHook(quiet);
    if (List().ListCount() != urls) state.SkipWithError("wrong number of rows");
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    state.counters["urls"] = static_cast<double>(urls);
    state.counters["longest_gap_ms"] = longestGapMs;
    gWindow->menu_del_Action();
    gWindow->ControlNamed<urlEditfield>("EditField2").SetText("");
}

BENCHMARK(BM_ExtractFromEditor)
    ->Arg(5)
    ->Arg(10)
    ->Arg(20)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    gWindow = bench::OpenMainWindow(argc, argv);
    gWindow->MP_KirikaeEditor();
    QApplication::processEvents();

    bench::FigureReporter reporter;
    const int status = bench::RunAndCheck(argc, argv, reporter, [&] {
        if (!reporter.Ran({"BM_ExtractFromEditor/5", "BM_ExtractFromEditor/20"})) return true;
        auto get = [&](const char* name, const char* key) { return reporter.Get(name, key); };
        bench::Targets targets;
        targets.Show("URLs in 20 MB", get("BM_ExtractFromEditor/20", "urls"));
        targets.AtMost(
            "time per byte, 20 MB / 5 MB",
            get("BM_ExtractFromEditor/20", "ms") / 4 / get("BM_ExtractFromEditor/5", "ms"), 1.5);
        targets.AtMost("20 MB: longest event-loop gap, ms",
                       get("BM_ExtractFromEditor/20", "longest_gap_ms"), 50);
        return targets.Met();
    });
    bench::CloseMainWindow();
    return status;
}
