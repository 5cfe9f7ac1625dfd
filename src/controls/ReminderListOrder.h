// The time order of the one-time reminder list.
#pragma once

#include "controls/ReminderGridRows.h"

namespace nudgeon {

// Moves body row aRow of the one-time list to its place in ascending order of AlarmTime,
// in front of any reminders with the same time; the rest of the list must already be in
// order. With select the moved row becomes the current row; without it the current row
// index stays, whatever reminder now sits there. Returns the row's new index.
// Every body row must hold a reminder (std::logic_error otherwise); an aRow outside the body
// rows raises std::out_of_range.
int MoveGridRowToCorrectDateTimeSlot(ReminderGridRows& alarmGrid, int aRow, bool select);

} // namespace nudgeon
