#include "store/TimeText.h"

#include "store/AsciiText.h"

namespace nudgeon {

namespace {

enum class Designator { None, Morning, Afternoon };

// Walks through a time text element by element.
class TimeScanner {
public:
    explicit TimeScanner(std::string_view text) : text_(text) {}

    void SkipBlanks()
    {
        while (position_ < text_.size() && text_[position_] == ' ')
            ++position_;
    }

    // Digits while the value so far is below 1000, so at most four.
    std::optional<int> Number()
    {
        SkipBlanks();
        const std::size_t start = position_;
        int value = 0;
        while (position_ < text_.size() && IsDigit(text_[position_]) && value < 1000) {
            value = value * 10 + (text_[position_] - '0');
            ++position_;
        }
        if (position_ == start)
            return std::nullopt;
        return value;
    }

    bool Take(std::string_view expected)
    {
        SkipBlanks();
        if (expected.empty() || !StartsWithIgnoringCase(text_.substr(position_), expected))
            return false;
        position_ += expected.size();
        return true;
    }

    bool AtEnd()
    {
        SkipBlanks();
        return position_ == text_.size();
    }

private:
    static bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

    std::string_view text_;
    std::size_t position_ = 0;
};

Designator TakeDesignator(TimeScanner& scanner, const TFormatSettings& settings)
{
    if (scanner.Take(settings.TimeAMString) || scanner.Take("AM"))
        return Designator::Morning;
    if (scanner.Take(settings.TimePMString) || scanner.Take("PM"))
        return Designator::Afternoon;
    return Designator::None;
}

} // namespace

std::optional<TDateTime> TryStrToTime(std::string_view text, const TFormatSettings& settings)
{
    TimeScanner scanner(text);
    auto hours = scanner.Number();
    if (!hours)
        return std::nullopt;
    int minutes = 0;
    int seconds = 0;
    if (scanner.Take(settings.TimeSeparator)) {
        const auto readMinutes = scanner.Number();
        if (!readMinutes)
            return std::nullopt;
        minutes = *readMinutes;
        if (scanner.Take(settings.TimeSeparator)) {
            const auto readSeconds = scanner.Number();
            if (!readSeconds)
                return std::nullopt;
            seconds = *readSeconds;
        }
    }
    const Designator designator = TakeDesignator(scanner, settings);
    if (designator != Designator::None) {
        if (*hours < 1 || *hours > 12)
            return std::nullopt;
        if (*hours == 12)
            *hours = 0;
        if (designator == Designator::Afternoon)
            *hours += 12;
    }
    if (!scanner.AtEnd())
        return std::nullopt;
    if (*hours > 23 || minutes > 59 || seconds > 59)
        return std::nullopt;
    const int msecs = *hours * 3600000 + minutes * 60000 + seconds * 1000;
    return static_cast<TDateTime>(msecs) / MSecsPerDay;
}

TDateTime StrToTime(std::string_view text, const TFormatSettings& settings)
{
    if (const auto time = TryStrToTime(text, settings))
        return *time;
    throw EConvertError("'" + std::string(text) + "' is not a valid time");
}

TDateTime StrToTime(std::string_view text)
{
    return StrToTime(text, FormatsInForce());
}

bool IsValidTime(std::string_view text)
{
    try {
        StrToTime(text);
        return true;
    } catch (const EConvertError&) {
        return false;
    }
}

} // namespace nudgeon
