// Throughput and memory of the sequence engine, against a plain loop that formats the same
// strings in the same run. Targets (checked at the end of the run):
// - one bracket: at least half the items per second of the plain loop;
// - two brackets: at most 1.5 times the time per entry of one bracket;
// - every case linear: time per entry at the large size at most 1.5 times that at the small;
// - peak memory of a call: the entries themselves plus one array (at most 5% more).
// The wide pass (a million entries, each replaced by one) shows that a pass removes the entries
// it expanded in time linear in the list; its memory is shown, not checked: while it runs the
// array holds the expanded entries and their replacements.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "bench/CountingAllocator.h"
#include "engine/myglobal.h"

namespace {

// The heap blocks that the entries and their array occupy, counted as the allocator does.
double DataBytes(const std::vector<std::string>& list) {
    std::size_t bytes = malloc_usable_size(const_cast<std::string*>(list.data()));
    for (const auto& s : list) {
        if (s.capacity() > 15) bytes += malloc_usable_size(const_cast<char*>(s.data()));
    }
    return static_cast<double>(bytes);
}

std::string Digits(std::int64_t n) {
    return std::to_string(n);
}

// Runs one expansion per iteration; records items per second and the memory ratio.
void RunExpansion(benchmark::State& state, const std::string& pattern, std::int32_t mode) {
    std::size_t entries = 0;
    double memoryRatio = 0;
    for (auto _ : state) {
        std::vector<std::string> list;
        const std::size_t before = bench::HeapInUse();
        bench::ResetHeapPeak();
        benchmark::DoNotOptimize(myglobal::MG_MakeRenbanList(pattern, list, mode));
        memoryRatio = static_cast<double>(bench::HeapPeak() - before) / DataBytes(list);
        entries = list.size();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(entries));
    state.counters["entries"] = static_cast<double>(entries);
    state.counters["peak/data"] = memoryRatio;
}

void BM_Baseline(benchmark::State& state) {
    const auto n = state.range(0);
    const int width = static_cast<int>(Digits(n).size());
    for (auto _ : state) {
        std::vector<std::string> list;
        list.reserve(static_cast<std::size_t>(n));
        char buf[64];
        for (std::int64_t v = 1; v <= n; ++v) {
            const int len = std::snprintf(buf, sizeof buf, "http://example.com/img/%0*lld.jpg",
                                          width, static_cast<long long>(v));
            list.emplace_back(buf, static_cast<std::size_t>(len));
        }
        benchmark::DoNotOptimize(list.data());
    }
    state.SetItemsProcessed(state.iterations() * n);
}

// http://example.com/img/[0000001-1000000].jpg at one million.
void BM_OneBracket(benchmark::State& state) {
    const auto n = state.range(0);
    const std::string first = std::string(Digits(n).size() - 1, '0') + "1";
    RunExpansion(state, "http://example.com/img/[" + first + "-" + Digits(n) + "].jpg", 1);
}

// A[1-1000]B[1-1000]C at one million.
void BM_TwoBrackets(benchmark::State& state) {
    RunExpansion(state, "A[1-" + Digits(state.range(0) / 1000) + "]B[1-1000]C", 2);
}

// x[a-zzzz]y: 26 to the power 4 entries (a is 0, zzzz is 456975).
void BM_Letters(benchmark::State& state) {
    RunExpansion(state, "x[a-" + std::string(static_cast<std::size_t>(state.range(0)), 'z') + "]y",
                 2);
}

// A[1-n]B[0-0]C: the pass walks n entries and replaces every one.
void BM_WidePass(benchmark::State& state) {
    RunExpansion(state, "A[1-" + Digits(state.range(0)) + "]B[0-0]C", 2);
}

// Linearity is compared between sizes that both lie far beyond the caches: below a few
// megabytes of entries the time per entry drops for reasons of the memory hierarchy alone.
BENCHMARK(BM_Baseline)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneBracket)->Arg(1'000'000)->Arg(4'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwoBrackets)->Arg(1'000'000)->Arg(4'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Letters)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WidePass)->Arg(500'000)->Arg(2'000'000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Freed memory stays with the process, so that every iteration after the first reuses it:
    // otherwise the cost of the kernel mapping fresh pages, which varies from run to run and
    // between sizes, drowns what the code itself costs.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
    bench::FigureReporter reporter;
    return bench::RunAndCheck(argc, argv, reporter, [&] {
        if (!reporter.Ran({"BM_Baseline/1000000", "BM_OneBracket/1000000", "BM_OneBracket/4000000",
                           "BM_TwoBrackets/1000000", "BM_TwoBrackets/4000000", "BM_Letters/3",
                           "BM_Letters/4", "BM_WidePass/500000", "BM_WidePass/2000000"}))
            return true;
        auto rate = [&](const char* name) { return reporter.Get(name, "items_per_second"); };
        bench::Targets targets;
        targets.AtLeast("one bracket / baseline, items per second",
                        rate("BM_OneBracket/1000000") / rate("BM_Baseline/1000000"), 0.5);
        targets.AtMost("two brackets / one bracket, time per entry",
                       rate("BM_OneBracket/1000000") / rate("BM_TwoBrackets/1000000"), 1.5);
        targets.AtMost("one bracket 4M / 1M, time per entry",
                       rate("BM_OneBracket/1000000") / rate("BM_OneBracket/4000000"), 1.5);
        targets.AtMost("two brackets 4M / 1M, time per entry",
                       rate("BM_TwoBrackets/1000000") / rate("BM_TwoBrackets/4000000"), 1.5);
        targets.AtMost("letters zzzz / zzz, time per entry",
                       rate("BM_Letters/3") / rate("BM_Letters/4"), 1.5);
        targets.AtMost("wide pass 2M / 500k, time per entry",
                       rate("BM_WidePass/500000") / rate("BM_WidePass/2000000"), 1.5);
        for (const auto& [name, figures] : reporter.All()) {
            const auto memory = figures.find("peak/data");
            if (memory == figures.end()) continue;
            if (name.rfind("BM_WidePass", 0) == 0) {
                targets.Show(name + " peak memory / data", memory->second);
            } else {
                targets.AtMost(name + " peak memory / data", memory->second, 1.05);
            }
        }
        return targets.Met();
    });
}
