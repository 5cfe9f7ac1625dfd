#include "model/DateTime.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <utility>

namespace nudgeon {
namespace {

ClockSource& InstalledClock()
{
    static ClockSource clock;
    return clock;
}

bool ToLocalTime(std::time_t seconds, std::tm& local)
{
#ifdef _WIN32
    return localtime_s(&local, &seconds) == 0;
#else
    return localtime_r(&seconds, &local) != nullptr;
#endif
}

} // namespace

TDateTime SystemNow()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto seconds = system_clock::to_time_t(now);
    const auto millisecond = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    if (!ToLocalTime(seconds, local))
        return static_cast<double>(seconds) / SecondsPerDay + UnixDateDelta;
    TDateTime date = 0;
    TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, date);
    // A leap second (tm_sec 60) is folded into the last second of its minute.
    const int second = local.tm_sec > 59 ? 59 : local.tm_sec;
    return date + EncodeTime(local.tm_hour, local.tm_min, second, static_cast<int>(millisecond));
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
