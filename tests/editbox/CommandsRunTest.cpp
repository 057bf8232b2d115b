#include <gtest/gtest.h>

#include "editbox/CommandsTestSupport.h"

namespace {

// Every entry of the two conversion sub-menus reaches its own tool: a wrong number in
// either table would show up as a different result here.
TEST_F(CommandsTest, ConversionEntriesRunTheirTools) {
    struct Case {
        int32_t command;
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {kCmdEditLowerCase, "Ab C", "ab c"},
        {kCmdEditUpperCase, "Ab c", "AB C"},
        {kCmdEditSentenceCase, "hello. WORLD", "Hello. World"},
        {kCmdEditTitleCase, "hello WORLD", "Hello World"},
        {kCmdEditToggleCase, "Ab", "aB"},
        {kCmdEditDecodeHtml, "&lt;b&gt;", "<b>"},
        {kCmdEditDecodeUrl, "a+b%2F", "a b/"},
        {kCmdEditDecodeBase64, "YWJj", "abc"},
        {kCmdEditDecodeHex, "61 62\r\n63", "abc"},
        {kCmdEditDecodeMimeHeader, "=?iso-8859-1?Q?a_b?=", "a b"},
        {kCmdEditDecodeQuotedPrintable, "a=3Db", "a=b"},
        {kCmdEditDecodeUtf7, "a+-b", "a+b"},
        {kCmdEditDecodeUtf8, "\xC3\xA9", "\xE9"},
        {kCmdEditDecodeUuencode, "#86)C", "abc"},
        {kCmdEditEncodeHtml, "<\xE9>", "&lt;&eacute;&gt;"},
        {kCmdEditEncodeUrl, "a b/c", "a%20b%2Fc"},
        {kCmdEditEncodeBase64, "ab", "YWI="},
        {kCmdEditEncodeHex, "ab", "6162"},
        {kCmdEditEncodeQuotedPrintable, "a=b", "a=3Db"},
        {kCmdEditEncodeUtf7, "a+b", "a+-b"},
        {kCmdEditEncodeUtf8, "\xE9", "\xC3\xA9"},
        {kCmdEditEncodeUuencode, "abc", "#86)C"},
    };
    for (const Case& c : cases) {
        Make(kMultiLine, c.before);
        EXPECT_TRUE(box->OnCommand(c.command)) << c.command;
        EXPECT_EQ(Text(), c.after) << c.command;
    }
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(CommandsTest, RefusedCommandsBeepAndUnknownOnesAreNotTaken) {
    Make(kMultiLine, "abc");
    EXPECT_FALSE(box->OnCommand(kCmdEditDecodeHex));  // odd length
    EXPECT_FALSE(box->OnCommand(kCmdEditLowerCase));  // nothing to change
    EXPECT_FALSE(box->OnCommand(kCmdEditUndo));
    EXPECT_EQ(Beeps(), 3);
    EXPECT_EQ(Text(), "abc");
    // Text without escapes is decoded Quoted-Printable all the same.
    EXPECT_TRUE(box->OnCommand(kCmdEditDecodeQuotedPrintable));
    EXPECT_EQ(Beeps(), 3);

    EXPECT_FALSE(box->OnCommand(11182));  // search, which this box does not have
    EXPECT_FALSE(box->OnCommand(1));
    EXPECT_EQ(Beeps(), 3);

    Make(1, "a\nb");
    EXPECT_FALSE(box->OnCommand(kCmdEditIndentWithSpace));  // needs a multi-line box
    EXPECT_FALSE(box->OnCommand(kCmdEditWordWrap));
    EXPECT_FALSE(box->OnCommand(kCmdEditOpenFromFile));
    EXPECT_EQ(Beeps(), 6);
    EXPECT_TRUE(Asked().empty());
}

TEST_F(CommandsTest, OptionCommandsFlipTheirSetting) {
    Make(kMultiLine, "text");
    ASSERT_TRUE(box->WordWrap());
    EXPECT_TRUE(box->OnCommand(kCmdEditWordWrap));
    EXPECT_FALSE(box->WordWrap());
    EXPECT_TRUE(box->OnCommand(kCmdEditFixedPitch));
    EXPECT_TRUE(box->IsFixedPitch());
    EXPECT_TRUE(box->OnCommand(kCmdEditInsertMode));
    EXPECT_FALSE(IsInsertMode());
    EXPECT_TRUE(box->OnCommand(kCmdEditWordWrap));
    EXPECT_TRUE(box->WordWrap());

    box->ModifyStyle(kEditboxNoFixedPitchEntry, 0);
    EXPECT_FALSE(box->OnCommand(kCmdEditFixedPitch));
    EXPECT_TRUE(box->IsFixedPitch());
}

TEST_F(CommandsTest, SelectionToolsSelectTheirResult) {
    Make(kMultiLine, "one two three");
    box->SetSelection(8, 4);
    EXPECT_TRUE(box->OnCommand(kCmdEditEncodeHex));
    EXPECT_EQ(Text(), "one 74776F20three");
    EXPECT_EQ(Std(box->GetSelectedText()), "74776F20");
    EXPECT_EQ(box->Caret(), 4);
}

}  // namespace
