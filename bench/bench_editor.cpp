// The editor page of the real main window (offscreen) given one long line through the clipboard,
// as Paste gives it: "http://" and then 300 KB or 1.2 MB of letters without a break point. Target
// (checked at the end of the run): the line is laid out in time linear in its length, time per
// byte at 1.2 MB at most 1.5 times that at 300 KB. The same line with a blank every 20 bytes is
// shown for comparison.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <limits>
#include <string>

#include "bench/BenchShell.h"
#include "bench/BenchSupport.h"
#include "window/ScrapWindow.h"
#include "window/urlEditfield.h"

namespace {

ScrapWindow* gWindow = nullptr;

urlEditfield& Editor() {
    return gWindow->ControlNamed<urlEditfield>("EditField2");
}

std::string Line(std::int64_t bytes, bool blanks) {
    std::string line = "http://";
    line.reserve(static_cast<std::size_t>(bytes));
    while (line.size() < static_cast<std::size_t>(bytes)) {
        line += blanks && line.size() % 20 == 19 ? ' ' : 'q';
    }
    return line;
}

// Pastes the line into the empty editor, then lets the window lay it out and paint it.
void RunPaste(benchmark::State& state, bool blanks) {
    const std::int64_t bytes = state.range(0);
    QApplication::clipboard()->setText(QString::fromStdString(Line(bytes, blanks)));
    QPlainTextEdit& widget = *Editor().PlainWidget();
    for (auto _ : state) {
        state.PauseTiming();
        Editor().SetText("");
        QApplication::processEvents();
        state.ResumeTiming();
        widget.paste();
        QApplication::processEvents();
        widget.viewport()->repaint();
    }
    if (Editor().Text().size() != static_cast<std::size_t>(bytes)) {
        state.SkipWithError("the line did not arrive");
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    Editor().SetText("");
}

void BM_PasteLineWithoutBreaks(benchmark::State& state) {
    RunPaste(state, false);
}
void BM_PasteLineWithBlanks(benchmark::State& state) {
    RunPaste(state, true);
}

BENCHMARK(BM_PasteLineWithoutBreaks)->Arg(300'000)->Arg(1'200'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteLineWithBlanks)->Arg(1'200'000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Freed memory stays with the process, as in the engine's benchmark: otherwise the kernel
    // maps the long line's layout afresh in every run, which costs more per byte the longer the
    // line and is no cost of the layout itself.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
    gWindow = bench::OpenMainWindow(argc, argv);
    gWindow->MP_KirikaeEditor();
    QApplication::processEvents();

    bench::FigureReporter reporter;
    const int status = bench::RunAndCheck(argc, argv, reporter, [&] {
        if (!reporter.Ran(
                {"BM_PasteLineWithoutBreaks/300000", "BM_PasteLineWithoutBreaks/1200000"}))
            return true;
        auto ms = [&](const char* name) { return reporter.Get(name, "ms"); };
        bench::Targets targets;
        targets.AtMost(
            "line without breaks, time per byte 1.2 MB / 300 KB",
            ms("BM_PasteLineWithoutBreaks/1200000") / 4 / ms("BM_PasteLineWithoutBreaks/300000"),
            1.5);
        if (reporter.Ran({"BM_PasteLineWithBlanks/1200000"})) {
            targets.Show(
                "line without breaks / with blanks, 1.2 MB",
                ms("BM_PasteLineWithoutBreaks/1200000") / ms("BM_PasteLineWithBlanks/1200000"));
        }
        return targets.Met();
    });
    bench::CloseMainWindow();
    return status;
}
