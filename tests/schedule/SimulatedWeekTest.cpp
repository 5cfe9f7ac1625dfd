// A week of ticks over a few hundred reminders, every firing checked against an expectation
// worked out here from the firing rules alone.
#include "TickFakes.h"
#include "controls/ReminderGridRows.h"
#include "model/DaysSpec.h"
#include "schedule/TickEngine.h"
#include "support/FakeClock.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace nudgeon {
namespace {

using MSecs = std::int64_t; // milliseconds since 1899-12-30, as the fake clock counts
constexpr MSecs MSecsADay = MSecsPerDay;
constexpr int Days = 7;

// Monday 2024-03-04; the program starts half a second after its midnight, so that no tick
// falls on a whole second and no comparison depends on rounding.
const int Day0 = static_cast<int>(EncodeDate(2024, 3, 4));
const MSecs Start = Day0 * MSecsADay + 500;

TDateTime AsDateTime(MSecs t)
{
    return static_cast<double>(t) / MSecsADay;
}

// The clock's time of day, to its millisecond.
TDateTime TimeOfDay(MSecs t)
{
    return static_cast<double>(t % MSecsADay) / MSecsADay;
}

int DayOf(MSecs t)
{
    return static_cast<int>(t / MSecsADay);
}

// Deterministic on every platform, unlike the standard distributions.
class Random {
public:
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
    std::uint64_t state_ = 20240304;
};

// How the user answers a reminder's n-th notification (counted from 1).
struct Policy {
    enum Kind { Ok, DeleteAtWindow, SnoozeOddWindows } kind = Ok;
    int window = 0;  // DeleteAtWindow
    int minutes = 0; // SnoozeOddWindows

    int Answer(int n) const
    {
        if (kind == DeleteAtWindow && n == window)
            return AnswerDelete;
        if (kind == SnoozeOddWindows && n % 2 == 1)
            return -minutes;
        return AnswerDone;
    }
};

bool ShowsWindow(TEventType type)
{
    return type == etShowAndPlay || type == etShowOnly;
}

bool PlaysSound(TEventType type)
{
    return type == etShowAndPlay || type == etPlayOnly;
}

struct OneTimePlan {
    std::string name;
    TDateTime due = 0;
    TEventType type = etShowAndPlay;
    TReminderStatus stored = rsPending;
    Policy policy;
};

struct RepeatingPlan {
    std::string name;
    std::vector<int> weekdays; // 0 Sunday to 6 Saturday; empty: dayOfMonth
    int dayOfMonth = 0;
    TDateTime start = 0;
    std::int32_t every = 0;
    bool hasUntil = false;
    TDateTime until = 0;
    TEventType type = etShowAndPlay;
    Policy policy;

