#include "platform/win32/Win32Clock.h"

#include <windows.h>

uint32_t Win32Clock::TickCount() {
    return ::GetTickCount();
}

DateTime Win32Clock::LocalNow() {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    // The system's day of week counts from Sunday = 0; ours from Sunday = 1.
    DateTime now = DateTime::At(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
    now.dayOfWeek = int8_t(st.wDayOfWeek + 1);
    return now;
}

TimeZone Win32Clock::LocalTimeZone() {
    TIME_ZONE_INFORMATION info;
    DWORD kind = ::GetTimeZoneInformation(&info);
    TimeZone zone;
    if (kind == TIME_ZONE_ID_INVALID) return zone;
    zone.bias = info.Bias;
    zone.standardBias = info.StandardBias;
    zone.daylightBias = info.DaylightBias;
    zone.daylight = kind == TIME_ZONE_ID_DAYLIGHT;
    return zone;
}

void Win32Clock::Sleep(uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

Win32Clock& TheWin32Clock() {
    static Win32Clock clock;
    return clock;
}
