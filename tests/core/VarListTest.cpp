#include <gtest/gtest.h>

#include "core/Var.h"

namespace {

struct Read {
    int32_t result;
    int32_t stoppedAt = -1;
    VarTable table;
};

void ReadInto(Read& r, const char* text, int options = 0) {
    r.result = ReadVarList(text, r.table, options, &r.stoppedAt);
}

String Shown(const VarTable& table, const char* name) {
    const Var* v = table.Find(name);
    return v ? String(v->TypeName()) + ":" + v->ToText() : String("absent");
}

TEST(ReadVarList, NamesWithAndWithoutValues) {
    Read r;
    ReadInto(r, "a=1;b");
    EXPECT_EQ(r.result, kVarListSuccess);
    EXPECT_EQ(r.table.Count(), 2);
    EXPECT_STREQ(Shown(r.table, "a").c_str(), "integer:1");
    EXPECT_STREQ(Shown(r.table, "b").c_str(), "Boolean:true");
    EXPECT_EQ(r.stoppedAt, 5);
}

TEST(ReadVarList, WhiteSpaceAndEmptyItemsAreSkipped) {
    Read r;
    ReadInto(r, " ;; face = \"Courier New\" ; size=11.5;;\r\n bold ;");
    EXPECT_EQ(r.result, kVarListSuccess);
    EXPECT_STREQ(Shown(r.table, "face").c_str(), "string:Courier New");
    EXPECT_STREQ(Shown(r.table, "size").c_str(), "rational:11.5");
    EXPECT_STREQ(Shown(r.table, "bold").c_str(), "Boolean:true");
    Read empty;
    ReadInto(empty, "  ");
    EXPECT_EQ(empty.result, kVarListSuccess);
    EXPECT_EQ(empty.table.Count(), 0);
}

TEST(ReadVarList, LaterValueWinsAndOrderIsKept) {
    Read r;
    ReadInto(r, "x=1;y=2;x=3");
    EXPECT_EQ(r.result, kVarListSuccess);
    ASSERT_EQ(r.table.Count(), 2);
    EXPECT_STREQ(r.table.First()->key.c_str(), "x");
    EXPECT_EQ(r.table.First()->value.ToWhole(), 3);
}

TEST(ReadVarList, FaultsStopTheReadingWhereTheyAre) {
    const struct { const char* text; int32_t result; int32_t stoppedAt; } cases[] = {
        {"=1", kVarListNameExpected, 0},
        {"a=1; =2", kVarListNameExpected, 5},
        {"a=", kVarListValueExpected, 2},
        {"a= ;b", kVarListValueExpected, 3},
        {"a=\"open", kVarListValueExpected, 2},
        {"a==1", kVarListValueExpected, 2},
        {"a=1 b=2", kVarListSeparatorExpected, 4},
        {"a b", kVarListSeparatorExpected, 2},
        {"a=\"x\"y", kVarListSeparatorExpected, 5},
    };
    for (const auto& c : cases) {
        Read r;
        ReadInto(r, c.text);
        EXPECT_EQ(r.result, c.result) << c.text;
        EXPECT_EQ(r.stoppedAt, c.stoppedAt) << c.text;
    }
    // What was read before the fault is kept.
    Read r;
    ReadInto(r, "a=1;b=2 c");
    EXPECT_EQ(r.result, kVarListSeparatorExpected);
    EXPECT_EQ(r.table.Count(), 2);
}

TEST(ReadVarList, LineBreaksSeparateOnlyWhenAsked) {
    const char* text = "a=1\r\nb=2\n\rc=3\rd=4\ne";
    Read plain;
    ReadInto(plain, text);
    EXPECT_EQ(plain.result, kVarListSeparatorExpected);
    EXPECT_EQ(plain.table.Count(), 1);

    Read lines;
    ReadInto(lines, text, kVarListLineBreaks);
    EXPECT_EQ(lines.result, kVarListSuccess);
    EXPECT_EQ(lines.table.Count(), 5);
    EXPECT_STREQ(Shown(lines.table, "d").c_str(), "integer:4");

    // A value must stand on the line of its name.
    Read split;
    ReadInto(split, "a=\nb", kVarListLineBreaks);
    EXPECT_EQ(split.result, kVarListValueExpected);
    Read blankLines;
    ReadInto(blankLines, "a=1\n\n\nb=2\n", kVarListLineBreaks);
    EXPECT_EQ(blankLines.result, kVarListSuccess);
    EXPECT_EQ(blankLines.table.Count(), 2);
}

TEST(ReadVarList, FreeSeparatorsNeedNone) {
    Read r;
    ReadInto(r, "a=1 b=2 flag c=\"x y\"d=12/4/2026", kVarListFreeSeparators);
    EXPECT_EQ(r.result, kVarListSuccess);
    EXPECT_EQ(r.table.Count(), 5);
    EXPECT_STREQ(Shown(r.table, "b").c_str(), "integer:2");
    EXPECT_STREQ(Shown(r.table, "flag").c_str(), "Boolean:true");
    EXPECT_STREQ(Shown(r.table, "c").c_str(), "string:x y");
    EXPECT_STREQ(Shown(r.table, "d").c_str(), "date:12/4/2026");
}

TEST(ReadVarList, ResultTexts) {
    EXPECT_STREQ(VarListResultText(0), "Success");
    EXPECT_STREQ(VarListResultText(1), "Value name expected");
    EXPECT_STREQ(VarListResultText(2), "Value expected after equal sign");
    EXPECT_STREQ(VarListResultText(3), "Separator expected after value");
    EXPECT_STREQ(VarListResultText(4), "!ERROR!");
    EXPECT_STREQ(VarListResultText(-1), "!ERROR!");
}

}  // namespace
