// The one-second tick: the clock display, the reload at a change of date, and the scans that
// fire due reminders and apply the answers.
#pragma once

#include "controls/ReminderGridRows.h"
#include "controls/ReminderListId.h"
#include "model/DateTime.h"
#include "schedule/AdjustTimeMenu.h"
#include "schedule/TickServices.h"

#include <cstdint>

namespace nudgeon {

// The two lists the tick works on and the services it calls; all outlive the engine.
struct TickEngineParts {
    ReminderGridRows& AlarmGrid;
    ReminderGridRows& RepeatingAlarmGrid;
    Notifier& Notification;
    SoundPlayer& Sound;
    ReminderStorage& Storage;
    TickWindow& Window;
};

class TickEngine {
public:
    // The lists are scanned on every fifth tick that does not reload them.
    static constexpr std::int32_t TicksPerScan = 5;

    explicit TickEngine(const TickEngineParts& parts);

    // The handler of the one-second timer. The timer is stopped while the tick works, so the
    // next tick comes a second after this one ends, however long a notification waits.
    void Timer1Timer();

    // Fire each due reminder of the one-time list, then of the repeating list, in row order:
    // sound first, then the notification; its answer is applied before the next row.
    // A scan that applied an answer writes the data file at once.
    void CheckNormalAlarms();
    void CheckRepeatAlarms();

    // Empties both lists and reads them from the data file for today; errors of the load are
    // ignored, keeping what was read. Also the load at start-up.
    void Reload();

    // The snooze answer: the reminder fires again `minutes` after now; the list is repainted.
    void AdjustForSnooze(int row, std::int32_t minutes);
    void AdjustRepeatForSnooze(int row, std::int32_t minutes);

    // The adjust-time menu: shifts the current one-time reminder by the item's minutes and
    // writes the data file at once. Does nothing when the current row holds no reminder.
    void AdjustTime(const AdjustMenuItem& item);

    // Ticks counted since the last scan.
    std::int32_t TickCounter() const { return tickCounter_; }
    // The date of the last load of the lists.
    TDateTime LastDate() const { return lastDate_; }

private:
    void RunTick();
    void ScanList(ReminderListId list);
    int Fire(const TReminder& reminder, bool deleteOffered);
    bool ApplyAnswer(ReminderListId list, int row, TReminder& reminder, int answer);
    void RemoveMarkedRows(ReminderListId list);
    ReminderGridRows& Grid(ReminderListId list);
    void Save();

    TickEngineParts parts_;
    std::int32_t tickCounter_ = 0;
    TDateTime lastDate_ = 0;
    // A save that failed is tried again at the next scan; its error is shown once only.
    bool savePending_ = false;
    bool saveErrorShown_ = false;
};

} // namespace nudgeon
