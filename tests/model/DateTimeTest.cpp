#include "model/DateTime.h"

#include "support/FakeClock.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>

namespace nudgeon {
namespace {

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();

struct DateCase {
    int year, month, day;
    TDateTime value;
    int weekday;
};

TEST(DateTime, EncodesAndDecodesCalendarDates)
{
    const DateCase cases[] = {
        {1899, 12, 30, 0, 6},       // the epoch was a Saturday
        {1899, 12, 29, -1, 5},      // before the epoch
        {1900, 3, 1, 61, 4},        // 1900 was not a leap year
        {1970, 1, 1, 25569, 4},     // the Unix epoch
        {2000, 1, 1, 36526, 6},     // Saturday
        {2024, 1, 7, 45298, 0},     // Sunday
        {2024, 2, 29, 45351, 4},    // leap day
        {2065, 6, 15, 60433, 1},    // far future
        {9999, 12, 31, 2958465, 5}, // last date
        {1, 1, 1, -693593, 1},      // first date
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.value);
        // Before the epoch a time of day is counted away from zero: -1.75 is 18:00 of day -1.
        const TDateTime evening = c.value < 0 ? c.value - 0.75 : c.value + 0.75;
        EXPECT_EQ(DecodeDate(evening), (DateParts{c.year, c.month, c.day}));
        EXPECT_EQ(DecodeTime(evening), (TimeParts{18, 0, 0, 0}));
        EXPECT_EQ(DayOfWeek(evening), c.weekday);
    }
}

TEST(DateTime, RejectsDaysTheCalendarLacks)
{
    TDateTime result = -1;
    EXPECT_FALSE(TryEncodeDate(2023, 2, 29, result));
    EXPECT_FALSE(TryEncodeDate(2024, 4, 31, result));
    EXPECT_FALSE(TryEncodeDate(2024, 13, 1, result));
    EXPECT_FALSE(TryEncodeDate(2024, 1, 0, result));
    EXPECT_FALSE(TryEncodeDate(0, 1, 1, result));
    EXPECT_EQ(result, -1);
    EXPECT_THROW(EncodeDate(2023, 2, 29), std::invalid_argument);
    EXPECT_TRUE(TryEncodeDate(2000, 2, 29, result));
    EXPECT_FALSE(TryEncodeDate(1900, 2, 29, result));
}

TEST(DateTime, EncodesAndDecodesTimesOfDay)
{
    EXPECT_EQ(EncodeTime(18, 0), 0.75);
    EXPECT_EQ(EncodeTime(0, 0), 0);
    EXPECT_EQ(DecodeTime(EncodeTime(23, 59, 59, 999)), (TimeParts{23, 59, 59, 999}));
    EXPECT_EQ(DecodeTime(36526.75), (TimeParts{18, 0, 0, 0}));
    // Decoding rounds to the millisecond: 13:00 plus 0.4 ms is 13:00:00.000.
    EXPECT_EQ(DecodeTime(13.0 / 24 + 0.4 / MSecsPerDay), (TimeParts{13, 0, 0, 0}));
    // ... and a hair before midnight does not turn into hour 24.
    EXPECT_EQ(DecodeTime(45000.9999999999), (TimeParts{23, 59, 59, 999}));
    EXPECT_THROW(EncodeTime(24, 0), std::invalid_argument);
    EXPECT_THROW(EncodeTime(12, 60), std::invalid_argument);
}

TEST(DateTime, SplitsDateAndTimeOfDay)
{
    EXPECT_EQ(DateOf(36526.75), 36526);
    EXPECT_EQ(TimeOf(36526.75), 0.75);
    // Before the epoch the date part is truncated toward zero and the time stays positive.
    EXPECT_EQ(DateOf(-1.25), -1);
    EXPECT_EQ(TimeOf(-1.25), 0.25);
}

TEST(DateTime, ValuesWithoutACalendarDateDecodeHarmlessly)
{
    for (const TDateTime value : {Nan, Infinity, 1e300, -1e300, 2958466.0, -693594.0}) {
        SCOPED_TRACE(value);
        EXPECT_FALSE(IsDecodableDate(value));
        EXPECT_EQ(DecodeDate(value), DateParts{});
        const int weekday = DayOfWeek(value);
        EXPECT_TRUE(weekday >= 0 && weekday <= 6);
    }
}

TEST(Clock, NowTodayAndTimeComeFromTheInstalledClock)
{
    test::FakeClock clock;
    clock.Set(2024, 3, 31, 23, 59, 58);
    EXPECT_EQ(Today(), EncodeDate(2024, 3, 31));
    // The time of day is exactly what EncodeTime gives, so it compares equal to a typed time.
    EXPECT_EQ(CurrentTime(), EncodeTime(23, 59, 58));
    EXPECT_DOUBLE_EQ(Now(), EncodeDate(2024, 3, 31) + EncodeTime(23, 59, 58));

    clock.AdvanceSeconds(2);
    EXPECT_EQ(Today(), EncodeDate(2024, 4, 1));
    EXPECT_EQ(CurrentTime(), 0);
}

TEST(Clock, AWeekOfSecondStepsGathersNoDrift)
{
    test::FakeClock clock;
    clock.Set(2024, 1, 1);
    for (int i = 0; i < 7 * SecondsPerDay; ++i)
        clock.AdvanceSeconds(1);
    EXPECT_EQ(Now(), EncodeDate(2024, 1, 8));
}

TEST(Clock, TheSystemClockIsLocalTime)
{
    UseSystemClock();
    const std::time_t before = std::time(nullptr);
    const TDateTime now = Now();
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &before);
#else
    localtime_r(&before, &local);
#endif
    const TDateTime expected = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
                               EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59));
    EXPECT_NEAR(now, expected, 2.0 / SecondsPerDay);
}

} // namespace
} // namespace nudgeon
