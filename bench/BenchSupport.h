#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

// What every benchmark program does around its benchmarks: keeping each run's figures, then
// checking its targets against them at the end of the run.
namespace bench {

// Keeps every run's counters and its adjusted time ("ms", in the run's own unit) under the
// run's name without its "/iterations:N" part.
class FigureReporter : public benchmark::ConsoleReporter {
public:
    using ConsoleReporter::ConsoleReporter;
    void ReportRuns(const std::vector<Run>& runs) override;

    // Whether every one of the runs took place; a filtered run leaves nothing to compare.
    bool Ran(std::initializer_list<const char*> names) const;
    double Get(const std::string& name, const std::string& key) const;
    const std::map<std::string, std::map<std::string, double>>& All() const { return figures_; }

private:
    std::map<std::string, std::map<std::string, double>> figures_;
};

// Prints one line per target and remembers whether all were met.
class Targets {
public:
    Targets();
    void AtMost(const std::string& what, double value, double limit);
    void AtLeast(const std::string& what, double value, double limit);
    // A figure shown for comparison, with no target.
    void Show(const std::string& what, double value, const std::string& note = "");
    bool Met() const { return met_; }

private:
    void Line(const std::string& what, double value, const char* relation, double limit, bool met);
    bool met_ = true;
};

// Runs the benchmarks the command line selects through `reporter`, then `checkTargets`;
// returns the program's exit status.
int RunAndCheck(int& argc, char** argv, FigureReporter& reporter,
                const std::function<bool()>& checkTargets);

}  // namespace bench
