#include "schedule/Snooze.h"

#include "controls/ReminderListOrder.h"

namespace nudgeon {

void AdjustForSnooze(ReminderGridRows& alarmGrid, int row, std::int32_t minutes)
{
    TReminder* reminder = alarmGrid.Reminder(row);
    if (reminder == nullptr)
        return;
    // Counted from the answer, not from the old due time.
    reminder->AlarmTime = AddMinutes(minutes, Now());
    reminder->UpdateStatus();
    MoveGridRowToCorrectDateTimeSlot(alarmGrid, row, false);
}

void AdjustRepeatForSnooze(ReminderGridRows& repeatingAlarmGrid, int row, std::int32_t minutes)
{
    TReminder* reminder = repeatingAlarmGrid.Reminder(row);
    if (reminder == nullptr)
        return;
    reminder->AlarmTime = AddMinutes(minutes, Now());
}

bool AdjustTime(ReminderGridRows& alarmGrid, std::int32_t minutes)
{
    const int row = alarmGrid.Row();
    if (row < 1 || row >= alarmGrid.RowCount())
        return false;
    TReminder* reminder = alarmGrid.Reminder(row);
    if (reminder == nullptr)
        return false;
    reminder->AlarmTime = AddMinutes(minutes, reminder->AlarmTime);
    reminder->Status = rsPending;
    reminder->UpdateStatus();
    MoveGridRowToCorrectDateTimeSlot(alarmGrid, row, true);
    return true;
}

} // namespace nudgeon
