#include "schedule/Alarmsh.h"

#include "schedule/AlarmTickCount.h"
#include "schedule/DesktopNotifier.h"
#include "store/Settings.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace nudgeon {
namespace {

// The buttons as the window must offer them, in tab order.
struct ExpectedButton {
    const char* name;
    const char* caption;
    const char* hint;
    int answer;
};
const ExpectedButton Buttons[] = {
    {"b5min", "5 minutes", "Add 5 minutes to reminder time", -5},
    {"b10min", "10 minutes", "Add 10 minutes to reminder time", -10},
    {"b30min", "30 minutes", "Add 30 minutes to reminder time", -30},
    {"b1hour", "1 hour", "Add 60 minutes to reminder time", -60},
    {"b2hr", "2 hours", "Add 2 hours to reminder time", -120},
    {"b4hr", "4 hours", "Add 4 hours to reminder time", -240},
    {"b24hr", "24 hours", "Add 24 hours (one full day) to reminder time", -1440},
    {"OneWeek", "1 week", "Add one full week  to reminder time", -10080},
    {"DeleteButton", "Delete", "Delete this reminder", 2},
    {"OkButton", "Ok", "Terminate this alarm", 1},
};

// Answered when a test leaves the window open by mistake, so that it fails instead of hanging.
constexpr int Abandoned = 99999;

class RecordingDesktop : public DesktopNotifier {
public:
    std::vector<std::pair<QString, QString>> Announced;
    int Withdrawn = 0;
    void Announce(const QString& summary, const QString& body) override
    {
        Announced.emplace_back(summary, body);
    }
    void Withdraw() override { ++Withdrawn; }
};

class AlarmshTest : public testing::Test {
protected:
    std::uint32_t ticks = 5000;
    TAlarmShow window;

    AlarmshTest()
    {
        SetTickCountSource([this] { return ticks; });
    }
    ~AlarmshTest() override { UseSystemTickCount(); }

    // Shows the window modally as the tick does, runs `whileShown` once it is up and returns
    // the answer.
    int ShowAndAnswer(const std::function<void()>& whileShown, bool deleteOffered = true,
                      std::int32_t timeoutSeconds = 0, std::int32_t timeoutAction = 0,
                      const QString& message = "Call Bob")
    {
        QTimer::singleShot(0, &window, whileShown);
        QTimer::singleShot(10000, &window, [this] {
            if (window.isVisible())
                window.done(Abandoned);
        });
        return window.ShowAlarm(message, deleteOffered, timeoutSeconds, timeoutAction);
    }

    // The countdown as the window's timer would see it after `elapsedMs` since the showing.
    QString CountdownAfter(std::uint32_t elapsedMs)
    {
        ticks = window.StartTick + elapsedMs;
        window.Timer1Timer();
        return window.CountDown->text();
    }

    QPushButton* Button(const char* name) { return window.findChild<QPushButton*>(name); }
};

TEST_F(AlarmshTest, TheWindowIsAFixedStayOnTopDialogWithoutCloseBox)
{
    EXPECT_EQ(window.windowTitle(), "Reminder Notification");
    EXPECT_EQ(window.size(), QSize(384, 239));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinMaxButtonsHint));
    EXPECT_EQ(window.parentWidget(), nullptr);
    EXPECT_EQ(window.Label1->text(), "Remind me again in:");
    EXPECT_EQ(window.font().family(), "Arial");
    EXPECT_EQ(window.font().pixelSize(), 11);
}

TEST_F(AlarmshTest, EachButtonHasItsCaptionAndHintAndAnswers)
{
    for (const ExpectedButton& expected : Buttons) {
        SCOPED_TRACE(expected.name);
        QPushButton* button = Button(expected.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), expected.caption);
        EXPECT_EQ(button->toolTip(), expected.hint);
        EXPECT_EQ(ShowAndAnswer([button] { QTest::mouseClick(button, Qt::LeftButton); }),
                  expected.answer);
        EXPECT_FALSE(window.isVisible());
    }
}

TEST_F(AlarmshTest, DeleteIsBoldRedAndOkIsTheBoldDefault)
{
    EXPECT_TRUE(window.DeleteButton->font().bold());
    EXPECT_EQ(window.DeleteButton->palette().color(QPalette::ButtonText), QColor(Qt::red));
    EXPECT_TRUE(window.OkButton->font().bold());
    EXPECT_TRUE(window.OkButton->isDefault());
    EXPECT_FALSE(window.b5min->font().bold());
}

TEST_F(AlarmshTest, TheMessageIsShownAsWrittenInBoldWrappedText)
{
    const QString message = "Tom & Jerry: <b>pick up</b> the cake";
    ShowAndAnswer([this] { window.OkButton->click(); }, true, 0, 0, message);
    EXPECT_EQ(window.AlarmMsg->text(), message);
    // Plain text: neither "&" nor the tags are taken as markup.
    EXPECT_EQ(window.AlarmMsg->textFormat(), Qt::PlainText);
    EXPECT_TRUE(window.AlarmMsg->wordWrap());
    EXPECT_TRUE(window.AlarmMsg->font().bold());
    EXPECT_EQ(window.AlarmMsg->font().pixelSize(), 13);
}

