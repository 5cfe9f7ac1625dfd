#include "schedule/AlarmTickCount.h"

#include <chrono>
#include <utility>

namespace nudgeon {
namespace {

TickCountSource& Source()
{
    static TickCountSource source = SystemTickCount;
    return source;
}

} // namespace

std::uint32_t SystemTickCount()
{
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count();
    // Keeping the low 32 bits is the wrap the tick count is defined with.
    return static_cast<std::uint32_t>(ms);
}

void SetTickCountSource(TickCountSource source)
{
    Source() = source ? std::move(source) : TickCountSource(SystemTickCount);
}

void UseSystemTickCount()
{
    Source() = SystemTickCount;
}

std::uint32_t TickCount()
{
    return Source()();
}

} // namespace nudgeon
