#include "store/Formats.h"

#include <gtest/gtest.h>

namespace nudgeon {
namespace {

class FormatsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        user.ShortDateFormat = "dd.mm.yyyy";
        user.DateSeparator = ".";
        user.TimeSeparator = "h";
        user.TimeAMString = "vorm.";
        user.TimePMString = "nachm.";
        user.ShortTimeFormat = "hh:nn";
        user.LongDateFormat = "d. mmmm yyyy";
        user.LongMonthNames[0] = "Januar";
        SetFormatsInForce(user);
    }
    void TearDown() override { SetFormatsInForce(saved); }

    const TFormatSettings saved = FormatsInForce();
    TFormatSettings user;
};

TEST_F(FormatsTest, TheProgramsFormatsReplaceFiveSettingsOnly)
{
    SaveSystemFormats(user);
    UseProgramFormats();
    TFormatSettings expected = user;
    expected.ShortDateFormat = "mm/dd/yyyy";
    expected.DateSeparator = "/";
    expected.TimeSeparator = ":";
    expected.TimeAMString = "AM";
    expected.TimePMString = "PM";
    EXPECT_EQ(FormatsInForce(), expected);
}

TEST_F(FormatsTest, TheUsersFiveValuesComeBackAndGoAgain)
{
    SaveSystemFormats(user);
    UseProgramFormats();
    UseSystemFormats();
    EXPECT_EQ(FormatsInForce(), user);
    UseProgramFormats();
    EXPECT_EQ(FormatsInForce().TimeSeparator, ":");
    EXPECT_EQ(FormatsInForce().ShortTimeFormat, "hh:nn");
}

TEST_F(FormatsTest, TheCopyIsTakenWhenSavedNotWhenUsed)
{
    SaveSystemFormats(user);
    TFormatSettings changed = user;
    changed.TimeSeparator = "-";
    changed.LongDateFormat = "yyyy";
    SetFormatsInForce(changed);
    UseSystemFormats();
    EXPECT_EQ(FormatsInForce().TimeSeparator, "h");
    EXPECT_EQ(FormatsInForce().LongDateFormat, "yyyy");
}

} // namespace
} // namespace nudgeon
