#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/String.h"

namespace {

class Collect : public StringReceiver {
public:
    std::vector<std::string> tokens;
    void TakeToken(const String& token) override {
        tokens.emplace_back(token.c_str(), size_t(token.Length()));
    }
    void TakeFinalEmptyToken() override { tokens.emplace_back("<end>"); }
};

std::vector<std::string> Split(const String& text, const char* delimiters, int flags,
                               int32_t* count = nullptr) {
    Collect c;
    int32_t n = text.Split(delimiters, flags, c);
    EXPECT_EQ(size_t(n), c.tokens.size());
    if (count) *count = n;
    return c.tokens;
}

using V = std::vector<std::string>;

}  // namespace

TEST(StringSplitTest, EmptyTokensAndTrailingDelimiter) {
    EXPECT_EQ(Split("a,,b", ",", 0), (V{"a", "b"}));
    EXPECT_EQ(Split("a,,b", ",", String::kSplitKeepEmpty), (V{"a", "", "b"}));
    EXPECT_EQ(Split("a,b,", ",", String::kSplitKeepEmpty), (V{"a", "b", "<end>"}));
    EXPECT_EQ(Split("a,b,", ",", 0), (V{"a", "b"}));
    EXPECT_EQ(Split(",", ",", String::kSplitKeepEmpty), (V{"", "<end>"}));
    EXPECT_EQ(Split("", ",", String::kSplitKeepEmpty), V{});
    EXPECT_EQ(Split("a b", nullptr, 0), V{"a b"});
    EXPECT_EQ(Split("a;b,c", ";,", 0), (V{"a", "b", "c"}));
}

TEST(StringSplitTest, ZeroBytesAndLineBreaks) {
    EXPECT_EQ(Split(String("a\0b", 3), ",", String::kSplitZeroIsDelimiter), (V{"a", "b"}));
    EXPECT_EQ(Split(String("a\0b", 3), ",", 0), V{std::string("a\0b", 3)});
    EXPECT_EQ(Split("1\r\n2\n\r3\r4\n\n5", nullptr, String::kSplitLineBreaks),
              (V{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(Split("1\r\n2\n\n3\n", nullptr, String::kSplitLineBreaks | String::kSplitKeepEmpty),
              (V{"1", "2", "", "3", "<end>"}));
    EXPECT_EQ(Split("1\r\n2\n\n3", nullptr,
                    String::kSplitLineBreaks | String::kSplitKeepDelimiter),
              (V{"1\r\n", "2\n", "3"}));
}

TEST(StringSplitTest, TrimmingAndQuotes) {
    EXPECT_EQ(Split(" a , ,b ", ",", String::kSplitTrim), (V{"a", "b"}));
    EXPECT_EQ(Split(" a , ,b ", ",", String::kSplitTrim | String::kSplitKeepEmpty),
              (V{"a", "", "b"}));
    EXPECT_EQ(Split("\"a,b\",c", ",", 0), (V{"\"a", "b\"", "c"}));
    EXPECT_EQ(Split("\"a,b\",c", ",", String::kSplitKeepQuoted), (V{"\"a,b\"", "c"}));
    EXPECT_EQ(Split(" \" a,b \" ,c", ",",
                    String::kSplitKeepQuoted | String::kSplitUnquote | String::kSplitTrim),
              (V{"a,b", "c"}));
    // Without the trim flag the spaces inside the quotes stay.
    EXPECT_EQ(Split("\" a \"", ",", String::kSplitUnquote), V{" a "});
    const int csv = String::kSplitKeepQuoted | String::kSplitUnquote | String::kSplitUndoubleQuotes;
    EXPECT_EQ(Split("\"say \"\"hi\"\"\",x", ",", csv), (V{"say \"hi\"", "x"}));
    EXPECT_EQ(Split("\"say \"\"hi\"\"\",x", ",", csv & ~String::kSplitUndoubleQuotes),
              (V{"say \"\"hi\"\"", "x"}));
    // Doubled quotes outside enclosing quotes are left alone.
    EXPECT_EQ(Split("a\"\"b", ",", csv), V{"a\"\"b"});
}

TEST(StringSplitTest, DoubledDelimitersAndBackslashes) {
    EXPECT_EQ(Split("a;;b;c", ";", String::kSplitDoubledDelimiter), (V{"a;b", "c"}));
    EXPECT_EQ(Split("a;;;b", ";", String::kSplitDoubledDelimiter), (V{"a;", "b"}));
    EXPECT_EQ(Split("a\\,b,c", ",", String::kSplitBackslash), (V{"a\\,b", "c"}));
    // The backslash also protects a quote from ending the quoted stretch.
    EXPECT_EQ(Split("\"a\\\",b\",c", ",", String::kSplitBackslash | String::kSplitKeepQuoted),
              (V{"\"a\\\",b\"", "c"}));
    EXPECT_EQ(Split("a\\", ",", String::kSplitBackslash), V{"a\\"});
    EXPECT_EQ(Split("a,b", ",", String::kSplitKeepDelimiter | String::kSplitKeepEmpty),
              (V{"a,", "b"}));
}

TEST(StringSplitTest, FinalEmptyTokenIsCountedEvenIfIgnored) {
    class Ignore : public StringReceiver {
    public:
        int taken = 0;
        void TakeToken(const String&) override { ++taken; }
    } ignore;
    EXPECT_EQ(String("a,").Split(",", String::kSplitKeepEmpty, ignore), 2);
    EXPECT_EQ(ignore.taken, 1);
}
