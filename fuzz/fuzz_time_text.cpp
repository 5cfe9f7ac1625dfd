// Fuzz target: the reading of time texts behind IsValidTime, under the program's fixed formats
// or under separators and designators taken from the input.
//
// IsValidTime agrees with the reader and StrToTime fails with the program's message exactly
// when the reader gives nothing; a time that reads is a whole second of one day, reads the same
// with blanks around it, and its own 24-hour (and, under the fixed formats, 12-hour) text reads
// back as the same time.
#include "FuzzSupport.h"
#include "model/DateTime.h"
#include "store/TimeText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace nudgeon::fuzz {
namespace {

// Takes a piece of up to four bytes, its length given by the first byte.
std::string TakePiece(std::string_view& input)
{
    if (input.empty())
        return {};
    const std::size_t length = static_cast<unsigned char>(input.front()) % 5;
    input.remove_prefix(1);
    const std::string piece(input.substr(0, length));
    input.remove_prefix(piece.size());
    return piece;
}

bool HasDigitOrBlank(std::string_view text)
{
    for (const char ch : text)
        if ((ch >= '0' && ch <= '9') || ch == ' ')
            return true;
    return false;
}

bool HasBlank(std::string_view text)
{
    return text.find(' ') != std::string_view::npos;
}

void CheckSameTime(const std::string& text, const TFormatSettings& settings, TDateTime expected)
{
    const std::optional<TDateTime> again = TryStrToTime(text, settings);
    FUZZ_CHECK_MSG(again.has_value() && *again == expected, text);
}

void CheckReadTime(std::string_view text, const TFormatSettings& settings, TDateTime time,
                   bool fixedFormats)
{
    FUZZ_CHECK(time >= 0 && time < 1);
    const double seconds = time * SecondsPerDay;
    FUZZ_CHECK(std::fabs(seconds - std::round(seconds)) < 1e-6);
    // Blanks around the text change nothing, unless a separator or designator holds a blank
    // itself: then the padding can complete it ("5PM" with the morning designator "PM " reads
    // as 17:00, "5PM " as 05:00).
    if (!HasBlank(settings.TimeSeparator) && !HasBlank(settings.TimeAMString) &&
        !HasBlank(settings.TimePMString))
        CheckSameTime("  " + std::string(text) + "  ", settings, time);

    const TimeParts parts = DecodeTime(time);
    const std::string& separator = settings.TimeSeparator;
    if (separator.empty() || HasDigitOrBlank(separator))
        return;
    char number[8];
    std::string text24 = std::to_string(parts.hour);
    for (const int piece : {parts.minute, parts.second}) {
        std::snprintf(number, sizeof number, "%02d", piece);
        text24 += separator + number;
    }
    CheckSameTime(text24, settings, time);
    if (!fixedFormats)
        return;
    const int hour12 = parts.hour % 12 == 0 ? 12 : parts.hour % 12;
    char minutesAndSeconds[16];
    std::snprintf(minutesAndSeconds, sizeof minutesAndSeconds, ":%02d:%02d", parts.minute,
                  parts.second);
    const std::string text12 =
        std::to_string(hour12) + minutesAndSeconds + (parts.hour < 12 ? " am" : " PM");
    CheckSameTime(text12, settings, time);
}

} // namespace
} // namespace nudgeon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace nudgeon;
    using namespace nudgeon::fuzz;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    TFormatSettings settings;
    const bool fixedFormats = input.empty() || (input.front() & 1) == 0;
    if (!input.empty())
        input.remove_prefix(1);
    if (!fixedFormats) {
        settings.TimeSeparator = TakePiece(input);
        settings.TimeAMString = TakePiece(input);
        settings.TimePMString = TakePiece(input);
    }
    SetFormatsInForce(settings);

    const std::optional<TDateTime> time = TryStrToTime(input, settings);
    FUZZ_CHECK(IsValidTime(input) == time.has_value());
    try {
        const TDateTime strict = StrToTime(input);
        FUZZ_CHECK(time.has_value() && strict == *time);
    } catch (const EConvertError& error) {
        FUZZ_CHECK(!time.has_value());
        // The message is a C string: a text with a NUL in it shows up to there.
        const std::string message = "'" + std::string(input) + "' is not a valid time";
        FUZZ_CHECK(error.what() == message.substr(0, message.find('\0')));
    }
    if (time)
        CheckReadTime(input, settings, *time, fixedFormats);
    return 0;
}
