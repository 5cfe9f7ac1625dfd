// The main window at its first size with a long and a short one-time list: a full repaint of
// the grid should cost what its visible rows cost, however many rows there are.
#include "PaintBench.h"

#include "BenchData.h"
#include "BenchFakes.h"
#include "BenchNames.h"
#include "ui/Main.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace nudgeon::bench {
namespace {

constexpr int LongList = 100000;
constexpr int ShortList = 20;

// A data file holding `rows` one-time reminders and no repeating ones.
class DataFolder {
public:
    explicit DataFolder(int rows)
    {
        BenchLists lists;
        lists.oneTime = MakeOneTimeList(rows, Now());
        WriteDataFile(folder_.Path() / "Nudgeon.dat", lists);
    }
    const std::filesystem::path& Path() const { return folder_.Path(); }

private:
    TempFolder folder_;
};

const DataFolder& Folder(int rows)
{
    static const DataFolder longList(LongList);
    static const DataFolder shortList(ShortList);
    return rows == LongList ? longList : shortList;
}

void PaintWith(benchmark::State& state, int rows)
{
    CountingNotifier notification;
    CountingSound sound;
    TMainForm form(notification, sound, nullptr, Folder(rows).Path());
    form.show();
    QCoreApplication::processEvents();
    if (form.AlarmGrid->RowCount() != rows + 1) {
        state.SkipWithError("the data file did not load whole");
        return;
    }
    for (auto _ : state)
        form.AlarmGrid->RepaintNow();
    form.hide();
}

void Paint(benchmark::State& state)
{
    PaintWith(state, LongList);
}

void PaintSmall(benchmark::State& state)
{
    PaintWith(state, ShortList);
}

} // namespace

void RegisterPaintBenchmarks()
{
    for (auto* paint : {benchmark::RegisterBenchmark(names::Paint, Paint),
                        benchmark::RegisterBenchmark(names::PaintSmall, PaintSmall)})
        paint->Unit(benchmark::kMicrosecond)->Repetitions(7);
}

} // namespace nudgeon::bench
