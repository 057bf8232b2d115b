#include <gtest/gtest.h>

#include "editbox/CommandsTestSupport.h"

namespace {

using Lines = std::vector<std::string>;

// The whole menu of the document editbox once, so that order, labels, numbers and
// nesting are all pinned down together.
TEST_F(CommandsTest, DocumentBoxMenuInOrder) {
    Make(kMultiLine, "hello world");
    box->SetKind(kEditboxKindDocument);
    box->SetCaret(11, false);
    box->InsertChar('!');
    TheHeadlessClipboard().WriteText("x");
    Lines expected = {
        "Copy all text to clipboard\tCtrl+C =11219",
        "Paste clipboard at cursor\tCtrl+V =11196",
        "Select &all\tCtrl+A =11184",
        "&Undo\tCtrl+Z =11222",
        "&Open from file =11160",
        "Save as =11394",
        "Editbox options >",
        "  &Fixed pitch =11346",
        "  &Insert mode\tInsert [x] =11343",
        "  &Word wrap [x] =11227",
        "Editbox tools >",
        "  Alphabetize all paragraphs =11245",
        "  Convert case >",
        "    Convert all to lower case\tCtrl+Shift+L =11473",
        "    Convert all to upper case\tCtrl+Shift+U =11475",
        "    Convert all to sentence case =11474",
        "    Convert all to title case =11477",
        "    Toggle all case =11476",
        "  Convert encoding >",
        "    Decanonicalize from HTML =11490",
        "    Decanonicalize from URL =11492",
        "    Decode from BASE64 =11481",
        "    Decode from hex =11105",
        "    Decode from MIME header =11103",
        "    Decode from Quoted-Printable =11483",
        "    Decode from UTF-7 =11485",
        "    Decode from UTF-8 =11493",
        "    Decode from UUENCODE =11487",
        "    Canonicalize for HTML =11489",
        "    Canonicalize for URL =11491",
        "    Encode to BASE64 =11482",
        "    Encode to hex =11106",
        "    Encode to Quoted-Printable =11484",
        "    Encode to UTF-7 =11486",
        "    Encode to UTF-8 =11496",
        "    Encode to UUENCODE =11488",
        "  Discard duplicate paragraphs =11470",
        "  Indent all with space =11256",
        "  &Indent all with tab =11249",
        "  &Normalize spaces =11250",
        "  &Open from file =11160",
        "  Randomize all paragraphs =11478",
        "  Reverse all paragraphs =11265",
        "  Reverse all characters =11480",
        "  Save to file =11394",
        "  &Trim trailing spaces =11479",
        "  &Unindent all =11251",
    };
    EXPECT_EQ(Menu().lines, expected);
}

TEST_F(CommandsTest, LabelsNameTheSelectionWhenThereIsOne) {
    Make(kMultiLine, "one\ntwo\n");
    TheHeadlessClipboard().WriteText("x");
    box->SetSelection(0, 3);
    MenuLines menu = Menu();
    EXPECT_EQ(menu.LabelOf(kCmdEditCut), "Cut selection to clipboard\tCtrl+X");
    EXPECT_EQ(menu.LabelOf(kCmdEditCopy), "Copy selection to clipboard\tCtrl+C");
    EXPECT_EQ(menu.LabelOf(kCmdEditPaste), "Paste clipboard over selection\tCtrl+V");
    EXPECT_EQ(menu.LabelOf(kCmdEditAlphabetize), "Alphabetize selected paragraphs");
    EXPECT_EQ(menu.LabelOf(kCmdEditReverseCharacters), "Reverse selected characters");
    EXPECT_EQ(menu.LabelOf(kCmdEditLowerCase), "Convert selection to lower case\tCtrl+Shift+L");
    EXPECT_EQ(menu.LabelOf(kCmdEditToggleCase), "Toggle selection case");
    EXPECT_EQ(menu.LabelOf(kCmdEditIndentWithSpace), "Indent selection with space");
    EXPECT_EQ(menu.LabelOf(kCmdEditIndentWithTab), "&Indent selection with tab\tTab");
    EXPECT_EQ(menu.LabelOf(kCmdEditUnindent), "&Unindent selection\tShift+Tab");
}

TEST_F(CommandsTest, EntriesNeedTextSelectionClipboardAndHistory) {
    Make(kMultiLine, "");
    MenuLines empty = Menu();
    for (int32_t command : {kCmdEditCut, kCmdEditCopy, kCmdEditPaste, kCmdEditSelectAll,
                            kCmdEditUndo, kCmdEditRedo, kCmdEditSaveToFile})
        EXPECT_FALSE(empty.Has(command)) << command;
    EXPECT_TRUE(empty.Has(kCmdEditOpenFromFile));

    box->SetText("abc");
    box->SelectAll();
    EXPECT_FALSE(Menu().Has(kCmdEditSelectAll));
    EXPECT_TRUE(Menu().Has(kCmdEditCut));
    // The only text of the box is no document: "Save to file" but no "Save as".
    EXPECT_EQ(Menu().LabelOf(kCmdEditSaveToFile), "Save to file");

    box->SetCaret(3, false);
    box->InsertChar('d');
    EXPECT_TRUE(Menu().Has(kCmdEditUndo));
    EXPECT_FALSE(Menu().Has(kCmdEditRedo));
    box->Undo();
    EXPECT_TRUE(Menu().Has(kCmdEditRedo));

    TheHeadlessClipboard().WriteText("x");
    TheHeadlessClipboard().SetFailing(true);
    EXPECT_FALSE(Menu().Has(kCmdEditPaste));
}

TEST_F(CommandsTest, ReadOnlyBoxOffersNothingThatChangesText) {
    Make(kMultiLine | kEditboxReadOnly, "text");
    TheHeadlessClipboard().WriteText("x");
    box->SetSelection(0, 2);
    Lines expected = {
        "Copy selection to clipboard\tCtrl+C =11219",
        "Select &all\tCtrl+A =11184",
        "Editbox options >",
        "  &Fixed pitch =11346",
        "  &Word wrap [x] =11227",
        "Editbox tools >",
        "  Save to file =11394",
    };
    EXPECT_EQ(Menu().lines, expected);
}

TEST_F(CommandsTest, StyleBitsAndKindTakeSingleEntriesAway) {
    Make(1, "text");
    TheHeadlessClipboard().WriteText("x");
    MenuLines single = Menu();
    EXPECT_FALSE(single.Has(kCmdEditWordWrap));
    EXPECT_FALSE(single.Has(kCmdEditOpenFromFile));
    EXPECT_TRUE(single.Has(kCmdEditPaste));

    Make(kMultiLine | kEditboxNoPaste | kEditboxNoWordWrapEntry | kEditboxNoFixedPitchEntry |
             kEditboxNoOpenFromFile | kEditboxOverwriteOnly,
         "text");
    box->SetCopyProhibited(true);
    box->SetKind(kEditboxKindDocument);
    MenuLines menu = Menu();
    for (int32_t command : {kCmdEditCopy, kCmdEditPaste, kCmdEditWordWrap, kCmdEditFixedPitch,
                            kCmdEditOpenFromFile, kCmdEditInsertMode})
        EXPECT_FALSE(menu.Has(command)) << command;
    EXPECT_EQ(menu.LabelOf(kCmdEditSaveToFile), "Save as");
}

TEST_F(CommandsTest, OptionsAreTickedWhileOn) {
    Make(kMultiLine, "text");
    box->SetWordWrap(false);
    box->SetFixedPitch(true);
    SetInsertMode(false);
    Lines options;
    for (const std::string& line : Menu().lines)
        if (line.find("=1134") != std::string::npos || line.find("=11227") != std::string::npos)
            options.push_back(line);
    Lines expected = {"  &Fixed pitch [x] =11346", "  &Insert mode\tInsert =11343",
                      "  &Word wrap =11227"};
    EXPECT_EQ(options, expected);
}

}  // namespace
