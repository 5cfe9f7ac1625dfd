#include "ui/EditexRules.h"

#include <gtest/gtest.h>

namespace nudgeon {
namespace {

struct StepCase {
    DateParts from;
    int count;
    DateParts expected;
};

TEST(EditexRulesTest, MonthStepsKeepTheDayOrTakeTheLastDayOfAShorterMonth)
{
    const StepCase cases[] = {
        {{2024, 1, 31}, 1, {2024, 2, 29}},   // leap February
        {{2024, 2, 29}, 1, {2024, 3, 29}},   // the clamped day is kept, not the original
        {{2023, 1, 31}, 1, {2023, 2, 28}},   // common February
        {{2024, 3, 31}, -1, {2024, 2, 29}},  // back into a shorter month
        {{2024, 5, 31}, 1, {2024, 6, 30}},   // 30-day month
        {{2024, 12, 15}, 1, {2025, 1, 15}},  // over the year's end
        {{2025, 1, 15}, -1, {2024, 12, 15}}, // back over the year's start
        {{2024, 8, 31}, -18, {2023, 2, 28}}, // many months at once
        {{9999, 12, 5}, 1, {9999, 12, 5}},   // past the last year: kept
        {{1, 1, 5}, -1, {1, 1, 5}},          // before the first year: kept
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.year << '-' << c.from.month << '-' << c.from.day
                                        << " by " << c.count);
        EXPECT_EQ(StepMonths(c.from, c.count), c.expected);
    }
}

TEST(EditexRulesTest, YearStepsKeepMonthAndDayExceptTheLeapDay)
{
    const StepCase cases[] = {
        {{2024, 2, 29}, 1, {2025, 2, 28}},
        {{2025, 2, 28}, -1, {2024, 2, 28}}, // 28 February stays 28 in a leap year
        {{2024, 2, 29}, -4, {2020, 2, 28}}, // the leap day goes even to another leap year
        {{2024, 7, 31}, 1, {2025, 7, 31}},
        {{2024, 1, 1}, -1, {2023, 1, 1}},
        {{9999, 3, 1}, 1, {9999, 3, 1}},
        {{1, 3, 1}, -1, {1, 3, 1}},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.year << '-' << c.from.month << '-' << c.from.day
                                        << " by " << c.count);
        EXPECT_EQ(StepYears(c.from, c.count), c.expected);
    }
}

} // namespace
} // namespace nudgeon
