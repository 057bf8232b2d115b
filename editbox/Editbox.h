// The framework's edit control. It holds the whole document in one TextBox, keeps the
// caret and the selection as two character indexes, and carries out every primitive
// edit; higher commands (the key table, tools, search) are built from the public
// operations here. It is a view client: it draws itself on a Surface and asks its
// view host to repaint, scroll and place the caret, so the platform window around it
// stays thin.
#pragma once

#include <cstdint>
#include <memory>

#include "core/String.h"
#include "core/Vector.h"
#include "editbox/EditboxFilter.h"
#include "editbox/EditboxHost.h"
#include "editbox/EditboxUndo.h"
#include "editbox/TextBox.h"
#include "platform/Font.h"
#include "platform/Surface.h"
#include "platform/View.h"

// Style bits.
enum : int32_t {
    kEditboxTabs = 0x4,  // Tab may be typed
    kEditboxFixedPitch = 0x8,  // measured and drawn with the fixed-pitch font
    kEditboxLowerCase = 0x40,
    kEditboxUpperCase = 0x80,  // wins over kEditboxLowerCase
    kEditboxMultiLine = 0x200,
    kEditboxReadOnly = 0x400,
    kEditboxOverwriteOnly = 0x2000,  // ignores the insert-mode flag: always overwrites
    kEditboxModifiedByEdit = 0x4000,  // set by every undo snapshot
    kEditboxNoWordBreakOption = 0x400000,  // "WordBreak" is neither loaded nor saved
    kEditboxNoShiftSelect = 0x800000,  // Shift+movement and Shift+click do not select
    kEditboxNoFixedPitchOption = 0x1000000,  // "FixedPitch" is neither loaded nor saved
};

// Flags of a feature button.
enum : int32_t {
    kFeatureNeedsEditable = 1,
    kFeatureNeedsText = 2,
};

// A small button in the editbox frame that runs a command.
struct EditboxFeatureButton {
    int32_t command = 0;
    int32_t flags = 0;
    bool enabled = true;
};

// What a host needs for its scroll bars.
struct EditboxScrollState {
    int32_t topLine = 0;
    int32_t visibleLines = 1;
    // Exact once everything is laid out, an estimate before (see
    // TextBox::EstimatedLineCount).
    int32_t lineCount = 1;
    int32_t horizontalOffset = 0;
    int32_t horizontalExtent = 0;  // widest laid-out line plus a margin
    int32_t pageWidth = 0;
};

// The status bar's figures, one-based where the user counts from one.
struct EditboxStatus {
    int32_t caretLine = 1;
    int32_t lineCount = 1;
    int32_t caretColumn = 1;
    int32_t lineLength = 0;
};

// The settings store's side of "WordBreak" and "FixedPitch": one routine both loads
// and saves, so the keys are written once.
class EditboxOptionExchange {
public:
    virtual ~EditboxOptionExchange() = default;
    virtual bool IsLoading() const = 0;
    // Loading: sets `value` when the key is stored. Saving: stores `value`.
    virtual void ExchangeBool(const char* key, bool& value) = 0;
};

class Editbox : public ViewClient {
public:
    static constexpr int32_t kNoLimit = 0x7FFFFFFF;
    // Pixels between the client edge and the text.
    static constexpr int32_t kTextMargin = 2;
    // Drop effects of a drag, in the low three bits.
    static constexpr int32_t kDropCopy = kDropEffectCopy;
    static constexpr int32_t kDropMove = kDropEffectMove;
    // The undo bounds.
    static constexpr int32_t kUndoRecordLimit = 100;
    static constexpr int32_t kUndoByteLimit = 0x200000;
    static constexpr int32_t kUndoMinimumRecords = 10;

    explicit Editbox(int32_t style = 1);
    ~Editbox() override;
    Editbox(const Editbox&) = delete;
    Editbox& operator=(const Editbox&) = delete;

    // The window that shows the editbox; null while it has none.
    void SetViewHost(ViewHost* view) override;
    ViewHost* View() const { return view_; }
    // The container that hears about changes; may be null.
    void SetHost(EditboxHost* host) { host_ = host; }
    EditboxHost* Host() const { return host_; }
    void SetOwner(EditboxOwner* owner) { owner_ = owner; }
    EditboxOwner* Owner() const { return owner_; }

