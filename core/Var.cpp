#include "core/Var.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/FormatDates.h"
#include "core/FormatNumbers.h"

namespace {

struct WholeRange {
    int64_t low;
    uint64_t high;
};

// The values a whole-number type can hold; the high end is unsigned so that the
// unsigned 64-bit type fits.
WholeRange RangeOf(int32_t type) {
    switch (type) {
    case kVarBoolean: return {0, 1};
    // Characters are bytes: signed in storage, but 128..255 are written as such too.
    case kVarCharacter: return {INT8_MIN, UINT8_MAX};
    case kVarByte: return {0, UINT8_MAX};
    case kVarSmallInteger: return {INT16_MIN, INT16_MAX};
    case kVarUnsignedSmallInteger: return {0, UINT16_MAX};
    case kVarInteger: return {INT32_MIN, INT32_MAX};
    case kVarUnsignedInteger: return {0, UINT32_MAX};
    case kVarLargeInteger: return {INT64_MIN, INT64_MAX};
    case kVarUnsignedLargeInteger: return {0, UINT64_MAX};
    case kVarIPAddress: return {0, UINT32_MAX};
    default: return {0, 0};
    }
}

bool IsUnsignedWhole(int32_t type) {
    return type == kVarByte || type == kVarUnsignedSmallInteger ||
           type == kVarUnsignedInteger || type == kVarUnsignedLargeInteger ||
           type == kVarIPAddress || type == kVarBoolean;
}

// Keeps the low bits that belong to the type, sign- or zero-extended as it stores them.
int64_t CutToWidth(int32_t type, int64_t value) {
    switch (type) {
    case kVarBoolean: return value != 0;
    case kVarCharacter: return int8_t(value);
    case kVarByte: return uint8_t(value);
    case kVarSmallInteger: return int16_t(value);
    case kVarUnsignedSmallInteger: return uint16_t(value);
    case kVarInteger: return int32_t(value);
    case kVarUnsignedInteger:
    case kVarIPAddress: return uint32_t(value);
    default: return value;
    }
}

// A whole number as sign and magnitude, so that the whole unsigned 64-bit range and
// the whole signed one can be checked against a type before anything is cut.
struct WholeNumber {
    bool negative = false;
    uint64_t magnitude = 0;