    std::string DaysSpec() const
    {
        if (weekdays.empty())
            return MakeDayOfMonthSpec(dayOfMonth, 0);
        std::string digits;
        for (const int day : weekdays)
            digits += static_cast<char>('0' + day);
        return digits;
    }
    bool AppliesOn(int date) const
    {
        if (weekdays.empty())
            return DecodeDate(date).day == dayOfMonth;
        const int weekday = (1 + date - Day0) % 7; // Day0 is a Monday
        return std::find(weekdays.begin(), weekdays.end(), weekday) != weekdays.end();
    }
};

struct Firing {
    MSecs at;
    std::string name;
    auto operator<=>(const Firing&) const = default;
};

TEventType RandomEventType(Random& random)
{
    // Mostly notifications, so that most answers are the user's.
    const TEventType types[] = {etShowAndPlay, etShowAndPlay, etShowOnly, etPlayOnly, etNothing};
    return types[random.Below(5)];
}

std::vector<OneTimePlan> PlanOneTime(Random& random)
{
    // One minute of the day per reminder, so that no two first firings share a scan and the
    // expectation needs no rule for rows shifting under a snooze.
    std::vector<int> minutes;
    for (int m = 10; m < 1430; ++m)
        minutes.push_back(m);
    for (std::size_t i = minutes.size() - 1; i > 0; --i)
        std::swap(minutes[i],
                  minutes[static_cast<std::size_t>(random.Below(static_cast<int>(i) + 1))]);

    std::vector<OneTimePlan> plans;
    for (int i = 0; i < 220; ++i) {
        OneTimePlan plan;
        plan.name = "O" + std::to_string(i);
        const int minute = minutes[static_cast<std::size_t>(i)];
        const int day = i < 10 ? -1 : random.Below(Days); // the first ten were missed
        plan.due = Day0 + day + EncodeTime(minute / 60, minute % 60);
        plan.type = RandomEventType(random);
        plan.stored = i >= 10 && i < 20 ? rsDone : rsPending; // ten answered before
        const int choice = random.Below(20);
        if (choice < 3) {
            plan.policy = {Policy::DeleteAtWindow, 1, 0};
        } else if (choice < 8) {
            const int shortSnoozes[] = {5, 10, 30, 60};
            const int snooze = shortSnoozes[random.Below(4)];
            // A short snooze stays within the day; later ones snooze to the next day.
            plan.policy = {Policy::SnoozeOddWindows, 0, minute + snooze < 1380 ? snooze : 1440};
        }
        plans.push_back(plan);
    }
    return plans;
}

std::vector<RepeatingPlan> PlanRepeating(Random& random)
{
    const std::int32_t intervals[] = {10, 15, 30, 45, 60, 90, 120, 720};
    const int snoozes[] = {5, 10, 30};
    std::vector<RepeatingPlan> plans;
    for (int i = 0; i < 100; ++i) {
        RepeatingPlan plan;
        plan.name = "R" + std::to_string(i);
        if (random.Below(5) == 0) {
            plan.dayOfMonth = 4 + random.Below(Days);
        } else {
            for (int day = 0; day < 7; ++day)
                if (random.Below(2) == 0)
                    plan.weekdays.push_back(day);
            if (plan.weekdays.empty())
                plan.weekdays.push_back(random.Below(7));
        }
        const int startMinute = 30 + random.Below(1350);
        plan.start = EncodeTime(startMinute / 60, startMinute % 60);
        if (random.Below(4) != 0) {
            plan.every = intervals[random.Below(8)];
            if (random.Below(2) == 0) {
                const int endMinute = std::min(1435, startMinute + 30 + random.Below(600));
                plan.hasUntil = true;
                plan.until = EncodeTime(endMinute / 60, endMinute % 60);
            }
        }
        plan.type = RandomEventType(random);
        const int choice = random.Below(20);
        if (choice == 0)
            plan.policy = {Policy::DeleteAtWindow, 1 + random.Below(3), 0};
        else if (choice < 6)
            plan.policy = {Policy::SnoozeOddWindows, 0, snoozes[random.Below(3)]};
        plans.push_back(plan);
    }
    return plans;
}

// --- The expectation --------------------------------------------------------------------

// The tick: one a second; the first tick of a new date reloads and is not counted; every
// fifth counted tick scans.
struct Schedule {
    std::vector<MSecs> scans;
    std::map<int, MSecs> loads; // date -> time of the load that starts it

    Schedule()
    {
        loads[Day0] = Start;
        int lastDate = Day0;
        int counter = 0;
        for (MSecs t = Start + 1000; t <= Start + Days * MSecsADay; t += 1000) {
            if (DayOf(t) > lastDate) {
                lastDate = DayOf(t);
                loads[lastDate] = t;
                continue;
            }
            if (++counter >= 5) {
                counter = 0;
                scans.push_back(t);
            }
        }
    }

    // The first scan that finds a pending reminder with this alarm time due: same date, time
    // of day reached.
    std::optional<MSecs> FirstScanFinding(TDateTime alarm) const
    {
        const TDateTime date = std::trunc(alarm);
        const TDateTime timeOfDay = alarm - date;
        const auto found = std::find_if(
            std::lower_bound(scans.begin(), scans.end(), static_cast<MSecs>(date) * MSecsADay),
            scans.end(), [&](MSecs scan) { return TimeOfDay(scan) >= timeOfDay; });
        if (found == scans.end() || DayOf(*found) != static_cast<int>(date))
            return std::nullopt;
        return *found;
    }
};

struct Expectation {
    std::vector<Firing> sounds;
    std::vector<Firing> windows;
    std::vector<Firing> silent;

