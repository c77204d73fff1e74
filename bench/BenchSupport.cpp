#include "bench/BenchSupport.h"

#include <cstdio>

namespace bench {

void FigureReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const auto& run : runs) {
        std::string name = run.benchmark_name();
        name = name.substr(0, name.find("/iterations"));
        for (const auto& [key, counter] : run.counters) figures_[name][key] = counter;
        figures_[name]["ms"] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
}

bool FigureReporter::Ran(std::initializer_list<const char*> names) const {
    for (const char* name : names) {
        if (!figures_.count(name)) {
            std::printf("\nTargets not checked: %s did not run\n", name);
            return false;
        }
    }
    return true;
}

double FigureReporter::Get(const std::string& name, const std::string& key) const {
    return figures_.at(name).at(key);
}

Targets::Targets() {
    std::printf("\nTargets\n");
}

void Targets::AtMost(const std::string& what, double value, double limit) {
    Line(what, value, "<=", limit, value <= limit);
}

void Targets::AtLeast(const std::string& what, double value, double limit) {
    Line(what, value, ">=", limit, value >= limit);
}

void Targets::Show(const std::string& what, double value, const std::string& note) {
    std::printf("%-64s %9.2f %s\n", what.c_str(), value, note.c_str());
}

void Targets::Line(const std::string& what, double value, const char* relation, double limit,
                   bool met) {
    std::printf("%-64s %9.2f (%s %.2f) %s\n", what.c_str(), value, relation, limit,
                met ? "met" : "MISSED");
    met_ = met_ && met;
}

int RunAndCheck(int& argc, char** argv, FigureReporter& reporter,
                const std::function<bool()>& checkTargets) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool ok = checkTargets();
    benchmark::Shutdown();
    return ok ? 0 : 1;
}

}  // namespace bench
