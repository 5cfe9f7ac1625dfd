#include "ui/Editex.h"

#include "controls/Graphp.h"
#include "store/Formats.h"
#include "store/MessageBoxes.h"
#include "store/ProgramDir.h"
#include "support/FakeClock.h"
#include "ui/Help.h"
#include "ui/Settd.h"
#include "ui/dialogs/DialogTestSupport.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace nudgeon {
namespace {

using test::Click;

const TDateTime Jan31 = EncodeDate(2024, 1, 31);
const std::string InvalidTimeText =
    "Invalid time. Please use your Windows Time format\n   Example: 2:20 PM";

class EditexTest : public test::UserFormatsFixture {
protected:
    test::FakeClock clock{Jan31 + EncodeTime(14, 20, 10)};
    const TFormatSettings saved = FormatsInForce();
    test::InfoRecorder infos;
    test::SoundRecorder sound;
    std::unique_ptr<TEditAlarmExact> editor;

    void SetUp() override
    {
        UseUserTimeFormat("h:nn AMPM");
        editor = std::make_unique<TEditAlarmExact>(nullptr, sound.Preview());
    }

    // The user's clock: a 12-hour or a 24-hour short time format, English designators.
    void UseUserTimeFormat(const std::string& shortTimeFormat)
    {
        TFormatSettings user = saved;
        user.ShortTimeFormat = shortTimeFormat;
        user.TimeSeparator = ":";
        user.TimeAMString = "AM";
        user.TimePMString = "PM";
        SetFormatsInForce(user);
        SaveSystemFormats(user);
        UseProgramFormats();
    }

    void Open() { editor->show(); }
    void TypeTime(const QString& text)
    {
        editor->TimeEdit->clear();
        QTest::keyClicks(editor->TimeEdit, text);
    }
    void Save() { Click(editor->SetAlarmButton); }
    QDate Shown() const { return editor->Calendar->selectedDate(); }
    QString LongDate(const QDate& date) const
    {
        return QLocale::system().toString(date, QLocale::LongFormat);
    }
};

struct TimeCase {
    const char* typed;
    bool valid;
    TDateTime saved;   // time of day, when valid
    const char* shown; // the field after Save, when valid
};

TEST_F(EditexTest, SaveReadsTheTypedTimeOrResetsTheFieldAndStaysOpen)
{
    const TimeCase cases[] = {
        {"9:15:40 am", true, EncodeTime(9, 15), "9:15 AM"}, // seconds dropped
        {"7:30 pm", true, EncodeTime(19, 30), "7:30 PM"},
        {"19:30", true, EncodeTime(19, 30), "7:30 PM"},
        {"12:00 AM", true, EncodeTime(0, 0), "12:00 AM"},
        {"8", true, EncodeTime(8, 0), "8:00 AM"},
        {"25:00", false, 0, ""},
        {"13:00 pm", false, 0, ""},
        {"12:60", false, 0, ""},
        {"half past", false, 0, ""},
        {"", false, 0, ""},
    };
    for (const TimeCase& c : cases) {
        SCOPED_TRACE(c.typed);
        editor = std::make_unique<TEditAlarmExact>();
        infos.texts.clear();
        Open();
        TypeTime(c.typed);
        Save();
        if (c.valid) {
            EXPECT_TRUE(infos.texts.empty());
            EXPECT_EQ(editor->result(), mrOk);
            EXPECT_FALSE(editor->isVisible());
            EXPECT_EQ(editor->TimeEdit->text(), c.shown);
            EXPECT_NEAR(editor->AlarmTime, Jan31 + c.saved, 1e-9);
            continue;
        }
        ASSERT_EQ(infos.texts.size(), 1u);
        EXPECT_EQ(infos.texts[0], InvalidTimeText);
        EXPECT_EQ(editor->TimeEdit->text(), "2:20 PM"); // the current time
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(editor->result(), 0);

        Save(); // the reset field now reads
        EXPECT_EQ(infos.texts.size(), 1u);
        EXPECT_EQ(editor->result(), mrOk);
        EXPECT_NEAR(editor->AlarmTime, Jan31 + EncodeTime(14, 20), 1e-9);
    }
    // The program's own formats are back in force afterwards.
    EXPECT_EQ(FormatsInForce(), WithProgramFormats(FormatsInForce()));
}

TEST_F(EditexTest, ATwentyFourHourUserSeesAndTypesTwentyFourHourTimes)
{
    UseUserTimeFormat("hh:nn");
    Open();
    TypeTime("7:30 pm");
    Save();
    EXPECT_EQ(editor->TimeEdit->text(), "19:30");
    EXPECT_NEAR(editor->AlarmTime, Jan31 + EncodeTime(19, 30), 1e-9);
}

TEST_F(EditexTest, SaveKeepsAPastDateWithoutAWord)
{
    Open();
    ASSERT_TRUE(editor->SetCalendarDate(EncodeDate(2023, 6, 1)));
    TypeTime("6:00 AM");
    Save();
    EXPECT_TRUE(infos.texts.empty());
    EXPECT_EQ(editor->result(), mrOk);
    EXPECT_NEAR(editor->AlarmTime, EncodeDate(2023, 6, 1) + EncodeTime(6, 0), 1e-9);
}

TEST_F(EditexTest, MessageTabTimeAndEnterSaveAReminder)
{
    editor->TimeEdit->setText("2:25 PM"); // as the New command proposes
    Open();
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    QTest::keyClicks(QApplication::focusWidget(), "Call the dentist");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "4:45 pm"); // replaces the proposed time
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(editor->result(), mrOk);
    EXPECT_EQ(editor->Descript->text(), "Call the dentist");
    EXPECT_EQ(editor->TimeEdit->text(), "4:45 PM");
    EXPECT_NEAR(editor->AlarmTime, Jan31 + EncodeTime(16, 45), 1e-9);
}

