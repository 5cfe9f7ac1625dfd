#include "model/DaysSpec.h"
#include "model/Reminder.h"

namespace nudgeon {

std::string IntervalText(std::int32_t minutes)
{
    if (minutes < 60)
        return std::to_string(minutes) + " min";
    if (minutes == 60)
        return "Hour";
    if (minutes % 60 == 0)
        return std::to_string(minutes / 60) + " hrs";
    return std::to_string(minutes / 60) + " hrs " + std::to_string(minutes % 60) + " mins";
}

std::string TReminder::WhenText() const
{
    const TDateTime date = AlarmDate();
    if (date == 0)
        return {};
    if (date == Today())
        return "Today at " + FormatDateTime("h:mmam/pm", AlarmTime);
    return FormatDateTime("mmm dd, yyyy h:mmam/pm", AlarmTime);
}

std::string TReminder::FirstTimeText() const
{
    return FormatDateTime("h:mmam/pm", StartTime);
}

std::string TReminder::RepeatEveryText() const
{
    if (RepeatEvery == 0)
        return {};
    std::string text = IntervalText(RepeatEvery);
    if (HasUntil)
        text += " until " + FormatDateTime("h:mmam/pm", EndTime);
    return text;
}

std::string TReminder::DaysText() const
{
    return DescribeDays(DaysSpec);
}

std::string TReminder::StatusText() const
{
    switch (Status) {
    case rsPending:
        return "Pending";
    case rsDone:
        return "Done";
    case rsExpired:
        return "Expired";
    case rsNotToday:
        return "Not Today";
    default:
        return {};
    }
}

} // namespace nudgeon
