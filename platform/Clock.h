// Time as the portable code needs it: a millisecond tick for intervals and ages, the
// local calendar time, the time zone for mail headers, and a way to wait.
#pragma once

#include <cstdint>

#include "core/DateTime.h"
#include "platform/Services.h"

// The platform's view of the local zone, in minutes, with the sign convention of
// the Win32 structure: UTC = local time + bias (+ the standard or daylight bias).
struct TimeZone {
    int32_t bias = 0;
    int32_t standardBias = 0;
    int32_t daylightBias = 0;
    bool daylight = false;  // daylight saving time is in effect now

    // Minutes east of UTC right now (e.g. +60 for Central European winter time).
    int32_t OffsetMinutes() const { return -(bias + (daylight ? daylightBias : standardBias)); }
};

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since some fixed start; wraps after about 49.7 days, so compare
    // ticks only by unsigned subtraction.
    virtual uint32_t TickCount() = 0;
    // The local date and time with both parts set.
    virtual DateTime LocalNow() = 0;
    virtual TimeZone LocalTimeZone() = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
};

// Fatal when no clock has been installed: every entry point installs one first.
inline Clock& TheClock() { return ServiceSlot<Clock>::Get("clock"); }
// Returns the clock that was installed before (null for none).
inline Clock* InstallClock(Clock* service) { return ServiceSlot<Clock>::Install(service); }
