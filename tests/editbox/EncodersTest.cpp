#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/String.h"
#include "editbox/Encoders.h"
#include "TestStrings.h"

namespace {

template <typename Tool, typename... Options>
std::string Coded(Tool tool, const std::string& text, Options... options) {
    String s = Str(text);
    EXPECT_TRUE(tool(s, options...)) << text;
    return Std(s);
}

// A failing decoder must leave its text as it found it.
template <typename Tool>
void ExpectRefused(Tool tool, const std::string& text) {
    String s = Str(text);
    EXPECT_FALSE(tool(s)) << text;
    EXPECT_EQ(Std(s), text);
}

std::string Letters(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += char('a' + i % 26);
    return s;
}

}  // namespace

TEST(EncodersTest, Base64PadsAndWrapsAfterEighteenGroups) {
    EXPECT_EQ(Coded(Base64Encode, "abc", false), "YWJj");
    EXPECT_EQ(Coded(Base64Encode, "ab", false), "YWI=");
    EXPECT_EQ(Coded(Base64Encode, "a", false), "YQ==");
    EXPECT_EQ(Coded(Base64Encode, std::string("\xFF\xFE\0", 3), false), "//4A");
    std::string wrapped = Coded(Base64Encode, std::string(55, 'x'), true);
    EXPECT_EQ(wrapped.size(), 72u + 2 + 4);
    EXPECT_EQ(wrapped.substr(72, 2), "\r\n");
    EXPECT_EQ(Coded(Base64Encode, std::string(55, 'x'), false).find('\r'), std::string::npos);
}

TEST(EncodersTest, Base64DecodeSkipsForeignCharactersAndStopsAtPadding) {
    EXPECT_EQ(Coded(Base64Decode, "YW Jj\r\nYW\tI="), "abcab");
    EXPECT_EQ(Coded(Base64Decode, "YQ==YWJj"), "a");
    // An unfinished group gives what its complete values determine.
    EXPECT_EQ(Coded(Base64Decode, "YWJ"), "ab");
    EXPECT_EQ(Coded(Base64Decode, "YWJjY"), "abc");
    EXPECT_EQ(Coded(Base64Decode, "*!"), "");
}

TEST(EncodersTest, QuotedPrintableBreaksLongLinesWithoutSplittingEscapes) {
    std::string line = Letters(76);
    EXPECT_EQ(Coded(QuotedPrintableEncode, line, false), line.substr(0, 75) + "=\r\n" + line.substr(75));
    // The escape moves to the next line whole, whether one or two of its characters
    // would have crossed the limit.
    EXPECT_EQ(Coded(QuotedPrintableEncode, Letters(74) + "=b", false), Letters(74) + "=\r\n=3Db");
    EXPECT_EQ(Coded(QuotedPrintableEncode, Letters(73) + "\xE9", false), Letters(73) + "=\r\n=E9");
    EXPECT_EQ(Coded(QuotedPrintableEncode, Letters(72) + "\xE9z", false), Letters(72) + "=E9=\r\nz");
    // A leading period takes three characters.
    // Named rather than a literal plus a temporary, on which g++ 12 raises a false -Wrestrict.
    std::string escapedPeriod = "=2E";
    EXPECT_EQ(Coded(QuotedPrintableEncode, std::string(".") + Letters(74), false),
              escapedPeriod + Letters(72) + "=\r\n" + Letters(74).substr(72));
    // A line that reaches the limit ends in a soft break even before a hard one.
    EXPECT_EQ(Coded(QuotedPrintableEncode, Letters(75) + "\nx", false), Letters(75) + "=\r\n\nx");
}

