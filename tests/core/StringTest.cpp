#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/String.h"

namespace {

// Two zero bytes after the text are what lets the buffer double as a wide string.
void ExpectTerminated(const String& s) {
    ASSERT_NE(s.Data(), nullptr);
    EXPECT_EQ(s.Data()[s.Length()], 0);
    EXPECT_EQ(s.Data()[s.Length() + 1], 0);
}

std::string Text(const String& s) { return std::string(s.c_str(), size_t(s.Length())); }

}  // namespace

TEST(StringTest, EmptyStringHasNoBuffer) {
    String s;
    EXPECT_EQ(s.Data(), nullptr);
    EXPECT_STREQ(s.c_str(), "");
    EXPECT_EQ(s.Size(), 0);
    s = "abc";
    s.Clear();
    EXPECT_EQ(s.Data(), nullptr);
    EXPECT_EQ(s.Size(), 0);
    EXPECT_EQ(s.SetLength(0), nullptr);
}

TEST(StringTest, AllocationStepsAtTheBoundaries) {
    struct Step { int32_t length, size; };
    for (Step step : {Step{1, 3}, Step{63, 65}, Step{64, 104}, Step{16383, 16423},
                      Step{16384, 20480}}) {
        String s;
        ASSERT_NE(s.SetLength(step.length), nullptr);
        EXPECT_EQ(s.Size(), step.size) << "length " << step.length;
        EXPECT_EQ(s.Length(), step.length);
        ExpectTerminated(s);
    }
}

TEST(StringTest, ReallocatesOnlyWhenFullOrWastingMoreThan1024) {
    String s;
    s.SetLength(100000);
    ASSERT_EQ(s.Size(), 104096);
    s.SetLength(104094);
    EXPECT_EQ(s.Size(), 104096);
    ExpectTerminated(s);
    s.SetLength(104095);
    EXPECT_EQ(s.Size(), 104095 + 4096);

    String t;
    t.SetLength(100000);
    t.SetLength(98976);  // 1024 bytes beyond its own spare room: kept
    EXPECT_EQ(t.Size(), 104096);
    t.SetLength(98975);
    EXPECT_EQ(t.Size(), 98975 + 4096);

    String m;
    m.SetLength(2000);  // size 2040
    m.SetLength(976);   // would get 1016: 1024 wasted
    EXPECT_EQ(m.Size(), 2040);
    m.SetLength(975);
    EXPECT_EQ(m.Size(), 1015);
}

TEST(StringTest, SpareRoomAndReserve) {
    String s("abc");
    s.SetLength(10, 500);
    EXPECT_EQ(s.Size(), 510);
    s.SetLength(20, 1);
    EXPECT_EQ(s.Size(), 510);  // fits, and wastes less than 1024
    s.SetLength(600, 1);
    EXPECT_EQ(s.Size(), 602);

    String r("hello");
    ASSERT_TRUE(r.Reserve(300));
    EXPECT_EQ(r.Size(), 300);
    EXPECT_EQ(Text(r), "hello");
    ExpectTerminated(r);
    ASSERT_TRUE(r.Reserve(10));
    EXPECT_EQ(r.Size(), 300);
}

TEST(StringTest, TypingAtTheEndOfALargeTextResizesOncePerPage) {
    String s;
    s.SetLength(100000);
    int resizes = 0;
    for (int i = 0; i < 10000; ++i) {
        int32_t before = s.Size();
        ASSERT_TRUE(s.Append('x'));
        if (s.Size() != before) ++resizes;
    }
    EXPECT_EQ(resizes, 2);  // at 104095 and 108190
    ExpectTerminated(s);
}

TEST(StringTest, AssignFromOwnBuffer) {
    String s("hello world");
    ASSERT_TRUE(s.Assign(s.Data() + 6, 5));
    EXPECT_EQ(Text(s), "world");
    ExpectTerminated(s);

    const char* before = s.Data();
    ASSERT_TRUE(s.Assign(s));
    EXPECT_EQ(s.Data(), before);
    EXPECT_EQ(Text(s), "world");

    s = s;  // NOLINT: self-assignment is part of the contract
    EXPECT_EQ(Text(s), "world");

    ASSERT_TRUE(s.Assign("x", 0));
    EXPECT_EQ(s.Data(), nullptr);
    ASSERT_TRUE(s.Assign(nullptr, 5));
    EXPECT_TRUE(s.IsEmpty());
}

