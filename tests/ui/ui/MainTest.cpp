#include "ui/Main.h"

#include "MainFormFixture.h"
#include "store/DataFile.h"
#include "store/IniFile.h"
#include "store/MessageBoxes.h"
#include "support/FakeClock.h"
#include "ui/Pictures.h"
#include "ui/TabSet.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace nudgeon {
namespace {

TEST_F(MainFormTest, ControlsCarryTheirCaptionsAndHints)
{
    Create();
    EXPECT_EQ(form->windowTitle(), "Nudgeon!");
    struct Expected {
        const char* name;
        const char* caption;
        const char* hint;
    };
    const Expected buttons[] = {
        {"AddAlarmButton", "&New", "Add a new reminder"},
        {"EditAlarmButton", "&Edit", "Edit current reminder"},
        {"DeleteAlarmButton", "&Delete", "Delete current reminder"},
        {"CloneButton", "&Clone", "Make a copy of \ncurrent reminder"},
        {"AdjustTimeButton", "Adjust Time +-", "Adjust the current reminder time \nplus or minus "},
        {"Minimizebutton", "Minimize", "Minimize Nudgeon!"},
        {"Exitbutton", "E&xit", "Exit Nudgeon!"},
    };
    for (const Expected& expected : buttons) {
        SCOPED_TRACE(expected.name);
        QToolButton* button = Button(expected.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), expected.caption);
        EXPECT_EQ(button->toolTip(), expected.hint);
        EXPECT_FALSE(button->icon().isNull());
    }

    QStringList menus;
    for (QAction* action : form->menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Help", "Online"}));
    const auto items = [&](int index) {
        QStringList captions;
        for (QAction* action : form->menuBar()->actions()[index]->menu()->actions())
            captions << (action->isSeparator() ? "-" : action->text());
        return captions;
    };
    EXPECT_EQ(items(0), (QStringList{"&Set Preferences", "-", "Delete reminders marked as &Done",
                                     "Delete reminders marked as &Expired", "-", "E&xit"}));
    EXPECT_EQ(items(1), (QStringList{"&Contents", "-", "&About"}));
    EXPECT_EQ(items(2), (QStringList{"Visit Our Internet Website"}));
    EXPECT_EQ(form->findChild<QAction*>("mnuContents")->toolTip(),
              "Show Windows Help for Nudgeon!");

    QStringList tray;
    for (QAction* action : form->TrayMenu->actions())
        tray << action->text();
    EXPECT_EQ(tray, (QStringList{"&Show Nudgeon", "E&xit"}));

    QStringList adjust;
    for (QAction* action : form->AdjustItemTimeMenu->actions())
        adjust << (action->isSeparator() ? "-" : action->text());
    ASSERT_EQ(adjust.size(), 19);
    EXPECT_EQ(adjust[0], "+1 Minute");
    EXPECT_EQ(adjust[9], "-");
    EXPECT_EQ(adjust[18], "-1 Week");

    EXPECT_EQ(form->TabSet->count(), 2);
    EXPECT_EQ(form->TabSet->tabText(0), "Reminders");
    EXPECT_EQ(form->TabSet->tabText(1), "Repeat Reminders");
    EXPECT_EQ(form->TimePanel->size(), QSize(72, 25));
    EXPECT_EQ(form->AlarmGrid->HeaderStrings(), (QStringList{"Reminder", "When", "Status"}));
    EXPECT_EQ(
        form->RepeatingAlarmGrid->HeaderStrings(),
        (QStringList{"Repeat Reminder", "Days", "First Time", "Repeat Every...", "Next Reminder"}));
    ShowAndActivate();
    EXPECT_EQ(form->centralWidget()->size(), QSize(599, 362));
}

TEST_F(MainFormTest, StartUpFillsTheListsAndWaitsForTheFirstActivation)
{
    WriteSampleData();
    Create();
    EXPECT_EQ(form->TimePanel->Caption(), "09:30:00am");
    EXPECT_EQ(form->AlarmGrid->RowCount(), 4);
    EXPECT_EQ(form->AlarmGrid->Row(), 1);
    EXPECT_EQ(form->RepeatingAlarmGrid->RowCount(), 3);
    EXPECT_EQ(form->RepeatingAlarmGrid->Row(), 1);
    EXPECT_EQ(form->ShownPage(), 0);
    EXPECT_EQ(form->Notebook->currentWidget(), form->AlarmGrid);
    EXPECT_FALSE(form->Timer1->isActive()); // no tick before the first activation
    EXPECT_TRUE(form->FirstActivation());

    ShowAndActivate();
    EXPECT_FALSE(form->FirstActivation());
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(form->Timer1->interval(), 1000);
    EXPECT_EQ(form->AlarmGrid->FixedRows(), 1);
    EXPECT_TRUE(Button("DeleteAlarmButton")->isEnabled());
    EXPECT_TRUE(Button("CloneButton")->isVisible());
}

TEST_F(MainFormTest, WithoutADataFileTheListsAreEmpty)
{
    Create();
    ShowAndActivate();
    EXPECT_EQ(form->AlarmGrid->RowCount(), 1);
    EXPECT_EQ(form->AlarmGrid->Row(), 0);
    EXPECT_EQ(form->AlarmGrid->FixedRows(), 0);
    EXPECT_FALSE(Button("DeleteAlarmButton")->isEnabled());
    EXPECT_FALSE(Button("CloneButton")->isEnabled());
    EXPECT_FALSE(Button("AdjustTimeButton")->isEnabled());
    EXPECT_FALSE(std::filesystem::exists(dir / "Nudgeon.dat"));
}

TEST_F(MainFormTest, TheTickFiresADueReminderAfterActivation)
{
    WriteSampleData();
    Create();
    ShowAndActivate();
    clock.Set(At(10, 0));
    for (int tick = 0; tick < TickEngine::TicksPerScan; ++tick)
        QMetaObject::invokeMethod(form->Timer1, "timeout");
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0], "Call & write");
    EXPECT_EQ(form->TimePanel->Caption(), "10:00:00am");
    EXPECT_EQ(form->AlarmGrid->Rows().Reminder(2)->Status, rsDone);
}

