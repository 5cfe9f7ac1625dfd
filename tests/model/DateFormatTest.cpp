#include "model/DateTime.h"

#include <gtest/gtest.h>
#include <limits>

namespace nudgeon {
namespace {

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();

TDateTime At(int year, int month, int day, int hour, int minute, int second = 0)
{
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second);
}

struct FormatCase {
    const char* pattern;
    TDateTime value;
    const char* expected;
};

TEST(FormatDateTime, ThePatternsOfTheLists)
{
    const TFormatSettings english;
    const FormatCase cases[] = {
        {"h:mmam/pm", At(2000, 1, 1, 18, 5), "6:05pm"},
        {"h:mmam/pm", At(2000, 1, 1, 0, 30), "12:30am"},
        {"h:mmam/pm", At(2000, 1, 1, 12, 0), "12:00pm"},
        {"h:mmam/pm", At(2000, 1, 1, 11, 59, 59), "11:59am"},
        {"h:mmam/pm", 0, "12:00am"},
        {"mmm dd, yyyy h:mmam/pm", At(2000, 1, 1, 18, 5), "Jan 01, 2000 6:05pm"},
        {"mmm dd, yyyy h:mmam/pm", At(2024, 12, 31, 9, 7), "Dec 31, 2024 9:07am"},
        {"hh:mm:ssam/pm", At(2000, 1, 1, 9, 5, 7), "09:05:07am"},
        {"hh:mm:ssam/pm", At(2000, 1, 1, 23, 59, 59), "11:59:59pm"},
        {"hh:mm:ssam/pm", At(2000, 1, 1, 0, 0, 0), "12:00:00am"},
        // Slots carry a few milliseconds of excess; they still show on the minute.
        {"h:mmam/pm", 13.0 / 24 + 12.0 / MSecsPerDay, "1:00pm"},
        // Without a designator the clock has 24 hours; "mm" right after an hour is minutes.
        {"hh:mm", At(2000, 1, 1, 18, 5), "18:05"},
        {"mm/dd/yyyy", At(2024, 2, 9, 0, 0), "02/09/2024"},
        {"d/m/yy", At(2024, 2, 9, 0, 0), "9/2/24"},
        {"dddd, mmmm d", At(2024, 2, 9, 0, 0), "Friday, February 9"},
        {"ddd h:nn a/p", At(2024, 2, 10, 13, 4), "Sat 1:04 p"},
        {"H:MM AM/PM", At(2024, 2, 10, 13, 4), "1:04 PM"},
        {"h:nn ampm", At(2024, 2, 10, 1, 4), "1:04 AM"},
        {"'Due' hh \"at\" h", At(2024, 2, 10, 13, 4), "Due 13 at 13"},
        {"hh:nn:ss.zzz", At(2024, 2, 10, 13, 4, 5) + 7.0 / MSecsPerDay, "13:04:05.007"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(FormatDateTime(c.pattern, c.value, english), c.expected);
    }
}

TEST(FormatDateTime, FollowsTheSettingsPassed)
{
    TFormatSettings german;
    german.DateSeparator = ".";
    german.TimeSeparator = ".";
    german.TimeAMString = "vorm.";
    german.TimePMString = "nachm.";
    german.ShortMonthNames[2] = "Mär";
    german.ShortDateFormat = "dd/mm/yyyy";
    german.LongTimeFormat = "hh:nn:ss";
    const TDateTime value = At(2024, 3, 5, 14, 30, 9);
    EXPECT_EQ(FormatDateTime("mmm dd, yyyy h:mmam/pm", value, german), "Mär 05, 2024 2.30pm");
    EXPECT_EQ(FormatDateTime("h:nn ampm", value, german), "2.30 nachm.");
    EXPECT_EQ(FormatDateTime("ddddd tt", value, german), "05.03.2024 14.30.09");
}

TEST(FormatDateTime, UsesTheFormatsInForce)
{
    const TFormatSettings saved = FormatsInForce();
    TFormatSettings custom = saved;
    custom.ShortMonthNames[0] = "Jän";
    SetFormatsInForce(custom);
    EXPECT_EQ(FormatDateTime("mmm dd", At(2024, 1, 2, 0, 0)), "Jän 02");
    SetFormatsInForce(saved);
    EXPECT_EQ(FormatDateTime("mmm dd", At(2024, 1, 2, 0, 0)), saved.ShortMonthNames[0] + " 02");
}

TEST(FormatDateTime, TheProgramFormatsAreInForceAtStart)
{
    const TFormatSettings& inForce = FormatsInForce();
    EXPECT_EQ(inForce.ShortDateFormat, "mm/dd/yyyy");
    EXPECT_EQ(inForce.DateSeparator, "/");
    EXPECT_EQ(inForce.TimeSeparator, ":");
    EXPECT_EQ(inForce.TimeAMString, "AM");
    EXPECT_EQ(inForce.TimePMString, "PM");
    EXPECT_EQ(inForce.ShortMonthNames, SystemFormatSettings().ShortMonthNames);
}

TEST(FormatDateTime, AValueWithoutACalendarDateGivesAnEmptyText)
{
    for (const TDateTime value : {Nan, Infinity, 1e12, -1e12}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(FormatDateTime("mmm dd, yyyy h:mmam/pm", value, TFormatSettings{}), "");
    }
}

} // namespace
} // namespace nudgeon
