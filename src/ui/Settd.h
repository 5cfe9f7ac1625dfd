// TSetTimeDialog: sets a time of day with one click on an hour cell and one on a minute cell.
#pragma once

#include "model/DateTime.h"
#include "ui/ProgramDialog.h"

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace nudgeon {

class TGraphicPanel;

// Use: construct, set TimeValue, exec(); on mrOk read TimeValue (seconds are always zero).
class TSetTimeDialog : public TProgramDialog {
    Q_OBJECT

public:
    explicit TSetTimeDialog(QWidget* parent = nullptr);

    // In: the time to start from (its date part and seconds are ignored).
    // Out: the time the cells show, hh:nn:00.
    TDateTime TimeValue = 0;

    int SelectedHour() const { return selectedHour_; }
    int SelectedMinute() const { return selectedMinute_; }

    // The cell of hour 0..23 (24-hour clock) and of minute 0..59; each carries its number
    // in the property "Tag".
    TGraphicPanel* HourCell(int hour) const;
    TGraphicPanel* MinuteCell(int minute) const;

    QFrame* HourPanel = nullptr;
    QFrame* MinutePanel = nullptr;
    QLabel* Label1 = nullptr; // "AM"
    QLabel* Label2 = nullptr; // "PM"
    QLabel* Label3 = nullptr; // hour title
    QLabel* Label4 = nullptr; // minute title
    QPushButton* Okbutton = nullptr;

    void HourClick(TGraphicPanel* sender);
    void MinuteClick(TGraphicPanel* sender);
    void ShowDateTime();
    void OkbuttonClick();

protected:
    void FormActivate() override;

private:
    void CreateHourPanel();
    void CreateMinutePanel();
    QWidget* CreateButtons();

    std::array<TGraphicPanel*, HoursPerDay> hourCells_{};
    std::array<TGraphicPanel*, 60> minuteCells_{};
    int selectedHour_ = 0;
    int selectedMinute_ = 0;
};

} // namespace nudgeon