TEST_F(MainFormTest, DeletingRowsFollowsTheButtonsAndTheFile)
{
    WriteSampleData();
    Create();
    ShowAndActivate();
    form->AlarmGrid->SetRow(3);
    confirmAnswer = false;
    form->DeleteAlarmButtonClick();
    EXPECT_EQ(form->AlarmGrid->RowCount(), 4);

    confirmAnswer = true;
    form->DeleteAlarmButtonClick();
    EXPECT_EQ(form->AlarmGrid->RowCount(), 3);
    EXPECT_EQ(form->AlarmGrid->Row(), 2); // past the end: the new last row
    EXPECT_EQ(ReadBack().size(), 2u);
    EXPECT_TRUE(form->Timer1->isActive());

    form->DeleteAlarmButtonClick();
    form->DeleteAlarmButtonClick();
    EXPECT_EQ(form->AlarmGrid->RowCount(), 1);
    EXPECT_FALSE(Button("DeleteAlarmButton")->isEnabled());
    EXPECT_FALSE(Button("AdjustTimeButton")->isEnabled());
    EXPECT_TRUE(ReadBack().empty());

    form->DeleteAlarmButtonClick(); // an empty list: nothing happens, the tick runs on
    EXPECT_TRUE(form->Timer1->isActive());
}

TEST_F(MainFormTest, CloneGoesInFrontOfItsOriginalAndIsSaved)
{
    WriteSampleData();
    Create();
    ShowAndActivate();
    form->AlarmGrid->SetRow(1); // "Past", done
    form->CloneButtonClick();
    ASSERT_EQ(form->AlarmGrid->RowCount(), 5);
    EXPECT_EQ(form->AlarmGrid->Row(), 1);
    EXPECT_EQ(form->AlarmGrid->Rows().Reminder(1)->Status, rsDone);
    EXPECT_EQ(form->AlarmGrid->Rows().Reminder(2)->Description, "Past");
    EXPECT_NE(form->AlarmGrid->Rows().Reminder(1), form->AlarmGrid->Rows().Reminder(2));
    EXPECT_EQ(ReadBack().size(), 4u);
}

