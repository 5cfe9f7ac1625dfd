#include "model/DateTime.h"

#include <cctype>
#include <cstdio>
#include <optional>

#ifndef _WIN32
#include <langinfo.h>
#include <locale.h>
#include <string.h>
#endif

namespace nudgeon {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

bool IsDesignatorAt(std::string_view text)
{
    return StartsWithNoCase(text, "am/pm") || StartsWithNoCase(text, "a/p") ||
           StartsWithNoCase(text, "ampm");
}

// An hour code uses the 12-hour clock when the next "a" or "h" after it, outside quotes,
// starts an am/pm designator.
bool UsesTwelveHourClock(std::string_view rest)
{
    char quote = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == 'a' || c == 'A') {
            return IsDesignatorAt(rest.substr(i));
        } else if (c == 'h' || c == 'H') {
            return false;
        }
    }
    return false;
}

std::string Number(int value, int digits)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", digits, value);
    return buffer;
}

class Formatter {
public:
    Formatter(TDateTime value, const TFormatSettings& settings)
        : value_(value), date_(DecodeDate(value)), time_(DecodeTime(value)), settings_(settings)
    {}

    void Append(std::string_view pattern, int depth = 0)
    {
        char lastCode = ' ';
        std::size_t i = 0;
        while (i < pattern.size()) {
            const char c = pattern[i];
            const char code = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (code >= 'A' && code <= 'Z') {
                const std::size_t count = RunLength(pattern, i);
                const bool minutes = code == 'M' && (lastCode == 'H');
                lastCode = code;
                i += AppendCode(pattern, i, minutes ? 'N' : code, count, depth);
            } else if (c == '\'' || c == '"') {
                const std::size_t end = pattern.find(c, i + 1);
                const std::size_t stop = end == std::string_view::npos ? pattern.size() : end;
                out_.append(pattern.substr(i + 1, stop - i - 1));
                i = stop + 1;
            } else {
                if (c == '/')
                    out_ += settings_.DateSeparator;
                else if (c == ':')
                    out_ += settings_.TimeSeparator;
                else
                    out_ += c;
                ++i;
            }
        }
    }

    std::string Result() const { return out_; }

private:
    static std::size_t RunLength(std::string_view pattern, std::size_t start)
    {
        std::size_t end = start + 1;
        while (end < pattern.size() && std::toupper(static_cast<unsigned char>(pattern[end])) ==
                                           std::toupper(static_cast<unsigned char>(pattern[start])))
            ++end;
        return end - start;
    }

    // Appends one code starting at pattern[at]; returns how many characters it used.
    std::size_t AppendCode(std::string_view pattern, std::size_t at, char code, std::size_t count,
                           int depth)
    {
        switch (code) {
        case 'D':
            AppendDay(count, depth);
            return count;
        case 'M':
            AppendMonth(count);
            return count;
        case 'Y':
            out_ += count <= 2 ? Number(date_.year % 100, 2) : Number(date_.year, 4);
            return count;
        case 'H':
            AppendHour(pattern.substr(at + count), count);
            return count;
        case 'N':
            out_ += count == 1 ? Number(time_.minute, 1) : Number(time_.minute, 2);
            return count;
        case 'S':
            out_ += count == 1 ? Number(time_.second, 1) : Number(time_.second, 2);
            return count;
        case 'Z':
            out_ += count == 1 ? Number(time_.millisecond, 1) : Number(time_.millisecond, 3);
            return count;
        case 'T':
            if (depth < 2)
                Append(count == 1 ? settings_.ShortTimeFormat : settings_.LongTimeFormat,
                       depth + 1);
            return count;
        case 'A':
            return AppendDesignator(pattern.substr(at));
        default:
            out_.append(pattern.substr(at, count));
            return count;
        }
    }

    void AppendDay(std::size_t count, int depth)
    {
        const int weekday = DayOfWeek(value_);
        if (count == 1)
            out_ += Number(date_.day, 1);
        else if (count == 2)
            out_ += Number(date_.day, 2);
        else if (count == 3)
            out_ += settings_.ShortDayNames[weekday];
        else if (count == 4)
            out_ += settings_.LongDayNames[weekday];
        else if (depth < 2)
            Append(count == 5 ? settings_.ShortDateFormat : settings_.LongDateFormat, depth + 1);
    }

