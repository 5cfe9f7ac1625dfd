// Reading and showing the reminder editors' times in the user's own formats, and the checks
// of their starting and ending times.
#pragma once

#include "model/DateTime.h"

#include <optional>
#include <string>
#include <string_view>

namespace nudgeon {

// Puts the user's date and time formats in force for its lifetime and the program's fixed
// ones back afterwards, also when an error leaves the scope.
class TUserFormatsScope {
public:
    TUserFormatsScope();
    ~TUserFormatsScope();
    TUserFormatsScope(const TUserFormatsScope&) = delete;
    TUserFormatsScope& operator=(const TUserFormatsScope&) = delete;
};

// The time of day in the user's short time format.
std::string UserTimeText(TDateTime time);
// The text, upper-cased, read as a time by the user's formats; nothing when it does not read.
std::optional<TDateTime> ReadUserTime(std::string_view text);

// The prefixes of the messages about an unreadable time; the current time follows them.
inline constexpr std::string_view BadTimeMessage =
    "Invalid time. Please use your Windows Time format\n   Example: ";
inline constexpr std::string_view BadEndingTimeMessage =
    "Invalid ENDING time. Please use your Windows Time format\n   Example: ";
inline constexpr std::string_view EndingNotLaterMessage =
    "Invalid ENDING time. Must be greater than starting time";

// The verdict on a time field and the text the field shows afterwards.
struct TTimeFieldCheck {
    bool Valid = false;
    std::string Text;
};

// The starting time: a readable text is rewritten in the short time format; otherwise the
// time message is shown and the field gets the current time.
TTimeFieldCheck CheckStartingTime(std::string_view text);

// The ending time against the starting time of the same day. An unreadable ending time, or
// one not later than the start, is reported and replaced by the start plus 60 minutes. When
// the starting text itself does not read, the ending time is only checked for being readable
// and the current time stands in for the start.
TTimeFieldCheck CheckEndingTime(std::string_view endText, std::string_view startText);

} // namespace nudgeon
