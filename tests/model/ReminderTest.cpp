#include "model/Reminder.h"

#include <gtest/gtest.h>

namespace nudgeon {
namespace {

TEST(Reminder, CreateGivesAClearedReminder)
{
    const auto reminder = TReminder::Create();
    EXPECT_EQ(reminder->Kind, rkOneTime);
    EXPECT_EQ(reminder->EventType, etShowAndPlay);
    EXPECT_EQ(reminder->Status, rsPending);
    EXPECT_EQ(reminder->AlarmTime, 0);
    EXPECT_EQ(reminder->AlarmDate(), 0);
    EXPECT_EQ(reminder->AlarmTimeOfDay(), 0);
    EXPECT_EQ(reminder->StartTime, 0);
    EXPECT_EQ(reminder->EndTime, 0);
    EXPECT_FALSE(reminder->HasUntil);
    EXPECT_FALSE(reminder->ReservedFlag);
    EXPECT_EQ(reminder->RepeatEvery, 0);
    EXPECT_TRUE(reminder->Description.empty());
    EXPECT_TRUE(reminder->SoundFile.empty());
    EXPECT_TRUE(reminder->DaysSpec.empty());
}

TEST(Reminder, EnumerationsKeepTheirStoredByteValues)
{
    EXPECT_EQ(sizeof(TReminderKind), 1u);
    EXPECT_EQ(sizeof(TEventType), 1u);
    EXPECT_EQ(sizeof(TReminderStatus), 1u);
    EXPECT_EQ(static_cast<int>(rkRepeating), 1);
    EXPECT_EQ(static_cast<int>(etNothing), 3);
    EXPECT_EQ(static_cast<int>(rsNotToday), 3);
    EXPECT_EQ(static_cast<int>(rsRemove), 4);
}

TEST(Reminder, CreateOneTimeSetsItsFiveFields)
{
    const auto reminder =
        TReminder::CreateOneTime(rkOneTime, 36526.75, "Call Ann", "/snd/bell.wav", etPlayOnly);
    EXPECT_EQ(reminder->AlarmTime, 36526.75);
    EXPECT_EQ(reminder->AlarmDate(), 36526);
    EXPECT_EQ(reminder->AlarmTimeOfDay(), 0.75);
    EXPECT_EQ(reminder->Description, "Call Ann");
    EXPECT_EQ(reminder->SoundFile, "/snd/bell.wav");
    EXPECT_EQ(reminder->EventType, etPlayOnly);
    EXPECT_EQ(reminder->StartTime, 0);
    EXPECT_EQ(reminder->Status, rsPending);
}

TEST(Reminder, CreateRepeatingLeavesNoFiringSet)
{
    const auto reminder = TReminder::CreateRepeating(rkRepeating, 0.375, true, 0.75, "12345", 30,
                                                     "Stretch", "", etShowOnly);
    EXPECT_EQ(reminder->Kind, rkRepeating);
    EXPECT_EQ(reminder->StartTime, 0.375);
    EXPECT_TRUE(reminder->HasUntil);
    EXPECT_EQ(reminder->EndTime, 0.75);
    EXPECT_EQ(reminder->DaysSpec, "12345");
    EXPECT_EQ(reminder->RepeatEvery, 30);
    EXPECT_EQ(reminder->Description, "Stretch");
    EXPECT_EQ(reminder->EventType, etShowOnly);
    EXPECT_EQ(reminder->AlarmTime, 0);
    EXPECT_EQ(reminder->Status, rsPending);
}

TEST(Reminder, CloneCopiesEveryFieldAndSharesNothing)
{
    auto source = TReminder::CreateRepeating(rkRepeating, 0.25, true, 0.5, "$5 5 0 ", 45, "Backup",
                                             "/snd/a.mid", etNothing);
    source->AlarmTime = 45000.3;
    source->Status = rsDone;
    source->ReservedFlag = true;

    auto clone = source->Clone();
    EXPECT_NE(clone.get(), source.get());
    EXPECT_EQ(clone->Kind, rkRepeating);
    EXPECT_EQ(clone->EventType, etNothing);
    EXPECT_EQ(clone->AlarmTime, 45000.3);
    EXPECT_EQ(clone->StartTime, 0.25);
    EXPECT_EQ(clone->EndTime, 0.5);
    EXPECT_TRUE(clone->HasUntil);
    EXPECT_EQ(clone->DaysSpec, "$5 5 0 ");
    EXPECT_EQ(clone->RepeatEvery, 45);
    EXPECT_EQ(clone->Status, rsDone);
    EXPECT_TRUE(clone->ReservedFlag);

    clone->Description = "Changed";
    clone->SoundFile.clear();
    clone->DaysSpec = "06";
    EXPECT_EQ(source->Description, "Backup");
    EXPECT_EQ(source->SoundFile, "/snd/a.mid");
    EXPECT_EQ(source->DaysSpec, "$5 5 0 ");
}

} // namespace
} // namespace nudgeon
