#include "schedule/AlarmCountdown.h"

#include "schedule/AlarmTickCount.h"

#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace nudgeon {
namespace {

TEST(AlarmCountdown, TextShowsMinutesAndSecondsLeft)
{
    struct Case {
        std::int32_t timeoutSeconds;
        std::uint32_t elapsedMs;
        const char* text;
    };
    const Case cases[] = {
        {600, 100, "Timeout in   9:59"}, // the first tick of a ten-minute time-out
        {600, 0, "Timeout in   10:00"},
        {60, 100, "Timeout in   :59"}, // no minutes digit within the last minute
        {61, 0, "Timeout in   1:01"},
        {61, 1001, "Timeout in   :59"},
        {3600, 100, "Timeout in   59:59"},
        {7200, 0, "Timeout in   120:00"},
        {605, 1000, "Timeout in   10:04"}, // seconds keep their leading zero
        {60, 60000, "Timeout in   :00"},   // exactly at the time-out: not yet run out
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.timeoutSeconds) + " s after " + std::to_string(c.elapsedMs) +
                     " ms");
        EXPECT_EQ(CountdownText(c.timeoutSeconds, c.elapsedMs), c.text);
    }
}

TEST(AlarmCountdown, LastMinuteCountsDownEverySecondToZero)
{
    std::vector<std::string> shown;
    for (std::uint32_t elapsed = 100; elapsed <= 60000; elapsed += 100) {
        const std::string text = CountdownText(60, elapsed);
        if (shown.empty() || shown.back() != text)
            shown.push_back(text);
    }
    std::vector<std::string> expected;
    for (int second = 59; second >= 0; --second) {
        char digits[8];
        std::snprintf(digits, sizeof digits, ":%02d", second);
        expected.push_back(std::string("Timeout in   ") + digits);
    }
    EXPECT_EQ(shown, expected);
}

TEST(AlarmCountdown, RunsOutOnlyWhenStrictlyMoreThanTheTimeoutHasPassed)
{
    struct Case {
        std::int32_t timeoutSeconds;
        std::uint32_t elapsedMs;
        bool expired;
    };
    const Case cases[] = {
        {600, 600000, false},
        {600, 600001, true},
        {1, 0, false},
        {1, 1001, true},
        // The largest time-out the settings hold does not overflow into an early time-out.
        {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::uint32_t>::max(),
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.timeoutSeconds) + " s after " + std::to_string(c.elapsedMs) +
                     " ms");
        EXPECT_EQ(TimeoutExpired(c.timeoutSeconds, c.elapsedMs), c.expired);
    }
}

TEST(AlarmCountdown, OnlyAPositiveTimeoutIsArmed)
{
    EXPECT_TRUE(TimeoutArmed(1));
    EXPECT_FALSE(TimeoutArmed(0));
    EXPECT_FALSE(TimeoutArmed(-30));
}

TEST(AlarmTickCount, ElapsedTimeIsRightAcrossTheWrapOfTheCount)
{
    EXPECT_EQ(TicksBetween(0xFFFFFF00u, 0x00000100u), 0x200u);
    EXPECT_EQ(TicksBetween(1000, 1500), 500u);
}

TEST(AlarmTickCount, AReplacedSourceIsReadUntilTheSystemCountIsRestored)
{
    std::uint32_t fake = 0xFFFFFFF0u;
    SetTickCountSource([&fake] { return fake; });
    EXPECT_EQ(TickCount(), 0xFFFFFFF0u);
    fake = 5;
    EXPECT_EQ(TickCount(), 5u);
    UseSystemTickCount();
    const std::uint32_t first = SystemTickCount();
    EXPECT_LT(TicksBetween(first, TickCount()), 1000u);
}

} // namespace
} // namespace nudgeon
