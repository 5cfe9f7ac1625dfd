#include "controls/ReminderListOrder.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace nudgeon {
namespace {

// Rows named by letter with alarm times in days; the header fixed and `current` current.
ReminderGridRows ListOf(const std::vector<std::pair<std::string, TDateTime>>& rows, int current)
{
    ReminderGridRows grid;
    for (const auto& [name, time] : rows)
        grid.SetReminder(grid.AddRow(),
                         TReminder::CreateOneTime(rkOneTime, time, name, "", etShowAndPlay));
    grid.SetFixedRows(1);
    grid.SetRow(current);
    return grid;
}

std::string Order(const ReminderGridRows& grid)
{
    std::string order;
    for (const auto& reminder : grid.Reminders())
        order += reminder->Description;
    return order;
}

TEST(MoveGridRowToCorrectDateTimeSlot, MovesOneRowIntoAscendingTimeOrder)
{
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, TDateTime>> rows;
        int current;
        int aRow;
        bool select;
        std::string order;
        int target;
        int currentAfter;
    };
    const Case cases[] = {
        {"a new last row later than all: stays last, current",
         {{"a", 1}, {"b", 2}, {"n", 9}},
         1,
         3,
         true,
         "abn",
         3,
         3},
        {"equal time: in front of the existing one",
         {{"a", 1}, {"b", 2}, {"c", 3}, {"n", 2}},
         1,
         4,
         true,
         "anbc",
         2,
         2},
        {"equal to several: in front of the first of them",
         {{"a", 1}, {"b", 2}, {"c", 2}, {"n", 2}},
         1,
         4,
         true,
         "anbc",
         2,
         2},
        {"earliest edited to latest: to the end, still current",
         {{"x", 9}, {"b", 2}, {"c", 3}},
         1,
         1,
         true,
         "bcx",
         3,
         3},
        {"snooze of row 2 without select: the current index stays",
         {{"a", 1}, {"x", 5}, {"c", 3}, {"d", 4}},
         2,
         2,
         false,
         "acdx",
         4,
         2},
        {"moved up to the top", {{"a", 1}, {"b", 2}, {"x", 0.5}}, 2, 3, true, "xab", 1, 1},
        {"already in place in the middle",
         {{"a", 1}, {"x", 2}, {"c", 3}},
         1,
         2,
         false,
         "axc",
         2,
         1},
        {"the only row", {{"x", 5}}, 1, 1, true, "x", 1, 1},
        {"equal to the row after it: stays in front",
         {{"a", 1}, {"x", 2}, {"b", 2}},
         3,
         2,
         true,
         "axb",
         2,
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReminderGridRows grid = ListOf(c.rows, c.current);
        EXPECT_EQ(MoveGridRowToCorrectDateTimeSlot(grid, c.aRow, c.select), c.target);
        EXPECT_EQ(Order(grid), c.order);
        EXPECT_EQ(grid.Row(), c.currentAfter);
    }
}

TEST(MoveGridRowToCorrectDateTimeSlot, ComparesTheFullDateAndTime)
{
    // Tomorrow 08:00 goes behind today 20:00.
    ReminderGridRows grid = ListOf({{"x", 45001.33}, {"a", 45000.5}, {"b", 45000.83}}, 1);
    MoveGridRowToCorrectDateTimeSlot(grid, 1, true);
    EXPECT_EQ(Order(grid), "abx");
}

TEST(MoveGridRowToCorrectDateTimeSlot, RefusesRowsOutsideTheBodyAndRowsWithoutReminder)
{
    ReminderGridRows grid = ListOf({{"a", 1}, {"b", 2}}, 1);
    EXPECT_THROW(MoveGridRowToCorrectDateTimeSlot(grid, 0, true), std::out_of_range);
    EXPECT_THROW(MoveGridRowToCorrectDateTimeSlot(grid, 3, true), std::out_of_range);
    grid.AddRow();
    EXPECT_THROW(MoveGridRowToCorrectDateTimeSlot(grid, 3, true), std::logic_error);
    EXPECT_THROW(MoveGridRowToCorrectDateTimeSlot(grid, 2, true), std::logic_error);
}

} // namespace
} // namespace nudgeon
