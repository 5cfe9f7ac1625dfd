// TEditAlarmRepeating: the dialog in which the user writes or changes a repeating reminder.
#pragma once

#include "model/DateTime.h"
#include "model/Reminder.h"
#include "ui/EditexSound.h"
#include "ui/EditrepRules.h"
#include "ui/EditrepSoundDialog.h"

#include <QDialog>
#include <array>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QShowEvent;
class QToolButton;

namespace nudgeon {

class TSpinEdit;

// Use: construct (the parent is the main window), set SoundFile, EventType and DaysSpec, the
// texts of Descript, TimeEdit and UntilTimeEdit (times in the user's short time format) and,
// for an existing reminder, the radio buttons and RepeatEverySpinner; exec(). On mrOk (1) read
// Descript, the interval (0 when OncePerDayCheck is chosen, else RepeatEverySpinner's value),
// StartTime, whether UntilTime is chosen, EndTime, DaysSpec, SoundFile and EventType. Any other
// result means cancelled.
class TEditAlarmRepeating : public QDialog {
    Q_OBJECT

public:
    explicit TEditAlarmRepeating(QWidget* parent = nullptr, SoundPreview sound = {});

    // The sound file's path; Save takes the field's text and drops a file that does not exist.
    std::string SoundFile;
    // The position in EventTypeCombo, kept equal to its selection once the dialog is shown.
    TEventType EventType = etShowAndPlay;
    // The starting time of day, set by a successful Save.
    TDateTime StartTime = 0;
    // The ending time of day, set by a successful Save with "Repeat Every" and "Until"; else 0.
    TDateTime EndTime = 0;
    // The days rule: sets the rule controls when the dialog opens, rebuilt from them by Save.
    std::string DaysSpec;

    // The file dialog of "&Choose"; replaceable so that tests need no one at the screen.
    SoundFileChooser ChooseSoundFile;

    QLabel* Label5 = nullptr;
    QLineEdit* Descript = nullptr;

    QRadioButton* rbDayOfweek = nullptr;
    QCheckBox* Monday = nullptr;
    QCheckBox* Tuesday = nullptr;
    QCheckBox* Wednesday = nullptr;
    QCheckBox* Thursday = nullptr;
    QCheckBox* Friday = nullptr;
    QCheckBox* Saturday = nullptr;
    QCheckBox* Sunday = nullptr;
    QCheckBox* AllDaysCheck = nullptr;
    QRadioButton* rbDayOfMonth = nullptr;
    TSpinEdit* DayOfMonthDay = nullptr;
    QComboBox* DayOfMonthMonth = nullptr;
    QRadioButton* rbDayOfYear = nullptr;
    TSpinEdit* DayOfYearDay = nullptr;
    QRadioButton* rbSpecial = nullptr;
    QComboBox* SpecialOccurrance = nullptr;
    QComboBox* SpecialDayOfWeek = nullptr;
    QComboBox* SpecialMonth = nullptr;

    QLabel* TimeCaption = nullptr;
    QLineEdit* TimeEdit = nullptr;
    QToolButton* ExplorerButton1 = nullptr;
    QRadioButton* OncePerDayCheck = nullptr;
    QRadioButton* RepeatEveryCheck = nullptr;
    TSpinEdit* RepeatEverySpinner = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* RepeatUntilPanel = nullptr;
    QRadioButton* ForRemainderOfDay = nullptr;
    QRadioButton* UntilTime = nullptr;
    QLineEdit* UntilTimeEdit = nullptr;
    QToolButton* EndingtimeButton = nullptr;

    QLabel* Label3 = nullptr;
    QComboBox* EventTypeCombo = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* WaveFileEdit = nullptr;
    QPushButton* SelectWavButton = nullptr;
    QPushButton* PlayNowButton = nullptr;
    QPushButton* BitBtn1 = nullptr;

    QPushButton* SetAlarmButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* Helpbutton = nullptr;

    // The day boxes by weekday, 0 Sunday to 6 Saturday.
    const std::array<QCheckBox*, 7>& DayBoxes() const { return dayBoxes_; }

    // Enables the controls of the chosen rule type and shows its caption in bold.
    void SetRecurType();
    void AllDaysCheckClick();
    // Shows the ending-time panel and enables its controls as the time radios say.
    void Setbuttons();
    // Sets the rule controls from DaysSpec.
    void SetEmUp();
    // Builds DaysSpec from the rule controls; false, after telling the user, when they are
    // not a valid rule.
    bool DetermineDaysString();
    bool CheckValidTime();
    bool CheckValidEndTime();
    void SetAlarmButtonClick();
    void CancelButtonClick();
    void EventTypeComboClick();
    void SelectWavButtonClick();
    void PlayNowButtonClick();
    void BitBtn1Click();
    void ExplorerButton1Click();
    void EndingtimeButtonClick();
    void HelpbuttonClick();

    // Every way of closing stops a sound that is playing.
    void done(int result) override;
    // Esc and the close box give mrCancel rather than QDialog's 0.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* CreateMessageGroup();
    QWidget* CreateRuleGroups();
    QFrame* CreateDayOfWeekGroup();
    QFrame* CreateSpecialGroup();
    QFrame* CreateDayOfMonthGroup();
    QFrame* CreateDayOfYearGroup();
    QWidget* CreateTimeGroup();
    QWidget* CreateRepeatUntilPanel(QWidget* parent);
    QWidget* CreateSoundGroup();
    QWidget* CreateButtons();
    void ConnectControls();
    void FormActivate();
    TRecurrenceChoice ReadChoice() const;
    void ShowChoice(const TRecurrenceChoice& choice);
    // Opens the quick time-set dialog on a field's time and writes back the chosen one.
    void QuickSetTime(QLineEdit& field);
    static void SetBold(QWidget& widget, bool bold);

    SoundPreview sound_;
    std::array<QCheckBox*, 7> dayBoxes_{};
    QButtonGroup* recurTypeGroup_ = nullptr;
    bool activated_ = false;
};

} // namespace nudgeon
