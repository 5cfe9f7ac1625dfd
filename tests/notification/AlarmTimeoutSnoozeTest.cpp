// The notification window answering the real tick engine.
#include "schedule/AlarmTickCount.h"
#include "schedule/Alarmsh.h"
#include "schedule/TickEngine.h"
#include "schedule/TickFakes.h"
#include "store/Settings.h"
#include "support/FakeClock.h"

#include <QTimer>
#include <cstdint>
#include <gtest/gtest.h>

namespace nudgeon {
namespace {

class AlarmTimeoutSnoozeTest : public testing::Test {
protected:
    test::FakeClock clock{EncodeDate(2024, 3, 4) + EncodeTime(10, 0, 0)};
    std::uint32_t ticks = 123456;
    test::EventLog log;
    test::FakeSound sound{log};
    test::FakeStorage storage{log};
    test::FakeTickWindow tickWindow{log};
    ReminderGridRows alarmGrid;
    ReminderGridRows repeatingAlarmGrid;
    TAlarmShow window;
    TickEngine engine{{alarmGrid, repeatingAlarmGrid, window, sound, storage, tickWindow}};
    std::int32_t savedSeconds = TimeoutSeconds;
    std::int32_t savedAction = TimeoutAction;

    AlarmTimeoutSnoozeTest()
    {
        SetTickCountSource([this] { return ticks; });
        storage.OneTimeFile.push_back(
            TReminder::CreateOneTime(rkOneTime, Now(), "Stand up", "", etShowOnly));
        engine.Reload();
    }
    ~AlarmTimeoutSnoozeTest() override
    {
        TimeoutSeconds = savedSeconds;
        TimeoutAction = savedAction;
        UseSystemTickCount();
    }
};

TEST_F(AlarmTimeoutSnoozeTest, ATimeoutSnoozesFromTheMomentItRunsOut)
{
    TimeoutSeconds = 600;
    TimeoutAction = -5;
    QTimer::singleShot(0, &window, [this] {
        // Ten minutes and a moment pass unanswered.
        clock.AdvanceMSecs(600001);
        ticks += 600001;
        window.Timer1Timer();
    });
    engine.CheckNormalAlarms();

    const TReminder* reminder = alarmGrid.Reminder(1);
    ASSERT_NE(reminder, nullptr);
    const TDateTime expected = EncodeDate(2024, 3, 4) + EncodeTime(10, 15, 0);
    EXPECT_NEAR(reminder->AlarmTime, expected, 1.0 / SecondsPerDay);
    EXPECT_EQ(reminder->Status, rsPending);
}

TEST_F(AlarmTimeoutSnoozeTest, ClosingTheWindowMarksTheReminderDoneAndKeepsIt)
{
    TimeoutSeconds = 0;
    QTimer::singleShot(0, &window, [this] { window.close(); });
    engine.CheckNormalAlarms();

    const TReminder* reminder = alarmGrid.Reminder(1);
    ASSERT_NE(reminder, nullptr);
    EXPECT_EQ(reminder->Status, rsDone);
}

} // namespace
} // namespace nudgeon
