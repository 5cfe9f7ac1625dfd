#include "ui/Pref.h"

#include "store/ProgramDir.h"
#include "store/Settings.h"
#include "ui/EditrepSpinEdit.h"
#include "ui/Help.h"
#include "ui/Hints.h"
#include "ui/PrefTimeout.h"
#include "ui/Settd.h"
#include "ui/dialogs/DialogTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace nudgeon {
namespace {

using test::Click;

TEST(TimeoutMappingTest, StoredTimeoutsShowAsMinutesAndAnswer)
{
    struct Case {
        TTimeoutSetting stored;
        TTimeoutChoice shown;
    };
    const Case cases[] = {
        {{600, -30}, {true, 10, 3}},  {{120, -30}, {true, 2, 3}},       {{90, -5}, {true, 1, 1}},
        {{59, 1}, {true, 1, 0}},      {{0, 0}, {false, 1, 0}},          {{-60, -10}, {false, 1, 2}},
        {{7200, -60}, {true, 60, 4}}, {{600, 7}, {true, 10, NoAnswer}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stored.Seconds << "/" << c.stored.Action);
        EXPECT_EQ(TimeoutChoiceFor(c.stored), c.shown);
    }
}

TEST(TimeoutMappingTest, TheControlsAreReadBackIntoSecondsAndAction)
{
    struct Case {
        TTimeoutChoice shown;
        std::int32_t previousAction;
        TTimeoutSetting stored;
    };
    const Case cases[] = {
        {{true, 10, 3}, 0, {600, -30}},      {{true, 2, 3}, 1, {120, -30}},
        {{true, 1, 0}, -5, {60, 1}},         {{true, 60, 4}, 0, {3600, -60}},
        {{true, 10, NoAnswer}, 7, {600, 7}}, {{false, 45, 2}, -10, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.shown.Minutes << " minutes, answer " << c.shown.Answer);
        EXPECT_EQ(TimeoutSettingFor(c.shown, c.previousAction), c.stored);
    }
}

// The settings variables are program-wide: each test starts from known values and leaves
// the defaults behind.
class PrefTest : public testing::Test {
protected:
    QTemporaryDir directory;
    std::filesystem::path settingsFile = directory.filePath("Nudgeon.INI").toStdString();
    test::InfoRecorder infos;
    test::SoundRecorder sound;
    int trayApplied = 0;
    bool trayAvailable = true;
    bool hintsBefore = HintsEnabled();

    ~PrefTest() override
    {
        SetHintsEnabled(hintsBefore);
        ReadSettings(directory.filePath("none.ini").toStdString());
    }

