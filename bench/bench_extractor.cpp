// The URL extractor on the real main window (offscreen): texts of 5, 10 and 20 MB in the
// editor, one URL in every 100 bytes or so (200,000 URLs in 20 MB), among Japanese text.
// Target (checked at the end of the run): linear in the bytes, time per byte at 20 MB at most
// 1.5 times that at 5 MB. The longest event-loop gap is reported as well: reading the editor's
// whole text is one call of the toolkit.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "app/App.h"
#include "app/Startup.h"
#include "bench/GapProbe.h"
#include "framework/core/MsgBox.h"
#include "framework/gui/Runtime.h"
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

class TargetReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) {
            std::string name = run.benchmark_name();
            name = name.substr(0, name.find("/iterations"));
            for (const auto& [key, counter] : run.counters) values_[name][key] = counter;
            values_[name]["ms"] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    bool CheckTargets() const {
        for (const char* name : {"BM_ExtractFromEditor/5", "BM_ExtractFromEditor/20"}) {
            if (!values_.count(name)) return true;  // a filtered run: nothing to compare
        }
        auto get = [&](const char* name, const char* key) { return values_.at(name).at(key); };
        bool ok = true;
        auto check = [&](const char* what, double value, double limit) {
            const bool met = value <= limit;
            std::printf("%-60s %9.2f (<= %.2f) %s\n", what, value, limit, met ? "met" : "MISSED");
            ok = ok && met;
        };
        std::printf("\nTargets\n");
        std::printf("%-60s %9.0f\n", "URLs in 20 MB", get("BM_ExtractFromEditor/20", "urls"));
        check("time per byte, 20 MB / 5 MB",
              get("BM_ExtractFromEditor/20", "ms") / 4 / get("BM_ExtractFromEditor/5", "ms"), 1.5);
        std::printf("%-60s %9.2f\n", "20 MB: longest event-loop gap, ms",
                    get("BM_ExtractFromEditor/20", "longest_gap_ms"));
        return ok;
    }

private:
    std::map<std::string, std::map<std::string, double>> values_;
};

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    fw::RuntimeInit(argc, argv);
    Startup::RegisterClasses();
    Startup::InitFileTypes();
    Startup::NewAppInstance();
    Startup::ApplicationAddMenuHandlers();
    Startup::MakeDefaultView();
    App::Instance()->Event_Open();
    gWindow = ScrapWindow::Instance();
    gWindow->MP_KirikaeEditor();
    QApplication::processEvents();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool ok = reporter.CheckTargets();
    benchmark::Shutdown();
    Startup::ShutDown();
    fw::RuntimeExit();
    return ok ? 0 : 1;
}
