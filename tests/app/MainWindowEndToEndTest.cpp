#include "AppProcess.h"
#include "store/DataFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace nudgeon::test {
namespace {

TEST(MainWindowEndToEnd, ShowsTheListsAndSavesAtExitFromTheFileMenu)
{
    XvfbServer server;
    ASSERT_TRUE(server.IsRunning());
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    ProgramCopy program;
    const TDateTime tomorrow = Today() + 1;
    ReminderList oneTime;
    oneTime.push_back(
        TReminder::CreateOneTime(rkOneTime, tomorrow + 0.375, "Dentist & lunch", "", etShowOnly));
    oneTime.push_back(
        TReminder::CreateOneTime(rkOneTime, tomorrow + 0.75, "Call home", "", etShowOnly));
    ReminderList repeating;
    repeating.push_back(TReminder::CreateRepeating(rkRepeating, 0.5, false, 0, "0123456", 0,
                                                   "Lunch break", "", etShowOnly));
    const QString dataFile = program.FilePath("Nudgeon.dat");
    SaveToDisk(dataFile.toStdString(), oneTime, repeating);
    const quint64 before = InodeOf(dataFile);

    program.Start(runtime.path(), server.Display());
    const QString window = WaitForWindow("Nudgeon!", server.Display());
    ASSERT_FALSE(window.isEmpty());
    ASSERT_TRUE(program.WaitUntilRunning());

    const QImage image(Screenshot("main-window.png", server.Display()));
    ASSERT_FALSE(image.isNull());

    // Open the File menu with a click on its title, then choose E&xit by its key.
    ClickAt(WindowPosition(window, server.Display()) + QPoint(12, 8), server.Display());
    ASSERT_TRUE(WaitForWindowCount(program.Process().processId(), 2, server.Display()));
    RunCommand("xdotool", {"key", "x"}, server.Display());

    ASSERT_TRUE(program.Process().waitForFinished(15000));
    EXPECT_EQ(program.Process().exitCode(), 0);
    EXPECT_NE(InodeOf(dataFile), before); // written anew
    ReminderList readOneTime, readRepeating;
    TDateTime lastDate = 0;
    LoadFromDisk(dataFile.toStdString(), readOneTime, readRepeating, lastDate);
    ASSERT_EQ(readOneTime.size(), 2u);
    EXPECT_EQ(readOneTime[0]->Description, "Dentist & lunch");
    ASSERT_EQ(readRepeating.size(), 1u);
}

} // namespace
} // namespace nudgeon::test
