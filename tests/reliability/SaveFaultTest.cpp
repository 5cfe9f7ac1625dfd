// Saves that fail for real: a full disk (a file size limit), a folder the program may not write
// and a file it may not replace. Each time the tick engine's save after an answer ends with the
// program's message, the file on disk stays byte for byte as it was, the lists in memory keep
// the answer, and the next save once the fault has cleared writes them.
//
// The saving runs in a child process, so that a file size limit or a change of user stays
// there; as root the child becomes an ordinary user, so that permissions bind it.
#include "ChildProcess.h"
#include "ReminderStates.h"
#include "controls/ReminderGridRows.h"
#include "schedule/TickEngine.h"
#include "schedule/TickFakes.h"
#include "store/DataFile.h"
#include "store/StoreTestSupport.h"
#include "support/FakeClock.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace nudgeon::test {
namespace {

enum class Fault { FullDisk, UnwritableFolder, RefusedReplace };

struct FaultCase {
    Fault fault;
    const char* name;
};

// The largest file the full disk lets the child write.
constexpr rlim_t FileSizeLimit = 1024;

// 2028-09-06 12:00, a date none of the generated reminders falls on.
constexpr TDateTime Noon = 47002.5;

// The lists on disk before the test: the generated state, with its first reminder due a minute
// ago and no repeating reminder applying today.
ReminderLists ListsOnDisk()
{
    ReminderLists lists = MakeState(7, 2);
    lists.oneTime.front()->AlarmTime = Noon - 1.0 / MinutesPerDay;
    lists.oneTime.front()->Status = rsPending;
    for (auto& reminder : lists.repeating)
        reminder->DaysSpec = "#400";
    return lists;
}

void TickUntilScan(TickEngine& engine, FakeClock& clock)
{
    for (int tick = 0; tick < TickEngine::TicksPerScan; ++tick) {
        clock.AdvanceSeconds(1);
        engine.Timer1Timer();
    }
}

// The child: answers the due reminder Ok while saving is impossible, reports, waits for the
// fault to clear and ticks on to the next scan.
int AnswerWhileSavingFails(const std::filesystem::path& file, Fault fault, const ParentLink& parent)
{
    if (fault != Fault::FullDisk && !DropRootPrivileges()) {
        parent.Say("could not become an ordinary user");
        return 2;
    }
    FakeClock clock(Noon);
    DataFileEngine run(file);
    run.engine.Reload(); // as at start-up
    // What the lists must hold once the due reminder has been answered Ok.
    ReminderList oneTime = CopyOf(run.alarmGrid.Reminders());
    const ReminderList repeating = CopyOf(run.repeatingAlarmGrid.Reminders());
    oneTime.front()->Status = rsDone;

    rlimit unlimited{};
    ::getrlimit(RLIMIT_FSIZE, &unlimited);
    if (fault == Fault::FullDisk) {
        // Past the limit a write fails with EFBIG instead of ending the process.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{FileSizeLimit, unlimited.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    TickUntilScan(run.engine, clock);
    parent.Say(run.window.Errors.empty() ? "no error" : run.window.Errors.front());
    const bool kept = SameList(run.alarmGrid.Reminders(), oneTime) &&
                      SameList(run.repeatingAlarmGrid.Reminders(), repeating);
    parent.Say(kept ? "memory kept" : "memory changed");

    if (!parent.WaitForGoAhead())
        return 3;
    if (fault == Fault::FullDisk)
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
    TickUntilScan(run.engine, clock);
    parent.Say("errors shown " + std::to_string(run.window.Errors.size()));
    const std::filesystem::path expected =
        std::filesystem::temp_directory_path() / ("nudgeon-expected-" + std::to_string(::getpid()));
    SaveToDisk(expected, oneTime, repeating);
    const bool same = ReadFileBytes(expected) == ReadFileBytes(file);
    std::filesystem::remove(expected);
    parent.Say(same ? "file holds the lists" : "file differs from the lists");
    return 0;
}

class SaveFaultTest : public testing::TestWithParam<FaultCase> {
protected:
    void SetUp() override
    {
        if (GetParam().fault == Fault::RefusedReplace && ::geteuid() != 0)
            GTEST_SKIP() << "needs root to own a file that the saving user may not replace";
        std::filesystem::permissions(base.Path(), std::filesystem::perms(0755));
        std::filesystem::create_directory(folder);
        const ReminderLists before = ListsOnDisk();
        SaveToDisk(file, before.oneTime, before.repeating);
        bytesBefore = ReadFileBytes(file);
    }

    void Inject()
    {
        using std::filesystem::perms;
        if (GetParam().fault == Fault::UnwritableFolder)
            std::filesystem::permissions(folder, perms(0555));
        if (GetParam().fault == Fault::RefusedReplace)
            std::filesystem::permissions(folder, perms(01777)); // others' files stay theirs
    }

    void Clear() { std::filesystem::permissions(folder, std::filesystem::perms(0777)); }

    std::string ExpectedMessage() const
    {
        if (GetParam().fault == Fault::UnwritableFolder)
            return "Cannot create file " + file.string();
        return "Stream write error";
    }

    TempDir base;
    std::filesystem::path folder = base / "program";
    std::filesystem::path file = folder / "Nudgeon.dat";
    std::string bytesBefore;
};

TEST_P(SaveFaultTest, TheOldFileStaysAndTheNextSaveSucceeds)
{
    Inject();
    ChildProcess child([&](const ParentLink& parent) {
        return AnswerWhileSavingFails(file, GetParam().fault, parent);
    });
    EXPECT_EQ(child.ReadLine(), ExpectedMessage());
    EXPECT_EQ(child.ReadLine(), "memory kept");
    EXPECT_TRUE(ReadFileBytes(file) == bytesBefore) << "the file changed";
    if (GetParam().fault == Fault::FullDisk) {
        EXPECT_GT(bytesBefore.size(), 2 * FileSizeLimit)
            << "the lists must be larger than the limit";
    }
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++entries;
    EXPECT_EQ(entries, 1) << "a failed save leaves nothing behind";

    Clear();
    child.GoAhead();
    EXPECT_EQ(child.ReadLine(), "errors shown 1");
    EXPECT_EQ(child.ReadLine(), "file holds the lists");
    EXPECT_EQ(child.Wait(), 0);
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveFaultTest,
                         testing::Values(FaultCase{Fault::FullDisk, "FullDisk"},
                                         FaultCase{Fault::UnwritableFolder, "UnwritableFolder"},
                                         FaultCase{Fault::RefusedReplace, "RefusedReplace"}),
                         [](const testing::TestParamInfo<FaultCase>& fault) {
                             return fault.param.name;
                         });

} // namespace
} // namespace nudgeon::test