struct CalendarStep {
    const char* button;
    QDate expected;
};

TEST_F(EditexTest, StepButtonsBrowseTheCalendarAndTheDateLabelFollows)
{
    const struct {
        QDate start;
        std::vector<CalendarStep> steps;
    } cases[] = {
        {QDate(2024, 1, 31),
         {{"NextMonth", QDate(2024, 2, 29)}, {"NextMonth", QDate(2024, 3, 29)}}},
        {QDate(2024, 2, 29), {{"NextYear", QDate(2025, 2, 28)}, {"PrevYear", QDate(2024, 2, 28)}}},
        {QDate(2024, 3, 31), {{"PrevMonth", QDate(2024, 2, 29)}, {"PrevYear", QDate(2023, 2, 28)}}},
        {QDate(2024, 12, 31), {{"NextMonth", QDate(2025, 1, 31)}}},
    };
    Open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start.toString(Qt::ISODate).toStdString());
        ASSERT_TRUE(
            editor->SetCalendarDate(EncodeDate(c.start.year(), c.start.month(), c.start.day())));
        EXPECT_EQ(editor->DateLabel->text(), LongDate(c.start));
        for (const CalendarStep& step : c.steps) {
            SCOPED_TRACE(step.button);
            Click(editor->findChild<QAbstractButton*>(step.button));
            EXPECT_EQ(Shown(), step.expected);
            EXPECT_EQ(editor->Calendar->monthShown(), step.expected.month());
            EXPECT_EQ(editor->Calendar->yearShown(), step.expected.year());
            EXPECT_EQ(editor->DateLabel->text(), LongDate(step.expected));
            EXPECT_DOUBLE_EQ(
                editor->CalendarDate(),
                EncodeDate(step.expected.year(), step.expected.month(), step.expected.day()));
        }
    }
}

TEST_F(EditexTest, TodayComesBackAfterBrowsing)
{
    Open();
    EXPECT_EQ(Shown(), QDate(2024, 1, 31)); // opens on today
    Click(editor->NextYear);
    Click(editor->NextYear);
    Click(editor->PrevMonth);
    ASSERT_EQ(Shown(), QDate(2025, 12, 31));
    clock.Set(2024, 2, 1, 0, 0, 5); // midnight passed while the dialog was open
    Click(editor->CurrentDate);
    EXPECT_EQ(Shown(), QDate(2024, 2, 1));
    EXPECT_EQ(editor->DateLabel->text(), LongDate(QDate(2024, 2, 1)));
}

