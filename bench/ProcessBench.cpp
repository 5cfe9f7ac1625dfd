// Benchmarks that run the program itself as a user starts it, each in a folder of its own
// holding a copy of the program, its data file and its settings file.
#include "ProcessBench.h"

#include "BenchData.h"
#include "BenchNames.h"
#include "ProgramProcess.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace nudgeon::bench {
namespace {

constexpr double PaintTimeoutSeconds = 60;
constexpr double DefaultIdleSeconds = 60;
// Time for the first ticks after the first paint before the idle measurement begins.
constexpr double SettleSeconds = 2;
// The tick's work of the first paint is done well within this.
constexpr double MemorySettleSeconds = 1;

// A portable install of the program: the program file beside its data and settings files.
class ProgramFolder {
public:
    ProgramFolder(const std::filesystem::path& program, int reminders)
    {
        executable_ = folder_.Path() / program.filename();
        // A hard link is a copy that costs nothing; the program takes the folder it was started
        // from as its own.
        std::error_code error;
        std::filesystem::create_hard_link(program, executable_, error);
        if (error)
            std::filesystem::copy_file(program, executable_);
        WriteDataFile(folder_.Path() / "Nudgeon.dat", MakeReminderLists(reminders, Now()));
        std::ofstream settings(folder_.Path() / "Nudgeon.INI");
        settings << "[Tray]\nUse=0\n[Misc]\nAnimateIcon=0\n";
    }

    const std::filesystem::path& Executable() const { return executable_; }
    std::filesystem::path LogFile() const { return folder_.Path() / "output.log"; }

private:
    TempFolder folder_;
    std::filesystem::path executable_;
};

const ProgramFolder& Installed(int reminders)
{
    static const ProgramFolder empty(NUDGEON_PROGRAM, 0);
    static const ProgramFolder tenThousand(NUDGEON_PROGRAM, 10000);
    static const ProgramFolder hundredThousand(NUDGEON_PROGRAM, 100000);
    switch (reminders) {
    case 0:
        return empty;
    case 10000:
        return tenThousand;
    default:
        return hundredThousand;
    }
}

const ProgramFolder& BareWindow()
{
    static const ProgramFolder bare(NUDGEON_BARE_WINDOW, 0);
    return bare;
}

// A program started from its folder with a runtime folder of its own, so that no other copy
// of the program on the machine holds its single-instance lock.
struct Started {
    TempFolder runtime;
    ProgramProcess process;

    explicit Started(const ProgramFolder& folder)
        : process(folder.Executable(), runtime.Path(), folder.LogFile())
    {}
};

void SleepSeconds(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

double IdleSeconds()
{
    const char* seconds = std::getenv("NUDGEON_BENCH_IDLE_SECONDS");
    return seconds != nullptr ? std::atof(seconds) : DefaultIdleSeconds;
}

void StartWith(benchmark::State& state, int reminders)
{
    const ProgramFolder& folder = Installed(reminders);
    for (auto _ : state) {
        Started program(folder);
        const auto painted = program.process.WaitForFirstPaint(PaintTimeoutSeconds);
        if (!painted) {
            state.SkipWithError("the program did not paint its window");
            return;
        }
        state.SetIterationTime(*painted);
    }
}

void Start(benchmark::State& state)
{
    StartWith(state, 10000);
}

void StartEmpty(benchmark::State& state)
{
    StartWith(state, 0);
}

void MemoryWith(benchmark::State& state, int reminders)
{
    const ProgramFolder& folder = Installed(reminders);
    for (auto _ : state) {
        Started program(folder);
        const auto painted = program.process.WaitForFirstPaint(PaintTimeoutSeconds);
        if (!painted) {
            state.SkipWithError("the program did not paint its window");
            return;
        }
        state.SetIterationTime(*painted);
        SleepSeconds(MemorySettleSeconds);
        state.counters[names::ResidentBytes] = program.process.Counters().residentBytes;
    }
}

void Memory(benchmark::State& state)
{
    MemoryWith(state, 100000);
}

void MemoryEmpty(benchmark::State& state)
{
    MemoryWith(state, 0);
}

// The program with 100,000 reminders and the bare window side by side, so that both wait
// through the same minute of the machine.
void Idle(benchmark::State& state)
{
    const double seconds = IdleSeconds();
    for (auto _ : state) {
        Started program(Installed(100000));
        Started bare(BareWindow());
        if (!program.process.WaitForFirstPaint(PaintTimeoutSeconds) ||
            !bare.process.WaitForFirstPaint(PaintTimeoutSeconds)) {
            state.SkipWithError("a program did not paint its window");
            return;
        }
        SleepSeconds(SettleSeconds);
        const ProcessCounters programBefore = program.process.Counters();
        const ProcessCounters bareBefore = bare.process.Counters();
        SleepSeconds(seconds);
        const ProcessCounters programAfter = program.process.Counters();
        const ProcessCounters bareAfter = bare.process.Counters();
        state.SetIterationTime(seconds);
        state.counters[names::CpuSeconds] = programAfter.cpuSeconds - programBefore.cpuSeconds;
        state.counters[names::BaselineCpuSeconds] = bareAfter.cpuSeconds - bareBefore.cpuSeconds;
        state.counters[names::WakeUpsPerSecond] =
            static_cast<double>(WakeUpsBetween(programBefore, programAfter)) / seconds;
        state.counters[names::BaselineWakeUpsPerSecond] =
            static_cast<double>(WakeUpsBetween(bareBefore, bareAfter)) / seconds;
    }
}

void Register(const char* name, void (*function)(benchmark::State&), int repetitions)
{
    benchmark::RegisterBenchmark(name, function)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(repetitions);
}

} // namespace

void RegisterProcessBenchmarks()
{
    Register(names::Start, Start, 9);
    Register(names::StartEmpty, StartEmpty, 9);
    Register(names::Memory, Memory, 3);
    Register(names::MemoryEmpty, MemoryEmpty, 3);
    Register(names::Idle, Idle, 1);
}

} // namespace nudgeon::bench