    void AppendMonth(std::size_t count)
    {
        if (count == 1)
            out_ += Number(date_.month, 1);
        else if (count == 2)
            out_ += Number(date_.month, 2);
        else if (count == 3)
            out_ += settings_.ShortMonthNames[date_.month - 1];
        else
            out_ += settings_.LongMonthNames[date_.month - 1];
    }

    void AppendHour(std::string_view rest, std::size_t count)
    {
        int hour = time_.hour;
        if (UsesTwelveHourClock(rest)) {
            hour %= 12;
            if (hour == 0)
                hour = 12;
        }
        out_ += count == 1 ? Number(hour, 1) : Number(hour, 2);
    }

    std::size_t AppendDesignator(std::string_view at)
    {
        const bool afternoon = time_.hour >= 12;
        if (StartsWithNoCase(at, "am/pm")) {
            out_.append(at.substr(afternoon ? 3 : 0, 2));
            return 5;
        }
        if (StartsWithNoCase(at, "a/p")) {
            out_ += at[afternoon ? 2 : 0];
            return 3;
        }
        if (StartsWithNoCase(at, "ampm")) {
            out_ += afternoon ? settings_.TimePMString : settings_.TimeAMString;
            return 4;
        }
        out_ += at[0];
        return 1;
    }

    TDateTime value_;
    DateParts date_;
    TimeParts time_;
    const TFormatSettings& settings_;
    std::string out_;
};

#ifndef _WIN32
std::optional<TFormatSettings> LocaleFormatSettings()
{
    const locale_t locale = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "", static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0))
        return std::nullopt;
    const char* codeset = nl_langinfo_l(CODESET, locale);
    // Names in any other encoding would not be valid text in the program's UTF-8 strings.
    if (codeset == nullptr || strcmp(codeset, "UTF-8") != 0) {
        freelocale(locale);
        return std::nullopt;
    }
    TFormatSettings settings;
    const auto take = [&](nl_item item, std::string& target) {
        const char* text = nl_langinfo_l(item, locale);
        if (text != nullptr && *text != '\0')
            target = text;
    };
    const nl_item shortMonths[] = {ABMON_1, ABMON_2, ABMON_3, ABMON_4,  ABMON_5,  ABMON_6,
                                   ABMON_7, ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12};
    const nl_item longMonths[] = {MON_1, MON_2, MON_3, MON_4,  MON_5,  MON_6,
                                  MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
    const nl_item shortDays[] = {ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4, ABDAY_5, ABDAY_6, ABDAY_7};
    const nl_item longDays[] = {DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7};
    for (std::size_t i = 0; i < 12; ++i) {
        take(shortMonths[i], settings.ShortMonthNames[i]);
        take(longMonths[i], settings.LongMonthNames[i]);
    }
    for (std::size_t i = 0; i < 7; ++i) {
        take(shortDays[i], settings.ShortDayNames[i]);
        take(longDays[i], settings.LongDayNames[i]);
    }
    take(AM_STR, settings.TimeAMString);
    take(PM_STR, settings.TimePMString);
    freelocale(locale);
    return settings;
}
#endif

TFormatSettings& InForce()
{
    static TFormatSettings settings = WithProgramFormats(SystemFormatSettings());
    return settings;
}

} // namespace

TFormatSettings SystemFormatSettings()
{
#ifndef _WIN32
    if (auto settings = LocaleFormatSettings())
        return *settings;
#endif
    return {};
}

TFormatSettings WithProgramFormats(TFormatSettings settings)
{
    const TFormatSettings fixed;
    settings.ShortDateFormat = fixed.ShortDateFormat;
    settings.DateSeparator = fixed.DateSeparator;
    settings.TimeSeparator = fixed.TimeSeparator;
    settings.TimeAMString = fixed.TimeAMString;
    settings.TimePMString = fixed.TimePMString;
    return settings;
}

const TFormatSettings& FormatsInForce()
{
    return InForce();
}

void SetFormatsInForce(const TFormatSettings& settings)
{
    InForce() = settings;
}

std::string FormatDateTime(std::string_view pattern, TDateTime value,
                           const TFormatSettings& settings)
{
    if (!IsDecodableDate(value))
        return {};
    Formatter formatter(value, settings);
    formatter.Append(pattern);
    return formatter.Result();
}

std::string FormatDateTime(std::string_view pattern, TDateTime value)
{
    return FormatDateTime(pattern, value, FormatsInForce());
}

} // namespace nudgeon
