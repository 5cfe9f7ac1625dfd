#include "ui/EditexRules.h"

#include <algorithm>
#include <cctype>

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

bool IsSoundFileName(std::string_view path)
{
    std::string upper(path);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper.find(".WAV") != std::string::npos || upper.find(".MID") != std::string::npos;
}

std::string FolderOf(std::string_view path)
{
    const std::size_t separator = path.find_last_of("/\\");
    if (separator == std::string_view::npos)
        return {};
    return std::string(path.substr(0, separator + 1));
}

std::string InvalidTimeMessage(std::string_view example)
{
    return "Invalid time. Please use your Windows Time format\n   Example: " + std::string(example);
}

} // namespace nudgeon
