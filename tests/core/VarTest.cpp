#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "core/Var.h"

namespace {

bool Holds(const Var& a, int32_t op, const Var& b) {
    return a.Compare(b, op);
}

// All six operators at once, as a pattern of = != <= >= < >.
std::string Operators(const Var& a, const Var& b) {
    std::string pattern;
    for (int32_t op = kVarEqual; op <= kVarGreater; op++) pattern += a.Compare(b, op) ? '1' : '0';
    return pattern;
}
const char* const kEqual = "101100";
const char* const kLess = "011010";
const char* const kGreater = "010101";
const char* const kUnordered = "010000";

Var FromText(int32_t type, const char* text) {
    Var v;
    EXPECT_TRUE(v.SetFromText(type, text)) << VarTypeName(type) << " from " << text;
    return v;
}

TEST(Var, WholeNumbersAreExtendedByTheirSignedness) {
    EXPECT_EQ(Var::Character(char(0xE9)).ToWhole(), -23);
    EXPECT_EQ(Var::Byte(0xE9).ToWhole(), 233);
    EXPECT_EQ(Var::SmallInteger(-2).ToWhole(), -2);
    EXPECT_EQ(Var::UnsignedSmallInteger(0xFFFE).ToWhole(), 65534);
    EXPECT_EQ(Var::UnsignedInteger(0xFFFFFFFF).ToWhole(), 4294967295);
    EXPECT_EQ(Var::Integer(-1).ToWhole(), -1);
    EXPECT_EQ(Var::Boolean(true).ToWhole(), 1);
    EXPECT_EQ(Var::Whole(kVarByte, 0x1FF).ToWhole(), 255);
    EXPECT_EQ(Var::Whole(kVarSmallInteger, 0x18000).ToWhole(), -32768);
    EXPECT_EQ(Var::UnsignedLargeInteger(UINT64_MAX).ToReal(), 18446744073709551615.0);
    EXPECT_EQ(Var::SmallRational(0.1f).ToReal(), double(0.1f));
}

TEST(VarCompare, WholeNumbersCompareBySignedHighAndUnsignedLowHalves) {
    EXPECT_TRUE(Holds(Var::LargeInteger(-1), kVarLess, Var::LargeInteger(1)));
    EXPECT_EQ(Operators(Var::Integer(3), Var::Integer(5)), kLess);
    EXPECT_EQ(Operators(Var::Integer(5), Var::Integer(5)), kEqual);
    EXPECT_EQ(Operators(Var::Integer(5), Var::Integer(3)), kGreater);
    // The low half is unsigned: bit 31 makes it larger, not negative.
    EXPECT_EQ(Operators(Var::LargeInteger(0x80000000), Var::LargeInteger(0x7FFFFFFF)), kGreater);
    EXPECT_EQ(Operators(Var::LargeInteger(INT64_MIN), Var::LargeInteger(INT64_MAX)), kLess);
    // Zero-extended against sign-extended.
    EXPECT_EQ(Operators(Var::UnsignedInteger(0xFFFFFFFF), Var::Integer(-1)), kGreater);
    // The high half is signed, whatever the type: the top of the unsigned range
    // sorts below zero.
    EXPECT_EQ(Operators(Var::UnsignedLargeInteger(UINT64_MAX), Var::Integer(0)), kLess);
    EXPECT_EQ(Operators(Var::Boolean(true), Var::Byte(1)), kEqual);
}

TEST(VarCompare, UnknownOperatorIsAlwaysFalse) {
    for (int32_t op : {0, 7, -1}) {
        EXPECT_FALSE(Holds(Var::Integer(1), op, Var::Integer(1)));
        EXPECT_FALSE(Holds(Var::Integer(1), op, Var::Integer(2)));
        EXPECT_FALSE(Holds(Var::Text("a"), op, Var::Text("a")));
        EXPECT_FALSE(Holds(Var::Rational(1), op, Var::Rational(1)));
    }
}

TEST(VarCompare, RealsAsDoubles) {
    EXPECT_EQ(Operators(Var::Rational(1.5), Var::Integer(2)), kLess);
    EXPECT_EQ(Operators(Var::SmallRational(0.5f), Var::Rational(0.5)), kEqual);
    EXPECT_EQ(Operators(Var::Rational(-0.25), Var::UnsignedInteger(0)), kLess);
    EXPECT_EQ(Operators(Var::Rational(NAN), Var::Rational(NAN)), kUnordered);
}

TEST(VarCompare, TextsBytewiseWithCaseSignificant) {
    EXPECT_EQ(Operators(Var::Text("abc"), Var::Text("ABC")), kGreater);
    EXPECT_FALSE(Holds(Var::Text("abc"), kVarEqual, Var::Text("ABC")));
    EXPECT_TRUE(Holds(Var::Text("B"), kVarLess, Var::Text("a")));
    EXPECT_EQ(Operators(Var::Text("ab"), Var::Text("abc")), kLess);
    EXPECT_EQ(Operators(Var::Text("abc"), Var::Text("abc")), kEqual);
    EXPECT_EQ(Operators(Var::Text(""), Var::Text("")), kEqual);
    // Bytes above 127 sort after ASCII.
    EXPECT_EQ(Operators(Var::Text("\xE9"), Var::Text("z")), kGreater);
}

TEST(VarCompare, MixedKinds) {
    DateTime day = DateTime::Date(2026, 12, 4);
    EXPECT_EQ(Operators(Var::Date(day), Var::Date(DateTime::Date(2026, 12, 5))), kLess);
    EXPECT_EQ(Operators(Var::Date(DateTime::Date(2025, 12, 31)), Var::Date(day)), kLess);
    EXPECT_EQ(Operators(Var::Date(day), Var::DateAndTime(DateTime::At(2026, 12, 4, 0, 0, 0))),
              kLess);
    EXPECT_EQ(Operators(Var::Time(DateTime::Time(9, 30, 0)), Var::Time(DateTime::Time(10, 0, 0))),
              kLess);
    // A text that reads as a number compares as that number.
    EXPECT_EQ(Operators(Var::Text("12"), Var::Integer(12)), kEqual);
    EXPECT_EQ(Operators(Var::Text("10"), Var::Integer(9)), kGreater);
    EXPECT_EQ(Operators(Var::Rational(2.5), Var::Text("10")), kLess);
    // Otherwise by text form.
    EXPECT_EQ(Operators(Var::Text("abc"), Var::Integer(1)), kGreater);
    EXPECT_EQ(Operators(Var::Text("12/4/2026"), Var::Date(day)), kEqual);
    EXPECT_EQ(Operators(Var(), Var()), kEqual);
}

TEST(Var, SetFromTextChecksFormAndRange) {
    EXPECT_EQ(FromText(kVarInteger, "  42 ").ToWhole(), 42);
    EXPECT_EQ(FromText(kVarSmallInteger, "-32768").ToWhole(), -32768);
    EXPECT_EQ(FromText(kVarRational, "1e3").ToReal(), 1000.0);
    EXPECT_EQ(FromText(kVarRational, "-.5").ToReal(), -0.5);
    EXPECT_TRUE(FromText(kVarBoolean, "Yes").ToBoolean());
    EXPECT_FALSE(FromText(kVarBoolean, "0").ToBoolean());
    EXPECT_STREQ(FromText(kVarString, " keeps blanks ").TextValue().c_str(), " keeps blanks ");
    DateTime date = FromText(kVarDate, "12/4/2026").ToDateTime();
    EXPECT_EQ(date.dayOfWeek, 6);
    EXPECT_FALSE(date.HasTime());
    DateTime at = FromText(kVarDateTime, "2/29/2024 23:59:58").ToDateTime();
    EXPECT_EQ(at.day, 29);
    EXPECT_EQ(at.second, 58);
    EXPECT_EQ(FromText(kVarTime, "9:30").ToDateTime().minute, 30);

    const struct { int32_t type; const char* text; } refused[] = {
        {kVarInteger, "2147483648"}, {kVarSmallInteger, "40000"}, {kVarByte, "-1"},
        {kVarUnsignedLargeInteger, "18446744073709551616"},      {kVarInteger, "12abc"},
        {kVarInteger, ""},           {kVarInteger, "1.5"},        {kVarRational, "inf"},
        {kVarRational, "0x10"},      {kVarRational, "."},         {kVarSmallRational, "1e39"},
        {kVarBoolean, "maybe"},      {kVarCharacter, "ab"},       {kVarIPAddress, "256.1.1.1"},
        {kVarIPAddress, "1.2.3"},    {kVarDate, "2/30/2026"},     {kVarDate, "12/4/2026 1:00"},
        {kVarDateTime, "12/4/2026 24:00"}, {kVarTime, "12:60"},   {kVarDate, "13/1/2026"},
    };
    for (const auto& r : refused) {
        Var v = Var::Integer(99);
        EXPECT_FALSE(v.SetFromText(r.type, r.text)) << VarTypeName(r.type) << " from " << r.text;
        EXPECT_EQ(v.Type(), kVarInteger);
        EXPECT_EQ(v.ToWhole(), 99);
    }
}

// Each type's text form, at the edges of its range, and that it reads back as the value.
TEST(Var, TextFormsReadBack) {
    DateTime at = DateTime::At(2026, 12, 4, 13, 5, 9);
    const struct {
        Var value;
        const char* text;
    } forms[] = {
        {Var::Boolean(true), "true"},
        {Var::Boolean(false), "false"},
        {Var::Character('q'), "q"},
        {Var::Byte(200), "200"},
        {Var::SmallInteger(-300), "-300"},
        {Var::UnsignedSmallInteger(60000), "60000"},
        {Var::Integer(INT32_MIN), "-2147483648"},
        {Var::UnsignedInteger(UINT32_MAX), "4294967295"},
        {Var::LargeInteger(INT64_MIN), "-9223372036854775808"},
        {Var::LargeInteger(INT64_MAX), "9223372036854775807"},
        {Var::UnsignedLargeInteger(UINT64_MAX), "18446744073709551615"},
        {Var::SmallRational(0.1f), "0.1"},
        {Var::Rational(11.0), "11"},
        {Var::Rational(-1234.5), "-1234.5"},
        {Var::Text("x;y"), "x;y"},
        {Var::Date(DateTime::Date(2026, 12, 4)), "12/4/2026"},
        {Var::DateAndTime(at), "12/4/2026 13:05:09"},
        {Var::DateAndTime(DateTime::Date(2026, 12, 4)), "12/4/2026"},
        {Var::Time(at), "13:05:09"},
        {Var::IPAddress(0xC0A80001), "192.168.0.1"},
    };
    for (const auto& form : forms) {
        const Var& v = form.value;
        EXPECT_STREQ(v.ToText().c_str(), form.text) << v.TypeName();
        Var back;
        ASSERT_TRUE(back.SetFromText(v.Type(), v.ToText().c_str())) << v.TypeName();
        EXPECT_EQ(back.Type(), v.Type());
        EXPECT_TRUE(back.Compare(v, kVarEqual)) << v.TypeName() << " " << form.text;
    }
    EXPECT_STREQ(Var().ToText().c_str(), "");
    EXPECT_STREQ(VarTypeName(kVarTypeCount), "!ERROR!");
    EXPECT_STREQ(VarTypeName(-1), "!ERROR!");
}

TEST(Var, Conversions) {
    Var v = Var::Integer(300);
    EXPECT_FALSE(v.ConvertTo(kVarByte));
    EXPECT_EQ(v.Type(), kVarInteger);
    v = Var::Integer(200);
    ASSERT_TRUE(v.ConvertTo(kVarByte));
    EXPECT_EQ(v.ToWhole(), 200);

    v = Var::Rational(-3.9);
    ASSERT_TRUE(v.ConvertTo(kVarInteger));
    EXPECT_EQ(v.ToWhole(), -3);
    v = Var::Rational(-1);
    EXPECT_FALSE(v.ConvertTo(kVarUnsignedInteger));
    v = Var::Rational(1e19);
    EXPECT_FALSE(v.ConvertTo(kVarLargeInteger));
    ASSERT_TRUE(v.ConvertTo(kVarUnsignedLargeInteger));
    EXPECT_EQ(uint64_t(v.ToWhole()), 10000000000000000000u);
    v = Var::Rational(1e20);
    EXPECT_FALSE(v.ConvertTo(kVarUnsignedLargeInteger));

    v = Var::UnsignedLargeInteger(UINT64_MAX);
    EXPECT_FALSE(v.ConvertTo(kVarLargeInteger));
    ASSERT_TRUE(v.ConvertTo(kVarRational));
    EXPECT_EQ(v.ToReal(), 18446744073709551615.0);

    v = Var::Integer(5);
    ASSERT_TRUE(v.ConvertTo(kVarString));
    EXPECT_STREQ(v.TextValue().c_str(), "5");
    ASSERT_TRUE(v.ConvertTo(kVarSmallRational));
    EXPECT_EQ(v.ToReal(), 5.0);
    ASSERT_TRUE(v.ConvertTo(kVarBoolean));
    EXPECT_TRUE(v.ToBoolean());

    v = Var::Text("12/4/2026 13:05:09");
    ASSERT_TRUE(v.ConvertTo(kVarDateTime));
    ASSERT_TRUE(v.ConvertTo(kVarTime));
    EXPECT_STREQ(v.ToText().c_str(), "13:05:09");
    EXPECT_FALSE(v.ConvertTo(kVarDate));
    EXPECT_FALSE(v.ConvertTo(kVarInteger));

    v = Var::IPAddress(0xC0A80001);
    EXPECT_FALSE(v.ConvertTo(kVarInteger));
    ASSERT_TRUE(v.ConvertTo(kVarUnsignedInteger));
    EXPECT_EQ(v.ToWhole(), 0xC0A80001);

    v = Var::Text("abc");
    EXPECT_FALSE(v.ConvertTo(kVarInteger));
    EXPECT_FALSE(v.ConvertTo(40));
    ASSERT_TRUE(v.ConvertTo(kVarNull));
    EXPECT_TRUE(v.IsNull());
}

TEST(ReadVarValue, TypesByForm) {
    const struct { const char* text; int32_t type; const char* shown; int32_t length; } cases[] = {
        {"42", kVarInteger, "42", 2},
        {"-42;b", kVarInteger, "-42", 3},
        {"4294967296", kVarLargeInteger, "4294967296", 10},
        {"18446744073709551615", kVarUnsignedLargeInteger, "18446744073709551615", 20},
        {"99999999999999999999", kVarRational, "100000000000000000000", 20},
        {"1.5 x", kVarRational, "1.5", 3},
        {"TRUE", kVarBoolean, "true", 4},
        {"10.0.0.1", kVarIPAddress, "10.0.0.1", 8},
        {"12/4/2026", kVarDate, "12/4/2026", 9},
        {"9:30", kVarTime, "09:30:00", 4},
        {"red", kVarString, "red", 3},
        {"#FF0000;", kVarString, "#FF0000", 7},
        {"\"a \"\"b\"\"; c\"d", kVarString, "a \"b\"; c", 12},
        {"\"\"", kVarString, "", 2},
    };
    for (const auto& c : cases) {
        Var v;
        EXPECT_EQ(ReadVarValue(c.text, v), c.length) << c.text;
        EXPECT_EQ(v.Type(), c.type) << c.text;
        EXPECT_STREQ(v.ToText().c_str(), c.shown) << c.text;
    }
    for (const char* nothing : {"", ";", "=1", " 1", "\"open"}) {
        Var v = Var::Integer(1);
        EXPECT_EQ(ReadVarValue(nothing, v), 0) << nothing;
    }
}

}  // namespace
