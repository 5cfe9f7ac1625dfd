// The repeating editor's rule controls as plain values, and the rules that turn them into a
// days rule text and back.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace nudgeon {

// The four kinds of days rule the editor offers, one radio button each.
enum class TRecurType { rtDayOfWeek, rtDayOfMonth, rtDayOfYear, rtSpecial };

// A drop-down list without a selection.
inline constexpr int NoSelection = -1;

inline constexpr int DayOfMonthMin = 1;
inline constexpr int DayOfMonthMax = 31;
inline constexpr int DayOfYearMin = 1;
inline constexpr int DayOfYearMax = 365;
// The day-of-year check lets 366 through although the field itself stops at 365.
inline constexpr int DayOfYearCheckMax = 366;
inline constexpr int RepeatEveryMin = 10;
inline constexpr int RepeatEveryMax = 720;
inline constexpr int RepeatEveryStep = 10;
inline constexpr int RepeatEveryDefault = 60;
inline constexpr std::string_view BadIntervalMessage =
    "Repeat interval must be greater than 10 minutes";
// Entries of the lists: the position of an entry is the number stored in the rule.
inline constexpr int MonthEntries = 13;     // every month, January .. December
inline constexpr int OccurrenceEntries = 6; // first .. fifth, last
inline constexpr int SpecialDayEntries = 8; // Sunday .. Saturday, any day

// What the rule controls hold. List positions are NoSelection when nothing is selected.
struct TRecurrenceChoice {
    TRecurType Type = TRecurType::rtDayOfWeek;
    // Index 0 Sunday to 6 Saturday, as the digits of a days-of-week rule.
    std::array<bool, 7> Days{false, true, true, true, true, true, false};
    int DayOfMonthDay = DayOfMonthMin;
    int DayOfMonthMonth = 0;
    int DayOfYearDay = DayOfYearMin;
    int SpecialOccurrance = 0;
    int SpecialDayOfWeek = 0;
    int SpecialMonth = 0;
    bool operator==(const TRecurrenceChoice&) const = default;
};

inline constexpr std::string_view NoDayMessage =
    "You must select at least one day for this \nreminder to occur on";
inline constexpr std::string_view BadDayOfMonthMessage = "Invalid day of month entered ";
inline constexpr std::string_view BadMonthMessage = "Invalid month entered ";
inline constexpr std::string_view BadDayOfYearMessage = "Invalid day of year entered ";
inline constexpr std::string_view BadSpecialMessage = "Invalid value entered for Special category";

// The rule text built from the controls, or the message that says why there is none.
struct TDaysStringResult {
    bool Valid = false;
    std::string DaysSpec;
    std::string_view Message;
};

TDaysStringResult MakeDaysString(const TRecurrenceChoice& choice);

// The controls set from a rule text, starting from what they held. An unreadable "#", "$" or
// "@" rule changes nothing; a number outside a list leaves that list without a selection.
TRecurrenceChoice ChoiceFromDaysSpec(std::string_view daysSpec, TRecurrenceChoice choice);

} // namespace nudgeon
