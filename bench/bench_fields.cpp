// The generator page of the real main window (offscreen) with one long line in its "before"
// field, and through it in the pattern field: "http://" and then letters, or a URL-like text.
// Qt lays out a line only up to about 8.4 million pixels; past that it draws none of the run
// that crosses the limit, so lines that must be drawn stay under it.
// Targets (checked at the end of the run):
// - with the focus left in the field, the caret blinking and nothing else happening, the event
//   loop never waits more than 50 ms: with 1 MB of one letter, with the most of that letter Qt
//   still lays out, with 1 MB and 5 MB of a URL-like text (Qt lays out its first 1.2 million
//   characters), with 1 MB of a URL-like text in Latin and Japanese, with 5 MB of one
//   letter, and with hostile text: 1 MB of line separators, a letter with 500,000 and with
//   2,500,000 combining marks (one grapheme cluster), the latter also after the start of a URL
//   (Qt leaves the letter out of its line then), and 1 MB of one emoji sequence joined on and on
//   (one grapheme cluster too);
// - showing the generator page again, with 2 MiB and 5 MB of the URL-like text in its fields,
//   answers within 250 ms and within a second, and paints each field once.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyleHints>
#include <QTimer>
#include <algorithm>
#include <string>
#include <utility>

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
void Fill(const std::string& line) {
    gWindow->MP_KirikaeGenerator();
    Field("allEditfield2").SetText(line);
    Field("allEditfield2").SetFocus();
    QApplication::processEvents();
}

std::string Letters(std::int64_t bytes) {
    std::string line = "http://";
    line.resize(static_cast<std::size_t>(bytes), 'q');
    return line;
}

enum class Kind {
    Letters,
    MostLaidOut,
    UrlLike,
    MixedScripts,
    LineSeparators,
    MarkedLetter,
    MarkedLetterInUrl,
    EmojiSequence
};

// Repeats `unit` as often as it fits in `bytes`.
std::string Repeated(const std::string& start, const std::string& unit, std::int64_t bytes) {
    std::string line = start;
    while (line.size() + unit.size() <= static_cast<std::size_t>(bytes)) line += unit;
    return line;
}

// A line of `bytes`; MostLaidOut takes as many letters as stay a few
// percent under the layout's limit in the field's font.
std::string LongLine(Kind kind, std::int64_t bytes) {
    if (kind == Kind::MostLaidOut) {
        constexpr double kLayoutLimitPx = 8'388'607;
        const QFontMetricsF metrics(Field("allEditfield2").LineWidget()->font());
        bytes = static_cast<std::int64_t>(kLayoutLimitPx * 0.97 / metrics.horizontalAdvance(u'q'));
    }
    switch (kind) {
        case Kind::Letters:
        case Kind::MostLaidOut:
            return Letters(bytes);
        // Scripts that change every few characters make many items in Qt's layout.
        case Kind::UrlLike:
            return Repeated("", "http://example.com/a/b?c=d&", bytes);
        case Kind::MixedScripts:
            return Repeated("", "http://例え.jp/パス?q=日本語&x=y&", bytes);
        case Kind::LineSeparators:
            return Repeated("", "\u2028", bytes);
        // One grapheme cluster of the whole line: a letter with combining acute accents, and a
        // family emoji whose people join on and on.
        case Kind::MarkedLetter:
            return Repeated("a", "\u0301", bytes);
        case Kind::MarkedLetterInUrl:
            return Repeated("http://x/a", "\u0301", bytes);
        case Kind::EmojiSequence:
            return Repeated("\U0001F468", "\u200D\U0001F469", bytes);
    }
    return {};
}

// How many characters of the field's line Qt laid out: with the caret at the end, the field's
// right edge shows the end of what Qt laid out.
int LaidOut(QLineEdit* widget) {
    widget->end(false);
    QApplication::processEvents();
    return widget->cursorPositionAt(QPoint(widget->width() - 4, widget->height() / 2));
}

void Empty() {
    Field("allEditfield2").SetText("");
    QApplication::processEvents();
}

