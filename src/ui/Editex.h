// TEditAlarmExact: the dialog in which the user writes or changes a one-time reminder.
#pragma once

#include "model/DateTime.h"
#include "ui/ReminderEditor.h"

class QCalendarWidget;
class QLabel;
class QPushButton;
class QToolButton;

namespace nudgeon {

// Use: construct (the parent is the main window), set SoundFile, EventType, the texts of
// Descript and TimeEdit (the time in the user's short time format) and the calendar's date,
// exec(); on mrOk (1) read Descript, AlarmTime, SoundFile and EventType. Any other result
// means cancelled. SoundFile follows every change of WaveFileEdit.
class TEditAlarmExact : public TReminderEditor {
    Q_OBJECT

public:
    explicit TEditAlarmExact(QWidget* parent = nullptr, SoundPreview sound = {});

    // The calendar's date plus the typed time, set by a successful Save.
    TDateTime AlarmTime = 0;

    // The calendar's date as a whole day number.
    TDateTime CalendarDate() const;
    // False, leaving the calendar as it was, for a value the calendar cannot show.
    bool SetCalendarDate(TDateTime date);

    QToolButton* PrevYear = nullptr;
    QToolButton* PrevMonth = nullptr;
    QPushButton* CurrentDate = nullptr;
    QToolButton* NextMonth = nullptr;
    QToolButton* NextYear = nullptr;
    QLabel* DateLabel = nullptr;
    QCalendarWidget* Calendar = nullptr;

    void CalendarChange();
    void PrevYearClick();
    void PrevMonthClick();
    void NextMonthClick();
    void NextYearClick();
    void CurrentDateClick();
    void SetAlarmButtonClick() override;
    void WaveFileEditChange();

protected:
    void FormActivate() override;

private:
    QWidget* CreateDateTimeGroup();
    QWidget* CreateDateColumn(QWidget* parent);
    QWidget* CreateTimeColumn(QWidget* parent);
    QWidget* CreateSoundGroup();
    void ConnectControls();
    void SetTabOrder();
    void StepCalendar(DateParts (*step)(DateParts, int), int count);
};

} // namespace nudgeon
