// A calendar moment as people read it: no time zone, no fractions of a second. The
// date part and the time part can each be unset, which is how a plain date or a
// plain time of day is told apart from a full date/time.
#pragma once

#include <cstdint>

struct DateTime {
    int16_t year = 0;       // full year, e.g. 2026
    int8_t month = 0;       // 1..12; 0 = no date
    int8_t day = 0;         // 1..31
    int8_t dayOfWeek = 0;   // 1 = Sunday .. 7 = Saturday
    int8_t hour = -1;       // 0..23; -1 = no time
    int8_t minute = 0;      // 0..59
    int8_t second = 0;      // 0..59

    bool HasDate() const { return month >= 1 && month <= 12 && day >= 1 && day <= 31; }
    bool HasTime() const {
        return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 &&
               second <= 59;
    }
    void ClearDate() { year = 0, month = 0, day = 0, dayOfWeek = 0; }
    void ClearTime() { hour = -1, minute = 0, second = 0; }

    // A date with its day of week filled in; the time part is unset.
    static DateTime Date(int32_t year, int32_t month, int32_t day);
    static DateTime Time(int32_t hour, int32_t minute, int32_t second);
    static DateTime At(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                       int32_t second);
};

// The record packs into the 64-bit payload of a typed value.
static_assert(sizeof(DateTime) == 8);

// Proleptic Gregorian calendar.
bool IsLeapYear(int32_t year);
int32_t DaysInMonth(int32_t year, int32_t month);
// 1 = Sunday .. 7 = Saturday.
int32_t DayOfWeek(int32_t year, int32_t month, int32_t day);
// True when the date exists (year 1..9999).
bool IsValidDate(int32_t year, int32_t month, int32_t day);
