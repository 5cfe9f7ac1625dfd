// The days rule of a repeating reminder: building, reading, testing and describing its text.
//
// The first character tells the kind of rule:
//   "#nnn"      day of the year, 1 to 366, left-aligned in three characters
//   "@ddmm"     day of a month (month 0 = every month), each right-aligned in two characters
//   "$oowwmm"   ordinal 0-4 = 1st-5th, 5 = last; weekday 0-6 = Sun-Sat, 7 = any day; month
//               (0 = every month), each left-aligned in two characters
//   otherwise   the digits "0" (Sunday) to "6" (Saturday) of the chosen weekdays
#pragma once

#include "model/DateTime.h"

#include <optional>
#include <string>
#include <string_view>

namespace nudgeon {

struct DayOfMonthRule {
    int day = 0;
    int month = 0;
};

struct SpecialRule {
    int ordinal = 0;
    int weekday = 0;
    int month = 0;
};

// Cut to width characters, then padded with blanks to width.
std::string PadRight(std::string_view text, int width);
std::string PadLeft(std::string_view text, int width);

std::string MakeDayOfYearSpec(int n);
std::string MakeDayOfMonthSpec(int day, int month);
std::string MakeSpecialSpec(int ordinal, int weekday, int month);

// Readers give nothing when a piece is empty or not a whole decimal number; they check no
// ranges, since only a damaged data file holds values outside them.
std::optional<int> ParseDayOfYearSpec(std::string_view text);
std::optional<DayOfMonthRule> ParseDayOfMonthSpec(std::string_view text);
std::optional<SpecialRule> ParseSpecialSpec(std::string_view text);

// Whether the rule applies to today's date; an empty or unreadable rule applies never.
bool AppliesToday(std::string_view text);
bool AppliesOn(std::string_view text, TDateTime date);

bool IsDayOfYear(int n, TDateTime date);
bool IsDayOfMonth(int day, int month, TDateTime date);
bool IsSpecialDay(int ordinal, int weekday, int month, TDateTime date);

// 1 for 1 January to 365 or 366 for 31 December.
int DayOfYear(TDateTime date);
TDateTime LastDayOfMonth(TDateTime date);

std::string DescribeDays(std::string_view text);
// "1st", "2nd", "3rd", "4th", "11th", "21st" ...
std::string OrdinalText(int n);

} // namespace nudgeon
