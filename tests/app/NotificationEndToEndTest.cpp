#include "AppProcess.h"
#include "store/DataFile.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace nudgeon::test {
namespace {

const QString NotificationTitle = "Reminder Notification";
// Button centres in the notification's client area: its panel starts 56 pixels down.
const QPoint TenMinutesButton(8 + 94 + 43, 56 + 28 + 12);
const QPoint OkButton(8 + 3 * 94 + 43, 56 + 146 + 12);

// Waits until the data file shows what `done` looks for; answers are saved as they are given.
template <typename Predicate> bool WaitForFile(const QString& file, Predicate done)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < 15000) {
        const StoredLists lists = ReadDataFile(file);
        if (done(lists))
            return true;
        QThread::msleep(200);
    }
    return false;
}

TEST(NotificationEndToEnd, SnoozeAndOkReachTheListsAndTheFile)
{
    XvfbServer server;
    ASSERT_TRUE(server.IsRunning());
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ProgramCopy program;
    const QString dataFile = program.FilePath("Nudgeon.dat");

    const TDateTime start = Now();
    const TDateTime inAMinute = start + 60.0 / SecondsPerDay;
    ReminderList oneTime;
    oneTime.push_back(
        TReminder::CreateOneTime(rkOneTime, start, "Due now: stretch", "", etShowOnly));
    oneTime.push_back(
        TReminder::CreateOneTime(rkOneTime, inAMinute, "Due in a minute", "", etShowOnly));
    SaveToDisk(dataFile.toStdString(), oneTime, {});

    program.Start(runtime.path(), server.Display());
    QString window = WaitForWindow(NotificationTitle, server.Display(), 60000);
    ASSERT_FALSE(window.isEmpty()) << program.Output().toStdString();
    ASSERT_FALSE(QImage(Screenshot("notification.png", server.Display())).isNull());

    ClickAt(WindowPosition(window, server.Display()) + TenMinutesButton, server.Display());
    const TDateTime answered = Now();
    ASSERT_TRUE(WaitForWindowGone(NotificationTitle, server.Display()));
    // Snoozed ten minutes from the answer, the first reminder moves behind the second.
    ASSERT_TRUE(WaitForFile(dataFile, [&](const StoredLists& lists) {
        return lists.oneTime.size() == 2 && lists.oneTime[1]->Description == "Due now: stretch";
    }));
    const StoredLists snoozed = ReadDataFile(dataFile);
    EXPECT_NEAR(snoozed.oneTime[1]->AlarmTime, AddMinutes(10, answered), 5.0 / SecondsPerDay);
    EXPECT_EQ(snoozed.oneTime[1]->Status, rsPending);
    EXPECT_EQ(snoozed.oneTime[0]->Status, rsPending);

    // The second comes due a minute after the start; Ok marks it done.
    window = WaitForWindow(NotificationTitle, server.Display(), 90000);
    ASSERT_FALSE(window.isEmpty()) << program.Output().toStdString();
    EXPECT_GE(Now(), inAMinute);
    ClickAt(WindowPosition(window, server.Display()) + OkButton, server.Display());
    ASSERT_TRUE(WaitForFile(dataFile, [&](const StoredLists& lists) {
        return lists.oneTime.size() == 2 && lists.oneTime[0]->Status == rsDone;
    }));
    Screenshot("main-window-after-answers.png", server.Display());

    EXPECT_TRUE(program.Terminate());
    const StoredLists final = ReadDataFile(dataFile);
    ASSERT_EQ(final.oneTime.size(), 2u);
    EXPECT_EQ(final.oneTime[0]->Description, "Due in a minute");
    EXPECT_EQ(final.oneTime[0]->Status, rsDone);
    EXPECT_EQ(final.oneTime[1]->Description, "Due now: stretch");
    EXPECT_EQ(final.oneTime[1]->Status, rsPending);
}

} // namespace
} // namespace nudgeon::test
