// Runs every benchmark, interleaving the repetitions of figures and baselines so that both see
// the same load of a shared machine, and prints the table of budgets.
#include "BudgetTable.h"
#include "CoreBench.h"
#include "PaintBench.h"
#include "ProcessBench.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool HasOption(const std::vector<char*>& arguments, std::string_view option)
{
    for (const char* argument : arguments) {
        if (std::string_view(argument).starts_with(option))
            return true;
    }
    return false;
}

// The offscreen platform tells of every window call it cannot carry out; the table is what
// counts here.
void QuietPlatformNotices(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith("This plugin does not support"))
        return;
    std::cerr << message.toStdString() << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QuietPlatformNotices);
    QApplication application(argc, argv);

    std::vector<char*> arguments(argv, argv + argc);
    const bool filtered = HasOption(arguments, "--benchmark_filter");
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    if (!HasOption(arguments, "--benchmark_enable_random_interleaving"))
        arguments.push_back(interleave.data());
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data()))
        return 2;

    nudgeon::bench::RegisterCoreBenchmarks();
    nudgeon::bench::RegisterPaintBenchmarks();
    nudgeon::bench::RegisterProcessBenchmarks();

    nudgeon::bench::ResultCollector results;
    benchmark::RunSpecifiedBenchmarks(&results);
    benchmark::Shutdown();

    std::cout << '\n';
    const auto summary =
        nudgeon::bench::PrintBudgetTable(std::cout, nudgeon::bench::Budgets(), results);
    std::cout << '\n'
              << summary.held << " budgets held, " << summary.failed << " not met, "
              << summary.notRun << " not run.\n";
    // A row left out by a filter is no failure; one missing from a full run is.
    const bool complete = filtered || summary.notRun == 0;
    return summary.failed == 0 && complete ? 0 : 1;
}
