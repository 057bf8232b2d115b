// Numbers as text for reports, mail and the user interface: fixed decimals, thousands
// separators, ordinals, English words and byte sizes.
#pragma once

#include <cstdint>

#include "core/String.h"

// Styles of NumberToWords.
enum NumberWordsStyle : int {
    kWordsDecimal = -1,   // "Three Point One Four"
    kWordsInteger = 0,    // the fraction is dropped
    kWordsCheque = 1,     // "Twelve and 50/100", "Twelve and No/100"
    kWordsEighths = 2,    // "Twelve and One Half"
    kWordsYear = 3,       // "Nineteen Ninety Five"
};

// "%d" followed by "st", "nd", "rd" or "th". Only 4 to 20 are special-cased, so
// 112 gives "112nd": callers print days and positions, never large counts.
String OrdinalNumber(int32_t n);
// "First" .. "Thirtieth", "Thirty First"; 0..99, other numbers as OrdinalNumber.
String OrdinalWords(int32_t n);
String NumberToWords(double value, int style);
// decimals >= 0: exactly that many; decimals < 0: up to six, trailing zeros and a
// trailing point dropped.
String FormatNumber(double value, int32_t decimals);
// Puts commas into the first number of text; a four-digit integer part stays as it is
// unless groupFourDigits. Any commas already in the text are removed first.
void GroupDigits(String& text, bool groupFourDigits);
String FormatGroupedInteger(int64_t n);
String FormatGroupedNumber(double value, int32_t decimals);
// "1023 bytes", "1.50 KB", .. "%.2f TB", in units of 1024.
String FormatByteSize(int64_t bytes);
