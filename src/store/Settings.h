// The seven program-wide settings and their reading from and writing to the settings file.
#pragma once

#include "model/Reminder.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace nudgeon {

// [Sounds] WaveFile: the sound a new reminder gets when that file exists.
extern std::string DefaultWaveFile;
// [Tray] Use: show the tray icon and minimise into it.
extern bool UseTray;
// [Timeout] Seconds: an unanswered notification answers by itself after this many seconds;
// 0 or less waits indefinitely.
extern std::int32_t TimeoutSeconds;
// [Timeout] Action: the answer given then: 1 done, -N snooze for N minutes.
extern std::int32_t TimeoutAction;
// [Events] Type: the event type a new reminder starts with (the low 8 bits of the value).
extern TEventType DefaultEventType;
// [Misc] Hints: tool tips throughout the program.
extern bool UseHints;
// [Misc] AnimateIcon: the ticking-clock tray icon instead of the still one.
extern bool AnimateTrayIcon;

// Sets all seven from the file; a missing file, key or unreadable value gives the default
// (empty, False, 0, 0, 0, True, False). Never fails.
void ReadSettings(const std::filesystem::path& file);
// Writes all seven, in the order above. Throws EIniFileError ("Unable to write to " and the
// path) at the first key that cannot be written; the keys after it are not written.
void WriteSettings(const std::filesystem::path& file);

// The same on SettingsPath().
void ReadSettings();
void WriteSettings();

} // namespace nudgeon
