#include "schedule/TickEngine.h"

#include "TickFakes.h"
#include "support/FakeClock.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nudgeon {
namespace {

constexpr double Second = 1.0 / SecondsPerDay;
constexpr double MSec = 1.0 / MSecsPerDay;

TDateTime Monday()
{
    return EncodeDate(2024, 3, 4);
}

TDateTime At(int hour, int minute, int second = 0, TDateTime day = Monday())
{
    return day + EncodeTime(hour, minute, second);
}

const AdjustMenuItem& MenuItem(std::string_view caption)
{
    const auto* item = std::find_if(AdjustItemTimeMenu.begin(), AdjustItemTimeMenu.end(),
                                    [&](const AdjustMenuItem& i) { return i.Caption == caption; });
    if (item == AdjustItemTimeMenu.end())
        throw std::invalid_argument("no menu item " + std::string(caption));
    return *item;
}

class TickEngineTest : public testing::Test, protected test::TickHarness {
protected:
    test::FakeClock Clock;
    // When each notification was shown, by message.
    std::vector<std::pair<std::string, TDateTime>> Shown;

    TickEngineTest()
    {
        Notification.Answer = [this](const std::string& message, bool) {
            Shown.emplace_back(message, Now());
            return AnswerDone;
        };
    }

    // Puts a one-time reminder into the data file; keep them in time order.
    void FileOneTime(TDateTime time, const std::string& name, TEventType type = etShowAndPlay)
    {
        Storage.OneTimeFile.push_back(
            TReminder::CreateOneTime(rkOneTime, time, name, name + ".wav", type));
    }

    // A repeating reminder of every day in the data file.
    void FileRepeating(TDateTime start, std::int32_t every, const std::string& name,
                       TEventType type = etShowAndPlay, TDateTime until = 0)
    {
        Storage.RepeatingFile.push_back(TReminder::CreateRepeating(
            rkRepeating, start, until != 0, until, "0123456", every, name, name + ".wav", type));
    }

    // The program starts at `now`: the lists come from the data file, the tick begins.
    void StartAt(TDateTime now)
    {
        Clock.Set(now);
        Engine.Reload();
        Log.clear();
    }

    // One tick a second.
    void Tick(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            Clock.AdvanceSeconds(1);
            Engine.Timer1Timer();
        }
    }

