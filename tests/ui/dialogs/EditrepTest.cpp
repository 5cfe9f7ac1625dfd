#include "ui/Editrep.h"

#include "controls/Graphp.h"
#include "store/ProgramDir.h"
#include "ui/EditrepSpinEdit.h"
#include "ui/Help.h"
#include "ui/Settd.h"
#include "ui/dialogs/DialogTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace nudgeon {
namespace {

using test::Click;
using test::Type;

const TDateTime March5 = EncodeDate(2024, 3, 5);
const QString Now = "2:07 PM";
const QString BadTime = "Invalid time. Please use your Windows Time format\n   Example: 2:07 PM";
const QString BadEnding =
    "Invalid ENDING time. Please use your Windows Time format\n   Example: 2:07 PM";
const QString EndingNotLater = "Invalid ENDING time. Must be greater than starting time";
const QString BadInterval = "Repeat interval must be greater than 10 minutes";

class EditrepTest : public test::UserFormatsFixture {
protected:
    test::FakeClock clock{March5 + EncodeTime(14, 7, 42)};
    test::InfoRecorder infos;
    test::SoundRecorder sound;
    std::unique_ptr<TEditAlarmRepeating> dialog;

    EditrepTest() { UseLocale("en_US"); }

    // Fills the dialog as the New command does and shows it.
    void Open(const std::string& daysSpec = "12345", const QString& start = Now,
              const QString& until = "3:07 PM")
    {
        Create();
        dialog->DaysSpec = daysSpec;
        dialog->TimeEdit->setText(start);
        dialog->UntilTimeEdit->setText(until);
        dialog->show();
    }
    void Create() { dialog = std::make_unique<TEditAlarmRepeating>(nullptr, sound.Preview()); }

