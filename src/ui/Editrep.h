// TEditAlarmRepeating: the dialog in which the user writes or changes a repeating reminder.
#pragma once

#include "model/DateTime.h"
#include "ui/EditrepRules.h"
#include "ui/ReminderEditor.h"

#include <array>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace nudgeon {

class TSpinEdit;

// Use: construct (the parent is the main window), set SoundFile, EventType and DaysSpec, the
// texts of Descript, TimeEdit and UntilTimeEdit (times in the user's short time format) and,
// for an existing reminder, the radio buttons and RepeatEverySpinner; exec(). On mrOk (1) read
// Descript, the interval (0 when OncePerDayCheck is chosen, else RepeatEverySpinner's value),
// StartTime, whether UntilTime is chosen, EndTime, DaysSpec, SoundFile and EventType. Any other
// result means cancelled.
class TEditAlarmRepeating : public TReminderEditor {
    Q_OBJECT

public:
    explicit TEditAlarmRepeating(QWidget* parent = nullptr, SoundPreview sound = {});

    // The starting time of day, set by a successful Save.
    TDateTime StartTime = 0;
    // The ending time of day, set by a successful Save with "Repeat Every" and "Until"; else 0.
    TDateTime EndTime = 0;
    // The days rule: sets the rule controls when the dialog opens, rebuilt from them by Save.
    std::string DaysSpec;

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

    QRadioButton* OncePerDayCheck = nullptr;
    QRadioButton* RepeatEveryCheck = nullptr;
    TSpinEdit* RepeatEverySpinner = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* RepeatUntilPanel = nullptr;
    QRadioButton* ForRemainderOfDay = nullptr;
    QRadioButton* UntilTime = nullptr;
    QLineEdit* UntilTimeEdit = nullptr;
    QToolButton* EndingtimeButton = nullptr;

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
    bool CheckValidEndTime();
    void SetAlarmButtonClick() override;
    void EndingtimeButtonClick();

protected:
    void FormActivate() override;

private:
    QWidget* CreateRuleGroups();
    QFrame* CreateDayOfWeekGroup();
    QFrame* CreateSpecialGroup();
    QFrame* CreateDayOfMonthGroup();
    QFrame* CreateDayOfYearGroup();
    QWidget* CreateTimeGroup();
    QWidget* CreateRepeatUntilPanel(QWidget* parent);
    QWidget* CreateSoundGroup();
    void ConnectControls();
    TRecurrenceChoice ReadChoice() const;
    void ShowChoice(const TRecurrenceChoice& choice);

    std::array<QCheckBox*, 7> dayBoxes_{};
    QButtonGroup* recurTypeGroup_ = nullptr;
};

} // namespace nudgeon
