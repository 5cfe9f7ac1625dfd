// The operating system's wall clock: read cheaply, and its instants turned into local time.
#pragma once

#include "model/DateTime.h"

#include <cstdint>

namespace nudgeon {

// An instant of the wall clock: whole seconds since 1970-01-01 UTC and the millisecond.
struct SystemClockReading {
    std::int64_t unixSeconds = 0;
    int millisecond = 0;
};

// The wall clock as the system last updated it, at its tick of a few milliseconds: the rules
// read the clock for every comparison, and such a read costs a few nanoseconds where one exact
// to the nanosecond costs several times more.
SystemClockReading ReadSystemClock();

// Converts instants of the wall clock to local date-time values, as the C library's time-zone
// rules give them.
//
// The conversion of a second is kept and serves every later instant of the same second, so that
// reading the clock many times a second costs no time-zone arithmetic. A change of the UTC
// offset always falls on a whole second, so it is seen at once; a change of the time zone is
// seen as soon as the C library has taken it up (tzset) with another offset or zone name, and
// at the latest with the next second.
class LocalTimeCache {
public:
    TDateTime ToLocal(const SystemClockReading& instant);

    // The C library's time-zone settings in force; they differ between two zones.
    struct ZoneIdentity {
        long utcOffset = 0;
        int hasDaylightTime = 0;
        long daylightShift = 0;
        const char* standardName = nullptr;
        const char* daylightName = nullptr;
        bool operator==(const ZoneIdentity&) const = default;
    };

private:
    void Convert(std::int64_t unixSeconds);

    bool filled_ = false;
    std::int64_t second_ = 0;
    ZoneIdentity zone_;
    // Whether the C library could convert the second; without it the value is UTC.
    bool converted_ = false;
    TDateTime date_ = 0;
    std::int64_t msecsOfDay_ = 0;
};

} // namespace nudgeon
