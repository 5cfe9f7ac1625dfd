// The clock misbehaving under the tick: set back, jumped over midnight, shifted by a change to
// or from daylight-saving time, and a resume after six hours of suspend. No reminder may fire
// twice for one due time, none may be lost that was due on the day, and the lists are loaded
// again exactly when the date moves on.
#include "controls/ReminderGridRows.h"
#include "model/DaysSpec.h"
#include "schedule/TickEngine.h"
#include "schedule/TickFakes.h"
#include "support/FakeClock.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace nudgeon::test {
namespace {

TDateTime At(int year, int month, int day, int hour, int minute, int second = 0, int ms = 0)
{
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second, ms);
}

// The tick engine over the fakes, with every notification answered Ok and recorded by name.
class ClockFixture : public testing::Test {
protected:
    void AddOneTime(const std::string& name, TDateTime due)
    {
        harness.Storage.OneTimeFile.push_back(
            TReminder::CreateOneTime(rkOneTime, due, name, "", etShowOnly));
    }
    void AddRepeating(const std::string& name, TDateTime start, std::int32_t every)
    {
        harness.Storage.RepeatingFile.push_back(TReminder::CreateRepeating(
            rkRepeating, start, false, 0, "0123456", every, name, "", etShowOnly));
    }
    void Begin()
    {
        harness.Notification.Answer = [this](const std::string& message, bool) {
            fired[message].push_back(Now());
            return AnswerDone;
        };
        harness.Engine.Reload();
    }
    void Tick(int seconds, const std::function<void()>& advance)
    {
        for (int i = 0; i < seconds; ++i) {
            advance();
            harness.Engine.Timer1Timer();
        }
    }
    int Count(const std::string& name) const
    {
        const auto found = fired.find(name);
        return found == fired.end() ? 0 : static_cast<int>(found->second.size());
    }
    const TReminder* OneTime(const std::string& name) const
    {
        for (const auto& reminder : harness.AlarmGrid.Reminders())
            if (reminder->Description == name)
                return reminder.get();
        return nullptr;
    }

    TickHarness harness;
    std::map<std::string, std::vector<TDateTime>> fired;
};

class FakeClockTest : public ClockFixture {
protected:
    void TickSeconds(int seconds)
    {
        Tick(seconds, [this] { clock.AdvanceSeconds(1); });
    }
    FakeClock clock{At(2024, 3, 4, 10, 0, 0, 500)};
};

TEST_F(FakeClockTest, AClockSetBackNeitherReloadsNorFiresAgain)
{
    AddOneTime("once", At(2024, 3, 4, 10, 0, 30));
    AddRepeating("half-hourly", EncodeTime(8, 0), 30);
    Begin();
    TickSeconds(31 * 60); // to 10:31: "once" at 10:00:30 and the 10:30 slot
    ASSERT_EQ(Count("once"), 1);
    ASSERT_EQ(Count("half-hourly"), 1);

    // Back an hour: the hour from 09:00 to 10:31 passes again.
    clock.Set(At(2024, 3, 4, 9, 0, 0, 500));
    TickSeconds(91 * 60);
    EXPECT_EQ(Count("once"), 1);
    EXPECT_EQ(Count("half-hourly"), 1);
    // Back to the evening before, and on over midnight into the day of the last load.
    clock.Set(At(2024, 3, 3, 23, 0, 0, 500));
    TickSeconds(2 * 3600);
    EXPECT_EQ(Count("once"), 1);
    EXPECT_EQ(Count("half-hourly"), 1);
    EXPECT_EQ(harness.Storage.Loads, 1);
    EXPECT_EQ(harness.Engine.LastDate(), EncodeDate(2024, 3, 4));

    // Forward again: the next slot, 11:00, comes once.
    clock.Set(At(2024, 3, 4, 10, 59, 0, 500));
    TickSeconds(5 * 60);
    EXPECT_EQ(Count("half-hourly"), 2);
    EXPECT_EQ(harness.Storage.Loads, 1);
}

TEST_F(FakeClockTest, AJumpOverMidnightReloadsOnceAndJudgesTheDayAfresh)
{
    clock.Set(At(2024, 3, 4, 23, 50, 0, 500));
    AddOneTime("skipped", At(2024, 3, 4, 23, 55));
    AddOneTime("just after midnight", At(2024, 3, 5, 0, 5));
    AddOneTime("tomorrow morning", At(2024, 3, 5, 9, 0));
    AddRepeating("hourly", 0, 60);
    Begin();
    TickSeconds(60);

    clock.Set(At(2024, 3, 5, 0, 10, 0, 500));
    TickSeconds(1);
    EXPECT_EQ(harness.Storage.Loads, 2);
    ASSERT_NE(OneTime("skipped"), nullptr);
    EXPECT_EQ(OneTime("skipped")->Status, rsExpired);
    TickSeconds(55 * 60); // to 01:05
    EXPECT_EQ(Count("skipped"), 0);
    EXPECT_EQ(Count("just after midnight"), 1); // within the ten minutes of grace
    EXPECT_EQ(Count("tomorrow morning"), 0);
    ASSERT_EQ(Count("hourly"), 1); // the 01:00 slot, not the ones before the jump
    EXPECT_GE(fired["hourly"].front(), At(2024, 3, 5, 1, 0));

    // Two whole days ahead: one reload, and the morning reminder has expired unseen.
    clock.Set(At(2024, 3, 7, 8, 0, 0, 500));
    TickSeconds(10);
    EXPECT_EQ(harness.Storage.Loads, 3);
    EXPECT_EQ(OneTime("tomorrow morning")->Status, rsExpired);
    EXPECT_EQ(Count("tomorrow morning"), 0);
}

