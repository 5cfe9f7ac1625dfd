// The system clock's cached local-time conversion against the C library's own, in zones with
// daylight-saving time, across second boundaries and through a change of zone.
#include "model/SystemClock.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <string>

namespace nudgeon {
namespace {

constexpr double OneSecond = 1.0 / SecondsPerDay;
constexpr double OneHour = 1.0 / HoursPerDay;

// Puts a POSIX time-zone rule in force through TZ for the life of the object.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* rule)
    {
        if (const char* current = std::getenv("TZ")) {
            hadZone_ = true;
            saved_ = current;
        }
        Use(rule);
    }
    ~ScopedTimeZone()
    {
        if (hadZone_)
            setenv("TZ", saved_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

    static void Use(const char* rule)
    {
        setenv("TZ", rule, 1);
        tzset();
    }

private:
    bool hadZone_ = false;
    std::string saved_;
};

// The local date-time of an instant worked out afresh by the C library.
TDateTime Expected(std::int64_t unixSeconds, int millisecond)
{
    const auto seconds = static_cast<std::time_t>(unixSeconds);
    std::tm local{};
    localtime_r(&seconds, &local);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), millisecond);
}

struct Transition {
    const char* rule;
    std::int64_t firstSecond; // the first second after the change, UTC
    double shiftHours;        // how far the local clock moves at it
};

TEST(SystemClockTest, ConversionsAgreeWithTheCLibraryAcrossDaylightSavingChanges)
{
    const Transition transitions[] = {
        {"CET-1CEST,M3.5.0,M10.5.0/3", 1711846800, +1},   // Berlin, 2024-03-31 02:00 CET
        {"CET-1CEST,M3.5.0,M10.5.0/3", 1729990800, -1},   // Berlin, 2024-10-27 03:00 CEST
        {"EST5EDT,M3.2.0,M11.1.0", 1710054000, +1},       // New York, 2024-03-10 02:00 EST
        {"EST5EDT,M3.2.0,M11.1.0", 1730613600, -1},       // New York, 2024-11-03 02:00 EDT
        {"AEST-10AEDT,M10.1.0,M4.1.0/3", 1712419200, -1}, // Sydney, 2024-04-07 03:00 AEDT
        {"AEST-10AEDT,M10.1.0,M4.1.0/3", 1728144000, +1}, // Sydney, 2024-10-06 02:00 AEST
    };
    for (const Transition& transition : transitions) {
        SCOPED_TRACE(std::string(transition.rule) + " at " +
                     std::to_string(transition.firstSecond));
        const ScopedTimeZone zone(transition.rule);
        LocalTimeCache cache;
        for (std::int64_t second = transition.firstSecond - 3; second <= transition.firstSecond + 3;
             ++second) {
            for (const int millisecond : {0, 1, 500, 999}) {
                EXPECT_EQ(cache.ToLocal({second, millisecond}), Expected(second, millisecond))
                    << "second " << second << " millisecond " << millisecond;
            }
        }
        // The zone really changed its offset there, so the seconds above crossed the change.
        const double step = cache.ToLocal({transition.firstSecond, 0}) -
                            cache.ToLocal({transition.firstSecond - 1, 0});
        EXPECT_NEAR(step, OneSecond + transition.shiftHours * OneHour, 1e-9);
    }
}

TEST(SystemClockTest, InstantsOfOneSecondAndTheNextConvertInStep)
{
    const ScopedTimeZone zone("EST5EDT,M3.2.0,M11.1.0");
    const std::int64_t second = 1718900000; // a summer afternoon
    LocalTimeCache cache;
    const TDateTime lastOfSecond = cache.ToLocal({second, 999});
    const TDateTime firstOfNext = cache.ToLocal({second + 1, 0});
    EXPECT_EQ(lastOfSecond, Expected(second, 999));
    EXPECT_EQ(firstOfNext, Expected(second + 1, 0));
    EXPECT_NEAR(firstOfNext - lastOfSecond, 1.0 / MSecsPerDay, 1e-10);
    // A clock set back by a second is converted afresh, not taken from the later second.
    EXPECT_EQ(cache.ToLocal({second, 250}), Expected(second, 250));
}

TEST(SystemClockTest, AChangeOfTimeZoneIsSeenWithinTheSameSecond)
{
    const ScopedTimeZone zone("UTC0");
    const std::int64_t second = 1718900000;
    LocalTimeCache cache;
    const TDateTime utc = cache.ToLocal({second, 100});
    EXPECT_EQ(utc, Expected(second, 100));
    ScopedTimeZone::Use("JST-9");
    const TDateTime tokyo = cache.ToLocal({second, 200});
    EXPECT_EQ(tokyo, Expected(second, 200));
    EXPECT_NEAR(tokyo - utc, 9 * OneHour + 100.0 / MSecsPerDay, 1e-9);
}

TEST(SystemClockTest, AnInstantTheCLibraryCannotConvertCountsAsUtc)
{
    // Some 10^11 years on: no calendar year the C library can hold.
    const std::int64_t second = std::int64_t{1} << 62;
    LocalTimeCache cache;
    EXPECT_EQ(cache.ToLocal({second, 5}),
              static_cast<double>(second) / SecondsPerDay + UnixDateDelta);
}

TEST(SystemClockTest, AReadingLagsTheExactClockByNoMoreThanATick)
{
    using namespace std::chrono;
    const auto before = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    const SystemClockReading reading = ReadSystemClock();
    const auto after = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    const std::int64_t read = reading.unixSeconds * 1000 + reading.millisecond;
    EXPECT_GE(reading.millisecond, 0);
    EXPECT_LT(reading.millisecond, 1000);
    // The system's clock tick is a few milliseconds; 50 leaves room for a slow machine.
    EXPECT_GE(read, before.count() - 50);
    EXPECT_LE(read, after.count());
}

} // namespace
} // namespace nudgeon
