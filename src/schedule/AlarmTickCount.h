// A monotonic millisecond tick count in 32 bits, replaceable by tests.
#pragma once

#include <cstdint>
#include <functional>

namespace nudgeon {

// Milliseconds since an arbitrary start; wraps around after about 49.7 days.
using TickCountSource = std::function<std::uint32_t()>;

// Read from the system's steady clock, which no change of the wall-clock time moves.
std::uint32_t SystemTickCount();
void SetTickCountSource(TickCountSource source);
void UseSystemTickCount();

std::uint32_t TickCount();

// Milliseconds from `start` to `now`, right across a wrap of the count as long as less than
// 2^32 ms lie between them.
inline std::uint32_t TicksBetween(std::uint32_t start, std::uint32_t now)
{
    return now - start;
}

} // namespace nudgeon
