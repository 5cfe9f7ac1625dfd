#include "ui/Editrep.h"

#include "store/MessageBoxes.h"
#include "ui/DialogControls.h"
#include "ui/EditrepSpinEdit.h"
#include "ui/TimeFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

namespace nudgeon {

void TEditAlarmRepeating::FormActivate()
{
    Setbuttons();
    Descript->setFocus();
    ShowEventTypeAndSoundFile();
    SetEmUp();
    EventTypeComboClick();
}

void TEditAlarmRepeating::SetRecurType()
{
    for (QCheckBox* day : dayBoxes_)
        day->setEnabled(rbDayOfweek->isChecked());
    AllDaysCheck->setEnabled(rbDayOfweek->isChecked());
    DayOfMonthDay->setEnabled(rbDayOfMonth->isChecked());
    DayOfMonthMonth->setEnabled(rbDayOfMonth->isChecked());
    DayOfYearDay->setEnabled(rbDayOfYear->isChecked());
    for (QComboBox* list : {SpecialOccurrance, SpecialDayOfWeek, SpecialMonth})
        list->setEnabled(rbSpecial->isChecked());
    for (QRadioButton* radio : {rbDayOfweek, rbDayOfMonth, rbDayOfYear, rbSpecial})
        SetBold(*radio, radio->isChecked());
}

void TEditAlarmRepeating::AllDaysCheckClick()
{
    for (QCheckBox* day : dayBoxes_)
        day->setChecked(AllDaysCheck->isChecked());
}

void TEditAlarmRepeating::Setbuttons()
{
    RepeatUntilPanel->setVisible(RepeatEveryCheck->isChecked());
    RepeatEverySpinner->setEnabled(RepeatEveryCheck->isChecked());
    UntilTimeEdit->setEnabled(UntilTime->isChecked());
    EndingtimeButton->setEnabled(UntilTime->isChecked());
    // Hidden until the next click on one of the time radios.
    if (!CheckValidTime())
        RepeatUntilPanel->hide();
}

TRecurrenceChoice TEditAlarmRepeating::ReadChoice() const
{
    TRecurrenceChoice choice;
    if (rbDayOfMonth->isChecked())
        choice.Type = TRecurType::rtDayOfMonth;
    else if (rbDayOfYear->isChecked())
        choice.Type = TRecurType::rtDayOfYear;
    else if (rbSpecial->isChecked())
        choice.Type = TRecurType::rtSpecial;
    else
        choice.Type = TRecurType::rtDayOfWeek;
    for (std::size_t day = 0; day < dayBoxes_.size(); ++day)
        choice.Days[day] = dayBoxes_[day]->isChecked();
    choice.DayOfMonthDay = DayOfMonthDay->Value();
    choice.DayOfMonthMonth = DayOfMonthMonth->currentIndex();
    choice.DayOfYearDay = DayOfYearDay->Value();
    choice.SpecialOccurrance = SpecialOccurrance->currentIndex();
    choice.SpecialDayOfWeek = SpecialDayOfWeek->currentIndex();
    choice.SpecialMonth = SpecialMonth->currentIndex();
    return choice;
}

void TEditAlarmRepeating::ShowChoice(const TRecurrenceChoice& choice)
{
    QRadioButton* const radios[] = {rbDayOfweek, rbDayOfMonth, rbDayOfYear, rbSpecial};
    radios[static_cast<int>(choice.Type)]->setChecked(true);
    for (std::size_t day = 0; day < dayBoxes_.size(); ++day)
        dayBoxes_[day]->setChecked(choice.Days[day]);
    DayOfMonthDay->SetValue(choice.DayOfMonthDay);
    DayOfMonthMonth->setCurrentIndex(choice.DayOfMonthMonth);
    DayOfYearDay->SetValue(choice.DayOfYearDay);
    SpecialOccurrance->setCurrentIndex(choice.SpecialOccurrance);
    SpecialDayOfWeek->setCurrentIndex(choice.SpecialDayOfWeek);
    SpecialMonth->setCurrentIndex(choice.SpecialMonth);
}

void TEditAlarmRepeating::SetEmUp()
{
    ShowChoice(ChoiceFromDaysSpec(DaysSpec, ReadChoice()));
}

bool TEditAlarmRepeating::DetermineDaysString()
{
    const TDaysStringResult result = MakeDaysString(ReadChoice());
    if (!result.Valid) {
        ShowInfo(result.Message);
        return false;
    }
    DaysSpec = result.DaysSpec;
    return true;
}

bool TEditAlarmRepeating::CheckValidEndTime()
{
    const TTimeFieldCheck check =
        CheckEndingTime(UntilTimeEdit->text().toStdString(), TimeEdit->text().toStdString());
    UntilTimeEdit->setText(QString::fromStdString(check.Text));
    return check.Valid;
}

void TEditAlarmRepeating::SetAlarmButtonClick()
{
    TakeSoundFile();
    if (!DetermineDaysString() || !CheckValidTime())
        return;
    StartTime = ReadUserTime(TimeEdit->text().toStdString()).value_or(0);
    if (OncePerDayCheck->isChecked()) {
        done(mrOk);
        return;
    }
    if (RepeatEverySpinner->Value() < RepeatEveryMin) {
        ShowInfo(BadIntervalMessage);
        return;
    }
    if (ForRemainderOfDay->isChecked()) {
        done(mrOk);
        return;
    }
    if (!CheckValidEndTime())
        return;
    EndTime = ReadUserTime(UntilTimeEdit->text().toStdString()).value_or(0);
    done(mrOk);
}

void TEditAlarmRepeating::EndingtimeButtonClick()
{
    if (!CheckValidEndTime())
        UntilTimeEdit->setText(QString::fromStdString(UserTimeText(CurrentTime())));
    QuickSetTime(*UntilTimeEdit);
}

} // namespace nudgeon
