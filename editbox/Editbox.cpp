#include "editbox/Editbox.h"

#include <algorithm>

#include "editbox/EditboxSettings.h"
#include "platform/Sound.h"

Editbox::Editbox(int32_t style) : style_(style) {
    box_.SetSingleLine(!IsMultiLine());
    box_.SetWordWrap(IsMultiLine());
    RefreshSettings();
}

Editbox::~Editbox() {
    for (EditboxUndo* record : undo_) delete record;
}

void Editbox::SetViewHost(ViewHost* view) {
    view_ = view;
    UpdateWrapWidth();
    if (view_) {
        view_->SetCursor(ViewCursor::IBeam);
        Invalidate();
        NotifyScroll();
        UpdateCaret();
    }
}

// ---- text and style ----

bool Editbox::SetText(const String& text, bool undoable) {
    BeginChange(undoable);
    bool ok = box_.SetText(text);
    if (ok) {
        CutToMaximumLength();
        anchor_ = -1;
        caret_ = std::min(minimumCaret_, GetTextLength());
        topLine_ = 0;
        horizontalOffset_ = 0;
        box_.SetFirstVisibleLine(0);
        SetCaret(minimumCaret_, false);
    }
    EndChange();
    return ok;
}

void Editbox::TakeText(String& text) {
    BeginChange(false);
    box_.TakeText(text);
    CutToMaximumLength();
    anchor_ = -1;
    caret_ = std::min(minimumCaret_, GetTextLength());
    topLine_ = 0;
    horizontalOffset_ = 0;
    box_.SetFirstVisibleLine(0);
    SetCaret(minimumCaret_, false);
    EndChange();
}

void Editbox::SetStyle(int32_t style) {
    int32_t changed = style_ ^ style;
    style_ = style;
    if (changed & kEditboxMultiLine) {
        box_.SetSingleLine(!IsMultiLine());
        if (!IsMultiLine()) box_.SetWordWrap(false);
        UpdateWrapWidth();
    }
    if (changed & kEditboxFixedPitch) {
        box_.SetFont(CurrentFont());
        RefreshTabDistance();
    }
    if (changed & (kEditboxReadOnly | kEditboxMultiLine | kEditboxFixedPitch)) {
        UpdateFeatureButtons();
        Invalidate();
    }
}

void Editbox::SetMaximumLength(int32_t length) {
    if (length < 0) return;
    maximumLength_ = length;
    if (GetTextLength() > length) {
        BeginChange(false);
        CutToMaximumLength();
        EndChange();
    }
}

void Editbox::SetMinimumCaret(int32_t index) {
    minimumCaret_ = std::max(0, index);
    if (caret_ < minimumCaret_) SetCaret(minimumCaret_, true);
}

void Editbox::CutToMaximumLength() {
    if (GetTextLength() > maximumLength_) box_.Truncate(maximumLength_);
    int32_t length = GetTextLength();
    caret_ = std::clamp(caret_, 0, length);
    if (anchor_ > length) anchor_ = length;
}

// ---- caret and selection ----

int32_t Editbox::ClampCaret(int32_t index) const {
    int32_t length = GetTextLength();
    index = std::clamp(index, 0, length);
    if (index < minimumCaret_) index = std::min(minimumCaret_, length);
    if (filterActive_) index = std::clamp(NearestFilterPosition(filter_, index), 0, length);
    return index;
}

bool Editbox::SetCaret(int32_t index, bool scrollIntoView) {
    int32_t target = ClampCaret(index);
    if (owner_ && owner_->EditboxCaretMayNotMove(*this, target)) return false;
    bool moved = target != caret_;
    caret_ = target;
    caretLine_ = -1;
    if (!keepRememberedX_) rememberedX_ = -1;
    if (anchor_ >= 0) Invalidate();
    if (scrollIntoView) ScrollCaretIntoView();
    UpdateCaret();
    if (owner_) owner_->EditboxCaretMoved(*this);
    return moved;
}

void Editbox::SetSelection(int32_t anchor, int32_t caret) {
    if (anchor == anchor_ && caret == caret_) return;
    anchor_ = anchor < 0 ? -1 : std::min(anchor, GetTextLength());
    Invalidate();
    SetCaret(caret, true);
}

void Editbox::ClearSelection() {
    if (anchor_ < 0) return;
    anchor_ = -1;
    Invalidate();
}

bool Editbox::GetSelection(int32_t* anchor, int32_t* caret) const {
    if (anchor) *anchor = anchor_;
    if (caret) *caret = caret_;
    return anchor_ >= 0;
}

int32_t Editbox::SelectionStart() const {
    return HasSelection() ? std::min(anchor_, caret_) : caret_;
}

int32_t Editbox::SelectionEnd() const {
    return HasSelection() ? std::max(anchor_, caret_) : caret_;
}

String Editbox::SelectionText() const {
    if (!HasSelection()) return String();
    return Text().Mid(SelectionStart(), SelectionEnd() - SelectionStart());
}

String Editbox::GetSelectedText() const {
    if (!view_) return String();
    return SelectionText();
}