    std::vector<std::string> Entries(const std::string& prefix) const
    {
        std::vector<std::string> found;
        std::copy_if(Log.begin(), Log.end(), std::back_inserter(found),
                     [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
        return found;
    }

    std::vector<std::string> OneTimeNames() const
    {
        std::vector<std::string> names;
        for (const auto& reminder : AlarmGrid.Reminders())
            names.push_back(reminder->Description);
        return names;
    }

    TReminder& OneTime(int row) { return *AlarmGrid.Reminder(row); }
    TReminder& Repeating(int row) { return *RepeatingAlarmGrid.Reminder(row); }
};

TEST_F(TickEngineTest, EachTickShowsTheClockWithTheTimerStoppedWhileItWorks)
{
    FileOneTime(At(21, 5, 4), "Call");
    StartAt(At(21, 5, 0));
    Notification.Answer = [this](const std::string&, bool) {
        EXPECT_FALSE(Window.TimerEnabled) << "the timer runs during a notification";
        return AnswerDone;
    };
    Tick(5);
    EXPECT_EQ(Window.ClockTexts.front(), "09:05:01pm");
    EXPECT_EQ(Window.ClockTexts.back(), "09:05:05pm");
    EXPECT_EQ(Entries("window"), (std::vector<std::string>{"window Call +delete"}));
    EXPECT_EQ(Log.front(), "timer off");
    EXPECT_EQ(Log.back(), "timer on");
    EXPECT_EQ(Entries("timer").size(), 10u);
    EXPECT_TRUE(Window.TimerEnabled);
}

TEST_F(TickEngineTest, AReminderDueAtTenFiresAtTheFirstScanAtOrAfterTen)
{
    // Whatever the phase of the five-tick scan against 10:00:00.
    for (int offset = 0; offset < 5; ++offset) {
        SCOPED_TRACE("started " + std::to_string(10 - offset) + " s before 10:00:00");
        test::TickHarness h;
        std::vector<TDateTime> firings;
        h.Notification.Answer = [&](const std::string&, bool) {
            firings.push_back(Now());
            return AnswerDone;
        };
        h.Storage.OneTimeFile.push_back(
            TReminder::CreateOneTime(rkOneTime, At(10, 0), "Ten", "", etShowOnly));
        Clock.Set(At(9, 59, 50 + offset));
        h.Engine.Reload();
        for (int tick = 0; tick < 40; ++tick) {
            Clock.AdvanceSeconds(1);
            h.Engine.Timer1Timer();
        }
        ASSERT_EQ(firings.size(), 1u);
        // Scans come on every fifth tick after the start.
        const int secondsToFirstScanAtTen = (10 - offset + 4) / 5 * 5;
        EXPECT_NEAR(firings[0], At(9, 59, 50 + offset) + secondsToFirstScanAtTen * Second,
                    MSec / 2);
        EXPECT_GE(firings[0], At(10, 0) - MSec / 2);
        EXPECT_LT(firings[0], At(10, 0, 5));
    }
}

TEST_F(TickEngineTest, DueRemindersFireInListOrderOneTimeListFirstEachAfterThePreviousAnswer)
{
    FileOneTime(At(10, 0), "First");
    FileOneTime(At(10, 0), "Second");
    FileRepeating(EncodeTime(10, 0), 0, "Daily");
    StartAt(At(9, 59, 58));
    Notification.Answer = [this](const std::string& message, bool) {
        if (message == "Second") {
            EXPECT_EQ(OneTime(1).Status, rsDone) << "the first answer is applied before";
        }
        if (message == "Daily") {
            EXPECT_EQ(OneTime(2).Status, rsDone);
        }
        return AnswerDone;
    };
    Tick(5);
    EXPECT_EQ(Entries("window"),
              (std::vector<std::string>{"window First +delete", "window Second +delete",
                                        "window Daily"}));
    // Each sound starts before its window.
    const auto sound = std::find(Log.begin(), Log.end(), "sound First.wav");
    ASSERT_NE(sound, Log.end());
    EXPECT_EQ(*std::next(sound), "window First +delete");
}

TEST_F(TickEngineTest, OkMarksAOneTimeReminderDoneAtOnceAndItNeverFiresAgain)
{
    FileOneTime(At(10, 0), "Call");
    StartAt(At(10, 0, 0));
    Tick(5);
    EXPECT_EQ(OneTime(1).Status, rsDone);
    EXPECT_EQ(OneTime(1).StatusText(), "Done");
    const auto window = std::find(Log.begin(), Log.end(), "window Call +delete");
    ASSERT_NE(window, Log.end());
    EXPECT_EQ(*std::next(window), "repaint one-time");
    Tick(60);
    EXPECT_EQ(Shown.size(), 1u);
}

TEST_F(TickEngineTest, OkMovesARepeatingReminderToItsNextSlot)
{
    FileRepeating(EncodeTime(9, 0), 60, "Hourly", etShowOnly, EncodeTime(17, 30));
    StartAt(At(8, 59, 58));
    Tick(5);
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Repeating(1).Status, rsPending);
    EXPECT_NEAR(Repeating(1).AlarmTime, At(10, 0), 10 * MSec);
    EXPECT_EQ(Entries("repaint"), (std::vector<std::string>{"repaint repeating"}));
}

TEST_F(TickEngineTest, DeleteRemovesRowsOnlyAfterTheWholeScan)
{
    FileOneTime(At(10, 0), "A");
    FileOneTime(At(10, 0), "B");
    FileOneTime(At(10, 0), "C");
    FileOneTime(At(12, 0), "Later");
    FileRepeating(EncodeTime(10, 0), 0, "Daily");
    FileRepeating(EncodeTime(11, 0), 0, "Other");
    StartAt(At(9, 59, 58));
    Notification.Answer = [this](const std::string& message, bool) {
        if (message == "B" || message == "C") {
            EXPECT_EQ(AlarmGrid.RowCount(), 5) << "a marked row went before the scan ended";
            EXPECT_EQ(OneTime(1).Status, rsRemove);
        }
        return message == "C" ? AnswerDone : AnswerDelete;
    };
    Tick(5);
    EXPECT_EQ(OneTimeNames(), (std::vector<std::string>{"C", "Later"}));
    // A repeating reminder is not offered Delete, but the close of its window deletes it.
    ASSERT_EQ(RepeatingAlarmGrid.RowCount(), 2);
    EXPECT_EQ(Repeating(1).Description, "Other");
    EXPECT_EQ(Entries("window"), (std::vector<std::string>{"window A +delete", "window B +delete",
                                                           "window C +delete", "window Daily"}));
    // The removals reached the file at once.
    EXPECT_EQ(Storage.OneTimeFile.size(), 2u);
    EXPECT_EQ(Storage.RepeatingFile.size(), 1u);
}

TEST_F(TickEngineTest, TheEventTypeDecidesSoundAndWindowAndNoWindowMeansDone)
{
    struct Case {
        TEventType type;
        std::vector<std::string> fired;
    };
    const Case cases[] = {
        {etShowAndPlay, {"sound R.wav", "window R +delete"}},
        {etShowOnly, {"window R +delete"}},
        {etPlayOnly, {"sound R.wav"}},
        {etNothing, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        Storage.OneTimeFile.clear();
        FileOneTime(At(10, 0), "R", c.type);
        StartAt(At(9, 59, 58));
        Tick(5);
        std::vector<std::string> fired = Entries("sound");
        for (const std::string& entry : Entries("window"))
            fired.push_back(entry);
        EXPECT_EQ(fired, c.fired);
        EXPECT_EQ(OneTime(1).Status, rsDone) << "not done in the same scan";
        EXPECT_EQ(Entries("save"), std::vector<std::string>{"save"});
    }
}

TEST_F(TickEngineTest, ASilentRepeatingReminderPassesEachSlotAndSetsTheNext)
{
    FileRepeating(EncodeTime(9, 0), 30, "Quiet", etNothing, EncodeTime(10, 30));
    StartAt(At(8, 59, 0));
    std::vector<TDateTime> slots{Repeating(1).AlarmTime};
    for (int tick = 0; tick < 100 * 60; ++tick) {
        Tick();
        if (Repeating(1).AlarmTime != slots.back())
            slots.push_back(Repeating(1).AlarmTime);
    }
    ASSERT_EQ(slots.size(), 5u);
    const TDateTime expected[] = {At(9, 0), At(9, 30), At(10, 0), At(10, 30)};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(slots[i], expected[i], 10 * MSec) << i;
    // No slot left after the end: nothing fires any more, the list says "Not today".
    EXPECT_EQ(slots[4], 0);
    EXPECT_EQ(Repeating(1).Status, rsNotToday);
    EXPECT_TRUE(Entries("sound").empty());
    EXPECT_TRUE(Entries("window").empty());
}

TEST_F(TickEngineTest, AOnceADayReminderAnsweredAtItsStartMillisecondFiresOnce)
{
    FileRepeating(EncodeTime(9, 0), 0, "Pills", etPlayOnly);
    StartAt(At(8, 59, 55));
    Tick(5); // this scan lands on 09:00:00.000 exactly, and the answer comes at once
    ASSERT_EQ(Entries("sound").size(), 1u);
    Tick(60);
    EXPECT_EQ(Entries("sound").size(), 1u);
    EXPECT_EQ(Repeating(1).Status, rsNotToday);
}

TEST_F(TickEngineTest, AnswersOtherThanDoneDeleteAndSnoozeChangeNothing)
{
    for (const int answer : {3, 7, 1000}) {
        SCOPED_TRACE(answer);
        Storage.OneTimeFile.clear();
        FileOneTime(At(10, 0), "Odd");
        StartAt(At(9, 59, 58));
        Notification.Answer = [answer](const std::string&, bool) {
            return answer;
        };
        Tick(10);
        EXPECT_EQ(OneTime(1).Status, rsPending);
        EXPECT_EQ(Entries("window").size(), 2u) << "still due at the next scan";
        EXPECT_TRUE(Entries("save").empty());
    }
}

TEST_F(TickEngineTest, SnoozeOfFiveMinutesCountsFromTheAnswer)
{
    FileOneTime(At(10, 0), "Tea");
    FileOneTime(At(10, 10), "Next");
    StartAt(At(10, 7, 25)); // within the ten minutes of grace: still pending
    int calls = 0;
    Notification.Answer = [&](const std::string& message, bool) {
        Shown.emplace_back(message, Now());
        return ++calls == 1 ? -5 : AnswerDone;
    };
    Tick(5);
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_NEAR(Shown[0].second, At(10, 7, 30), MSec / 2);
    EXPECT_EQ(OneTimeNames(), (std::vector<std::string>{"Next", "Tea"}));
    const TReminder& snoozed = OneTime(2);
    EXPECT_EQ(snoozed.AlarmTime, AddMinutes(5, Shown[0].second));
    EXPECT_NEAR(snoozed.AlarmTime, At(10, 12, 30), MSec);
    EXPECT_EQ(snoozed.Status, rsPending);

    Tick(10 * 60);
    ASSERT_EQ(Shown.size(), 3u);
    EXPECT_EQ(Shown[1].first, "Next");
    EXPECT_EQ(Shown[2].first, "Tea");
    // The first scan at or after the new time.
    EXPECT_GE(Shown[2].second, AddMinutes(5, Shown[0].second));
    EXPECT_LT(Shown[2].second, AddMinutes(5, Shown[0].second) + 5 * Second);
}

TEST_F(TickEngineTest, ARowShiftedUpByASnoozeWaitsForTheNextScan)
{
    FileOneTime(At(10, 0), "Snoozed");
    FileOneTime(At(10, 0), "Shifted");
    StartAt(At(9, 59, 58));
    Notification.Answer = [this](const std::string& message, bool) {
        Shown.emplace_back(message, Now());
        return message == "Snoozed" ? -5 : AnswerDone;
    };
    Tick(5);
    ASSERT_EQ(Shown.size(), 1u) << "the shifted row was visited in the same scan";
    EXPECT_EQ(OneTimeNames(), (std::vector<std::string>{"Shifted", "Snoozed"}));
    Tick(5);
    ASSERT_EQ(Shown.size(), 2u);
    EXPECT_EQ(Shown[1].first, "Shifted");
    EXPECT_NEAR(Shown[1].second - Shown[0].second, 5 * Second, MSec / 2);
}

TEST_F(TickEngineTest, SnoozeOfADayMovesTheRowAmongTomorrowsAndFiresTomorrow)
{
    FileOneTime(At(10, 0), "Report");
    FileOneTime(At(11, 0), "Lunch");
    FileOneTime(At(9, 0, 0, Monday() + 1), "Early");
    FileOneTime(At(11, 0, 0, Monday() + 1), "Late");
    StartAt(At(9, 59, 58));
    ASSERT_EQ(AlarmGrid.Row(), 1);
    Notification.Answer = [this](const std::string& message, bool) {
        Shown.emplace_back(message, Now());
        return Shown.size() == 1 ? -1440 : AnswerDone;
    };
    Tick(5);
    EXPECT_EQ(OneTimeNames(), (std::vector<std::string>{"Lunch", "Early", "Report", "Late"}));
    EXPECT_EQ(OneTime(3).Status, rsNotToday);
    EXPECT_EQ(AlarmGrid.Row(), 1) << "the current row index does not follow a snooze";

    // The snooze was written, so the midnight reload keeps it.
    Clock.Set(At(23, 59, 55));
    Tick(10);
    Clock.Set(At(10, 0, 0, Monday() + 1));
    Tick(10);
    ASSERT_GE(Shown.size(), 2u);
    EXPECT_EQ(Shown.back().first, "Report");
    EXPECT_GE(Shown.back().second, AddMinutes(1440, Shown[0].second));
}

TEST_F(TickEngineTest, ASnoozedRepeatingReminderFiresThenOkReturnsToTheRegularSlots)
{
    FileRepeating(EncodeTime(9, 0), 60, "Hourly");
    StartAt(At(8, 59, 0));
    Clock.Set(At(9, 1, 55));
    Notification.Answer = [this](const std::string& message, bool) {
        Shown.emplace_back(message, Now());
        return Shown.size() == 1 ? -30 : AnswerDone;
    };
    Tick(5);
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_NEAR(Shown[0].second, At(9, 2), MSec / 2);
    EXPECT_EQ(Repeating(1).AlarmTime, AddMinutes(30, Shown[0].second));
    EXPECT_EQ(Repeating(1).Status, rsPending);

    Tick(31 * 60);
    ASSERT_EQ(Shown.size(), 2u);
    EXPECT_NEAR(Shown[1].second, At(9, 32, 5), MSec / 2);
    EXPECT_NEAR(Repeating(1).AlarmTime, At(10, 0), 10 * MSec);
    EXPECT_GT(Repeating(1).AlarmTime, At(10, 0));
}

TEST_F(TickEngineTest, ARepeatingSnoozePastMidnightNeverFiresAndTheNewDayStartsAfresh)
{
    FileRepeating(EncodeTime(9, 50), 60, "Hourly", etShowOnly, EncodeTime(23, 55));
    StartAt(At(23, 49, 58)); // the 23:50 slot is next
    Notification.Answer = [this](const std::string& message, bool) {
        Shown.emplace_back(message, Now());
        return -30;
    };
    Tick(5);
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Repeating(1).AlarmDate(), Monday() + 1);
    EXPECT_EQ(Repeating(1).Status, rsPending);
    Tick(40 * 60); // past midnight and the snoozed 00:20
    EXPECT_EQ(Shown.size(), 1u) << "a firing of another date came from the scan";
    EXPECT_NEAR(Repeating(1).AlarmTime, At(9, 50, 0, Monday() + 1), 100 * MSec);
}

TEST_F(TickEngineTest, AdjustTimeShiftsTheCurrentReminderJudgesItAfreshAndWritesTheFile)
{
    struct Case {
        const char* name;
        TDateTime now;
        TDateTime due;
        TReminderStatus status;
        std::string_view item;
        TReminderStatus expected;
        int rowAfter;
    };
    // The list around the adjusted one: "Before" at 08:00 and "After" at 11:30 today.
    const Case cases[] = {
        {"+1 Day on a done one", At(10, 30), At(10, 0), rsDone, "+1 Day", rsNotToday, 3},
        {"-1 Hour, over ten minutes ago", At(10, 30), At(10, 0), rsPending, "-1 Hour", rsExpired,
         2},
        {"-1 Minute, within the grace", At(10, 5), At(10, 0), rsPending, "-1 Minute", rsPending, 2},
        {"-1 Minute on a done one", At(10, 5), At(10, 0), rsDone, "-1 Minute", rsPending, 2},
        {"+1 Minute on a done one long past", At(10, 30), At(10, 0), rsDone, "+1 Minute", rsExpired,
         2},
        {"+1 Hour past the next", At(10, 30), At(11, 0), rsPending, "+1 Hour", rsPending, 3},
        {"-1 Day", At(10, 30), At(11, 0), rsPending, "-1 Day", rsExpired, 1},
        {"-1 Hour at the start of the scale stays there", At(10, 30), 0, rsExpired, "-1 Hour",
         rsExpired, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Storage.OneTimeFile.clear();
        FileOneTime(At(8, 0), "Before");
        FileOneTime(c.due, "Adjusted");
        FileOneTime(At(11, 30), "After");
        std::sort(Storage.OneTimeFile.begin(), Storage.OneTimeFile.end(),
                  [](const auto& a, const auto& b) { return a->AlarmTime < b->AlarmTime; });
        StartAt(c.now);
        const std::vector<std::string> names = OneTimeNames();
        const int row =
            static_cast<int>(std::find(names.begin(), names.end(), "Adjusted") - names.begin()) + 1;
        AlarmGrid.SetRow(row);
        OneTime(row).Status = c.status;

        const AdjustMenuItem& item = MenuItem(c.item);
        Engine.AdjustTime(item);

        ASSERT_EQ(AlarmGrid.Row(), c.rowAfter);
        const TReminder& reminder = OneTime(c.rowAfter);
        EXPECT_EQ(reminder.Description, "Adjusted");
        EXPECT_EQ(reminder.AlarmTime, AddMinutes(item.Minutes, c.due));
        EXPECT_EQ(reminder.Status, c.expected);
        EXPECT_EQ(Entries("repaint"), std::vector<std::string>{"repaint one-time"});
        ASSERT_EQ(Entries("save"), std::vector<std::string>{"save"});
        EXPECT_EQ(Storage.OneTimeFile[static_cast<std::size_t>(c.rowAfter - 1)]->AlarmTime,
                  reminder.AlarmTime);
    }
}

TEST_F(TickEngineTest, AReminderAdjustedIntoTheGraceFiresAtTheNextScan)
{
    FileOneTime(At(10, 0), "Meeting");
    StartAt(At(10, 5, 0));
    OneTime(1).Status = rsDone;
    AlarmGrid.SetRow(1);
    Engine.AdjustTime(MenuItem("-1 Minute"));
    Tick(5);
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0].first, "Meeting");
}