TEST(StringTest, EmbeddedZeroBytesAreText) {
    String s("a\0b", 3);
    EXPECT_EQ(s.Length(), 3);
    String t = s + 'c';
    EXPECT_EQ(t.Length(), 4);
    EXPECT_EQ(t[1], 0);
    EXPECT_EQ(t[3], 'c');
    EXPECT_FALSE(t.Equals("a"));
}

TEST(StringTest, AppendFromOwnBufferSurvivesReallocation) {
    String s("abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz0");  // 63 bytes
    ASSERT_EQ(s.Size(), 65);
    std::string expected = Text(s) + Text(s);
    ASSERT_TRUE(s.Append(s));
    EXPECT_EQ(Text(s), expected);
    ASSERT_TRUE(s.Append(s.Data() + 1, 3));
    EXPECT_EQ(Text(s), expected + "bcd");
}

TEST(StringTest, ReplaceArgumentRules) {
    String s("hello");
    EXPECT_FALSE(s.Replace(-1, 1, "x", 1));
    EXPECT_FALSE(s.Replace(6, 0, "x", 1));
    EXPECT_FALSE(s.Replace(5, 0, "x", 0));    // nothing removed, nothing inserted
    EXPECT_FALSE(s.Replace(0, -3, "x", 0));
    EXPECT_FALSE(s.Replace(0, 2, "x", -1));
    EXPECT_FALSE(s.Replace(0, 0, nullptr, 2));
    EXPECT_EQ(Text(s), "hello");

    EXPECT_TRUE(s.Replace(5, 0, "!", 1));  // at the end: appends
    EXPECT_EQ(Text(s), "hello!");
    EXPECT_TRUE(s.Replace(3, 100, "p", 1));  // remove count clipped to the end
    EXPECT_EQ(Text(s), "help");
    EXPECT_TRUE(s.Replace(0, 1, "wh", String::kToZero));
    EXPECT_EQ(Text(s), "whelp");
    EXPECT_TRUE(s.Replace(1, 3, "", 0));
    EXPECT_EQ(Text(s), "wp");
    EXPECT_TRUE(s.Insert(1, "ra", 2));
    EXPECT_TRUE(s.Insert(0, '('));
    EXPECT_TRUE(s.Insert(s.Length(), String(")")));
    EXPECT_EQ(Text(s), "(wrap)");
    ExpectTerminated(s);
    EXPECT_FALSE(s.Delete(0, 0));
    EXPECT_TRUE(s.Delete(0, 6));
    EXPECT_EQ(s.Data(), nullptr);
}

TEST(StringTest, ReplaceWithOwnBytesThatTheTailMoveShifts) {
    String s("0123456789");
    // Source lies behind the edit, inside the part that moves.
    ASSERT_TRUE(s.Replace(1, 1, s.Data() + 5, 3));
    EXPECT_EQ(Text(s), "056723456789");
    String t("0123456789");
    ASSERT_TRUE(t.Replace(0, 0, t.Data() + 8, 2));
    EXPECT_EQ(Text(t), "890123456789");
    String u("abcdef");
    ASSERT_TRUE(u.Replace(2, 3, u.Data(), 1));
    EXPECT_EQ(Text(u), "abaf");
}

TEST(StringTest, ReplaceWithCharacters) {
    String s("ab");
    EXPECT_TRUE(s.ReplaceWithChars(1, 0, '-', 3));
    EXPECT_EQ(Text(s), "a---b");
    EXPECT_TRUE(s.ReplaceWithChars(1, 3, '+', 1));
    EXPECT_EQ(Text(s), "a+b");
    EXPECT_FALSE(s.ReplaceWithChars(1, 0, '+', 0));
}

TEST(StringTest, UncheckedAndWordAccess) {
    String s("abcd");
    EXPECT_EQ(s[-1], 0);
    EXPECT_EQ(s[4], 0);
    EXPECT_EQ(s.At(3), 'd');
    EXPECT_EQ(s.Get32(0), int32_t(0x64636261));
    EXPECT_EQ(s.Get32(1), -1);
    EXPECT_TRUE(s.Set32(0, int32_t(0xFF303132)));
    EXPECT_EQ(Text(s), "210\xFF");
    EXPECT_FALSE(s.Set32(-1, 0));
}

