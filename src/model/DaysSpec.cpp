#include "model/DaysSpec.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <limits>

namespace nudgeon {
namespace {

constexpr std::array<const char*, 6> OrdinalNames{"1st", "2nd", "3rd", "4th", "5th", "Last"};
constexpr std::array<const char*, 8> WeekdayNames{"Sun", "Mon", "Tue", "Wed",
                                                  "Thu", "Fri", "Sat", "Day"};
constexpr std::array<const char*, 13> MonthNames{"Month", "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul",   "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 10> OrdinalSuffixes{"th", "st", "nd", "rd", "th",
                                                      "th", "th", "th", "th", "th"};

// A word of a list, or the number itself where a damaged rule holds a value outside the list.
template <std::size_t N>
std::string WordOrNumber(const std::array<const char*, N>& words, int value)
{
    if (value >= 0 && static_cast<std::size_t>(value) < N)
        return words[static_cast<std::size_t>(value)];
    return std::to_string(value);
}

// The characters at positions first..last (counted from 1), trimmed of blanks and read as a
// whole decimal number with an optional sign.
std::optional<int> ReadPiece(std::string_view text, std::size_t first, std::size_t last)
{
    if (text.size() < first)
        return std::nullopt;
    std::string_view piece = text.substr(first - 1, last - first + 1);
    while (!piece.empty() && piece.front() == ' ')
        piece.remove_prefix(1);
    while (!piece.empty() && piece.back() == ' ')
        piece.remove_suffix(1);
    bool negative = false;
    if (!piece.empty() && (piece.front() == '+' || piece.front() == '-')) {
        negative = piece.front() == '-';
        piece.remove_prefix(1);
    }
    if (piece.empty() || piece.front() < '0' || piece.front() > '9')
        return std::nullopt;
    long long magnitude = 0;
    const auto [end, error] = std::from_chars(piece.data(), piece.data() + piece.size(), magnitude);
    if (error != std::errc{} || end != piece.data() + piece.size())
        return std::nullopt;
    const long long value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

std::string Pad(std::string_view text, int width, bool left)
{
    const std::size_t size = width > 0 ? static_cast<std::size_t>(width) : 0;
    std::string result(text.substr(0, size));
    const std::string blanks(size - result.size(), ' ');
    return left ? blanks + result : result + blanks;
}

std::string DescribeWeekdays(std::string_view text)
{
    if (text == "0123456")
        return "All Days";
    if (text == "12345")
        return "Weekdays";
    if (text == "06")
        return "Weekends";
    static constexpr char Letters[] = "SMTWTFS";
    std::string result = "On Days: ";
    for (char digit = '0'; digit <= '6'; ++digit) {
        if (text.find(digit) != std::string_view::npos)
            result += Letters[digit - '0'];
    }
    return result;
}

} // namespace

std::string PadRight(std::string_view text, int width)
{
    return Pad(text, width, false);
}

std::string PadLeft(std::string_view text, int width)
{
    return Pad(text, width, true);
}

std::string MakeDayOfYearSpec(int n)
{
    return "#" + PadRight(std::to_string(n), 3);
}

std::string MakeDayOfMonthSpec(int day, int month)
{
    return "@" + PadLeft(std::to_string(day), 2) + PadLeft(std::to_string(month), 2);
}

std::string MakeSpecialSpec(int ordinal, int weekday, int month)
{
    return "$" + PadRight(std::to_string(ordinal), 2) + PadRight(std::to_string(weekday), 2) +
           PadRight(std::to_string(month), 2);
}

std::optional<int> ParseDayOfYearSpec(std::string_view text)
{
    return ReadPiece(text, 2, 4);
}

std::optional<DayOfMonthRule> ParseDayOfMonthSpec(std::string_view text)
{
    const auto day = ReadPiece(text, 2, 3);
    const auto month = ReadPiece(text, 4, 5);
    if (!day || !month)
        return std::nullopt;
    return DayOfMonthRule{*day, *month};
}

std::optional<SpecialRule> ParseSpecialSpec(std::string_view text)
{
    const auto ordinal = ReadPiece(text, 2, 3);
    const auto weekday = ReadPiece(text, 4, 5);
    const auto month = ReadPiece(text, 6, 7);
    if (!ordinal || !weekday || !month)
        return std::nullopt;
    return SpecialRule{*ordinal, *weekday, *month};
}

bool AppliesToday(std::string_view text)
{
    return AppliesOn(text, Today());
}

bool AppliesOn(std::string_view text, TDateTime date)
{
    if (text.empty())
        return false;
    switch (text.front()) {
    case '#': {
        const auto n = ParseDayOfYearSpec(text);
        return n && IsDayOfYear(*n, date);
    }
    case '$': {
        const auto rule = ParseSpecialSpec(text);
        return rule && IsSpecialDay(rule->ordinal, rule->weekday, rule->month, date);
    }
    case '@': {
        const auto rule = ParseDayOfMonthSpec(text);
        return rule && IsDayOfMonth(rule->day, rule->month, date);
    }
    default:
        return text.find(static_cast<char>('0' + DayOfWeek(date))) != std::string_view::npos;
    }
}

int DayOfYear(TDateTime date)
{
    if (!IsDecodableDate(date))
        return 0;
    const DateParts parts = DecodeDate(date);
    return static_cast<int>(DateOf(date) - EncodeDate(parts.year, 1, 1)) + 1;
}

bool IsDayOfYear(int n, TDateTime date)
{
    return n == DayOfYear(date);
}

bool IsDayOfMonth(int day, int month, TDateTime date)
{
    const DateParts parts = DecodeDate(date);
    return day == parts.day && (month == 0 || month == parts.month);
}

TDateTime LastDayOfMonth(TDateTime date)
{
    if (!IsDecodableDate(date))
        return DateOf(date);
    const DateParts parts = DecodeDate(date);
    return EncodeDate(parts.year, parts.month, DaysInMonth(parts.year, parts.month));
}

bool IsSpecialDay(int ordinal, int weekday, int month, TDateTime date)
{
    const DateParts parts = DecodeDate(date);
    if (month >= 1 && month != parts.month)
        return false;
    if (weekday == 7) {
        if (ordinal == 5)
            return DateOf(date) == LastDayOfMonth(date);
        return parts.day == ordinal + 1;
    }
    if (DayOfWeek(date) != weekday)
        return false;
    if ((parts.day - 1) / 7 == ordinal)
        return true;
    return ordinal == 5 && DateOf(date) + 7 > LastDayOfMonth(date);
}

// Decided by the last two digits, so that 111 reads "111th" and 121 "121st".
std::string OrdinalText(int n)
{
    const int lastTwo = std::abs(n % 100);
    const char* suffix = lastTwo >= 11 && lastTwo <= 19 ? "th" : OrdinalSuffixes[std::abs(n % 10)];
    return std::to_string(n) + suffix;
}

std::string DescribeDays(std::string_view text)
{
    if (text.empty())
        return {};
    switch (text.front()) {
    case '#': {
        const auto n = ParseDayOfYearSpec(text);
        return n ? OrdinalText(*n) + " day of year" : std::string();
    }
    case '$': {
        const auto rule = ParseSpecialSpec(text);
        if (!rule)
            return {};
        return WordOrNumber(OrdinalNames, rule->ordinal) + " " +
               WordOrNumber(WeekdayNames, rule->weekday) + "/" +
               WordOrNumber(MonthNames, rule->month);
    }
    case '@': {
        const auto rule = ParseDayOfMonthSpec(text);
        return rule ? OrdinalText(rule->day) + " of " + WordOrNumber(MonthNames, rule->month)
                    : std::string();
    }
    default:
        return DescribeWeekdays(text);
    }
}

} // namespace nudgeon
