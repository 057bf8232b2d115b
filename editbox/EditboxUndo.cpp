#include <algorithm>
#include <new>

#include "editbox/Editbox.h"

void Editbox::ResumeUndo() {
    if (undoSuspend_ > 0) --undoSuspend_;
}

void Editbox::DropUndo(int32_t index) {
    EditboxUndo* record = undo_[index];
    if (record->text.Size() > undoSpare_.Size()) undoSpare_.Swap(record->text);
    delete record;
    undo_.Remove(index);
}

void Editbox::PushUndo() {
    if (undoSuspend_ > 0) return;
    style_ |= kEditboxModifiedByEdit;
    // A new change ends the redo history.
    while (undo_.Count() > std::max(undoPosition_ + 1, 0)) DropUndo(undo_.Count() - 1);
    EditboxUndo* record = new (std::nothrow) EditboxUndo;
    if (!record) return;
    record->text.Swap(undoSpare_);
    if (!record->text.Assign(Text())) {
        delete record;
        return;
    }
    record->anchor = anchor_;
    record->caret = caret_;
    record->topLine = topLine_;
    if (!undo_.Append(record)) {
        delete record;
        return;
    }
    // Size bound: once the newest snapshots add up to the byte limit, the older ones
    // go, but never the newest and never below the minimum count, so that even a
    // large document keeps a few steps.
    int32_t count = undo_.Count();
    int64_t total = 0;
    int32_t oldestKept = 0;
    for (int32_t i = count - 1; i >= 0; --i) {
        total += undo_[i]->text.Length();
        if (total >= kUndoByteLimit && i < count - 1) {
            oldestKept = i + 1;
            break;
        }
    }
    int32_t surplus = std::min(oldestKept, count - kUndoMinimumRecords);
    for (int32_t i = 0; i < surplus; ++i) DropUndo(0);
    if (undo_.Count() >= kUndoRecordLimit) DropUndo(0);
    undoPosition_ = undo_.Count() - 1;
}

void Editbox::ClearUndo() {
    while (undo_.Count() > 0) DropUndo(undo_.Count() - 1);
    String released;
    undoSpare_.Swap(released);
    undoPosition_ = 0;
}

bool Editbox::CanUndo() const {
    return undoPosition_ >= 0 && undoPosition_ < undo_.Count();
}

bool Editbox::CanRedo() const {
    return undoPosition_ >= -2 && undoPosition_ < undo_.Count() - 2;
}

void Editbox::RestoreUndo(const EditboxUndo& record) {
    ReplaceWholeText(record.text);
    anchor_ = -1;
    caret_ = 0;
    ScrollToLine(record.topLine);
    SetSelection(record.anchor, record.caret);
    ScrollCaretIntoView();
}

bool Editbox::Undo() {
    if (!CanUndo()) return false;
    if (undoPosition_ == undo_.Count() - 1) {
        // Nothing undone since the last change: keep the present state as the newest
        // record so that Redo can come back to it.
        const EditboxUndo* newest = undo_[undo_.Count() - 1];
        PushUndo();
        if (undo_[undo_.Count() - 1] != newest) --undoPosition_;
    }
    BeginChange(false);
    RestoreUndo(*undo_[undoPosition_]);
    --undoPosition_;
    EndChange();
    return true;
}

bool Editbox::Redo() {
    if (!CanRedo()) return false;
    undoPosition_ += 2;
    BeginChange(false);
    RestoreUndo(*undo_[undoPosition_]);
    --undoPosition_;
    EndChange();
    return true;
}

// ---- text tools ----

bool Editbox::GetToolTarget(int32_t flags, ToolTarget& target) const {
    target = ToolTarget();
    if (HasSelection()) {
        target.first = SelectionStart();
        target.last = SelectionEnd() - 1;
        target.isSelection = true;
        target.caretAtStart = caret_ == target.first;
    } else {
        target.first = 0;
        target.last = GetTextLength() - 1;
    }
    target.text = Text().Mid(target.first, target.last - target.first + 1);
    if (target.text.IsEmpty()) return false;
    if (!(flags & kToolNoAddedBreak)) {
        char end = target.text[target.text.Length() - 1];
        if (end != '\r' && end != '\n') {
            target.text.Append('\n');
            target.addedBreak = !(flags & kToolKeepAddedBreak);
        }
    }
    if (flags & kToolStripWhiteSpace) {
        String stripped;
        stripped.Reserve(target.text.Length() + 2);
        for (int32_t i = 0; i < target.text.Length(); ++i) {
            char c = target.text[i];
            if (!IsWhiteSpace(c)) stripped.Append(c);
        }
        target.text = stripped;
    }
    return true;
}

bool Editbox::PutToolResult(const ToolTarget& target, String& newText, int32_t flags) {
    if (target.addedBreak) {
        int32_t length = newText.Length();
        char last = length > 0 ? newText[length - 1] : 0;
        if (last == '\n' || last == '\r') {
            char pair = last == '\n' ? '\r' : '\n';
            int32_t cut = (length > 1 && newText[length - 2] == pair) ? 2 : 1;
            newText.Delete(length - cut, cut);
        }
    }
    bool breakInFront = false;
    if ((flags & kToolWholeLines) && target.first > 0) {
        char before = Text()[target.first - 1];
        if (before != '\r' && before != '\n') {
            newText.Insert(0, '\n');
            breakInFront = true;
        }
    }
    PushUndo();
    BeginChange(false);
    bool ok = ReplaceRange(newText, target.first, target.last - target.first + 1, false);
    EndChange();
    if (!ok) return false;
    if (target.isSelection && CanSelect()) {
        int32_t low = target.first + (breakInFront ? 1 : 0);
        int32_t high = std::min(target.first + newText.Length(), GetTextLength());
        if (target.caretAtStart)
            SetSelection(high, low);
        else
            SetSelection(low, high);
    } else {
        ClearSelection();
        SetCaret(0, true);
    }
    return true;
}

bool Editbox::ApplyTextTool(const TextTransform& transform, int32_t flags) {
    if (GetTextLength() == 0 || !transform) return false;
    if ((flags & kToolNeedsTabs) && !(style_ & kEditboxTabs)) return false;
    if ((flags & kToolNeedsMultiLine) && !IsMultiLine()) return false;
    if ((flags & kToolNeedsSelection) && !HasSelection()) return false;
    ToolTarget target;
    if (!GetToolTarget(flags, target)) return false;
    String original = target.text;
    if (!transform(target.text)) return false;
    if (target.text == original) return (flags & kToolSucceedUnchanged) != 0;
    return PutToolResult(target, target.text, flags);
}
