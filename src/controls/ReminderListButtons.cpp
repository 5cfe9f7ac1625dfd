#include "controls/ReminderListButtons.h"

namespace nudgeon {

ButtonStates SetButtonsStates(ReminderListId shownPage, int alarmGridRowCount,
                              int repeatingAlarmGridRowCount)
{
    const bool oneTimeShown = shownPage == ReminderListId::OneTime;
    const int shownRowCount = oneTimeShown ? alarmGridRowCount : repeatingAlarmGridRowCount;
    const bool hasReminder = shownRowCount > 1;

    ButtonStates states;
    states.AddEnabled = true;
    states.EditEnabled = hasReminder;
    states.DeleteEnabled = hasReminder;
    states.CloneVisible = oneTimeShown;
    states.CloneEnabled = hasReminder;
    states.AdjustTimeVisible = oneTimeShown;
    states.AdjustTimeEnabled = hasReminder;
    states.FixAlarmGridHeader = alarmGridRowCount > 1;
    states.FixRepeatingAlarmGridHeader = repeatingAlarmGridRowCount > 1;
    return states;
}

} // namespace nudgeon