bool Editbox::IsAllSelected() const {
    return HasSelection() && SelectionStart() == 0 && SelectionEnd() == GetTextLength();
}

void Editbox::SelectAll() {
    SetSelection(0, GetTextLength());
}

int32_t Editbox::CaretLine() {
    if (caretLine_ < 0) caretLine_ = box_.LineOfIndex(caret_);
    return caretLine_;
}

// ---- the change bracket ----

void Editbox::BeginChange(bool pushUndo) {
    if (pushUndo) PushUndo();
    if (changeDepth_++ > 0) return;
    OnAboutToChange();
    if (host_) host_->ChildAboutToChange();
    if (owner_) owner_->EditboxAboutToChange(*this);
}

void Editbox::EndChange() {
    if (changeDepth_ == 0 || --changeDepth_ > 0) return;
    caretLine_ = -1;
    if (topLine_ > 0 && !box_.EnsureLayout(topLine_, 0)) topLine_ = 0;
    if (box_.LayoutComplete() && topLine_ > box_.LastLaidOutLine()) {
        topLine_ = std::max(0, box_.LastLaidOutLine());
        box_.SetFirstVisibleLine(topLine_);
    }
    Invalidate();
    NotifyScroll();
    UpdateCaret();
    OnChanged();
    if (host_) host_->ChildChanged();
    if (owner_) owner_->EditboxChanged(*this);
    UpdateFeatureButtons();
}

// ---- primitive edits ----

bool Editbox::ApplyEdit(int32_t start, int32_t removeCount, const char* bytes, int32_t count) {
    removeCount = std::min(removeCount, GetTextLength() - start);
    if (!box_.Replace(start, removeCount, bytes, count)) return false;
    AdjustPositions(start, removeCount, count);
    int32_t length = GetTextLength();
    caret_ = std::clamp(caret_, 0, length);
    if (anchor_ > length) anchor_ = length;
    caretLine_ = -1;
    return true;
}

void Editbox::ReplaceWholeText(const String& text) {
    box_.SetText(text);
    CutToMaximumLength();
    caretLine_ = -1;
}

// Keeps the caret and the anchor on the same text when a range they do not bracket is
// replaced; a position inside the replaced range goes to the end of the new text.
void Editbox::AdjustPositions(int32_t start, int32_t removed, int32_t inserted) {
    auto adjust = [&](int32_t position) {
        if (position < 0 || position <= start) return position;
        if (position >= start + removed) return position + inserted - removed;
        return start + inserted;
    };
    caret_ = adjust(caret_);
    anchor_ = adjust(anchor_);
    caretLine_ = -1;
}

char Editbox::ForceCase(char c) const {
    if (style_ & kEditboxUpperCase) {
        if (c >= 'a' && c <= 'z') return char(c - 32);
    } else if (style_ & kEditboxLowerCase) {
        if (c >= 'A' && c <= 'Z') return char(c + 32);
    }
    return c;
}

bool Editbox::AcceptsTyped(int32_t ch) const {
    if (ch == '\t') return (style_ & kEditboxTabs) != 0;
    if (ch == '\n') return IsMultiLine();
    return ch >= 32 && ch <= 255;
}

bool Editbox::FilterEdit(const String& newText, int32_t newCaret) {
    BeginChange(true);
    ReplaceWholeText(newText);
    anchor_ = -1;
    SetCaret(newCaret, true);
    EndChange();
    return true;
}

bool Editbox::InsertChar(int32_t ch) {
    if (IsReadOnly() || !AcceptsTyped(ch)) return false;
    if (filterActive_) {
        String text = Text();
        int32_t caret = SelectionStart();
        if (HasSelection()) FilterEraseRange(filter_, text, caret, SelectionEnd() - 1);
        if (!FilterTypeChar(filter_, text, caret, char(ch))) return false;
        return FilterEdit(text, caret);
    }
    char c = ForceCase(char(ch));
    if (HasSelection()) DeleteSelection();
    if (GetTextLength() >= maximumLength_) return false;
    int32_t at = caret_;
    BeginChange(true);
    ApplyEdit(at, 0, &c, 1);
    anchor_ = -1;
    int32_t after = at + 1;
    // An LF typed in front of a CR joins it into one break: the next line starts
    // behind both.
    if (c == '\n' && Text()[after] == '\r') ++after;
    SetCaret(after, true);
    EndChange();
    return true;
}

bool Editbox::OverwriteChar(int32_t ch) {
    if (HasSelection()) return InsertChar(ch);
    if (IsReadOnly() || !AcceptsTyped(ch)) return false;
    if (filterActive_) return InsertChar(ch);
    char c = ForceCase(char(ch));
    int32_t at = caret_;
    bool append = at >= GetTextLength();
    if (append && GetTextLength() >= maximumLength_) return false;
    BeginChange(true);
    ApplyEdit(at, append ? 0 : 1, &c, 1);
    anchor_ = -1;
    SetCaret(at + 1, true);
    EndChange();
    return true;
}

