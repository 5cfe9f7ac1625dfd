#include "model/DateTime.h"
#include "model/SystemClock.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace nudgeon {
namespace {

ClockSource& InstalledClock()
{
    static ClockSource clock;
    return clock;
}

} // namespace

TDateTime SystemNow()
{
    // The rules read the clock for every comparison, many thousand times a second while the
    // lists load: each second's local time is worked out once.
    thread_local LocalTimeCache localTime;
    return localTime.ToLocal(ReadSystemClock());
}

void SetClock(ClockSource source)
{
    InstalledClock() = std::move(source);
}

void UseSystemClock()
{
    InstalledClock() = nullptr;
}

TDateTime Now()
{
    const ClockSource& clock = InstalledClock();
    return clock ? clock() : SystemNow();
}

TDateTime Today()
{
    return DateOf(Now());
}

TDateTime CurrentTime()
{
    // Taken to the clock's millisecond, so that 08:00:00 now equals a start time of 08:00.
    const double msecs = std::round(TimeOf(Now()) * MSecsPerDay);
    return std::min(msecs, MSecsPerDay - 1.0) / MSecsPerDay;
}

} // namespace nudgeon
