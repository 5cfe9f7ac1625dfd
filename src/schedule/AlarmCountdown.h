// The notification's time-out: when it has run out and the countdown text shown until then.
#pragma once

#include <cstdint>
#include <string>

namespace nudgeon {

// A time-out of 0 seconds or less never runs out.
bool TimeoutArmed(std::int32_t timeoutSeconds);

// Whether strictly more than the time-out has passed.
bool TimeoutExpired(std::int32_t timeoutSeconds, std::uint32_t elapsedMs);

// "Timeout in   " with the whole minutes and seconds left ("9:59"), or only ":ss" in the last
// minute. Meant for an unexpired time-out; an expired one reads ":00".
std::string CountdownText(std::int32_t timeoutSeconds, std::uint32_t elapsedMs);

} // namespace nudgeon
