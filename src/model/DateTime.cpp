#include "model/DateTime.h"

#include <chrono>
#include <cmath>
#include <stdexcept>

namespace nudgeon {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

// 0001-01-01 and 9999-12-31 as day numbers.
constexpr double MinDecodableDate = -693593;
constexpr double MaxDecodableDate = 2958465;

} // namespace

bool IsDecodableDate(TDateTime value)
{
    return std::isfinite(value) && value > MinDecodableDate - 1 && value < MaxDecodableDate + 1;
}

namespace {

// The day number of a value; values no calendar date stands for count as day 0.
long DayNumber(TDateTime value)
{
    return IsDecodableDate(value) ? static_cast<long>(std::trunc(value)) : 0;
}

} // namespace

bool IsLeapYear(int year)
{
    return std::chrono::year{year}.is_leap();
}

int DaysInMonth(int year, int month)
{
    const auto last = std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
                      std::chrono::last;
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    const year_month_day date{std::chrono::year{year},
                              std::chrono::month{static_cast<unsigned>(month)},
                              std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok())
        return false;
    result = static_cast<double>(sys_days{date}.time_since_epoch().count() + UnixDateDelta);
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime result = 0;
    if (!TryEncodeDate(year, month, day, result))
        throw std::invalid_argument("Invalid argument to date encode");
    return result;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond)
{
    if (hour < 0 || hour >= HoursPerDay || minute < 0 || minute >= 60 || second < 0 ||
        second >= 60 || millisecond < 0 || millisecond >= 1000)
        throw std::invalid_argument("Invalid argument to time encode");
    const long msecs = ((hour * 60L + minute) * 60L + second) * 1000L + millisecond;
    return static_cast<double>(msecs) / MSecsPerDay;
}

TDateTime DateOf(TDateTime value)
{
    return std::trunc(value);
}

TDateTime TimeOf(TDateTime value)
{
    return std::fabs(value - std::trunc(value));
}

DateParts DecodeDate(TDateTime value)
{
    if (!IsDecodableDate(value))
        return {};
    const year_month_day date{sys_days{days{DayNumber(value) - UnixDateDelta}}};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

TimeParts DecodeTime(TDateTime value)
{
    if (!std::isfinite(value))
        return {};
    long msecs = std::lround(TimeOf(value) * MSecsPerDay);
    if (msecs >= MSecsPerDay)
        msecs = MSecsPerDay - 1;
    return {static_cast<int>(msecs / 3600000), static_cast<int>(msecs / 60000 % 60),
            static_cast<int>(msecs / 1000 % 60), static_cast<int>(msecs % 1000)};
}

int DayOfWeek(TDateTime value)
{
    // Day 0, 1899-12-30, was a Saturday.
    const long weekday = (DayNumber(value) + 6) % 7;
    return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}

} // namespace nudgeon
