#include "store/TimeText.h"

#include "store/Formats.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace nudgeon {
namespace {

std::optional<TDateTime> Time(int hour, int minute, int second = 0)
{
    return EncodeTime(hour, minute, second);
}

TEST(TimeTextTest, ReadsTimesUnderTheProgramsFormats)
{
    const TFormatSettings program = WithProgramFormats(TFormatSettings{});
    const struct {
        const char* text;
        std::optional<TDateTime> time;
    } cases[] = {
        {"7", Time(7, 0)},
        {"7:30 pm", Time(19, 30)},
        {"12:15 AM", Time(0, 15)},
        {"12:15", Time(12, 15)},
        {"12:15 pm", Time(12, 15)},
        {"7 : 30", Time(7, 30)},
        {"7:30:15", Time(7, 30, 15)},
        {"  07:05  ", Time(7, 5)},
        {"7pm", Time(19, 0)},
        {"11:59:59 PM", Time(23, 59, 59)},
        {"0:00", Time(0, 0)},
        {"0007:0030", Time(7, 30)},
        {"0:30 PM", std::nullopt},
        {"13:00 PM", std::nullopt},
        {"24:00", std::nullopt},
        {"7:", std::nullopt},
        {"7:30:", std::nullopt},
        {"12345", std::nullopt},
        {"1234", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"7:60", std::nullopt},
        {"7:30:60", std::nullopt},
        {"7:30 PM PM", std::nullopt},
        {"7.30", std::nullopt},
        {"pm 7", std::nullopt},
        {"\t7", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TryStrToTime(c.text, program), c.time);
    }
}

TEST(TimeTextTest, TheUsersDesignatorsAndSeparatorCountBesideAmAndPm)
{
    TFormatSettings user;
    user.TimeSeparator = ".";
    user.TimeAMString = "a.m.";
    user.TimePMString = "p.m.";
    const struct {
        const char* text;
        std::optional<TDateTime> time;
    } cases[] = {
        {"9 a.m.", Time(9, 0)},    {"9 AM", Time(9, 0)},   {"9.15 P.M.", Time(21, 15)},
        {"9.15 pm", Time(21, 15)}, {"9:15", std::nullopt}, {"9 a.m", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TryStrToTime(c.text, user), c.time);
    }
}

TEST(TimeTextTest, ATextThatDoesNotReadIsAConversionError)
{
    const TFormatSettings saved = FormatsInForce();
    SetFormatsInForce(WithProgramFormats(saved));
    try {
        StrToTime("25:00");
        ADD_FAILURE() << "25:00 was read";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "'25:00' is not a valid time");
    }
    EXPECT_TRUE(IsValidTime("7:30 pm"));
    EXPECT_FALSE(IsValidTime("7:"));
    EXPECT_EQ(StrToTime("6:45"), EncodeTime(6, 45));

    // IsValidTime follows whatever formats are in force.
    TFormatSettings dotted = FormatsInForce();
    dotted.TimeSeparator = ".";
    SetFormatsInForce(dotted);
    EXPECT_TRUE(IsValidTime("7.30"));
    EXPECT_FALSE(IsValidTime("7:30"));
    SetFormatsInForce(saved);
}

} // namespace
} // namespace nudgeon
