// Quiet stand-ins for the notification, the sound, the data file and the main window, so that
// a benchmark of the tick measures the tick and not the bookkeeping of a test's fakes.
#pragma once

#include "model/Reminder.h"
#include "schedule/TickServices.h"

#include <string>

namespace nudgeon::bench {

// Answers every notification with Ok, except every `snoozeEvery`-th with a ten-minute snooze.
class CountingNotifier : public Notifier {
public:
    int SnoozeEvery = 0;
    long Shown = 0;

    int Notify(const std::string&, bool) override
    {
        ++Shown;
        return SnoozeEvery > 0 && Shown % SnoozeEvery == 0 ? -10 : AnswerDone;
    }
};

class CountingSound : public SoundPlayer {
public:
    long Started = 0;
    void PlaySoundNow(const std::string&) override { ++Started; }
};

// The data file as two lists of copies, loaded and saved as the program's data file is:
// a load works out statuses and next firings for today.
class MemoryStorage : public ReminderStorage {
public:
    ReminderList OneTimeFile;
    ReminderList RepeatingFile;
    long Saves = 0;

    void LoadFromDisk(ReminderList& oneTime, ReminderList& repeating) override
    {
        for (const auto& stored : OneTimeFile) {
            oneTime.push_back(stored->Clone());
            oneTime.back()->UpdateStatus();
        }
        for (const auto& stored : RepeatingFile) {
            repeating.push_back(stored->Clone());
            repeating.back()->AlarmTime = 0;
            repeating.back()->UpdateNextOccurrence();
        }
    }

    void SaveToDisk(const ReminderList& oneTime, const ReminderList& repeating) override
    {
        ++Saves;
        OneTimeFile = Copy(oneTime);
        RepeatingFile = Copy(repeating);
    }

    static ReminderList Copy(const ReminderList& list)
    {
        ReminderList copy;
        copy.reserve(list.size());
        for (const auto& reminder : list)
            copy.push_back(reminder->Clone());
        return copy;
    }
};

class QuietTickWindow : public TickWindow {
public:
    long Repaints = 0;
    std::string Clock;

    void ShowTime(const std::string& text) override { Clock = text; }
    void ProcessMessages() override {}
    void RepaintList(ReminderListId) override { ++Repaints; }
    void EnableTimer(bool) override {}
    void ShowError(const std::string&) override {}
};

} // namespace nudgeon::bench
