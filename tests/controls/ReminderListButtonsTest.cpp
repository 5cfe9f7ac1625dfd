#include "controls/ReminderListButtons.h"

#include <gtest/gtest.h>

namespace nudgeon {
namespace {

TEST(SetButtonsStates, FollowTheShownPageAndTheRowsOfItsList)
{
    struct Case {
        const char* name;
        ReminderListId page;
        int alarmRows;
        int repeatingRows;
        bool hasReminder;
    };
    const Case cases[] = {
        {"one-time page, empty", ReminderListId::OneTime, 1, 3, false},
        {"one-time page, one reminder", ReminderListId::OneTime, 2, 1, true},
        {"repeating page, empty", ReminderListId::Repeating, 4, 1, false},
        {"repeating page, two reminders", ReminderListId::Repeating, 1, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ButtonStates states = SetButtonsStates(c.page, c.alarmRows, c.repeatingRows);
        const bool oneTimePage = c.page == ReminderListId::OneTime;
        EXPECT_TRUE(states.AddEnabled);
        EXPECT_EQ(states.EditEnabled, c.hasReminder);
        EXPECT_EQ(states.DeleteEnabled, c.hasReminder);
        EXPECT_EQ(states.CloneEnabled, c.hasReminder);
        EXPECT_EQ(states.AdjustTimeEnabled, c.hasReminder);
        EXPECT_EQ(states.CloneVisible, oneTimePage);
        EXPECT_EQ(states.AdjustTimeVisible, oneTimePage);
        // The header rows are fixed for every list with a body row, shown or not.
        EXPECT_EQ(states.FixAlarmGridHeader, c.alarmRows > 1);
        EXPECT_EQ(states.FixRepeatingAlarmGridHeader, c.repeatingRows > 1);
    }
}

} // namespace
} // namespace nudgeon