TEST(EncodersTest, QuotedPrintableEscapes) {
    EXPECT_EQ(Coded(QuotedPrintableEncode, "a=b", false), "a=3Db");
    EXPECT_EQ(Coded(QuotedPrintableEncode, ".x\n.y", false), "=2Ex\n=2Ey");
    EXPECT_EQ(Coded(QuotedPrintableEncode, "a \r\nb\t", false), "a=20\r\nb=09");
    EXPECT_EQ(Coded(QuotedPrintableEncode, "a \t \nb c", false), "a=20=09=20\nb c");
    EXPECT_EQ(Coded(QuotedPrintableEncode, std::string("\x01\x7F\xFF\t", 4), false), "=01=7F=FF=09");
    // Header mode escapes what would end or confuse an encoded word, and never breaks.
    EXPECT_EQ(Coded(QuotedPrintableEncode, "a b?_=\r\n", true), "a b=3F=5F=3D=0D=0A");
    EXPECT_EQ(Coded(QuotedPrintableEncode, Letters(100), true), Letters(100));
}

TEST(EncodersTest, QuotedPrintableDecodeRemovesSoftBreaksOfEveryKind) {
    EXPECT_EQ(Coded(QuotedPrintableDecode, "ab=\r\ncd=\nef=\n\rgh=\rij"), "abcdefghij");
    EXPECT_EQ(Coded(QuotedPrintableDecode, "=3d=3D=e9"), "==\xE9");
    EXPECT_EQ(Coded(QuotedPrintableDecode, "a=zz=4"), "a=zz=4");
    EXPECT_EQ(Coded(QuotedPrintableDecode, "a=\r\r"), "a\r");
}

TEST(EncodersTest, Utf8DecodeMapsWideCharactersToOneByte) {
    EXPECT_EQ(Coded(Utf8Encode, "a\xE9\xFF"), "a\xC3\xA9\xC3\xBF");
    EXPECT_EQ(Coded(Utf8Decode, "\xE2\x80\x9C" "a\xC3\xA9"), "\"a\xE9");
    // Not in the look-alike table: a space. Four-byte sequences decode as well.
    EXPECT_EQ(Coded(Utf8Decode, "x\xE4\xB8\xAD" "y\xF0\x9F\x98\x80z"), "x y z");
    EXPECT_EQ(Coded(Utf8Decode, "\xEF\xBD\x9E\xE2\x84\x9D"), "~R");
}

TEST(EncodersTest, Utf8DecodeFailures) {
    ExpectRefused(Utf8Decode, "ab\x80" "cd");
    ExpectRefused(Utf8Decode, "\xC3\xA9\xA9");
    ExpectRefused(Utf8Decode, "ab\xF8\x80\x80\x80\x80");
    // A sequence cut short fails too, but the rest is decoded and the broken bytes
    // stay as they were.
    String s = Str("\xE2\x80x\xC3\xA9\xC3");
    EXPECT_FALSE(Utf8Decode(s));
    EXPECT_EQ(Std(s), "\xE2\x80x\xE9\xC3");
}

TEST(EncodersTest, LookAlikesOfTheCommonPunctuation) {
    const struct {
        uint32_t codePoint;
        char byte;
    } pairs[] = {{0x200B, ' '}, {0x3000, ' '}, {0xFEFF, ' '}, {0x201C, '"'}, {0x201D, '"'},
                 {0x2033, '"'}, {0x2018, '\''}, {0x2019, '\''}, {0x2032, '\''}, {0x2010, '-'},
                 {0x2011, '-'}, {0x2012, '-'}, {0x2013, '-'}, {0x2212, '-'}, {0x2039, '<'},
                 {0x3008, '<'}, {0x203A, '>'}, {0x3009, '>'}, {0x2260, '='}, {0x2261, '='},
                 {0x2102, 'C'}, {0x211D, 'R'}, {0x2124, 'Z'}, {0xFF5E, '~'}, {0xE9, '\xE9'},
                 {0x100, ' '},  {0xFFFF, ' '}, {0x1F600, ' '}};
    for (const auto& pair : pairs) EXPECT_EQ(ByteForCodePoint(pair.codePoint), pair.byte) << pair.codePoint;
}