bool Editbox::InsertLineBreak() {
    if (IsReadOnly() || !IsMultiLine()) return false;
    if (TheEditboxSettings().autoIndent != 1) return InsertChar('\n');
    int32_t start = box_.LineStart(CaretLine());
    String text("\n");
    if (start >= 0) {
        const String& all = Text();
        for (int32_t i = start; i < all.Length() && all[i] == '\t'; ++i) text.Append('\t');
    }
    return ReplaceSelection(text);
}

// A Backspace takes a CR LF pair apart one byte per press: the Left movement stops
// between the two bytes.
int32_t Editbox::LeftFrom(int32_t index) const {
    return std::max(0, index - 1);
}

int32_t Editbox::RightFrom(int32_t index) const {
    const String& text = Text();
    if (index >= text.Length()) return text.Length();
    char c = text[index];
    char next = text[index + 1];
    if ((c == '\r' && next == '\n') || (c == '\n' && next == '\r')) return index + 2;
    return index + 1;
}

bool Editbox::DeleteChar(bool backward) {
    if (HasSelection()) return DeleteSelection();
    if (IsReadOnly()) return false;
    if (backward && caret_ == 0) return false;
    if (filterActive_) {
        String text = Text();
        int32_t caret = caret_;
        if (!FilterEraseChar(filter_, text, caret, backward)) {
            PlayRefusalSound();
            return false;
        }
        return FilterEdit(text, caret);
    }
    int32_t at = caret_;
    if (backward) {
        if (caret_ <= minimumCaret_) return false;
        at = std::max(LeftFrom(caret_), minimumCaret_);
    }
    const String& text = Text();
    if (at < 0 || at >= text.Length()) {
        PlayRefusalSound();
        return false;
    }
    char c = text[at];
    char next = text[at + 1];
    int32_t count = ((c == '\r' && next == '\n') || (c == '\n' && next == '\r')) ? 2 : 1;
    PushUndo();
    BeginChange(false);
    ApplyEdit(at, count, nullptr, 0);
    anchor_ = -1;
    SetCaret(at, true);
    EndChange();
    return true;
}

bool Editbox::DeleteRange(int32_t first, int32_t last, bool undoable) {
    if (first < 0 || first > last || last >= GetTextLength()) return false;
    if (filterActive_) {
        String text = Text();
        if (!FilterEraseRange(filter_, text, first, last)) return false;
        BeginChange(undoable);
        ReplaceWholeText(text);
        anchor_ = -1;
        SetCaret(first, true);
        EndChange();
        return true;
    }
    BeginChange(undoable);
    ApplyEdit(first, last - first + 1, nullptr, 0);
    anchor_ = -1;
    SetCaret(first, true);
    EndChange();
    return true;
}

bool Editbox::DeleteSelection() {
    if (!HasSelection()) return false;
    return DeleteRange(SelectionStart(), SelectionEnd() - 1, true);
}

bool Editbox::ReplaceRange(const String& text, int32_t start, int32_t count, bool undoable) {
    int32_t length = GetTextLength();
    if (start < 0 || start > length || count < 0) return false;
    count = std::min(count, length - start);
    BeginChange(undoable);
    bool ok = ApplyEdit(start, count, text.c_str(), text.Length());
    if (ok) CutToMaximumLength();
    EndChange();
    return ok;
}

bool Editbox::ReplaceSelection(const String& text) {
    if (filterActive_) {
        String copy = Text();
        int32_t caret = SelectionStart();
        bool changed = HasSelection() &&
                       FilterEraseRange(filter_, copy, caret, SelectionEnd() - 1);
        for (int32_t i = 0; i < text.Length(); ++i)
            changed = FilterTypeChar(filter_, copy, caret, text[i]) || changed;
        return changed && FilterEdit(copy, caret);
    }
    int32_t start = SelectionStart();
    int32_t removed = SelectionEnd() - start;
    if (removed == 0 && text.IsEmpty()) return false;
    BeginChange(true);
    bool ok = ApplyEdit(start, removed, text.c_str(), text.Length());
    if (ok) {
        anchor_ = -1;
        CutToMaximumLength();
        SetCaret(start + text.Length(), true);
    }
    EndChange();
    return ok;
}

// ---- filter ----

void Editbox::SetFilter(const EditboxFilterList& items) {
    filter_ = items;
    filterActive_ = true;
    CheckEditboxFilter(filter_);
    SetText(EmptyFilterText(filter_));
}

void Editbox::ClearFilter() {
    filter_.Clear();
    filterActive_ = false;
}

// ---- feature buttons ----

int32_t Editbox::AddFeatureButton(int32_t command, int32_t flags) {
    EditboxFeatureButton button;
    button.command = command;
    button.flags = flags;
    featureButtons_.Append(button);
    UpdateFeatureButtons();
    return featureButtons_.Count() - 1;
}

void Editbox::UpdateFeatureButtons() {
    bool changed = false;
    for (EditboxFeatureButton& button : featureButtons_) {
        bool enabled = true;
        if ((button.flags & kFeatureNeedsEditable) && IsReadOnly()) enabled = false;
        if ((button.flags & kFeatureNeedsText) && GetTextLength() == 0) enabled = false;
        if (enabled != button.enabled) {
            button.enabled = enabled;
            changed = true;
        }
    }
    if (changed && host_) host_->FeatureButtonsChanged();
}
