#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "editbox/CommandsTestSupport.h"

namespace {

struct BoxState {
    const char* name;
    std::function<void(Editbox&)> enter;  // after Make(style, "two\nlines\n")
    int32_t style;
};

// From plain to restricted: with and without selection, undo and redo history, and
// every style bit and kind that takes entries away.
const BoxState kStates[] = {
    {"document box with history",
     [](Editbox& box) {
         box.SetKind(kEditboxKindDocument);
         box.SetCaret(3, false);
         box.InsertChar('!');
     },
     1 | kEditboxMultiLine | kEditboxTabs},
    {"selection after undo",
     [](Editbox& box) {
         box.SetCaret(3, false);
         box.InsertChar('!');
         box.Undo();
         box.SetSelection(0, 5);
     },
     1 | kEditboxMultiLine | kEditboxTabs},
    {"all selected", [](Editbox& box) { box.SelectAll(); }, 1 | kEditboxMultiLine},
    {"empty box", [](Editbox& box) { box.SetText(""); }, 1 | kEditboxMultiLine},
    {"read-only with selection", [](Editbox& box) { box.SetSelection(0, 2); },
     1 | kEditboxMultiLine | kEditboxReadOnly},
    {"single line", [](Editbox&) {}, 1},
    {"every entry taken away",
     [](Editbox& box) {
         box.SetCopyProhibited(true);
         box.SetKind(kEditboxKindDocument);
     },
     1 | kEditboxMultiLine | kEditboxNoPaste | kEditboxNoWordWrapEntry |
         kEditboxNoFixedPitchEntry | kEditboxNoOpenFromFile | kEditboxOverwriteOnly},
};

class CommandsMenuTest : public CommandsTest {
protected:
    void Enter(const BoxState& state) {
        SetInsertMode(true);
        TheHeadlessAsk().Reset();
        TheHeadlessClipboard().WriteText("x");
        Make(state.style, "two\nlines\n");
        state.enter(*box);
    }
};

// Each state's menu is well formed, every entry it offers reaches the command handler
// (done, refused with a beep, or a file dialog shown: an unknown command does none of
// these), and every command it leaves out is refused there too without touching the
// text, so that a key cannot do what the menu would not have offered. A read-only box's
// entries leave the text alone.
TEST_F(CommandsMenuTest, OfferedEntriesAreHandledAndTheOthersRefused) {
    std::set<int32_t> all;
    for (const BoxState& state : kStates) {
        Enter(state);
        for (const MenuEntries::Entry& entry : Menu().entries) all.insert(entry.command);
    }
    for (const BoxState& state : kStates) {
        Enter(state);
        MenuEntries menu = Menu();
        EXPECT_EQ(menu.Malformed(), 0) << state.name;
        for (int32_t command : all) {
            Enter(state);
            std::string before = Text();
            int32_t beeps = Beeps();
            bool done = box->OnCommand(command);
            bool handled = done || Beeps() > beeps || !Asked().empty();
            if (menu.Has(command)) {
                EXPECT_TRUE(handled) << state.name << ": " << menu.LabelOf(command);
                if (state.style & kEditboxReadOnly) {
                    EXPECT_EQ(Text(), before) << command;
                }
            } else if (command != kCmdEditSelectAll) {  // harmless with all selected
                EXPECT_FALSE(done) << state.name << ": " << command;
                EXPECT_EQ(Text(), before) << state.name << ": " << command;
            }
        }
    }
}

TEST_F(CommandsMenuTest, LabelsNameTheSelectionWhenThereIsOne) {
    Make(kMultiLine, "one\ntwo\n");
    TheHeadlessClipboard().WriteText("x");
    struct Case {
        int32_t command;
        const char* whole;
        const char* selected;
    };
    const Case cases[] = {
        {kCmdEditCopy, "Copy all text to clipboard\tCtrl+C", "Copy selection to clipboard\tCtrl+C"},
        {kCmdEditPaste, "Paste clipboard at cursor\tCtrl+V",
         "Paste clipboard over selection\tCtrl+V"},
        {kCmdEditAlphabetize, "Alphabetize all paragraphs", "Alphabetize selected paragraphs"},
        {kCmdEditIndentWithTab, "&Indent all with tab", "&Indent selection with tab\tTab"},
    };
    MenuEntries whole = Menu();
    box->SetSelection(0, 3);
    MenuEntries selected = Menu();
    for (const Case& c : cases) {
        EXPECT_EQ(whole.LabelOf(c.command), c.whole);
        EXPECT_EQ(selected.LabelOf(c.command), c.selected);
    }
}

TEST_F(CommandsTest, EntriesNeedTextSelectionClipboardAndHistory) {
    Make(kMultiLine, "");
    MenuEntries empty = Menu();
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

TEST_F(CommandsTest, StyleBitsAndKindTakeSingleEntriesAway) {
    Make(1, "text");
    TheHeadlessClipboard().WriteText("x");
    MenuEntries single = Menu();
    EXPECT_FALSE(single.Has(kCmdEditWordWrap));
    EXPECT_FALSE(single.Has(kCmdEditOpenFromFile));
    EXPECT_TRUE(single.Has(kCmdEditPaste));

    Make(kMultiLine | kEditboxNoPaste | kEditboxNoWordWrapEntry | kEditboxNoFixedPitchEntry |
             kEditboxNoOpenFromFile | kEditboxOverwriteOnly,
         "text");
    box->SetCopyProhibited(true);
    box->SetKind(kEditboxKindDocument);
    MenuEntries menu = Menu();
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
    MenuEntries menu = Menu();
    EXPECT_TRUE(menu.Checked(kCmdEditFixedPitch));
    EXPECT_FALSE(menu.Checked(kCmdEditInsertMode));
    EXPECT_FALSE(menu.Checked(kCmdEditWordWrap));
    for (int32_t command : {kCmdEditFixedPitch, kCmdEditInsertMode, kCmdEditWordWrap}) {
        ASSERT_TRUE(box->OnCommand(command));
        EXPECT_NE(Menu().Checked(command), menu.Checked(command)) << command;
    }
}

}  // namespace
