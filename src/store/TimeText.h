// Reading a time of day typed by the user, by the one rule every time text follows.
//
// Blanks (spaces) may stand before every element and at the end. Hours (digits, at most four
// taken), then optionally the time separator and minutes, and again the separator and seconds;
// then optionally a designator - the morning one in force, "AM", the afternoon one in force,
// "PM", compared without regard to case - which requires hours 1 to 12 (12 counts as 0, the
// afternoon adds 12). The text must be used up; hours 0-23, minutes and seconds 0-59.
#pragma once

#include "model/DateTime.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace nudgeon {

// A text that does not read as what was asked for.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& message) : std::runtime_error(message) {}
};

// The time as a day fraction, or nothing when the text breaks the rule.
std::optional<TDateTime> TryStrToTime(std::string_view text, const TFormatSettings& settings);
// Throws EConvertError "'<text>' is not a valid time".
TDateTime StrToTime(std::string_view text, const TFormatSettings& settings);
TDateTime StrToTime(std::string_view text);
// Whether the text reads as a time under the formats in force.
bool IsValidTime(std::string_view text);

} // namespace nudgeon