    bool FitsIn(int32_t type) const {
        WholeRange r = RangeOf(type);
        if (!negative) return magnitude <= r.high;
        return r.low < 0 && magnitude <= uint64_t(-(r.low + 1)) + 1;
    }
    int64_t Value() const { return negative ? int64_t(0 - magnitude) : int64_t(magnitude); }
};

WholeNumber WholeOf(int64_t value, bool isUnsigned) {
    WholeNumber w;
    w.negative = !isUnsigned && value < 0;
    w.magnitude = w.negative ? 0 - uint64_t(value) : uint64_t(value);
    return w;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Text handed to the readers below is a view: bytes and a count, not terminated.
struct Span {
    const char* p;
    int32_t n;
};

Span Trimmed(const char* text) {
    Span s{text, 0};
    while (IsWhiteSpace(*s.p)) s.p++;
    while (s.p[s.n]) s.n++;
    while (s.n > 0 && IsWhiteSpace(s.p[s.n - 1])) s.n--;
    return s;
}

bool EqualsNoCase(Span s, const char* word) {
    int32_t i = 0;
    for (; i < s.n && word[i]; i++)
        if (FoldCase(s.p[i]) != word[i]) return false;
    return i == s.n && !word[i];
}

// Digits at s.p[*i]; false when there is none or the value passes limit.
bool ReadDigits(Span s, int32_t* i, uint64_t limit, uint64_t* value) {
    int32_t start = *i;
    uint64_t v = 0;
    for (; *i < s.n && IsDigit(s.p[*i]); (*i)++) {
        uint64_t digit = uint64_t(s.p[*i] - '0');
        if (v > (limit - digit) / 10) return false;
        v = v * 10 + digit;
    }
    *value = v;
    return *i > start;
}

bool ReadWhole(Span s, WholeNumber* number) {
    int32_t i = 0;
    bool negative = false;
    if (i < s.n && (s.p[i] == '-' || s.p[i] == '+')) negative = s.p[i++] == '-';
    uint64_t magnitude;
    if (!ReadDigits(s, &i, UINT64_MAX, &magnitude) || i != s.n) return false;
    number->negative = negative && magnitude != 0;
    number->magnitude = magnitude;
    return true;
}

// Plain decimal notation only: strtod alone would also take "inf", "nan" and hex.
bool ReadReal(Span s, double* value) {
    int32_t i = 0;
    if (i < s.n && (s.p[i] == '-' || s.p[i] == '+')) i++;
    int32_t digits = 0;
    for (; i < s.n && IsDigit(s.p[i]); i++) digits++;
    if (i < s.n && s.p[i] == '.')
        for (i++; i < s.n && IsDigit(s.p[i]); i++) digits++;
    if (digits == 0) return false;
    if (i < s.n && (s.p[i] == 'e' || s.p[i] == 'E')) {
        i++;
        if (i < s.n && (s.p[i] == '-' || s.p[i] == '+')) i++;
        int32_t start = i;
        while (i < s.n && IsDigit(s.p[i])) i++;
        if (i == start) return false;
    }
    if (i != s.n) return false;
    String copy(s.p, s.n);
    *value = std::strtod(copy.c_str(), nullptr);
    return std::isfinite(*value);
}

// a.b.c.d, each 0..255.
bool ReadAddress(Span s, uint32_t* address) {
    int32_t i = 0;
    uint32_t a = 0;
    for (int part = 0; part < 4; part++) {
        if (part > 0 && (i >= s.n || s.p[i++] != '.')) return false;
        uint64_t octet;
        if (!ReadDigits(s, &i, 255, &octet)) return false;
        a = a << 8 | uint32_t(octet);
    }
    *address = a;
    return i == s.n;
}

// m/d/y with the year as written: the "yy" token shows all four digits.
bool ReadDate(Span s, int32_t* i, DateTime* date) {
    uint64_t month, day, year;
    if (!ReadDigits(s, i, 99, &month) || *i >= s.n || s.p[(*i)++] != '/') return false;
    if (!ReadDigits(s, i, 99, &day) || *i >= s.n || s.p[(*i)++] != '/') return false;
    if (!ReadDigits(s, i, 9999, &year)) return false;
    if (!IsValidDate(int32_t(year), int32_t(month), int32_t(day))) return false;
    *date = DateTime::Date(int32_t(year), int32_t(month), int32_t(day));
    return true;
}

// H:ii or H:ii:ss.
bool ReadTime(Span s, int32_t* i, DateTime* time) {
    uint64_t hour, minute, second = 0;
    if (!ReadDigits(s, i, 99, &hour) || *i >= s.n || s.p[(*i)++] != ':') return false;
    if (!ReadDigits(s, i, 99, &minute)) return false;
    if (*i < s.n && s.p[*i] == ':') {
        (*i)++;
        if (!ReadDigits(s, i, 99, &second)) return false;
    }
    if (hour > 23 || minute > 59 || second > 59) return false;
    time->hour = int8_t(hour);
    time->minute = int8_t(minute);
    time->second = int8_t(second);
    return true;
}

bool ReadCalendar(Span s, int32_t type, DateTime* value) {
    DateTime d;
    int32_t i = 0;
    if (type == kVarTime) {
        d.ClearDate();
        if (!ReadTime(s, &i, &d)) return false;
    } else {
        if (!ReadDate(s, &i, &d)) return false;
        if (type == kVarDateTime && i < s.n) {
            int32_t gap = i;
            while (i < s.n && IsBlank(s.p[i])) i++;
            if (i == gap || !ReadTime(s, &i, &d)) return false;
        }
    }
    if (i != s.n) return false;
    *value = d;
    return true;
}

bool ReadBoolean(Span s, bool* value) {
    static const char* const kTrue[] = {"1", "true", "yes", "on"};
    static const char* const kFalse[] = {"0", "false", "no", "off"};
    for (const char* word : kTrue)
        if (EqualsNoCase(s, word)) return *value = true, true;
    for (const char* word : kFalse)
        if (EqualsNoCase(s, word)) return *value = false, true;
    return false;
}

// Orders two whole numbers by their high halves as signed numbers and then their
// low halves as unsigned ones, as the framework always has: an unsigned value from
// 2^63 up therefore sorts below zero.
int CompareSplit(int64_t a, int64_t b) {
    int32_t highA = int32_t(uint64_t(a) >> 32), highB = int32_t(uint64_t(b) >> 32);
    if (highA != highB) return highA < highB ? -1 : 1;
    uint32_t lowA = uint32_t(a), lowB = uint32_t(b);
    return lowA < lowB ? -1 : lowA > lowB ? 1 : 0;
}

bool Holds(int order, int32_t op) {
    switch (op) {
    case kVarEqual: return order == 0;
    case kVarNotEqual: return order != 0;
    case kVarLessOrEqual: return order <= 0;
    case kVarGreaterOrEqual: return order >= 0;
    case kVarLess: return order < 0;
    case kVarGreater: return order > 0;
    default: return false;
    }
}

// IEEE order, so that a NaN is neither equal to nor on either side of anything.
bool HoldsReal(double a, double b, int32_t op) {
    switch (op) {
    case kVarEqual: return a == b;
    case kVarNotEqual: return a != b;
    case kVarLessOrEqual: return a <= b;
    case kVarGreaterOrEqual: return a >= b;
    case kVarLess: return a < b;
    case kVarGreater: return a > b;
    default: return false;
    }
}

bool HoldsText(const String& a, const String& b, int32_t op) {
    if (op == kVarEqual) return a.Equals(b);
    if (op == kVarNotEqual) return !a.Equals(b);
    int order = a.Compare(b, true);
    switch (op) {
    case kVarLessOrEqual: return order < 1;
    case kVarGreaterOrEqual: return order >= 0;
    case kVarLess: return order < 0;
    case kVarGreater: return order > 0;
    default: return false;
    }
}

// Date before time, unset parts first.
int64_t CalendarKey(const DateTime& d) {
    return int64_t(d.year) << 32 | int64_t(uint8_t(d.month)) << 24 | int64_t(uint8_t(d.day)) << 16 |
           int64_t(d.hour + 1) << 12 | int64_t(uint8_t(d.minute)) << 6 | uint8_t(d.second);
}

}  // namespace

const char* VarTypeName(int32_t type) {
    static const char* const kNames[kVarTypeCount] = {
        "null",           "Boolean",        "character",
        "byte",           "small integer",  "unsigned small integer",
        "integer",        "unsigned integer", "large integer",
        "unsigned large integer", "small rational", "rational",
        "string",         "date",           "date/time",
        "time",           "IP address"};
    return type >= 0 && type < kVarTypeCount ? kNames[type] : "!ERROR!";
}

VarStorage VarStorageOf(int32_t type) {
    switch (type) {
    case kVarBoolean:
    case kVarCharacter:
    case kVarByte:
    case kVarSmallInteger:
    case kVarUnsignedSmallInteger:
    case kVarInteger:
    case kVarUnsignedInteger:
    case kVarLargeInteger:
    case kVarUnsignedLargeInteger:
    case kVarIPAddress: return kVarStoreWhole;
    case kVarSmallRational:
    case kVarRational: return kVarStoreReal;
    case kVarDate:
    case kVarDateTime:
    case kVarTime: return kVarStoreCalendar;
    case kVarString: return kVarStoreText;
    default: return kVarStoreNone;
    }
}

Var Var::Whole(int32_t type, int64_t value) {
    Var v;
    if (VarStorageOf(type) != kVarStoreWhole) return v;
    v.type_ = type;
    v.p_.whole = CutToWidth(type, value);
    return v;
}

Var Var::Boolean(bool value) { return Whole(kVarBoolean, value); }
Var Var::Character(char value) { return Whole(kVarCharacter, value); }
Var Var::Byte(uint8_t value) { return Whole(kVarByte, value); }
Var Var::SmallInteger(int16_t value) { return Whole(kVarSmallInteger, value); }
Var Var::UnsignedSmallInteger(uint16_t value) { return Whole(kVarUnsignedSmallInteger, value); }
Var Var::Integer(int32_t value) { return Whole(kVarInteger, value); }
Var Var::UnsignedInteger(uint32_t value) { return Whole(kVarUnsignedInteger, value); }
Var Var::LargeInteger(int64_t value) { return Whole(kVarLargeInteger, value); }
Var Var::UnsignedLargeInteger(uint64_t value) {
    return Whole(kVarUnsignedLargeInteger, int64_t(value));
}
Var Var::IPAddress(uint32_t address) { return Whole(kVarIPAddress, address); }

Var Var::SmallRational(float value) {
    Var v;
    v.type_ = kVarSmallRational;
    v.p_.smallReal = value;
    return v;
}

Var Var::Rational(double value) {
    Var v;
    v.type_ = kVarRational;
    v.p_.real = value;
    return v;
}

Var Var::Text(const String& value) {
    Var v;
    v.type_ = kVarString;
    v.text_ = value;
    return v;
}

Var Var::Date(const DateTime& value) {
    Var v;
    v.type_ = kVarDate;
    v.p_.calendar = value;
    v.p_.calendar.ClearTime();
    return v;
}

Var Var::DateAndTime(const DateTime& value) {
    Var v;
    v.type_ = kVarDateTime;
    v.p_.calendar = value;
    return v;
}

Var Var::Time(const DateTime& value) {
    Var v;
    v.type_ = kVarTime;
    v.p_.calendar = value;
    v.p_.calendar.ClearDate();
    return v;
}

bool Var::IsNumber() const {
    VarStorage s = Storage();
    return (s == kVarStoreWhole && type_ != kVarIPAddress) || s == kVarStoreReal;
}

int64_t Var::ToWhole() const {
    switch (Storage()) {
    case kVarStoreWhole:
        return p_.whole;
    case kVarStoreReal: {
        double r = ToReal();
        if (std::isnan(r)) return 0;
        if (r >= 9223372036854775808.0) return INT64_MAX;
        if (r < -9223372036854775808.0) return INT64_MIN;
        return int64_t(r);
    }
    case kVarStoreText: {
        Var parsed;
        int32_t n = ReadVarValue(text_.c_str(), parsed);
        return n == text_.Length() && parsed.Storage() != kVarStoreText ? parsed.ToWhole() : 0;
    }
    default:
        return 0;
    }
}

double Var::ToReal() const {
    switch (Storage()) {
    case kVarStoreWhole:
        return IsUnsignedWhole(type_) ? double(uint64_t(p_.whole)) : double(p_.whole);
    case kVarStoreReal:
        return type_ == kVarSmallRational ? double(p_.smallReal) : p_.real;
    case kVarStoreText: {
        Var parsed;
        int32_t n = ReadVarValue(text_.c_str(), parsed);
        return n == text_.Length() && parsed.Storage() != kVarStoreText ? parsed.ToReal() : 0;
    }
    default:
        return 0;
    }
}

bool Var::ToBoolean() const {
    switch (Storage()) {
    case kVarStoreWhole: return p_.whole != 0;
    case kVarStoreReal: return ToReal() != 0;
    case kVarStoreText: {
        bool b = false;
        return ReadBoolean(Trimmed(text_.c_str()), &b) ? b : ToReal() != 0;
    }
    case kVarStoreCalendar: return p_.calendar.HasDate() || p_.calendar.HasTime();
    default: return false;
    }
}

String Var::ToText() const {
    switch (type_) {
    case kVarBoolean: return p_.whole ? "true" : "false";
    case kVarCharacter: {
        char c = char(p_.whole);
        return String(&c, c ? 1 : 0);
    }
    case kVarSmallRational:
    case kVarRational: return FormatNumber(ToReal(), -1);
    case kVarString: return text_;
    case kVarDate: return FormatDateTime(p_.calendar, kDateFormat);
    case kVarDateTime:
        return FormatDateTime(p_.calendar, p_.calendar.HasTime() ? kDateTimeFormat : kDateFormat);
    case kVarTime: return FormatDateTime(p_.calendar, kTimeFormat);
    case kVarIPAddress:
        return String::Formatted("%u.%u.%u.%u", unsigned(p_.whole >> 24 & 255),
                                 unsigned(p_.whole >> 16 & 255), unsigned(p_.whole >> 8 & 255),
                                 unsigned(p_.whole & 255));
    default:
        if (Storage() != kVarStoreWhole) return String();
        if (IsUnsignedWhole(type_))
            return String::Formatted("%llu", (unsigned long long)uint64_t(p_.whole));
        return String::Formatted("%lld", (long long)p_.whole);
    }
}

DateTime Var::ToDateTime() const {
    if (Storage() == kVarStoreCalendar) return p_.calendar;
    DateTime d;
    if (Storage() == kVarStoreText) {
        Span s = Trimmed(text_.c_str());
        if (!ReadCalendar(s, kVarDateTime, &d)) ReadCalendar(s, kVarTime, &d);
    }
    return d;
}

bool Var::SetFromText(int32_t type, const char* text) {
    if (!text) text = "";
    Span s = Trimmed(text);
    Var v;
    v.type_ = type;
    switch (VarStorageOf(type)) {
    case kVarStoreNone:
        if (type != kVarNull) return false;
        break;
    case kVarStoreText:
        v.text_ = text;
        break;
    case kVarStoreReal: {
        double r;
        if (!ReadReal(s, &r)) return false;
        if (type == kVarSmallRational) {
            if (std::fabs(r) > double(std::numeric_limits<float>::max())) return false;
            v.p_.smallReal = float(r);
        } else {
            v.p_.real = r;
        }
        break;
    }
    case kVarStoreCalendar:
        if (!ReadCalendar(s, type, &v.p_.calendar)) return false;
        break;
    case kVarStoreWhole: {
        if (type == kVarBoolean) {
            bool b;
            if (!ReadBoolean(s, &b)) return false;
            v.p_.whole = b;
        } else if (type == kVarCharacter) {
            // The character itself, not its code: "7" is the digit seven.
            if (s.n != 1) return false;
            v.p_.whole = int8_t(s.p[0]);
        } else if (type == kVarIPAddress) {
            uint32_t a;
            if (!ReadAddress(s, &a)) return false;
            v.p_.whole = a;
        } else {
            WholeNumber w;
            if (!ReadWhole(s, &w) || !w.FitsIn(type)) return false;
            v.p_.whole = CutToWidth(type, w.Value());
        }
        break;
    }
    }
    *this = v;
    return true;
}

bool Var::ConvertTo(int32_t type) {
    if (type == type_) return true;
    VarStorage from = Storage(), to = VarStorageOf(type);
    if (type == kVarNull) {
        *this = Var();
        return true;
    }
    if (to == kVarStoreNone) return false;
    if (to == kVarStoreText) {
        *this = Text(ToText());
        return true;
    }
    if (from == kVarStoreText) return SetFromText(type, text_.c_str());
    if (to == kVarStoreCalendar) {
        if (from != kVarStoreCalendar) return false;
        if (type == kVarTime ? !p_.calendar.HasTime() : !p_.calendar.HasDate()) return false;
        *this = type == kVarDate ? Date(p_.calendar) : type == kVarTime ? Time(p_.calendar)
                                                                      : DateAndTime(p_.calendar);
        return true;
    }
    // Numbers and addresses from here on; a calendar has no number.
    if (from != kVarStoreWhole && from != kVarStoreReal) return false;
    if (to == kVarStoreReal) {
        *this = type == kVarSmallRational ? SmallRational(float(ToReal())) : Rational(ToReal());
        return true;
    }
    if (type == kVarBoolean) {
        *this = Boolean(ToBoolean());
        return true;
    }
    WholeNumber w;
    if (from == kVarStoreReal) {
        double r = std::trunc(ToReal());
        if (!(r > -18446744073709551616.0 && r < 18446744073709551616.0)) return false;
        w.negative = r < 0;
        w.magnitude = uint64_t(std::fabs(r));
    } else {
        w = WholeOf(p_.whole, IsUnsignedWhole(type_));
    }
    if (!w.FitsIn(type)) return false;
    *this = Whole(type, w.Value());
    return true;
}

bool Var::Compare(const Var& other, int32_t op) const {
    if (op < kVarEqual || op > kVarGreater) return false;
    VarStorage a = Storage(), b = other.Storage();
    if (a == kVarStoreWhole && b == kVarStoreWhole)
        return Holds(CompareSplit(p_.whole, other.p_.whole), op);
    bool numberA = a == kVarStoreWhole || a == kVarStoreReal;
    bool numberB = b == kVarStoreWhole || b == kVarStoreReal;
    if (numberA && numberB) return HoldsReal(ToReal(), other.ToReal(), op);
    if (a == kVarStoreCalendar && b == kVarStoreCalendar)
        return Holds(CompareSplit(CalendarKey(p_.calendar), CalendarKey(other.p_.calendar)), op);
    // A text that reads as a number (a markup variable set from a parameter, say)
    // compares with a number as that number.
    if ((numberA && b == kVarStoreText) || (a == kVarStoreText && numberB)) {
        Var parsed;
        const String& text = a == kVarStoreText ? text_ : other.text_;
        if (ReadVarValue(text.c_str(), parsed) == text.Length() &&
            (parsed.Storage() == kVarStoreWhole || parsed.Storage() == kVarStoreReal)) {
            return a == kVarStoreText ? parsed.Compare(other, op) : Compare(parsed, op);
        }
    }
    return HoldsText(ToText(), other.ToText(), op);
}

int32_t ReadVarValue(const char* text, Var& value) {
    const char* p = text;
    if (*p == '"') {
        String s;
        for (p++;; p++) {
            if (!*p) return 0;
            if (*p == '"') {
                if (p[1] != '"') break;
                p++;
            }
            s.Append(*p);
        }
        value = Var::Text(s);
        return int32_t(p + 1 - text);
    }
    while (*p && !IsWhiteSpace(*p) && *p != ';' && *p != '=' && *p != '"') p++;
    Span word{text, int32_t(p - text)};
    if (word.n == 0) return 0;
    WholeNumber w;
    double r;
    uint32_t address;
    DateTime d;
    bool whole = ReadWhole(word, &w);
    if (EqualsNoCase(word, "true") || EqualsNoCase(word, "false"))
        value = Var::Boolean(FoldCase(word.p[0]) == 't');
    else if (whole && w.FitsIn(kVarInteger))
        value = Var::Integer(int32_t(w.Value()));
    else if (whole && w.FitsIn(kVarLargeInteger))
        value = Var::LargeInteger(w.Value());
    else if (whole && !w.negative)
        value = Var::UnsignedLargeInteger(w.magnitude);
    else if (ReadReal(word, &r))
        value = Var::Rational(r);
    else if (ReadAddress(word, &address))
        value = Var::IPAddress(address);
    else if (ReadCalendar(word, kVarDate, &d))
        value = Var::Date(d);
    else if (ReadCalendar(word, kVarTime, &d))
        value = Var::Time(d);
    else
        value = Var::Text(String(word.p, word.n));
    return word.n;
}

namespace {

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// Line breaks are items' separators when the option is on, else mere white space.
const char* SkipSpace(const char* p, bool lineBreaksSeparate) {
    while (IsBlank(*p) || (!lineBreaksSeparate && IsLineBreak(*p))) p++;
    return p;
}

// CR LF and LF CR are one break.
const char* SkipLineBreak(const char* p) {
    if ((p[0] == '\r' && p[1] == '\n') || (p[0] == '\n' && p[1] == '\r')) return p + 2;
    return p + 1;
}

int32_t StopAt(const char* text, const char* p, int32_t* stoppedAt, int32_t result) {
    if (stoppedAt) *stoppedAt = int32_t(p - text);
    return result;
}

}  // namespace

int32_t ReadVarList(const char* text, VarTable& table, int options, int32_t* stoppedAt) {
    if (!text) text = "";
    bool lineBreaks = options & kVarListLineBreaks;
    const char* p = text;
    for (;;) {
        // Blank lines and doubled separators are empty items.
        while (IsWhiteSpace(*p) || *p == ';') p++;
        if (!*p) return StopAt(text, p, stoppedAt, kVarListSuccess);
        const char* name = p;
        while (*p && !IsWhiteSpace(*p) && *p != '=' && *p != ';' && *p != '"') p++;
        if (p == name) return StopAt(text, p, stoppedAt, kVarListNameExpected);
        String key(name, int32_t(p - name));
        p = SkipSpace(p, lineBreaks);
        Var value = Var::Boolean(true);
        if (*p == '=') {
            p = SkipSpace(p + 1, lineBreaks);
            int32_t length = ReadVarValue(p, value);
            if (length == 0) return StopAt(text, p, stoppedAt, kVarListValueExpected);
            p += length;
        }
        table.FindOrAdd(key) = value;
        p = SkipSpace(p, lineBreaks);
        if (*p == ';') {
            p++;
        } else if (!*p) {
            return StopAt(text, p, stoppedAt, kVarListSuccess);
        } else if (lineBreaks && IsLineBreak(*p)) {
            p = SkipLineBreak(p);
        } else if (!(options & kVarListFreeSeparators)) {
            return StopAt(text, p, stoppedAt, kVarListSeparatorExpected);
        }
    }
}

const char* VarListResultText(int32_t result) {
    switch (result) {
    case kVarListSuccess: return "Success";
    case kVarListNameExpected: return "Value name expected";
    case kVarListValueExpected: return "Value expected after equal sign";
    case kVarListSeparatorExpected: return "Separator expected after value";
    default: return "!ERROR!";
    }
}