TEST_F(TickEngineTest, AdjustTimeWithoutACurrentReminderDoesNothing)
{
    StartAt(At(10, 0));
    Engine.AdjustTime(MenuItem("+1 Hour"));
    EXPECT_TRUE(Log.empty());
}

TEST_F(TickEngineTest, CrossingMidnightReloadsOnceWithoutCountingOrScanning)
{
    FileOneTime(At(0, 0, 0, Monday() + 1), "Midnight");
    StartAt(At(23, 59, 50));
    Tick(7); // the counter stands at 2 at 23:59:57
    Tick(2);
    const std::int32_t counter = Engine.TickCounter();
    ASSERT_EQ(Storage.Loads, 1);
    Log.clear();

    Tick(); // 00:00:00
    EXPECT_EQ(Storage.Loads, 2);
    EXPECT_EQ(Engine.LastDate(), Monday() + 1);
    EXPECT_EQ(Engine.TickCounter(), counter);
    EXPECT_EQ(Log, (std::vector<std::string>{"timer off", "load", "repaint one-time",
                                             "repaint repeating", "timer on"}));
    EXPECT_EQ(AlarmGrid.Row(), 1);

    // The next scan comes when the counter next reaches five.
    Tick(Engine.TicksPerScan - counter - 1);
    EXPECT_TRUE(Shown.empty());
    Tick();
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_NEAR(Shown[0].second, At(0, 0, 0, Monday() + 1) + (5 - counter) * Second, MSec / 2);
    Tick(100);
    EXPECT_EQ(Storage.Loads, 2);
}

