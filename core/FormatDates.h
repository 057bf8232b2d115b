// Dates and times as text, driven by a small token language ("m/d/yy HH:ii:ss",
// "dd M yy HH:ii:ss b", "WW, MM D, YY"). Letters that are not tokens are copied.
#pragma once

#include "core/DateTime.h"
#include "core/String.h"

// The forms the typed value uses to show dates and times.
inline constexpr const char* kDateFormat = "m/d/yy";
inline constexpr const char* kDateTimeFormat = "m/d/yy HH:ii:ss";
inline constexpr const char* kTimeFormat = "HH:ii:ss";

// A null or empty format means the process-wide default.
String FormatDateTime(const DateTime& value, const char* format = nullptr);
String FormatDateTime(const DateTime& value, const String& format);

// The default starts empty, so an unformatted date shows as nothing until the
// application chooses a form.
void SetDefaultDateTimeFormat(const String& format);
const String& DefaultDateTimeFormat();

const char* MonthName(int32_t month);      // "January"; "" outside 1..12
const char* WeekdayName(int32_t weekday);  // 1 = "Sunday"; "" outside 1..7
