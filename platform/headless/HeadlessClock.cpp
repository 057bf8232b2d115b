#include "platform/headless/HeadlessClock.h"

#include <chrono>
#include <ctime>
#include <mutex>
#include <thread>

namespace {

// localtime and gmtime share one static buffer; the DNS code may ask for time from
// other threads.
std::mutex calendarLock;

std::tm LocalCalendar(std::time_t t) {
    std::lock_guard<std::mutex> guard(calendarLock);
    return *std::localtime(&t);
}

std::tm UtcCalendar(std::time_t t) {
    std::lock_guard<std::mutex> guard(calendarLock);
    return *std::gmtime(&t);
}

int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    int64_t era = (y >= 0 ? y : y - 399) / 400;
    int64_t yoe = y - era * 400;
    int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int64_t CalendarMinutes(const std::tm& c) {
    return (DaysFromCivil(c.tm_year + 1900, c.tm_mon + 1, c.tm_mday) * 24 + c.tm_hour) * 60 +
           c.tm_min;
}

// Minutes east of UTC at t, and whether daylight time applies then.
int32_t OffsetAt(std::time_t t, bool* daylight) {
    std::tm local = LocalCalendar(t);
    std::tm utc = UtcCalendar(t);
    if (daylight) *daylight = local.tm_isdst > 0;
    return int32_t(CalendarMinutes(local) - CalendarMinutes(utc));
}

// The C library knows only the offset at a given moment, so the standard and daylight
// offsets are read off mid-winter and mid-summer of the current year.
TimeZone RealTimeZone() {
    std::time_t now = std::time(nullptr);
    bool daylightNow = false;
    int32_t offsetNow = OffsetAt(now, &daylightNow);
    std::tm probe = LocalCalendar(now);
    probe.tm_mday = 1, probe.tm_hour = 12, probe.tm_min = 0, probe.tm_sec = 0;
    probe.tm_isdst = -1;
    int32_t standard = offsetNow, daylight = offsetNow;
    bool haveStandard = !daylightNow, haveDaylight = daylightNow;
    for (int month : {0, 6}) {
        std::tm at = probe;
        at.tm_mon = month;
        std::time_t t = std::mktime(&at);
        if (t == std::time_t(-1)) continue;
        bool isDaylight = false;
        int32_t offset = OffsetAt(t, &isDaylight);
        if (isDaylight && !haveDaylight) daylight = offset, haveDaylight = true;
        if (!isDaylight && !haveStandard) standard = offset, haveStandard = true;
    }
    TimeZone zone;
    zone.bias = -standard;
    zone.standardBias = 0;
    zone.daylightBias = haveDaylight ? standard - daylight : 0;
    zone.daylight = daylightNow;
    return zone;
}

DateTime RealLocalNow() {
    std::tm c = LocalCalendar(std::time(nullptr));
    DateTime now = DateTime::At(c.tm_year + 1900, c.tm_mon + 1, c.tm_mday, c.tm_hour, c.tm_min,
                                c.tm_sec > 59 ? 59 : c.tm_sec);
    return now;
}

}  // namespace

uint32_t HeadlessClock::TickCount() {
    if (virtualTicks_) return ticks_;
    auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

DateTime HeadlessClock::LocalNow() {
    return fixedNow_ ? now_ : RealLocalNow();
}

TimeZone HeadlessClock::LocalTimeZone() {
    return fixedZone_ ? zone_ : RealTimeZone();
}

void HeadlessClock::Sleep(uint32_t milliseconds) {
    sleepCount_++;
    sleptMilliseconds_ += milliseconds;
    if (virtualTicks_) {
        ticks_ += milliseconds;
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void HeadlessClock::SetNow(const DateTime& now) {
    fixedNow_ = true;
    now_ = now;
}

void HeadlessClock::UseRealNow() {
    fixedNow_ = false;
}

void HeadlessClock::SetTimeZone(const TimeZone& zone) {
    fixedZone_ = true;
    zone_ = zone;
}

void HeadlessClock::UseRealTimeZone() {
    fixedZone_ = false;
}

void HeadlessClock::UseVirtualTicks(uint32_t start) {
    virtualTicks_ = true;
    ticks_ = start;
}

void HeadlessClock::UseRealTicks() {
    virtualTicks_ = false;
}

HeadlessClock& TheHeadlessClock() {
    static HeadlessClock clock;
    return clock;
}
