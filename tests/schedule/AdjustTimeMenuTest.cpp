#include "schedule/AdjustTimeMenu.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace nudgeon {
namespace {

// The minutes a caption such as "+12 Hours" or "-1 Week" promises.
int MinutesOfCaption(const std::string& caption)
{
    const std::map<std::string, int> units{{"Minute", 1}, {"Minutes", 1}, {"Hour", 60},
                                           {"Hours", 60}, {"Day", 1440},  {"Week", 10080}};
    const int sign = caption.at(0) == '-' ? -1 : 1;
    const std::size_t space = caption.find(' ');
    const int count = std::stoi(caption.substr(1, space - 1));
    return sign * count * units.at(caption.substr(space + 1));
}

TEST(AdjustItemTimeMenu, EachItemShiftsByTheAmountItsCaptionNames)
{
    for (const AdjustMenuItem& item : AdjustItemTimeMenu) {
        if (item.IsSeparator())
            continue;
        SCOPED_TRACE(std::string(item.Caption));
        EXPECT_EQ(item.Minutes, MinutesOfCaption(std::string(item.Caption)));
    }
}

TEST(AdjustItemTimeMenu, TheBackwardHalfMirrorsTheForwardHalfBelowOneSeparator)
{
    constexpr std::size_t separator = 9;
    ASSERT_TRUE(AdjustItemTimeMenu[separator].IsSeparator());
    EXPECT_EQ(AdjustItemTimeMenu[separator].Name, "N3");
    for (std::size_t i = 0; i < separator; ++i) {
        const AdjustMenuItem& forward = AdjustItemTimeMenu[i];
        const AdjustMenuItem& backward = AdjustItemTimeMenu[separator + 1 + i];
        SCOPED_TRACE(std::string(forward.Name));
        EXPECT_FALSE(forward.IsSeparator());
        EXPECT_GT(forward.Minutes, 0);
        EXPECT_EQ(backward.Minutes, -forward.Minutes);
        if (i > 0) {
            EXPECT_GT(forward.Minutes, AdjustItemTimeMenu[i - 1].Minutes);
        }
    }
}

} // namespace
} // namespace nudgeon
