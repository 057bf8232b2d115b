#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/String.h"
#include "TestStrings.h"

namespace {

// Two zero bytes after the text are what lets the buffer double as a wide string.
void ExpectTerminated(const String& s) {
    ASSERT_NE(s.Data(), nullptr);
    EXPECT_EQ(s.Data()[s.Length()], 0);
    EXPECT_EQ(s.Data()[s.Length() + 1], 0);
}

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

// Growth leaves room for the two terminating zeros and for spare bytes asked for,
// never shrinks below a reservation, and a large text that is typed into at its end
// (as whole documents are) is reallocated only now and then, not per keystroke.
TEST(StringTest, GrowthLeavesRoomAndTypingRarelyReallocates) {
    for (int32_t length : {1, 63, 64, 16383, 16384, 100000}) {
        String s;
        ASSERT_NE(s.SetLength(length), nullptr);
        EXPECT_EQ(s.Length(), length);
        EXPECT_GE(s.Size(), length + 2);
        ExpectTerminated(s);
    }
    String s;
    s.SetLength(100000);
    int resizes = 0;
    for (int i = 0; i < 10000; ++i) {
        int32_t before = s.Size();
        ASSERT_TRUE(s.Append('x'));
        if (s.Size() != before) ++resizes;
    }
    EXPECT_LE(resizes, 3);
    ExpectTerminated(s);
    int32_t size = s.Size();
    s.SetLength(s.Length() - 10);  // a few deletions keep the buffer
    EXPECT_EQ(s.Size(), size);
    s.SetLength(100);  // a large shrink gives the memory back
    EXPECT_LT(s.Size(), 2000);

    String spare("abc");
    spare.SetLength(10, 500);
    EXPECT_GE(spare.Size(), 510);
    String r("hello");
    ASSERT_TRUE(r.Reserve(300));
    EXPECT_GE(r.Size(), 300);
    EXPECT_EQ(Std(r), "hello");
    ExpectTerminated(r);
    ASSERT_TRUE(r.Reserve(10));
    EXPECT_GE(r.Size(), 300);
}

TEST(StringTest, AssignFromOwnBuffer) {
    String s("hello world");
    ASSERT_TRUE(s.Assign(s.Data() + 6, 5));
    EXPECT_EQ(Std(s), "world");
    ExpectTerminated(s);

    const char* before = s.Data();
    ASSERT_TRUE(s.Assign(s));
    EXPECT_EQ(s.Data(), before);
    EXPECT_EQ(Std(s), "world");

    s = s;  // NOLINT: self-assignment is part of the contract
    EXPECT_EQ(Std(s), "world");

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
    // 63 bytes: the buffer is full, so appending reallocates.
    String s("abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz0");
    ASSERT_EQ(s.Size(), s.Length() + 2);
    std::string expected = Std(s) + Std(s);
    ASSERT_TRUE(s.Append(s));
    EXPECT_EQ(Std(s), expected);
    ASSERT_TRUE(s.Append(s.Data() + 1, 3));
    EXPECT_EQ(Std(s), expected + "bcd");
}

TEST(StringTest, ReplaceArgumentRules) {
    String s("hello");
    EXPECT_FALSE(s.Replace(-1, 1, "x", 1));
    EXPECT_FALSE(s.Replace(6, 0, "x", 1));
    EXPECT_FALSE(s.Replace(5, 0, "x", 0));    // nothing removed, nothing inserted
    EXPECT_FALSE(s.Replace(0, -3, "x", 0));
    EXPECT_FALSE(s.Replace(0, 2, "x", -1));
    EXPECT_FALSE(s.Replace(0, 0, nullptr, 2));
    EXPECT_EQ(Std(s), "hello");

    EXPECT_TRUE(s.Replace(5, 0, "!", 1));  // at the end: appends
    EXPECT_EQ(Std(s), "hello!");
    EXPECT_TRUE(s.Replace(3, 100, "p", 1));  // remove count clipped to the end
    EXPECT_EQ(Std(s), "help");
    EXPECT_TRUE(s.Replace(0, 1, "wh", String::kToZero));
    EXPECT_EQ(Std(s), "whelp");
    EXPECT_TRUE(s.Replace(1, 3, "", 0));
    EXPECT_EQ(Std(s), "wp");
    EXPECT_TRUE(s.Insert(1, "ra", 2));
    EXPECT_TRUE(s.Insert(0, '('));
    EXPECT_TRUE(s.Insert(s.Length(), String(")")));
    EXPECT_EQ(Std(s), "(wrap)");
    ExpectTerminated(s);
    EXPECT_FALSE(s.Delete(0, 0));
    EXPECT_TRUE(s.Delete(0, 6));
    EXPECT_EQ(s.Data(), nullptr);
}

TEST(StringTest, ReplaceWithOwnBytesThatTheTailMoveShifts) {
    String s("0123456789");
    // Source lies behind the edit, inside the part that moves.
    ASSERT_TRUE(s.Replace(1, 1, s.Data() + 5, 3));
    EXPECT_EQ(Std(s), "056723456789");
    String t("0123456789");
    ASSERT_TRUE(t.Replace(0, 0, t.Data() + 8, 2));
    EXPECT_EQ(Std(t), "890123456789");
    String u("abcdef");
    ASSERT_TRUE(u.Replace(2, 3, u.Data(), 1));
    EXPECT_EQ(Std(u), "abaf");
}

TEST(StringTest, ReplaceWithCharacters) {
    String s("ab");
    EXPECT_TRUE(s.ReplaceWithChars(1, 0, '-', 3));
    EXPECT_EQ(Std(s), "a---b");
    EXPECT_TRUE(s.ReplaceWithChars(1, 3, '+', 1));
    EXPECT_EQ(Std(s), "a+b");
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
    EXPECT_EQ(Std(s), "210\xFF");
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
    EXPECT_EQ(Std(s), "x--5-1234567890123-7");
    ASSERT_TRUE(s.Format("[%s]", s.c_str()));  // arguments from the string itself
    EXPECT_EQ(Std(s), "[x--5-1234567890123-7]");
    ASSERT_TRUE(s.Format("%70000d", 1));
    EXPECT_EQ(s.Length(), 65535);
    ExpectTerminated(s);
    ASSERT_TRUE(s.Format("%s", ""));
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(Std(String::Formatted("%05.1f", 2.25)), "002.2");
    s.FromInt(INT32_MIN);
    EXPECT_EQ(Std(s), "-2147483648");
}

TEST(StringTest, Trimming) {
    String s(" \t\"  quoted \"\r\n");
    s.Trim();
    EXPECT_EQ(Std(s), "quoted");
    String r("xxabcxx");
    EXPECT_EQ(r.TrimRight("x"), 2);
    EXPECT_EQ(r.TrimLeft("x"), 2);
    EXPECT_EQ(Std(r), "abc");
    String c("--a--");
    EXPECT_EQ(c.TrimCharAtStart('-'), 2);
    EXPECT_EQ(c.TrimCharAtEnd('-'), 2);
    EXPECT_EQ(Std(c), "a");
    String all("   ");
    EXPECT_EQ(all.TrimRight(), 3);
    EXPECT_EQ(all.Data(), nullptr);
    String lines("a \t\r\nb  \nc \n\r d  ");
    EXPECT_EQ(lines.TrimLineEnds(), 5);
    EXPECT_EQ(Std(lines), "a\r\nb\nc\n\r d  ");
}

TEST(StringTest, WholeTextEdits) {
    String s("Hello World");
    EXPECT_EQ(s.ReplaceChar('l', 'L'), 3);
    EXPECT_EQ(s.ReplaceChar('o', '0', true), 2);
    EXPECT_EQ(s.ReplaceChar('w', '_', true), 1);
    EXPECT_EQ(Std(s), "HeLL0 _0rLd");
    s.SwapCase();
    EXPECT_EQ(Std(s), "hEll0 _0RlD");

    String b("a\r\nb\n\rc\rd\ne\n\nf");
    EXPECT_EQ(b.ReplaceLineBreaks("<br>"), 6);
    EXPECT_EQ(Std(b), "a<br>b<br>c<br>d<br>e<br><br>f");
    String none("plain");
    EXPECT_EQ(none.ReplaceLineBreaks("x"), 0);
    EXPECT_EQ(Std(none), "plain");
}

TEST(StringTest, AddToTrailingNumber) {
    String s("file09");
    EXPECT_EQ(s.AddToTrailingNumber(1, false, 0), 10);
    EXPECT_EQ(Std(s), "file10");
    String n("x-1");
    EXPECT_EQ(n.AddToTrailingNumber(1, false, 0), 0);
    EXPECT_EQ(Std(n), "x0");
    String u("x-1");
    EXPECT_EQ(u.AddToTrailingNumber(1, true, 0), 2);
    EXPECT_EQ(Std(u), "x-2");
    String down("v005");
    EXPECT_EQ(down.AddToTrailingNumber(-7, false, 0), -2);
    EXPECT_EQ(Std(down), "v-002");
    String word("abc");
    EXPECT_EQ(word.AddToTrailingNumber(1, false, int32_t(0x80000000u)), int32_t(0x80000000u));
    EXPECT_EQ(Std(word), "abc");
    EXPECT_EQ(word.AddToTrailingNumber(1, false, 2), 2);
    EXPECT_EQ(Std(word), "abc2");
    String wide("n00000000000000000000000007");
    EXPECT_EQ(wide.AddToTrailingNumber(1, false, 0), 8);
    EXPECT_EQ(Std(wide), "n00000000000000000000000008");
}

TEST(StringTest, PiecesAndConcatenation) {
    String s("abcdef");
    EXPECT_EQ(Std(s.Mid(2, 2)), "cd");
    EXPECT_EQ(Std(s.Mid(4)), "ef");
    EXPECT_EQ(Std(s.Mid(-3, 2)), "ab");
    EXPECT_TRUE(s.Mid(9).IsEmpty());
    EXPECT_EQ(Std(s.Left(10)), "abcdef");
    EXPECT_EQ(Std(s.Right(2)), "ef");
    EXPECT_EQ(Std('<' + s + '>'), "<abcdef>");
    EXPECT_EQ(Std("x" + String() + "y"), "xy");
}

TEST(StringTest, Hash) {
    EXPECT_EQ(String().Hash(), 0x79E2BC9Du);
    EXPECT_EQ(String("abc").Hash(), 0x79E2BC9Du + 97 + 98 + 99 + 3);
    EXPECT_EQ(String("\xFF").Hash(), 0x79E2BC9Du - 1 + 1);
    // A whole group is one little-endian word; the rest are signed bytes.
    EXPECT_EQ(String("abcd\x80").Hash(), 0x79E2BC9Du + 0x64636261u - 128 + 5);
}
