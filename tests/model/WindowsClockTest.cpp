// The clock and the calendar on Windows, checked against the system's own.
#include "model/DateTime.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace nudgeon {
namespace {

constexpr double OneSecond = 1.0 / SecondsPerDay;
// FILETIME counts 100 ns from 1601-01-01, day -109205 in our count.
constexpr long long FileTimeDay1601 = -109205;
constexpr long long TicksPerDay = 864000000000LL;

TDateTime FromSystemTime(const SYSTEMTIME& time)
{
    return EncodeDate(time.wYear, time.wMonth, time.wDay) +
           EncodeTime(time.wHour, time.wMinute, time.wSecond, time.wMilliseconds);
}

// Puts a time zone in force through the C library's TZ for the life of the object.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone)
    {
        if (const char* current = std::getenv("TZ"))
            saved_ = current;
        _putenv_s("TZ", zone);
        _tzset();
    }
    ~ScopedTimeZone()
    {
        _putenv_s("TZ", saved_.c_str());
        _tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::string saved_;
};

TEST(WindowsClockTest, TheSystemClockReadsTheLocalTime)
{
    SYSTEMTIME local{};
    GetLocalTime(&local);
    EXPECT_NEAR(SystemNow(), FromSystemTime(local), 2 * OneSecond);
}

TEST(WindowsClockTest, TheLocalTimeFollowsTheTimeZone)
{
    const struct {
        const char* zone;
        int hoursAheadOfUtc;
    } cases[] = {{"JST-9", 9}, {"PST8", -8}, {"UTC0", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        const ScopedTimeZone zone(c.zone);
        SYSTEMTIME utc{};
        GetSystemTime(&utc);
        EXPECT_NEAR(SystemNow() - FromSystemTime(utc), c.hoursAheadOfUtc / 24.0, 2 * OneSecond);
    }
}

// Windows' calendar reaches back to 1601, well before the C library's 1970.
TEST(WindowsClockTest, DatesAgreeWithTheSystemsCalendarFrom1601On)
{
    for (long long day = FileTimeDay1601; day <= 2958465; day += 997) {
        SCOPED_TRACE(day);
        const unsigned long long ticks =
            static_cast<unsigned long long>(day - FileTimeDay1601) * TicksPerDay;
        FILETIME fileTime{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
        SYSTEMTIME system{};
        ASSERT_TRUE(FileTimeToSystemTime(&fileTime, &system));
        const auto value = static_cast<TDateTime>(day);
        EXPECT_EQ(DecodeDate(value), (DateParts{system.wYear, system.wMonth, system.wDay}));
        EXPECT_EQ(DayOfWeek(value), system.wDayOfWeek);
        EXPECT_EQ(EncodeDate(system.wYear, system.wMonth, system.wDay), value);
    }
}

} // namespace
} // namespace nudgeon
