#include "schedule/TickEngine.h"

#include "schedule/Snooze.h"

#include <exception>
#include <limits>
#include <utility>

namespace nudgeon {
namespace {

bool IsDue(const TReminder& reminder)
{
    return reminder.Status == rsPending && Today() == reminder.AlarmDate() &&
           CurrentTime() >= reminder.AlarmTimeOfDay();
}

bool PlaysSound(TEventType type)
{
    return type == etShowAndPlay || type == etPlayOnly;
}

bool ShowsWindow(TEventType type)
{
    return type == etShowAndPlay || type == etShowOnly;
}

// The minutes of a snooze answer -N; the lowest answer has no positive counterpart.
std::int32_t SnoozeMinutes(int answer)
{
    if (answer == std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::max();
    return -answer;
}

} // namespace

TickEngine::TickEngine(const TickEngineParts& parts) : parts_(parts) {}

void TickEngine::Timer1Timer()
{
    parts_.Window.EnableTimer(false);
    try {
        RunTick();
    } catch (...) {
        parts_.Window.EnableTimer(true);
        throw;
    }
    parts_.Window.EnableTimer(true);
}

void TickEngine::RunTick()
{
    parts_.Window.ShowTime(FormatDateTime("hh:mm:ssam/pm", Now()));
    parts_.Window.ProcessMessages();
    if (Today() > lastDate_) {
        // What is still unsaved would be lost by reading the file back.
        if (savePending_)
            Save();
        Reload();
        parts_.Window.RepaintList(ReminderListId::OneTime);
        parts_.Window.RepaintList(ReminderListId::Repeating);
        return;
    }
    if (++tickCounter_ < TicksPerScan)
        return;
    tickCounter_ = 0;
    if (savePending_)
        Save();
    CheckNormalAlarms();
    CheckRepeatAlarms();
}

void TickEngine::CheckNormalAlarms()
{
    ScanList(ReminderListId::OneTime);
}

void TickEngine::CheckRepeatAlarms()
{
    ScanList(ReminderListId::Repeating);
}

void TickEngine::ScanList(ReminderListId list)
{
    ReminderGridRows& grid = Grid(list);
    // Taken once: a snoozed row moves, but no row comes or goes until the scan ends.
    const int lastRow = grid.RowCount() - 1;
    bool removalMarked = false;
    bool answered = false;
    for (int row = 1; row <= lastRow && row < grid.RowCount(); ++row) {
        TReminder* reminder = grid.Reminder(row);
        if (reminder == nullptr || !IsDue(*reminder))
            continue;
        const int answer = Fire(*reminder, list == ReminderListId::OneTime);
        if (ApplyAnswer(list, row, *reminder, answer))
            answered = true;
        if (answer == AnswerDelete)
            removalMarked = true;
    }
    if (removalMarked)
        RemoveMarkedRows(list);
    if (answered)
        Save();
}

int TickEngine::Fire(const TReminder& reminder, bool deleteOffered)
{
    if (PlaysSound(reminder.EventType))
        parts_.Sound.PlaySoundNow(reminder.SoundFile);
    if (!ShowsWindow(reminder.EventType))
        return AnswerNone;
    return parts_.Notification.Notify(reminder.Description, deleteOffered);
}

bool TickEngine::ApplyAnswer(ReminderListId list, int row, TReminder& reminder, int answer)
{
    const bool oneTime = list == ReminderListId::OneTime;
    if (answer < 0) {
        if (oneTime)
            AdjustForSnooze(row, SnoozeMinutes(answer));
        else
            AdjustRepeatForSnooze(row, SnoozeMinutes(answer));
        return true;
    }
    if (answer == AnswerNone || answer == AnswerDone) {
        if (oneTime) {
            reminder.Status = rsDone;
            reminder.UpdateStatus();
        } else {
            const TDateTime fired = reminder.AlarmTime;
            reminder.AlarmTime = 0;
            reminder.UpdateNextOccurrence();
            // Answered within the very millisecond of a once-a-day start, the rule would
            // offer the same start again and the reminder would fire twice.
            if (reminder.Status == rsPending && reminder.AlarmTime <= fired) {
                reminder.AlarmTime = 0;
                reminder.Status = rsNotToday;
            }
        }
        parts_.Window.RepaintList(list);
        return true;
    }
    if (answer == AnswerDelete) {
        // Removed when the scan ends, so that the rows still to visit keep their indexes.
        reminder.Status = rsRemove;
        return true;
    }
    return false;
}

void TickEngine::RemoveMarkedRows(ReminderListId list)
{
    ReminderGridRows& grid = Grid(list);
    for (int row = grid.RowCount() - 1; row >= 1; --row) {
        const TReminder* reminder = grid.Reminder(row);
        if (reminder != nullptr && reminder->Status == rsRemove)
            grid.DeleteRow(row);
    }
    parts_.Window.RepaintList(list);
}

void TickEngine::Reload()
{
    parts_.AlarmGrid.ClearRows();
    parts_.RepeatingAlarmGrid.ClearRows();
    lastDate_ = Today();
    ReminderList oneTime;
    ReminderList repeating;
    try {
        parts_.Storage.LoadFromDisk(oneTime, repeating);
    } catch (const std::exception&) {
        // A damaged file: keep what was read, as at start-up.
    }
    parts_.AlarmGrid.AssignReminders(std::move(oneTime));
    parts_.RepeatingAlarmGrid.AssignReminders(std::move(repeating));
    parts_.Window.ProcessMessages();
    if (parts_.AlarmGrid.RowCount() > 1)
        parts_.AlarmGrid.SetRow(1);
    parts_.Window.ProcessMessages();
    if (parts_.RepeatingAlarmGrid.RowCount() > 1)
        parts_.RepeatingAlarmGrid.SetRow(1);
}

void TickEngine::AdjustForSnooze(int row, std::int32_t minutes)
{
    nudgeon::AdjustForSnooze(parts_.AlarmGrid, row, minutes);
    parts_.Window.RepaintList(ReminderListId::OneTime);
}

void TickEngine::AdjustRepeatForSnooze(int row, std::int32_t minutes)
{
    nudgeon::AdjustRepeatForSnooze(parts_.RepeatingAlarmGrid, row, minutes);
    parts_.Window.RepaintList(ReminderListId::Repeating);
}

void TickEngine::AdjustTime(const AdjustMenuItem& item)
{
    if (!nudgeon::AdjustTime(parts_.AlarmGrid, item.Minutes))
        return;
    parts_.Window.RepaintList(ReminderListId::OneTime);
    // A command of the user's own: every failure is shown.
    saveErrorShown_ = false;
    Save();
}

ReminderGridRows& TickEngine::Grid(ReminderListId list)
{
    return list == ReminderListId::OneTime ? parts_.AlarmGrid : parts_.RepeatingAlarmGrid;
}

void TickEngine::Save()
{
    try {
        parts_.Storage.SaveToDisk(parts_.AlarmGrid.Reminders(),
                                  parts_.RepeatingAlarmGrid.Reminders());
        savePending_ = false;
        saveErrorShown_ = false;
    } catch (const std::exception& error) {
        savePending_ = true;
        if (saveErrorShown_)
            return;
        saveErrorShown_ = true;
        parts_.Window.ShowError(error.what());
    }
}

} // namespace nudgeon