TEST_F(AlarmshTest, DeleteIsOfferedOnlyWhenAskedAndTheWindowIsReused)
{
    bool deleteShown = false;
    ShowAndAnswer([&] {
        deleteShown = window.DeleteButton->isVisible();
        window.OkButton->click();
    });
    EXPECT_TRUE(deleteShown);
    ShowAndAnswer(
        [&] {
            deleteShown = window.DeleteButton->isVisible();
            window.OkButton->click();
        },
        false);
    EXPECT_FALSE(deleteShown);
}

TEST_F(AlarmshTest, OpensCentredOnTheScreenWithOkFocused)
{
    QPoint centre;
    QWidget* focused = nullptr;
    ShowAndAnswer([&] {
        centre = window.frameGeometry().center();
        focused = window.focusWidget();
        window.OkButton->click();
    });
    const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE((centre - screenCentre).manhattanLength(), 1);
    EXPECT_EQ(focused, window.OkButton);
}

TEST_F(AlarmshTest, TabGoesThroughTheButtonsInTableOrder)
{
    struct Case {
        bool deleteOffered;
        std::vector<QString> order;
    };
    std::vector<QString> all;
    for (const ExpectedButton& button : Buttons)
        all.push_back(button.name);
    std::vector<QString> withoutDelete = all;
    withoutDelete.erase(withoutDelete.begin() + 8);
    const Case cases[] = {{true, all}, {false, withoutDelete}};

    for (const Case& c : cases) {
        SCOPED_TRACE(c.deleteOffered ? "with Delete" : "without Delete");
        std::vector<QString> visited;
        ShowAndAnswer(
            [&] {
                window.activateWindow();
                if (!QTest::qWaitForWindowActive(&window))
                    return window.done(Abandoned);
                window.b5min->setFocus();
                for (std::size_t i = 0; i <= c.order.size(); ++i) {
                    visited.push_back(QApplication::focusWidget()->objectName());
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                }
                window.done(1);
            },
            c.deleteOffered);
        std::vector<QString> expected = c.order;
        expected.push_back(c.order.front()); // round again
        EXPECT_EQ(visited, expected);
    }
}

TEST_F(AlarmshTest, EnterAnswersOkAndEscapeDoesNothing)
{
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        bool openAfterEscape = false;
        const int answer = ShowAndAnswer([&] {
            QTest::keyClick(&window, Qt::Key_Escape);
            openAfterEscape = window.isVisible();
            QTest::keyClick(window.focusWidget(), enter);
        });
        EXPECT_TRUE(openAfterEscape);
        EXPECT_EQ(answer, 1);
    }
}

