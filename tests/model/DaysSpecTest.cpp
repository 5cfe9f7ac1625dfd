#include "model/DaysSpec.h"

#include "support/FakeClock.h"

#include <gtest/gtest.h>
#include <optional>

namespace nudgeon {
namespace {

TDateTime Date(int year, int month, int day)
{
    return EncodeDate(year, month, day);
}

TEST(DaysSpec, PaddingCutsAndFills)
{
    EXPECT_EQ(PadRight("7", 3), "7  ");
    EXPECT_EQ(PadLeft("7", 3), "  7");
    EXPECT_EQ(PadRight("1234", 3), "123");
    EXPECT_EQ(PadLeft("1234", 2), "12");
    EXPECT_EQ(PadLeft("", 2), "  ");
    EXPECT_EQ(PadRight("ab", 0), "");
}

TEST(DaysSpec, BuildersLayOutTheirFields)
{
    EXPECT_EQ(MakeDayOfYearSpec(1), "#1  ");
    EXPECT_EQ(MakeDayOfYearSpec(60), "#60 ");
    EXPECT_EQ(MakeDayOfYearSpec(366), "#366");
    EXPECT_EQ(MakeDayOfMonthSpec(1, 0), "@ 1 0");
    EXPECT_EQ(MakeDayOfMonthSpec(15, 3), "@15 3");
    EXPECT_EQ(MakeDayOfMonthSpec(31, 12), "@3112");
    EXPECT_EQ(MakeSpecialSpec(0, 0, 0), "$0 0 0 ");
    EXPECT_EQ(MakeSpecialSpec(3, 4, 11), "$3 4 11");
    EXPECT_EQ(MakeSpecialSpec(5, 7, 2), "$5 7 2 ");
}

TEST(DaysSpec, ReadersGiveBackWhatTheBuildersWrote)
{
    for (int n : {1, 60, 366})
        EXPECT_EQ(ParseDayOfYearSpec(MakeDayOfYearSpec(n)), n);
    for (auto [day, month] : {std::pair{1, 0}, {15, 3}, {31, 12}}) {
        const auto rule = ParseDayOfMonthSpec(MakeDayOfMonthSpec(day, month));
        ASSERT_TRUE(rule);
        EXPECT_EQ(rule->day, day);
        EXPECT_EQ(rule->month, month);
    }
    const auto special = ParseSpecialSpec(MakeSpecialSpec(3, 4, 11));
    ASSERT_TRUE(special);
    EXPECT_EQ(special->ordinal, 3);
    EXPECT_EQ(special->weekday, 4);
    EXPECT_EQ(special->month, 11);
}

TEST(DaysSpec, ReadersTakeSignsAndShortTextsButNotGarbage)
{
    EXPECT_EQ(ParseDayOfYearSpec("#-5 "), -5);
    EXPECT_EQ(ParseDayOfYearSpec("#+7"), 7);
    EXPECT_EQ(ParseDayOfYearSpec("#12"), 12);
    // The last blank of a special rule may be missing.
    const auto shortSpecial = ParseSpecialSpec("$0 0 0");
    ASSERT_TRUE(shortSpecial);
    EXPECT_EQ(shortSpecial->month, 0);
    // No range checks: a damaged file's day 99 reads as such.
    EXPECT_EQ(ParseDayOfMonthSpec("@99 0")->day, 99);

    for (const char* unreadable : {"#abc", "#", "#   ", "#1x", "#--5", "#+", "#-"})
        EXPECT_FALSE(ParseDayOfYearSpec(unreadable)) << unreadable;
    for (const char* unreadable : {"@ 5", "@", "@1a 3", "@ 1  "})
        EXPECT_FALSE(ParseDayOfMonthSpec(unreadable)) << unreadable;
    for (const char* unreadable : {"$0 0", "$", "$x 0 0 ", "$0 0 ab"})
        EXPECT_FALSE(ParseSpecialSpec(unreadable)) << unreadable;
}

struct AppliesCase {
    const char* rule;
    TDateTime date;
    bool applies;
};

TEST(DaysSpec, RulesApplyOnTheirDates)
{
    const AppliesCase cases[] = {
        {"", Date(2024, 1, 10), false},
        {"12345", Date(2024, 1, 10), true},  // Wednesday
        {"12345", Date(2024, 1, 13), false}, // Saturday
        {"06", Date(2024, 1, 14), true},     // Sunday
        {"60", Date(2024, 1, 13), true},     // digits in any order
        {"x3y", Date(2024, 1, 10), true},    // other characters ignored
        {"#abc", Date(2024, 1, 1), false},
        {"@ 5", Date(2024, 1, 5), false},
        {"#1  ", Date(2024, 1, 1), true},
        {"#366", Date(2024, 12, 31), true},
        {"#366", Date(2023, 12, 31), false},
        {"#365", Date(2024, 12, 30), true},
        {"#365", Date(2023, 12, 31), true},
        {"#60 ", Date(2024, 2, 29), true},
        {"#60 ", Date(2023, 3, 1), true},
        {"@31 0", Date(2024, 1, 31), true},
        {"@31 0", Date(2024, 4, 30), false},
        {"@29 2", Date(2024, 2, 29), true},
        {"@29 2", Date(2023, 2, 28), false},
        {"@15 3", Date(2024, 3, 15), true},
        {"@15 3", Date(2024, 4, 15), false},
        {"@99 0", Date(2024, 1, 31), false},
        // The Sundays of January 2024 are the 7th, 14th, 21st and 28th.
        {"$0 0 0 ", Date(2024, 1, 7), true},
        {"$0 0 0", Date(2024, 1, 7), true},
        {"$0 0 0 ", Date(2024, 1, 14), false},
        {"$1 0 0 ", Date(2024, 1, 14), true},
        {"$3 0 0 ", Date(2024, 1, 28), true},
        {"$5 0 0 ", Date(2024, 1, 28), true},
        {"$5 0 0 ", Date(2024, 1, 21), false},
        // The Sundays of March 2024 are the 3rd, 10th, 17th, 24th and 31st.
        {"$4 0 0 ", Date(2024, 3, 31), true},
        {"$5 0 0 ", Date(2024, 3, 31), true},
        {"$5 0 0 ", Date(2024, 3, 24), false},
        {"$3 4 11", Date(2024, 11, 28), true},
        {"$3 4 11", Date(2024, 10, 24), false},
        {"$5 7 2 ", Date(2024, 2, 29), true},
        {"$5 7 2 ", Date(2024, 2, 28), false},
        {"$5 7 2 ", Date(2023, 2, 28), true},
        {"$4 7 0 ", Date(2024, 6, 5), true},
        {"$4 7 0 ", Date(2024, 6, 4), false},
        // Damaged values match no day, except a month below 1, which means every month.
        {"$0 9 0 ", Date(2024, 1, 7), false},
        {"$0 0 13", Date(2024, 1, 7), false},
        {"$0 0 -1", Date(2024, 1, 7), true},
        {"$-1 7 0", Date(2024, 1, 1), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "'" << c.rule << "' on " << c.date);
        EXPECT_EQ(AppliesOn(c.rule, c.date), c.applies);
    }
}

TEST(DaysSpec, FifthWeekdayExistsOnlyInMonthsWithFive)
{
    // February 2023 has four Sundays, March 2024 five.
    for (int day = 1; day <= 28; ++day)
        EXPECT_FALSE(IsSpecialDay(4, 0, 0, Date(2023, 2, day))) << day;
    EXPECT_TRUE(IsSpecialDay(4, 0, 0, Date(2024, 3, 31)));
}

TEST(DaysSpec, AppliesTodayReadsTheClock)
{
    test::FakeClock clock;
    clock.Set(2024, 1, 13, 23, 59, 59); // a Saturday
    EXPECT_TRUE(AppliesToday("06"));
    EXPECT_FALSE(AppliesToday("12345"));
    clock.AdvanceSeconds(2); // Sunday
    EXPECT_TRUE(AppliesToday("06"));
    EXPECT_TRUE(AppliesToday("$1 0 0 "));
}

TEST(DaysSpec, CalendarHelpers)
{
    EXPECT_EQ(DayOfYear(Date(2024, 1, 1)), 1);
    EXPECT_EQ(DayOfYear(Date(2024, 12, 31) + 0.9), 366);
    EXPECT_EQ(DayOfYear(Date(2023, 12, 31)), 365);
    EXPECT_EQ(LastDayOfMonth(Date(2024, 2, 10) + 0.5), Date(2024, 2, 29));
    EXPECT_EQ(LastDayOfMonth(Date(2023, 2, 1)), Date(2023, 2, 28));
    EXPECT_EQ(LastDayOfMonth(Date(2024, 12, 31)), Date(2024, 12, 31));
    EXPECT_TRUE(IsDayOfMonth(30, 0, Date(2024, 4, 30)));
    EXPECT_FALSE(IsDayOfMonth(31, 4, Date(2024, 4, 30)));
}

TEST(DaysSpec, OrdinalTexts)
{
    const std::pair<int, const char*> cases[] = {
        {1, "1st"},     {2, "2nd"},     {3, "3rd"},     {4, "4th"},     {10, "10th"},
        {11, "11th"},   {12, "12th"},   {13, "13th"},   {19, "19th"},   {21, "21st"},
        {22, "22nd"},   {23, "23rd"},   {31, "31st"},   {100, "100th"}, {101, "101st"},
        {111, "111th"}, {112, "112th"}, {113, "113th"}, {122, "122nd"}, {-1, "-1st"},
    };
    for (const auto& [n, text] : cases)
        EXPECT_EQ(OrdinalText(n), text) << n;
}

TEST(DaysSpec, Descriptions)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"#abc", ""},
        {"@ 5", ""},
        {"$0 0", ""},
        {"#32 ", "32nd day of year"},
        {"#1  ", "1st day of year"},
        {"$5 5 0 ", "Last Fri/Month"},
        {"$1 1 11", "2nd Mon/Nov"},
        {"$0 7 1 ", "1st Day/Jan"},
        {"$0 0 0", "1st Sun/Month"},
        {"@15 3", "15th of Mar"},
        {"@ 1 0", "1st of Month"},
        {"@3112", "31st of Dec"},
        {"0123456", "All Days"},
        {"12345", "Weekdays"},
        {"06", "Weekends"},
        {"135", "On Days: MWF"},
        {"0", "On Days: S"},
        {"60", "On Days: SS"},
        {"1234560", "On Days: SMTWTFS"},
        {"54321", "On Days: MTWTF"},
        {"789", "On Days: "},
        // Values no word stands for show as numbers.
        {"$9 8 13", "9 8/13"},
        {"$-1-1-1", "-1 -1/-1"},
        {"@5 20", "5th of 20"},
    };
    for (const auto& [rule, description] : cases)
        EXPECT_EQ(DescribeDays(rule), description) << "'" << rule << "'";
}

} // namespace
} // namespace nudgeon
