#include "core/FormatDates.h"

#include <cstring>

#include "core/FormatNumbers.h"
#include "platform/Clock.h"

namespace {

String& DefaultFormat() {
    static String format;
    return format;
}

void AppendShortName(String& out, const char* name) {
    String full(name);
    out.Append(full.Left(3));
}

int32_t Hour12(int32_t hour) {
    int32_t h = hour % 12;
    return h == 0 ? 12 : h;
}

// "+0100", "-0500": minutes east of UTC as the mail headers want them.
void AppendZoneOffset(String& out) {
    int32_t minutes = TheClock().LocalTimeZone().OffsetMinutes();
    char sign = minutes < 0 ? '-' : '+';
    if (minutes < 0) minutes = -minutes;
    out.Append(String::Formatted("%c%02d%02d", sign, int(minutes / 60), int(minutes % 60)));
}

}  // namespace

const char* MonthName(int32_t month) {
    static const char* const kMonths[12] = {"January", "February", "March",     "April",
                                            "May",     "June",     "July",      "August",
                                            "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? kMonths[month - 1] : "";
}

const char* WeekdayName(int32_t weekday) {
    static const char* const kDays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};
    return weekday >= 1 && weekday <= 7 ? kDays[weekday - 1] : "";
}

void SetDefaultDateTimeFormat(const String& format) {
    DefaultFormat() = format;
}

const String& DefaultDateTimeFormat() {
    return DefaultFormat();
}

String FormatDateTime(const DateTime& value, const String& format) {
    return FormatDateTime(value, format.c_str());
}

String FormatDateTime(const DateTime& value, const char* format) {
    if (!format || !*format) format = DefaultFormat().c_str();
    String out;
    for (const char* p = format; *p; p++) {
        char c = *p;
        // Doubling a letter picks its long form; the pair is one token.
        bool twice = p[1] == c && std::strchr("yYmMdDwWHhis", c);
        if (twice) p++;
        switch (c) {
        case 'y':
            out.Append(String::Formatted(twice ? "%04d" : "%02d",
                                         twice ? int(value.year) : int(value.year % 100)));
            break;
        case 'Y':
            if (twice) {
                out.Append(NumberToWords(value.year, kWordsYear));
            } else {
                int32_t yy = value.year % 100;
                if (yy < 10) out.Append("Oh ");
                out.Append(NumberToWords(yy, kWordsInteger));
            }
            break;
        case 'm':
            out.Append(String::Formatted(twice ? "%02d" : "%d", int(value.month)));
            break;
        case 'M':
            if (twice)
                out.Append(MonthName(value.month));
            else
                AppendShortName(out, MonthName(value.month));
            break;
        case 'd':
            out.Append(String::Formatted(twice ? "%02d" : "%d", int(value.day)));
            break;
        case 'D':
            out.Append(twice ? OrdinalWords(value.day) : OrdinalNumber(value.day));
            break;
        case 'w':
            out.Append(String::Formatted(twice ? "%02d" : "%d", int(value.dayOfWeek)));
            break;
        case 'W':
            if (twice)
                out.Append(WeekdayName(value.dayOfWeek));
            else
                AppendShortName(out, WeekdayName(value.dayOfWeek));
            break;
        case 'H':
            out.Append(String::Formatted(twice ? "%02d" : "%d", int(value.hour)));
            break;
        case 'h':
            out.Append(String::Formatted(twice ? "%02d" : "%d", int(Hour12(value.hour))));
            break;
        case 'i':
            out.Append(String::Formatted(twice ? "%02d" : "%d", int(value.minute)));
            break;
        case 's':
            out.Append(String::Formatted(twice ? "%02d" : "%d", int(value.second)));
            break;
        case 'A':
        case 'a':
            if (p[1] == 'P' || p[1] == 'p') {
                bool pm = value.hour >= 12;
                if (c == 'A')
                    out.Append(pm ? "p.m." : "a.m.");
                else
                    out.Append(pm ? 'p' : 'a');
                p++;
            } else {
                out.Append(c);
            }
            break;
        case 'b':
            AppendZoneOffset(out);
            break;
        default:
            out.Append(c);
            break;
        }
    }
    return out;
}
