#include "ui/EditrepRules.h"

#include "model/DaysSpec.h"
#include "ui/EditrepNumbers.h"

namespace nudgeon {
namespace {

bool InList(int position, int entries)
{
    return position >= 0 && position < entries;
}

int ListPosition(int value, int entries)
{
    return InList(value, entries) ? value : NoSelection;
}

TDaysStringResult Invalid(std::string_view message)
{
    return {false, {}, message};
}

TDaysStringResult Valid(std::string daysSpec)
{
    return {true, std::move(daysSpec), {}};
}

TDaysStringResult DayOfMonthString(const TRecurrenceChoice& choice)
{
    if (choice.DayOfMonthDay < DayOfMonthMin || choice.DayOfMonthDay > DayOfMonthMax)
        return Invalid(BadDayOfMonthMessage);
    if (!InList(choice.DayOfMonthMonth, MonthEntries))
        return Invalid(BadMonthMessage);
    return Valid(MakeDayOfMonthSpec(choice.DayOfMonthDay, choice.DayOfMonthMonth));
}

TDaysStringResult DayOfYearString(const TRecurrenceChoice& choice)
{
    if (choice.DayOfYearDay < DayOfYearMin || choice.DayOfYearDay > DayOfYearCheckMax)
        return Invalid(BadDayOfYearMessage);
    return Valid(MakeDayOfYearSpec(choice.DayOfYearDay));
}

TDaysStringResult SpecialString(const TRecurrenceChoice& choice)
{
    if (!InList(choice.SpecialOccurrance, OccurrenceEntries) ||
        !InList(choice.SpecialDayOfWeek, SpecialDayEntries) ||
        !InList(choice.SpecialMonth, MonthEntries))
        return Invalid(BadSpecialMessage);
    return Valid(
        MakeSpecialSpec(choice.SpecialOccurrance, choice.SpecialDayOfWeek, choice.SpecialMonth));
}

TDaysStringResult DayOfWeekString(const TRecurrenceChoice& choice)
{
    std::string digits;
    for (std::size_t day = 0; day < choice.Days.size(); ++day) {
        if (choice.Days[day])
            digits += static_cast<char>('0' + day);
    }
    if (digits.empty())
        return Invalid(NoDayMessage);
    return Valid(digits);
}

} // namespace

TDaysStringResult MakeDaysString(const TRecurrenceChoice& choice)
{
    switch (choice.Type) {
    case TRecurType::rtDayOfMonth:
        return DayOfMonthString(choice);
    case TRecurType::rtDayOfYear:
        return DayOfYearString(choice);
    case TRecurType::rtSpecial:
        return SpecialString(choice);
    case TRecurType::rtDayOfWeek:
        break;
    }
    return DayOfWeekString(choice);
}

TRecurrenceChoice ChoiceFromDaysSpec(std::string_view daysSpec, TRecurrenceChoice choice)
{
    const char kind = daysSpec.empty() ? ' ' : daysSpec.front();
    if (kind == '#') {
        if (const auto day = ParseDayOfYearSpec(daysSpec)) {
            choice.Type = TRecurType::rtDayOfYear;
            choice.DayOfYearDay = PullIntoLimits(*day, DayOfYearMin, DayOfYearMax);
        }
    } else if (kind == '$') {
        if (const auto rule = ParseSpecialSpec(daysSpec)) {
            choice.Type = TRecurType::rtSpecial;
            choice.SpecialOccurrance = ListPosition(rule->ordinal, OccurrenceEntries);
            choice.SpecialDayOfWeek = ListPosition(rule->weekday, SpecialDayEntries);
            choice.SpecialMonth = ListPosition(rule->month, MonthEntries);
        }
    } else if (kind == '@') {
        if (const auto rule = ParseDayOfMonthSpec(daysSpec)) {
            choice.Type = TRecurType::rtDayOfMonth;
            choice.DayOfMonthDay = PullIntoLimits(rule->day, DayOfMonthMin, DayOfMonthMax);
            choice.DayOfMonthMonth = ListPosition(rule->month, MonthEntries);
        }
    } else {
        choice.Type = TRecurType::rtDayOfWeek;
        for (std::size_t day = 0; day < choice.Days.size(); ++day)
            choice.Days[day] =
                daysSpec.find(static_cast<char>('0' + day)) != std::string_view::npos;
    }
    return choice;
}

} // namespace nudgeon