TEST_F(AlarmshTest, ACloseNoButtonAskedForAnswersOkNeverDelete)
{
    struct Case {
        const char* name;
        bool deleteOffered;
        std::function<void(TAlarmShow&)> close;
    };
    const Case cases[] = {
        {"system close of a one-time reminder", true,
         [](TAlarmShow& w) {
             w.close();
         }},
        {"system close of a repeating reminder", false,
         [](TAlarmShow& w) {
             w.close();
         }},
        {"the session ending", true,
         [](TAlarmShow&) {
             QApplication::closeAllWindows();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ShowAndAnswer([&] { c.close(window); }, c.deleteOffered), 1);
    }
}

// Telling the program to end ends every event loop of the thread for good, so this runs in a
// child process of its own.
TEST_F(AlarmshTest, TheProgramToldToEndWhileTheWindowIsUpReadsAsOk)
{
    testing::FLAGS_gtest_death_test_style = "fast";
    EXPECT_EXIT(
        {
            const int answer = ShowAndAnswer([] { QCoreApplication::exit(0); });
            std::_Exit(answer == 1 ? 0 : 10 + answer);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(AlarmshTest, EveryAnswerStopsTheSoundOnce)
{
    QSignalSpy closing(&window, &TAlarmShow::CloseQuery);
    ShowAndAnswer([this] { window.b4hr->click(); });
    EXPECT_EQ(closing.count(), 1);
    ShowAndAnswer([this] { window.close(); });
    EXPECT_EQ(closing.count(), 2);
    ShowAndAnswer([this] { CountdownAfter(2001); }, true, 2, -5);
    EXPECT_EQ(closing.count(), 3);
}

TEST_F(AlarmshTest, ATenMinuteTimeoutCountsDownThenAnswersItsAction)
{
    std::vector<QString> texts;
    bool openAtTimeout = false;
    const int answer = ShowAndAnswer(
        [&] {
            texts.push_back(CountdownAfter(100));
            texts.push_back(CountdownAfter(540100));
            texts.push_back(CountdownAfter(600000));
            openAtTimeout = window.isVisible();
            CountdownAfter(600001);
        },
        true, 600, -5);
    EXPECT_EQ(texts,
              (std::vector<QString>{"Timeout in   9:59", "Timeout in   :59", "Timeout in   :00"}));
    EXPECT_TRUE(openAtTimeout);
    EXPECT_EQ(answer, -5);
    EXPECT_TRUE(window.CountDown->text().isEmpty());
    EXPECT_FALSE(window.Timer1->isActive());
}

TEST_F(AlarmshTest, TheTimeoutIsMeasuredAcrossTheWrapOfTheTickCount)
{
    ticks = 0xFFFFFFFFu - 30000;
    QString firstText;
    const int answer = ShowAndAnswer(
        [&] {
            firstText = CountdownAfter(100);
            CountdownAfter(60001); // the count has wrapped by now
        },
        true, 60, -10);
    EXPECT_EQ(firstText, "Timeout in   :59");
    EXPECT_EQ(answer, -10);
}

TEST_F(AlarmshTest, TheRunningTimerArmsAtEachShowing)
{
    bool armed = false;
    ShowAndAnswer(
        [&] {
            armed = window.Timer1->isActive() && window.Timer1->interval() == 100;
            EXPECT_EQ(window.StartTick, ticks);
            window.OkButton->click();
        },
        true, 30, 1);
    EXPECT_TRUE(armed);
    ShowAndAnswer([&] {
        armed = window.Timer1->isActive();
        window.OkButton->click();
    });
    EXPECT_FALSE(armed);
}

TEST_F(AlarmshTest, WithoutATimeoutTheWindowWaitsAndShowsNoCountdown)
{
    for (const std::int32_t seconds : {0, -30}) {
        SCOPED_TRACE(seconds);
        bool open = false;
        bool timerRunning = true;
        QString countdown = "unset";
        const int answer = ShowAndAnswer(
            [&] {
                ticks += 3600 * 1000;
                QCoreApplication::processEvents();
                open = window.isVisible();
                timerRunning = window.Timer1->isActive();
                countdown = window.CountDown->text();
                window.b1hour->click();
            },
            true, seconds, -5);
        EXPECT_TRUE(open);
        EXPECT_FALSE(timerRunning);
        EXPECT_TRUE(countdown.isEmpty());
        EXPECT_EQ(answer, -60);
    }
}

TEST_F(AlarmshTest, ATimeoutActionOfZeroLeavesTheWindowOpenOnItsLastText)
{
    bool open = false;
    bool timerRunning = true;
    QString lastText;
    const int answer = ShowAndAnswer(
        [&] {
            CountdownAfter(59500);
            CountdownAfter(60001);
            open = window.isVisible();
            timerRunning = window.Timer1->isActive();
            lastText = window.CountDown->text();
            window.b30min->click();
        },
        true, 60, 0);
    EXPECT_TRUE(open);
    EXPECT_FALSE(timerRunning);
    EXPECT_EQ(lastText, "Timeout in   :00");
    EXPECT_EQ(answer, -30);
}

TEST_F(AlarmshTest, TheTickNotificationTakesTheTimeoutFromTheSettings)
{
    const auto saved = std::make_pair(TimeoutSeconds, TimeoutAction);
    TimeoutSeconds = 60;
    TimeoutAction = -1440;
    QString message;
    bool deleteShown = true;
    QTimer::singleShot(0, &window, [&] {
        message = window.AlarmMsg->text();
        deleteShown = window.DeleteButton->isVisible();
        CountdownAfter(60001);
    });
    const int answer = window.Notify("Water the plants \xE2\x80\x94 all of them", false);
    TimeoutSeconds = saved.first;
    TimeoutAction = saved.second;

    EXPECT_EQ(answer, -1440);
    EXPECT_EQ(message, QString::fromUtf8("Water the plants \xE2\x80\x94 all of them"));
    EXPECT_FALSE(deleteShown);
}

TEST_F(AlarmshTest, TheDesktopIsToldOnlyWhenTheWindowIsNotInTheForeground)
{
    RecordingDesktop desktop;
    window.SetDesktopNotifier(&desktop);
    QWidget other;

    window.Prepare("Call Bob", true, 0, 0);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.CheckForeground();
    EXPECT_TRUE(desktop.Announced.empty());

    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window.CheckForeground();
    ASSERT_EQ(desktop.Announced.size(), 1u);
    EXPECT_EQ(desktop.Announced[0].first, "Reminder Notification");
    EXPECT_EQ(desktop.Announced[0].second, "Call Bob");

    window.OkButton->click();
    EXPECT_EQ(desktop.Withdrawn, 1);
    window.CheckForeground(); // a closed window announces nothing
    EXPECT_EQ(desktop.Announced.size(), 1u);
}

} // namespace
} // namespace nudgeon