// Runs the event loop for one caret blink period and more, with the focus in the long field,
// the caret at the end of the line.
void BM_CaretBlinkWithLongLine(benchmark::State& state, Kind kind) {
    Fill(LongLine(kind, state.range(0)));
    const int period = QGuiApplication::styleHints()->cursorFlashTime();
    QLineEdit* widget = Field("allEditfield2").LineWidget();
    // Qt draws nothing of a run past its limit: what it lays out is what a paint could cost.
    const int laidOut = LaidOut(widget);
    const int wanted = std::min(1'000'000, static_cast<int>(widget->text().size()) * 9 / 10);
    const bool fillsLayout =
        kind == Kind::MostLaidOut || kind == Kind::UrlLike || kind == Kind::MixedScripts;
    if (fillsLayout && laidOut < wanted) state.SkipWithError("Qt laid out too little");
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
    state.counters["laid_out"] = laidOut;
    Empty();
}

// Shows the generator page from the list page; the field holding the focus gave it up. The
// URL-like line is one Qt lays out as far as its limit, so a paint could cost all of that.
void BM_ShowGeneratorPage(benchmark::State& state) {
    Fill(LongLine(Kind::UrlLike, state.range(0)));
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

BENCHMARK_CAPTURE(BM_CaretBlinkWithLongLine, letters, Kind::Letters)
    ->Arg(1'000'000)
    ->Arg(5'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK_CAPTURE(BM_CaretBlinkWithLongLine, most_laid_out, Kind::MostLaidOut)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK_CAPTURE(BM_CaretBlinkWithLongLine, url_like, Kind::UrlLike)
    ->Arg(1'000'000)
    ->Arg(5'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK_CAPTURE(BM_CaretBlinkWithLongLine, mixed_scripts, Kind::MixedScripts)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK_CAPTURE(BM_CaretBlinkWithLongLine, line_separators, Kind::LineSeparators)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK_CAPTURE(BM_CaretBlinkWithLongLine, marked_letter, Kind::MarkedLetter)
    ->Arg(1'000'001)
    ->Arg(5'000'001)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK_CAPTURE(BM_CaretBlinkWithLongLine, marked_letter_in_url, Kind::MarkedLetterInUrl)
    ->Arg(5'000'010)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK_CAPTURE(BM_CaretBlinkWithLongLine, emoji_sequence, Kind::EmojiSequence)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
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
        if (!reporter.Ran({"BM_CaretBlinkWithLongLine/letters/1000000",
                           "BM_CaretBlinkWithLongLine/letters/5000000",
                           "BM_CaretBlinkWithLongLine/most_laid_out/0",
                           "BM_CaretBlinkWithLongLine/url_like/1000000",
                           "BM_CaretBlinkWithLongLine/url_like/5000000",
                           "BM_CaretBlinkWithLongLine/mixed_scripts/1000000",
                           "BM_CaretBlinkWithLongLine/line_separators/1000000",
                           "BM_CaretBlinkWithLongLine/marked_letter/1000001",
                           "BM_CaretBlinkWithLongLine/marked_letter/5000001",
                           "BM_CaretBlinkWithLongLine/marked_letter_in_url/5000010",
                           "BM_CaretBlinkWithLongLine/emoji_sequence/1000000",
                           "BM_ShowGeneratorPage/2097152", "BM_ShowGeneratorPage/5000000"}))
            return true;
        auto get = [&](const std::string& name, const char* key) {
            return reporter.Get(name, key);
        };
        bench::Targets targets;
        for (const auto& [name, what] :
             {std::pair{"letters/1000000", "1 MB of one letter"},
              std::pair{"most_laid_out/0", "the most of one letter Qt lays out"},
              std::pair{"url_like/1000000", "1 MB of a URL-like text"},
              std::pair{"mixed_scripts/1000000", "1 MB of Latin and Japanese"},
              std::pair{"letters/5000000", "5 MB of one letter"},
              std::pair{"url_like/5000000", "5 MB of a URL-like text"},
              std::pair{"line_separators/1000000", "1 MB of line separators"},
              std::pair{"marked_letter/1000001", "a letter with 500,000 combining marks"},
              std::pair{"marked_letter/5000001", "a letter with 2,500,000 combining marks"},
              std::pair{"marked_letter_in_url/5000010",
                        "a URL's letter with 2,500,000 combining marks"},
              std::pair{"emoji_sequence/1000000", "1 MB of one emoji sequence"}})
            targets.AtMost(
                std::string("caret blinking in ") + what + ": longest event-loop gap, ms",
                get(std::string("BM_CaretBlinkWithLongLine/") + name, "longest_gap_ms"), 50);
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
