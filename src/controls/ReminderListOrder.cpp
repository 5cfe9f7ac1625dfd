#include "controls/ReminderListOrder.h"

#include <stdexcept>
#include <string>

namespace nudgeon {
namespace {

TDateTime AlarmTimeOfRow(const ReminderGridRows& grid, int row)
{
    const TReminder* reminder = grid.Reminder(row);
    if (reminder == nullptr)
        throw std::logic_error("Row " + std::to_string(row) + " holds no reminder");
    return reminder->AlarmTime;
}

int TargetRow(const ReminderGridRows& grid, int aRow)
{
    const TDateTime time = AlarmTimeOfRow(grid, aRow);
    const int lastRow = grid.RowCount() - 1;
    for (int i = 1; i <= lastRow; ++i) {
        if (i == aRow)
            continue;
        // Not earlier: the moved row goes in front of reminders with its own time.
        if (!(AlarmTimeOfRow(grid, i) < time))
            return i > aRow ? i - 1 : i;
        if (i == lastRow)
            return lastRow;
    }
    return aRow;
}

} // namespace

int MoveGridRowToCorrectDateTimeSlot(ReminderGridRows& alarmGrid, int aRow, bool select)
{
    const int target = TargetRow(alarmGrid, aRow);
    alarmGrid.MoveRow(aRow, target);
    if (select)
        alarmGrid.SetRow(target);
    return target;
}

} // namespace nudgeon
