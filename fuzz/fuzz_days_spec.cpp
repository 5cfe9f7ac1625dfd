// Fuzz target: the days rule readers through AppliesToday and DescribeDays.
//
// Input: two bytes choose today (a date from 1900 to 2079), eight more are any date-time value
// at all, the rest is the rule. AppliesToday agrees with a reading of the rule against the
// standard library's calendar; any date-time value, even not a number, is tested without harm;
// the description is plain text and empty exactly when the rule cannot be read; a rule built
// from the numbers read reads back as the same numbers.
#include "DaysRuleOracle.h"
#include "FuzzSupport.h"
#include "model/DateTime.h"
#include "model/DaysSpec.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace nudgeon::fuzz {
namespace {

// 1900-03-01 as a day number; the two bytes reach into 2079.
constexpr long FirstDate = 61;

bool IsReadable(std::string_view rule)
{
    using oracle::RulePiece;
    switch (rule.front()) {
    case '#':
        return RulePiece(rule, 2, 4).has_value();
    case '@':
        return RulePiece(rule, 2, 3) && RulePiece(rule, 4, 5);
    case '$':
        return RulePiece(rule, 2, 3) && RulePiece(rule, 4, 5) && RulePiece(rule, 6, 7);
    default:
        return true;
    }
}

bool Fits(int value, int width)
{
    return static_cast<int>(std::to_string(value).size()) <= width;
}

void CheckRebuilt(std::string_view rule)
{
    if (rule.front() == '#') {
        if (const auto n = ParseDayOfYearSpec(rule); n && Fits(*n, 3))
            FUZZ_CHECK(ParseDayOfYearSpec(MakeDayOfYearSpec(*n)) == n);
    } else if (rule.front() == '@') {
        if (const auto r = ParseDayOfMonthSpec(rule); r && Fits(r->day, 2) && Fits(r->month, 2)) {
            const auto again = ParseDayOfMonthSpec(MakeDayOfMonthSpec(r->day, r->month));
            FUZZ_CHECK(again && again->day == r->day && again->month == r->month);
        }
    } else if (rule.front() == '$') {
        const auto r = ParseSpecialSpec(rule);
        if (r && Fits(r->ordinal, 2) && Fits(r->weekday, 2) && Fits(r->month, 2)) {
            const auto again = ParseSpecialSpec(MakeSpecialSpec(r->ordinal, r->weekday, r->month));
            FUZZ_CHECK(again && again->ordinal == r->ordinal && again->weekday == r->weekday &&
                       again->month == r->month);
        }
    }
}

void CheckDescription(std::string_view rule)
{
    const std::string description = DescribeDays(rule);
    for (const char ch : description)
        FUZZ_CHECK(ch >= ' ' && ch <= '~');
    FUZZ_CHECK(description.empty() == (rule.empty() || !IsReadable(rule)));
}

} // namespace
} // namespace nudgeon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace nudgeon;
    using namespace nudgeon::fuzz;
    if (size < 2)
        return 0;
    const long today = FirstDate + (data[0] | (long{data[1]} << 8));
    std::string_view rule(reinterpret_cast<const char*>(data) + 2, size - 2);
    TDateTime anyValue = 0;
    if (rule.size() >= sizeof anyValue) {
        std::memcpy(&anyValue, rule.data(), sizeof anyValue);
        rule.remove_prefix(sizeof anyValue);
    }

    const auto now = static_cast<TDateTime>(today) + 0.75;
    SetClock([now] { return now; });
    const bool expected = oracle::RuleAppliesOn(rule, oracle::CalendarDayOf(today));
    FUZZ_CHECK(AppliesToday(rule) == expected);
    FUZZ_CHECK(AppliesOn(rule, static_cast<TDateTime>(today)) == expected);
    AppliesOn(rule, anyValue);
    CheckDescription(rule);
    if (!rule.empty())
        CheckRebuilt(rule);
    return 0;
}