TEST(StringTest, FindCharacter) {
    String s("say \"a,b\" and A,b");
    EXPECT_EQ(s.Find(','), 6);
    EXPECT_EQ(s.Find(',', 0, String::kFindSkipQuoted), 15);
    EXPECT_EQ(s.Find('A'), 14);
    EXPECT_EQ(s.Find('A', 0, String::kFindNoCase), 1);
    EXPECT_EQ(s.Find('a', -5, String::kFindNoCase | String::kFindSkipQuoted), 1);
    EXPECT_EQ(s.Find('a', 2, String::kFindNoCase | String::kFindSkipQuoted), 10);
    EXPECT_EQ(s.Find('z'), -1);
    EXPECT_EQ(String("x\"unclosed,").Find(',', 0, String::kFindSkipQuoted), -1);

    EXPECT_EQ(s.Find("and"), 10);
    EXPECT_EQ(s.Find("AND"), -1);
    EXPECT_EQ(s.Find("AND", 0, String::kFindNoCase), 10);
    EXPECT_EQ(s.FindFirstOf(",\""), 4);
    EXPECT_EQ(s.FindLastOf(",\""), 15);
    EXPECT_EQ(s.FindFirstNotOf("say "), 4);
}

TEST(StringTest, FindLineEnd) {
    String s("ab\r\ncd\n\ref\rg");
    EXPECT_EQ(s.FindLineEnd(0), 4);
    EXPECT_EQ(s.FindLineEnd(0, String::kLineEndAtBreak), 2);
    EXPECT_EQ(s.FindLineEnd(4), 8);  // LF CR is one break
    EXPECT_EQ(s.FindLineEnd(8), 11);
    EXPECT_EQ(s.FindLineEnd(11), -1);
    EXPECT_EQ(s.FindLineEnd(11, String::kLineEndOrLength), 12);
    String q("a\"\n\"b\nc");
    EXPECT_EQ(q.FindLineEnd(0, String::kFindSkipQuoted), 6);
    EXPECT_EQ(String("\r\r").FindLineEnd(0), 1);
}

TEST(StringTest, CompareSortsPrefixesFirst) {
    EXPECT_LT(String("abc").Compare(String("abcd")), 0);
    EXPECT_GT(String("abcd").Compare("abc"), 0);
    EXPECT_EQ(String("ABC").Compare("abc"), 0);
    EXPECT_LT(String("ABC").Compare("abc", true), 0);
    EXPECT_EQ(String("abcx").Compare("abcy", true, 3), 0);
    EXPECT_EQ(String().Compare(""), 0);
    EXPECT_EQ(String("a").Compare(String()), 1);
    EXPECT_EQ(String().Compare("a"), -1);
    // Bytes above 127 sort after ASCII.
    EXPECT_GT(String("\xE9").Compare("z"), 0);
}

TEST(StringTest, FormatReplacesTextAndCapsTheResult) {
    String s("old");
    ASSERT_TRUE(s.Format("%s-%d-%lld-%zu", "x", -5, 1234567890123LL, size_t(7)));
    EXPECT_EQ(Text(s), "x--5-1234567890123-7");
    ASSERT_TRUE(s.Format("[%s]", s.c_str()));  // arguments from the string itself
    EXPECT_EQ(Text(s), "[x--5-1234567890123-7]");
    ASSERT_TRUE(s.Format("%70000d", 1));
    EXPECT_EQ(s.Length(), 65535);
    ExpectTerminated(s);
    ASSERT_TRUE(s.Format("%s", ""));
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(Text(String::Formatted("%05.1f", 2.25)), "002.2");
    s.FromInt(INT32_MIN);
    EXPECT_EQ(Text(s), "-2147483648");
}

