#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/Random.h"
#include "core/String.h"
#include "editbox/TextTools.h"
#include "editbox/TextToolsTable.h"
#include "editbox/EditboxTestSupport.h"

namespace {

// A tool run by the editbox over its whole text, with the options of its menu entry:
// the line feed appended to the text for the run stays or goes as the tool asks.
class TextToolsAppliedTest : public EditboxTest {
protected:
    std::string Applied(int command, const char* text) {
        Make(kMultiLine, text);
        const TextToolEntry* tool = FindTextTool(command);
        EXPECT_NE(tool, nullptr) << command;
        if (tool) {
            EXPECT_TRUE(box->ApplyTextTool(tool->transform, tool->applyFlags)) << command;
        }
        return Text();
    }
};

std::string Apply(bool (*tool)(String&), const std::string& text) {
    String s = Str(text);
    EXPECT_TRUE(tool(s));
    return Std(s);
}

constexpr int kAlphabetize = 11245;
constexpr int kReverseParagraphs = 11265;
constexpr int kDiscardDuplicates = 11470;
constexpr int kTrimTrailingSpaces = 11479;
constexpr int kIndentWithTab = 11249;
constexpr int kUnindent = 11251;

// Lines of a few letters from a small alphabet, so that duplicates and shared
// prefixes are common. Empty lines end in LF only: an LF followed by CR LF would read
// as LF CR and LF.
std::vector<std::string> RandomLines(std::mt19937& rng, int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        std::string line;
        int length = int(rng() % 12);
        for (int k = 0; k < length; ++k) line += "abAB \t.x\xE9"[rng() % 9];
        line += (rng() % 4 == 0 && length > 0) ? "\r\n" : "\n";
        lines.push_back(line);
    }
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line;
    return text;
}

}  // namespace

TEST(TextToolsTest, TitleCaseStartsWordsAfterAsciiSeparatorsOnly) {
    EXPECT_EQ(Apply(ToTitleCase, "hello WORLD"), "Hello World");
    EXPECT_EQ(Apply(ToTitleCase, "o'neil's"), "O'neil's");
    EXPECT_EQ(Apply(ToTitleCase, "3rd"), "3Rd");
    // Bytes above 127 and tabs leave the word-start state as it was.
    EXPECT_EQ(Apply(ToTitleCase, "\xE9lan"), "\xE9Lan");
    EXPECT_EQ(Apply(ToTitleCase, "ab\tcd\xE9" "ef"), "Ab\tcd\xE9" "ef");
    EXPECT_EQ(Apply(ToTitleCase, "one\ntwo\rthree"), "One\nTwo\rThree");
    // The walk stops at a zero byte.
    EXPECT_EQ(Apply(ToTitleCase, std::string("ab\0cd", 5)), std::string("Ab\0cd", 5));
}

TEST(TextToolsTest, SentenceCaseEndsSentencesAtPeriodAndWhiteSpaceOnly) {
    EXPECT_EQ(Apply(ToSentenceCase, "hello. world! again"), "Hello. World! again");
    EXPECT_EQ(Apply(ToSentenceCase, "i SAW NASA."), "I saw nasa.");
    EXPECT_EQ(Apply(ToSentenceCase, "one\ntwo\tthree"), "One\nTwo\tThree");
    EXPECT_EQ(Apply(ToSentenceCase, "v1.2 IS OUT.\r\nyes"), "V1.2 is out.\r\nYes");
    EXPECT_EQ(Apply(ToSentenceCase, "  -- 42 x"), "  -- 42 X");
}

TEST(TextToolsTest, SimpleCaseToolsTouchAsciiLettersOnly) {
    EXPECT_EQ(Apply(ToUpperCase, "ab\xE9Z1"), "AB\xE9Z1");
    EXPECT_EQ(Apply(ToLowerCase, "AB\xC9z1"), "ab\xC9z1");
    EXPECT_EQ(Apply(ToggleCase, "aB\xE9"), "Ab\xE9");
}

TEST(TextToolsTest, AlphabetizeFoldsCaseAndSortsPrefixesFirst) {
    EXPECT_EQ(Apply(Alphabetize, "abc\nab\na\n"), "a\nab\nabc\n");
    // Equal paragraphs (differing in case only) keep their order.
    EXPECT_EQ(Apply(Alphabetize, "b\nA\na\nB\n"), "A\na\nb\nB\n");
    // Bytes compare unsigned, after the eight bytes the fast prefix covers too.
    EXPECT_EQ(Apply(Alphabetize, "\xE9\nz\n"), "z\n\xE9\n");
    EXPECT_EQ(Apply(Alphabetize, "abcdefghijZ\nabcdefghija\nABCDEFGHIJ\n"),
              "ABCDEFGHIJ\nabcdefghija\nabcdefghijZ\n");
    EXPECT_EQ(Apply(Alphabetize, "b\r\na\r\n"), "a\r\nb\r\n");
    EXPECT_EQ(Apply(AlphabetizeDescending, "b\nA\na\nc\n"), "c\nb\nA\na\n");
}

TEST(TextToolsTest, AlphabetizeAgreesWithTheFoldedComparisonOnRandomText) {
    std::mt19937 rng(7);
    std::vector<std::string> lines = RandomLines(rng, 3000);
    std::string sorted = Apply(Alphabetize, Join(lines));
    // The same order from String::Compare, which reads the zero after each copy.
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return Str(a).Compare(Str(b)) < 0;
    });
    EXPECT_EQ(sorted, Join(lines));
}