TEST_F(EditexTest, ClickingADayOnTheCalendarChoosesIt)
{
    Open();
    editor->Calendar->setSelectedDate(QDate(2024, 1, 9)); // as a click on the 9th would
    TypeTime("10:00");
    Save();
    EXPECT_NEAR(editor->AlarmTime, EncodeDate(2024, 1, 9) + EncodeTime(10, 0), 1e-9);
    EXPECT_EQ(editor->DateLabel->text(), LongDate(QDate(2024, 1, 9)));
}

TEST_F(EditexTest, CalendarWeeksBeginOnSundayAndTabPassesItBy)
{
    EXPECT_EQ(editor->Calendar->firstDayOfWeek(), Qt::Sunday);
    Open();
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    ASSERT_EQ(QApplication::focusWidget(), editor->Descript); // activation focuses the message
    std::vector<QWidget*> visited;
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(visited.front(), editor->TimeEdit); // straight from the message to the time
    for (QWidget* widget : visited) {
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_FALSE(widget == editor->Calendar || editor->Calendar->isAncestorOf(widget));
    }
}

TEST_F(EditexTest, ActivationShowsTheFieldsTheCallerSet)
{
    editor->EventType = etPlayOnly;
    editor->SoundFile = "/sounds/chime.wav";
    editor->TimeEdit->setText("9:00 AM");
    Open();
    EXPECT_EQ(editor->EventTypeCombo->currentIndex(), 2);
    EXPECT_EQ(editor->EventTypeCombo->currentText(), "Only play sound");
    EXPECT_EQ(editor->WaveFileEdit->text(), "/sounds/chime.wav");
    EXPECT_EQ(editor->Descript->selectedText(), "[Type reminder message here]");
    // Typing replaces the proposed message rather than adding to it.
    QTest::keyClicks(editor->Descript, "Water the plants");
    EXPECT_EQ(editor->Descript->text(), "Water the plants");
}

TEST_F(EditexTest, AnEventTypeOutsideTheListShowsTheFirstEntry)
{
    editor->EventType = static_cast<TEventType>(7);
    Open();
    EXPECT_EQ(editor->EventTypeCombo->currentIndex(), 0);
    EXPECT_EQ(editor->EventType, etShowAndPlay);
}

TEST_F(EditexTest, MessageTakesAtMostAHundredCharacters)
{
    Open();
    editor->Descript->clear();
    QTest::keyClicks(editor->Descript, QString(120, 'x'));
    EXPECT_EQ(editor->Descript->text().size(), 100);
}

class EditexSoundTest : public EditexTest {
protected:
    QTemporaryDir directory;
    QString bell = directory.filePath("bell.wav");
    QString tune = directory.filePath("tune.MID");
    QString notes = directory.filePath("notes.txt");

    void SetUp() override
    {
        EditexTest::SetUp();
        for (const QString& path : {bell, tune, notes}) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("RIFF");
        }
    }
};

TEST_F(EditexSoundTest, EventTypesEnableTheSoundFileOnlyWhenASoundPlays)
{
    Open();
    editor->WaveFileEdit->setText(bell);
    const struct {
        TEventType type;
        bool soundFile;
    } cases[] = {
        {etShowOnly, false}, {etPlayOnly, true}, {etNothing, false}, {etShowAndPlay, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.type));
        editor->EventTypeCombo->setCurrentIndex(c.type);
        EXPECT_EQ(editor->EventType, c.type);
        EXPECT_EQ(editor->WaveFileEdit->isEnabled(), c.soundFile);
        EXPECT_EQ(editor->SelectWavButton->isEnabled(), c.soundFile);
        // Listening and stopping work whatever happens on firing.
        sound.played.clear();
        sound.shutups = 0;
        Click(editor->PlayNowButton);
        Click(editor->BitBtn1);
        EXPECT_EQ(sound.played, std::vector<std::string>{bell.toStdString()});
        EXPECT_EQ(sound.shutups, 1);
    }
}

