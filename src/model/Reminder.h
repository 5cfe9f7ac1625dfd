// TReminder: one reminder, one-time or repeating, with its status rules and display texts.
#pragma once

#include "model/DateTime.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace nudgeon {

class TValueWriter;
class TValueReader;

// The enumerations are stored as single bytes; a damaged data file may hold any byte value,
// so each keeps the full range of its underlying type.
enum TReminderKind : std::uint8_t { rkOneTime = 0, rkRepeating = 1 };

// Order of the event-type list "Show message and play sound", "Only show message",
// "Only play sound", "Do Nothing" in every dialog.
enum TEventType : std::uint8_t { etShowAndPlay = 0, etShowOnly = 1, etPlayOnly = 2, etNothing = 3 };

// rsRemove marks a row for removal during one scan of the due reminders only.
enum TReminderStatus : std::uint8_t {
    rsPending = 0,
    rsDone = 1,
    rsExpired = 2,
    rsNotToday = 3,
    rsRemove = 4
};

// Adds m minutes of 0.000694445 day each to t; 0 when the sum is negative or not a number.
// The minute is slightly longer than 1/1440 day, and stored reminders rely on the excess.
TDateTime AddMinutes(std::int32_t m, TDateTime t);

// The end of the day for a repeating reminder without an end time: 23:59.
inline constexpr TDateTime EndOfDaySlot = 1439.0 / 1440.0;

// "n min", "Hour", "n hrs" or "h hrs m mins".
std::string IntervalText(std::int32_t minutes);

class TReminder {
public:
    TReminderKind Kind = rkOneTime;
    TEventType EventType = etShowAndPlay;
    // One-time: the due date and time. Repeating: the next firing, or 0 when none is set.
    TDateTime AlarmTime = 0;
    // Repeating: time of day of the first firing of the day (a day fraction).
    TDateTime StartTime = 0;
    // Repeating with an interval: firings stop at EndTime.
    bool HasUntil = false;
    TDateTime EndTime = 0;
    std::string Description;
    std::string SoundFile;
    std::string DaysSpec;
    // Repeating: minutes between firings; 0 fires once per day at StartTime.
    std::int32_t RepeatEvery = 0;
    TReminderStatus Status = rsPending;
    // Never interpreted; kept so that it survives a load, a save and a clone.
    bool ReservedFlag = false;

    // A cleared reminder: every number 0, every flag false, every text empty.
    static std::unique_ptr<TReminder> Create();
    static std::unique_ptr<TReminder> CreateOneTime(TReminderKind kind, TDateTime alarmTime,
                                                    std::string description, std::string soundFile,
                                                    TEventType eventType);
    // AlarmTime stays 0 and Status rsPending until UpdateNextOccurrence runs.
    static std::unique_ptr<TReminder>
    CreateRepeating(TReminderKind kind, TDateTime startTime, bool hasUntil, TDateTime endTime,
                    std::string daysSpec, std::int32_t repeatEvery, std::string description,
                    std::string soundFile, TEventType eventType);
    std::unique_ptr<TReminder> Clone() const;

    TDateTime AlarmDate() const;
    TDateTime AlarmTimeOfDay() const;

    // One-time reminder: Status from AlarmTime and the clock, with ten minutes of grace.
    void UpdateStatus();
    // Repeating reminder: the next firing today (AlarmTime) and Status, from the days rule,
    // StartTime, RepeatEvery and the end of the firings.
    void UpdateNextOccurrence();

    // The data file's twelve values of a reminder.
    void SaveTo(TValueWriter& writer) const;
    void LoadFrom(TValueReader& reader);

    std::string WhenText() const;
    std::string FirstTimeText() const;
    std::string RepeatEveryText() const;
    std::string DaysText() const;
    std::string StatusText() const;
};

// A list of reminders in list order; each element owns its reminder.
using ReminderList = std::vector<std::unique_ptr<TReminder>>;

} // namespace nudgeon
