#include "controls/ReminderListCells.h"

#include <utility>

namespace nudgeon {
namespace {

std::string NextReminderText(const TReminder& reminder)
{
    std::string text = reminder.WhenText();
    return text.empty() ? "Not today" : text;
}

// Case matters: "Not today" must stay grey.
RgbColor NextReminderMarkColor(const std::string& text)
{
    return text.find("Today") != std::string::npos ? MarkRed : MarkGrey;
}

} // namespace

RgbColor StatusMarkColor(TReminderStatus status)
{
    switch (status) {
    case rsPending:
        return MarkRed;
    case rsDone:
        return MarkYellow;
    case rsExpired:
        return MarkBlue;
    case rsNotToday:
        return MarkGrey;
    default:
        return White;
    }
}

CellContent AlarmGridCell(const TReminder& reminder, int col)
{
    switch (col) {
    case 0:
        return {reminder.Description};
    case 1:
        return {reminder.WhenText()};
    case 2:
        return {reminder.StatusText(), StatusMarkColor(reminder.Status)};
    default:
        return {};
    }
}

CellContent RepeatingAlarmGridCell(const TReminder& reminder, int col)
{
    switch (col) {
    case 0:
        return {reminder.Description};
    case 1:
        return {reminder.DaysText()};
    case 2:
        return {reminder.FirstTimeText()};
    case 3:
        return {reminder.RepeatEveryText()};
    case 4: {
        std::string text = NextReminderText(reminder);
        const RgbColor mark = NextReminderMarkColor(text);
        return {std::move(text), mark};
    }
    default:
        return {};
    }
}

} // namespace nudgeon
