#include <algorithm>

#include "editbox/Editbox.h"
#include "editbox/EditboxSettings.h"
#include "platform/Window.h"

// Every movement: with `extend` the selection grows from its anchor (or from the old
// caret), otherwise it is dropped.
bool Editbox::MoveTo(int32_t index, bool extend, bool rememberX) {
    bool hadSelection = HasSelection();
    if (extend) {
        if (anchor_ < 0) anchor_ = caret_;
    } else {
        ClearSelection();
    }
    keepRememberedX_ = !rememberX;
    bool moved = SetCaret(index, true);
    keepRememberedX_ = false;
    if (extend && anchor_ == caret_) anchor_ = -1;
    return moved || hadSelection != HasSelection();
}

bool Editbox::MoveCaret(int32_t key, int32_t modifiers) {
    if (modifiers & kModAlt) return false;
    bool extend = (modifiers & kModShift) != 0;
    bool ctrl = (modifiers & kModCtrl) != 0;
    switch (key) {
    case kKeyLeft: return ctrl ? MoveWordLeft(extend) : MoveLeft(extend);
    case kKeyRight: return ctrl ? MoveWordRight(extend) : MoveRight(extend);
    case kKeyHome: return ctrl ? MoveTextStart(extend) : MoveLineStart(extend);
    case kKeyEnd: return ctrl ? MoveTextEnd(extend) : MoveLineEnd(extend);
    case kKeyUp: return MoveLineUp(extend);
    case kKeyDown: return MoveLineDown(extend);
    case kKeyPgUp: return ctrl ? MoveFirstLine(extend) : MovePageUp(extend);
    case kKeyPgDn: return ctrl ? MoveLastLine(extend) : MovePageDown(extend);
    default: return false;
    }
}

bool Editbox::MoveLeft(bool extend) {
    extend = extend && CanSelect();
    if (HasSelection() && !extend) {
        int32_t low = SelectionStart();
        ClearSelection();
        SetCaret(low, true);
        return true;
    }
    if (caret_ == 0 || caret_ <= minimumCaret_) return false;
    return MoveTo(LeftFrom(caret_), extend, true);
}

bool Editbox::MoveRight(bool extend) {
    extend = extend && CanSelect();
    if (HasSelection() && !extend) {
        int32_t high = SelectionEnd();
        ClearSelection();
        SetCaret(high, true);
        return true;
    }
    if (caret_ >= GetTextLength()) return false;
    return MoveTo(RightFrom(caret_), extend, true);
}

int32_t Editbox::WordLeftFrom(int32_t index) const {
    const String& text = Text();
    int32_t i = std::min(index, text.Length()) - 1;
    if (i <= 0) return 0;
    while (i > 0 && IsWhiteSpace(text[i])) --i;
    while (i > 0 && !IsWhiteSpace(text[i - 1])) --i;
    return i;
}

int32_t Editbox::WordRightFrom(int32_t index) const {
    const String& text = Text();
    int32_t length = text.Length();
    int32_t i = std::max(0, index);
    while (i < length && IsWhiteSpace(text[i])) ++i;
    while (i < length && !IsWhiteSpace(text[i])) ++i;
    while (i < length && IsWhiteSpace(text[i])) ++i;
    return i;
}

bool Editbox::MoveWordLeft(bool extend) {
    extend = extend && CanSelect();
    if (caret_ == 0 && !HasSelection()) return false;
    return MoveTo(WordLeftFrom(caret_), extend, true);
}

bool Editbox::MoveWordRight(bool extend) {
    extend = extend && CanSelect();
    if (caret_ >= GetTextLength()) return false;
    return MoveTo(WordRightFrom(caret_), extend, true);
}

bool Editbox::MoveLineStart(bool extend) {
    extend = extend && CanSelect();
    int32_t start = box_.LineStart(CaretLine());
    if (horizontalOffset_ != 0) SetHorizontalOffset(0);
    return MoveTo(start < 0 ? 0 : start, extend, true);
}

