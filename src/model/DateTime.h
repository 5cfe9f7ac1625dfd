// Date-time values as days since 1899-12-30, the clock every "now" is read from,
// and formatting of date-time values into the texts the program shows.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace nudgeon {

// Days since 1899-12-30: the integral part is the date, the fraction the time of day.
using TDateTime = double;

inline constexpr int HoursPerDay = 24;
inline constexpr int MinutesPerDay = 24 * 60;
inline constexpr int SecondsPerDay = MinutesPerDay * 60;
inline constexpr int MSecsPerDay = SecondsPerDay * 1000;

// Days between 1899-12-30 and 1970-01-01.
inline constexpr int UnixDateDelta = 25569;

struct DateParts {
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0;   // 1 to 31
    bool operator==(const DateParts&) const = default;
};

struct TimeParts {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    bool operator==(const TimeParts&) const = default;
};

// Gregorian calendar, any year. Returns false for a day the month lacks.
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
// As TryEncodeDate; throws std::invalid_argument for an invalid date.
TDateTime EncodeDate(int year, int month, int day);
// Day fraction of a time of day; throws std::invalid_argument outside 0:00:00.000-23:59:59.999.
TDateTime EncodeTime(int hour, int minute, int second = 0, int millisecond = 0);

// The date part: the integral part truncated toward zero.
TDateTime DateOf(TDateTime value);
// The time of day: the distance from the date part, always 0 <= result < 1.
TDateTime TimeOf(TDateTime value);

// Whether the value can be decoded into a calendar date of years 1 to 9999.
bool IsDecodableDate(TDateTime value);
DateParts DecodeDate(TDateTime value);
// Decodes the time of day rounded to the nearest millisecond.
TimeParts DecodeTime(TDateTime value);

// 0 for Sunday to 6 for Saturday.
int DayOfWeek(TDateTime value);
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// --- The clock ---------------------------------------------------------------

// Source of the current local date and time. The program reads the clock through Now(),
// Today() and CurrentTime() only, so a test can install a fake source.
using ClockSource = std::function<TDateTime()>;

// The local date and time from the operating system, to the millisecond.
TDateTime SystemNow();
void SetClock(ClockSource source);
void UseSystemClock();

TDateTime Now();
// The current date as a whole day number.
TDateTime Today();
// The current time of day as a day fraction, to the millisecond.
TDateTime CurrentTime();

// --- Formatting --------------------------------------------------------------

// The date and time conventions used to format and read date-time texts.
struct TFormatSettings {
    std::string ShortDateFormat = "mm/dd/yyyy";
    std::string LongDateFormat = "dddd, mmmm d, yyyy";
    std::string ShortTimeFormat = "h:nn AMPM";
    std::string LongTimeFormat = "h:nn:ss AMPM";
    std::string DateSeparator = "/";
    std::string TimeSeparator = ":";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
    std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    bool operator==(const TFormatSettings&) const = default;
};

// The user's conventions as the C library's locale describes them (names in UTF-8); the
// English defaults of TFormatSettings where the locale cannot tell.
TFormatSettings SystemFormatSettings();

// The program's five fixed values ("mm/dd/yyyy", "/", ":", "AM", "PM") put into settings;
// the names of months and days and the other formats stay as they are.
TFormatSettings WithProgramFormats(TFormatSettings settings);

// The settings every date-time text is formatted and read with unless a caller passes its own.
// Until something is put in force these are the program's fixed formats over the month and
// day names of SystemFormatSettings().
const TFormatSettings& FormatsInForce();
void SetFormatsInForce(const TFormatSettings& settings);

// Formats a date-time value by a pattern of date-time codes:
//   d dd ddd dddd   day, two-digit day, short and long day name; ddddd / dddddd short / long date
//   m mm mmm mmmm   month, two-digit month, short and long month name (minutes right after h/hh)
//   yy yyyy         two- and four-digit year
//   h hh n nn s ss  hour, minute, second (with or without a leading zero); z zzz milliseconds
//   t tt            short / long time format
//   am/pm a/p       12-hour clock with that designator in the pattern's letter case
//   ampm            12-hour clock with TimeAMString / TimePMString
//   / :             DateSeparator / TimeSeparator
//   '...' "..."     literal text
// Every other character is copied. A value outside years 1 to 9999 gives the empty text.
std::string FormatDateTime(std::string_view pattern, TDateTime value,
                           const TFormatSettings& settings);
std::string FormatDateTime(std::string_view pattern, TDateTime value);

} // namespace nudgeon
