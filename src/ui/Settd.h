// TSetTimeDialog: sets a time of day with one click on an hour cell and one on a minute cell.
#pragma once

#include "model/DateTime.h"

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QShowEvent;

namespace nudgeon {

class TGraphicPanel;

// The modal results of the program's dialogs.
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

// Use: construct, set TimeValue, exec(); on mrOk read TimeValue (seconds are always zero).
class TSetTimeDialog : public QDialog {
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
    QPushButton* CancelButton = nullptr;
    QPushButton* Helpbutton = nullptr;

    void HourClick(TGraphicPanel* sender);
    void MinuteClick(TGraphicPanel* sender);
    void ShowDateTime();

    // Esc and Cancel give mrCancel rather than QDialog's 0.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateHourPanel();
    void CreateMinutePanel();
    QWidget* CreateButtons();
    void FormActivate();

    std::array<TGraphicPanel*, HoursPerDay> hourCells_{};
    std::array<TGraphicPanel*, 60> minuteCells_{};
    int selectedHour_ = 0;
    int selectedMinute_ = 0;
    bool activated_ = false;
};

} // namespace nudgeon
