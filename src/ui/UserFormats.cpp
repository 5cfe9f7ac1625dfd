#include "ui/UserFormats.h"

#include "store/Formats.h"

namespace nudgeon {
namespace {

bool IsFormatLetter(QChar c)
{
    return QStringLiteral("dMyhHmsapAPzt").contains(c);
}

// The first character between two codes of a format: its separator.
QString SeparatorOf(const QString& qtFormat, const QString& fallback)
{
    bool afterCode = false;
    for (const QChar c : qtFormat) {
        if (IsFormatLetter(c)) {
            afterCode = true;
        } else if (afterCode && c != '\'' && !c.isSpace()) {
            return QString(c);
        }
    }
    return fallback;
}

std::string Convert(const QString& run)
{
    const QChar code = run.front();
    const auto count = run.size();
    if (code == 'M') // months
        return std::string(static_cast<std::size_t>(count), 'm');
    if (code == 'm') // minutes
        return count >= 2 ? "nn" : "n";
    if (code == 'H' || code == 'h')
        return count >= 2 ? "hh" : "h";
    if (code == 'a' || code == 'A' || code == 'p' || code == 'P')
        return "ampm";
    if (code == 't') // time zone: not shown by the program
        return {};
    if (code == 'z')
        return count >= 3 ? "zzz" : "z";
    return run.toStdString(); // d, y, s runs mean the same
}

} // namespace

std::string PatternFromQtFormat(const QString& qtFormat)
{
    std::string pattern;
    qsizetype i = 0;
    while (i < qtFormat.size()) {
        const QChar c = qtFormat[i];
        if (c == '\'') {
            const qsizetype end = qtFormat.indexOf('\'', i + 1);
            const qsizetype stop = end < 0 ? qtFormat.size() : end;
            pattern += "'" + qtFormat.mid(i + 1, stop - i - 1).toStdString() + "'";
            i = stop + 1;
        } else if (IsFormatLetter(c)) {
            qsizetype end = i + 1;
            // "AP" and "ap" are one designator code.
            const bool designator = c == 'A' || c == 'a';
            while (end < qtFormat.size() &&
                   (qtFormat[end] == c ||
                    (designator && (qtFormat[end] == 'P' || qtFormat[end] == 'p'))))
                ++end;
            pattern += Convert(qtFormat.mid(i, end - i));
            i = end;
        } else {
            pattern += QString(c).toStdString();
            ++i;
        }
    }
    // Trailing blanks left by a dropped time zone.
    while (!pattern.empty() && pattern.back() == ' ')
        pattern.pop_back();
    return pattern;
}

TFormatSettings UserFormatSettings(const QLocale& locale)
{
    TFormatSettings settings;
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    const QString shortTime = locale.timeFormat(QLocale::ShortFormat);
    settings.ShortDateFormat = PatternFromQtFormat(shortDate);
    settings.LongDateFormat = PatternFromQtFormat(locale.dateFormat(QLocale::LongFormat));
    settings.ShortTimeFormat = PatternFromQtFormat(shortTime);
    settings.LongTimeFormat = PatternFromQtFormat(locale.timeFormat(QLocale::LongFormat));
    settings.DateSeparator = SeparatorOf(shortDate, "/").toStdString();
    settings.TimeSeparator = SeparatorOf(shortTime, ":").toStdString();
    // In the program's patterns "/" and ":" stand for the separators.
    for (std::string* pattern : {&settings.ShortDateFormat, &settings.LongDateFormat}) {
        for (char& c : *pattern)
            if (std::string(1, c) == settings.DateSeparator && c != ':')
                c = '/';
    }
    for (std::string* pattern : {&settings.ShortTimeFormat, &settings.LongTimeFormat}) {
        for (char& c : *pattern)
            if (std::string(1, c) == settings.TimeSeparator)
                c = ':';
    }
    if (!locale.amText().isEmpty())
        settings.TimeAMString = locale.amText().toStdString();
    if (!locale.pmText().isEmpty())
        settings.TimePMString = locale.pmText().toStdString();
    for (int month = 1; month <= 12; ++month) {
        const auto index = static_cast<std::size_t>(month - 1);
        settings.ShortMonthNames[index] =
            locale.monthName(month, QLocale::ShortFormat).toStdString();
        settings.LongMonthNames[index] = locale.monthName(month, QLocale::LongFormat).toStdString();
    }
    for (int day = 0; day < 7; ++day) {
        // Qt counts Monday 1 to Sunday 7; the program Sunday 0 to Saturday 6.
        const int qtDay = day == 0 ? 7 : day;
        const auto index = static_cast<std::size_t>(day);
        settings.ShortDayNames[index] = locale.dayName(qtDay, QLocale::ShortFormat).toStdString();
        settings.LongDayNames[index] = locale.dayName(qtDay, QLocale::LongFormat).toStdString();
    }
    return settings;
}

void SetUpProgramFormats(const QLocale& locale)
{
    const TFormatSettings user = UserFormatSettings(locale);
    SaveSystemFormats(user);
    SetFormatsInForce(WithProgramFormats(user));
}

} // namespace nudgeon
