#include "MainFormFixture.h"
#include "ui/Editex.h"
#include "ui/Editrep.h"
#include "ui/EditrepSpinEdit.h"
#include "ui/Help.h"
#include "ui/Splash.h"
#include "ui/TabSet.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace nudgeon {
namespace {

class CommandsTest : public MainFormTest {
protected:
    // What the editor showed when it opened, and how the test answered it.
    QString shownTime;
    QString shownUntil;
    QDate shownDate;
    std::string shownDays;
    bool shownRepeatEvery = false;
    int shownInterval = 0;
    bool shownUntilChecked = false;
    QString shownDescription;
    int dialogs = 0;

    void SetUp() override
    {
        // A user with a 12-hour clock.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        MainFormTest::SetUp();
        WriteSampleData();
        Create();
        ShowAndActivate();
    }

    // Answers the one-time editor: types the given time (if any) and saves, or cancels.
    void AnswerOneTime(const QString& description, const QString& time, bool save)
    {
        form->ExecDialog = [=, this](QDialog& dialog) {
            ++dialogs;
            auto& editor = dynamic_cast<TEditAlarmExact&>(dialog);
            editor.show();
            shownTime = editor.TimeEdit->text();
            shownDate = editor.Calendar->selectedDate();
            shownDescription = editor.Descript->text();
            EXPECT_FALSE(form->Timer1->isActive()); // no firing while the editor is open
            if (!save) {
                editor.CancelButton->click();
                return editor.result();
            }
            editor.Descript->setText(description);
            if (!time.isEmpty())
                editor.TimeEdit->setText(time);
            editor.SetAlarmButton->click();
            return editor.result();
        };
    }