TEST_F(EditexSoundTest, SaveDropsASoundFileThatDoesNotExistWithoutAWord)
{
    const struct {
        QString typed;
        std::string saved;
    } cases[] = {
        {bell, bell.toStdString()},
        {directory.filePath("gone.wav"), ""},
        {directory.path(), ""}, // a folder is no sound file
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        editor = std::make_unique<TEditAlarmExact>();
        Open();
        editor->WaveFileEdit->clear();
        QTest::keyClicks(editor->WaveFileEdit, c.typed);
        EXPECT_EQ(editor->SoundFile, c.typed.toStdString()); // follows the field
        TypeTime("10:00");
        Save();
        EXPECT_EQ(editor->result(), mrOk);
        EXPECT_EQ(editor->SoundFile, c.saved);
        EXPECT_EQ(editor->WaveFileEdit->text(), c.typed); // the field keeps the text
    }
    EXPECT_TRUE(infos.texts.empty());
}

TEST_F(EditexSoundTest, PlayNowPlaysOnlyAnExistingFile)
{
    Open();
    editor->WaveFileEdit->setText(directory.filePath("gone.wav"));
    Click(editor->PlayNowButton);
    EXPECT_TRUE(sound.played.empty());
    editor->WaveFileEdit->setText(tune);
    Click(editor->PlayNowButton);
    EXPECT_EQ(sound.played, std::vector<std::string>{tune.toStdString()});
}

TEST_F(EditexSoundTest, EveryWayOfClosingStopsTheSound)
{
    const struct {
        const char* name;
        std::function<void(TEditAlarmExact&)> close;
        int result;
    } cases[] = {
        {"Save", [](TEditAlarmExact& e) { Click(e.SetAlarmButton); }, mrOk},
        {"Cancel", [](TEditAlarmExact& e) { Click(e.CancelButton); }, mrCancel},
        {"Esc", [](TEditAlarmExact& e) { QTest::keyClick(&e, Qt::Key_Escape); }, mrCancel},
        {"close box", [](TEditAlarmExact& e) { e.close(); }, mrCancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sound.shutups = 0;
        editor = std::make_unique<TEditAlarmExact>(nullptr, sound.Preview());
        editor->TimeEdit->setText("10:00");
        QTimer::singleShot(0, editor.get(), [&] { c.close(*editor); });
        EXPECT_EQ(editor->exec(), c.result);
        EXPECT_EQ(sound.shutups, 1);
    }
}

TEST_F(EditexTest, CancelChecksNothing)
{
    Open();
    TypeTime("99:99");
    Click(editor->CancelButton);
    EXPECT_EQ(editor->result(), mrCancel);
    EXPECT_TRUE(infos.texts.empty());
    EXPECT_DOUBLE_EQ(editor->AlarmTime, 0);
}

// What the file dialog showed when it opened.
struct FileDialogSeen {
    QString directory;
    QStringList selected;
};

class EditexChooseTest : public EditexSoundTest {
protected:
    // Clicks "Choose" and answers the file dialog with `choice`, or cancels it when empty.
    FileDialogSeen Choose(const QString& choice)
    {
        FileDialogSeen seen;
        QTimer::singleShot(0, editor.get(), [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                ADD_FAILURE() << "no file dialog";
                return;
            }
            seen = {dialog->directory().absolutePath(), dialog->selectedFiles()};
            if (choice.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->selectFile(choice);
            static_cast<QDialog*>(dialog)->accept(); // as the Open button does
        });
        Click(editor->SelectWavButton);
        return seen;
    }
};

TEST_F(EditexChooseTest, ChoosingStartsAtTheSoundFileAndTakesOnlySoundFiles)
{
    editor->SoundFile = bell.toStdString();
    Open();
    const FileDialogSeen seen = Choose(tune);
    EXPECT_EQ(seen.directory, QDir(directory.path()).absolutePath());
    EXPECT_EQ(seen.selected, QStringList{bell});
    EXPECT_EQ(editor->SoundFile, tune.toStdString());
    EXPECT_EQ(editor->WaveFileEdit->text(), tune);

    Choose(notes); // not a sound file: ignored without a message
    EXPECT_EQ(editor->SoundFile, tune.toStdString());
    EXPECT_EQ(editor->WaveFileEdit->text(), tune);

    Choose(""); // cancelled
    EXPECT_EQ(editor->SoundFile, tune.toStdString());
    EXPECT_TRUE(infos.texts.empty());
}

TEST_F(EditexChooseTest, WithoutASoundFileChoosingStartsInTheProgramFolder)
{
    Open();
    const FileDialogSeen seen = Choose(bell);
    const QString programDir = QString::fromStdString(ProgramDir().string());
    EXPECT_EQ(seen.directory, QDir(programDir).absolutePath());
    EXPECT_EQ(editor->SoundFile, bell.toStdString());
}

TEST_F(EditexChooseTest, AMissingSoundFileIsNotProposedButItsFolderIsUsed)
{
    editor->SoundFile = directory.filePath("gone.wav").toStdString();
    Open();
    const FileDialogSeen seen = Choose("");
    EXPECT_EQ(seen.directory, QDir(directory.path()).absolutePath());
    EXPECT_FALSE(seen.selected.contains(directory.filePath("gone.wav")));
}

// Clicks the quick-set button and acts on the time-set dialog when it opens.
void QuickSet(TEditAlarmExact& editor, std::function<void(TSetTimeDialog&)> act)
{
    QTimer::singleShot(0, &editor, [act] {
        auto* dialog = qobject_cast<TSetTimeDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no time-set dialog";
            return;
        }
        act(*dialog);
    });
    Click(editor.ExplorerButton1);
}