TEST_F(MainFormTest, AdjustTimeMovesTheCurrentReminder)
{
    WriteSampleData();
    Create();
    ShowAndActivate();
    form->AlarmGrid->SetRow(2); // "Call & write" today 10:00
    for (QAction* action : form->AdjustItemTimeMenu->actions())
        if (action->text() == "+1 Day")
            action->trigger();
    EXPECT_EQ(form->AlarmGrid->Row(), 3);
    EXPECT_EQ(form->AlarmGrid->Rows().Reminder(3)->Description, "Call & write");
    EXPECT_EQ(form->AlarmGrid->Rows().Reminder(3)->Status, rsNotToday);
}

TEST_F(MainFormTest, PurgesReportWhatTheyDeleted)
{
    WriteSampleData();
    Create();
    ShowAndActivate();
    form->TabSet->setCurrentIndex(1); // the one-time list is purged whatever page is shown
    form->mnuDeleteremindersmarkedasdoneClick();
    form->mnuDeleteremindersmarkedasdoneClick();
    form->Deleteremindersmarkedasexpired1Click();
    EXPECT_EQ(infos, (std::vector<std::string>{"Deleted 1 reminders marked Done",
                                               "No reminders deleted", "No reminders deleted"}));
    EXPECT_EQ(form->AlarmGrid->RowCount(), 3);
}

TEST_F(MainFormTest, SwitchingPagesShowsTheirButtonsAndFitsTheList)
{
    WriteSampleData();
    Create();
    ShowAndActivate();
    form->TabSet->setCurrentIndex(1);
    EXPECT_EQ(form->Notebook->currentWidget(), form->RepeatingAlarmGrid);
    EXPECT_FALSE(Button("CloneButton")->isVisible());
    EXPECT_FALSE(Button("AdjustTimeButton")->isVisible());
    EXPECT_TRUE(Button("DeleteAlarmButton")->isEnabled());
    int sum = 0;
    for (int col = 0; col < form->RepeatingAlarmGrid->ColCount(); ++col)
        sum += form->RepeatingAlarmGrid->ColWidth(col);
    EXPECT_EQ(sum, form->RepeatingAlarmGrid->viewport()->width() - 5);

    form->TabSet->setCurrentIndex(0);
    EXPECT_TRUE(Button("CloneButton")->isVisible());
}

TEST_F(MainFormTest, ResizingRefitsTheFirstColumn)
{
    Create();
    ShowAndActivate();
    form->resize(900, 500);
    QApplication::processEvents();
    const TClickableStringGrid& grid = *form->AlarmGrid;
    EXPECT_EQ(grid.ColWidth(0) + grid.ColWidth(1) + grid.ColWidth(2), grid.viewport()->width() - 5);
    EXPECT_EQ(grid.ColWidth(1), 137);
    EXPECT_EQ(grid.horizontalScrollBar()->maximum(), 0);
    form->resize(400, 300);
    QApplication::processEvents();
    EXPECT_EQ(grid.ColWidth(0), 345); // does not fit: back to its recorded width
}

QColor PixelOf(TClickableStringGrid& grid, QPoint point)
{
    const QImage image = grid.viewport()->grab().toImage();
    return QColor(image.pixel(point));
}