TEST(StringTest, Trimming) {
    String s(" \t\"  quoted \"\r\n");
    s.Trim();
    EXPECT_EQ(Text(s), "quoted");
    String r("xxabcxx");
    EXPECT_EQ(r.TrimRight("x"), 2);
    EXPECT_EQ(r.TrimLeft("x"), 2);
    EXPECT_EQ(Text(r), "abc");
    String c("--a--");
    EXPECT_EQ(c.TrimCharAtStart('-'), 2);
    EXPECT_EQ(c.TrimCharAtEnd('-'), 2);
    EXPECT_EQ(Text(c), "a");
    String all("   ");
    EXPECT_EQ(all.TrimRight(), 3);
    EXPECT_EQ(all.Data(), nullptr);
    String lines("a \t\r\nb  \nc \n\r d  ");
    EXPECT_EQ(lines.TrimLineEnds(), 5);
    EXPECT_EQ(Text(lines), "a\r\nb\nc\n\r d  ");
}

TEST(StringTest, WholeTextEdits) {
    String s("Hello World");
    EXPECT_EQ(s.ReplaceChar('l', 'L'), 3);
    EXPECT_EQ(s.ReplaceChar('o', '0', true), 2);
    EXPECT_EQ(s.ReplaceChar('w', '_', true), 1);
    EXPECT_EQ(Text(s), "HeLL0 _0rLd");
    s.SwapCase();
    EXPECT_EQ(Text(s), "hEll0 _0RlD");

    String b("a\r\nb\n\rc\rd\ne\n\nf");
    EXPECT_EQ(b.ReplaceLineBreaks("<br>"), 6);
    EXPECT_EQ(Text(b), "a<br>b<br>c<br>d<br>e<br><br>f");
    String none("plain");
    EXPECT_EQ(none.ReplaceLineBreaks("x"), 0);
    EXPECT_EQ(Text(none), "plain");
}

TEST(StringTest, AddToTrailingNumber) {
    String s("file09");
    EXPECT_EQ(s.AddToTrailingNumber(1, false, 0), 10);
    EXPECT_EQ(Text(s), "file10");
    String n("x-1");
    EXPECT_EQ(n.AddToTrailingNumber(1, false, 0), 0);
    EXPECT_EQ(Text(n), "x0");
    String u("x-1");
    EXPECT_EQ(u.AddToTrailingNumber(1, true, 0), 2);
    EXPECT_EQ(Text(u), "x-2");
    String down("v005");
    EXPECT_EQ(down.AddToTrailingNumber(-7, false, 0), -2);
    EXPECT_EQ(Text(down), "v-002");
    String word("abc");
    EXPECT_EQ(word.AddToTrailingNumber(1, false, int32_t(0x80000000u)), int32_t(0x80000000u));
    EXPECT_EQ(Text(word), "abc");
    EXPECT_EQ(word.AddToTrailingNumber(1, false, 2), 2);
    EXPECT_EQ(Text(word), "abc2");
    String wide("n00000000000000000000000007");
    EXPECT_EQ(wide.AddToTrailingNumber(1, false, 0), 8);
    EXPECT_EQ(Text(wide), "n00000000000000000000000008");
}

TEST(StringTest, PiecesAndConcatenation) {
    String s("abcdef");
    EXPECT_EQ(Text(s.Mid(2, 2)), "cd");
    EXPECT_EQ(Text(s.Mid(4)), "ef");
    EXPECT_EQ(Text(s.Mid(-3, 2)), "ab");
    EXPECT_TRUE(s.Mid(9).IsEmpty());
    EXPECT_EQ(Text(s.Left(10)), "abcdef");
    EXPECT_EQ(Text(s.Right(2)), "ef");
    EXPECT_EQ(Text('<' + s + '>'), "<abcdef>");
    EXPECT_EQ(Text("x" + String() + "y"), "xy");
}

TEST(StringTest, Hash) {
    EXPECT_EQ(String().Hash(), 0x79E2BC9Du);
    EXPECT_EQ(String("abc").Hash(), 0x79E2BC9Du + 97 + 98 + 99 + 3);
    EXPECT_EQ(String("\xFF").Hash(), 0x79E2BC9Du - 1 + 1);
    // A whole group is one little-endian word; the rest are signed bytes.
    EXPECT_EQ(String("abcd\x80").Hash(), 0x79E2BC9Du + 0x64636261u - 128 + 5);
}