bool Editbox::MoveLineEnd(bool extend) {
    extend = extend && CanSelect();
    TextBoxLine line;
    if (!box_.GetLine(CaretLine(), line)) return MoveTo(GetTextLength(), extend, true);
    return MoveTo(line.start + line.visibleCount, extend, true);
}

bool Editbox::MoveTextStart(bool extend) {
    extend = extend && CanSelect();
    ScrollToLine(0);
    return MoveTo(minimumCaret_, extend, true);
}

bool Editbox::MoveTextEnd(bool extend) {
    extend = extend && CanSelect();
    return MoveTo(GetTextLength(), extend, true);
}

// Vertical movement aims at the remembered x, so that passing a short line does not
// pull the caret to the left for good.
bool Editbox::MoveToLine(int32_t line, bool extend) {
    int32_t current = CaretLine();
    if (rememberedX_ < 0) rememberedX_ = box_.XOfIndex(caret_, current);
    int32_t target = box_.IndexAtX(line, rememberedX_);
    TextBoxLine record;
    // A line cut inside a long word ends where the next one starts; stay on it.
    if (box_.GetLine(line, record) && record.visibleCount > 0 &&
        record.visibleCount == record.totalCount && target == record.start + record.totalCount &&
        target < GetTextLength())
        --target;
    bool changed = MoveTo(target, extend, false);
    return changed || line != current;
}

bool Editbox::MoveLineUp(bool extend) {
    if (!IsMultiLine()) return false;
    extend = extend && CanSelect();
    int32_t line = CaretLine();
    if (line == 0) return false;
    return MoveToLine(line - 1, extend);
}

bool Editbox::MoveLineDown(bool extend) {
    if (!IsMultiLine()) return false;
    extend = extend && CanSelect();
    int32_t line = CaretLine();
    if (!box_.EnsureLayout(line + 1, 0) || box_.LastLaidOutLine() < line + 1) return false;
    return MoveToLine(line + 1, extend);
}

bool Editbox::MovePageUp(bool extend) {
    if (!IsMultiLine()) return false;
    extend = extend && CanSelect();
    int32_t line = CaretLine();
    if (line == 0) {
        if (!extend) ClearSelection();
        return false;
    }
    int32_t target = std::max(0, line - VisibleLineCount() + 1);
    ScrollToLine(topLine_ - (line - target));
    return MoveToLine(target, extend);
}

bool Editbox::MovePageDown(bool extend) {
    if (!IsMultiLine()) return false;
    extend = extend && CanSelect();
    int32_t line = CaretLine();
    int32_t target = line + VisibleLineCount() - 1;
    box_.EnsureLayout(target, 0);
    target = std::min(target, box_.LastLaidOutLine());
    if (target <= line) {
        if (!extend) ClearSelection();
        return false;
    }
    ScrollToLine(topLine_ + (target - line));
    return MoveToLine(target, extend);
}

bool Editbox::MoveFirstLine(bool extend) {
    if (!IsMultiLine()) return false;
    extend = extend && CanSelect();
    if (CaretLine() == 0) {
        if (!extend) ClearSelection();
        return false;
    }
    ScrollToLine(0);
    return MoveToLine(0, extend);
}

bool Editbox::MoveLastLine(bool extend) {
    if (!IsMultiLine()) return false;
    extend = extend && CanSelect();
    int32_t last = box_.LineCount() - 1;
    if (CaretLine() >= last) {
        if (!extend) ClearSelection();
        return false;
    }
    return MoveToLine(last, extend);
}

// ---- mouse ----

int32_t Editbox::IndexAtPoint(int32_t x, int32_t y) {
    int32_t height = box_.LineHeight();
    if (height <= 0) return caret_;
    int32_t row = y < 0 ? -1 - (-y - 1) / height : y / height;
    int32_t line = std::max(0, topLine_ + row);
    box_.EnsureLayout(line, 0);
    line = std::min(line, std::max(0, box_.LastLaidOutLine()));
    int32_t index = box_.IndexAtX(line, x - TextLeft());
    return index < 0 ? caret_ : index;
}