TEST(TextToolsTest, ReverseParagraphsAlsoBreaksAtZeroBytes) {
    EXPECT_EQ(Apply(ReverseParagraphs, std::string("a\0b\n\rc", 6)), std::string("cb\n\ra\0", 6));
    EXPECT_EQ(Apply(ReverseParagraphs, "\n\nx\n"), "x\n\n\n");
}

TEST(TextToolsTest, RandomizeDrawsLikeRemovingFromAList) {
    std::mt19937 rng(11);
    std::vector<std::string> lines = RandomLines(rng, 2000);
    lines.push_back("last without a break");
    std::string text = Join(lines);

    uint32_t saved = SeedRandom(12345);
    std::string shuffled = Apply(RandomizeParagraphs, text);
    SeedRandom(12345);
    std::vector<std::string> left = lines;
    std::string expected;
    while (!left.empty()) {
        size_t k = size_t(Random(int32_t(left.size())));
        expected += left[k];
        left.erase(left.begin() + std::ptrdiff_t(k));
    }
    SeedRandom(saved);
    EXPECT_EQ(shuffled, expected);
}

TEST_F(TextToolsAppliedTest, RandomizeGivesTheSameOrderFromTheSameSeed) {
    uint32_t saved = SeedRandom(1);
    std::string first = Applied(11478, "1\n2\n3\n4\n5\n6\n7\n8");
    SeedRandom(1);
    std::string second = Applied(11478, "1\n2\n3\n4\n5\n6\n7\n8");
    SeedRandom(saved);
    EXPECT_EQ(first, second);
    EXPECT_NE(first, "1\n2\n3\n4\n5\n6\n7\n8\n");
    std::string sorted = first;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, "\n\n\n\n\n\n\n\n12345678");
}

TEST(TextToolsTest, DiscardDuplicatesKeepsFirstOccurrencesExactly) {
    // Case and trailing spaces matter; the line break does not.
    EXPECT_EQ(Apply(DiscardDuplicateParagraphs, "a\nA\na \na\r\na"), "a\nA\na \n");
    EXPECT_EQ(Apply(DiscardDuplicateParagraphs, "a\n\n\nb\n\n"), "a\n\nb\n");
}

TEST(TextToolsTest, DiscardDuplicatesMatchesASetOnRandomText) {
    std::mt19937 rng(3);
    std::vector<std::string> lines = RandomLines(rng, 20000);
    std::set<std::string> seen;
    std::string expected;
    for (const std::string& line : lines) {
        std::string key = line.substr(0, line.find_first_of("\r\n"));
        if (seen.insert(key).second) expected += line;
    }
    EXPECT_EQ(Apply(DiscardDuplicateParagraphs, Join(lines)), expected);
}

TEST(TextToolsTest, TrimTrailingSpacesBeforeEveryBreak) {
    EXPECT_EQ(Apply(TrimTrailingSpaces, "a \r  \n \n\r"), "a\r\n\n\r");
    // Without a break after it the last line keeps its spaces.
    EXPECT_EQ(Apply(TrimTrailingSpaces, "a  "), "a  ");
}

TEST(TextToolsTest, NormalizeSpacesCollapsesRunsThenWidensAfterPeriods) {
    EXPECT_EQ(Apply(NormalizeSpaces, "a.   b"), "a.  b");
    EXPECT_EQ(Apply(NormalizeSpaces, "a  b"), "a b");
    EXPECT_EQ(Apply(NormalizeSpaces, "x. y. z.  "), "x.  y.  z.  ");
    EXPECT_EQ(Apply(NormalizeSpaces, "a\t\tb   "), "a\t\tb ");
    EXPECT_EQ(Apply(NormalizeSpaces, std::string(300, ' ') + "a. b"), " a.  b");
}

TEST(TextToolsTest, IndentAndUnindentEveryParagraph) {
    EXPECT_EQ(Apply(IndentWithSpace, "a\r\nb\n"), " a\r\n b\n");
}

TEST(TextToolsTest, ReverseCharactersTurnsCrLfIntoLfCr) {
    EXPECT_EQ(Apply(ReverseCharacters, "ab\r\n"), "\n\rba");
}

// Whether the line feed appended for the run stays is the tool's option: paragraph
// tools keep it, the others lose it again.
TEST_F(TextToolsAppliedTest, ParagraphToolsOverTheWholeText) {
    EXPECT_EQ(Applied(kAlphabetize, "b\na"), "a\nb\n");
    EXPECT_EQ(Applied(kReverseParagraphs, "a\nb\r\nc"), "c\nb\r\na\n");
    EXPECT_EQ(Applied(kDiscardDuplicates, "x\r\ny\r\nx"), "x\r\ny");
    EXPECT_EQ(Applied(kTrimTrailingSpaces, "a \t\r\nb  \nc  "), "a\r\nb\nc\n");
    EXPECT_EQ(Applied(kIndentWithTab, "a\n\nb"), "\ta\n\t\n\tb");
    EXPECT_EQ(Applied(kUnindent, "\t\ta\n b\nc\n\t"), "\ta\nb\nc\n");
}

TEST(TextToolsTest, EveryToolOfTheTableIsReachableByItsCommand) {
    std::set<int> commands;
    for (const TextToolEntry& entry : TextToolEntries()) {
        EXPECT_TRUE(commands.insert(entry.command).second) << entry.command;
        EXPECT_EQ(FindTextTool(entry.command), &entry);
        ASSERT_NE(entry.transform, nullptr);
    }
    EXPECT_EQ(commands.size(), 32u);
    EXPECT_EQ(FindTextTool(11000), nullptr);
}