TEST(EncodersTest, Utf7) {
    EXPECT_EQ(Coded(Utf7Encode, "a+b"), "a+-b");
    EXPECT_EQ(Coded(Utf7Encode, "\xE9"), "+AOkA-");
    // A '+' between two wide characters stays inside their run; one at its edge does not.
    EXPECT_EQ(Coded(Utf7Encode, "\xE9+\xE9"), "+AOkAKwDp-");
    EXPECT_EQ(Coded(Utf7Encode, "\xE9+x"), "+AOkA-+-x");
    EXPECT_EQ(Coded(Utf7Decode, "a+-b+AOkA-c+AOk.d"), "a+b\xE9" "c\xE9.d");
    EXPECT_EQ(Coded(Utf7Decode, "+AOkAKwDp-"), "\xE9+\xE9");
    EXPECT_EQ(Coded(Utf7Decode, "x+"), "x");
}

TEST(EncodersTest, UuencodeLinesOfFortyFiveBytes) {
    EXPECT_EQ(Coded(UuEncode, "Cat"), "#0V%T");
    // Zero values are spaces.
    EXPECT_EQ(Coded(UuEncode, std::string(3, '\0')), "#    ");
    std::string two = Coded(UuEncode, std::string(46, 'x'));
    size_t brk = two.find("\r\n");
    ASSERT_NE(brk, std::string::npos);
    EXPECT_EQ(two[0], 'M');
    EXPECT_EQ(brk, 1u + 60);
    EXPECT_EQ(two.substr(brk + 2, 1), "!");
    EXPECT_EQ(two.size(), 61u + 2 + 5);
}

TEST(EncodersTest, UudecodeChecksLineEnds) {
    EXPECT_EQ(Coded(UuDecode, "#0V%T\r\n#0V%T\n#0V%T\n\r#0V%T\r#0V%T"), "CatCatCatCatCat");
    // A zero count ends the data, whatever follows.
    EXPECT_EQ(Coded(UuDecode, "#0V%T\n`\nend\n"), "Cat");
    EXPECT_EQ(Coded(UuDecode, "!80``\n"), "a");
    ExpectRefused(UuDecode, "#0V%Tx\n");
    ExpectRefused(UuDecode, "#0V%\n");
    ExpectRefused(UuDecode, "begin 644 file\n#0V%T\n");
}

TEST(EncodersTest, Hex) {
    EXPECT_EQ(Coded(HexEncode, std::string("\x01\xAB\0", 3)), "01AB00");
    EXPECT_EQ(Coded(HexDecode, "01aBfF"), "\x01\xAB\xFF");
    ExpectRefused(HexDecode, "ABC");
    ExpectRefused(HexDecode, "0g");
    ExpectRefused(HexDecode, "01 02");
}

TEST(EncodersTest, UrlEscapesTheReservedSetAndEverythingOutsidePrintableAscii) {
    EXPECT_EQ(Coded(UrlEncode, "a b/c", false), "a%20b%2Fc");
    EXPECT_EQ(Coded(UrlEncode, "a b/c", true), "a%20b/c");
    EXPECT_EQ(Coded(UrlEncode, "/%?&\"#<>()[];:@=+\\|~^'*!", false),
              "%2F%25%3F%26%22%23%3C%3E%28%29%5B%5D%3B%3A%40%3D%2B%5C%7C%7E%5E%27%2A%21");
    EXPECT_EQ(Coded(UrlEncode, std::string("-_.$,`{}\x7F\x80\xE9\n\0", 13), false),
              "-_.$,`{}\x7F%80%E9%0A%00");
    EXPECT_EQ(Coded(UrlDecode, "a+b%2f%E9%zz%4"), "a b/\xE9%zz%4");
    EXPECT_EQ(Coded(UrlDecode, std::string("a%41\0%42", 8)), "aA");
}

TEST(EncodersTest, HtmlEncodeUsesEntitiesThenNumbers) {
    EXPECT_EQ(Coded(HtmlEncode, "<\xE9>", 0), "&lt;&eacute;&gt;");
    EXPECT_EQ(Coded(HtmlEncode, "\"&\x01\x80\x9F\xA0\xFF\t\r\n", 0),
              "&quot;&amp;&#1;&#128;&#159;&nbsp;&yuml;\t\r\n");
    EXPECT_EQ(Coded(HtmlEncode, "\"<\xE9", kHtmlKeepQuotes), "\"&lt;&eacute;");
    EXPECT_EQ(Coded(HtmlEncode, "\"<\xE9\x80", kHtmlKeepHighBytes), "&quot;&lt;\xE9\x80");
    EXPECT_EQ(Coded(HtmlEncode, "a\r\nb\n\rc\rd\ne", kHtmlLineBreaks),
              "a<br>\r\nb<br>\r\nc<br>\r\nd<br>\r\ne");
    EXPECT_EQ(Coded(HtmlEncode, "a.  b.   c. d", kHtmlKeepSentenceGap), "a.&nbsp; b.&nbsp;  c. d");
}