    void Store(const std::string& text) { std::ofstream(settingsFile) << text; }
    std::string FileText() const
    {
        std::ifstream in(settingsFile);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    TPreferencesCommand Command()
    {
        return {nullptr, settingsFile, sound.Preview(), trayAvailable, [this] {
                    ++trayApplied;
                }};
    }
    // Runs the command; `use` plays the user's part while the dialog is open.
    bool Run(std::function<void(TPreferences&)> use)
    {
        test::WhenModalOpens<TPreferences>(std::move(use));
        return RunPreferencesDialog(Command());
    }
};

TEST_F(PrefTest, AStoredTimeoutOpensAsWaitForAndOkStoresItAgain)
{
    Store("[Timeout]\nSeconds=600\nAction=-30\n");
    const bool ok = Run([](TPreferences& dialog) {
        EXPECT_TRUE(dialog.WaitFor->isChecked());
        EXPECT_EQ(dialog.Minutes->text(), "10");
        EXPECT_EQ(dialog.Action->currentText(), "Click the 30 minutes button");
        EXPECT_TRUE(dialog.Action->isEnabled());
        EXPECT_TRUE(dialog.Minutes->isEnabled());
        Click(dialog.Okbutton);
    });
    ASSERT_TRUE(ok);
    TimeoutSeconds = 0;
    TimeoutAction = 0;
    ReadSettings(settingsFile);
    EXPECT_EQ(TimeoutSeconds, 600);
    EXPECT_EQ(TimeoutAction, -30);
}

TEST_F(PrefTest, TheTimeoutControlsAreStoredAsSecondsAndAction)
{
    struct Case {
        const char* what;
        const char* stored;
        std::function<void(TPreferences&)> use;
        std::int32_t seconds;
        std::int32_t action;
    };
    const Case cases[] = {
        {"wait 2 minutes, then 30 minutes", "",
         [](TPreferences& d) {
             Click(d.WaitFor);
             d.Minutes->selectAll();
             QTest::keyClicks(d.Minutes, "2");
             QTest::keyClick(d.Action, Qt::Key_Down); // from the first entry
             QTest::keyClick(d.Action, Qt::Key_Down);
             QTest::keyClick(d.Action, Qt::Key_Down);
         },
         120, -30},
        {"continue waiting whatever the others show", "[Timeout]\nSeconds=600\nAction=-30\n",
         [](TPreferences& d) { Click(d.Continue); }, 0, 0},
        {"90 seconds show as one minute", "[Timeout]\nSeconds=90\nAction=-5\n",
         [](TPreferences& d) { EXPECT_EQ(d.Minutes->text(), "1"); }, 60, -5},
        {"an action outside the list is kept", "[Timeout]\nSeconds=300\nAction=7\n",
         [](TPreferences& d) { EXPECT_EQ(d.Action->currentIndex(), -1); }, 300, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Store(c.stored);
        ASSERT_TRUE(Run([&c](TPreferences& d) {
            c.use(d);
            Click(d.Okbutton);
        }));
        EXPECT_EQ(TimeoutSeconds, c.seconds);
        EXPECT_EQ(TimeoutAction, c.action);
        TimeoutSeconds = TimeoutAction = 12345;
        ReadSettings(settingsFile);
        EXPECT_EQ(TimeoutSeconds, c.seconds);
        EXPECT_EQ(TimeoutAction, c.action);
    }
}

TEST_F(PrefTest, NoTimeoutShowsContinueWithTheOtherControlsDisabled)
{
    Store("");
    Run([](TPreferences& dialog) {
        EXPECT_TRUE(dialog.Continue->isChecked());
        EXPECT_EQ(dialog.Minutes->text(), "1");
        EXPECT_FALSE(dialog.Minutes->isEnabled());
        EXPECT_FALSE(dialog.Action->isEnabled());
        Click(dialog.WaitFor);
        EXPECT_TRUE(dialog.Minutes->isEnabled());
        EXPECT_TRUE(dialog.Action->isEnabled());
        Click(dialog.CancelButton);
    });
}

TEST_F(PrefTest, OkStoresEverySettingAndAppliesHintsAndTrayAtOnce)
{
    Store("[Events]\nType=0\n[Misc]\nHints=1\n");
    SetHintsEnabled(true);
    std::string fileWhenTrayApplied;
    TPreferencesCommand command = Command();
    command.ApplyTray = [&] {
        ++trayApplied;
        fileWhenTrayApplied = FileText();
        EXPECT_TRUE(UseTray);
        EXPECT_TRUE(AnimateTrayIcon);
    };
    test::WhenModalOpens<TPreferences>([](TPreferences& dialog) {
        EXPECT_TRUE(dialog.ShowHints->isChecked());
        EXPECT_TRUE(dialog.AnimateIcon->isVisibleTo(&dialog));
        QTest::keyClick(dialog.EventTypeCombo, Qt::Key_End);
        Click(dialog.ShowHints);
        Click(dialog.MiniMizeToTray);
        Click(dialog.AnimateIcon);
        QTest::keyClick(dialog.Okbutton, Qt::Key_Return);
    });
    ASSERT_TRUE(RunPreferencesDialog(command));
    EXPECT_EQ(trayApplied, 1);
    EXPECT_NE(fileWhenTrayApplied.find("AnimateIcon=1"), std::string::npos);
    EXPECT_FALSE(HintsEnabled());
    UseHints = true;
    DefaultEventType = etShowAndPlay;
    ReadSettings(settingsFile);
    EXPECT_EQ(DefaultEventType, etNothing);
    EXPECT_FALSE(UseHints);
}

TEST_F(PrefTest, CancelAfterChangingEverythingLeavesFileHintsAndTrayAlone)
{
    QTemporaryDir sounds;
    const std::string bell = sounds.filePath("Bell.wav").toStdString();
    std::ofstream(bell) << "RIFF";
    Store("[Tray]\nUse=1\n[Timeout]\nSeconds=600\nAction=-30\n");
    const std::string before = FileText();
    SetHintsEnabled(true);
    const bool ok = Run([&](TPreferences& dialog) {
        dialog.ChooseSoundFile = [&](const TSoundFileRequest&) {
            return bell;
        };
        Click(dialog.SelectWavButton);
        QTest::keyClick(dialog.EventTypeCombo, Qt::Key_Down);
        Click(dialog.Continue);
        Click(dialog.ShowHints);
        Click(dialog.MiniMizeToTray);
        Click(dialog.AnimateIcon);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(FileText(), before);
    EXPECT_EQ(trayApplied, 0);
    EXPECT_TRUE(HintsEnabled());
    EXPECT_TRUE(UseTray);
    EXPECT_EQ(TimeoutSeconds, 600);
    EXPECT_EQ(DefaultWaveFile, "");
    EXPECT_EQ(sound.shutups, 1); // the close stopped any sound
}

TEST_F(PrefTest, WithoutATrayAnimationIsNotOfferedAndItsValueIsKept)
{
    trayAvailable = false;
    Store("[Misc]\nAnimateIcon=1\n");
    ASSERT_TRUE(Run([](TPreferences& dialog) {
        EXPECT_FALSE(dialog.AnimateIcon->isVisibleTo(&dialog));
        Click(dialog.Okbutton);
    }));
    AnimateTrayIcon = false;
    ReadSettings(settingsFile);
    EXPECT_TRUE(AnimateTrayIcon);
}

TEST_F(PrefTest, TheDefaultSoundIsChosenOnlyAsWaveOrMidiAndPlaysWhenItExists)
{
    QTemporaryDir sounds;
    const std::string bell = sounds.filePath("Bell.wav").toStdString();
    std::ofstream(bell) << "RIFF";
    Store("");
    std::vector<TSoundFileRequest> requests;
    ASSERT_TRUE(Run([&](TPreferences& dialog) {
        std::string answer = sounds.filePath("Bell.mp3").toStdString();
        dialog.ChooseSoundFile = [&](const TSoundFileRequest& request) {
            requests.push_back(request);
            return answer;
        };
        Click(dialog.SelectWavButton);
        EXPECT_EQ(dialog.WaveFileEdit->text(), "");
        Click(dialog.PlayNowButton);
        answer = bell;
        Click(dialog.SelectWavButton);
        EXPECT_EQ(dialog.WaveFileEdit->text().toStdString(), bell);
        Click(dialog.PlayNowButton);
        Click(dialog.BitBtn1);
        Click(dialog.Okbutton);
    }));
    EXPECT_EQ(sound.played, std::vector<std::string>{bell});
    EXPECT_EQ(sound.shutups, 2); // Shhhh and the close
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].Folder, ProgramDir());
    EXPECT_EQ(DefaultWaveFile, bell);
    DefaultWaveFile.clear();
    ReadSettings(settingsFile);
    EXPECT_EQ(DefaultWaveFile, bell);
}

TEST_F(PrefTest, HelpOpensThePreferencesTopicOverTheModalDialog)
{
    Store("");
    Run([](TPreferences& dialog) {
        Click(dialog.Helpbutton);
        test::ExpectHelpShows(HelpPreferences);
        Click(dialog.CancelButton);
    });
}

TEST_F(PrefTest, AFailedWriteAppliesNothing)
{
    // A settings file inside a "folder" that is a plain file cannot be written.
    const std::filesystem::path blocker = directory.filePath("blocker").toStdString();
    std::ofstream(blocker) << "";
    settingsFile = blocker / "Nudgeon.INI";
    SetHintsEnabled(true);
    test::WhenModalOpens<TPreferences>([](TPreferences& dialog) {
        Click(dialog.ShowHints);
        Click(dialog.Okbutton);
    });
    EXPECT_ANY_THROW(RunPreferencesDialog(Command()));
    EXPECT_FALSE(UseHints); // copied out before the write
    EXPECT_TRUE(HintsEnabled());
    EXPECT_EQ(trayApplied, 0);
}

TEST_F(PrefTest, ControlsCarryTheirTextsAndTheWindowItsSize)
{
    TPreferences dialog;
    CopySettingsIn(dialog, true);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Preferences");
    EXPECT_EQ(dialog.size(), QSize(512, 400));
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dialog.Continue->text(), "Continue waiting ");
    EXPECT_EQ(dialog.Continue->toolTip(),
              "Select here to have Nudgeon! continue waiting\nindefinately");
    EXPECT_EQ(dialog.Label1->text(),
              "When Nudgeon! shows a reminder,  there may be times when you are not at your "
              "desk and cannot respond by clicking one of the buttons. In this situation, "
              "Nudgeon should:");
    EXPECT_TRUE(dialog.Label7->font().italic());
    EXPECT_EQ(dialog.Label6->toolTip(),
              "Nudgeon will place its icon in the System \nTray when minimized");
    EXPECT_EQ(dialog.Action->count(), 5);
    EXPECT_EQ(dialog.Action->itemText(4), "Click the 60 minutes button");
    EXPECT_EQ(dialog.Okbutton->toolTip(), "Save this time");
    EXPECT_TRUE(dialog.Okbutton->isDefault());
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        SCOPED_TRACE(control->objectName().toStdString());
        if (control->parentWidget() == &dialog) {
            EXPECT_TRUE(dialog.rect().contains(control->geometry()));
        }
    }
    test::SaveScreenshot(dialog, "preferences");
}

} // namespace
} // namespace nudgeon
