// A shown main window wakes the program no more often than its one-second tick: only the tray
// animation, while it runs, is faster.
#include "MainFormFixture.h"

#include <QTimer>
#include <string>
#include <vector>

namespace nudgeon {
namespace {

class MainTimersTest : public MainFormTest {
protected:
    // The running timers of the window and its children, faster than once a second.
    QList<QTimer*> FastTimers() const
    {
        QList<QTimer*> fast;
        for (QTimer* timer : form->findChildren<QTimer*>()) {
            if (timer->isActive() && timer->interval() < 1000)
                fast << timer;
        }
        return fast;
    }
};

TEST_F(MainTimersTest, OnlyTheTrayAnimationRunsFasterThanTheTick)
{
    const struct {
        const char* settings;
        int fastTimers;
    } cases[] = {
        {"", 0},
        {"[Tray]\nUse=1\n[Misc]\nAnimateIcon=0\n", 0},
        {"[Tray]\nUse=1\n[Misc]\nAnimateIcon=1\n", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("settings: ") + c.settings);
        WriteSampleData();
        WriteSettings(c.settings);
        Create();
        ShowAndActivate();
        ASSERT_TRUE(form->Timer1->isActive());
        EXPECT_EQ(form->Timer1->interval(), 1000);
        const QList<QTimer*> fast = FastTimers();
        ASSERT_EQ(fast.size(), c.fastTimers);
        for (const QTimer* timer : fast)
            EXPECT_EQ(timer->interval(), form->AnimationInterval());
        form.reset();
    }
}

TEST_F(MainTimersTest, TicksAndAFiringLeaveNoFasterTimerRunning)
{
    WriteSampleData();
    Create();
    ShowAndActivate();
    // Half an hour of ticks, through the 10:00 reminder's firing and its answer.
    for (int tick = 0; tick < 1800; ++tick) {
        clock.AdvanceSeconds(1);
        QMetaObject::invokeMethod(form->Timer1, "timeout");
        QApplication::processEvents();
    }
    EXPECT_EQ(notifier.messages, std::vector<std::string>{"Call & write"});
    EXPECT_TRUE(FastTimers().isEmpty());
    EXPECT_TRUE(form->Timer1->isActive());
}

} // namespace
} // namespace nudgeon
