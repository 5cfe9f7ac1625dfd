#include "BudgetTable.h"

#include "BenchNames.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

namespace nudgeon::bench {
namespace {

constexpr double MB = 1e6;

// A number by a printf format, and its unit.
std::string WithUnit(const char* format, double value, const char* unit)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value, unit);
    return text;
}

// Three significant digits.
std::string Significant(double value, const char* unit)
{
    if (value >= 100)
        return WithUnit("%.0f %s", value, unit);
    if (value >= 10)
        return WithUnit("%.1f %s", value, unit);
    return WithUnit("%.2f %s", value, unit);
}

std::string FormatSeconds(double seconds)
{
    if (seconds == 0)
        return "0 s";
    if (seconds >= 1)
        return Significant(seconds, "s");
    if (seconds >= 1e-3)
        return Significant(seconds * 1e3, "ms");
    if (seconds >= 1e-6)
        return Significant(seconds * 1e6, "µs");
    return Significant(seconds * 1e9, "ns");
}

std::string RatioText(const std::optional<double>& figure, const std::optional<double>& baseline)
{
    if (!figure || !baseline || *baseline <= 0)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", *figure / *baseline);
    return text;
}

std::string Cell(const std::optional<double>& value, Unit unit)
{
    return value ? FormatValue(*value, unit) : "-";
}

std::string VerdictText(Verdict verdict, const std::string& error)
{
    if (!error.empty())
        return "error: " + error;
    switch (verdict) {
    case Verdict::Pass:
        return "pass";
    case Verdict::Fail:
        return "FAIL";
    case Verdict::NotRun:
        break;
    }
    return "not run";
}

} // namespace

const std::vector<Budget>& Budgets()
{
    using namespace names;
    static const std::vector<Budget> budgets{
        {"load",
         "LoadFromDisk of 100,000 reminders (50,000 one-time, 50,000 repeating)",
         {Load, ""},
         {ReadBytes, ""},
         Unit::Seconds,
         10.0,
         0,
         std::nullopt,
         "≤ 10 × reading the file's bytes in one call"},
        {"save",
         "SaveToDisk of the same lists, crash-safe",
         {Save, ""},
         {WriteBytes, ""},
         Unit::Seconds,
         5.0,
         0,
         std::nullopt,
         "≤ 5 × writing as many bytes in one call + fsync"},
        {"scan",
         "CheckNormalAlarms + CheckRepeatAlarms over the same 100,000, none due",
         {Scan, ""},
         {ScanWalk, ""},
         Unit::Seconds,
         std::nullopt,
         0,
         2e-3,
         "≤ 2 ms (20 ns per reminder)"},
        {"place",
         "MoveGridRowToCorrectDateTimeSlot of a new reminder into 100,000 sorted",
         {Place, ""},
         {PlaceMove, ""},
         Unit::Seconds,
         std::nullopt,
         0,
         1e-3,
         "≤ 1 ms"},
        {"paint",
         "full repaint of the one-time grid with 100,000 rows, first window size",
         {Paint, ""},
         {PaintSmall, ""},
         Unit::Seconds,
         1.2,
         0,
         std::nullopt,
         "≤ 1.2 × the same with 20 rows"},
        {"start",
         "process start to first paint, 10,000 reminders",
         {Start, ""},
         {StartEmpty, ""},
         Unit::Seconds,
         1.3,
         0,
         0.4,
         "≤ 1.3 × empty data file, < 400 ms"},
        {"idle",
         "60 s shown, tray animation off: CPU time (baseline: a bare Qt window)",
         {Idle, CpuSeconds},
         {Idle, BaselineCpuSeconds},
         Unit::Seconds,
         std::nullopt,
         0,
         0.3,
         "≤ 0.3 s"},
        {"idle wake-ups",
         "the same 60 s: thread wake-ups per second (baseline: bare Qt window)",
         {Idle, WakeUpsPerSecond},
         {Idle, BaselineWakeUpsPerSecond},
         Unit::PerSecond,
         std::nullopt,
         0,
         1.5,
         "≤ 1.5 /s: no timer faster than the 1 s tick"},
        {"memory",
         "resident memory after first paint, 100,000 reminders",
         {Memory, ResidentBytes},
         {MemoryEmpty, ResidentBytes},
         Unit::Bytes,
         2.0,
         40 * MB,
         std::nullopt,
         "≤ 2 × with 0 reminders + 40 MB"},
        {"week",
         "a week of one-second ticks, 1,000 reminders (fake clock and windows)",
         {Week, ""},
         {WeekEmpty, ""},
         Unit::Seconds,
         std::nullopt,
         0,
         5.0,
         "≤ 5 s"},
    };
    return budgets;
}

