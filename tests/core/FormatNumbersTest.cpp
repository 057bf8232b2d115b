#include <gtest/gtest.h>

#include <cstdint>

#include "core/FormatNumbers.h"

namespace {

String Grouped(const char* text, bool groupFourDigits = false) {
    String s(text);
    GroupDigits(s, groupFourDigits);
    return s;
}

TEST(OrdinalNumber, OnlyFourToTwentyEscapeTheLastDigitRule) {
    const struct { int32_t n; const char* text; } cases[] = {
        {0, "0th"},     {1, "1st"},     {2, "2nd"},     {3, "3rd"},     {4, "4th"},
        {11, "11th"},   {12, "12th"},   {13, "13th"},   {20, "20th"},   {21, "21st"},
        {22, "22nd"},   {23, "23rd"},   {101, "101st"}, {111, "111st"}, {112, "112nd"},
        {113, "113rd"}, {-1, "-1st"},   {-12, "-12nd"},
    };
    for (const auto& c : cases) EXPECT_STREQ(OrdinalNumber(c.n).c_str(), c.text) << c.n;
}

TEST(OrdinalWords, SpellsDaysOfTheMonth) {
    EXPECT_STREQ(OrdinalWords(1).c_str(), "First");
    EXPECT_STREQ(OrdinalWords(12).c_str(), "Twelfth");
    EXPECT_STREQ(OrdinalWords(20).c_str(), "Twentieth");
    EXPECT_STREQ(OrdinalWords(23).c_str(), "Twenty Third");
    EXPECT_STREQ(OrdinalWords(30).c_str(), "Thirtieth");
    EXPECT_STREQ(OrdinalWords(31).c_str(), "Thirty First");
}

TEST(NumberToWords, IntegerGroupsWithoutAnd) {
    const struct { double value; const char* text; } cases[] = {
        {0, "Zero"},
        {7, "Seven"},
        {19, "Nineteen"},
        {20, "Twenty"},
        {45, "Forty Five"},
        {105, "One Hundred Five"},
        {110, "One Hundred Ten"},
        {1500, "One Thousand Five Hundred"},
        {1000000, "One Million"},
        {2000001, "Two Million One"},
        {1234567, "One Million Two Hundred Thirty Four Thousand Five Hundred Sixty Seven"},
        {999999, "Nine Hundred Ninety Nine Thousand Nine Hundred Ninety Nine"},
        {5e9, "Five Thousand Million"},
        {12.9, "Twelve"},
        {-42, "Negative Forty Two"},
        {-0.5, "Negative Zero"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(NumberToWords(c.value, kWordsInteger).c_str(), c.text) << c.value;
}

TEST(NumberToWords, ChequeStyleAlwaysNamesTheCents) {
    EXPECT_STREQ(NumberToWords(12, kWordsCheque).c_str(), "Twelve and No/100");
    EXPECT_STREQ(NumberToWords(12.5, kWordsCheque).c_str(), "Twelve and 50/100");
    // 0.1 is not exact in binary; the cents must still round to 10.
    EXPECT_STREQ(NumberToWords(1040.10, kWordsCheque).c_str(),
                 "One Thousand Forty and 10/100");
    EXPECT_STREQ(NumberToWords(-3.25, kWordsCheque).c_str(), "Negative Three and 25/100");
}

TEST(NumberToWords, EighthsByNameAndOtherFractionsInThousandths) {
    EXPECT_STREQ(NumberToWords(4, kWordsEighths).c_str(), "Four");
    EXPECT_STREQ(NumberToWords(1.125, kWordsEighths).c_str(), "One and One Eighth");
    EXPECT_STREQ(NumberToWords(1.25, kWordsEighths).c_str(), "One and One Fourth");
    EXPECT_STREQ(NumberToWords(12.5, kWordsEighths).c_str(), "Twelve and One Half");
    EXPECT_STREQ(NumberToWords(3.75, kWordsEighths).c_str(), "Three and Three Fourths");
    EXPECT_STREQ(NumberToWords(2.875, kWordsEighths).c_str(), "Two and Seven Eighths");
    EXPECT_STREQ(NumberToWords(2.3750000001, kWordsEighths).c_str(),
                 "Two and Three Eighths");
    EXPECT_STREQ(NumberToWords(1.3, kWordsEighths).c_str(), "One and 300/1000");
}

TEST(NumberToWords, YearsReadInPairs) {
    const struct { double value; const char* text; } cases[] = {
        {1995, "Nineteen Ninety Five"}, {1905, "Nineteen Oh Five"},
        {2005, "Two Thousand Five"},    {2010, "Twenty Ten"},
        {1066, "Ten Sixty Six"},        {1900, "Nineteen Hundred"},
        {2000, "Two Thousand"},         {1009, "One Thousand Nine"},
        {99, "Ninety Nine"},            {10000, "Ten Thousand"},
        {150, "One Fifty"},             {-1995, "Negative One Thousand Nine Hundred Ninety Five"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(NumberToWords(c.value, kWordsYear).c_str(), c.text) << c.value;
}

TEST(NumberToWords, DecimalStyleSpellsDigitsUntilOnlyZerosRemain) {
    EXPECT_STREQ(NumberToWords(3.14, kWordsDecimal).c_str(), "Three Point One Four");
    EXPECT_STREQ(NumberToWords(3, kWordsDecimal).c_str(), "Three Point Zero");
    EXPECT_STREQ(NumberToWords(2.05, kWordsDecimal).c_str(), "Two Point Zero Five");
    EXPECT_STREQ(NumberToWords(0.5, kWordsDecimal).c_str(), "Zero Point Five");
    // Only three places are looked at.
    EXPECT_STREQ(NumberToWords(1.0004, kWordsDecimal).c_str(), "One Point Zero");
    EXPECT_STREQ(NumberToWords(-7.125, kWordsDecimal).c_str(),
                 "Negative Seven Point One Two Five");
}

TEST(FormatNumber, FixedOrTrimmedDecimals) {
    EXPECT_STREQ(FormatNumber(3.14159, 2).c_str(), "3.14");
    EXPECT_STREQ(FormatNumber(-2, 3).c_str(), "-2.000");
    EXPECT_STREQ(FormatNumber(7.6, 0).c_str(), "8");
    EXPECT_STREQ(FormatNumber(1.5, -1).c_str(), "1.5");
    EXPECT_STREQ(FormatNumber(100, -1).c_str(), "100");
    EXPECT_STREQ(FormatNumber(0.1234567, -1).c_str(), "0.123457");
    EXPECT_STREQ(FormatNumber(0, -1).c_str(), "0");
}

TEST(GroupDigits, FourDigitsStayUnlessAsked) {
    EXPECT_STREQ(Grouped("1234").c_str(), "1234");
    EXPECT_STREQ(Grouped("12345").c_str(), "12,345");
    EXPECT_STREQ(Grouped("123456").c_str(), "123,456");
    EXPECT_STREQ(Grouped("1234567.5").c_str(), "1,234,567.5");
    EXPECT_STREQ(Grouped("123456789012").c_str(), "123,456,789,012");
    EXPECT_STREQ(Grouped("1234", true).c_str(), "1,234");
    EXPECT_STREQ(Grouped("123", true).c_str(), "123");
    EXPECT_STREQ(Grouped("1234.5678", true).c_str(), "1,234.5678");
}

TEST(GroupDigits, OnlyTheFirstNumberOfATextIsGrouped) {
    EXPECT_STREQ(Grouped("-1234567").c_str(), "-1,234,567");
    EXPECT_STREQ(Grouped("Total: 12345 of 67890").c_str(), "Total: 12,345 of 67890");
    EXPECT_STREQ(Grouped("12345 items. Done").c_str(), "12,345 items. Done");
    // Old separators, wherever they were, give way to fresh ones.
    EXPECT_STREQ(Grouped("1,2345,67").c_str(), "1,234,567");
    EXPECT_STREQ(Grouped("a, b").c_str(), "a, b");
    EXPECT_STREQ(Grouped("").c_str(), "");
}

TEST(GroupDigits, GroupedFormsOfNumbers) {
    EXPECT_STREQ(FormatGroupedInteger(1234).c_str(), "1234");
    EXPECT_STREQ(FormatGroupedInteger(INT64_MIN).c_str(), "-9,223,372,036,854,775,808");
    EXPECT_STREQ(FormatGroupedNumber(1234567.891, 2).c_str(), "1,234,567.89");
    EXPECT_STREQ(FormatGroupedNumber(98765.25, -1).c_str(), "98,765.25");
}

TEST(FormatByteSize, UnitChangesAtEachPowerOf1024) {
    const int64_t kKB = 1024, kMB = kKB * kKB, kGB = kMB * kKB, kTB = kGB * kKB;
    const struct { int64_t bytes; const char* text; } cases[] = {
        {0, "0 bytes"},
        {-5, "-5 bytes"},
        {1023, "1023 bytes"},
        {kKB, "1.00 KB"},
        {1536, "1.50 KB"},
        {kMB - 1, "1024.00 KB"},
        {kMB, "1.00 MB"},
        {kGB - 1, "1024.00 MB"},
        {kGB, "1.00 GB"},
        {kTB - 1, "1024.00 GB"},
        {kTB, "1.00 TB"},
        {kTB * 2048, "2048.00 TB"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(FormatByteSize(c.bytes).c_str(), c.text) << c.bytes;
}

}  // namespace