TEST(EncodersTest, HtmlDecodeReferencesWithOrWithoutSemicolon) {
    EXPECT_EQ(Coded(HtmlDecode, "&amp &lt;&eacute&Eacute;x"), "& <\xE9\xC9x");
    EXPECT_EQ(Coded(HtmlDecode, "&#65;&#x42;&#X43&#0068;"), "ABCD");
    // References above 255 read as their look-alike, or a space.
    EXPECT_EQ(Coded(HtmlDecode, "&#8220;&#x2019;&#19990;&#99999999999;"), "\"'  ");
    // Unknown names, over-long names and zero values stay as written.
    EXPECT_EQ(Coded(HtmlDecode, "&bogus; &ampere; &#0; &# &x &"), "&bogus; &ampere; &#0; &# &x &");
    EXPECT_EQ(Coded(HtmlDecode, "&EACUTE;"), "&EACUTE;");
}

TEST(EncodersTest, HtmlEntityNamesMapBothWays) {
    int named = 0;
    for (int b = 0; b < 256; ++b) {
        const char* name = HtmlEntityName(uint8_t(b));
        if (!name) continue;
        ++named;
        EXPECT_EQ(HtmlEntityByte(name, int32_t(std::string(name).size())), b) << name;
    }
    EXPECT_EQ(named, 100);
    EXPECT_EQ(HtmlEntityByte("ampx", 4), -1);
    EXPECT_EQ(HtmlEntityByte("am", 2), -1);
}

TEST(EncodersTest, MimeHeaderDecodeKeepsTextBetweenWords) {
    String charset;
    String s = Str("Re: =?iso-8859-1?Q?caf=E9_au_lait?= ok");
    EXPECT_TRUE(MimeHeaderDecode(s, &charset));
    EXPECT_EQ(Std(s), "Re: caf\xE9 au lait ok");
    EXPECT_EQ(Std(charset), "iso-8859-1");

    s = Str("=?UTF-8?B?w6k=?= =?utf-8?q?=C3=A9?=");
    EXPECT_TRUE(MimeHeaderDecode(s, &charset));
    EXPECT_EQ(Std(s), "\xE9 \xE9");
    EXPECT_EQ(Std(charset), "utf-8");

    EXPECT_EQ(Coded(MimeHeaderDecode, "=?x-unicode-2-0-utf-7?Q?+AOkA-?=", nullptr), "\xE9");
    // A BASE64 word ends at a zero byte.
    EXPECT_EQ(Coded(MimeHeaderDecode, "=?x?B?YWIAY2Q=?=!", nullptr), "ab!");
    // A malformed word stops the decoding there.
    EXPECT_EQ(Coded(MimeHeaderDecode, "=?x?Q?a?= =?x?Z?b?= =?x?Q?c?=", nullptr), "a =?x?Z?b?= =?x?Q?c?=");
    EXPECT_EQ(Coded(MimeHeaderDecode, "=?x?Q?a?= =?x?Q?b", nullptr), "a =?x?Q?b");
    EXPECT_EQ(Coded(MimeHeaderDecode, "=?x", nullptr), "=?x");
}

TEST(EncodersTest, MimeHeaderEncode) {
    EXPECT_EQ(Coded(MimeHeaderEncode, "caf\xE9 au lait?", false, "iso-8859-1"),
              "=?iso-8859-1?Q?caf=E9_au_lait=3F?=");
    EXPECT_EQ(Coded(MimeHeaderEncode, "ab", true, "utf-8"), "=?utf-8?B?YWI=?=");
    EXPECT_EQ(Coded(MimeHeaderEncode, "=?x?Q?a?=", true, "utf-8"), "=?x?Q?a?=");
}
