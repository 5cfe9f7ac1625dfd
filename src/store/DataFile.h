// SaveToDisk and LoadFromDisk: both reminder lists in the data file "Nudgeon.dat".
//
// The file is a value stream: a header list (666 and 2.0), then the one-time list and the
// repeating list, each a list of reminder records in list order.
#pragma once

#include "model/DateTime.h"
#include "model/Reminder.h"

#include <chrono>
#include <filesystem>

namespace nudgeon {

inline constexpr int DataFileSignature = 666;
inline constexpr double DataFileVersion = 2.0;

// Writes both lists, passing over empty slots. The data goes to a new file beside the old one
// that replaces it only when complete and on the disk, so that any failure - EFCreateError
// ("Cannot create file " and the path) or EWriteError ("Stream write error") - leaves the old
// file byte for byte as it was.
void SaveToDisk(const std::filesystem::path& file, const ReminderList& oneTime,
                const ReminderList& repeating);

// Sets lastDate to Today() before anything else, empties both lists and fills them from the
// file: one-time reminders get their status worked out (UpdateStatus), repeating reminders
// their next firing from an AlarmTime of 0 (UpdateNextOccurrence).
// - No file: the lists stay empty and nothing is thrown.
// - A wrong or missing value inside a record ends that record quietly; the reminder keeps the
//   values read so far and reading goes on with the next value.
// - A bad header or list marker, or the end of the data at one, throws EPropertyError or
//   EReadError; a file that cannot be opened throws EFOpenError. The reminders read so far
//   stay in the lists.
// Whenever the file did not read cleanly it is first copied aside (KeepDamagedCopy), since the
// next save would replace it with what could be read.
void LoadFromDisk(const std::filesystem::path& file, ReminderList& oneTime, ReminderList& repeating,
                  TDateTime& lastDate);

// A save that was cut off (the program killed, the power gone) leaves its unfinished new file
// "<file>.new-..." behind. Each successful save removes those older than AbandonedSaveAge:
// no save takes that long, so none of them can still be in progress.
inline constexpr std::chrono::minutes AbandonedSaveAge{10};
void RemoveAbandonedSaves(const std::filesystem::path& file);

// The same on DataFilePath().
void SaveToDisk(const ReminderList& oneTime, const ReminderList& repeating);
void LoadFromDisk(ReminderList& oneTime, ReminderList& repeating, TDateTime& lastDate);

// Copies the file to "<file>.damaged", or "<file>.damaged.2", ".3" ... when that is taken by
// another file; a copy with the same contents is not made twice. Returns the copy's path, or
// an empty path when no copy could be made.
std::filesystem::path KeepDamagedCopy(const std::filesystem::path& file);

} // namespace nudgeon
