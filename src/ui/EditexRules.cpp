#include "ui/EditexRules.h"

#include <algorithm>

namespace nudgeon {
namespace {

constexpr int FirstYear = 1;
constexpr int LastYear = 9999;

bool YearInRange(int year)
{
    return year >= FirstYear && year <= LastYear;
}

} // namespace

DateParts StepMonths(DateParts date, int months)
{
    const int monthIndex = date.year * 12 + (date.month - 1) + months;
    const int year = monthIndex / 12;
    if (monthIndex < 0 || !YearInRange(year))
        return date;
    const int month = monthIndex % 12 + 1;
    return {year, month, std::min(date.day, DaysInMonth(year, month))};
}

DateParts StepYears(DateParts date, int years)
{
    const int year = date.year + years;
    if (!YearInRange(year))
        return date;
    const bool leapDay = date.month == 2 && date.day == 29;
    return {year, date.month, leapDay ? 28 : date.day};
}

} // namespace nudgeon