TEST_F(FakeClockTest, AResumeAfterSixHoursFiresEachDueReminderOnce)
{
    clock.Set(At(2024, 3, 4, 8, 0, 0, 500));
    for (const int hour : {9, 11, 13})
        AddOneTime(std::to_string(hour) + ":30", At(2024, 3, 4, hour, 30));
    AddOneTime("after the resume", At(2024, 3, 4, 15, 0));
    AddRepeating("every 45 minutes", EncodeTime(7, 0), 45);
    AddRepeating("daily at ten", EncodeTime(10, 0), 0);
    Begin();
    TickSeconds(10);

    clock.Set(At(2024, 3, 4, 14, 0, 10, 500)); // six hours of suspend
    TickSeconds(10);
    for (const int hour : {9, 11, 13})
        EXPECT_EQ(Count(std::to_string(hour) + ":30"), 1) << hour;
    EXPECT_EQ(Count("daily at ten"), 1);
    // The slot it was waiting for fires once, not once per slot missed...
    EXPECT_EQ(Count("every 45 minutes"), 1);
    // ...and it goes on from the first slot after now: 07:00 plus ten steps.
    TDateTime slot = EncodeTime(7, 0);
    for (int step = 0; step < 10; ++step)
        slot = AddMinutes(45, slot);
    const TReminder* repeating = harness.RepeatingAlarmGrid.Reminder(1);
    ASSERT_NE(repeating, nullptr);
    EXPECT_EQ(repeating->AlarmTime, EncodeDate(2024, 3, 4) + slot);

    TickSeconds(60 * 60); // to 15:00:20
    EXPECT_EQ(Count("every 45 minutes"), 2);
    EXPECT_EQ(Count("after the resume"), 1);
    for (const int hour : {9, 11, 13})
        EXPECT_EQ(Count(std::to_string(hour) + ":30"), 1) << hour;
    EXPECT_EQ(harness.Storage.Loads, 1);
}

// Local time from a count of real seconds in a zone with daylight-saving time, as the system
// clock gives it.
class ZoneClockTest : public ClockFixture {
protected:
    void SetUp() override
    {
        if (const char* zone = std::getenv("TZ"))
            savedZone_ = zone;
        // Central Europe: forward at 02:00 on the last Sunday of March, back at 03:00 on the
        // last Sunday of October. A rule, so that no zone database is needed.
        ::setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        ::tzset();
        SetClock([this] { return Local(); });
    }
    void TearDown() override
    {
        UseSystemClock();
        if (savedZone_)
            ::setenv("TZ", savedZone_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    TDateTime Local() const
    {
        const std::time_t seconds = utcMs_ / 1000;
        std::tm local{};
        ::localtime_r(&seconds, &local);
        return At(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                  local.tm_min, local.tm_sec, static_cast<int>(utcMs_ % 1000));
    }
    void StartAtUtc(int year, int month, int day, int hour, int minute)
    {
        utcMs_ =
            (static_cast<std::int64_t>(EncodeDate(year, month, day)) - UnixDateDelta) * 86400000 +
            (hour * 60 + minute) * 60000 + 500;
    }
    void TickSeconds(int seconds)
    {
        Tick(seconds, [this] { utcMs_ += 1000; });
    }

private:
    std::int64_t utcMs_ = 0;
    std::optional<std::string> savedZone_;
};

TEST_F(ZoneClockTest, TheHourThatIsSkippedInSpringStillFiresItsReminders)
{
    StartAtUtc(2024, 3, 31, 0, 0); // 01:00 local
    AddOneTime("at 02:30", At(2024, 3, 31, 2, 30));
    AddRepeating("daily at 02:15", EncodeTime(2, 15), 0);
    AddRepeating("half-hourly", 0, 30);
    Begin();
    TickSeconds(2 * 3600 + 10); // to 04:00:10 local
    EXPECT_EQ(Count("at 02:30"), 1);
    EXPECT_EQ(Count("daily at 02:15"), 1);
    // 01:30, the 02:00 slot as soon as it is 03:00, then 03:30 and 04:00.
    EXPECT_EQ(Count("half-hourly"), 4);
    ASSERT_EQ(Count("at 02:30"), 1);
    EXPECT_GE(fired["at 02:30"].front(), At(2024, 3, 31, 3, 0));
    EXPECT_EQ(harness.Storage.Loads, 1);
}

TEST_F(ZoneClockTest, TheHourThatComesTwiceInAutumnFiresItsRemindersOnce)
{
    StartAtUtc(2024, 10, 26, 23, 30); // 01:30 local summer time
    AddOneTime("at 02:30", At(2024, 10, 27, 2, 30));
    AddRepeating("daily at 02:15", EncodeTime(2, 15), 0);
    AddRepeating("half-hourly", 0, 30);
    Begin();
    TickSeconds(3 * 3600 + 30 * 60 + 10); // to 04:00:10 local winter time
    EXPECT_EQ(Count("at 02:30"), 1);
    EXPECT_EQ(Count("daily at 02:15"), 1);
    // 02:00 and 02:30 in summer time, nothing while the hour repeats, then 03:00 to 04:00.
    EXPECT_EQ(Count("half-hourly"), 5);
    EXPECT_EQ(harness.Storage.Loads, 1);
}

} // namespace
} // namespace nudgeon::test
