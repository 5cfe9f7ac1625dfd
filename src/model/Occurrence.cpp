#include "model/DaysSpec.h"
#include "model/Reminder.h"

#include <cmath>

namespace nudgeon {
namespace {

// One minute of the program's arithmetic: a little longer than 1/1440 day.
constexpr long double Minute = 0.000694445L;

} // namespace

TDateTime AddMinutes(std::int32_t m, TDateTime t)
{
    const long double sum = static_cast<long double>(t) + static_cast<long double>(m) * Minute;
    if (std::isnan(sum) || sum < 0)
        return 0;
    const auto result = static_cast<double>(sum);
    return std::isfinite(result) ? result : 0;
}

void TReminder::UpdateStatus()
{
    if (Status == rsDone)
        return;
    const TDateTime date = AlarmDate();
    if (Today() > date) {
        Status = rsExpired;
    } else if (Today() != date) {
        Status = rsNotToday;
    } else {
        // Ten minutes of grace let a reminder that came due just before the start still fire.
        const TDateTime graceStart = AddMinutes(-10, CurrentTime());
        Status = AlarmTimeOfDay() >= graceStart ? rsPending : rsExpired;
    }
}

void TReminder::UpdateNextOccurrence()
{
    if (!AppliesToday(DaysSpec)) {
        Status = rsNotToday;
        return;
    }
    if (RepeatEvery == 0) {
        if (CurrentTime() > StartTime) {
            Status = rsNotToday;
        } else {
            AlarmTime = Today() + StartTime;
            Status = rsPending;
        }
        return;
    }
    // A negative interval comes only from a damaged file and would never reach a later slot.
    if (RepeatEvery < 0 || (HasUntil && CurrentTime() >= EndTime)) {
        Status = rsNotToday;
        return;
    }
    const TDateTime end = HasUntil ? EndTime : EndOfDaySlot;
    TDateTime slot = StartTime;
    while (CurrentTime() >= slot) {
        const TDateTime next = AddMinutes(RepeatEvery, slot);
        // A value too large to step (only in a damaged file) leaves no later slot.
        if (next <= slot)
            return;
        slot = next;
    }
    if (slot > AddMinutes(1, end))
        return;
    AlarmTime = Today() + slot;
    Status = rsPending;
}

} // namespace nudgeon
