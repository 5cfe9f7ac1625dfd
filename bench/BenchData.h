// Reminder lists and data files of realistic size and content for the benchmarks.
#pragma once

#include "model/DateTime.h"
#include "model/Reminder.h"

#include <filesystem>

namespace nudgeon::bench {

// No generated reminder comes due within this many minutes after the moment the lists are made
// for, so that a scan during a benchmark run finds none due.
inline constexpr int QuietMinutes = 30;

struct BenchLists {
    ReminderList oneTime;
    ReminderList repeating;
};

// `count` reminders, half one-time and half repeating, as years of use leave them:
// - one-time reminders from five years before `now` to a year after it, in time order; most of
//   the past ones answered (Done), the rest expired; some due later today;
// - repeating reminders under every kind of days rule, mostly once a day, a quarter of them
//   every 15 minutes to 4 hours, some until an end time;
// - texts of 10 to 90 characters (a few with accented letters), sound files by full path or
//   none, every event type.
// The same count and `now` give the same lists.
BenchLists MakeReminderLists(int count, TDateTime now);

// A sorted one-time list of `count` reminders as above (no repeating ones).
ReminderList MakeOneTimeList(int count, TDateTime now);

// Writes the lists with the program's own SaveToDisk.
void WriteDataFile(const std::filesystem::path& file, const BenchLists& lists);

// A fresh folder under the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace nudgeon::bench
