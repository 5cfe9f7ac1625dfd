// Thirty simulated days of one-second ticks over 500 reminders of every rule kind, answered at
// random (Ok, Delete, every snooze, time-outs). Every firing is checked as it happens against a
// model of the firing rules kept here, no reminder may be passed over, and the memory in use
// must stay flat after the first day (the sanitizer build also reports any leak at exit).
#include "DaysRuleOracle.h"
#include "ReminderStates.h"
#include "controls/ReminderGridRows.h"
#include "model/DaysSpec.h"
#include "schedule/TickEngine.h"
#include "schedule/TickFakes.h"
#include "support/FakeClock.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define NUDGEON_SOAK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define NUDGEON_SOAK_ASAN 1
#endif
#endif
#ifdef NUDGEON_SOAK_ASAN
// The address sanitizer's own count of the bytes in use (its malloc keeps no mallinfo).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace nudgeon::test {
namespace {

constexpr int Days = 30;
constexpr int OneTimeCount = 250;
constexpr int RepeatingCount = 250;
// The answer a notification gives by itself when nobody answers it.
constexpr int TimeoutAction = -10;
constexpr int Snoozes[] = {5, 10, 30, 60, 120, 240, 1440, 10080};

// Monday 2024-02-12, half a second after midnight, so that no tick falls on a whole second;
// the month holds 29 February and the run crosses into March.
const TDateTime Start = EncodeDate(2024, 2, 12) + 0.5 / SecondsPerDay;

std::size_t MemoryInUse()
{
#ifdef NUDGEON_SOAK_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

std::uint64_t HashOf(const std::string& text, int number)
{
    std::uint64_t hash = 1469598103934665603ull;
    for (const char ch : text)
        hash = (hash ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
    return SplitMix(hash + static_cast<std::uint64_t>(number)).Next();
}

// The answer to a reminder's n-th notification: the user's, or the time-out's.
int AnswerFor(const std::string& name, int window, bool deleteOffered)
{
    const std::uint64_t hash = HashOf(name, window);
    const int choice = static_cast<int>(hash % 100);
    if (choice < 40)
        return AnswerDone;
    if (choice < 46)
        // Without the Delete button only a close by the system deletes, and seldom.
        return deleteOffered || hash % 997 == 0 ? AnswerDelete : AnswerDone;
    if (choice < 85)
        return -Snoozes[(hash >> 8) % 8];
    return TimeoutAction;
}

struct Plan {
    std::string name;
    bool oneTime = true;
    TEventType type = etShowAndPlay;
    TDateTime due = 0; // one-time
    std::string days;  // repeating
    TDateTime start = 0;
    std::int32_t every = 0;
    bool hasUntil = false;
    TDateTime until = 0;
};

std::string RandomRule(SplitMix& random)
{
    switch (random.Below(4)) {
    case 0: {
        std::string digits;
        for (char day = '0'; day <= '6'; ++day)
            if (random.Below(3) == 0)
                digits += day;
        return digits.empty() ? "3" : digits;
    }
    case 1:
        return MakeDayOfMonthSpec(1 + random.Below(31),
                                  random.Below(3) == 0 ? 2 + random.Below(2) : 0);
    case 2:
        return MakeDayOfYearSpec(40 + random.Below(36));
    default:
        return MakeSpecialSpec(random.Below(6), random.Below(8),
                               random.Below(2) == 0 ? 0 : 2 + random.Below(2));
    }
}

std::vector<Plan> MakePlans()
{
    SplitMix random(30);
    const TEventType types[] = {etShowAndPlay, etShowAndPlay, etShowOnly, etPlayOnly, etNothing};
    std::vector<Plan> plans;
    for (int i = 0; i < OneTimeCount; ++i) {
        Plan plan;
        plan.name = "one-time " + std::to_string(i);
        plan.type = types[random.Below(5)];
        plan.due = DateOf(Start) + random.Below(Days) +
                   random.Below(SecondsPerDay) / static_cast<double>(SecondsPerDay);
        plans.push_back(plan);
    }
    const std::int32_t intervals[] = {0, 0, 10, 15, 30, 45, 60, 90, 120, 720};
    for (int i = 0; i < RepeatingCount; ++i) {
        Plan plan;
        plan.name = "repeating " + std::to_string(i);
        plan.oneTime = false;
        plan.type = types[random.Below(5)];
        plan.days = RandomRule(random);
        const int startMinute = random.Below(1440);
        plan.start = startMinute / 1440.0;
        plan.every = intervals[random.Below(10)];
        if (plan.every != 0 && random.Below(2) == 0) {
            plan.hasUntil = true;
            plan.until = std::min(1439, startMinute + random.Below(900)) / 1440.0;
        }
        plans.push_back(plan);
    }
    return plans;
}

// --- The model: when each reminder must fire next ------------------------------------------

// The first slot of the day after `now`, as the firing rules define the slots.
std::optional<TDateTime> NextSlot(const Plan& plan, TDateTime date, TDateTime now)
{
    if (plan.every == 0)
        return now > plan.start ? std::nullopt : std::optional(date + plan.start);
    if (plan.hasUntil && now >= plan.until)
        return std::nullopt;
    TDateTime slot = plan.start;
    while (now >= slot)
        slot = AddMinutes(plan.every, slot);
    if (slot > AddMinutes(1, plan.hasUntil ? plan.until : 1439.0 / 1440.0))
        return std::nullopt;
    return date + slot;
}

// Whether a scan at `now` finds a reminder due at `due`: the same day, its time reached.
bool IsReached(TDateTime due, TDateTime now)
{
    return std::trunc(due) == DateOf(now) && CurrentTime() >= due - std::trunc(due);
}

class FiringModel {
public:
    explicit FiringModel(const std::vector<Plan>& plans)
    {
        for (const Plan& plan : plans)
            entries_.emplace(plan.name, Entry{&plan, std::nullopt, {}, 0, false});
    }

    // A load for a new day: every reminder judged afresh.
    void Reload(TDateTime now)
    {
        for (auto& [name, entry] : entries_) {
            if (entry.gone)
                continue;
            if (entry.plan->oneTime) {
                // One that came due after the last scan of its day expired at midnight.
                if (entry.due && std::trunc(*entry.due) < DateOf(now)) {
                    ++expiredAtMidnight;
                    SetDue(entry, std::nullopt);
                }
                continue;
            }
            const bool applies = oracle::RuleAppliesOn(
                entry.plan->days, oracle::CalendarDayOf(static_cast<long>(DateOf(now))));
            SetDue(entry,
                   applies ? NextSlot(*entry.plan, DateOf(now), CurrentTime()) : std::nullopt);
        }
    }

    void StartOneTime()
    {
        for (auto& [name, entry] : entries_)
            if (entry.plan->oneTime)
                SetDue(entry, entry.plan->due);
    }

    // A firing seen now: it must be due, and its answer moves it on.
    void Fired(const std::string& name, TDateTime now, bool windowShown)
    {
        Entry& entry = entries_.at(name);
        ++firings;
        if (!entry.due || !IsReached(*entry.due, now)) {
            ADD_FAILURE() << name << " fired at " << FormatDateTime("mm/dd hh:nn:ss", now)
                          << " without being due";
            return;
        }
        const bool oneTime = entry.plan->oneTime;
        const int answer = windowShown ? AnswerFor(name, ++entry.windows, oneTime) : AnswerNone;
        if (answer < 0) {
            ++snoozes;
            const TDateTime until = AddMinutes(-answer, now);
            if (oneTime)
                scanMovedARow_ = true;
            // A repeating reminder snoozed into another day is worked out afresh that day.
            SetDue(entry, oneTime || std::trunc(until) == DateOf(now) ? std::optional(until)
                                                                      : std::nullopt);
        } else if (answer == AnswerDelete) {
            ++deletes;
            entry.gone = true;
            SetDue(entry, std::nullopt);
        } else {
            SetDue(entry,
                   oneTime ? std::nullopt : NextSlot(*entry.plan, DateOf(now), CurrentTime()));
        }
    }

    // After a scan: nothing due may have been passed over, except a one-time reminder onto
    // whose row a snoozed row moved during the scan; it fires at the next scan.
    void ScanEnded(TDateTime now)
    {
        ++scans;
        for (auto it = byDue_.begin(); it != byDue_.end() && it->first <= now; ++it) {
            const Entry& entry = entries_.at(it->second);
            if (!IsReached(it->first, now))
                continue;
            if (entry.plan->oneTime && scanMovedARow_) {
                ++passedOverBehindASnooze;
                continue;
            }
            ADD_FAILURE() << it->second << " due at "
                          << FormatDateTime("mm/dd hh:nn:ss.zzz", it->first)
                          << " was not fired by the scan at " << FormatDateTime("hh:nn:ss", now);
        }
        scanMovedARow_ = false;
    }

    int firings = 0;
    int snoozes = 0;
    int deletes = 0;
    int scans = 0;
    int passedOverBehindASnooze = 0;
    int expiredAtMidnight = 0;

private:
    struct Entry {
        const Plan* plan = nullptr;
        std::optional<TDateTime> due;
        std::multimap<TDateTime, std::string>::iterator position{};
        int windows = 0;
        bool gone = false;
    };

    void SetDue(Entry& entry, std::optional<TDateTime> due)
    {
        if (entry.due)
            byDue_.erase(entry.position);
        entry.due = due;
        if (due)
            entry.position = byDue_.emplace(*due, entry.plan->name);
    }

    std::unordered_map<std::string, Entry> entries_;
    std::multimap<TDateTime, std::string> byDue_;
    bool scanMovedARow_ = false;
};

// --- The program's side ---------------------------------------------------------------------

class QuietWindow : public TickWindow {
public:
    void ShowTime(const std::string&) override {}
    void ProcessMessages() override {}
    void RepaintList(ReminderListId) override {}
    void EnableTimer(bool) override {}
    void ShowError(const std::string& message) override { ADD_FAILURE() << message; }
};

// Sound and window both report to the model; a reminder that plays and shows is one firing.
class ObservedFirings : public SoundPlayer, public Notifier {
public:
    explicit ObservedFirings(FiringModel& model) : model_(model) {}
    void PlaySoundNow(const std::string& path) override
    {
        ++sounds;
        soundOf_ = path.substr(0, path.size() - 4);
        if (!showsWindow_.at(soundOf_))
            model_.Fired(soundOf_, Now(), false);
    }
    int Notify(const std::string& message, bool deleteOffered) override
    {
        ++windows;
        if (soundOf_ != message && playsSound_.at(message))
            ADD_FAILURE() << message << " shown without its sound";
        soundOf_.clear();
        model_.Fired(message, Now(), true);
        return AnswerFor(message, ++windowCounts_[message], deleteOffered);
    }

    void Know(const Plan& plan)
    {
        showsWindow_[plan.name] = plan.type == etShowAndPlay || plan.type == etShowOnly;
        playsSound_[plan.name] = plan.type == etShowAndPlay || plan.type == etPlayOnly;
    }

    int sounds = 0;
    int windows = 0;

private:
    FiringModel& model_;
    std::string soundOf_;
    std::unordered_map<std::string, bool> showsWindow_;
    std::unordered_map<std::string, bool> playsSound_;
    std::unordered_map<std::string, int> windowCounts_;
};

// A silent reminder shows itself only by its new state once the scan has saved the lists.
class SilentFirings {
public:
    void Snapshot(const ReminderGridRows& oneTime, const ReminderGridRows& repeating)
    {
        states_.clear();
        for (const ReminderGridRows* grid : {&oneTime, &repeating})
            for (const auto& reminder : grid->Reminders())
                if (reminder->EventType == etNothing)
                    states_[reminder->Description] = {reminder->AlarmTime, reminder->Status};
    }
    void Saved(const ReminderGridRows& oneTime, const ReminderGridRows& repeating,
               FiringModel& model)
    {
        const auto before = states_;
        Snapshot(oneTime, repeating);
        for (const auto& [name, state] : states_) {
            const auto old = before.find(name);
            if (old == before.end() || old->second != state) {
                ++count;
                model.Fired(name, Now(), false);
            }
        }
    }
    int count = 0;

private:
    std::unordered_map<std::string, std::pair<TDateTime, TReminderStatus>> states_;
};

TEST(Soak, ThirtyDaysOfTicksFireEveryReminderByTheRules)
{
    const std::vector<Plan> plans = MakePlans();
    FiringModel model(plans);
    ObservedFirings firings(model);
    SilentFirings silent;
    EventLog storageLog;
    FakeStorage storage{storageLog};
    for (const Plan& plan : plans) {
        firings.Know(plan);
        if (plan.oneTime)
            storage.OneTimeFile.push_back(TReminder::CreateOneTime(rkOneTime, plan.due, plan.name,
                                                                   plan.name + ".wav", plan.type));
        else
            storage.RepeatingFile.push_back(TReminder::CreateRepeating(
                rkRepeating, plan.start, plan.hasUntil, plan.until, plan.days, plan.every,
                plan.name, plan.name + ".mid", plan.type));
    }

    FakeClock clock(Start);
    QuietWindow window;
    ReminderGridRows alarmGrid;
    ReminderGridRows repeatingAlarmGrid;
    TickEngine engine{{alarmGrid, repeatingAlarmGrid, firings, firings, storage, window}};
    storage.OnSaved = [&] {
        silent.Saved(alarmGrid, repeatingAlarmGrid, model);
    };

    const auto began = std::chrono::steady_clock::now();
    engine.Reload();
    model.StartOneTime();
    model.Reload(Now());
    silent.Snapshot(alarmGrid, repeatingAlarmGrid);
    std::vector<std::size_t> memoryAtMidnight;
    TDateTime lastDate = engine.LastDate();
    for (int tick = 0; tick < Days * SecondsPerDay; ++tick) {
        clock.AdvanceSeconds(1);
        engine.Timer1Timer();
        if (engine.LastDate() != lastDate) {
            lastDate = engine.LastDate();
            model.Reload(Now());
            silent.Snapshot(alarmGrid, repeatingAlarmGrid);
            // The fake's own record of loads and saves is the test's, not the program's.
            storageLog.clear();
            storageLog.shrink_to_fit();
            memoryAtMidnight.push_back(MemoryInUse());
        } else if (engine.TickCounter() == 0) {
            model.ScanEnded(Now());
        }
        if (testing::Test::HasFailure())
            break;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - began;

    ASSERT_EQ(memoryAtMidnight.size(), static_cast<std::size_t>(Days));
    // The first day settles the containers; after it nothing may grow.
    const std::size_t firstDay = memoryAtMidnight.front();
    std::size_t highest = firstDay;
    for (const std::size_t bytes : memoryAtMidnight)
        highest = std::max(highest, bytes);
    std::string perDay;
    for (const std::size_t bytes : memoryAtMidnight)
        perDay += " " + std::to_string(bytes);
    EXPECT_LE(highest, firstDay + 64 * 1024) << "memory at each midnight:" << perDay;
    // The run must reach what it claims to.
    EXPECT_GT(model.snoozes, 1000);
    EXPECT_GT(model.deletes, 10);
    EXPECT_GT(silent.count, 100);
    std::cout << "[ soak     ] " << Days << " days, " << Days * SecondsPerDay << " ticks, "
              << model.scans << " scans, " << model.firings << " firings checked ("
              << firings.sounds << " sounds, " << firings.windows << " windows, " << silent.count
              << " silent), " << model.snoozes << " snoozes, " << model.deletes << " deletes, "
              << model.passedOverBehindASnooze << " passed over behind a snooze, "
              << model.expiredAtMidnight << " expired at midnight; memory " << firstDay
              << " bytes after day 1, highest " << highest << "; " << took.count() << " s\n";
}

} // namespace
} // namespace nudgeon::test
