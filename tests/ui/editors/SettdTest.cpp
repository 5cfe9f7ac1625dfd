#include "ui/Settd.h"

#include "controls/Graphp.h"
#include "ui/Help.h"
#include "ui/dialogs/DialogTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace nudgeon {
namespace {

class SettdTest : public testing::Test {
protected:
    TSetTimeDialog dialog;

    void Open(TDateTime time)
    {
        dialog.TimeValue = time;
        dialog.show();
    }

    QColor Highlight() const { return dialog.palette().color(QPalette::Highlight); }
    QColor ButtonFace() const { return dialog.palette().color(QPalette::Button); }

    // Exactly the cell of `hour` and the cell of `minute` are highlighted, the others plain.
    void ExpectHighlighted(int hour, int minute) const
    {
        for (int h = 0; h < HoursPerDay; ++h) {
            SCOPED_TRACE(testing::Message() << "hour cell " << h);
            const TGraphicPanel* cell = dialog.HourCell(h);
            EXPECT_EQ(cell->Color(), h == hour ? Highlight() : ButtonFace());
            EXPECT_EQ(cell->FontColor(),
                      dialog.palette().color(h == hour ? QPalette::HighlightedText
                                                       : QPalette::ButtonText));
        }
        for (int m = 0; m < 60; ++m) {
            SCOPED_TRACE(testing::Message() << "minute cell " << m);
            EXPECT_EQ(dialog.MinuteCell(m)->Color(), m == minute ? Highlight() : ButtonFace());
        }
    }
};

TEST_F(SettdTest, OpensOnTheHandedTimeWithItsCellsHighlighted)
{
    const struct {
        TDateTime time;
        const char* caption;
        int hour;
        int minute;
    } cases[] = {
        {EncodeTime(13, 5), "Set Time As: 01:05 pm", 13, 5},
        {EncodeTime(0, 0), "Set Time As: 12:00 am", 0, 0},
        {EncodeTime(12, 0), "Set Time As: 12:00 pm", 12, 0},
        {EncodeTime(23, 59, 59, 999), "Set Time As: 11:59 pm", 23, 59},
        {EncodeTime(7, 5, 30), "Set Time As: 07:05 am", 7, 5},
        // a date part is ignored
        {EncodeDate(2024, 2, 29) + EncodeTime(18, 45), "Set Time As: 06:45 pm", 18, 45},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        TSetTimeDialog fresh;
        fresh.TimeValue = c.time;
        fresh.show();
        EXPECT_EQ(fresh.windowTitle(), c.caption);
        EXPECT_EQ(fresh.SelectedHour(), c.hour);
        EXPECT_EQ(fresh.SelectedMinute(), c.minute);
        EXPECT_EQ(fresh.HourCell(c.hour)->Color(), fresh.palette().color(QPalette::Highlight));
        EXPECT_EQ(fresh.MinuteCell(c.minute)->Color(), fresh.palette().color(QPalette::Highlight));
        // The seconds are dropped as soon as it opens.
        EXPECT_DOUBLE_EQ(fresh.TimeValue, EncodeTime(c.hour, c.minute));
    }
}

TEST_F(SettdTest, ClickingCellsMovesOneHighlightAndRenamesTheCaption)
{
    Open(EncodeTime(0, 0));
    ExpectHighlighted(0, 0);

    QTest::mouseClick(dialog.HourCell(12), Qt::LeftButton); // the afternoon "12"
    EXPECT_EQ(dialog.windowTitle(), "Set Time As: 12:00 pm");
    ExpectHighlighted(12, 0);

    QTest::mouseClick(dialog.MinuteCell(37), Qt::LeftButton);
    EXPECT_EQ(dialog.windowTitle(), "Set Time As: 12:37 pm");
    EXPECT_EQ(dialog.SelectedHour(), 12); // a minute click leaves the hour alone
    ExpectHighlighted(12, 37);

    QTest::mouseClick(dialog.HourCell(9), Qt::LeftButton);
    EXPECT_EQ(dialog.windowTitle(), "Set Time As: 09:37 am");
    EXPECT_DOUBLE_EQ(dialog.TimeValue, EncodeTime(9, 37));
    ExpectHighlighted(9, 37);
}

TEST_F(SettdTest, HourCellsShowTheTwelveHourFaceAndCarryTheTwentyFourHourTag)
{
    const char* const faces[] = {"12", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
    for (int hour = 0; hour < HoursPerDay; ++hour) {
        SCOPED_TRACE(hour);
        const TGraphicPanel* cell = dialog.HourCell(hour);
        EXPECT_EQ(cell->Caption(), faces[hour % 12]);
        EXPECT_EQ(cell->property("Tag").toInt(), hour);
        EXPECT_EQ(cell->objectName(), QString("GraphicPanel%1").arg(hour + 1));
        EXPECT_EQ(cell->size(), QSize(24, 19));
    }
    for (int minute = 0; minute < 60; ++minute) {
        SCOPED_TRACE(minute);
        const TGraphicPanel* cell = dialog.MinuteCell(minute);
        EXPECT_EQ(cell->Caption(), QString("%1").arg(minute, 2, 10, QChar('0')));
        EXPECT_EQ(cell->property("Tag").toInt(), minute);
        EXPECT_EQ(cell->objectName(), QString("GraphicPanel%1").arg(minute + 25));
    }
}

TEST_F(SettdTest, CellsStandInRowsWithAGapBetweenMorningAndAfternoon)
{
    Open(EncodeTime(8, 0));
    const auto top = [this](int hour) {
        return dialog.HourCell(hour)->geometry().top();
    };
    const auto left = [this](int hour) {
        return dialog.HourCell(hour)->geometry().left();
    };
    for (int hour = 0; hour < HoursPerDay; hour += 6) {
        SCOPED_TRACE(hour);
        for (int i = 1; i < 6; ++i)
            EXPECT_EQ(top(hour + i), top(hour)); // six to a row
        EXPECT_EQ(left(hour), left(0));
    }
    const int rowStep = top(6) - top(0);
    EXPECT_GT(top(12) - top(6), rowStep); // the gap
    EXPECT_EQ(top(18) - top(12), rowStep);

    // "AM" beside the first morning row, "PM" beside the first afternoon row.
    EXPECT_EQ(dialog.Label1->text(), "AM");
    EXPECT_EQ(dialog.Label2->text(), "PM");
    EXPECT_GT(dialog.Label1->geometry().left(), dialog.HourCell(5)->geometry().right());
    EXPECT_TRUE(
        dialog.Label1->geometry().intersects(QRect(0, top(0), 1000, dialog.HourCell(0)->height())));
    EXPECT_TRUE(dialog.Label2->geometry().intersects(
        QRect(0, top(12), 1000, dialog.HourCell(12)->height())));

    const auto minuteTop = [this](int m) {
        return dialog.MinuteCell(m)->geometry().top();
    };
    for (int m = 0; m < 60; m += 10) {
        SCOPED_TRACE(m);
        EXPECT_EQ(minuteTop(m + 9), minuteTop(m)); // ten to a row
        if (m > 0) {
            EXPECT_GT(minuteTop(m), minuteTop(m - 10));
        }
    }
}

struct Closing {
    const char* name;
    std::function<void(TSetTimeDialog&)> act;
    int result;
};

TEST_F(SettdTest, OkAndEnterHandBackTheTimeCancelAndEscDoNot)
{
    const Closing cases[] = {
        {"Ok button", [](TSetTimeDialog& d) { QTest::mouseClick(d.Okbutton, Qt::LeftButton); },
         mrOk},
        {"Enter", [](TSetTimeDialog& d) { QTest::keyClick(&d, Qt::Key_Return); }, mrOk},
        {"Cancel button",
         [](TSetTimeDialog& d) { QTest::mouseClick(d.CancelButton, Qt::LeftButton); }, mrCancel},
        {"Esc", [](TSetTimeDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, mrCancel},
    };
    for (const Closing& c : cases) {
        SCOPED_TRACE(c.name);
        TSetTimeDialog fresh;
        fresh.TimeValue = EncodeTime(7, 5, 30);
        QTimer::singleShot(0, &fresh, [&] { c.act(fresh); });
        EXPECT_EQ(fresh.exec(), c.result);
        if (c.result == mrOk) {
            EXPECT_DOUBLE_EQ(fresh.TimeValue, EncodeTime(7, 5)); // 07:05:00 without a click
        }
    }
}

TEST_F(SettdTest, HasATitleButNoTitleBarButtons)
{
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(dialog.Okbutton->isDefault());
}

TEST_F(SettdTest, HelpButtonOpensTheTimeSetTopic)
{
    Open(EncodeTime(10, 0));
    QTest::mouseClick(dialog.Helpbutton, Qt::LeftButton);
    test::ExpectHelpShows(HelpTimeSetDialog);
}

TEST_F(SettdTest, Screenshot)
{
    Open(EncodeTime(13, 5));
    test::SaveScreenshot(dialog, "settd");
}

} // namespace
} // namespace nudgeon