bool ResultCollector::ReportContext(const Context&)
{
    return true;
}

void ResultCollector::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration)
            continue;
        const std::string& name = run.run_name.function_name;
        Results& results = results_[name];
        if (run.error_occurred) {
            results.error = run.error_message;
            std::cerr << name << ": " << run.error_message << '\n';
            continue;
        }
        const double seconds =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        results.seconds = std::min(results.seconds.value_or(seconds), seconds);
        for (const auto& [counter, value] : run.counters) {
            const auto known = results.counters.find(counter);
            results.counters[counter] = known == results.counters.end()
                                            ? value.value
                                            : std::min(known->second, value.value);
        }
        std::cerr << name << ": " << FormatSeconds(seconds);
        for (const auto& [counter, value] : run.counters)
            std::cerr << ", " << counter << " " << value.value;
        std::cerr << '\n';
    }
}

std::optional<double> ResultCollector::Value(const Measure& measure) const
{
    const auto found = results_.find(measure.benchmark);
    if (found == results_.end() || !found->second.error.empty())
        return std::nullopt;
    if (measure.counter.empty())
        return found->second.seconds;
    const auto counter = found->second.counters.find(measure.counter);
    if (counter == found->second.counters.end())
        return std::nullopt;
    return counter->second;
}

std::string ResultCollector::Error(const std::string& benchmark) const
{
    const auto found = results_.find(benchmark);
    return found == results_.end() ? std::string() : found->second.error;
}

Verdict Judge(const Budget& budget, std::optional<double> figure, std::optional<double> baseline)
{
    if (!figure || (budget.maxRatio && !baseline))
        return Verdict::NotRun;
    if (budget.maxRatio && *figure > *budget.maxRatio * *baseline + budget.offset)
        return Verdict::Fail;
    if (budget.maxFigure && *figure > *budget.maxFigure)
        return Verdict::Fail;
    return Verdict::Pass;
}

std::string FormatValue(double value, Unit unit)
{
    switch (unit) {
    case Unit::Seconds:
        return FormatSeconds(value);
    case Unit::Bytes:
        return Significant(value / MB, "MB");
    case Unit::PerSecond:
        return Significant(value, "/s");
    }
    return {};
}

TableSummary PrintBudgetTable(std::ostream& out, const std::vector<Budget>& budgets,
                              const ResultCollector& results)
{
    out << "| What | Workload | Figure | Baseline | Ratio | Budget | Result |\n"
        << "|---|---|---|---|---|---|---|\n";
    TableSummary summary;
    for (const Budget& budget : budgets) {
        const auto figure = results.Value(budget.figure);
        const auto baseline = results.Value(budget.baseline);
        std::string error = results.Error(budget.figure.benchmark);
        if (error.empty())
            error = results.Error(budget.baseline.benchmark);
        const Verdict verdict = Judge(budget, figure, baseline);
        if (!error.empty() || verdict == Verdict::Fail)
            ++summary.failed;
        else if (verdict == Verdict::NotRun)
            ++summary.notRun;
        else
            ++summary.held;
        out << "| " << budget.what << " | " << budget.workload << " | " << Cell(figure, budget.unit)
            << " | " << Cell(baseline, budget.unit) << " | " << RatioText(figure, baseline) << " | "
            << budget.text << " | " << VerdictText(verdict, error) << " |\n";
    }
    return summary;
}

} // namespace nudgeon::bench