    void AnswerRepeating(const QString& description, bool save)
    {
        form->ExecDialog = [=, this](QDialog& dialog) {
            ++dialogs;
            auto& editor = dynamic_cast<TEditAlarmRepeating&>(dialog);
            editor.show();
            shownTime = editor.TimeEdit->text();
            shownUntil = editor.UntilTimeEdit->text();
            shownDays = editor.DaysSpec;
            shownRepeatEvery = editor.RepeatEveryCheck->isChecked();
            shownInterval = editor.RepeatEverySpinner->Value();
            shownUntilChecked = editor.UntilTime->isChecked();
            shownDescription = editor.Descript->text();
            if (!save) {
                editor.CancelButton->click();
                return editor.result();
            }
            editor.Descript->setText(description);
            editor.SetAlarmButton->click();
            return editor.result();
        };
    }
};

TEST_F(CommandsTest, NewLateInTheEveningProposesAPastTimeOfToday)
{
    clock.Set(At(23, 57));
    const quint64 before =
        std::filesystem::last_write_time(dir / "Nudgeon.dat").time_since_epoch().count();
    AnswerOneTime("", "", false);
    form->AddAlarmButtonClick();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(shownTime, "12:02 AM");
    EXPECT_EQ(shownDate, QDate(2026, 12, 11));
    // Cancelled: the list and the file stay as they were, and the tick runs again.
    EXPECT_EQ(form->AlarmGrid->RowCount(), 4);
    EXPECT_EQ(std::filesystem::last_write_time(dir / "Nudgeon.dat").time_since_epoch().count(),
              before);
    EXPECT_TRUE(form->Timer1->isActive());
}

TEST_F(CommandsTest, NewOneTimeReminderTakesItsPlaceAndIsSaved)
{
    AnswerOneTime("Water the plants", "9:45 am", true);
    form->AddAlarmButtonClick();
    ASSERT_EQ(form->AlarmGrid->RowCount(), 5);
    // 08:00 done, 09:45 new, 10:00 today, tomorrow.
    EXPECT_EQ(form->AlarmGrid->Row(), 2);
    const TReminder& added = *form->AlarmGrid->Rows().Reminder(2);
    EXPECT_EQ(added.Description, "Water the plants");
    EXPECT_NEAR(added.AlarmTime, At(9, 45), 1e-9);
    EXPECT_EQ(added.Status, rsPending);
    const ReminderList saved = ReadBack();
    ASSERT_EQ(saved.size(), 4u);
    EXPECT_EQ(saved[1]->Description, "Water the plants");
    EXPECT_TRUE(form->Timer1->isActive());
}

TEST_F(CommandsTest, EditingADoneReminderForLaterTodayMakesItPendingAndMovesIt)
{
    form->AlarmGrid->SetRow(1); // "Past", done, 08:00
    AnswerOneTime("Past, moved", "11:00 am", true);
    form->EditAlarmButtonClick();
    EXPECT_EQ(shownTime, "8:00 AM");
    EXPECT_EQ(shownDescription, "Past");
    ASSERT_EQ(form->AlarmGrid->RowCount(), 4);
    EXPECT_EQ(form->AlarmGrid->Row(), 2); // after 10:00, before tomorrow
    const TReminder& edited = *form->AlarmGrid->Rows().Reminder(2);
    EXPECT_EQ(edited.Description, "Past, moved");
    EXPECT_EQ(edited.Status, rsPending);
    EXPECT_EQ(ReadBack()[1]->Description, "Past, moved");
}

TEST_F(CommandsTest, EditOnAnEmptyListOpensNothing)
{
    form->AlarmGrid->ClearRows();
    AnswerOneTime("", "", true);
    form->EditAlarmButtonClick();
    EXPECT_EQ(dialogs, 0);
}

TEST_F(CommandsTest, NewRepeatingReminderStartsWithTheProposals)
{
    form->TabSet->setCurrentIndex(1);
    AnswerRepeating("Stand up", true);
    form->AddAlarmButtonClick();
    EXPECT_EQ(shownTime, "9:30 AM");
    EXPECT_EQ(shownUntil, "10:30 AM");
    EXPECT_EQ(shownDays, "12345");
    EXPECT_FALSE(shownRepeatEvery);
    EXPECT_FALSE(shownUntilChecked);
    ASSERT_EQ(form->RepeatingAlarmGrid->RowCount(), 4);
    EXPECT_EQ(form->RepeatingAlarmGrid->Row(), 1); // appended, the current row stays
    const TReminder& added = *form->RepeatingAlarmGrid->Rows().Reminder(3);
    EXPECT_EQ(added.Description, "Stand up");
    EXPECT_EQ(added.DaysSpec, "12345");
    EXPECT_EQ(added.RepeatEvery, 0);
    EXPECT_EQ(added.Status, rsPending); // 11 December 2026 is a Friday
    EXPECT_NEAR(added.AlarmTime, At(9, 30), 1e-9);
}

TEST_F(CommandsTest, EditingARepeatingReminderShowsItsRuleAndReplacesIt)
{
    TReminder& stored = *form->RepeatingAlarmGrid->Rows().Reminder(1);
    stored.RepeatEvery = 30;
    stored.HasUntil = false;
    stored.EndTime = 0;
    stored.AlarmTime = At(11, 45); // a snoozed firing, forgotten by the edit
    form->TabSet->setCurrentIndex(1);
    AnswerRepeating("Daily, edited", true);
    form->EditAlarmButtonClick();
    EXPECT_EQ(shownDescription, "Daily");
    EXPECT_EQ(shownTime, "11:00 AM");
    EXPECT_EQ(shownUntil, "12:00 AM"); // the stored ending time, midnight
    EXPECT_TRUE(shownRepeatEvery);
    EXPECT_EQ(shownInterval, 30);
    EXPECT_FALSE(shownUntilChecked);
    const TReminder& edited = *form->RepeatingAlarmGrid->Rows().Reminder(1);
    EXPECT_NE(&edited, &stored);
    EXPECT_EQ(edited.Description, "Daily, edited");
    EXPECT_EQ(edited.RepeatEvery, 30);
    EXPECT_NEAR(edited.AlarmTime, At(11, 0), 1e-9);
}

TEST_F(CommandsTest, AFailedSaveKeepsTheChangeAndSaysWhy)
{
    std::filesystem::remove(dir / "Nudgeon.dat");
    std::filesystem::create_directory(dir / "Nudgeon.dat");
    AnswerOneTime("Kept in memory", "9:40 am", true);
    form->AddAlarmButtonClick();
    EXPECT_EQ(form->AlarmGrid->RowCount(), 5);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Stream write error"); // the directory cannot be replaced
    EXPECT_TRUE(form->Timer1->isActive());
}

TEST_F(CommandsTest, HelpAndAboutOpenTheirWindows)
{
    form->mnuContentsClick();
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_TRUE(HelpWindow()->isVisible());

    bool sawAbout = false;
    form->ExecDialog = [&](QDialog& dialog) {
        sawAbout = dynamic_cast<TSplashform*>(&dialog) != nullptr;
        return 1;
    };
    form->mnuAboutClick();
    EXPECT_TRUE(sawAbout);
    EXPECT_TRUE(form->Timer1->isActive());
}

} // namespace
} // namespace nudgeon