TEST_F(EditexTest, QuickSetWritesTheChosenTimeInTheUsersFormat)
{
    Open();
    TypeTime("9:15:40 am");
    int openedAt = -1;
    QuickSet(*editor, [&](TSetTimeDialog& dialog) {
        openedAt = dialog.SelectedHour() * 100 + dialog.SelectedMinute();
        Click(dialog.HourCell(13));
        Click(dialog.MinuteCell(5));
        Click(dialog.Okbutton);
    });
    EXPECT_EQ(openedAt, 915);
    EXPECT_EQ(editor->TimeEdit->text(), "1:05 PM");
    EXPECT_TRUE(infos.texts.empty());
    EXPECT_EQ(FormatsInForce(), WithProgramFormats(FormatsInForce()));
}

TEST_F(EditexTest, QuickSetOnAnUnreadableTimeStartsFromNowAndCancelKeepsIt)
{
    Open();
    TypeTime("25:00");
    int openedAt = -1;
    QuickSet(*editor, [&](TSetTimeDialog& dialog) {
        openedAt = dialog.SelectedHour() * 100 + dialog.SelectedMinute();
        Click(dialog.HourCell(3));
        Click(dialog.CancelButton);
    });
    ASSERT_EQ(infos.texts.size(), 1u);
    EXPECT_EQ(infos.texts[0], InvalidTimeText);
    EXPECT_EQ(openedAt, 1420);
    EXPECT_EQ(editor->TimeEdit->text(), "2:20 PM");
}

TEST_F(EditexTest, HelpButtonOpensTheOneTimeEditorTopic)
{
    Open();
    Click(editor->Helpbutton);
    test::ExpectHelpShows(HelpOneTimeEditor);
}

TEST_F(EditexTest, IsAFixedDialogWithOnlyACloseBox)
{
    Open();
    EXPECT_EQ(editor->windowTitle(), "Reminder Description");
    const Qt::WindowFlags flags = editor->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(editor->minimumSize(), editor->maximumSize());
    EXPECT_TRUE(editor->SetAlarmButton->isDefault());
}

TEST_F(EditexSoundTest, Screenshot)
{
    editor->SoundFile = bell.toStdString();
    editor->TimeEdit->setText("2:25 PM");
    Open();
    test::SaveScreenshot(*editor, "editex");
}

} // namespace
} // namespace nudgeon
