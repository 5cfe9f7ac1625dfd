#include "ui/TimeFields.h"

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

// A check's verdict and the message to show for it, if any.
struct TCheckOutcome {
    TTimeFieldCheck Check;
    std::string Message;
};

// The message is shown with the program's formats back in force, as anything may run while a
// message box is open.
TTimeFieldCheck Reported(const TCheckOutcome& outcome)
{
    if (!outcome.Message.empty())
        ShowInfo(outcome.Message);
    return outcome.Check;
}

TCheckOutcome StartingTimeOutcome(std::string_view text)
{
    const TUserFormatsScope userFormats;
    if (const auto time = ReadTimeInForce(text))
        return {{true, TimeTextInForce(*time)}, {}};
    return {{false, TimeTextInForce(CurrentTime())}, MessageWithExample(BadTimeMessage)};
}

TCheckOutcome EndingTimeOutcome(std::string_view endText, std::string_view startText)
{
    const TUserFormatsScope userFormats;
    const std::optional<TDateTime> start = ReadTimeInForce(startText);
    const std::string replacement = TimeTextInForce(AddMinutes(60, start.value_or(CurrentTime())));
    const std::optional<TDateTime> end = ReadTimeInForce(endText);
    if (!end)
        return {{false, replacement}, MessageWithExample(BadEndingTimeMessage)};
    if (start && *end <= *start)
        return {{false, replacement}, std::string(EndingNotLaterMessage)};
    return {{true, TimeTextInForce(*end)}, {}};
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
    return Reported(StartingTimeOutcome(text));
}

TTimeFieldCheck CheckEndingTime(std::string_view endText, std::string_view startText)
{
    return Reported(EndingTimeOutcome(endText, startText));
}

} // namespace nudgeon
