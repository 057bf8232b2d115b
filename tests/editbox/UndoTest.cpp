#include <gtest/gtest.h>

#include "editbox/EditboxTestSupport.h"

namespace {

using UndoTest = EditboxTest;

TEST_F(UndoTest, EachTypedCharacterIsOneStep) {
    Make(kMultiLine, "");
    EXPECT_FALSE(box->CanUndo());
    box->InsertChar('a');
    box->InsertChar('b');
    box->InsertChar('c');
    EXPECT_EQ(box->UndoCount(), 3);
    EXPECT_TRUE(box->IsModifiedByEdit());
    EXPECT_TRUE(box->Undo());
    EXPECT_EQ(Text(), "ab");
    EXPECT_TRUE(box->Undo());
    EXPECT_EQ(Text(), "a");
    EXPECT_TRUE(box->Undo());
    EXPECT_EQ(Text(), "");
    EXPECT_FALSE(box->CanUndo());
    EXPECT_FALSE(box->Undo());
    EXPECT_TRUE(box->Redo());
    EXPECT_TRUE(box->Redo());
    EXPECT_TRUE(box->Redo());
    EXPECT_EQ(Text(), "abc");
    EXPECT_FALSE(box->Redo());
}

TEST_F(UndoTest, PositionsFollowTheWorkedExample) {
    Make(kMultiLine, "");
    box->InsertChar('1');  // C1
    box->InsertChar('2');  // C2
    ASSERT_EQ(box->UndoCount(), 2);
    EXPECT_EQ(box->UndoPosition(), 1);
    EXPECT_FALSE(box->CanRedo());

    EXPECT_TRUE(box->Undo());
    EXPECT_EQ(box->UndoCount(), 3);
    EXPECT_EQ(Std(box->UndoRecord(2).text), "12");
    EXPECT_EQ(box->UndoPosition(), 0);
    EXPECT_EQ(Text(), "1");
    EXPECT_TRUE(box->CanRedo());

    EXPECT_TRUE(box->Redo());
    EXPECT_EQ(box->UndoPosition(), 1);
    EXPECT_EQ(Text(), "12");
    EXPECT_FALSE(box->CanRedo());

    EXPECT_TRUE(box->Undo());
    EXPECT_EQ(box->UndoPosition(), 0);
    EXPECT_EQ(box->UndoCount(), 3);
    EXPECT_TRUE(box->Undo());
    EXPECT_EQ(box->UndoPosition(), -1);
    EXPECT_EQ(Text(), "");
    EXPECT_FALSE(box->CanUndo());
    EXPECT_TRUE(box->CanRedo());

    // A new change after undoing drops the redo history.
    box->InsertChar('x');
    EXPECT_EQ(box->UndoCount(), 1);
    EXPECT_FALSE(box->CanRedo());
    EXPECT_FALSE(box->Redo());
}

TEST_F(UndoTest, UndoRestoresSelectionAndScrollPosition) {
    String text;
    for (int i = 0; i < 40; ++i) text.Append("line\n");
    Make(kMultiLine, text.c_str());
    box->ScrollToLine(20);
    box->SetSelection(105, 102);
    box->ReplaceSelection("Z");
    box->ScrollToLine(0);
    box->SetCaret(0, true);
    EXPECT_TRUE(box->Undo());
    EXPECT_EQ(Text(), Std(text));
    EXPECT_EQ(box->Anchor(), 105);
    EXPECT_EQ(box->Caret(), 102);
    EXPECT_EQ(box->TopLine(), 20);
}

TEST_F(UndoTest, TheHundredthRecordPushesOutTheOldest) {
    Make(kMultiLine, "");
    for (int i = 0; i < 99; ++i) box->InsertChar('a' + i % 26);
    EXPECT_EQ(box->UndoCount(), 99);
    EXPECT_EQ(Std(box->UndoRecord(0).text), "");
    box->InsertChar('!');
    EXPECT_EQ(box->UndoCount(), 99);
    EXPECT_EQ(box->UndoPosition(), 98);
    EXPECT_EQ(Std(box->UndoRecord(0).text), "a");
}

TEST_F(UndoTest, LargeDocumentsKeepTheNewestTenSnapshots) {
    String text;
    text.ReplaceWithChars(0, 0, 'x', 0x100000);
    Make(kMultiLine, "");
    box->SetText(text);
    for (int i = 0; i < 15; ++i) {
        box->SetCaret(i, false);
        box->InsertChar('0' + i % 10);
        EXPECT_LE(box->UndoCount(), 10);
    }
    EXPECT_EQ(box->UndoCount(), 10);
    // The ten newest survive, so ten undos walk back one typed character each.
    // The first undo keeps the present state for redo, which pushes out the oldest.
    for (int i = 14; i >= 6; --i) {
        ASSERT_TRUE(box->Undo());
        EXPECT_EQ(box->GetTextLength(), 0x100000 + i);
    }
    EXPECT_FALSE(box->Undo());
    EXPECT_TRUE(box->Redo());
    EXPECT_EQ(box->GetTextLength(), 0x100000 + 7);
}

TEST_F(UndoTest, SmallDocumentsKeepTwoMebibytesOfSnapshots) {
    String text;
    text.ReplaceWithChars(0, 0, 'x', 200000);
    Make(kMultiLine, "");
    box->SetText(text);
    for (int i = 0; i < 30; ++i) box->InsertChar('y');
    // Records of about 200 kB: ten fit under 2 MiB, the eleventh reaches it.
    EXPECT_EQ(box->UndoCount(), 10);
    EXPECT_EQ(box->UndoRecord(9).text.Length(), 200029);
    EXPECT_EQ(box->UndoRecord(0).text.Length(), 200020);

    text.ReplaceWithChars(0, 200000, 'x', 1000);
    box->SetText(text);
    for (int i = 0; i < 60; ++i) box->InsertChar('y');
    EXPECT_EQ(box->UndoCount(), 70);
}

TEST_F(UndoTest, SuspendedUndoMakesAPlaybackOneStep) {
    Make(kMultiLine, "start ");
    box->SetCaret(6, false);
    box->PushUndo();
    box->SuspendUndo();
    for (char c = '0'; c <= '9'; ++c) box->InsertChar(c);
    box->ResumeUndo();
    EXPECT_EQ(box->UndoCount(), 1);
    EXPECT_TRUE(box->Undo());
    EXPECT_EQ(Text(), "start ");
    EXPECT_TRUE(box->Redo());
    EXPECT_EQ(Text(), "start 0123456789");
}

bool Upper(String& text) {
    text.ToUpper();
    return true;
}

TEST_F(UndoTest, ToolOverTheWholeTextLeavesTheCaretAtTheStart) {
    Make(kMultiLine, "abc\ndef");
    box->SetCaret(5, false);
    EXPECT_TRUE(box->ApplyTextTool(Upper, 0));
    EXPECT_EQ(Text(), "ABC\nDEF");
    EXPECT_EQ(box->Caret(), 0);
    EXPECT_FALSE(box->HasSelection());
    EXPECT_EQ(box->UndoCount(), 1);
    EXPECT_TRUE(box->Undo());
    EXPECT_EQ(Text(), "abc\ndef");
}

TEST_F(UndoTest, ToolOverASelectionSelectsTheResultWithTheCaretWhereItWas) {
    Make(kMultiLine, "abc def ghi");
    box->SetSelection(7, 4);
    auto doubled = [](String& text) {
        text = text + text;
        return true;
    };
    EXPECT_TRUE(box->ApplyTextTool(doubled, kToolNoAddedBreak));
    EXPECT_EQ(Text(), "abc defdef ghi");
    EXPECT_EQ(box->Caret(), 4);
    EXPECT_EQ(box->Anchor(), 10);

    // The LF appended to the target is taken off the result again.
    box->SetSelection(0, 3);
    std::string seen;
    auto look = [&](String& text) {
        seen = Std(text);
        text.ToUpper();
        return true;
    };
    EXPECT_TRUE(box->ApplyTextTool(look, 0));
    EXPECT_EQ(seen, "abc\n");
    EXPECT_EQ(Text(), "ABC defdef ghi");
    EXPECT_EQ(box->Anchor(), 0);
    EXPECT_EQ(box->Caret(), 3);
}

TEST_F(UndoTest, ToolFlagsGateAndShapeTheTarget) {
    Make(1 | kEditboxMultiLine, "ab cd\nef");
    EXPECT_FALSE(box->ApplyTextTool(Upper, kToolNeedsTabs));
    EXPECT_FALSE(box->ApplyTextTool(Upper, kToolNeedsSelection));
    Make(1, "ab");
    EXPECT_FALSE(box->ApplyTextTool(Upper, kToolNeedsMultiLine));
    Make(kMultiLine, "");
    EXPECT_FALSE(box->ApplyTextTool(Upper, 0));

    Make(kMultiLine, "ab cd\nef");
    std::string seen;
    auto look = [&](String& text) {
        seen = Std(text);
        return true;
    };
    EXPECT_FALSE(box->ApplyTextTool(look, kToolStripWhiteSpace));
    EXPECT_EQ(seen, "abcdef");
    EXPECT_TRUE(box->ApplyTextTool(look, kToolSucceedUnchanged));
    EXPECT_EQ(box->UndoCount(), 0);
    auto refuse = [](String&) { return false; };
    EXPECT_FALSE(box->ApplyTextTool(refuse, kToolSucceedUnchanged));

    // Kept LF: it stays in the text the tool returns.
    auto reverse = [](String& text) {
        String reversed;
        for (int32_t i = text.Length() - 1; i >= 0; --i) reversed.Append(text[i]);
        text = reversed;
        return true;
    };
    box->SetSelection(3, 5);
    EXPECT_TRUE(box->ApplyTextTool(reverse, kToolKeepAddedBreak | kToolWholeLines));
    // "cd\n" reversed is "\ndc"; a break goes in front because the target began
    // mid-line, and everything after it is selected.
    EXPECT_EQ(Text(), "ab \n\ndc\nef");
    EXPECT_EQ(box->Anchor(), 4);
    EXPECT_EQ(box->Caret(), 7);
}

}  // namespace