    // --- Text -------------------------------------------------------------------
    virtual int32_t GetTextLength() const { return box_.Length(); }
    const String& Text() const { return box_.Text(); }
    TextBox& Box() { return box_; }
    // Replaces the whole text (cut to the maximum length) as one change; the caret
    // goes to the minimum caret and the view to the top. Undoable on request.
    bool SetText(const String& text, bool undoable = false);
    // As SetText without copying: `text` receives the old text.
    void TakeText(String& text);

    int32_t Style() const { return style_; }
    void SetStyle(int32_t style);
    void ModifyStyle(int32_t add, int32_t remove) { SetStyle((style_ & ~remove) | add); }
    bool IsReadOnly() const { return (style_ & kEditboxReadOnly) != 0; }
    bool IsMultiLine() const { return (style_ & kEditboxMultiLine) != 0; }
    bool IsModifiedByEdit() const { return (style_ & kEditboxModifiedByEdit) != 0; }
    void ClearModifiedByEdit() { style_ &= ~kEditboxModifiedByEdit; }
    // What kind of editbox this is for the application; 3 = the document editbox.
    void SetKind(int32_t kind) { kind_ = kind; }
    int32_t Kind() const { return kind_; }
    // Password-like boxes refuse to copy.
    void SetCopyProhibited(bool on) { copyProhibited_ = on; }
    bool IsCopyProhibited() const { return copyProhibited_; }

    // A smaller limit cuts the text off at once.
    void SetMaximumLength(int32_t length);
    int32_t MaximumLength() const { return maximumLength_; }
    void SetMinimumCaret(int32_t index);
    int32_t MinimumCaret() const { return minimumCaret_; }

    // --- Caret and selection ----------------------------------------------------
    int32_t Caret() const { return caret_; }
    int32_t Anchor() const { return anchor_; }
    // True when the caret moved. Clamps to the minimum caret (and with a filter to
    // an editable position); the owner may veto.
    bool SetCaret(int32_t index, bool scrollIntoView);
    // No-op when both are unchanged.
    void SetSelection(int32_t anchor, int32_t caret);
    void ClearSelection();
    // True when an anchor is set (which may equal the caret).
    bool GetSelection(int32_t* anchor, int32_t* caret) const;
    bool HasSelection() const { return anchor_ >= 0 && anchor_ != caret_; }
    int32_t SelectionStart() const;  // the lower end, or the caret
    int32_t SelectionEnd() const;  // the upper end, or the caret
    // Empty without a selection or without a window.
    String GetSelectedText() const;
    bool IsAllSelected() const;
    void SelectAll();
    // Display line of the caret (cached until the caret or the text changes).
    int32_t CaretLine();

    // --- Primitive edits (false = refused, nothing changed) ---------------------
    bool InsertChar(int32_t ch);
    bool OverwriteChar(int32_t ch);
    // Enter: an LF, followed by the caret line's leading tabs when auto-indent is on.
    bool InsertLineBreak();
    bool DeleteChar(bool backward);
    bool DeleteSelection();
    // Deletes first..last inclusive.
    bool DeleteRange(int32_t first, int32_t last, bool undoable);
    bool ReplaceRange(const String& text, int32_t start, int32_t count, bool undoable);
    // Replaces the selection, or inserts at the caret, as one undoable change; the
    // caret ends after the new text.
    bool ReplaceSelection(const String& text);
    // Bracket every change. Nested brackets notify once, at the outermost level.
    virtual void BeginChange(bool pushUndo);
    virtual void EndChange();

    // --- Caret movement -----------------------------------------------------------
    // Runs a movement key (Left, Right, Home, End, Up, Down, PgUp, PgDn with Shift
    // and Ctrl); false when the key is not one or is not consumed (Up on the first
    // line, say), so that it passes on to the parent.
    bool MoveCaret(int32_t key, int32_t modifiers);
    bool MoveLeft(bool extend);
    bool MoveRight(bool extend);
    bool MoveWordLeft(bool extend);
    bool MoveWordRight(bool extend);
    bool MoveLineStart(bool extend);
    bool MoveLineEnd(bool extend);
    bool MoveTextStart(bool extend);
    bool MoveTextEnd(bool extend);
    bool MoveLineUp(bool extend);
    bool MoveLineDown(bool extend);
    bool MovePageUp(bool extend);
    bool MovePageDown(bool extend);
    bool MoveFirstLine(bool extend);
    bool MoveLastLine(bool extend);
    // Where the word movements would put the caret.
    int32_t WordLeftFrom(int32_t index) const;
    int32_t WordRightFrom(int32_t index) const;