TEST_F(TickEngineTest, AClockSetBackToAnEarlierDateCausesNoReload)
{
    FileOneTime(At(10, 0), "Monday");
    StartAt(At(9, 0, 0, Monday() + 1));
    Clock.Set(At(9, 59, 50));
    Tick(20);
    EXPECT_EQ(Storage.Loads, 1);
    EXPECT_EQ(Engine.LastDate(), Monday() + 1);
    EXPECT_EQ(Engine.TickCounter(), 0) << "the ticks are counted as usual";
    EXPECT_TRUE(Shown.empty()) << "a reminder of the earlier day is expired";

    // Back to the date of the last load: still no reload.
    Clock.Set(At(9, 0, 30, Monday() + 1));
    Tick(5);
    EXPECT_EQ(Storage.Loads, 1);
}

TEST_F(TickEngineTest, AFailingLoadKeepsWhatWasReadAndTheDateOfTheLoad)
{
    FileOneTime(At(10, 0), "A");
    FileOneTime(At(11, 0), "B");
    FileOneTime(At(12, 0), "C");
    FileRepeating(EncodeTime(9, 0), 0, "Daily");
    Storage.FailLoadAfter = 2;
    StartAt(At(9, 0));
    EXPECT_EQ(OneTimeNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(AlarmGrid.Row(), 1);
    EXPECT_EQ(RepeatingAlarmGrid.RowCount(), 1);
    EXPECT_EQ(RepeatingAlarmGrid.Row(), 0);
    EXPECT_EQ(Engine.LastDate(), Monday());
    Tick(10);
    EXPECT_EQ(Storage.Loads, 1);
}

TEST_F(TickEngineTest, AFailingSaveIsShownOnceTriedAgainAndTheListsKeepTheirState)
{
    FileOneTime(At(10, 0), "A");
    FileOneTime(At(10, 1), "B");
    FileOneTime(At(10, 2), "C");
    StartAt(At(9, 59, 58));
    Storage.FailSaves = true;
    Tick(3 * 60);
    EXPECT_EQ(Shown.size(), 3u);
    EXPECT_EQ(Window.Errors, std::vector<std::string>{"Cannot create file /home/user/Nudgeon.dat"});
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(OneTime(row).Status, rsDone) << row;
    EXPECT_GT(Entries("save").size(), 3u) << "not tried again";

    // Once the file can be written again the next scan writes it, with no new answer.
    Storage.FailSaves = false;
    Tick(5);
    ASSERT_EQ(Storage.Saves, 1);
    EXPECT_EQ(Storage.OneTimeFile[2]->Status, rsDone);
    Tick(60);
    EXPECT_EQ(Storage.Saves, 1) << "saved without a change";

    // A new failure is shown again.
    Storage.FailSaves = true;
    OneTime(3).Status = rsPending;
    Tick(5);
    EXPECT_EQ(Window.Errors.size(), 2u);
}

TEST_F(TickEngineTest, EachAdjustmentThatCannotBeWrittenIsShown)
{
    FileOneTime(At(11, 0), "Call");
    StartAt(At(10, 0));
    AlarmGrid.SetRow(1);
    Storage.FailSaves = true;
    Engine.AdjustTime(MenuItem("+5 Minutes"));
    Engine.AdjustTime(MenuItem("+5 Minutes"));
    EXPECT_EQ(Window.Errors.size(), 2u) << "the user's own command is told every time";
    EXPECT_EQ(OneTime(1).AlarmTime, AddMinutes(5, AddMinutes(5, At(11, 0))));
    Tick(10); // the scans try again without a word
    EXPECT_EQ(Entries("save").size(), 4u);
    EXPECT_EQ(Window.Errors.size(), 2u);
}

TEST_F(TickEngineTest, AnUnsavedAnswerIsWrittenBeforeTheMidnightReload)
{
    FileOneTime(At(23, 59, 0), "Late");
    FileOneTime(At(12, 0, 0, Monday() + 1), "Tomorrow");
    StartAt(At(23, 58, 58));
    Storage.FailSaves = true;
    Notification.Answer = [](const std::string&, bool) {
        return -720;
    };
    Tick(10); // fired at 23:59:03, snoozed to about noon
    ASSERT_EQ(Window.Errors.size(), 1u);
    Storage.FailSaves = false;
    Clock.Set(At(23, 59, 59)); // the next tick is the date change, with no scan before it
    Log.clear();
    Tick();
    ASSERT_EQ(Storage.Loads, 2);
    EXPECT_EQ(Entries("save").size(), 1u);
    EXPECT_LT(std::find(Log.begin(), Log.end(), "save"), std::find(Log.begin(), Log.end(), "load"));
    EXPECT_EQ(OneTimeNames(), (std::vector<std::string>{"Late", "Tomorrow"}));
    EXPECT_EQ(OneTime(1).Status, rsPending) << "the snooze to noon was lost";
}

TEST_F(TickEngineTest, TheTimerRunsAgainWhenATickFails)
{
    FileOneTime(At(10, 0), "Broken");
    StartAt(At(9, 59, 58));
    Notification.Answer = [](const std::string&, bool) -> int {
        throw std::runtime_error("Out of system resources");
    };
    Tick(4);
    Clock.AdvanceSeconds(1);
    EXPECT_THROW(Engine.Timer1Timer(), std::runtime_error);
    EXPECT_TRUE(Window.TimerEnabled);
}

TEST_F(TickEngineTest, TheLowestSnoozeAnswerSnoozesAsFarAsItCan)
{
    FileOneTime(At(10, 0), "Forever");
    StartAt(At(9, 59, 58));
    TDateTime answered = 0;
    Notification.Answer = [&answered](const std::string&, bool) {
        answered = Now();
        return std::numeric_limits<std::int32_t>::min();
    };
    Tick(5);
    EXPECT_EQ(OneTime(1).AlarmTime, AddMinutes(std::numeric_limits<std::int32_t>::max(), answered));
    EXPECT_EQ(OneTime(1).Status, rsNotToday);
}

} // namespace
} // namespace nudgeon