    void Fire(MSecs at, const std::string& name, TEventType type)
    {
        if (PlaysSound(type))
            sounds.push_back({at, name});
        if (ShowsWindow(type))
            windows.push_back({at, name});
        if (type == etNothing)
            silent.push_back({at, name});
    }
};

void ExpectOneTime(const OneTimePlan& plan, const Schedule& schedule, Expectation& expected)
{
    if (plan.stored == rsDone || plan.due < Day0)
        return; // done before, or expired at the start
    TDateTime alarm = plan.due;
    int windows = 0;
    // Pending until answered; a snooze to a later date is pending again after that date's load.
    while (const std::optional<MSecs> scan = schedule.FirstScanFinding(alarm)) {
        expected.Fire(*scan, plan.name, plan.type);
        const int answer = ShowsWindow(plan.type) ? plan.policy.Answer(++windows) : AnswerNone;
        if (answer >= 0)
            return; // done or deleted
        alarm = AddMinutes(-answer, AsDateTime(*scan));
    }
}

// The next firing of a repeating reminder after `now` on `date`, by its slots.
std::optional<TDateTime> NextSlot(const RepeatingPlan& plan, int date, TDateTime now)
{
    if (plan.every == 0) {
        if (now > plan.start)
            return std::nullopt;
        return date + plan.start;
    }
    if (plan.hasUntil && now >= plan.until)
        return std::nullopt;
    const TDateTime end = plan.hasUntil ? plan.until : EncodeTime(23, 59);
    TDateTime slot = plan.start;
    while (now >= slot)
        slot = AddMinutes(plan.every, slot);
    if (slot > AddMinutes(1, end))
        return std::nullopt;
    return date + slot;
}

void ExpectRepeating(const RepeatingPlan& plan, const Schedule& schedule, Expectation& expected)
{
    int windows = 0;
    for (const auto& [date, load] : schedule.loads) {
        if (!plan.AppliesOn(date))
            continue;
        std::optional<TDateTime> alarm = NextSlot(plan, date, TimeOfDay(load));
        // A firing set for a later date, a snooze past midnight say, never comes: the next
        // load works the reminder out afresh.
        while (alarm && std::trunc(*alarm) == date) {
            const std::optional<MSecs> scan = schedule.FirstScanFinding(*alarm);
            if (!scan)
                break;
            expected.Fire(*scan, plan.name, plan.type);
            const int answer = ShowsWindow(plan.type) ? plan.policy.Answer(++windows) : AnswerNone;
            if (answer == AnswerDelete)
                return;
            if (answer < 0)
                alarm = AddMinutes(-answer, AsDateTime(*scan));
            else
                alarm = NextSlot(plan, date, TimeOfDay(*scan));
        }
    }
}

// --- The run ----------------------------------------------------------------------------

class QuietWindow : public TickWindow {
public:
    void ShowTime(const std::string&) override {}
    void ProcessMessages() override {}
    void RepaintList(ReminderListId) override {}
    void EnableTimer(bool) override {}
    void ShowError(const std::string& message) override { errors.push_back(message); }
    std::vector<std::string> errors;
};

class RecordingSound : public SoundPlayer {
public:
    explicit RecordingSound(const std::map<std::string, std::string>& names) : names_(names) {}
    void PlaySoundNow(const std::string& path) override
    {
        played.push_back({static_cast<MSecs>(std::llround(Now() * MSecsADay)), names_.at(path)});
    }
    std::vector<Firing> played;

private:
    const std::map<std::string, std::string>& names_;
};

class AnsweringNotifier : public Notifier {
public:
    AnsweringNotifier(const std::map<std::string, Policy>& policies, const RecordingSound& sound)
        : policies_(policies), sound_(sound)
    {}
    int Notify(const std::string& message, bool deleteOffered) override
    {
        const MSecs now = std::llround(Now() * MSecsADay);
        shown.push_back({now, message});
        if (deleteOffered != (message[0] == 'O'))
            ++wrongDeleteButtons;
        // A sound of this reminder, if any, was started just before.
        const bool plays =
            sound_.played.size() > soundsSeen_ && sound_.played.back() == Firing{now, message};
        soundsSeen_ = sound_.played.size();
        if (plays)
            ++windowsAfterTheirSound;
        return policies_.at(message).Answer(++windowCounts_[message]);
    }
    std::vector<Firing> shown;
    int wrongDeleteButtons = 0;
    int windowsAfterTheirSound = 0;

private:
    const std::map<std::string, Policy>& policies_;
    const RecordingSound& sound_;
    std::map<std::string, int> windowCounts_;
    std::size_t soundsSeen_ = 0;
};

// A reminder's firing state, to spot the firings that show and play nothing.
using Snapshot = std::map<std::string, std::pair<TDateTime, TReminderStatus>>;

Snapshot TakeSnapshot(const ReminderGridRows& oneTime, const ReminderGridRows& repeating)
{
    Snapshot snapshot;
    for (const ReminderGridRows* grid : {&oneTime, &repeating})
        for (const auto& reminder : grid->Reminders())
            if (reminder->EventType == etNothing)
                snapshot[reminder->Description] = {reminder->AlarmTime, reminder->Status};
    return snapshot;
}

TEST(SimulatedWeek, EveryFiringMatchesTheRules)
{
    Random random;
    const std::vector<OneTimePlan> oneTimePlans = PlanOneTime(random);
    const std::vector<RepeatingPlan> repeatingPlans = PlanRepeating(random);

    const Schedule schedule;
    Expectation expected;
    for (const OneTimePlan& plan : oneTimePlans)
        ExpectOneTime(plan, schedule, expected);
    for (const RepeatingPlan& plan : repeatingPlans)
        ExpectRepeating(plan, schedule, expected);

    std::map<std::string, Policy> policies;
    std::map<std::string, std::string> soundNames;
    test::EventLog unused;
    test::FakeStorage storage{unused};
    for (const OneTimePlan& plan : oneTimePlans) {
        policies[plan.name] = plan.policy;
        soundNames[plan.name + ".wav"] = plan.name;
        storage.OneTimeFile.push_back(TReminder::CreateOneTime(rkOneTime, plan.due, plan.name,
                                                               plan.name + ".wav", plan.type));
        storage.OneTimeFile.back()->Status = plan.stored;
    }
    // The list as the program keeps it: in time order.
    std::stable_sort(storage.OneTimeFile.begin(), storage.OneTimeFile.end(),
                     [](const auto& a, const auto& b) { return a->AlarmTime < b->AlarmTime; });
    for (const RepeatingPlan& plan : repeatingPlans) {
        policies[plan.name] = plan.policy;
        soundNames[plan.name + ".mid"] = plan.name;
        storage.RepeatingFile.push_back(TReminder::CreateRepeating(
            rkRepeating, plan.start, plan.hasUntil, plan.until, plan.DaysSpec(), plan.every,
            plan.name, plan.name + ".mid", plan.type));
    }

    test::FakeClock clock(AsDateTime(Start));
    RecordingSound sound{soundNames};
    AnsweringNotifier notifier{policies, sound};
    QuietWindow window;
    ReminderGridRows alarmGrid;
    ReminderGridRows repeatingAlarmGrid;
    TickEngine engine{{alarmGrid, repeatingAlarmGrid, notifier, sound, storage, window}};

    std::vector<Firing> silent;
    Snapshot snapshot;
    storage.OnSaved = [&] {
        const Snapshot now = TakeSnapshot(alarmGrid, repeatingAlarmGrid);
        for (const auto& [name, state] : now)
            if (snapshot.count(name) == 0 || snapshot.at(name) != state)
                silent.push_back({std::llround(Now() * MSecsADay), name});
        snapshot = now;
    };

    const auto began = std::chrono::steady_clock::now();
    engine.Reload();
    snapshot = TakeSnapshot(alarmGrid, repeatingAlarmGrid);
    int loads = storage.Loads;
    for (int tick = 0; tick < Days * SecondsPerDay; ++tick) {
        clock.AdvanceSeconds(1);
        engine.Timer1Timer();
        if (storage.Loads != loads) {
            loads = storage.Loads;
            snapshot = TakeSnapshot(alarmGrid, repeatingAlarmGrid);
        }
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - began;

    std::sort(expected.sounds.begin(), expected.sounds.end());
    std::sort(expected.windows.begin(), expected.windows.end());
    std::sort(expected.silent.begin(), expected.silent.end());
    std::sort(sound.played.begin(), sound.played.end());
    std::sort(notifier.shown.begin(), notifier.shown.end());
    std::sort(silent.begin(), silent.end());

    EXPECT_EQ(storage.Loads, 1 + Days);
    EXPECT_TRUE(window.errors.empty());
    EXPECT_EQ(notifier.wrongDeleteButtons, 0);
    EXPECT_EQ(sound.played, expected.sounds);
    EXPECT_EQ(notifier.shown, expected.windows);
    EXPECT_EQ(silent, expected.silent);
    const auto showAndPlay =
        std::count_if(expected.windows.begin(), expected.windows.end(), [&](const Firing& f) {
            return std::binary_search(expected.sounds.begin(), expected.sounds.end(), f);
        });
    EXPECT_EQ(notifier.windowsAfterTheirSound, showAndPlay);
    // The run must exercise what it claims to.
    EXPECT_GT(expected.windows.size(), 500u);
    EXPECT_GT(expected.silent.size(), 50u);

    std::cout << "[ week     ] " << Days * SecondsPerDay << " ticks, "
              << expected.sounds.size() + expected.windows.size() + expected.silent.size()
              << " firing events, " << took.count() << " s\n";
}

} // namespace
} // namespace nudgeon
