#include <gtest/gtest.h>

#include "editbox/CommandsTestSupport.h"
#include "platform/Window.h"

namespace {

constexpr int32_t kCtrlShift = kModCtrl | kModShift;

TEST_F(CommandsTest, CtrlShiftLettersConvertCaseAndOneUndoTakesItBack) {
    Make(kMultiLine, "Mixed Case text");
    box->SetSelection(0, 5);
    EXPECT_TRUE(box->OnKey('L', kCtrlShift));
    EXPECT_EQ(Text(), "mixed Case text");
    EXPECT_EQ(Std(box->GetSelectedText()), "mixed");
    EXPECT_TRUE(box->OnKey('U', kCtrlShift));
    EXPECT_EQ(Text(), "MIXED Case text");
    box->ClearSelection();
    EXPECT_TRUE(box->OnKey('U', kCtrlShift));
    EXPECT_EQ(Text(), "MIXED CASE TEXT");
    EXPECT_EQ(box->Caret(), 0);
    EXPECT_TRUE(box->OnKey('Z', kModCtrl));
    EXPECT_EQ(Text(), "MIXED Case text");
    EXPECT_TRUE(box->OnKey('Y', kModCtrl));
    EXPECT_EQ(Text(), "MIXED CASE TEXT");
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(CommandsTest, KeysOfCommandsNotInTheBoxPassOn) {
    Make(kMultiLine, "text");
    // Calculator, search, statistics, jumps and macros belong to other windows for now.
    for (int32_t key : {'L', 'F', 'S', 'J', 'B', 'K'}) EXPECT_FALSE(box->OnKey(key, kModCtrl)) << key;
    EXPECT_FALSE(box->OnKey('P', kCtrlShift));
    EXPECT_FALSE(box->OnKey('A', kCtrlShift));
    EXPECT_FALSE(box->OnKey('1', kModAlt));
    EXPECT_FALSE(box->OnKey('E', kModAlt));
    EXPECT_FALSE(box->OnKey(kKeyF1 + 2, 0));
    EXPECT_FALSE(box->OnKey(27, 0));
    EXPECT_FALSE(box->OnKey(13, kModCtrl));
    EXPECT_EQ(Text(), "text");
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(CommandsTest, VerticalKeysPassOnAtTheEdgesAndInSingleLineBoxes) {
    Make(kMultiLine, "one\ntwo");
    box->SetCaret(1, false);
    EXPECT_FALSE(box->OnKey(kKeyUp, 0));
    EXPECT_FALSE(box->OnKey(kKeyPgUp, 0));
    EXPECT_TRUE(box->OnKey(kKeyDown, 0));
    EXPECT_EQ(box->Caret(), 5);
    EXPECT_FALSE(box->OnKey(kKeyDown, 0));
    EXPECT_TRUE(box->OnKey(kKeyUp, kModShift));
    EXPECT_EQ(Std(box->GetSelectedText()), "ne\nt");
    EXPECT_FALSE(box->OnKey(kKeyUp, kModAlt));

    Make(1, "one");
    EXPECT_FALSE(box->OnKey(kKeyDown, 0));
    EXPECT_TRUE(box->OnKey(kKeyEnd, 0));
    EXPECT_EQ(box->Caret(), 3);
    EXPECT_FALSE(box->OnKey(kKeyRight, kModCtrl));
    EXPECT_TRUE(box->OnKey(kKeyHome, kModShift));
    EXPECT_TRUE(box->IsAllSelected());
}

TEST_F(CommandsTest, OverwriteReplacesButInsertsAtLineEnds) {
    Make(kMultiLine, "ab\r\ncd\nef");
    EXPECT_TRUE(box->OnKey(kKeyIns, 0));
    EXPECT_FALSE(IsInsertMode());
    box->SetCaret(1, false);
    box->OnKey('X', 0);
    box->OnKey('Y', 0);  // before the CR: goes in front of it
    EXPECT_EQ(Text(), "aXY\r\ncd\nef");
    box->SetCaret(7, false);  // before the LF
    box->OnKey('Z', 0);
    EXPECT_EQ(Text(), "aXY\r\ncdZ\nef");
    box->SetCaret(box->GetTextLength(), false);
    box->OnKey('!', 0);
    EXPECT_EQ(Text(), "aXY\r\ncdZ\nef!");
    // A selection is replaced as in insert mode, line break or not.
    box->SetSelection(2, 5);
    box->OnKey('-', 0);
    EXPECT_EQ(Text(), "aX-cdZ\nef!");
    EXPECT_TRUE(box->OnKey(kKeyIns, 0));
    EXPECT_TRUE(IsInsertMode());
}

TEST_F(CommandsTest, InsKeyChangesTheModeOfEveryEditbox) {
    Make(kMultiLine, "first");
    auto another = [](int32_t style) {
        auto editbox = std::make_unique<Editbox>(style);
        editbox->SetFonts(std::make_unique<HeadlessMonospaceFont>(),
                          std::make_unique<HeadlessMonospaceFont>());
        editbox->SetText("abc");
        return editbox;
    };
    auto other = another(kMultiLine);
    auto alwaysOverwrites = another(kMultiLine | kEditboxOverwriteOnly);

    EXPECT_TRUE(box->OnKey(kKeyIns, 0));
    other->OnKey('X', 0);
    EXPECT_EQ(Std(other->Text()), "Xbc");
    EXPECT_TRUE(other->OnKey(kKeyIns, 0));
    other->OnKey('Y', 0);
    EXPECT_EQ(Std(other->Text()), "XYbc");

    // This box has no say in the mode and ignores it.
    alwaysOverwrites->OnKey('Z', 0);
    EXPECT_EQ(Std(alwaysOverwrites->Text()), "Zbc");
    EXPECT_EQ(Beeps(), 0);
    EXPECT_TRUE(alwaysOverwrites->OnKey(kKeyIns, 0));
    EXPECT_EQ(Beeps(), 1);
    EXPECT_TRUE(IsInsertMode());
}

TEST_F(CommandsTest, TabIndentsASelectionAndTypesOtherwise) {
    Make(kMultiLine, "a\n\tb\nc");
    box->SetSelection(0, 4);
    EXPECT_TRUE(box->OnKey(9, 0));
    EXPECT_EQ(Text(), "\ta\n\t\tb\nc");
    EXPECT_TRUE(box->OnKey(9, kModShift));
    EXPECT_TRUE(box->OnKey(9, kModShift));
    EXPECT_EQ(Text(), "a\nb\nc");
    EXPECT_EQ(box->UndoCount(), 3);

    box->ClearSelection();
    box->SetCaret(0, false);
    EXPECT_FALSE(box->OnKey(9, kModShift));
    EXPECT_TRUE(box->OnKey(9, 0));
    EXPECT_EQ(Text(), "\ta\nb\nc");

    // Without Tab typing the key moves the focus in a dialog.
    Make(kMultiLine & ~kEditboxTabs, "a");
    EXPECT_FALSE(box->OnKey(9, 0));
    EXPECT_EQ(Text(), "a");
}

TEST_F(CommandsTest, EnterAndDeletionKeys) {
    Make(kMultiLine, "abc");
    box->SetCaret(1, false);
    EXPECT_TRUE(box->OnKey(13, 0));
    EXPECT_EQ(Text(), "a\nbc");
    EXPECT_TRUE(box->OnKey(8, 0));
    EXPECT_TRUE(box->OnKey(8, 0));
    EXPECT_TRUE(box->OnKey(8, 0));  // at the start: nothing to take back, and no beep
    EXPECT_TRUE(box->OnKey(kKeyDel, 0));
    EXPECT_EQ(Text(), "c");
    EXPECT_EQ(Beeps(), 0);
    EXPECT_FALSE(box->OnKey(kKeyDel, kModCtrl));

    // A single-line box leaves Enter to the dialog's default button.
    Make(1, "ab");
    EXPECT_FALSE(box->OnKey(13, 0));
    EXPECT_EQ(Text(), "ab");
}

TEST_F(CommandsTest, ReadOnlyBoxCopiesButRefusesEditsWithABeep) {
    Make(kMultiLine | kEditboxReadOnly, "fixed");
    box->SetSelection(0, 2);
    EXPECT_TRUE(box->OnKey('C', kModCtrl));
    EXPECT_EQ(Std(TheHeadlessClipboard().Content()), "fi");
    EXPECT_TRUE(box->OnKey(kKeyIns, kModCtrl));
    EXPECT_EQ(Beeps(), 0);

    int32_t beeps = 0;
    for (auto [key, modifiers] :
         {std::pair<int32_t, int32_t>{'x', 0}, {8, 0}, {kKeyDel, 0}, {13, 0}, {'X', kModCtrl},
          {'V', kModCtrl}, {'L', kCtrlShift}}) {
        EXPECT_TRUE(box->OnKey(key, modifiers)) << key;
        EXPECT_EQ(Beeps(), ++beeps) << key;
    }
    EXPECT_EQ(Text(), "fixed");
    // Insert mode is no business of a box that cannot be typed into.
    EXPECT_TRUE(box->OnKey(kKeyIns, 0));
    EXPECT_TRUE(IsInsertMode());
}

TEST_F(CommandsTest, ClipboardKeys) {
    Make(kMultiLine, "one two");
    EXPECT_TRUE(box->OnKey('C', kModCtrl));
    EXPECT_EQ(Std(TheHeadlessClipboard().Content()), "one two");
    box->SetSelection(0, 4);
    EXPECT_TRUE(box->OnKey('X', kModCtrl));
    EXPECT_EQ(Text(), "two");
    box->SetCaret(3, false);
    EXPECT_TRUE(box->OnKey(kKeyIns, kModShift));
    EXPECT_EQ(Text(), "twoone ");
    EXPECT_TRUE(box->OnKey('a', kModCtrl));
    EXPECT_TRUE(box->IsAllSelected());
    EXPECT_TRUE(box->OnKey('V', kModCtrl));
    EXPECT_EQ(Text(), "one ");
    // Nothing selected: cutting is refused.
    EXPECT_TRUE(box->OnKey('X', kModCtrl));
    EXPECT_EQ(Beeps(), 1);
}

TEST_F(CommandsTest, TypingIsRefusedAtTheMaximumLength) {
    Make(kMultiLine, "abc");
    box->SetMaximumLength(3);
    box->SetCaret(3, false);
    EXPECT_TRUE(box->OnKey('d', 0));
    EXPECT_EQ(Text(), "abc");
    EXPECT_EQ(Beeps(), 1);
    // Control characters are no typing at all.
    EXPECT_FALSE(box->OnKey(1, 0));
    EXPECT_EQ(Beeps(), 1);
}

}  // namespace