void Editbox::OnMouseDown(int32_t x, int32_t y, int32_t modifiers) {
    int32_t index = IndexAtPoint(x, y);
    bool shift = (modifiers & kModShift) != 0 && CanSelect();
    if (!shift && HasSelection() && TheEditboxSettings().textDragable && view_ &&
        index >= SelectionStart() && index < SelectionEnd()) {
        StartTextDrag(index);
        return;
    }
    if (shift) {
        if (anchor_ < 0) anchor_ = caret_;
        mouseAnchor_ = anchor_;
        SetCaret(index, true);
        Invalidate();
    } else {
        ClearSelection();
        SetCaret(index, true);
        mouseAnchor_ = caret_;
    }
    selecting_ = true;
}

void Editbox::OnMouseMove(int32_t x, int32_t y, bool buttonDown) {
    if (!selecting_) return;
    if (!buttonDown) {
        selecting_ = false;
        return;
    }
    int32_t index = ClampCaret(IndexAtPoint(x, y));
    if (index == mouseAnchor_) {
        ClearSelection();
        SetCaret(index, true);
    } else {
        SetSelection(mouseAnchor_, index);
    }
}

void Editbox::OnMouseUp(int32_t x, int32_t y) {
    if (selecting_) OnMouseMove(x, y, true);
    selecting_ = false;
}

// ---- drag and drop ----

void Editbox::StartTextDrag(int32_t index) {
    dragFirst_ = SelectionStart();
    dragEnd_ = SelectionEnd();
    dragState_ = 0;
    dropAt_ = -1;
    dropLength_ = 0;
    dropIndex_ = index;
    String text = SelectionText();
    // A move would delete the text from a box the user may not change.
    bool movable = !IsReadOnly();
    int32_t effect = view_->DragText(text, movable ? kDropCopy | kDropMove : kDropCopy);
    int32_t state = dragState_;
    dragState_ = -1;
    if (!movable && (effect & 7) == kDropMove) effect = kDropCopy;
    if ((effect & 7) == kDropMove && state != 3) {
        int32_t first = dragFirst_;
        int32_t end = dragEnd_;
        if (dropAt_ >= 0 && dropAt_ <= first) {
            first += dropLength_;
            end += dropLength_;
        }
        PushUndo();
        DeleteRange(first, end - 1, false);
        ClearSelection();
        if (dropAt_ >= 0) {
            int32_t at = dropAt_ > first ? dropAt_ - (end - first) : dropAt_;
            SetCaret(at + dropLength_, true);
        }
        Invalidate();
        return;
    }
    if (effect == 0 && (state == 0 || state == 3)) {
        // Pressed and released on the selection without dragging it off: a click.
        ClearSelection();
        SetCaret(dropIndex_, true);
    } else if (effect == 0 && state == 1) {
        SetSelection(dragFirst_, dragEnd_);
    }
}

bool Editbox::OnDragOver(int32_t x, int32_t y) {
    if (IsReadOnly()) return false;
    int32_t index = IndexAtPoint(x, y);
    dropIndex_ = index;
    if (dragState_ == 0 && (index < dragFirst_ || index > dragEnd_)) dragState_ = 1;
    if (dragState_ == 0) return true;
    ClearSelection();
    SetCaret(index, true);
    return true;
}

void Editbox::OnDragLeave() {
    if (dragState_ == 0) dragState_ = 1;
}

int32_t Editbox::OnDrop(const String& text, int32_t x, int32_t y, int32_t effect) {
    if (IsReadOnly() || text.IsEmpty()) return 0;
    int32_t index = IndexAtPoint(x, y);
    dropIndex_ = index;
    if (dragState_ >= 0) {
        if (index >= dragFirst_ && index <= dragEnd_) {
            dragState_ = 3;
            return 0;
        }
        dragState_ = 2;
    }
    ClearSelection();
    SetCaret(index, true);
    int32_t at = caret_;
    int32_t before = GetTextLength();
    if (!ReplaceSelection(text)) return 0;
    if (dragState_ == 2) {
        dropAt_ = at;
        dropLength_ = GetTextLength() - before;
    }
    if (effect & kDropMove) return kDropMove;
    return effect & kDropCopy;
}