TEST_F(MainFormTest, StatusMarksArePaintedAtTheirPlace)
{
    WriteSampleData();
    Create();
    ShowAndActivate();
    TClickableStringGrid& grid = *form->AlarmGrid;
    const struct {
        int row;
        QColor mark;
    } cases[] = {{1, QColor(255, 255, 0)}, {2, QColor(255, 0, 0)}, {3, QColor(128, 128, 128)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const QRect cell = grid.CellRect(2, c.row);
        EXPECT_EQ(PixelOf(grid, cell.topLeft() + QPoint(4, 6)), c.mark);
        EXPECT_EQ(PixelOf(grid, cell.topLeft() + QPoint(9, 11)), c.mark);
        EXPECT_NE(PixelOf(grid, cell.topLeft() + QPoint(3, 6)), c.mark);
        EXPECT_NE(PixelOf(grid, cell.topLeft() + QPoint(10, 6)), c.mark);
    }
    // The description column has no mark: the row's own colour at the mark's place.
    const QRect description = grid.CellRect(0, 3);
    EXPECT_EQ(PixelOf(grid, description.topLeft() + QPoint(4, 6)), grid.Color());
}

TEST_F(MainFormTest, ClosingSavesPlacementAndData)
{
    WriteSampleData();
    Create();
    ShowAndActivate();
    std::filesystem::remove(dir / "Nudgeon.dat");
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(form->Closing());
    EXPECT_EQ(ReadBack().size(), 3u);
    std::ifstream ini(dir / "Nudgeon.INI");
    std::stringstream text;
    text << ini.rdbuf();
    EXPECT_NE(text.str().find("[TMainForm_Placement]"), std::string::npos);
    EXPECT_NE(text.str().find("Bottom="), std::string::npos);
}

TEST_F(MainFormTest, AFailedSaveAtCloseKeepsTheWindowOpen)
{
    WriteSampleData();
    Create();
    ShowAndActivate();
    // A directory where the data file should be: the save cannot replace it.
    std::filesystem::remove(dir / "Nudgeon.dat");
    std::filesystem::create_directory(dir / "Nudgeon.dat");
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(errors.size(), 1u);
}

TEST_F(MainFormTest, SavedPlacementIsRestoredOnTheScreen)
{
    WriteSettings("[TMainForm_Placement]\nLeft=100\nTop=60\nRight=850\nBottom=500\n"
                  "Maximized=0\n");
    Create();
    ShowAndActivate();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    ASSERT_EQ(screen.width(), 800); // the offscreen platform's screen
    // Pulled back left by what passes the screen's right edge, its size kept.
    const QRect frame = form->frameGeometry();
    EXPECT_EQ(frame.width(), 750);
    EXPECT_EQ(frame.height(), 440);
    EXPECT_EQ(frame.left(), 50);
    EXPECT_EQ(frame.top(), 60);
}

TEST_F(MainFormTest, TrayIconFollowsTheSettings)
{
    WriteSettings("[Tray]\nUse=1\n[Misc]\nAnimateIcon=1\n");
    Create();
    EXPECT_TRUE(form->TrayIcon->isVisible());
    EXPECT_EQ(form->TrayFrame(), 1);
    EXPECT_EQ(form->AnimationInterval(), 600);
    for (int step = 0; step < AnimationFrameCount - 1; ++step)
        form->AdvanceTrayFrame();
    EXPECT_EQ(form->TrayFrame(), 11);
    form->AdvanceTrayFrame();
    EXPECT_EQ(form->TrayFrame(), 1);
}

TEST_F(MainFormTest, AMinimisedStartGoesIntoTheTray)
{
    WriteSettings("[Tray]\nUse=1\n");
    Create();
    form->SystemTrayAvailable = [] {
        return true;
    };
    form->ShowState = StartupShowState::Minimized;
    ShowAndActivate();
    QApplication::processEvents();
    EXPECT_TRUE(form->InTray());
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->Timer1->isActive()); // the tick starts all the same

    form->TrayIconDblClick();
    EXPECT_FALSE(form->InTray());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainFormTest, WithoutATrayAMinimisedStartStaysMinimised)
{
    WriteSettings("[Tray]\nUse=1\n");
    Create();
    form->SystemTrayAvailable = [] {
        return false;
    };
    form->ShowState = StartupShowState::Minimized;
    ShowAndActivate();
    EXPECT_FALSE(form->InTray());
    EXPECT_TRUE(form->isMinimized());
}

} // namespace
} // namespace nudgeon
