// Which command buttons the main window shows and enables for the lists as they stand.
#pragma once

#include "controls/ReminderListId.h"

namespace nudgeon {

struct ButtonStates {
    bool AddEnabled = true;
    bool EditEnabled = false;
    bool DeleteEnabled = false;
    bool CloneVisible = false;
    bool CloneEnabled = false;
    bool AdjustTimeVisible = false;
    bool AdjustTimeEnabled = false;
    // Each list with a body row gets its header row fixed again (FixedRows 1).
    bool FixAlarmGridHeader = false;
    bool FixRepeatingAlarmGridHeader = false;

    bool operator==(const ButtonStates&) const = default;
};

// The states SetButtons gives the buttons, from the shown page and each list's RowCount.
ButtonStates SetButtonsStates(ReminderListId shownPage, int alarmGridRowCount,
                              int repeatingAlarmGridRowCount);

} // namespace nudgeon
