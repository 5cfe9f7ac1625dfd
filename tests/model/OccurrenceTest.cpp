#include "model/Reminder.h"
#include "support/FakeClock.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace nudgeon {
namespace {

constexpr double MSec = 1.0 / MSecsPerDay;

TDateTime Time(int hour, int minute, int second = 0)
{
    return EncodeTime(hour, minute, second);
}

TEST(AddMinutes, AddsTheProgramsLongMinute)
{
    EXPECT_EQ(AddMinutes(-10, 0.003), 0); // 00:04:19 minus ten minutes is before midnight
    EXPECT_NEAR(AddMinutes(60, 0.5), 0.5416667, 1e-12);
    EXPECT_GT(AddMinutes(60, 0.5), 13.0 / 24);                              // not exactly 13:00 ...
    EXPECT_NEAR(AddMinutes(60, 0.5) - 13.0 / 24, 2.88 * MSec, 0.01 * MSec); // ... 2.88 ms later
    EXPECT_EQ(AddMinutes(0, 0.25), 0.25);
    EXPECT_EQ(AddMinutes(-5, 0), 0);
    EXPECT_NEAR(AddMinutes(-60, 0.5), 0.5 - 0.0416667, 1e-12);

    // A day of minute steps overshoots the day by 0.0000008.
    TDateTime t = 0;
    for (int i = 0; i < MinutesPerDay; ++i)
        t = AddMinutes(1, t);
    EXPECT_NEAR(t, 1.0000008, 1e-10);
}

TEST(AddMinutes, ValuesThatCannotBeComputedGiveZero)
{
    EXPECT_EQ(AddMinutes(1, std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(AddMinutes(1, -std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(AddMinutes(1, std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(AddMinutes(std::numeric_limits<std::int32_t>::min(), 1e6), 0);
}

class OccurrenceTest : public testing::Test {
protected:
    // Wednesday 10 January 2024.
    const TDateTime today = EncodeDate(2024, 1, 10);
    test::FakeClock clock{today};

    void SetNow(int hour, int minute, int second = 0)
    {
        clock.Set(today + Time(hour, minute, second));
    }
};

struct StatusCase {
    const char* name;
    TDateTime alarmTime; // relative to today
    TReminderStatus before;
    int nowHour, nowMinute, nowSecond;
    TReminderStatus expected;
};

TEST_F(OccurrenceTest, OneTimeStatusFromTheClock)
{
    const StatusCase cases[] = {
        {"due 09:00, now 09:09:59", Time(9, 0), rsPending, 9, 9, 59, rsPending},
        {"due 09:00, now 09:10:01", Time(9, 0), rsPending, 9, 10, 1, rsExpired},
        {"the long minute keeps 09:10:00 in grace", Time(9, 0), rsPending, 9, 10, 0, rsPending},
        {"due 09:00, now 08:00", Time(9, 0), rsExpired, 8, 0, 0, rsPending},
        {"due 00:05, now 00:09", Time(0, 5), rsPending, 0, 9, 0, rsPending},
        {"due 00:00, now 00:09:59", 0.0, rsPending, 0, 9, 59, rsPending},
        {"due yesterday", -1 + Time(23, 0), rsPending, 0, 0, 0, rsExpired},
        {"due tomorrow", 1 + Time(0, 0), rsPending, 23, 59, 0, rsNotToday},
        {"done stays done, yesterday", -1 + Time(9, 0), rsDone, 12, 0, 0, rsDone},
        {"done stays done, tomorrow", 1 + Time(9, 0), rsDone, 12, 0, 0, rsDone},
        {"a removal mark is recomputed", Time(13, 0), rsRemove, 12, 0, 0, rsPending},
        {"not today becomes pending on the day", Time(13, 0), rsNotToday, 12, 0, 0, rsPending},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto reminder =
            TReminder::CreateOneTime(rkOneTime, today + c.alarmTime, "", "", etShowAndPlay);
        reminder->Status = c.before;
        SetNow(c.nowHour, c.nowMinute, c.nowSecond);
        reminder->UpdateStatus();
        EXPECT_EQ(reminder->Status, c.expected);
        EXPECT_EQ(reminder->AlarmTime, today + c.alarmTime);
    }
}

struct NextCase {
    const char* name;
    const char* days;
    TDateTime start;
    int repeatEvery;
    bool hasUntil;
    TDateTime end;
    int nowHour, nowMinute, nowSecond;
    // An expected firing (time of day) or, when negative, "no firing set".
    TDateTime expectedSlot;
    TReminderStatus expectedStatus;
};

constexpr TDateTime NoFiring = -1;

TEST_F(OccurrenceTest, RepeatingNextFiringToday)
{
    const TDateTime hourSteps4 = 4 * 60 * 0.000694445 - 4.0 / 24; // excess of four 60-min steps
    const NextCase cases[] = {
        {"once a day, now exactly at the start", "0123456", Time(8, 0), 0, false, 0, 8, 0, 0,
         Time(8, 0), rsPending},
        {"once a day, a second late", "0123456", Time(8, 0), 0, false, 0, 8, 0, 1, NoFiring,
         rsNotToday},
        {"once a day, rule not today", "06", Time(8, 0), 0, false, 0, 7, 0, 0, NoFiring,
         rsNotToday},
        {"hourly until 17:30, now 12:15", "12345", Time(9, 0), 60, true, Time(17, 30), 12, 15, 0,
         Time(13, 0) + hourSteps4, rsPending},
        {"hourly until 17:30, now 17:10: 18:00 is past the end", "12345", Time(9, 0), 60, true,
         Time(17, 30), 17, 10, 0, NoFiring, rsDone},
        {"hourly until 17:30, now 17:45", "12345", Time(9, 0), 60, true, Time(17, 30), 17, 45, 0,
         NoFiring, rsNotToday},
        {"until 17:30, now exactly 17:30", "12345", Time(9, 0), 60, true, Time(17, 30), 17, 30, 0,
         NoFiring, rsNotToday},
        {"every 30 from 22:00, now 23:50: midnight slot not taken", "0123456", Time(22, 0), 30,
         false, 0, 23, 50, 0, NoFiring, rsDone},
        {"every 30 from 22:00, now 23:20", "0123456", Time(22, 0), 30, false, 0, 23, 20, 0,
         Time(23, 30), rsPending},
        {"every 30 until 17:30, now 17:15: the slot at the end is taken", "3", Time(17, 0), 30,
         true, Time(17, 30), 17, 15, 0, Time(17, 30), rsPending},
        {"every 30 until 17:29, now 17:15: a minute past the end is not", "3", Time(17, 0), 30,
         true, Time(17, 29), 17, 15, 0, NoFiring, rsDone},
        {"before the first slot", "3", Time(9, 0), 10, false, 0, 6, 0, 0, Time(9, 0), rsPending},
        {"a negative interval never fires", "3", Time(9, 0), -10, false, 0, 12, 0, 0, NoFiring,
         rsNotToday},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto reminder = TReminder::CreateRepeating(rkRepeating, c.start, c.hasUntil, c.end, c.days,
                                                   c.repeatEvery, "", "", etShowAndPlay);
        reminder->Status = rsDone; // to see whether the rule changes it
        SetNow(c.nowHour, c.nowMinute, c.nowSecond);
        reminder->UpdateNextOccurrence();
        EXPECT_EQ(reminder->Status, c.expectedStatus);
        if (c.expectedSlot < 0)
            EXPECT_EQ(reminder->AlarmTime, 0);
        else
            EXPECT_NEAR(reminder->AlarmTime, today + c.expectedSlot, 5 * MSec);
    }
}

TEST_F(OccurrenceTest, HourlySlotsCarryTheirAccumulatedExcess)
{
    auto reminder = TReminder::CreateRepeating(rkRepeating, Time(9, 0), true, Time(17, 30), "12345",
                                               60, "", "", etShowAndPlay);
    SetNow(12, 15);
    reminder->UpdateNextOccurrence();
    const double excess = (reminder->AlarmTime - (today + Time(13, 0))) / MSec;
    EXPECT_GT(excess, 11.0);
    EXPECT_LT(excess, 12.0);
    EXPECT_EQ(FormatDateTime("h:mmam/pm", reminder->AlarmTime), "1:00pm");
}

TEST_F(OccurrenceTest, ANotTodayRuleLeavesTheFiringAlone)
{
    auto reminder = TReminder::CreateRepeating(rkRepeating, Time(8, 0), false, 0, "06", 0, "", "",
                                               etShowAndPlay);
    reminder->AlarmTime = today + Time(8, 30); // a snoozed time
    SetNow(7, 0);
    reminder->UpdateNextOccurrence();
    EXPECT_EQ(reminder->Status, rsNotToday);
    EXPECT_EQ(reminder->AlarmTime, today + Time(8, 30));
}

TEST_F(OccurrenceTest, SlotsFollowTheClockThroughTheDay)
{
    // Every 45 minutes from 08:00 until 12:00: the slot after "now" for each minute.
    auto reminder = TReminder::CreateRepeating(rkRepeating, Time(8, 0), true, Time(12, 0),
                                               "0123456", 45, "", "", etShowAndPlay);
    for (int minute = 0; minute < MinutesPerDay; minute += 7) {
        SCOPED_TRACE(minute);
        reminder->AlarmTime = 0;
        reminder->Status = rsDone;
        // Half a minute past, so that the few milliseconds of excess do not matter.
        SetNow(minute / 60, minute % 60, 30);
        reminder->UpdateNextOccurrence();
        const int slot = minute < 8 * 60 ? 8 * 60 : 8 * 60 + ((minute - 8 * 60) / 45 + 1) * 45;
        if (minute >= 12 * 60) {
            EXPECT_EQ(reminder->Status, rsNotToday);
            EXPECT_EQ(reminder->AlarmTime, 0);
        } else if (slot > 12 * 60 + 1) {
            EXPECT_EQ(reminder->Status, rsDone);
            EXPECT_EQ(reminder->AlarmTime, 0);
        } else {
            EXPECT_EQ(reminder->Status, rsPending);
            EXPECT_NEAR(reminder->AlarmTime, today + slot / 1440.0, 15 * MSec);
        }
    }
}

} // namespace
} // namespace nudgeon
