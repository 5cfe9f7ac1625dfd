// Stand-ins for the notification, the sound, the data file and the main window, recording
// what the tick engine asks of them in one shared log.
#pragma once

#include "controls/ReminderGridRows.h"
#include "model/Reminder.h"
#include "schedule/TickEngine.h"
#include "schedule/TickServices.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace nudgeon::test {

using EventLog = std::vector<std::string>;

class FakeNotifier : public Notifier {
public:
    explicit FakeNotifier(EventLog& log) : log_(log) {}

    // Decides the answer; OK unless a test says otherwise.
    std::function<int(const std::string& message, bool deleteOffered)> Answer =
        [](const std::string&, bool) {
            return AnswerDone;
        };

    int Notify(const std::string& message, bool deleteOffered) override
    {
        log_.push_back("window " + message + (deleteOffered ? " +delete" : ""));
        return Answer(message, deleteOffered);
    }

private:
    EventLog& log_;
};

class FakeSound : public SoundPlayer {
public:
    explicit FakeSound(EventLog& log) : log_(log) {}
    void PlaySoundNow(const std::string& path) override { log_.push_back("sound " + path); }

private:
    EventLog& log_;
};

// The data file as two lists of copies. A load gives the copies their status for today, as
// the real load does.
class FakeStorage : public ReminderStorage {
public:
    explicit FakeStorage(EventLog& log) : log_(log) {}

    ReminderList OneTimeFile;
    ReminderList RepeatingFile;
    bool FailSaves = false;
    // The load fails after this many one-time reminders; negative: never.
    int FailLoadAfter = -1;
    int Loads = 0;
    int Saves = 0;
    // Called at each successful save, after the file has been written.
    std::function<void()> OnSaved;

    void LoadFromDisk(ReminderList& oneTime, ReminderList& repeating) override
    {
        log_.push_back("load");
        ++Loads;
        for (const auto& stored : OneTimeFile) {
            if (FailLoadAfter >= 0 && static_cast<int>(oneTime.size()) == FailLoadAfter)
                throw std::runtime_error("Stream read error");
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
        log_.push_back("save");
        if (FailSaves)
            throw std::runtime_error("Cannot create file /home/user/Nudgeon.dat");
        ++Saves;
        OneTimeFile = Copy(oneTime);
        RepeatingFile = Copy(repeating);
        if (OnSaved)
            OnSaved();
    }

    static ReminderList Copy(const ReminderList& list)
    {
        ReminderList copy;
        for (const auto& reminder : list)
            copy.push_back(reminder->Clone());
        return copy;
    }

private:
    EventLog& log_;
};

class FakeTickWindow : public TickWindow {
public:
    explicit FakeTickWindow(EventLog& log) : log_(log) {}

    std::vector<std::string> ClockTexts;
    std::vector<std::string> Errors;
    bool TimerEnabled = false;

    void ShowTime(const std::string& text) override { ClockTexts.push_back(text); }
    void ProcessMessages() override {}
    void RepaintList(ReminderListId list) override
    {
        log_.push_back(list == ReminderListId::OneTime ? "repaint one-time" : "repaint repeating");
    }
    void EnableTimer(bool enabled) override
    {
        TimerEnabled = enabled;
        log_.push_back(enabled ? "timer on" : "timer off");
    }
    void ShowError(const std::string& message) override
    {
        Errors.push_back(message);
        log_.push_back("error " + message);
    }

private:
    EventLog& log_;
};

// An engine over two lists and the fakes above.
struct TickHarness {
    EventLog Log;
    FakeNotifier Notification{Log};
    FakeSound Sound{Log};
    FakeStorage Storage{Log};
    FakeTickWindow Window{Log};
    ReminderGridRows AlarmGrid;
    ReminderGridRows RepeatingAlarmGrid;
    TickEngine Engine{{AlarmGrid, RepeatingAlarmGrid, Notification, Sound, Storage, Window}};
};

} // namespace nudgeon::test
