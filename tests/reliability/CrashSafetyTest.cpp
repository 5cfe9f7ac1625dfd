// A process saving ever-changing lists is killed at random moments, hundreds of times: the data
// file must then always hold one whole state that was saved - never a mixture, never nothing,
// never older than the last save that had finished.
#include "ChildProcess.h"
#include "ReminderStates.h"
#include "store/DataFile.h"
#include "store/StoreTestSupport.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

namespace nudgeon::test {
namespace {

constexpr int Kills = 500;

struct StateId {
    int round = 0;
    int state = 0;
    bool operator==(const StateId&) const = default;
};

std::string Describe(const StateId& id)
{
    return StateLabel(id.round, id.state);
}

std::string BytesOfState(const StateId& id, const std::filesystem::path& scratch)
{
    const ReminderLists lists = MakeState(id.round, id.state);
    SaveToDisk(scratch, lists.oneTime, lists.repeating);
    return ReadFileBytes(scratch);
}

// Saves one state after another until killed, telling the parent of each finished save.
int SaveForever(const std::filesystem::path& file, int round, const ParentLink& parent)
{
    for (int state = 0;; ++state) {
        const ReminderLists lists = MakeState(round, state);
        SaveToDisk(file, lists.oneTime, lists.repeating);
        parent.Say(std::to_string(state));
    }
}

// Removes the new files that killed saves left behind; returns how many there were.
int RemoveUnfinishedFiles(const std::filesystem::path& folder, const std::filesystem::path& file)
{
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path() == file)
            continue;
        std::filesystem::remove(entry.path());
        ++count;
    }
    return count;
}

std::chrono::microseconds AverageSaveTime(const std::filesystem::path& scratch)
{
    const auto began = std::chrono::steady_clock::now();
    for (int state = 0; state < 10; ++state)
        BytesOfState({-1, state}, scratch);
    return std::chrono::duration_cast<std::chrono::microseconds>(
        (std::chrono::steady_clock::now() - began) / 10);
}

TEST(CrashSafety, AKilledSaveLeavesOneWholeSavedState)
{
    TempDir folder;
    TempDir scratchFolder;
    const std::filesystem::path file = folder / "Nudgeon.dat";
    const std::filesystem::path scratch = scratchFolder / "expected.dat";
    StateId onDisk{0, 0};
    WriteFileBytes(file, BytesOfState(onDisk, scratch));

    // Kill moments spread over about three saves, so that many land inside one.
    const auto saveTime = AverageSaveTime(scratch);
    const auto spread = std::max<std::int64_t>(3 * saveTime.count(), 100);
    SplitMix random(500);
    int killedInsideASave = 0;
    int killedBeforeTheFirstSave = 0;

    for (int round = 1; round <= Kills; ++round) {
        ChildProcess saver(
            [&](const ParentLink& parent) { return SaveForever(file, round, parent); });
        // Every other round waits for one finished save first.
        std::optional<int> lastReported;
        if (random.Below(2) == 0) {
            const auto first = saver.ReadLine();
            ASSERT_TRUE(first.has_value());
            lastReported = std::stoi(*first);
        }
        std::this_thread::sleep_for(
            std::chrono::microseconds(random.Below(static_cast<int>(spread))));
        saver.Kill();
        ASSERT_EQ(saver.Wait(), 128 + SIGKILL);
        while (const auto line = saver.ReadLine())
            lastReported = std::stoi(*line);
        killedInsideASave += RemoveUnfinishedFiles(folder.Path(), file) > 0 ? 1 : 0;
        if (!lastReported)
            ++killedBeforeTheFirstSave;

        // The save being written when the kill came may or may not have taken the file's place.
        const StateId older = lastReported ? StateId{round, *lastReported} : onDisk;
        const StateId newer{round, lastReported ? *lastReported + 1 : 0};
        const std::string bytes = ReadFileBytes(file);
        ReminderList oneTime;
        ReminderList repeating;
        TDateTime lastDate = 0;
        ASSERT_NO_THROW(LoadFromDisk(file, oneTime, repeating, lastDate)) << "round " << round;
        ASSERT_FALSE(std::filesystem::exists(folder / "Nudgeon.dat.damaged")) << "round " << round;
        ASSERT_FALSE(oneTime.empty()) << "round " << round;
        const std::string label = oneTime.front()->Description;
        ASSERT_TRUE(label == Describe(older) || label == Describe(newer))
            << "round " << round << ": the file holds " << label;
        onDisk = label == Describe(older) ? older : newer;
        ASSERT_EQ(bytes, BytesOfState(onDisk, scratch)) << "round " << round << ", " << label;
    }

    // The kills must have hit where it matters.
    EXPECT_GT(killedInsideASave, Kills / 10);
    std::cout << "[ crash    ] " << Kills << " kills, " << killedInsideASave << " inside a save, "
              << killedBeforeTheFirstSave
              << " before the round's first save; every file whole (one save takes about "
              << saveTime.count() << " us)\n";
}

} // namespace
} // namespace nudgeon::test
