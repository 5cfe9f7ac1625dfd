#include "model/Reminder.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

namespace nudgeon {
namespace {

TDateTime Time(int hour, int minute)
{
    return EncodeTime(hour, minute);
}

class ReminderTextsTest : public testing::Test {
protected:
    void SetUp() override
    {
        saved_ = FormatsInForce();
        SetFormatsInForce(TFormatSettings{}); // English month names
    }
    void TearDown() override { SetFormatsInForce(saved_); }

    const TDateTime today = EncodeDate(2026, 12, 11);
    test::FakeClock clock{today + Time(10, 0)};

private:
    TFormatSettings saved_;
};

TEST_F(ReminderTextsTest, WhenText)
{
    const std::pair<TDateTime, const char*> cases[] = {
        {today + Time(0, 30), "Today at 12:30am"},
        {today + Time(12, 0), "Today at 12:00pm"},
        {today + Time(18, 5), "Today at 6:05pm"},
        {today + 1 + Time(9, 5), "Dec 12, 2026 9:05am"},
        {today - 1 + Time(23, 59), "Dec 10, 2026 11:59pm"},
        {EncodeDate(2000, 1, 1) + Time(18, 5), "Jan 01, 2000 6:05pm"},
        {0, ""},
        {0.75, ""}, // a time on day 0 is no firing either
    };
    for (const auto& [alarmTime, text] : cases) {
        auto reminder = TReminder::Create();
        reminder->AlarmTime = alarmTime;
        EXPECT_EQ(reminder->WhenText(), text) << alarmTime;
    }
}

TEST_F(ReminderTextsTest, WhenTextFollowsTheDate)
{
    auto reminder = TReminder::Create();
    reminder->AlarmTime = today + 1 + Time(0, 30);
    EXPECT_EQ(reminder->WhenText(), "Dec 12, 2026 12:30am");
    clock.Set(today + 1);
    EXPECT_EQ(reminder->WhenText(), "Today at 12:30am");
}

TEST(IntervalText, NamesMinutesHoursAndBoth)
{
    const std::pair<int, const char*> cases[] = {
        {1, "1 min"},         {10, "10 min"},        {59, "59 min"}, {60, "Hour"},
        {61, "1 hrs 1 mins"}, {90, "1 hrs 30 mins"}, {120, "2 hrs"}, {130, "2 hrs 10 mins"},
        {600, "10 hrs"},      {720, "12 hrs"},       {0, "0 min"},
    };
    for (const auto& [minutes, text] : cases)
        EXPECT_EQ(IntervalText(minutes), text) << minutes;
}

TEST_F(ReminderTextsTest, RepeatingColumns)
{
    auto reminder = TReminder::CreateRepeating(rkRepeating, 0, true, Time(17, 30), "135", 0, "", "",
                                               etShowAndPlay);
    EXPECT_EQ(reminder->FirstTimeText(), "12:00am");
    EXPECT_EQ(reminder->RepeatEveryText(), ""); // once a day, even with an end time
    EXPECT_EQ(reminder->DaysText(), "On Days: MWF");

    reminder->RepeatEvery = 30;
    EXPECT_EQ(reminder->RepeatEveryText(), "30 min until 5:30pm");
    reminder->RepeatEvery = 90;
    reminder->HasUntil = false;
    EXPECT_EQ(reminder->RepeatEveryText(), "1 hrs 30 mins");

    reminder->StartTime = Time(13, 5);
    EXPECT_EQ(reminder->FirstTimeText(), "1:05pm");
    reminder->DaysSpec = "$3 4 11";
    EXPECT_EQ(reminder->DaysText(), "4th Thu/Nov");
}

TEST(StatusText, NamesEachStatus)
{
    const std::pair<TReminderStatus, const char*> cases[] = {
        {rsPending, "Pending"},    {rsDone, "Done"}, {rsExpired, "Expired"},
        {rsNotToday, "Not Today"}, {rsRemove, ""},   {static_cast<TReminderStatus>(200), ""},
    };
    for (const auto& [status, text] : cases) {
        TReminder reminder;
        reminder.Status = status;
        EXPECT_EQ(reminder.StatusText(), text) << static_cast<int>(status);
    }
}

} // namespace
} // namespace nudgeon
