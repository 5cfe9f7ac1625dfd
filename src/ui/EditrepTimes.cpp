#include "ui/EditrepTimes.h"

#include "model/Reminder.h"
#include "store/Formats.h"
#include "store/MessageBoxes.h"
#include "store/TimeText.h"

#include <algorithm>

namespace nudgeon {
namespace {

std::string AsciiUpper(std::string_view text)
{
    std::string upper(text);
    std::ranges::transform(upper, upper.begin(), [](char ch) {
        return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
    });
    return upper;
}

// Formats and reads with whatever formats are in force.
std::string TimeTextInForce(TDateTime time)
{
    return FormatDateTime("t", time);
}

std::optional<TDateTime> ReadTimeInForce(std::string_view text)
{
    return TryStrToTime(AsciiUpper(text), FormatsInForce());
}

std::string MessageWithExample(std::string_view prefix)
{
    return std::string(prefix) + TimeTextInForce(CurrentTime());
}

} // namespace

TUserFormatsScope::TUserFormatsScope()
{
    UseSystemFormats();
}

TUserFormatsScope::~TUserFormatsScope()
{
    UseProgramFormats();
}

std::string UserTimeText(TDateTime time)
{
    const TUserFormatsScope userFormats;
    return TimeTextInForce(time);
}

std::optional<TDateTime> ReadUserTime(std::string_view text)
{
    const TUserFormatsScope userFormats;
    return ReadTimeInForce(text);
}

TTimeFieldCheck CheckStartingTime(std::string_view text)
{
    const TUserFormatsScope userFormats;
    if (const auto time = ReadTimeInForce(text))
        return {true, TimeTextInForce(*time)};
    ShowInfo(MessageWithExample(BadTimeMessage));
    return {false, TimeTextInForce(CurrentTime())};
}

TTimeFieldCheck CheckEndingTime(std::string_view endText, std::string_view startText)
{
    const TUserFormatsScope userFormats;
    const std::optional<TDateTime> start = ReadTimeInForce(startText);
    const std::string replacement = TimeTextInForce(AddMinutes(60, start.value_or(CurrentTime())));
    const std::optional<TDateTime> end = ReadTimeInForce(endText);
    if (!end) {
        ShowInfo(MessageWithExample(BadEndingTimeMessage));
        return {false, replacement};
    }
    if (start && *end <= *start) {
        ShowInfo(EndingNotLaterMessage);
        return {false, replacement};
    }
    return {true, TimeTextInForce(*end)};
}

} // namespace nudgeon
