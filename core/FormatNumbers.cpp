#include "core/FormatNumbers.h"

#include <cmath>

namespace {

const char* const kUnitWords[20] = {
    "Zero",    "One",     "Two",       "Three",    "Four",     "Five",    "Six",
    "Seven",   "Eight",   "Nine",      "Ten",      "Eleven",   "Twelve",  "Thirteen",
    "Fourteen", "Fifteen", "Sixteen",  "Seventeen", "Eighteen", "Nineteen"};
const char* const kTensWords[10] = {"",      "",      "Twenty",  "Thirty", "Forty",
                                    "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};
const char* const kUnitOrdinals[20] = {
    "Zeroth",     "First",      "Second",     "Third",      "Fourth",
    "Fifth",      "Sixth",      "Seventh",    "Eighth",     "Ninth",
    "Tenth",      "Eleventh",   "Twelfth",    "Thirteenth", "Fourteenth",
    "Fifteenth",  "Sixteenth",  "Seventeenth", "Eighteenth", "Nineteenth"};
const char* const kTensOrdinals[10] = {"",          "",           "Twentieth", "Thirtieth",
                                       "Fortieth",  "Fiftieth",   "Sixtieth",  "Seventieth",
                                       "Eightieth", "Ninetieth"};

// One group and its scale word, then a space when something remains. Returns the
// remainder below the scale.
double AppendScale(String& out, double n, double scale, const char* scaleWord);

// n is a non-negative integral value. No "and" between the groups: the cheque
// style uses "and" for the cents.
void AppendIntegerWords(String& out, double n) {
    n = AppendScale(out, n, 1e6, " Million");
    if (n < 0) return;
    n = AppendScale(out, n, 1e3, " Thousand");
    if (n < 0) return;
    n = AppendScale(out, n, 1e2, " Hundred");
    if (n < 0) return;
    if (n >= 20) {
        int tens = int(n / 10);
        out.Append(kTensWords[tens]);
        n -= tens * 10;
        if (n == 0) return;
        out.Append(' ');
    }
    out.Append(kUnitWords[int(n)]);
}

// Returns -1 when the number is complete.
double AppendScale(String& out, double n, double scale, const char* scaleWord) {
    if (n < scale) return n;
    AppendIntegerWords(out, std::floor(n / scale));
    out.Append(scaleWord);
    n = std::fmod(n, scale);
    if (n == 0) return -1;
    out.Append(' ');
    return n;
}

// A year of the form "Nineteen Ninety Five"; false when the year reads as a plain
// number ("Two Thousand Five", "Eight Hundred").
bool AppendYearWords(String& out, double value) {
    if (!(value > 100 && value < 10000)) return false;
    int32_t year = int32_t(value);
    if (year % 1000 < 10) return false;
    AppendIntegerWords(out, year / 100);
    if (year % 100 == 0) {
        // "Nineteen Hundred" rather than the literal "Nineteen Oh Zero".
        out.Append(" Hundred");
        return true;
    }
    out.Append(' ');
    if (year % 100 < 10) out.Append("Oh ");
    AppendIntegerWords(out, year % 100);
    return true;
}

void AppendEighths(String& out, double fraction) {
    static const char* const kEighths[8] = {"",           "One Eighth",   "One Fourth",
                                            "Three Eighths", "One Half",  "Five Eighths",
                                            "Three Fourths", "Seven Eighths"};
    out.Append(" and ");
    for (int k = 1; k < 8; k++) {
        if (std::fabs(fraction - k / 8.0) < 0.00001) {
            out.Append(kEighths[k]);
            return;
        }
    }
    if (fraction > 0.00001) out.Append(String::Formatted("%.0f/1000", fraction * 1000));
}

void AppendDecimalDigits(String& out, double fraction) {
    out.Append(" Point");
    String digits = String::Formatted("%.3f", fraction);
    int32_t i = digits.Find('.');
    if (i < 0) return;
    for (i++; i < digits.Length() && IsDigit(digits[i]); i++) {
        out.Append(' ');
        out.Append(kUnitWords[digits[i] - '0']);
        if (digits.FindFirstNotOf("0", i + 1) < 0) break;
    }
}

}  // namespace

String OrdinalNumber(int32_t n) {
    const char* suffix = "th";
    if (n < 4 || n > 20) {
        int32_t last = n % 10;
        if (last < 0) last = -last;
        suffix = last == 1 ? "st" : last == 2 ? "nd" : last == 3 ? "rd" : "th";
    }
    return String::Formatted("%d%s", n, suffix);
}

String OrdinalWords(int32_t n) {
    if (n < 0 || n > 99) return OrdinalNumber(n);
    if (n < 20) return kUnitOrdinals[n];
    if (n % 10 == 0) return kTensOrdinals[n / 10];
    return String(kTensWords[n / 10]) + " " + kUnitOrdinals[n % 10];
}

String NumberToWords(double value, int style) {
    String out;
    if (!std::isfinite(value)) return String::Formatted("%f", value);
    if (style == kWordsYear && AppendYearWords(out, value)) return out;
    if (value < 0) {
        out.Append("Negative ");
        value = -value;
    }
    double whole = std::floor(value);
    AppendIntegerWords(out, whole);
    double fraction = value - whole;
    switch (style) {
    case kWordsCheque:
        if (fraction == 0)
            out.Append(" and No/100");
        else
            out.Append(String::Formatted(" and %.0f/100", fraction * 100));
        break;
    case kWordsEighths:
        if (fraction != 0) AppendEighths(out, fraction);
        break;
    case kWordsDecimal:
        AppendDecimalDigits(out, fraction);
        break;
    default:
        break;
    }
    return out;
}

String FormatNumber(double value, int32_t decimals) {
    if (decimals >= 0) return String::Formatted("%.*f", int(decimals), value);
    String text = String::Formatted("%.6f", value);
    if (text.Find('.') >= 0) {
        text.TrimCharAtEnd('0');
        text.TrimCharAtEnd('.');
    }
    return text;
}

void GroupDigits(String& text, bool groupFourDigits) {
    int32_t first = text.FindFirstOf("0123456789");
    if (first < 0) return;
    int32_t comma;
    while ((comma = text.Find(',')) >= 0) {
        text.Delete(comma, 1);
        if (comma < first) first--;
    }
    // The integer part is the run of digits: its end is also where a decimal point
    // would stand, and a point further on belongs to other text.
    int32_t end = first;
    while (IsDigit(text[end])) end++;
    if (end - first <= (groupFourDigits ? 3 : 4)) return;
    for (int32_t step = end; step >= first + 4;) {
        step -= 3;
        text.Insert(step, ',');
    }
}

String FormatGroupedInteger(int64_t n) {
    String text = String::Formatted("%lld", (long long)n);
    GroupDigits(text, false);
    return text;
}

String FormatGroupedNumber(double value, int32_t decimals) {
    String text = FormatNumber(value, decimals);
    GroupDigits(text, false);
    return text;
}

String FormatByteSize(int64_t bytes) {
    const int64_t kKB = 1024, kMB = kKB * 1024, kGB = kMB * 1024, kTB = kGB * 1024;
    if (bytes < kKB) return String::Formatted("%lld bytes", (long long)bytes);
    if (bytes < kMB) return String::Formatted("%.2f KB", double(bytes) / double(kKB));
    if (bytes < kGB) return String::Formatted("%.2f MB", double(bytes) / double(kMB));
    if (bytes < kTB) return String::Formatted("%.2f GB", double(bytes) / double(kGB));
    return String::Formatted("%.2f TB", double(bytes) / double(kTB));
}
