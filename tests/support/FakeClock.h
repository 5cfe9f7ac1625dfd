// A clock a test sets by hand; installed for the lifetime of the object.
#pragma once

#include "model/DateTime.h"

#include <cmath>
#include <cstdint>

namespace nudgeon::test {

class FakeClock {
public:
    explicit FakeClock(TDateTime now = 0) : msecs_(ToMSecs(now))
    {
        SetClock([this] { return Get(); });
    }
    ~FakeClock() { UseSystemClock(); }
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    void Set(TDateTime now) { msecs_ = ToMSecs(now); }
    void Set(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
             int millisecond = 0)
    {
        Set(EncodeDate(year, month, day) + EncodeTime(hour, minute, second, millisecond));
    }
    // Counted in whole milliseconds, so that a long run of steps gathers no rounding error.
    void AdvanceMSecs(std::int64_t msecs) { msecs_ += msecs; }
    void AdvanceSeconds(std::int64_t seconds) { msecs_ += seconds * 1000; }
    TDateTime Get() const { return static_cast<double>(msecs_) / MSecsPerDay; }

private:
    static std::int64_t ToMSecs(TDateTime t) { return std::llround(t * MSecsPerDay); }
    std::int64_t msecs_;
};

} // namespace nudgeon::test