    void Save() { Click(dialog->SetAlarmButton); }
    bool Saved() const { return dialog->isHidden() && dialog->result() == mrOk; }
    std::vector<QString> Infos() const
    {
        std::vector<QString> texts;
        for (const std::string& text : infos.texts)
            texts.push_back(QString::fromStdString(text));
        return texts;
    }
    std::vector<bool> DaysChecked() const
    {
        std::vector<bool> checked;
        for (QCheckBox* day : dialog->DayBoxes())
            checked.push_back(day->isChecked());
        return checked;
    }
};

TEST_F(EditrepTest, ANewReminderOpensWithWeekdaysOncePerDayAndTheMessageHint)
{
    Open();
    EXPECT_EQ(dialog->windowTitle(), "Repeating Reminder Description");
    EXPECT_EQ(dialog->Descript->text(), "[Type reminder message here]");
    EXPECT_EQ(dialog->Descript->maxLength(), 100);
    EXPECT_TRUE(dialog->rbDayOfweek->isChecked());
    EXPECT_TRUE(dialog->rbDayOfweek->font().bold());
    EXPECT_FALSE(dialog->rbSpecial->font().bold());
    EXPECT_EQ(DaysChecked(), (std::vector<bool>{false, true, true, true, true, true, false}));
    EXPECT_FALSE(dialog->AllDaysCheck->isChecked());
    EXPECT_TRUE(dialog->Monday->isEnabled());
    EXPECT_FALSE(dialog->DayOfMonthDay->isEnabled());
    EXPECT_FALSE(dialog->SpecialMonth->isEnabled());
    EXPECT_TRUE(dialog->OncePerDayCheck->isChecked());
    EXPECT_TRUE(dialog->ForRemainderOfDay->isChecked());
    EXPECT_EQ(dialog->RepeatEverySpinner->Value(), 60);
    EXPECT_FALSE(dialog->RepeatEverySpinner->isEnabled());
    EXPECT_TRUE(dialog->RepeatUntilPanel->isHidden());
    EXPECT_EQ(dialog->TimeEdit->text(), Now);
    EXPECT_EQ(dialog->EventTypeCombo->currentText(), "Show message and play sound");
    EXPECT_EQ(dialog->SpecialDayOfWeek->count(), 8);
    EXPECT_EQ(dialog->DayOfMonthMonth->itemText(12), "of December");
    EXPECT_TRUE(infos.texts.empty());
}

TEST_F(EditrepTest, ControlsCarryTheirNamesCaptionsAndHints)
{
    Open();
    struct Expected {
        const char* name;
        QString caption;
        QString hint;
    };
    const Expected controls[] = {
        {"rbDayOfweek", "Day of the Week",
         "Check here to choose a 'Days of the Week' \nstyle Repeating Reminder"},
        {"Tuesday", "Tues", "Check to use this reminder on this day of \neach week"},
        {"AllDaysCheck", "All Days", "Check to include all days"},
        {"rbSpecial", "Special",
         "Check here to choose a 'nth Day of Month' \nstyle Repeating Reminder"},
        {"RepeatEveryCheck", "Repeat Every",
         "Check here to have this reminder repeat itself\nat predefined intervals "},
        {"ForRemainderOfDay", "For rest of day",
         "Check here to have this reminder continue \nrepeating at the defined intervals for the "
         "rest \nof the day"},
        {"SelectWavButton", "&Choose", "Select the sound file from a Windows\nFile Open dialog"},
        {"BitBtn1", "Shhhh", "Stop a sound file from playing"},
        {"SetAlarmButton", "&Save", "Save and Set the reminder as specified"},
        {"Helpbutton", "&Help", "Get Windows help for Nudgeon!"},
    };
    for (const Expected& c : controls) {
        SCOPED_TRACE(c.name);
        auto* button = dialog->findChild<QAbstractButton*>(c.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), c.caption);
        EXPECT_EQ(button->toolTip(), c.hint);
    }
    EXPECT_EQ(dialog->findChild<QWidget*>("SpecialDayOfWeek")->toolTip(),
              "Select the weekday (Sun-Sat), or select  \"Day\" \nfor any day.");
    EXPECT_EQ(dialog->findChild<QWidget*>("DayOfMonthMonth")->toolTip(),
              "Select the month, or choose \"of Each Month\"\nfor all months");
    EXPECT_EQ(dialog->findChild<QLabel*>("Label4")->text(),
              "Specify &Sound File to play (*.wav or *.mid): ");
    EXPECT_EQ(dialog->Label5->buddy(), dialog->Descript);
    EXPECT_TRUE(dialog->SetAlarmButton->isDefault());
}

