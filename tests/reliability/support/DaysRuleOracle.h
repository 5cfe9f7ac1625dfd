// Whether a days rule applies on a date, worked out here from the calendar of the standard
// library and the rule's layout, apart from the program's own rule functions.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace nudgeon::oracle {

struct CalendarDay {
    int year = 0;
    int month = 0;     // 1 to 12
    int day = 0;       // 1 to 31
    int weekday = 0;   // 0 Sunday to 6 Saturday
    int dayOfYear = 0; // 1 to 366
    int daysInMonth = 0;
};

// serial: whole days since 1899-12-30, which was 25569 days before 1970-01-01.
inline CalendarDay CalendarDayOf(long serial)
{
    using namespace std::chrono;
    const sys_days date{days{serial - 25569}};
    const year_month_day ymd{date};
    const sys_days newYear{ymd.year() / January / 1};
    const year_month_day_last last{ymd.year() / ymd.month() / std::chrono::last};
    return {static_cast<int>(ymd.year()),
            static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())),
            static_cast<int>(weekday{date}.c_encoding()),
            static_cast<int>((date - newYear).count()) + 1,
            static_cast<int>(static_cast<unsigned>(last.day()))};
}

// Positions first..last (from 1) of the rule, blanks off both ends, as a whole decimal number
// with an optional sign; nothing when empty, not a number or too large for an int.
inline std::optional<int> RulePiece(std::string_view rule, std::size_t first, std::size_t last)
{
    if (rule.size() < first)
        return std::nullopt;
    std::string_view piece = rule.substr(first - 1, last - first + 1);
    while (!piece.empty() && piece.front() == ' ')
        piece.remove_prefix(1);
    while (!piece.empty() && piece.back() == ' ')
        piece.remove_suffix(1);
    int sign = 1;
    if (!piece.empty() && (piece.front() == '-' || piece.front() == '+')) {
        sign = piece.front() == '-' ? -1 : 1;
        piece.remove_prefix(1);
    }
    if (piece.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char ch : piece) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        value = value * 10 + (ch - '0');
        if (value > (std::int64_t{1} << 32))
            return std::nullopt;
    }
    value *= sign;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

inline bool RuleAppliesOn(std::string_view rule, const CalendarDay& date)
{
    if (rule.empty())
        return false;
    switch (rule.front()) {
    case '#': {
        const auto n = RulePiece(rule, 2, 4);
        return n && *n == date.dayOfYear;
    }
    case '@': {
        const auto day = RulePiece(rule, 2, 3);
        const auto month = RulePiece(rule, 4, 5);
        return day && month && *day == date.day && (*month == 0 || *month == date.month);
    }
    case '$': {
        const auto ordinal = RulePiece(rule, 2, 3);
        const auto weekday = RulePiece(rule, 4, 5);
        const auto month = RulePiece(rule, 6, 7);
        if (!ordinal || !weekday || !month)
            return false;
        if (*month >= 1 && *month != date.month)
            return false;
        const bool lastDay = date.day == date.daysInMonth;
        if (*weekday == 7)
            return *ordinal == 5 ? lastDay : date.day == static_cast<long long>(*ordinal) + 1;
        if (*weekday != date.weekday)
            return false;
        const bool lastOfItsKind = date.day + 7 > date.daysInMonth;
        return (date.day - 1) / 7 == *ordinal || (*ordinal == 5 && lastOfItsKind);
    }
    default:
        return rule.find(static_cast<char>('0' + date.weekday)) != std::string_view::npos;
    }
}

} // namespace nudgeon::oracle
