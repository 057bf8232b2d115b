#include "core/DateTime.h"

bool IsLeapYear(int32_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int32_t DaysInMonth(int32_t year, int32_t month) {
    static const int8_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int32_t DayOfWeek(int32_t year, int32_t month, int32_t day) {
    // Sakamoto's method; counts March as the first month so that leap days fall last.
    static const int8_t kOffset[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 1 || month > 12) return 0;
    int32_t y = month < 3 ? year - 1 : year;
    int32_t sunday0 = (y + y / 4 - y / 100 + y / 400 + kOffset[month - 1] + day) % 7;
    if (sunday0 < 0) sunday0 += 7;
    return sunday0 + 1;
}

bool IsValidDate(int32_t year, int32_t month, int32_t day) {
    return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

DateTime DateTime::Date(int32_t year, int32_t month, int32_t day) {
    DateTime d;
    d.year = int16_t(year);
    d.month = int8_t(month);
    d.day = int8_t(day);
    d.dayOfWeek = int8_t(DayOfWeek(year, month, day));
    return d;
}

DateTime DateTime::Time(int32_t hour, int32_t minute, int32_t second) {
    DateTime t;
    t.ClearDate();
    t.hour = int8_t(hour);
    t.minute = int8_t(minute);
    t.second = int8_t(second);
    return t;
}

DateTime DateTime::At(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                      int32_t second) {
    DateTime d = Date(year, month, day);
    d.hour = int8_t(hour);
    d.minute = int8_t(minute);
    d.second = int8_t(second);
    return d;
}
