#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

#include "editbox/TextBox.h"
#include "platform/headless/HeadlessFont.h"

namespace {

using Line = std::tuple<int32_t, int32_t, int32_t>;  // start, visible, total

std::vector<Line> Lines(TextBox& box) {
    std::vector<Line> lines;
    int32_t count = box.LineCount();
    for (int32_t i = 0; i < count; ++i) {
        TextBoxLine record;
        EXPECT_TRUE(box.GetLine(i, record));
        lines.emplace_back(record.start, record.visibleCount, record.totalCount);
    }
    return lines;
}

class LayoutTest : public testing::Test {
protected:
    // `columns` monospace cells of 8 pixels; 0 = no wrapping.
    void Mono(const char* text, int32_t columns = 0) {
        box.SetFont(&mono);
        Setup(text, columns * 8);
    }
    void Proportional(const char* text, int32_t width = 0) {
        box.SetFont(&proportional);
        Setup(text, width);
    }
    void Setup(const char* text, int32_t width) {
        box.SetWordWrap(width > 0);
        box.SetWrapWidth(width > 0 ? width : TextBox::kUnbounded);
        box.SetTabDistance(4, kTabCharacters);
        box.SetText(text);
    }

    HeadlessMonospaceFont mono;
    HeadlessProportionalFont proportional;
    TextBox box;
};

TEST_F(LayoutTest, EveryKindOfLineBreakCountsOnce) {
    Mono("abc\r\ndef");
    EXPECT_EQ(Lines(box), (std::vector<Line>{{0, 3, 5}, {5, 3, 3}}));
    Mono("abc\n\rdef");
    EXPECT_EQ(Lines(box), (std::vector<Line>{{0, 3, 5}, {5, 3, 3}}));
    Mono("abc\r\rdef");
    EXPECT_EQ(Lines(box), (std::vector<Line>{{0, 3, 4}, {4, 0, 1}, {5, 3, 3}}));
    Mono("abc\n\ndef");
    EXPECT_EQ(Lines(box), (std::vector<Line>{{0, 3, 4}, {4, 0, 1}, {5, 3, 3}}));
    Mono("ab\n");
    EXPECT_EQ(Lines(box), (std::vector<Line>{{0, 2, 3}, {3, 0, 0}}));
    Mono("");
    EXPECT_EQ(Lines(box), (std::vector<Line>{{0, 0, 0}}));
}

TEST_F(LayoutTest, LineOfIndexFindsTheHoldingLine) {
    Mono("ab\r\ncd\nef");
    EXPECT_EQ(box.LineOfIndex(-5), 0);
    EXPECT_EQ(box.LineOfIndex(2), 0);
    EXPECT_EQ(box.LineOfIndex(3), 0);
    EXPECT_EQ(box.LineOfIndex(4), 1);
    EXPECT_EQ(box.LineOfIndex(6), 1);
    EXPECT_EQ(box.LineOfIndex(7), 2);
    EXPECT_EQ(box.LineOfIndex(9), 2);
    EXPECT_EQ(box.LineOfIndex(100), 2);
    EXPECT_EQ(box.LineStart(3), -1);
    EXPECT_EQ(box.LineLastIndex(1), 5);
    EXPECT_EQ(box.LineVisibleCount(-1), -1);
}

TEST_F(LayoutTest, WrapBreaksAtTheLastSpaceThatFits) {
    Mono("abc def", 4);
    EXPECT_EQ(Lines(box), (std::vector<Line>{{0, 3, 4}, {4, 3, 3}}));
}

TEST_F(LayoutTest, UpToTwoSpacesAfterABreakAreSwallowed) {
    Mono("ab    cd", 4);
    EXPECT_EQ(Lines(box), (std::vector<Line>{{0, 2, 5}, {5, 3, 3}}));
}

TEST_F(LayoutTest, AWordLongerThanTheLineIsCut) {
    Mono("abcdefghij", 4);
    EXPECT_EQ(Lines(box), (std::vector<Line>{{0, 4, 4}, {4, 4, 4}, {8, 2, 2}}));
    // Even when not one character fits, each line takes one.
    Mono("abc", 0);
    box.SetWordWrap(true);
    box.SetWrapWidth(3);
    EXPECT_EQ(Lines(box), (std::vector<Line>{{0, 1, 1}, {1, 1, 1}, {2, 1, 1}}));
}

TEST_F(LayoutTest, BreakAfterCharactersStayOnTheirLine) {
    for (char c : {'-', ',', ';', '>', '\\'}) {
        char text[] = "ab?cdef";
        text[2] = c;
        Mono(text, 4);
        EXPECT_EQ(Lines(box), (std::vector<Line>{{0, 3, 3}, {3, 4, 4}})) << c;
    }
    // A tab is a candidate that is not shown.
    Mono("a\tbcdefgh", 8);
    box.SetTabDistance(2, kTabCharacters);
    EXPECT_EQ(Lines(box), (std::vector<Line>{{0, 1, 2}, {2, 7, 7}}));
    // Other punctuation is not a candidate.
    Mono("ab.cdef", 4);
    EXPECT_EQ(Lines(box), (std::vector<Line>{{0, 4, 4}, {4, 3, 3}}));
}

TEST_F(LayoutTest, InARunOfBlanksTheFirstIsTheCandidate) {
    Mono("ab \t x", 4);
    box.SetTabDistance(1, kTabCharacters);
    // The candidate stays at the space, so the line breaks there: the tab and the
    // space after it go to the next line (one space of it swallowed, not the tab).
    EXPECT_EQ(Lines(box), (std::vector<Line>{{0, 2, 3}, {3, 3, 3}}));
}

TEST_F(LayoutTest, TabsAdvanceToTheNextStop) {
    Mono("\tx\t\ty");
    box.SetTabDistance(4, kTabCharacters);
    EXPECT_EQ(box.TabWidth(), 32);
    EXPECT_EQ(box.XOfIndex(1, 0), 32);
    EXPECT_EQ(box.XOfIndex(2, 0), 40);
    EXPECT_EQ(box.XOfIndex(3, 0), 64);
    EXPECT_EQ(box.XOfIndex(4, 0), 96);
    EXPECT_EQ(box.CharWidth(2), 24);
    EXPECT_EQ(box.LineWidth(0), 104);
}

TEST_F(LayoutTest, TabUnitsConvertToPixels) {
    Mono("x");
    box.SetTabDistance(13.4, kTabPixels);
    EXPECT_EQ(box.TabWidth(), 13);
    box.SetTabDistance(20, kTabDeviceUnits);
    EXPECT_EQ(box.TabWidth(), 20);
    box.SetTabDistance(0.5, kTabInches);
    EXPECT_EQ(box.TabWidth(), 48);
    box.SetTabDistance(3, kTabCharacters);
    EXPECT_EQ(box.TabWidth(), 24);
    box.SetFont(&proportional);
    EXPECT_EQ(box.TabWidth(), 21);
    box.SetTabDistance(0, kTabPixels);
    EXPECT_EQ(box.TabWidth(), 1);
    // With wrapping the stop is never wider than the line.
    box.SetTabDistance(2, kTabInches);
    box.SetWordWrap(true);
    box.SetWrapWidth(100);
    EXPECT_EQ(box.TabWidth(), 100);

    TextBox bare;
    bare.SetTabDistance(1, kTabInches);
    EXPECT_EQ(bare.TabWidth(), 100);
    bare.SetTabDistance(2, kTabCharacters);
    EXPECT_EQ(bare.TabWidth(), 24);
    EXPECT_FALSE(bare.EnsureLayout(0, 0));
}

TEST_F(LayoutTest, ProportionalWidthsIncludeKerning) {
    Proportional("AVA To");
    EXPECT_EQ(box.XOfIndex(1, 0), 7);
    EXPECT_EQ(box.XOfIndex(2, 0), 14);
    EXPECT_EQ(box.XOfIndex(3, 0), 23);
    EXPECT_EQ(box.XOfIndex(5, 0), 35);
    EXPECT_EQ(box.LineWidth(0), 42);
    // "LT" kerns by -3: "LTx" fits in 22 pixels only thanks to it.
    Proportional("LTx", 22);
    EXPECT_EQ(box.LineCount(), 1);
    Proportional("LTx", 21);
    EXPECT_EQ(box.LineCount(), 2);
}

TEST_F(LayoutTest, AnOverhangCountsOnlyInTheFitTest) {
    // "af" is 14 pixels, but "f" reaches 2 further.
    Proportional("af", 15);
    EXPECT_EQ(box.LineCount(), 2);
    Proportional("af", 16);
    EXPECT_EQ(box.LineCount(), 1);
    EXPECT_EQ(box.LineWidth(0), 14);
}

TEST_F(LayoutTest, IndexAtXPicksTheCharacterWhoseMiddleLiesBeyond) {
    Mono("abc\nxy");
    EXPECT_EQ(box.IndexAtX(0, -10), 0);
    EXPECT_EQ(box.IndexAtX(0, 3), 0);
    EXPECT_EQ(box.IndexAtX(0, 4), 1);
    EXPECT_EQ(box.IndexAtX(0, 19), 2);
    EXPECT_EQ(box.IndexAtX(0, 20), 3);
    EXPECT_EQ(box.IndexAtX(0, 500), 3);
    EXPECT_EQ(box.IndexAtX(1, 500), 6);
    EXPECT_EQ(box.IndexAtX(2, 0), -1);
}

TEST_F(LayoutTest, AlignmentShiftsLinesWithinTheWrapWidth) {
    Mono("ab\nabcd", 10);
    box.SetAlignment(TextBoxLine::kCentred);
    EXPECT_EQ(box.AlignmentOffset(0), 32);
    EXPECT_EQ(box.XOfIndex(1, 0), 40);
    EXPECT_EQ(box.IndexAtX(0, 35), 0);
    EXPECT_EQ(box.IndexAtX(0, 36), 1);
    EXPECT_EQ(box.AlignmentOffset(1), 24);
    box.SetAlignment(TextBoxLine::kRightAligned);
    EXPECT_EQ(box.AlignmentOffset(0), 64);
    EXPECT_EQ(box.LineFlags(1), TextBoxLine::kRightAligned);
    EXPECT_EQ(box.XOfIndex(9, 1), 80);
    // Unbounded lines have nothing to align against.
    box.SetWordWrap(false);
    box.SetWrapWidth(TextBox::kUnbounded);
    EXPECT_EQ(box.AlignmentOffset(0), 0);
}

TEST_F(LayoutTest, SingleLineBoxesHaveOneRecord) {
    Mono("ab\ncd efgh", 3);
    box.SetSingleLine(true);
    EXPECT_EQ(Lines(box), (std::vector<Line>{{0, 10, 10}}));
    EXPECT_EQ(box.LineOfIndex(10), 0);
}

TEST_F(LayoutTest, LayoutIsLazy) {
    const char line[] = "some words on a line\n";
    String text;
    char* p = text.SetLength(100000 * 21);
    for (int i = 0; i < 100000; ++i) std::memcpy(p + i * 21, line, 21);
    box.SetFont(&mono);
    box.SetText(text);
    EXPECT_EQ(box.LineStart(5), 5 * 21);
    EXPECT_LT(box.LastLaidOutLine(), 64);
    EXPECT_FALSE(box.LayoutComplete());
    EXPECT_EQ(box.LineOfIndex(21 * 500 + 3), 500);
    EXPECT_LT(box.LastLaidOutLine(), 600);
    EXPECT_GT(box.EstimatedLineCount(), 90000);
    EXPECT_EQ(box.LineCount(), 100001);
    EXPECT_EQ(box.EstimatedLineCount(), 100001);
}

TEST_F(LayoutTest, NoFontMeansNoLayout) {
    box.SetText("abc");
    EXPECT_FALSE(box.EnsureLayout(0, 0));
    EXPECT_EQ(box.LineCount(), 0);
    box.SetFont(&mono);
    EXPECT_FALSE(box.EnsureLayout(-1, 0));
    box.SetWordWrap(true);
    box.SetWrapWidth(0);
    EXPECT_FALSE(box.EnsureLayout(0, 0));
}

}  // namespace
