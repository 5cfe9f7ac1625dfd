#include "schedule/AlarmCountdown.h"

#include <algorithm>
#include <cstdio>

namespace nudgeon {
namespace {

// In 64 bits, so that no time-out the settings can hold overflows.
std::int64_t TimeoutMs(std::int32_t timeoutSeconds)
{
    return std::int64_t{timeoutSeconds} * 1000;
}

} // namespace

bool TimeoutArmed(std::int32_t timeoutSeconds)
{
    return timeoutSeconds > 0;
}

bool TimeoutExpired(std::int32_t timeoutSeconds, std::uint32_t elapsedMs)
{
    return TimeoutMs(timeoutSeconds) < std::int64_t{elapsedMs};
}

std::string CountdownText(std::int32_t timeoutSeconds, std::uint32_t elapsedMs)
{
    const std::int64_t remainingMs =
        std::max<std::int64_t>(TimeoutMs(timeoutSeconds) - std::int64_t{elapsedMs}, 0);
    const std::int64_t seconds = remainingMs / 1000;
    const std::int64_t minutes = seconds / 60;
    const int secondsOfMinute = static_cast<int>(seconds % 60);

    char digits[32];
    if (minutes > 0)
        std::snprintf(digits, sizeof digits, "%lld:%02d", static_cast<long long>(minutes),
                      secondsOfMinute);
    else
        std::snprintf(digits, sizeof digits, ":%02d", secondsOfMinute);
    return std::string("Timeout in   ") + digits;
}

} // namespace nudgeon
