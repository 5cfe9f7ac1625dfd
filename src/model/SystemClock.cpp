// The clock's ties to the operating system: what differs between systems stays in this file.
#include "model/SystemClock.h"

#include <chrono>
#include <ctime>
#include <time.h>

namespace nudgeon {
namespace {

bool ToLocalTime(std::time_t seconds, std::tm& local)
{
#ifdef _WIN32
    return localtime_s(&local, &seconds) == 0;
#else
    return localtime_r(&seconds, &local) != nullptr;
#endif
}

LocalTimeCache::ZoneIdentity ZoneInForce()
{
    LocalTimeCache::ZoneIdentity zone;
#ifdef _WIN32
    // The C runtime keeps the zone's names in fixed buffers: its numbers tell zones apart.
    zone.utcOffset = _timezone;
    zone.hasDaylightTime = _daylight;
    zone.daylightShift = _dstbias;
#else
    // tzset() keeps one copy of each zone name, so a zone of other names shows other pointers.
    zone.utcOffset = ::timezone;
    zone.hasDaylightTime = ::daylight;
    zone.standardName = ::tzname[0];
    zone.daylightName = ::tzname[1];
#endif
    return zone;
}

} // namespace

SystemClockReading ReadSystemClock()
{
#ifdef CLOCK_REALTIME_COARSE
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return {static_cast<std::int64_t>(now.tv_sec), static_cast<int>(now.tv_nsec / 1000000)};
#else
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto millisecond = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return {static_cast<std::int64_t>(system_clock::to_time_t(now)), static_cast<int>(millisecond)};
#endif
}

TDateTime LocalTimeCache::ToLocal(const SystemClockReading& instant)
{
    if (!filled_ || instant.unixSeconds != second_ || !(ZoneInForce() == zone_))
        Convert(instant.unixSeconds);
    if (!converted_)
        return static_cast<double>(instant.unixSeconds) / SecondsPerDay + UnixDateDelta;
    return date_ + static_cast<double>(msecsOfDay_ + instant.millisecond) / MSecsPerDay;
}

void LocalTimeCache::Convert(std::int64_t unixSeconds)
{
    std::tm local{};
    converted_ = ToLocalTime(static_cast<std::time_t>(unixSeconds), local);
    TDateTime date = 0;
    TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, date);
    date_ = date;
    // A leap second (tm_sec 60) is folded into the last second of its minute.
    const int second = local.tm_sec > 59 ? 59 : local.tm_sec;
    msecsOfDay_ = ((local.tm_hour * 60LL + local.tm_min) * 60LL + second) * 1000LL;
    // Read after the conversion, which takes up the zone on its first use.
    zone_ = ZoneInForce();
    second_ = unixSeconds;
    filled_ = true;
}

} // namespace nudgeon
