// Loaded by the start, idle and memory benchmarks into the program's process: reports, once,
// the moment the first paint of a window ends, so that the program needs no hook of its own.
//
// It stands in for QBackingStore::endPaint(), which the widgets call after painting into a
// window's backing store, passes the call on to Qt and writes the monotonic clock's reading in
// nanoseconds (8 bytes) to the descriptor named by NUDGEON_PAINT_PROBE_FD.
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <dlfcn.h>
#include <time.h>
#include <unistd.h>

namespace {

using EndPaint = void (*)(void*);

constexpr const char* EndPaintSymbol = "_ZN13QBackingStore8endPaintEv";

std::atomic<bool> reported{false};

void ReportPainted()
{
    const char* fdText = std::getenv("NUDGEON_PAINT_PROBE_FD");
    if (fdText == nullptr)
        return;
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    const std::int64_t nanoseconds =
        static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
    const int fd = std::atoi(fdText);
    if (::write(fd, &nanoseconds, sizeof nanoseconds) == static_cast<ssize_t>(sizeof nanoseconds))
        ::close(fd);
}

} // namespace

// QBackingStore::endPaint()
extern "C" __attribute__((visibility("default"))) void _ZN13QBackingStore8endPaintEv(void* store)
{
    static const auto next = reinterpret_cast<EndPaint>(::dlsym(RTLD_NEXT, EndPaintSymbol));
    if (next != nullptr)
        next(store);
    if (!reported.exchange(true))
        ReportPainted();
}
