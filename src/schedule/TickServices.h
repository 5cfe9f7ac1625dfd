// What the tick engine needs from the rest of the program: the notification, the sound, the
// data file and the main window. The main window supplies them; tests supply fakes.
#pragma once

#include "controls/ReminderListId.h"
#include "model/Reminder.h"

#include <string>

namespace nudgeon {

// Answers of the notification: 1 done, 2 delete, -N snooze for N minutes; 0 means no
// notification was shown.
inline constexpr int AnswerNone = 0;
inline constexpr int AnswerDone = 1;
inline constexpr int AnswerDelete = 2;

// The notification window of a due reminder.
class Notifier {
public:
    virtual ~Notifier() = default;
    // Shows the message and waits for the user's (or the time-out's) answer.
    virtual int Notify(const std::string& message, bool deleteOffered) = 0;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts playing the file when it exists and returns at once; otherwise does nothing.
    virtual void PlaySoundNow(const std::string& path) = 0;
};

// The data file holding both lists.
class ReminderStorage {
public:
    virtual ~ReminderStorage() = default;
    // Appends the stored reminders to the two empty lists, each one-time reminder with its
    // status and each repeating one with its next firing worked out for today. On an error
    // the reminders read so far stay in the lists, and the error is raised.
    virtual void LoadFromDisk(ReminderList& oneTime, ReminderList& repeating) = 0;
    // Replaces the file's contents by the two lists; raises an error carrying the message
    // to show when the file cannot be written.
    virtual void SaveToDisk(const ReminderList& oneTime, const ReminderList& repeating) = 0;
};

// The main window's side of the tick.
class TickWindow {
public:
    virtual ~TickWindow() = default;
    // The clock display.
    virtual void ShowTime(const std::string& text) = 0;
    virtual void ProcessMessages() = 0;
    // Repaints the list at once.
    virtual void RepaintList(ReminderListId list) = 0;
    // Starts or stops the one-second tick.
    virtual void EnableTimer(bool enabled) = 0;
    // The standard error box.
    virtual void ShowError(const std::string& message) = 0;
};

} // namespace nudgeon
