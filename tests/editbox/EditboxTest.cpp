#include <gtest/gtest.h>

#include "editbox/EditboxTestSupport.h"
#include "platform/Sound.h"
#include "platform/Window.h"
#include "platform/headless/HeadlessAsk.h"

namespace {

TEST_F(EditboxTest, DeleteTakesLineBreakPairsWhole) {
    Make(kMultiLine, "ab\r\ncd\rx\n\ry");
    box->SetCaret(2, false);
    EXPECT_TRUE(box->DeleteChar(false));
    EXPECT_EQ(Text(), "abcd\rx\n\ry");
    box->SetCaret(4, false);
    EXPECT_TRUE(box->DeleteChar(false));
    EXPECT_EQ(Text(), "abcdx\n\ry");
    box->SetCaret(5, false);
    EXPECT_TRUE(box->DeleteChar(false));
    EXPECT_EQ(Text(), "abcdxy");
    EXPECT_EQ(box->Caret(), 5);
}

TEST_F(EditboxTest, BackspaceTakesAPairApartOneBytePerPress) {
    Make(kMultiLine, "ab\r\ncd");
    box->SetCaret(4, false);
    EXPECT_TRUE(box->DeleteChar(true));
    EXPECT_EQ(Text(), "ab\rcd");
    EXPECT_EQ(box->Caret(), 3);
    EXPECT_TRUE(box->DeleteChar(true));
    EXPECT_EQ(Text(), "abcd");
    EXPECT_EQ(box->Caret(), 2);
}

TEST_F(EditboxTest, DeleteOutsideTheTextBeepsAndBackspaceAtStartDoesNot) {
    Make(kMultiLine, "ab");
    box->SetCaret(2, false);
    EXPECT_FALSE(box->DeleteChar(false));
    EXPECT_EQ(TheHeadlessSound().Count(), 1);
    EXPECT_EQ(Std(TheHeadlessSound().LastEvent()), "SystemHand");
    box->SetCaret(0, false);
    EXPECT_FALSE(box->DeleteChar(true));
    EXPECT_EQ(TheHeadlessSound().Count(), 1);
    EXPECT_EQ(box->UndoCount(), 0);

    SetSoundEnabled(false);
    box->SetCaret(2, false);
    EXPECT_FALSE(box->DeleteChar(false));
    EXPECT_EQ(TheHeadlessSound().Count(), 1);
    SetSoundEnabled(true);
}

TEST_F(EditboxTest, LeftStopsBetweenPairBytesAndRightSkipsPairs) {
    Make(kMultiLine, "ab\r\ncd\n\r");
    box->SetCaret(4, false);
    EXPECT_TRUE(box->MoveCaret(kKeyLeft, 0));
    EXPECT_EQ(box->Caret(), 3);
    EXPECT_TRUE(box->MoveCaret(kKeyLeft, 0));
    EXPECT_EQ(box->Caret(), 2);
    EXPECT_TRUE(box->MoveCaret(kKeyRight, 0));
    EXPECT_EQ(box->Caret(), 4);
    box->SetCaret(6, false);
    EXPECT_TRUE(box->MoveCaret(kKeyRight, 0));
    EXPECT_EQ(box->Caret(), 8);
    EXPECT_FALSE(box->MoveCaret(kKeyRight, 0));
    box->SetCaret(0, false);
    EXPECT_FALSE(box->MoveCaret(kKeyLeft, 0));
    EXPECT_FALSE(box->MoveCaret(kKeyLeft, kModAlt));
}

TEST_F(EditboxTest, LeftAndRightCollapseASelectionToItsEnds) {
    Make(kMultiLine, "abcdef");
    box->SetSelection(4, 2);
    EXPECT_TRUE(box->MoveRight(false));
    EXPECT_FALSE(box->HasSelection());
    EXPECT_EQ(box->Caret(), 4);
    box->SetSelection(1, 3);
    EXPECT_TRUE(box->MoveLeft(false));
    EXPECT_EQ(box->Caret(), 1);
    EXPECT_EQ(box->Anchor(), -1);
}

TEST_F(EditboxTest, ShiftMovementSelectsUnlessTheStyleForbidsIt) {
    Make(kMultiLine, "abcdef");
    box->SetCaret(2, false);
    box->MoveCaret(kKeyRight, kModShift);
    box->MoveCaret(kKeyRight, kModShift);
    EXPECT_EQ(box->Anchor(), 2);
    EXPECT_EQ(box->Caret(), 4);
    box->MoveCaret(kKeyEnd, kModShift);
    EXPECT_EQ(Std(box->GetSelectedText()), "cdef");
    box->MoveCaret(kKeyHome, 0);
    EXPECT_FALSE(box->HasSelection());

    Make(kMultiLine | kEditboxNoShiftSelect, "abcdef");
    box->SetCaret(2, false);
    box->MoveCaret(kKeyRight, kModShift);
    EXPECT_FALSE(box->HasSelection());
    EXPECT_EQ(box->Caret(), 3);
}

TEST_F(EditboxTest, WordMovementIsDelimitedByWhiteSpaceOnly) {
    Make(kMultiLine, "one, two\t\n three");
    const int32_t end = box->GetTextLength();
    box->SetCaret(0, false);
    box->MoveCaret(kKeyRight, kModCtrl);
    EXPECT_EQ(box->Caret(), 5);
    box->MoveCaret(kKeyRight, kModCtrl);
    EXPECT_EQ(box->Caret(), 11);
    box->MoveCaret(kKeyRight, kModCtrl);
    EXPECT_EQ(box->Caret(), end);
    EXPECT_FALSE(box->MoveCaret(kKeyRight, kModCtrl));
    box->MoveCaret(kKeyLeft, kModCtrl);
    EXPECT_EQ(box->Caret(), 11);
    box->MoveCaret(kKeyLeft, kModCtrl);
    EXPECT_EQ(box->Caret(), 5);
    box->SetCaret(3, false);
    box->MoveCaret(kKeyLeft, kModCtrl);
    EXPECT_EQ(box->Caret(), 0);
}

TEST_F(EditboxTest, HomeAndEndWorkOnDisplayLines) {
    // 40 columns: the first line breaks after "aaa... " at the space.
    String text;
    for (int i = 0; i < 36; ++i) text.Append('a');
    text.Append("   bbbb cc\nd");
    Make(kMultiLine, text.c_str());
    box->SetCaret(45, false);
    EXPECT_EQ(box->CaretLine(), 1);
    box->MoveCaret(kKeyHome, 0);
    EXPECT_EQ(box->Caret(), 39);
    box->SetCaret(5, false);
    box->MoveCaret(kKeyEnd, 0);
    EXPECT_EQ(box->Caret(), 36);
    box->MoveCaret(kKeyEnd, kModCtrl);
    EXPECT_EQ(box->Caret(), box->GetTextLength());
    box->SetMinimumCaret(3);
    box->MoveCaret(kKeyHome, kModCtrl);
    EXPECT_EQ(box->Caret(), 3);
}

TEST_F(EditboxTest, UpAndDownKeepTheRememberedColumn) {
    Make(kMultiLine, "abcdefgh\nab\nabcdefgh");
    box->SetCaret(6, false);
    EXPECT_TRUE(box->MoveCaret(kKeyDown, 0));
    EXPECT_EQ(box->Caret(), 11);
    EXPECT_TRUE(box->MoveCaret(kKeyDown, 0));
    EXPECT_EQ(box->Caret(), 18);
    EXPECT_FALSE(box->MoveCaret(kKeyDown, 0));
    EXPECT_TRUE(box->MoveCaret(kKeyUp, kModShift));
    EXPECT_EQ(box->Anchor(), 18);
    EXPECT_TRUE(box->MoveCaret(kKeyUp, 0));
    EXPECT_EQ(box->Caret(), 6);
    EXPECT_FALSE(box->HasSelection());
    EXPECT_FALSE(box->MoveCaret(kKeyUp, 0));
    // A horizontal move sets a new column.
    box->MoveCaret(kKeyLeft, 0);
    box->MoveCaret(kKeyDown, 0);
    EXPECT_EQ(box->Caret(), 11);
    box->MoveCaret(kKeyDown, 0);
    EXPECT_EQ(box->Caret(), 17);

    Make(1, "abc");
    EXPECT_FALSE(box->MoveCaret(kKeyDown, 0));
}

TEST_F(EditboxTest, PageKeysMoveByTheViewAndStopAtTheEnds) {
    String text;
    for (int i = 0; i < 30; ++i) text.Append(String::Formatted("line %02d\n", i));
    Make(kMultiLine, text.c_str());
    box->SetCaret(2, false);
    EXPECT_TRUE(box->MoveCaret(kKeyPgDn, 0));
    EXPECT_EQ(box->CaretLine(), 9);
    EXPECT_EQ(box->Caret(), 9 * 8 + 2);
    EXPECT_TRUE(box->MoveCaret(kKeyPgDn, kModShift));
    EXPECT_EQ(box->CaretLine(), 18);
    EXPECT_EQ(box->Anchor(), 9 * 8 + 2);
    EXPECT_TRUE(box->MoveCaret(kKeyPgDn, kModCtrl));
    EXPECT_EQ(box->CaretLine(), 30);
    EXPECT_FALSE(box->MoveCaret(kKeyPgDn, 0));
    EXPECT_FALSE(box->HasSelection());
    EXPECT_TRUE(box->MoveCaret(kKeyPgUp, 0));
    EXPECT_EQ(box->CaretLine(), 21);
    EXPECT_TRUE(box->MoveCaret(kKeyPgUp, kModCtrl));
    EXPECT_EQ(box->CaretLine(), 0);
    EXPECT_FALSE(box->MoveCaret(kKeyPgUp, 0));
}

TEST_F(EditboxTest, TypingObeysTheStyleAndTheMaximumLength) {
    Make(1, "");
    EXPECT_FALSE(box->InsertChar('\t'));
    EXPECT_FALSE(box->InsertChar('\n'));
    EXPECT_FALSE(box->InsertChar(31));
    EXPECT_FALSE(box->InsertChar(256));
    EXPECT_TRUE(box->InsertChar(255));
    EXPECT_EQ(box->UndoCount(), 1);

    Make(kMultiLine | kEditboxUpperCase | kEditboxLowerCase, "");
    box->InsertChar('a');
    box->InsertChar('\t');
    box->InsertChar('\n');
    EXPECT_EQ(Text(), "A\t\n");
    box->ModifyStyle(0, kEditboxUpperCase);
    box->InsertChar('B');
    EXPECT_EQ(Text(), "A\t\nb");

    box->SetMaximumLength(4);
    EXPECT_FALSE(box->InsertChar('x'));
    EXPECT_EQ(Text(), "A\t\nb");
    box->SetMaximumLength(2);
    EXPECT_EQ(Text(), "A\t");
    EXPECT_EQ(box->Caret(), 2);
}

TEST_F(EditboxTest, AnLfTypedBeforeACrPutsTheCaretOnTheNextLine) {
    Make(kMultiLine, "ab\rcd");
    box->SetCaret(2, false);
    box->InsertChar('\n');
    EXPECT_EQ(Text(), "ab\n\rcd");
    EXPECT_EQ(box->Caret(), 4);
    EXPECT_EQ(box->CaretLine(), 1);
}

TEST_F(EditboxTest, TypingOverASelectionStoresTwoSnapshots) {
    Make(kMultiLine, "hello");
    box->SetSelection(1, 4);
    EXPECT_TRUE(box->InsertChar('a'));
    EXPECT_EQ(Text(), "hao");
    EXPECT_EQ(box->UndoCount(), 2);
    EXPECT_EQ(Std(box->UndoRecord(0).text), "hello");
    EXPECT_EQ(Std(box->UndoRecord(1).text), "ho");
}

TEST_F(EditboxTest, OverwriteReplacesAndAppendsAtTheEnd) {
    Make(kMultiLine, "abc");
    box->SetCaret(1, false);
    EXPECT_TRUE(box->OverwriteChar('x'));
    EXPECT_EQ(Text(), "axc");
    EXPECT_EQ(box->Caret(), 2);
    box->SetCaret(3, false);
    EXPECT_TRUE(box->OverwriteChar('d'));
    EXPECT_EQ(Text(), "axcd");
    box->SetMaximumLength(4);
    EXPECT_FALSE(box->OverwriteChar('e'));
    box->SetCaret(0, false);
    EXPECT_TRUE(box->OverwriteChar('A'));
    EXPECT_EQ(Text(), "Axcd");
    box->SetSelection(1, 3);
    EXPECT_TRUE(box->OverwriteChar('y'));
    EXPECT_EQ(Text(), "Ayd");
}

TEST_F(EditboxTest, ReplaceRangeRefusesBadArgumentsAndCutsTheCount) {
    Make(kMultiLine, "abcdef");
    EXPECT_FALSE(box->ReplaceRange("x", -1, 1, true));
    EXPECT_FALSE(box->ReplaceRange("x", 7, 0, true));
    EXPECT_FALSE(box->ReplaceRange("x", 2, -1, true));
    EXPECT_EQ(box->UndoCount(), 0);
    box->SetCaret(5, false);
    EXPECT_TRUE(box->ReplaceRange("XY", 4, 100, true));
    EXPECT_EQ(Text(), "abcdXY");
    EXPECT_EQ(box->UndoCount(), 1);
    EXPECT_TRUE(box->ReplaceRange("", 0, 2, false));
    EXPECT_EQ(Text(), "cdXY");
    EXPECT_EQ(box->Caret(), 4);
    box->SetMaximumLength(5);
    EXPECT_TRUE(box->ReplaceRange("1234", 0, 0, false));
    EXPECT_EQ(Text(), "1234c");
}

TEST_F(EditboxTest, ReplaceSelectionLeavesTheCaretAfterTheNewText) {
    Make(kMultiLine, "abcdef");
    box->SetSelection(4, 1);
    EXPECT_TRUE(box->ReplaceSelection("XYZ"));
    EXPECT_EQ(Text(), "aXYZef");
    EXPECT_EQ(box->Caret(), 4);
    EXPECT_EQ(box->Anchor(), -1);
    EXPECT_FALSE(box->ReplaceSelection(""));
    EXPECT_TRUE(box->DeleteRange(1, 3, true));
    EXPECT_EQ(Text(), "aef");
    EXPECT_FALSE(box->DeleteRange(2, 1, true));
    EXPECT_FALSE(box->DeleteRange(1, 3, true));
}

TEST_F(EditboxTest, ChangesNotifyInOrderAfterTheSnapshot) {
    Make(kMultiLine, "ab");
    owner.log.clear();
    host.log.clear();
    box->SetCaret(2, false);
    owner.log.clear();
    box->InsertChar('c');
    EXPECT_EQ(owner.undoCountAtAboutToChange, 1);
    std::vector<std::string> expected = {"about to change", "caret may move", "caret moved",
                                         "changed"};
    EXPECT_EQ(owner.log, expected);
    std::vector<std::string> hostExpected = {"host about to change", "host changed"};
    EXPECT_EQ(host.log, hostExpected);
}

TEST_F(EditboxTest, TheOwnerMayVetoACaretMove) {
    Make(kMultiLine, "abcdef");
    owner.veto = [](int32_t index) { return index == 3; };
    EXPECT_FALSE(box->SetCaret(3, true));
    EXPECT_EQ(box->Caret(), 0);
    EXPECT_TRUE(box->SetCaret(4, true));
    box->SetMinimumCaret(2);
    EXPECT_TRUE(box->SetCaret(0, true));
    EXPECT_EQ(box->Caret(), 2);
}

TEST_F(EditboxTest, EnterCopiesLeadingTabsWhenAutoIndentIsOn) {
    Make(kMultiLine, "\t\t  x");
    box->SetCaret(5, false);
    EXPECT_TRUE(box->InsertLineBreak());
    EXPECT_EQ(Text(), "\t\t  x\n\t\t");
    EXPECT_EQ(box->Caret(), 8);
    TheEditboxSettings().autoIndent = 0;
    EXPECT_TRUE(box->InsertLineBreak());
    EXPECT_EQ(Text(), "\t\t  x\n\t\t\n");
    Make(1, "x");
    EXPECT_FALSE(box->InsertLineBreak());
}

TEST_F(EditboxTest, CopyNormalisesLineBreaksAndLeavesTheTextAlone) {
    Make(kMultiLine, "a\nb\rc\n\rd\r\ne");
    EXPECT_TRUE(box->Copy());
    EXPECT_EQ(Std(TheHeadlessClipboard().Content()), "a\r\nb\r\nc\r\nd\r\ne");
    EXPECT_EQ(Text(), "a\nb\rc\n\rd\r\ne");
    box->SetSelection(2, 5);
    EXPECT_TRUE(box->Copy());
    EXPECT_EQ(Std(TheHeadlessClipboard().Content()), "b\r\nc");

    box->SetCopyProhibited(true);
    TheHeadlessClipboard().Empty();
    EXPECT_FALSE(box->Copy());
    EXPECT_FALSE(box->Cut());
    EXPECT_FALSE(TheHeadlessClipboard().HasText());
    Make(kMultiLine, "");
    EXPECT_FALSE(box->Copy());
}

TEST_F(EditboxTest, CutNeedsASelectionAndAnEditableBox) {
    Make(kMultiLine, "abcdef");
    EXPECT_FALSE(box->Cut());
    box->SetSelection(1, 3);
    EXPECT_TRUE(box->Cut());
    EXPECT_EQ(Text(), "adef");
    EXPECT_EQ(Std(TheHeadlessClipboard().Content()), "bc");
    box->ModifyStyle(kEditboxReadOnly, 0);
    box->SetSelection(0, 2);
    EXPECT_FALSE(box->Cut());
    EXPECT_TRUE(box->Copy());
    EXPECT_EQ(Std(TheHeadlessClipboard().Content()), "ad");
}

TEST_F(EditboxTest, PasteDropsControlCharactersAndCanSelectTheResult) {
    Make(kMultiLine, "xy");
    TheHeadlessClipboard().WriteText(String("a\x01" "b\tc\r\n", 7));
    box->SetCaret(1, false);
    EXPECT_TRUE(box->Paste());
    EXPECT_EQ(Text(), "xab\tc\r\ny");
    EXPECT_EQ(box->Caret(), 7);
    EXPECT_FALSE(box->HasSelection());

    TheEditboxSettings().selectOnPaste = true;
    box->SetSelection(0, 1);
    TheHeadlessClipboard().WriteText("QQ");
    EXPECT_TRUE(box->Paste());
    EXPECT_EQ(Text(), "QQab\tc\r\ny");
    EXPECT_EQ(box->Anchor(), 0);
    EXPECT_EQ(box->Caret(), 2);

    TheHeadlessClipboard().WriteText(String("\x02\x03", 2));
    int32_t undo = box->UndoCount();
    EXPECT_FALSE(box->Paste());
    TheHeadlessClipboard().Empty();
    EXPECT_FALSE(box->Paste());
    EXPECT_EQ(box->UndoCount(), undo);
}

TEST_F(EditboxTest, ReadOnlyRefusesEditsButNotCopyingOrMoving) {
    Make(kMultiLine | kEditboxReadOnly, "abc");
    TheHeadlessClipboard().WriteText("zz");
    EXPECT_FALSE(box->InsertChar('x'));
    EXPECT_FALSE(box->OverwriteChar('x'));
    EXPECT_FALSE(box->DeleteChar(false));
    EXPECT_FALSE(box->Paste());
    EXPECT_FALSE(box->InsertLineBreak());
    EXPECT_TRUE(box->MoveCaret(kKeyRight, 0));
    EXPECT_TRUE(box->Copy());
    EXPECT_EQ(Text(), "abc");
}

TEST_F(EditboxTest, FeatureButtonsFollowTheTextAndTheReadOnlyStyle) {
    Make(kMultiLine, "");
    int32_t needsText = box->AddFeatureButton(11000, kFeatureNeedsText);
    int32_t needsEditable = box->AddFeatureButton(11001, kFeatureNeedsEditable);
    EXPECT_FALSE(box->FeatureButton(needsText).enabled);
    EXPECT_TRUE(box->FeatureButton(needsEditable).enabled);
    int32_t notices = host.featureNotices;
    box->InsertChar('a');
    EXPECT_TRUE(box->FeatureButton(needsText).enabled);
    EXPECT_GT(host.featureNotices, notices);
    box->ModifyStyle(kEditboxReadOnly, 0);
    EXPECT_FALSE(box->FeatureButton(needsEditable).enabled);
}

TEST_F(EditboxTest, FilterFillsSlotsAndReportsBadPlaceholders) {
    Make(1, "");
    EditboxFilterList items;
    items.Append({kFilterSign, '-'});
    items.Append({kFilterPlaceholder, '#'});
    items.Append({kFilterPlaceholder, '0'});
    items.Append({kFilterLiteral, '.'});
    items.Append({kFilterOptionalPlaceholder, '#'});
    items.Append({kFilterPlaceholder, 'a'});
    box->SetFilter(items);
    EXPECT_EQ(Text(), " #0. ?");
    EXPECT_EQ(box->Caret(), 0);

    EXPECT_TRUE(box->InsertChar('7'));
    EXPECT_EQ(Text(), " 70. ?");
    EXPECT_EQ(box->Caret(), 2);
    EXPECT_FALSE(box->InsertChar('x'));
    EXPECT_TRUE(box->InsertChar('.'));
    EXPECT_EQ(box->Caret(), 4);
    EXPECT_TRUE(box->InsertChar('5'));
    EXPECT_TRUE(box->InsertChar('q'));
    EXPECT_EQ(Text(), " 70.5q");
    EXPECT_TRUE(box->InsertChar('-'));
    EXPECT_EQ(Text(), "-70.5q");
    EXPECT_TRUE(box->InsertChar('+'));
    EXPECT_EQ(Text(), " 70.5q");

    // Backspace skips the literal; the caret never rests on it.
    box->SetCaret(4, false);
    EXPECT_TRUE(box->DeleteChar(true));
    EXPECT_EQ(box->Caret(), 2);
    EXPECT_TRUE(box->DeleteChar(true));
    EXPECT_EQ(Text(), " #0.5q");
    EXPECT_EQ(box->Caret(), 1);
    box->SetCaret(3, false);
    EXPECT_NE(box->Caret(), 3);

    TheHeadlessAsk().Reset();
    EditboxFilterList bad;
    bad.Append({kFilterPlaceholder, 'x'});
    box->SetFilter(bad);
    ASSERT_EQ(TheHeadlessAsk().Asked().size(), 1u);
    EXPECT_EQ(Std(TheHeadlessAsk().Asked()[0].text), "Bad editbox filter character 'x' (120)");
    EXPECT_FALSE(box->InsertChar('x'));
    EXPECT_FALSE(box->InsertChar('1'));
}

TEST_F(EditboxTest, MouseClicksPlaceTheCaretAndDraggingSelects) {
    Make(kMultiLine, "abcdef\nghijkl");
    box->OnMouseDown(2 + 8 * 3 + 1, 20, 0);
    EXPECT_EQ(box->Caret(), 10);
    box->OnMouseMove(2 + 8 * 5, 20, true);
    box->OnMouseUp(2 + 8 * 5, 20);
    EXPECT_EQ(box->Anchor(), 10);
    EXPECT_EQ(box->Caret(), 12);
    box->OnMouseDown(2, 0, kModShift);
    EXPECT_EQ(box->Anchor(), 10);
    EXPECT_EQ(box->Caret(), 0);
    // Below the last line lands on the last line.
    box->OnMouseDown(2 + 8 * 2 + 5, 500, 0);
    EXPECT_EQ(box->Caret(), 10);
    EXPECT_FALSE(box->HasSelection());
}

TEST_F(EditboxTest, DraggingTextWithinTheBoxMovesIt) {
    Make(kMultiLine, "abc def ghi");
    box->SetSelection(4, 7);
    host.onDrag = [&](const String&) {
        box->OnDragOver(2 + 8 * 5, 4);
        EXPECT_EQ(box->DragState(), 0);
        box->OnDragOver(2 + 8 * 11, 4);
        EXPECT_EQ(box->DragState(), 1);
        return box->OnDrop("def", 2 + 8 * 11, 4, Editbox::kDropMove | Editbox::kDropCopy);
    };
    box->OnMouseDown(2 + 8 * 5, 4, 0);
    ASSERT_EQ(host.dragged.size(), 1u);
    EXPECT_EQ(host.dragged[0], "def");
    EXPECT_EQ(host.dragAllowed, Editbox::kDropMove | Editbox::kDropCopy);
    EXPECT_EQ(Text(), "abc  ghidef");
    EXPECT_EQ(box->DragState(), -1);
    EXPECT_FALSE(box->HasSelection());
    EXPECT_EQ(box->Caret(), 11);
    EXPECT_TRUE(box->Undo());
    EXPECT_EQ(Text(), "abc def ghidef");
    EXPECT_TRUE(box->Undo());
    EXPECT_EQ(Text(), "abc def ghi");
}

TEST_F(EditboxTest, DraggingOutOfAReadOnlyBoxOnlyCopies) {
    Make(kMultiLine | kEditboxReadOnly, "abc def ghi");
    box->SetSelection(4, 7);
    // Another program's target may answer move whatever it was offered.
    host.onDrag = [&](const String&) { return int32_t(Editbox::kDropMove); };
    box->OnMouseDown(2 + 8 * 5, 4, 0);
    ASSERT_EQ(host.dragged.size(), 1u);
    EXPECT_EQ(host.dragAllowed, Editbox::kDropCopy);
    EXPECT_EQ(Text(), "abc def ghi");
    EXPECT_FALSE(box->CanUndo());
}

TEST_F(EditboxTest, DroppingBackOntoTheDraggedTextIsAClick) {
    Make(kMultiLine, "abc def ghi");
    box->SetSelection(4, 7);
    host.onDrag = [&](const String& text) {
        return box->OnDrop(text, 2 + 8 * 6, 4, Editbox::kDropMove);
    };
    box->OnMouseDown(2 + 8 * 5, 4, 0);
    EXPECT_EQ(Text(), "abc def ghi");
    EXPECT_FALSE(box->HasSelection());
    EXPECT_EQ(box->Caret(), 6);

    TheEditboxSettings().textDragable = false;
    box->SetSelection(4, 7);
    box->OnMouseDown(2 + 8 * 5, 4, 0);
    EXPECT_EQ(host.dragged.size(), 1u);
    EXPECT_EQ(box->Caret(), 5);

    box->ModifyStyle(kEditboxReadOnly, 0);
    EXPECT_FALSE(box->OnDragOver(2, 4));
    EXPECT_EQ(box->OnDrop("x", 2, 4, Editbox::kDropCopy), 0);
}

TEST_F(EditboxTest, StatusFiguresCountDisplayLines) {
    String text;
    for (int i = 0; i < 50; ++i) text.Append('w');
    text.Append("\nxyz");
    Make(kMultiLine, text.c_str());
    box->SetCaret(45, false);
    EditboxStatus status = box->GetStatus();
    EXPECT_EQ(status.caretLine, 2);
    EXPECT_EQ(status.lineCount, 3);
    EXPECT_EQ(status.caretColumn, 6);
    EXPECT_EQ(status.lineLength, 10);
    box->SetWordWrap(false);
    status = box->GetStatus();
    EXPECT_EQ(status.caretLine, 1);
    EXPECT_EQ(status.lineCount, 2);
    EXPECT_EQ(status.caretColumn, 46);
    EXPECT_EQ(status.lineLength, 50);
}

class RecordingExchange : public EditboxOptionExchange {
public:
    bool IsLoading() const override { return loading; }
    void ExchangeBool(const char* key, bool& value) override {
        keys.push_back(key);
        if (loading)
            value = std::string(key) == "WordBreak" ? wordBreak : fixedPitch;
        else
            (std::string(key) == "WordBreak" ? wordBreak : fixedPitch) = value;
    }
    bool loading = false;
    bool wordBreak = false;
    bool fixedPitch = false;
    std::vector<std::string> keys;
};

TEST_F(EditboxTest, OptionsExchangeWordBreakAndFixedPitch) {
    Make(kMultiLine, "abc");
    RecordingExchange save;
    box->ExchangeOptions(save);
    EXPECT_TRUE(save.wordBreak);
    EXPECT_FALSE(save.fixedPitch);

    RecordingExchange load;
    load.loading = true;
    load.wordBreak = false;
    load.fixedPitch = true;
    owner.log.clear();
    box->ExchangeOptions(load);
    EXPECT_FALSE(box->WordWrap());
    EXPECT_TRUE(box->IsFixedPitch());
    EXPECT_EQ(owner.log, std::vector<std::string>{"fixed pitch"});
    EXPECT_EQ(box->Box().TabUnitMode(), kTabCharacters);

    box->ModifyStyle(kEditboxNoWordBreakOption | kEditboxNoFixedPitchOption, 0);
    RecordingExchange none;
    box->ExchangeOptions(none);
    EXPECT_TRUE(none.keys.empty());
}

TEST_F(EditboxTest, ResizingAWrappedBoxKeepsTheTopTextAtTheTop) {
    // Forty lines of sixty characters: two display lines each at forty columns.
    String text;
    for (int line = 0; line < 40; ++line) {
        for (int i = 0; i < 59; ++i) text.Append(char('a' + line % 26));
        text.Append('\n');
    }
    Make(kMultiLine, text.c_str());
    box->SetCaret(0, false);
    box->ScrollToLine(40);  // the caret is scrolled away
    int32_t topIndex = box->Box().LineStart(box->TopLine());
    ASSERT_EQ(topIndex, 20 * 60);
    box->OnSize(kWidth * 2, kHeight);
    EXPECT_EQ(box->Box().LineStart(box->TopLine()), topIndex);
    box->OnSize(kWidth / 2, kHeight);
    EXPECT_EQ(box->Box().LineStart(box->TopLine()), topIndex);

    // A caret in view stays in view.
    box->SetCaret(topIndex + 2 * 60, false);
    box->OnSize(kWidth / 4, kHeight);
    int32_t caretLine = box->Box().LineOfIndex(box->Caret());
    EXPECT_GE(caretLine, box->TopLine());
    EXPECT_LT(caretLine, box->TopLine() + 10);
}

TEST_F(EditboxTest, ScrollBarsAndTheWheelMoveTheView) {
    String text;
    for (int line = 0; line < 40; ++line) text.Append("line\n");
    Make(kMultiLine, text.c_str());
    EXPECT_EQ(host.cursor, ViewCursor::IBeam);
    ViewScrollState bars = box->ScrollState();
    EXPECT_EQ(bars.vertical.page, 10);
    EXPECT_EQ(bars.vertical.maximum, 40);

    box->OnScroll(ScrollAxis::Vertical, ScrollRequest::PageForward, 0);
    EXPECT_EQ(box->TopLine(), 10);
    box->OnScroll(ScrollAxis::Vertical, ScrollRequest::LineBack, 0);
    EXPECT_EQ(box->TopLine(), 9);
    box->OnScroll(ScrollAxis::Vertical, ScrollRequest::Track, 25);
    EXPECT_EQ(box->ScrollState().vertical.position, 25);
    box->OnScroll(ScrollAxis::Vertical, ScrollRequest::End, 0);
    EXPECT_EQ(box->TopLine(), 40);
    box->OnScroll(ScrollAxis::Vertical, ScrollRequest::Start, 0);
    box->OnWheel(-2);  // towards the user: down the text
    EXPECT_EQ(box->TopLine(), 6);
    box->OnWheel(1);
    EXPECT_EQ(box->TopLine(), 3);

    box->SetWordWrap(false);
    box->SetText(std::string(200, 'x').c_str());
    box->OnScroll(ScrollAxis::Horizontal, ScrollRequest::Track, 50);
    box->OnScroll(ScrollAxis::Horizontal, ScrollRequest::LineBack, 0);
    EXPECT_EQ(box->ScrollState().horizontal.position, 34);
    box->OnScroll(ScrollAxis::Horizontal, ScrollRequest::PageBack, 0);
    EXPECT_EQ(box->HorizontalOffset(), 0);
}

TEST_F(EditboxTest, WordWrapNeedsAMultiLineBox) {
    Make(1, "abc");
    EXPECT_FALSE(box->WordWrap());
    box->SetWordWrap(true);
    EXPECT_FALSE(box->WordWrap());
    EXPECT_EQ(box->Box().LineCount(), 1);
}

TEST_F(EditboxTest, FixedPitchSwitchesFontAndTabUnit) {
    box = std::make_unique<Editbox>(kMultiLine);
    box->SetOwner(&owner);
    EXPECT_FALSE(box->CurrentFont()->IsFixedPitch());
    EXPECT_EQ(box->Box().TabUnitMode(), kTabInches);
    EXPECT_EQ(box->Box().TabWidth(), 96);
    box->SetFixedPitch(true);
    EXPECT_TRUE(box->CurrentFont()->IsFixedPitch());
    EXPECT_EQ(box->Box().TabWidth(), 8 * 8);
    box->SetFixedPitch(true);
    EXPECT_EQ(owner.log, std::vector<std::string>{"fixed pitch"});
}

TEST_F(EditboxTest, PaintDrawsVisibleLinesWithTheSelectionInItsColours) {
    Make(kMultiLine, "ab\tcd\nefgh\n");
    box->SetSelection(1, 8);
    HeadlessSurface surface(Rect{0, 0, kWidth, kHeight});
    box->Paint(surface);
    EXPECT_EQ(Std(surface.TextAtY(0)), "abcd");
    EXPECT_EQ(Std(surface.TextAtY(16)), "efgh");
    int32_t selectedInk = 0;
    for (const RecordedRun& run : surface.Runs()) {
        if (run.color == HeadlessSurface::kSelectionText) selectedInk += run.text.Length();
        EXPECT_EQ(run.advances, std::vector<int32_t>(size_t(run.text.Length()), 8));
    }
    EXPECT_EQ(selectedInk, 5);  // "bcd" and "ef"
    // The "c" after the tab starts at the tab stop.
    int32_t tabStop = -1;
    for (const RecordedRun& run : surface.Runs())
        if (run.y == 0 && run.text[0] == 'c') tabStop = run.x;
    EXPECT_EQ(tabStop, Editbox::kTextMargin + box->Box().TabWidth());
    int32_t selectionFills = 0;
    for (const RecordedFill& fill : surface.Fills())
        if (fill.color == HeadlessSurface::kSelection) ++selectionFills;
    EXPECT_GE(selectionFills, 3);
}

}  // namespace
