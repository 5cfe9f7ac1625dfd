#include "controls/ReminderGridRows.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace nudgeon {
namespace {

// A grid whose body rows hold reminders named "1" to "n", header fixed and row `current`
// current, as the lists stand after SetButtons.
ReminderGridRows GridOf(int bodyRows, int current = 1)
{
    ReminderGridRows grid;
    for (int i = 1; i <= bodyRows; ++i) {
        const int row = grid.AddRow();
        grid.SetReminder(
            row, TReminder::CreateOneTime(rkOneTime, 0, std::to_string(i), "", etShowAndPlay));
    }
    if (bodyRows > 0) {
        grid.SetFixedRows(1);
        grid.SetRow(current);
    }
    return grid;
}

std::vector<std::string> Names(const ReminderGridRows& grid)
{
    std::vector<std::string> names;
    for (const auto& reminder : grid.Reminders())
        names.push_back(reminder ? reminder->Description : "-");
    return names;
}

TEST(ReminderGridRows, StartsWithTheHeaderRowAloneAsCurrentUnfixedRow)
{
    const ReminderGridRows grid;
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.FixedRows(), 0);
    EXPECT_EQ(grid.Row(), 0);
    EXPECT_TRUE(grid.Reminders().empty());
}

TEST(ReminderGridRows, AddRowAppendsAnEmptyRowWithoutMovingTheCurrentRow)
{
    ReminderGridRows grid = GridOf(2, 2);
    EXPECT_EQ(grid.AddRow(), 3);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Reminder(3), nullptr);
    grid.SetReminder(3, TReminder::Create());
    EXPECT_NE(grid.Reminder(3), nullptr);
    EXPECT_EQ(grid.Reminders().size(), 3u);
}

TEST(ReminderGridRows, DeleteRowClosesTheGapAndKeepsTheCurrentIndexInRange)
{
    struct Case {
        const char* name;
        int bodyRows;
        int current;
        int deleted;
        std::vector<std::string> remaining;
        int currentAfter;
        int fixedAfter;
    };
    const Case cases[] = {
        {"a middle row", 4, 1, 2, {"1", "3", "4"}, 1, 1},
        {"the current row: its follower becomes current", 4, 2, 2, {"1", "3", "4"}, 2, 1},
        {"a row above the current one: the index stays", 4, 3, 1, {"2", "3", "4"}, 3, 1},
        {"the last row while current: the new last row", 3, 3, 3, {"1", "2"}, 2, 1},
        {"the only row: header alone, unfixed", 1, 1, 1, {}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReminderGridRows grid = GridOf(c.bodyRows, c.current);
        grid.DeleteRow(c.deleted);
        EXPECT_EQ(Names(grid), c.remaining);
        EXPECT_EQ(grid.RowCount(), static_cast<int>(c.remaining.size()) + 1);
        EXPECT_EQ(grid.Row(), c.currentAfter);
        EXPECT_EQ(grid.FixedRows(), c.fixedAfter);
    }
}

TEST(ReminderGridRows, MoveRowShiftsTheRowsBetweenAndLeavesTheCurrentIndex)
{
    struct Case {
        int from;
        int to;
        std::vector<std::string> order;
    };
    const Case cases[] = {
        {5, 2, {"1", "5", "2", "3", "4"}}, {2, 5, {"1", "3", "4", "5", "2"}},
        {1, 5, {"2", "3", "4", "5", "1"}}, {4, 1, {"4", "1", "2", "3", "5"}},
        {3, 3, {"1", "2", "3", "4", "5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " to " + std::to_string(c.to));
        ReminderGridRows grid = GridOf(5, 3);
        grid.MoveRow(c.from, c.to);
        EXPECT_EQ(Names(grid), c.order);
        EXPECT_EQ(grid.Row(), 3);
    }
}

TEST(ReminderGridRows, SettingFixedRowsToANewValueMakesThatRowCurrent)
{
    ReminderGridRows grid;
    for (int i = 0; i < 3; ++i)
        grid.SetReminder(grid.AddRow(), TReminder::Create());
    ASSERT_EQ(grid.FixedRows(), 0);
    ASSERT_EQ(grid.Row(), 0);

    grid.SetFixedRows(1);
    EXPECT_EQ(grid.Row(), 1);

    grid.SetRow(3);
    grid.SetFixedRows(1); // the value it has: nothing changes
    EXPECT_EQ(grid.Row(), 3);

    grid.SetFixedRows(0);
    EXPECT_EQ(grid.Row(), 0);
}

TEST(ReminderGridRows, FixedRowsStaysBelowRowCount)
{
    ReminderGridRows grid;
    EXPECT_THROW(grid.SetFixedRows(1), std::out_of_range);
    grid = GridOf(2);
    EXPECT_THROW(grid.SetFixedRows(3), std::out_of_range);
    EXPECT_THROW(grid.SetFixedRows(-1), std::out_of_range);
    EXPECT_EQ(grid.FixedRows(), 1);

    grid.SetRowCount(1);
    EXPECT_EQ(grid.FixedRows(), 0);
    EXPECT_EQ(grid.Row(), 0);
}

TEST(ReminderGridRows, ClearRowsAndLoweringRowCountReleaseTheRowsThatGo)
{
    ReminderGridRows grid = GridOf(4, 4);
    grid.SetRowCount(3);
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.FixedRows(), 1);

    grid.SetRowCount(5);
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"1", "2", "-", "-"}));

    grid.ClearRows();
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.FixedRows(), 0);
    EXPECT_EQ(grid.Row(), 0);
    EXPECT_THROW(grid.SetRowCount(0), std::out_of_range);
}

TEST(ReminderGridRows, AssignRemindersReplacesTheBodyRowsLikeAFreshFill)
{
    ReminderGridRows grid = GridOf(3, 2);
    ReminderList loaded;
    loaded.push_back(TReminder::CreateOneTime(rkOneTime, 0, "a", "", etShowOnly));
    loaded.push_back(TReminder::CreateOneTime(rkOneTime, 0, "b", "", etShowOnly));
    grid.AssignReminders(std::move(loaded));
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.FixedRows(), 0);
    EXPECT_EQ(grid.Row(), 0);
}

TEST(ReminderGridRows, RowIndexesOutsideTheBodyRowsAreRefused)
{
    ReminderGridRows grid = GridOf(2);
    EXPECT_THROW(grid.Reminder(0), std::out_of_range);
    EXPECT_THROW(grid.Reminder(3), std::out_of_range);
    EXPECT_THROW(grid.DeleteRow(0), std::out_of_range);
    EXPECT_THROW(grid.DeleteRow(3), std::out_of_range);
    EXPECT_THROW(grid.MoveRow(1, 3), std::out_of_range);
    EXPECT_THROW(grid.SetRow(0), std::out_of_range); // the fixed header
    EXPECT_THROW(grid.SetRow(3), std::out_of_range);
    EXPECT_EQ(Names(grid), (std::vector<std::string>{"1", "2"}));
}

} // namespace
} // namespace nudgeon
