// The fixed texts of the repeating editor's own controls, its rule and time controls: their
// captions and hints and the entries of its lists.
#pragma once

#include "ui/DialogTexts.h"

#include <array>
#include <string_view>

namespace nudgeon {

inline constexpr std::string_view EditrepDayHint =
    "Check to use this reminder on this day of \neach week";
inline constexpr std::string_view EditrepMonthHint =
    "Select the month, or choose \"of Each Month\"\nfor all months";

inline constexpr std::array<TControlText, 26> EditrepTexts{{
    {"rbDayOfweek", "Day of the Week",
     "Check here to choose a 'Days of the Week' \nstyle Repeating Reminder"},
    {"Monday", "Mon", EditrepDayHint},
    {"Tuesday", "Tues", EditrepDayHint},
    {"Wednesday", "Wed", EditrepDayHint},
    {"Thursday", "Thu", EditrepDayHint},
    {"Friday", "Fri", EditrepDayHint},
    {"Saturday", "Sat", EditrepDayHint},
    {"Sunday", "Sun", EditrepDayHint},
    {"AllDaysCheck", "All Days", "Check to include all days"},
    {"rbDayOfMonth", "Day of the Month",
     "Check here to choose a 'Day of the Month' \nstyle Repeating Reminder"},
    {"DayOfMonthDay", "", "Select the day of the month (1-31)"},
    {"DayOfMonthMonth", "", EditrepMonthHint},
    {"rbDayOfYear", "Day of the Year",
     "Check here to choose a 'Day of the Year' \nstyle Repeating Reminder"},
    {"DayOfYearDay", "", "Select the day of the year (1-365)"},
    {"rbSpecial", "Special",
     "Check here to choose a 'nth Day of Month' \nstyle Repeating Reminder"},
    {"SpecialOccurrance", "", "Select the occurrance: First, 2nd, 3rd, 4th, 5th\nor Last"},
    {"SpecialDayOfWeek", "", "Select the weekday (Sun-Sat), or select  \"Day\" \nfor any day."},
    {"SpecialMonth", "", EditrepMonthHint},
    {"OncePerDayCheck", "Once per day",
     "Check here to have this reminder occur \nonly once per day"},
    {"RepeatEveryCheck", "Repeat Every",
     "Check here to have this reminder repeat itself\nat predefined intervals "},
    {"RepeatEverySpinner", "",
     "Enter the number of minutes for the repeat\ninterval for this reminder"},
    {"Label2", "min", ""},
    {"RepeatUntilPanel", "", ""},
    {"ForRemainderOfDay", "For rest of day",
     "Check here to have this reminder continue \nrepeating at the defined intervals for the "
     "rest \nof the day"},
    {"UntilTime", "Until",
     "Check here to have this reminder continue \nrepeating at the defined intervals until a "
     "\nspecified time"},
    {"UntilTimeEdit", "", "Enter the ending time here"},
}};
static_assert(AllNamed(EditrepTexts));

inline constexpr std::array<std::string_view, 13> MonthEntryTexts{
    "of Each Month", "of January",  "of February", "of March",  "of April",
    "of May",        "of June",     "of July",     "of August", "of September",
    "of October",    "of November", "of December"};
inline constexpr std::array<std::string_view, 6> OccurrenceEntryTexts{"first",  "second", "third",
                                                                      "fourth", "fifth",  "last"};
inline constexpr std::array<std::string_view, 8> SpecialDayEntryTexts{
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Day"};

} // namespace nudgeon
