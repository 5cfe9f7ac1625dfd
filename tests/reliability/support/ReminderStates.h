// Reminder lists that differ from one numbered state to the next, rebuilt identically from the
// same numbers, so that a test can tell which state a file holds; and a storage over a real
// data file for the tick engine.
#pragma once

#include "controls/ReminderGridRows.h"
#include "model/DaysSpec.h"
#include "model/Reminder.h"
#include "schedule/TickEngine.h"
#include "schedule/TickFakes.h"
#include "schedule/TickServices.h"
#include "store/DataFile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>

namespace nudgeon::test {

// A small generator that gives the same numbers everywhere (the standard distributions differ
// between libraries).
class SplitMix {
public:
    explicit SplitMix(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next()
    {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

struct ReminderLists {
    ReminderList oneTime;
    ReminderList repeating;
};

// The label that names a state; it is the description of the first one-time reminder.
inline std::string StateLabel(int round, int state)
{
    return "state " + std::to_string(round) + " " + std::to_string(state);
}

// Lists of a few to some hundred reminders, with texts long enough that the file takes many
// buffers, different in every state.
inline ReminderLists MakeState(int round, int state)
{
    SplitMix random(static_cast<std::uint64_t>(round) * 1000003u +
                    static_cast<std::uint64_t>(state));
    ReminderLists lists;
    lists.oneTime.push_back(
        TReminder::CreateOneTime(rkOneTime, 45355.5, StateLabel(round, state), "", etShowAndPlay));
    const int oneTimeCount = random.Below(120);
    for (int i = 0; i < oneTimeCount; ++i) {
        const std::string text(static_cast<std::size_t>(random.Below(400)),
                               static_cast<char>('a' + random.Below(26)));
        auto reminder = TReminder::CreateOneTime(
            rkOneTime, 45000 + random.Below(1000) + random.Below(1440) / 1440.0,
            "note " + std::to_string(i) + " " + text, "/sounds/" + std::to_string(i) + ".wav",
            static_cast<TEventType>(random.Below(4)));
        reminder->Status = static_cast<TReminderStatus>(random.Below(4));
        lists.oneTime.push_back(std::move(reminder));
    }
    const int repeatingCount = random.Below(40);
    for (int i = 0; i < repeatingCount; ++i) {
        lists.repeating.push_back(TReminder::CreateRepeating(
            rkRepeating, random.Below(1440) / 1440.0, random.Below(2) == 0,
            random.Below(1440) / 1440.0, MakeSpecialSpec(random.Below(6), random.Below(8), 0),
            random.Below(3) * 15, "repeat " + std::to_string(i), "",
            static_cast<TEventType>(random.Below(4))));
    }
    return lists;
}

// Every field alike.
inline bool SameReminder(const TReminder& a, const TReminder& b)
{
    return a.Kind == b.Kind && a.EventType == b.EventType && a.AlarmTime == b.AlarmTime &&
           a.StartTime == b.StartTime && a.HasUntil == b.HasUntil && a.EndTime == b.EndTime &&
           a.Description == b.Description && a.SoundFile == b.SoundFile &&
           a.DaysSpec == b.DaysSpec && a.RepeatEvery == b.RepeatEvery && a.Status == b.Status &&
           a.ReservedFlag == b.ReservedFlag;
}

inline bool SameList(const ReminderList& a, const ReminderList& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!SameReminder(*a[i], *b[i]))
            return false;
    return true;
}

inline ReminderList CopyOf(const ReminderList& list)
{
    ReminderList copy;
    for (const auto& reminder : list)
        copy.push_back(reminder->Clone());
    return copy;
}

// The tick engine's data file, on a real file.
class DataFileStorage : public ReminderStorage {
public:
    explicit DataFileStorage(std::filesystem::path file) : file_(std::move(file)) {}
    void LoadFromDisk(ReminderList& oneTime, ReminderList& repeating) override
    {
        TDateTime lastDate = 0;
        nudgeon::LoadFromDisk(file_, oneTime, repeating, lastDate);
    }
    void SaveToDisk(const ReminderList& oneTime, const ReminderList& repeating) override
    {
        nudgeon::SaveToDisk(file_, oneTime, repeating);
    }

private:
    std::filesystem::path file_;
};

// A tick engine over fake windows and sound and a real data file, as the program runs it.
struct DataFileEngine {
    explicit DataFileEngine(std::filesystem::path file) : storage(std::move(file)) {}

    EventLog log;
    FakeNotifier notification{log};
    FakeSound sound{log};
    FakeTickWindow window{log};
    DataFileStorage storage;
    ReminderGridRows alarmGrid;
    ReminderGridRows repeatingAlarmGrid;
    TickEngine engine{{alarmGrid, repeatingAlarmGrid, notification, sound, storage, window}};
};

} // namespace nudgeon::test
