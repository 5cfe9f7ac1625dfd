// The budgets the benchmarks are held to, the collector of a run's results and the table that
// sets one against the other.
#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace nudgeon::bench {

enum class Unit { Seconds, Bytes, PerSecond };

// One measured value: a benchmark's real time per iteration in seconds, or one of its
// counters; the least over the benchmark's repetitions, the figure least disturbed by the
// other work on a shared machine.
struct Measure {
    std::string benchmark;
    std::string counter; // empty: the time per iteration
};

struct Budget {
    std::string what;
    std::string workload;
    Measure figure;
    Measure baseline;
    Unit unit = Unit::Seconds;
    // The figure may be at most maxRatio times the baseline plus offset ...
    std::optional<double> maxRatio;
    double offset = 0;
    // ... and at most maxFigure.
    std::optional<double> maxFigure;
    // The budget in words, for the table.
    std::string text;
};

// Every row of the table, in the order printed.
const std::vector<Budget>& Budgets();

// Gathers the results of a run's benchmarks and reports each one's progress on stderr.
class ResultCollector : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;

    std::optional<double> Value(const Measure& measure) const;
    // The error a benchmark stopped with, or empty.
    std::string Error(const std::string& benchmark) const;

private:
    struct Results {
        std::optional<double> seconds;
        std::map<std::string, double> counters;
        std::string error;
    };
    std::map<std::string, Results> results_;
};

enum class Verdict { Pass, Fail, NotRun };

// Whether the figure keeps to the budget; NotRun when either value is missing.
Verdict Judge(const Budget& budget, std::optional<double> figure, std::optional<double> baseline);

// A value in the unit's usual words: "812 µs", "1.25 s", "61.3 MB", "1.02 /s".
std::string FormatValue(double value, Unit unit);

struct TableSummary {
    int held = 0;
    int failed = 0; // not met, or the benchmark stopped with an error
    int notRun = 0;
};

// Prints the table (Markdown) of every budget.
TableSummary PrintBudgetTable(std::ostream& out, const std::vector<Budget>& budgets,
                              const ResultCollector& results);

} // namespace nudgeon::bench