    // --- Keys and commands ----------------------------------------------------------
    // The key table and the command handler are built on the primitives above and
    // live with the command table (editbox/Commands*). Keys arrive as the framework's
    // codes (characters by code, kKey* for the others) with kMod* bits.
    bool OnKey(int32_t key, int32_t modifiers) override;
    bool OnCharacter(int32_t code, int32_t modifiers) override { return OnKey(code, modifiers); }
    bool OnCommand(int32_t command);

    // --- Clipboard ----------------------------------------------------------------
    bool CanCopy() const;
    // The selection, or the whole text without one, with CR LF line breaks.
    bool Copy();
    bool Cut();
    bool Paste();

    // --- Mouse and drag and drop (client pixels) ----------------------------------
    void OnMouseDown(int32_t x, int32_t y, int32_t modifiers) override;
    void OnMouseMove(int32_t x, int32_t y, bool buttonDown) override;
    void OnMouseUp(int32_t x, int32_t y) override;
    // Three lines a notch.
    void OnWheel(int32_t notches) override;
    // The index under a point, for clicks and drops.
    int32_t IndexAtPoint(int32_t x, int32_t y);
    // Something is dragged over the editbox; false refuses it (read-only).
    bool OnDragOver(int32_t x, int32_t y) override;
    void OnDragLeave() override;
    // Text dropped on the editbox; `effect` is the one the source allowed. Returns
    // the effect performed (0 when refused).
    int32_t OnDrop(const String& text, int32_t x, int32_t y, int32_t effect) override;
    // -1 idle; 0 dragging, still over the dragged text; 1 has left it; 2 dropped on
    // this editbox; 3 dropped back onto the dragged text.
    int32_t DragState() const { return dragState_; }

    // --- Undo ---------------------------------------------------------------------
    void PushUndo();
    void SuspendUndo() { ++undoSuspend_; }
    void ResumeUndo();
    bool Undo();
    bool Redo();
    bool CanUndo() const;
    // A text that becomes another document starts without a history.
    void ClearUndo();
    bool CanRedo() const;
    int32_t UndoCount() const { return undo_.Count(); }
    int32_t UndoPosition() const { return undoPosition_; }
    const EditboxUndo& UndoRecord(int32_t index) const { return *undo_[index]; }
    // Runs a String-to-String tool over the selection or the whole text as one undo
    // step (flags: kTool*).
    bool ApplyTextTool(const TextTransform& transform, int32_t flags);
    bool GetToolTarget(int32_t flags, ToolTarget& target) const;
    bool PutToolResult(const ToolTarget& target, String& newText, int32_t flags);

    // --- Filter -------------------------------------------------------------------
    // Activates the template: the text becomes the empty template.
    void SetFilter(const EditboxFilterList& items);
    void ClearFilter();
    bool IsFilterActive() const { return filterActive_; }
    const EditboxFilterList& Filter() const { return filter_; }

    // --- Layout options -----------------------------------------------------------
    void SetWordWrap(bool on);
    bool WordWrap() const { return box_.WordWrap(); }
    void SetFixedPitch(bool on);
    bool IsFixedPitch() const { return (style_ & kEditboxFixedPitch) != 0; }
    // Reads the tab distance for the current pitch from the settings.
    void RefreshTabDistance();
    // Opens the fonts named in the settings and refreshes the tab distance.
    void RefreshSettings();
    // Fonts to use instead of the settings' (tests, printing previews).
    void SetFonts(std::unique_ptr<Font> variablePitch, std::unique_ptr<Font> fixedPitch);
    const Font* CurrentFont() const;
    void ExchangeOptions(EditboxOptionExchange& exchange);

    // --- Feature buttons ----------------------------------------------------------
    int32_t AddFeatureButton(int32_t command, int32_t flags);
    int32_t FeatureButtonCount() const { return featureButtons_.Count(); }
    const EditboxFeatureButton& FeatureButton(int32_t index) const {
        return featureButtons_[index];
    }
    void UpdateFeatureButtons();

