// TEditAlarmExact: the dialog in which the user writes or changes a one-time reminder.
#pragma once

#include "model/DateTime.h"
#include "model/Reminder.h"
#include "ui/EditexSound.h"

#include <QDialog>
#include <string>

class QCalendarWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;
class QToolButton;

namespace nudgeon {

// Use: construct (the parent is the main window), set SoundFile, EventType, the texts of
// Descript and TimeEdit (the time in the user's short time format) and the calendar's date,
// exec(); on mrOk (1) read Descript, AlarmTime, SoundFile and EventType. Any other result
// means cancelled.
class TEditAlarmExact : public QDialog {
    Q_OBJECT

public:
    explicit TEditAlarmExact(QWidget* parent = nullptr, SoundPreview sound = {});

    // The sound file's path; follows every change of WaveFileEdit. Save drops a file that
    // does not exist.
    std::string SoundFile;
    // The position in EventTypeCombo, kept equal to its selection once the dialog is shown.
    TEventType EventType = etShowAndPlay;
    // The calendar's date plus the typed time, set by a successful Save.
    TDateTime AlarmTime = 0;

    // The calendar's date as a whole day number.
    TDateTime CalendarDate() const;
    // False, leaving the calendar as it was, for a value the calendar cannot show.
    bool SetCalendarDate(TDateTime date);

    QLabel* Label5 = nullptr;
    QLineEdit* Descript = nullptr;
    QToolButton* PrevYear = nullptr;
    QToolButton* PrevMonth = nullptr;
    QPushButton* CurrentDate = nullptr;
    QToolButton* NextMonth = nullptr;
    QToolButton* NextYear = nullptr;
    QLabel* DateLabel = nullptr;
    QCalendarWidget* Calendar = nullptr;
    QLabel* TimeCaption = nullptr;
    QLineEdit* TimeEdit = nullptr;
    QToolButton* ExplorerButton1 = nullptr;
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

    void CalendarChange();
    void PrevYearClick();
    void PrevMonthClick();
    void NextMonthClick();
    void NextYearClick();
    void CurrentDateClick();
    // Rewrites a readable TimeEdit in the user's short time format; otherwise tells the user.
    bool CheckValidTime();
    void SetAlarmButtonClick();
    void CancelButtonClick();
    void EventTypeComboClick();
    void WaveFileEditChange();
    void SelectWavButtonClick();
    void PlayNowButtonClick();
    void BitBtn1Click();
    void ExplorerButton1Click();
    void HelpbuttonClick();

    // Every way of closing stops a sound that is playing.
    void done(int result) override;
    // Esc and the close box give mrCancel rather than QDialog's 0.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* CreateMessageGroup();
    QWidget* CreateDateTimeGroup();
    QWidget* CreateDateColumn(QWidget* parent);
    QWidget* CreateTimeColumn(QWidget* parent);
    QWidget* CreateSoundGroup();
    QWidget* CreateButtons();
    void ConnectControls();
    void SetTabOrder();
    void FormActivate();
    void StepCalendar(DateParts (*step)(DateParts, int), int count);
    void ShowCurrentTime();
    // The time in TimeEdit, read with the user's formats.
    TDateTime TypedTime() const;

    SoundPreview sound_;
    bool activated_ = false;
};

} // namespace nudgeon
