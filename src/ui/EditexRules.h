// The one-time reminder editor's rules that need no window: calendar steps, sound file names.
#pragma once

#include "model/DateTime.h"

#include <string>
#include <string_view>

namespace nudgeon {

// The same day a number of months away, or the target month's last day when it is shorter
// (31 January one month on gives the last day of February). A step that would leave years
// 1 to 9999 keeps the date.
DateParts StepMonths(DateParts date, int months);
// The same month and day a number of years away, except that 29 February first becomes
// 28 February. A step that would leave years 1 to 9999 keeps the date.
DateParts StepYears(DateParts date, int years);

// Whether a chosen file is taken as a sound file: ".WAV" or ".MID" anywhere in its name,
// whatever the letter case.
bool IsSoundFileName(std::string_view path);
// Everything up to and including the last folder separator ('/' or '\'); empty when the
// path has none.
std::string FolderOf(std::string_view path);

// The message shown for a time that cannot be read, with an example in the user's format.
std::string InvalidTimeMessage(std::string_view example);

} // namespace nudgeon