TEST_F(EditrepTest, TheRuleTextSetsTheControlsWhenTheDialogOpens)
{
    struct Case {
        const char* daysSpec;
        QRadioButton* TEditAlarmRepeating::*chosen;
        std::function<void(TEditAlarmRepeating&)> check;
    };
    const Case cases[] = {
        {"0123456", &TEditAlarmRepeating::rbDayOfweek,
         [this](TEditAlarmRepeating& d) {
             EXPECT_EQ(DaysChecked(), std::vector<bool>(7, true));
             EXPECT_FALSE(d.AllDaysCheck->isChecked());
         }},
        {"#366", &TEditAlarmRepeating::rbDayOfYear,
         [](TEditAlarmRepeating& d) {
             EXPECT_EQ(d.DayOfYearDay->text(), "365");
         }},
        {"@15 3", &TEditAlarmRepeating::rbDayOfMonth,
         [](TEditAlarmRepeating& d) {
             EXPECT_EQ(d.DayOfMonthDay->Value(), 15);
             EXPECT_EQ(d.DayOfMonthMonth->currentText(), "of March");
         }},
        {"$5 7 2 ", &TEditAlarmRepeating::rbSpecial,
         [](TEditAlarmRepeating& d) {
             EXPECT_EQ(d.SpecialOccurrance->currentText(), "last");
             EXPECT_EQ(d.SpecialDayOfWeek->currentText(), "Day");
             EXPECT_EQ(d.SpecialMonth->currentText(), "of February");
         }},
        {"$0 0 13", &TEditAlarmRepeating::rbSpecial,
         [](TEditAlarmRepeating& d) {
             EXPECT_EQ(d.SpecialMonth->currentIndex(), -1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.daysSpec);
        Open(c.daysSpec);
        QRadioButton* chosen = (*dialog).*c.chosen;
        EXPECT_TRUE(chosen->isChecked());
        EXPECT_TRUE(chosen->font().bold());
        EXPECT_EQ(dialog->rbDayOfweek->font().bold(), chosen == dialog->rbDayOfweek);
        EXPECT_EQ(dialog->Monday->isEnabled(), chosen == dialog->rbDayOfweek);
        EXPECT_EQ(dialog->DayOfYearDay->isEnabled(), chosen == dialog->rbDayOfYear);
        EXPECT_EQ(dialog->SpecialOccurrance->isEnabled(), chosen == dialog->rbSpecial);
        c.check(*dialog);
    }
}

TEST_F(EditrepTest, SaveBuildsTheRuleOfTheChosenTypeOrTellsWhatIsWrong)
{
    struct Case {
        const char* what;
        std::string daysSpec;
        std::function<void(TEditAlarmRepeating&)> act;
        QString saved; // empty when Save is refused
        QString message;
        // Saved with Enter in this field, so that the typed value reaches the check unchanged;
        // else with a click on Save.
        TSpinEdit* TEditAlarmRepeating::*enterIn = nullptr;
    };
    using Dialog = TEditAlarmRepeating;
    const auto keys = [](TSpinEdit* Dialog::*field, const char* text) {
        return [field, text](Dialog& d) {
            Type(d.*field, text);
        };
    };
    const Case cases[] = {
        {"weekdays unchanged", "12345", [](auto&) {}, "12345", ""},
        {"Sunday added", "12345", [](auto& d) { Click(d.Sunday); }, "012345", ""},
        {"no day", "12345",
         [](auto& d) {
             Click(d.AllDaysCheck);
             Click(d.AllDaysCheck);
         },
         "", "You must select at least one day for this \nreminder to occur on"},
        {"all days", "1", [](auto& d) { Click(d.AllDaysCheck); }, "0123456", ""},
        {"day of year 366 opens at 365", "#366", [](auto&) {}, "#365", ""},
        {"day of year 366 typed", "#1  ", keys(&Dialog::DayOfYearDay, "366"), "#366", "",
         &Dialog::DayOfYearDay},
        {"day of year 367 typed", "#1  ", keys(&Dialog::DayOfYearDay, "367"), "",
         "Invalid day of year entered ", &Dialog::DayOfYearDay},
        {"day of month 0 typed", "@ 1 0", keys(&Dialog::DayOfMonthDay, "0"), "",
         "Invalid day of month entered ", &Dialog::DayOfMonthDay},
        {"day of month chosen", "12345",
         [](auto& d) {
             Click(d.rbDayOfMonth);
             Type(d.DayOfMonthDay, "15");
             QTest::keyClick(d.DayOfMonthMonth, Qt::Key_Down);
         },
         "@15 1", ""},
        {"special with month 13", "$0 0 13", [](auto&) {}, "",
         "Invalid value entered for Special category"},
        {"special chosen", "12345",
         [](auto& d) {
             Click(d.rbSpecial);
             QTest::keyClick(d.SpecialOccurrance, Qt::Key_End);
             QTest::keyClick(d.SpecialDayOfWeek, Qt::Key_Down);
         },
         "$5 1 0 ", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        infos.texts.clear();
        Open(c.daysSpec);
        c.act(*dialog);
        if (c.enterIn != nullptr)
            QTest::keyClick((*dialog).*c.enterIn, Qt::Key_Return);
        else
            Save();
        if (c.saved.isEmpty()) {
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(Infos(), std::vector<QString>{c.message});
        } else {
            EXPECT_TRUE(Saved());
            EXPECT_EQ(QString::fromStdString(dialog->DaysSpec), c.saved);
            EXPECT_TRUE(infos.texts.empty());
        }
    }
}

TEST_F(EditrepTest, AllDaysSetsEveryDayButASingleDayLeavesAllDaysAlone)
{
    Open("12345");
    Click(dialog->AllDaysCheck);
    EXPECT_EQ(DaysChecked(), std::vector<bool>(7, true));
    Click(dialog->Wednesday);
    EXPECT_TRUE(dialog->AllDaysCheck->isChecked());
    EXPECT_FALSE(dialog->Wednesday->isChecked());
    Click(dialog->AllDaysCheck);
    EXPECT_EQ(DaysChecked(), std::vector<bool>(7, false));
}

TEST_F(EditrepTest, ChoosingARuleTypeEnablesItsControlsAndBoldsItsCaption)
{
    Open();
    Click(dialog->rbSpecial);
    EXPECT_TRUE(dialog->rbSpecial->font().bold());
    EXPECT_FALSE(dialog->rbDayOfweek->font().bold());
    EXPECT_TRUE(dialog->SpecialDayOfWeek->isEnabled());
    EXPECT_FALSE(dialog->Friday->isEnabled());
    EXPECT_FALSE(dialog->AllDaysCheck->isEnabled());
    Click(dialog->rbDayOfMonth);
    EXPECT_TRUE(dialog->DayOfMonthMonth->isEnabled());
    EXPECT_FALSE(dialog->SpecialDayOfWeek->isEnabled());
    EXPECT_FALSE(dialog->rbSpecial->font().bold());
}

TEST_F(EditrepTest, TheTimeRadiosShowTheEndingPanelAndEnableItsControls)
{
    Open();
    Click(dialog->RepeatEveryCheck);
    EXPECT_TRUE(dialog->RepeatUntilPanel->isVisible());
    EXPECT_TRUE(dialog->RepeatEverySpinner->isEnabled());
    EXPECT_FALSE(dialog->UntilTimeEdit->isEnabled());
    EXPECT_FALSE(dialog->EndingtimeButton->isEnabled());
    Click(dialog->UntilTime);
    EXPECT_TRUE(dialog->UntilTimeEdit->isEnabled());
    EXPECT_TRUE(dialog->EndingtimeButton->isEnabled());
    Click(dialog->OncePerDayCheck);
    EXPECT_TRUE(dialog->RepeatUntilPanel->isHidden());
    EXPECT_FALSE(dialog->RepeatEverySpinner->isEnabled());
    EXPECT_TRUE(infos.texts.empty());
}

TEST_F(EditrepTest, ATimeRadioWithAnUnreadableStartResetsItAndHidesThePanel)
{
    Open();
    Type(dialog->TimeEdit, "half past");
    Click(dialog->RepeatEveryCheck);
    EXPECT_EQ(Infos(), std::vector<QString>{BadTime});
    EXPECT_EQ(dialog->TimeEdit->text(), Now);
    EXPECT_TRUE(dialog->RepeatUntilPanel->isHidden());
    // The next click on a time radio shows it again.
    Click(dialog->RepeatEveryCheck);
    Click(dialog->OncePerDayCheck);
    Click(dialog->RepeatEveryCheck);
    EXPECT_TRUE(dialog->RepeatUntilPanel->isVisible());
}

TEST_F(EditrepTest, SaveChecksTheTimesAndTheIntervalInItsOrder)
{
    struct Case {
        const char* what;
        QString start;
        bool repeat;
        const char* interval; // typed, then Enter
        bool until;
        QString end;
        QStringList messages;
        QString startAfter;
        QString endAfter;
        bool secondSaveSaves; // after a refusal, with the fields as they were reset
    };
    const Case cases[] = {
        {"25:00 is reset to now",
         "25:00",
         false,
         nullptr,
         false,
         "",
         {BadTime},
         Now,
         "3:07 PM",
         true},
        {"seconds dropped",
         "7:05:30 pm",
         false,
         nullptr,
         false,
         "",
         {},
         "7:05 PM",
         "3:07 PM",
         true},
        {"interval 9", "8:00 AM", true, "9", false, "", {BadInterval}, "8:00 AM", "3:07 PM", false},
        {"interval 10", "8:00 AM", true, "10", false, "", {}, "8:00 AM", "3:07 PM", true},
        {"interval checked before the ending",
         "8:00 AM",
         true,
         "5",
         true,
         "7:00 AM",
         {BadInterval},
         "8:00 AM",
         "7:00 AM",
         false},
        {"ending equal to start",
         "8:00 AM",
         true,
         nullptr,
         true,
         "8:00 AM",
         {EndingNotLater},
         "8:00 AM",
         "9:00 AM",
         true},
        // The start plus an hour is past midnight, so the next Save refuses it again.
        {"ending after midnight",
         "11:30 PM",
         true,
         nullptr,
         true,
         "12:15 AM",
         {EndingNotLater},
         "11:30 PM",
         "12:30 AM",
         false},
        {"ending unreadable",
         "8:00 AM",
         true,
         nullptr,
         true,
         "5 o'clock",
         {BadEnding},
         "8:00 AM",
         "9:00 AM",
         true},
        {"ending later", "8:00 AM", true, nullptr, true, "5:30 pm", {}, "8:00 AM", "5:30 PM", true},
        {"start checked before the ending",
         "99",
         true,
         nullptr,
         true,
         "x",
         {BadTime},
         Now,
         "x",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        infos.texts.clear();
        Open();
        // The radios first: each click checks the starting time shown.
        if (c.repeat)
            Click(dialog->RepeatEveryCheck);
        if (c.until)
            Click(dialog->UntilTime);
        Type(dialog->TimeEdit, c.start);
        if (c.until)
            Type(dialog->UntilTimeEdit, c.end);
        if (c.interval != nullptr) {
            Type(dialog->RepeatEverySpinner, c.interval);
            QTest::keyClick(dialog->RepeatEverySpinner, Qt::Key_Return);
        } else {
            Save();
        }
        EXPECT_EQ(Saved(), c.messages.isEmpty());
        EXPECT_EQ(Infos(), std::vector<QString>(c.messages.begin(), c.messages.end()));
        EXPECT_EQ(dialog->TimeEdit->text(), c.startAfter);
        EXPECT_EQ(dialog->UntilTimeEdit->text(), c.endAfter);
        if (!Saved()) {
            Save();
            EXPECT_EQ(Saved(), c.secondSaveSaves);
        }
    }
}

TEST_F(EditrepTest, ASavedReminderHandsBackItsTimes)
{
    Open();
    Type(dialog->TimeEdit, "7:05:30 pm");
    Click(dialog->RepeatEveryCheck);
    Click(dialog->UntilTime);
    Type(dialog->UntilTimeEdit, "10:45 PM");
    Save();
    ASSERT_TRUE(Saved());
    EXPECT_EQ(dialog->StartTime, EncodeTime(19, 5));
    EXPECT_EQ(dialog->EndTime, EncodeTime(22, 45));
    EXPECT_TRUE(dialog->UntilTime->isChecked());
    EXPECT_EQ(dialog->RepeatEverySpinner->Value(), 60);
}

TEST_F(EditrepTest, OncePerDayAfterAnEndingTimeSavesNoEndingTime)
{
    // Filled as the Edit command fills it for a reminder repeating until 5 PM.
    Create();
    dialog->DaysSpec = "135";
    dialog->TimeEdit->setText("8:00 AM");
    dialog->UntilTimeEdit->setText("5:00 PM");
    dialog->RepeatEveryCheck->setChecked(true);
    dialog->RepeatEverySpinner->SetValue(30);
    dialog->UntilTime->setChecked(true);
    dialog->show();
    EXPECT_TRUE(dialog->RepeatUntilPanel->isVisible());
    EXPECT_TRUE(dialog->UntilTimeEdit->isEnabled());

    Click(dialog->OncePerDayCheck);
    Save();
    ASSERT_TRUE(Saved());
    EXPECT_EQ(dialog->EndTime, 0);
    EXPECT_TRUE(dialog->UntilTime->isChecked());
    EXPECT_TRUE(dialog->RepeatUntilPanel->isHidden());
    EXPECT_EQ(dialog->DaysSpec, "135");
}

TEST_F(EditrepTest, ATwentyFourHourUserTypesAndSeesTwentyFourHourTimes)
{
    UseLocale("de_DE");
    Open("12345", "14:07", "15:07");
    Type(dialog->TimeEdit, "19:30");
    Click(dialog->RepeatEveryCheck);
    Click(dialog->UntilTime);
    Type(dialog->UntilTimeEdit, "7:45 pm");
    Save();
    ASSERT_TRUE(Saved());
    EXPECT_EQ(dialog->UntilTimeEdit->text(), "19:45");
    EXPECT_EQ(dialog->StartTime, EncodeTime(19, 30));
    EXPECT_EQ(dialog->EndTime, EncodeTime(19, 45));
    ExpectProgramFormatsInForce();
}

TEST_F(EditrepTest, NumberFieldsKeepTheirLimitsWhenLeftOrStepped)
{
    Open("#1  ");
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    dialog->DayOfYearDay->setFocus();
    Type(dialog->DayOfYearDay, "400");
    EXPECT_EQ(dialog->DayOfYearDay->Value(), 400);
    QTest::keyClick(dialog->DayOfYearDay, Qt::Key_Tab);
    EXPECT_EQ(dialog->DayOfYearDay->text(), "365");

    // Letters are refused as they are typed; an emptied field reads as its minimum.
    Type(dialog->DayOfYearDay, "12x");
    EXPECT_EQ(dialog->DayOfYearDay->text(), "12");
    Type(dialog->DayOfYearDay, "");
    QTest::keyClick(dialog->DayOfYearDay, Qt::Key_Backspace);
    EXPECT_EQ(dialog->DayOfYearDay->Value(), 1);

    Click(dialog->RepeatEveryCheck);
    TSpinEdit* interval = dialog->RepeatEverySpinner;
    QTest::keyClick(interval, Qt::Key_Up);
    EXPECT_EQ(interval->text(), "70");
    interval->SetValue(715);
    QTest::keyClick(interval, Qt::Key_Up);
    EXPECT_EQ(interval->text(), "720");
    interval->SetValue(3);
    EXPECT_EQ(interval->text(), "10");
    QTest::keyClick(interval, Qt::Key_Down);
    EXPECT_EQ(interval->text(), "10");
}

TEST_F(EditrepTest, TheEventTypeEnablesTheSoundFileOnlyWhereASoundPlays)
{
    Create();
    dialog->EventType = etPlayOnly;
    dialog->TimeEdit->setText(Now);
    dialog->show();
    EXPECT_EQ(dialog->EventTypeCombo->currentText(), "Only play sound");
    const struct {
        int position;
        bool soundEnabled;
    } cases[] = {{0, true}, {1, false}, {2, true}, {3, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        dialog->EventTypeCombo->setCurrentIndex(c.position);
        EXPECT_EQ(dialog->EventType, c.position);
        EXPECT_EQ(dialog->WaveFileEdit->isEnabled(), c.soundEnabled);
        EXPECT_EQ(dialog->SelectWavButton->isEnabled(), c.soundEnabled);
        EXPECT_TRUE(dialog->PlayNowButton->isEnabled());
        EXPECT_TRUE(dialog->BitBtn1->isEnabled());
    }
    QTest::keyClick(dialog->EventTypeCombo, Qt::Key_Up);
    EXPECT_EQ(dialog->EventType, etPlayOnly);
}

class EditrepSoundTest : public EditrepTest {
protected:
    QTemporaryDir directory;
    std::string bell = directory.filePath("Bell.wav").toStdString();

    EditrepSoundTest() { std::ofstream(bell) << "RIFF"; }
};

TEST_F(EditrepSoundTest, PlayNowPlaysAnExistingFileAndEveryCloseStopsTheSound)
{
    Create();
    dialog->SoundFile = bell;
    dialog->TimeEdit->setText(Now);
    dialog->show();
    EXPECT_EQ(dialog->WaveFileEdit->text().toStdString(), bell);
    Click(dialog->PlayNowButton);
    EXPECT_EQ(sound.played, std::vector<std::string>{bell});
    Type(dialog->WaveFileEdit, "/nowhere/Gone.wav");
    Click(dialog->PlayNowButton);
    EXPECT_EQ(sound.played.size(), 1u);
    // Play Now works whatever the event type.
    Type(dialog->WaveFileEdit, QString::fromStdString(bell));
    QTest::keyClick(dialog->EventTypeCombo, Qt::Key_End);
    EXPECT_FALSE(dialog->WaveFileEdit->isEnabled());
    Click(dialog->PlayNowButton);
    EXPECT_EQ(sound.played, (std::vector<std::string>{bell, bell}));
    Click(dialog->BitBtn1);
    EXPECT_EQ(sound.shutups, 1);
    Click(dialog->CancelButton);
    EXPECT_EQ(sound.shutups, 2);
    EXPECT_EQ(dialog->result(), mrCancel);
}

TEST_F(EditrepSoundTest, AMissingSoundFileIsDroppedSilentlyEvenWhenSaveFails)
{
    Open();
    Type(dialog->WaveFileEdit, "/nowhere/Gone.wav");
    dialog->SoundFile = bell;
    Click(dialog->AllDaysCheck);
    Click(dialog->AllDaysCheck);
    Save();
    EXPECT_EQ(dialog->SoundFile, "");
    EXPECT_EQ(dialog->WaveFileEdit->text(), "/nowhere/Gone.wav");
    EXPECT_EQ(Infos().size(), 1u); // only the days message

    Type(dialog->WaveFileEdit, QString::fromStdString(bell));
    Click(dialog->Monday);
    Save();
    ASSERT_TRUE(Saved());
    EXPECT_EQ(dialog->SoundFile, bell);
}

TEST_F(EditrepSoundTest, ChooseTakesOnlyWaveAndMidiFilesAndStartsBesideTheCurrentOne)
{
    Create();
    dialog->SoundFile = bell;
    dialog->show();
    std::vector<TSoundFileRequest> requests;
    std::optional<std::string> answer;
    dialog->ChooseSoundFile = [&](const TSoundFileRequest& request) {
        requests.push_back(request);
        return answer;
    };
    struct Case {
        std::optional<std::string> chosen;
        std::string kept;
    };
    const Case cases[] = {
        {"/music/Chime.mp3", bell},
        {std::nullopt, bell},
        {"/music/tune.Mid.backup", "/music/tune.Mid.backup"},
        {"/music/Gong.WAV", "/music/Gong.WAV"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen.value_or("cancelled"));
        answer = c.chosen;
        Click(dialog->SelectWavButton);
        EXPECT_EQ(dialog->SoundFile, c.kept);
        EXPECT_EQ(dialog->WaveFileEdit->text().toStdString(), c.kept);
    }
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0].Folder, directory.path().toStdString() + "/");
    EXPECT_EQ(requests[0].ProposedName, bell);
    EXPECT_EQ(requests[3].Folder, "/music/");
    EXPECT_EQ(requests[3].ProposedName, ""); // that file does not exist

    dialog->SoundFile.clear();
    Click(dialog->SelectWavButton);
    EXPECT_EQ(requests.back().Folder, ProgramDir());
}

TEST_F(EditrepTest, QuickSetWritesTheChosenTimeAndCancelKeepsTheField)
{
    Open();
    test::WhenModalOpens<TSetTimeDialog>([](TSetTimeDialog& quick) {
        EXPECT_EQ(quick.windowTitle(), "Set Time As: 02:07 pm");
        Click(quick.HourCell(13));
        Click(quick.MinuteCell(5));
        Click(quick.Okbutton);
    });
    Click(dialog->ExplorerButton1);
    EXPECT_EQ(dialog->TimeEdit->text(), "1:05 PM");

    Click(dialog->RepeatEveryCheck);
    Click(dialog->UntilTime);
    test::WhenModalOpens<TSetTimeDialog>([](TSetTimeDialog& quick) {
        EXPECT_EQ(quick.windowTitle(), "Set Time As: 03:07 pm");
        Click(quick.HourCell(20));
        Click(quick.CancelButton);
    });
    Click(dialog->EndingtimeButton);
    EXPECT_EQ(dialog->UntilTimeEdit->text(), "3:07 PM");
    EXPECT_TRUE(infos.texts.empty());
}

TEST_F(EditrepTest, QuickSetOfAnUnreadableTimeReportsItAndStartsFromNow)
{
    Open();
    Type(dialog->TimeEdit, "soon");
    test::WhenModalOpens<TSetTimeDialog>([](TSetTimeDialog& quick) {
        EXPECT_EQ(quick.windowTitle(), "Set Time As: 02:07 pm");
        Click(quick.Okbutton);
    });
    Click(dialog->ExplorerButton1);
    EXPECT_EQ(dialog->TimeEdit->text(), Now);

    Click(dialog->RepeatEveryCheck);
    Click(dialog->UntilTime);
    Type(dialog->UntilTimeEdit, "1:00 PM"); // before the start
    test::WhenModalOpens<TSetTimeDialog>([](TSetTimeDialog& quick) {
        EXPECT_EQ(quick.windowTitle(), "Set Time As: 02:07 pm");
        Click(quick.HourCell(23));
        Click(quick.Okbutton);
    });
    Click(dialog->EndingtimeButton);
    EXPECT_EQ(dialog->UntilTimeEdit->text(), "11:07 PM");
    EXPECT_EQ(Infos(), (std::vector<QString>{BadTime, EndingNotLater}));
}

TEST_F(EditrepTest, CancelEscAndTheCloseBoxCheckNothing)
{
    const std::function<void(TEditAlarmRepeating&)> ways[] = {
        [](TEditAlarmRepeating& d) { Click(d.CancelButton); },
        [](TEditAlarmRepeating& d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](TEditAlarmRepeating& d) { d.close(); },
    };
    for (const auto& close : ways) {
        Open("12345", "not a time");
        infos.texts.clear();
        close(*dialog);
        EXPECT_TRUE(dialog->isHidden());
        EXPECT_EQ(dialog->result(), mrCancel);
        EXPECT_TRUE(infos.texts.empty());
    }
}

TEST_F(EditrepTest, HelpOpensTheTopicOfTheRepeatingEditor)
{
    Open();
    Click(dialog->Helpbutton);
    test::ExpectHelpShows(HelpRepeatingEditor);
}

TEST_F(EditrepTest, AUserTypesAMessageAndPressesEnterInAModalDialog)
{
    Create();
    dialog->DaysSpec = "12345";
    dialog->TimeEdit->setText(Now);
    dialog->UntilTimeEdit->setText("3:07 PM");
    test::WhenModalOpens<TEditAlarmRepeating>([](TEditAlarmRepeating& shown) {
        test::SaveScreenshot(shown, "repeating-editor");
        Type(shown.Descript, "Stand up and stretch");
        Click(shown.RepeatEveryCheck);
        Click(shown.UntilTime);
        test::SaveScreenshot(shown, "repeating-editor-until");
        Type(shown.UntilTimeEdit, "5:00 PM");
        QTest::keyClick(shown.UntilTimeEdit, Qt::Key_Return);
    });
    ASSERT_EQ(dialog->exec(), mrOk);
    EXPECT_EQ(dialog->Descript->text(), "Stand up and stretch");
    EXPECT_EQ(dialog->StartTime, EncodeTime(14, 7));
    EXPECT_EQ(dialog->EndTime, EncodeTime(17, 0));
    EXPECT_EQ(dialog->DaysSpec, "12345");
    EXPECT_TRUE(infos.texts.empty());
}

} // namespace
} // namespace nudgeon
