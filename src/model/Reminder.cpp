#include "model/Reminder.h"

#include <cmath>
#include <utility>

namespace nudgeon {

std::unique_ptr<TReminder> TReminder::Create()
{
    return std::make_unique<TReminder>();
}

std::unique_ptr<TReminder> TReminder::CreateOneTime(TReminderKind kind, TDateTime alarmTime,
                                                    std::string description, std::string soundFile,
                                                    TEventType eventType)
{
    auto reminder = Create();
    reminder->Kind = kind;
    reminder->AlarmTime = alarmTime;
    reminder->Description = std::move(description);
    reminder->SoundFile = std::move(soundFile);
    reminder->EventType = eventType;
    return reminder;
}

std::unique_ptr<TReminder>
TReminder::CreateRepeating(TReminderKind kind, TDateTime startTime, bool hasUntil,
                           TDateTime endTime, std::string daysSpec, std::int32_t repeatEvery,
                           std::string description, std::string soundFile, TEventType eventType)
{
    auto reminder = Create();
    reminder->Kind = kind;
    reminder->StartTime = startTime;
    reminder->HasUntil = hasUntil;
    reminder->EndTime = endTime;
    reminder->DaysSpec = std::move(daysSpec);
    reminder->RepeatEvery = repeatEvery;
    reminder->Description = std::move(description);
    reminder->SoundFile = std::move(soundFile);
    reminder->EventType = eventType;
    return reminder;
}

std::unique_ptr<TReminder> TReminder::Clone() const
{
    return std::make_unique<TReminder>(*this);
}

TDateTime TReminder::AlarmDate() const
{
    return std::trunc(AlarmTime);
}

TDateTime TReminder::AlarmTimeOfDay() const
{
    return AlarmTime - AlarmDate();
}

} // namespace nudgeon
