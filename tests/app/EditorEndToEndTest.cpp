#include "AppProcess.h"
#include "store/DataFile.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace nudgeon::test {
namespace {

// The centre of the New button in the main window's client area, under the menu bar.
const QPoint NewButton(30, 34);

TEST(EditorEndToEnd, ANewReminderTypedByTheUserSurvivesARestart)
{
    XvfbServer server;
    ASSERT_TRUE(server.IsRunning());
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ProgramCopy program;
    const QString dataFile = program.FilePath("Nudgeon.dat");

    program.Start(runtime.path(), server.Display());
    const QString window = WaitForWindow("Nudgeon!", server.Display());
    ASSERT_FALSE(window.isEmpty());
    ASSERT_TRUE(program.WaitUntilRunning());
    ClickAt(WindowPosition(window, server.Display()) + NewButton, server.Display());

    const QString editor = WaitForWindow("Reminder Description", server.Display());
    ASSERT_FALSE(editor.isEmpty());
    // The message field has the focus with its text selected; Tab leads to the time.
    RunCommand("xdotool", {"type", "--delay", "20", "Call the dentist"}, server.Display());
    RunCommand("xdotool", {"key", "Tab"}, server.Display());
    RunCommand("xdotool", {"type", "--delay", "20", "11:58 pm"}, server.Display());
    ASSERT_FALSE(QImage(Screenshot("editor-typed.png", server.Display())).isNull());
    RunCommand("xdotool", {"key", "Return"}, server.Display());
    ASSERT_TRUE(WaitForWindowGone("Reminder Description", server.Display()));

    // The add command writes the data file at once.
    ReminderList saved = ReadDataFile(dataFile).oneTime;
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0]->Description, "Call the dentist");
    EXPECT_NEAR(saved[0]->AlarmTimeOfDay(), EncodeTime(23, 58), 1e-6);
    Screenshot("main-window-new-reminder.png", server.Display());
    ASSERT_TRUE(program.Terminate());

    // Started again, the program shows it and keeps it.
    program.Start(runtime.path(), server.Display());
    ASSERT_FALSE(WaitForWindow("Nudgeon!", server.Display()).isEmpty());
    Screenshot("main-window-after-restart.png", server.Display());
    ASSERT_TRUE(program.Terminate());
    saved = ReadDataFile(dataFile).oneTime;
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0]->Description, "Call the dentist");
}

} // namespace
} // namespace nudgeon::test