    // --- View ---------------------------------------------------------------------
    void OnSize(int32_t width, int32_t height) override;
    int32_t ClientWidth() const { return clientWidth_; }
    int32_t ClientHeight() const { return clientHeight_; }
    void OnFocus(bool focused) override;
    int32_t TopLine() const { return topLine_; }
    void ScrollToLine(int32_t line);
    void ScrollLines(int32_t delta);
    void SetHorizontalOffset(int32_t x);
    int32_t HorizontalOffset() const { return horizontalOffset_; }
    // Display lines that fit in the view (at least 1).
    int32_t VisibleLineCount();
    void ScrollCaretIntoView();
    EditboxScrollState GetScrollState();
    // The scroll bars: display lines vertically, pixels horizontally.
    ViewScrollState ScrollState() override;
    void OnScroll(ScrollAxis axis, ScrollRequest request, int32_t position) override;
    // Client position of the caret's top left corner.
    void CaretPoint(int32_t& x, int32_t& y);
    void Paint(Surface& surface) override;
    EditboxStatus GetStatus();

protected:
    // The editbox's own child hooks; overrides see every change first.
    virtual void OnAboutToChange() {}
    virtual void OnChanged() {}

private:
    bool ApplyEdit(int32_t start, int32_t removeCount, const char* bytes, int32_t count);
    void ReplaceWholeText(const String& text);
    void CutToMaximumLength();
    void AdjustPositions(int32_t start, int32_t removed, int32_t inserted);
    bool MoveTo(int32_t index, bool extend, bool rememberX);
    bool MoveToLine(int32_t line, bool extend);
    int32_t LeftFrom(int32_t index) const;
    int32_t RightFrom(int32_t index) const;
    char ForceCase(char c) const;
    bool AcceptsTyped(int32_t ch) const;
    bool FilterEdit(const String& newText, int32_t newCaret);
    int32_t ClampCaret(int32_t index) const;
    void RestoreUndo(const EditboxUndo& record);
    void DropUndo(int32_t index);
    void UpdateWrapWidth();
    void UpdateCaret();
    void Invalidate();
    void NotifyScroll();
    int32_t TextLeft() const { return kTextMargin - horizontalOffset_; }
    void PaintLine(Surface& surface, int32_t line, int32_t y, const Rect& clip);
    void StartTextDrag(int32_t index);
    String SelectionText() const;
    bool CanSelect() const { return (style_ & kEditboxNoShiftSelect) == 0; }

    TextBox box_;
    ViewHost* view_ = nullptr;
    EditboxHost* host_ = nullptr;
    EditboxOwner* owner_ = nullptr;
    int32_t style_ = 1;
    int32_t kind_ = 0;
    bool copyProhibited_ = false;

    int32_t caret_ = 0;
    int32_t anchor_ = -1;
    int32_t maximumLength_ = kNoLimit;
    int32_t minimumCaret_ = 0;
    int32_t caretLine_ = -1;
    // The x the vertical movements aim for; -1 = take the caret's.
    int32_t rememberedX_ = -1;
    bool keepRememberedX_ = false;
    int32_t changeDepth_ = 0;

    EditboxFilterList filter_;
    bool filterActive_ = false;

    Vector<EditboxUndo*> undo_;
    // The buffer of the last snapshot dropped, reused for the next one: with a large
    // document every keystroke would otherwise fault in a fresh copy's worth of pages.
    String undoSpare_;
    int32_t undoPosition_ = 0;
    int32_t undoSuspend_ = 0;

    Vector<EditboxFeatureButton> featureButtons_;

    std::unique_ptr<Font> variableFont_;
    std::unique_ptr<Font> fixedFont_;

    int32_t clientWidth_ = 0;
    int32_t clientHeight_ = 0;
    int32_t topLine_ = 0;
    int32_t horizontalOffset_ = 0;
    bool focused_ = false;

    // Mouse and drag state.
    bool selecting_ = false;
    int32_t mouseAnchor_ = 0;  // where the press that is selecting began
    int32_t dropIndex_ = -1;  // the last index the dragged pointer was over
    int32_t dragState_ = -1;
    int32_t dragFirst_ = 0;  // the dragged range, noted when the drag began
    int32_t dragEnd_ = 0;
    int32_t dropAt_ = -1;  // where a drop on this editbox inserted
    int32_t dropLength_ = 0;
};

// Line breaks as the clipboard and saved files carry them: every CR, LF, CR LF and
// LF CR becomes CR LF.
String WithCrLfLineBreaks(const String& text);
