// Benchmarks of the data file, the scan for due reminders, the placing of a new row and a
// simulated week of ticks, each beside the baseline it is judged against.
#include "CoreBench.h"

#include "BenchData.h"
#include "BenchFakes.h"
#include "BenchNames.h"
#include "controls/ReminderGridRows.h"
#include "controls/ReminderListOrder.h"
#include "schedule/TickEngine.h"
#include "store/DataFile.h"
#include "support/FakeClock.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <malloc.h>
#include <memory>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace nudgeon::bench {
namespace {

constexpr int ListSize = 100000;
constexpr int WeekListSize = 1000;
constexpr int Repetitions = 7;

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The 100,000 reminders in a data file, made once for every benchmark of the run.
struct StoredLists {
    TempFolder folder;
    std::filesystem::path file = folder.Path() / "Nudgeon.dat";
    std::filesystem::path saveFile = folder.Path() / "Saved.dat";
    std::filesystem::path rawFile = folder.Path() / "Raw.dat";
    BenchLists lists = MakeReminderLists(ListSize, Now());
    std::string bytes;

    StoredLists()
    {
        WriteDataFile(file, lists);
        std::ifstream in(file, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
};

StoredLists& Stored()
{
    static StoredLists stored;
    return stored;
}

void Load(benchmark::State& state)
{
    const StoredLists& stored = Stored();
    ReminderList oneTime;
    ReminderList repeating;
    TDateTime lastDate = 0;
    for (auto _ : state) {
        // The load starts as at start-up: no lists to release, and no memory the process has
        // touched before (the baseline reads into fresh memory too).
        oneTime.clear();
        repeating.clear();
        ::malloc_trim(0);
        const auto start = Clock::now();
        LoadFromDisk(stored.file, oneTime, repeating, lastDate);
        state.SetIterationTime(SecondsSince(start));
    }
    if (oneTime.size() + repeating.size() != ListSize)
        state.SkipWithError("the data file did not load whole");
}

void ReadBytes(benchmark::State& state)
{
    const StoredLists& stored = Stored();
    const std::size_t size = stored.bytes.size();
    for (auto _ : state) {
        const auto start = Clock::now();
        const int fd = ::open(stored.file.c_str(), O_RDONLY | O_CLOEXEC);
        // Memory new to the process, as a program reading its file at start-up has.
        void* memory =
            ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        const ssize_t read = ::read(fd, memory, size);
        ::close(fd);
        benchmark::DoNotOptimize(memory);
        state.SetIterationTime(SecondsSince(start));
        ::munmap(memory, size);
        if (read != static_cast<ssize_t>(size))
            state.SkipWithError("short read");
    }
}

void Save(benchmark::State& state)
{
    const StoredLists& stored = Stored();
    for (auto _ : state) {
        const auto start = Clock::now();
        SaveToDisk(stored.saveFile, stored.lists.oneTime, stored.lists.repeating);
        state.SetIterationTime(SecondsSince(start));
    }
}

void WriteBytes(benchmark::State& state)
{
    const StoredLists& stored = Stored();
    for (auto _ : state) {
        const auto start = Clock::now();
        const int fd =
            ::open(stored.rawFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const ssize_t written = ::write(fd, stored.bytes.data(), stored.bytes.size());
        ::fsync(fd);
        ::close(fd);
        state.SetIterationTime(SecondsSince(start));
        if (written != static_cast<ssize_t>(stored.bytes.size()))
            state.SkipWithError("short write");
    }
}

// The lists as the program holds them after loading the data file now, with the tick engine
// over them.
struct ScanHarness {
    CountingNotifier notification;
    CountingSound sound;
    MemoryStorage storage;
    QuietTickWindow window;
    ReminderGridRows alarmGrid;
    ReminderGridRows repeatingAlarmGrid;
    TickEngine engine{{alarmGrid, repeatingAlarmGrid, notification, sound, storage, window}};

    ScanHarness()
    {
        ReminderList oneTime;
        ReminderList repeating;
        TDateTime lastDate = 0;
        LoadFromDisk(Stored().file, oneTime, repeating, lastDate);
        alarmGrid.AssignReminders(std::move(oneTime));
        repeatingAlarmGrid.AssignReminders(std::move(repeating));
    }

    long Pending() const
    {
        long pending = 0;
        for (const ReminderGridRows* grid : {&alarmGrid, &repeatingAlarmGrid}) {
            for (const auto& reminder : grid->Reminders())
                pending += reminder->Status == rsPending ? 1 : 0;
        }
        return pending;
    }
};

ScanHarness& Scanned()
{
    static ScanHarness harness;
    return harness;
}

void Scan(benchmark::State& state)
{
    ScanHarness& harness = Scanned();
    for (auto _ : state) {
        harness.engine.CheckNormalAlarms();
        harness.engine.CheckRepeatAlarms();
    }
    state.counters["pending"] = static_cast<double>(harness.Pending());
    if (harness.notification.Shown + harness.sound.Started > 0)
        state.SkipWithError("a reminder came due during the scan");
}

// Visits every reminder of both lists once, reading its status: the least a scan can cost.
void ScanWalk(benchmark::State& state)
{
    ScanHarness& harness = Scanned();
    for (auto _ : state) {
        long pending = 0;
        for (const ReminderGridRows* grid : {&harness.alarmGrid, &harness.repeatingAlarmGrid}) {
            for (int row = 1; row < grid->RowCount(); ++row)
                pending += grid->Reminder(row)->Status == rsPending ? 1 : 0;
        }
        benchmark::DoNotOptimize(pending);
    }
}

// A one-time list of 100,000 in time order, and the reminder a user adds to it: due five
// minutes from now, as the editor proposes.
struct PlaceHarness {
    ReminderGridRows grid;
    TDateTime newTime = Now() + 5.0 / MinutesPerDay;

    PlaceHarness()
    {
        grid.AssignReminders(MakeOneTimeList(ListSize, Now()));
        grid.SetRow(1);
    }

    int AddNewRow()
    {
        const int row = grid.AddRow();
        grid.SetReminder(row, TReminder::CreateOneTime(rkOneTime, newTime, "Call the garage", "",
                                                       etShowAndPlay));
        return row;
    }
};

PlaceHarness& Placing()
{
    static PlaceHarness harness;
    return harness;
}

void Place(benchmark::State& state)
{
    PlaceHarness& harness = Placing();
    for (auto _ : state) {
        const int row = harness.AddNewRow();
        const auto start = Clock::now();
        const int target = MoveGridRowToCorrectDateTimeSlot(harness.grid, row, true);
        state.SetIterationTime(SecondsSince(start));
        harness.grid.DeleteRow(target);
    }
}

// Moving the row to the same place without looking for it: the least a placing can cost.
void PlaceMove(benchmark::State& state)
{
    PlaceHarness& harness = Placing();
    const int row = harness.AddNewRow();
    const int target = MoveGridRowToCorrectDateTimeSlot(harness.grid, row, true);
    harness.grid.DeleteRow(target);
    for (auto _ : state) {
        const int added = harness.AddNewRow();
        const auto start = Clock::now();
        harness.grid.MoveRow(added, target);
        harness.grid.SetRow(target);
        state.SetIterationTime(SecondsSince(start));
        harness.grid.DeleteRow(target);
    }
}

// Monday 2024-03-04, half a second after midnight, so that no tick falls on a whole second.
TDateTime WeekStart()
{
    return EncodeDate(2024, 3, 4) + 500.0 / MSecsPerDay;
}

// Seven days of the one-second timer over `count` reminders; every tenth notification is
// snoozed, the others answered Ok.
void RunWeek(benchmark::State& state, int count)
{
    const BenchLists lists = MakeReminderLists(count, WeekStart());
    long shown = 0;
    for (auto _ : state) {
        test::FakeClock clock(WeekStart());
        CountingNotifier notification;
        notification.SnoozeEvery = 10;
        CountingSound sound;
        MemoryStorage storage;
        storage.OneTimeFile = MemoryStorage::Copy(lists.oneTime);
        storage.RepeatingFile = MemoryStorage::Copy(lists.repeating);
        QuietTickWindow window;
        ReminderGridRows alarmGrid;
        ReminderGridRows repeatingAlarmGrid;
        TickEngine engine({alarmGrid, repeatingAlarmGrid, notification, sound, storage, window});
        engine.Reload();
        const auto start = Clock::now();
        for (int tick = 0; tick < 7 * SecondsPerDay; ++tick) {
            clock.AdvanceSeconds(1);
            engine.Timer1Timer();
        }
        state.SetIterationTime(SecondsSince(start));
        shown = notification.Shown;
    }
    state.counters["notifications"] = static_cast<double>(shown);
}

void Week(benchmark::State& state)
{
    RunWeek(state, WeekListSize);
}

void WeekEmpty(benchmark::State& state)
{
    RunWeek(state, 0);
}

void Register(const char* name, void (*function)(benchmark::State&), benchmark::TimeUnit unit)
{
    benchmark::RegisterBenchmark(name, function)
        ->UseManualTime()
        ->Unit(unit)
        ->Repetitions(Repetitions);
}

} // namespace

void RegisterCoreBenchmarks()
{
    Register(names::Load, Load, benchmark::kMillisecond);
    Register(names::ReadBytes, ReadBytes, benchmark::kMillisecond);
    Register(names::Save, Save, benchmark::kMillisecond);
    Register(names::WriteBytes, WriteBytes, benchmark::kMillisecond);
    benchmark::RegisterBenchmark(names::Scan, Scan)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(Repetitions);
    benchmark::RegisterBenchmark(names::ScanWalk, ScanWalk)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(Repetitions);
    Register(names::Place, Place, benchmark::kMicrosecond);
    Register(names::PlaceMove, PlaceMove, benchmark::kMicrosecond);
    // A week takes seconds: three runs of one week each.
    for (auto* week : {benchmark::RegisterBenchmark(names::Week, Week),
                       benchmark::RegisterBenchmark(names::WeekEmpty, WeekEmpty)})
        week->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);
}

} // namespace nudgeon::bench
