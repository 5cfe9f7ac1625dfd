// Moving a reminder's firing time: the snooze answer and the adjust-time menu.
#pragma once

#include "controls/ReminderGridRows.h"

#include <cstdint>

namespace nudgeon {

// Sets the one-time reminder in row `row` to fire `minutes` after now (keeping the seconds of
// now), gives it its status and moves its row into time order; the current row stays put.
void AdjustForSnooze(ReminderGridRows& alarmGrid, int row, std::int32_t minutes);

// Sets the repeating reminder in row `row` to fire `minutes` after now; nothing else changes.
void AdjustRepeatForSnooze(ReminderGridRows& repeatingAlarmGrid, int row, std::int32_t minutes);

// Shifts the current one-time reminder's own date and time by `minutes`, judges its status
// afresh (a done reminder too) and moves it into time order as the current row. Returns false,
// changing nothing, when the current row holds no reminder.
bool AdjustTime(ReminderGridRows& alarmGrid, std::int32_t minutes);

} // namespace nudgeon
