#include "controls/ReminderListCells.h"

#include "support/FakeClock.h"

#include <gtest/gtest.h>
#include <string>

namespace nudgeon {
namespace {

class ReminderListCellsTest : public testing::Test {
protected:
    // Saturday 2024-03-02, 09:00.
    test::FakeClock clock{EncodeDate(2024, 3, 2) + EncodeTime(9, 0)};
    const TDateTime today = EncodeDate(2024, 3, 2);
};

TEST_F(ReminderListCellsTest, OneTimeColumnsShowDescriptionWhenAndAStatusMark)
{
    struct Case {
        TReminderStatus status;
        const char* text;
        RgbColor mark;
    };
    const Case cases[] = {
        {rsPending, "Pending", RgbColor{255, 0, 0}},
        {rsDone, "Done", RgbColor{255, 255, 0}},
        {rsExpired, "Expired", RgbColor{0, 0, 255}},
        {rsNotToday, "Not Today", RgbColor{128, 128, 128}},
        {rsRemove, "", RgbColor{255, 255, 255}},
    };
    auto reminder = TReminder::CreateOneTime(rkOneTime, today + EncodeTime(18, 5), "Call & write",
                                             "", etShowAndPlay);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        reminder->Status = c.status;
        EXPECT_EQ(AlarmGridCell(*reminder, 0), (CellContent{"Call & write", White}));
        EXPECT_EQ(AlarmGridCell(*reminder, 1), (CellContent{"Today at 6:05pm", White}));
        EXPECT_EQ(AlarmGridCell(*reminder, 2), (CellContent{c.text, c.mark}));
    }
    EXPECT_EQ(AlarmGridCell(*reminder, 3), CellContent{});
}

TEST_F(ReminderListCellsTest, RepeatingColumnsShowTheRuleAndMarkOnlyTodaysFirings)
{
    auto reminder =
        TReminder::CreateRepeating(rkRepeating, EncodeTime(9, 30), true, EncodeTime(17, 30), "135",
                                   30, "Stretch", "", etShowOnly);
    EXPECT_EQ(RepeatingAlarmGridCell(*reminder, 0).Text, "Stretch");
    EXPECT_EQ(RepeatingAlarmGridCell(*reminder, 1).Text, reminder->DaysText());
    EXPECT_EQ(RepeatingAlarmGridCell(*reminder, 2).Text, "9:30am");
    EXPECT_EQ(RepeatingAlarmGridCell(*reminder, 3).Text, "30 min until 5:30pm");
    for (int col = 0; col < 4; ++col)
        EXPECT_EQ(RepeatingAlarmGridCell(*reminder, col).MarkColor, White) << col;

    struct Case {
        const char* name;
        TDateTime alarmTime;
        std::string text;
        RgbColor mark;
    };
    const Case cases[] = {
        {"later today", today + EncodeTime(13, 0), "Today at 1:00pm", MarkRed},
        // Contains "today", but not "Today".
        {"no firing left today", 0, "Not today", MarkGrey},
        {"a snooze into tomorrow", today + 1 + EncodeTime(0, 20), "", MarkGrey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reminder->AlarmTime = c.alarmTime;
        const std::string expected = c.text.empty() ? reminder->WhenText() : c.text;
        EXPECT_EQ(RepeatingAlarmGridCell(*reminder, 4), (CellContent{expected, c.mark}));
    }
    EXPECT_EQ(RepeatingAlarmGridCell(*reminder, 5), CellContent{});
}

} // namespace
} // namespace nudgeon
