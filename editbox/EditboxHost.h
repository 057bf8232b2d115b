// What an editbox needs from the window that shows it, and what it tells the window
// that owns it. The host is the platform's child window (it draws by calling
// Editbox::Paint and forwards input); the owner is the application's window that
// reacts to edits (status bar, toolbar enabling, the modified flag).
#pragma once

#include <cstdint>

#include "core/String.h"
#include "platform/Surface.h"

class Editbox;

class EditboxHost {
public:
    virtual ~EditboxHost() = default;
    virtual void InvalidateAll() = 0;
    virtual void InvalidateArea(const Rect& area) = 0;
    // The top line, the horizontal offset or the scroll ranges changed; the host
    // reads them back through Editbox::GetScrollState.
    virtual void ScrollStateChanged() = 0;
    // Where the caret is to be shown, in client pixels. A width or height of 0
    // hides it.
    virtual void PlaceCaret(int32_t x, int32_t y, int32_t width, int32_t height) = 0;
    // Runs a modal drag of `text` from this editbox and returns the drop effect
    // (1 copy, 2 move in the low three bits; 0 when nothing was dropped). `allowed`
    // holds the effects the drop may choose, in the same bits. While it runs, the
    // host reports the pointer through Editbox::OnDragOver/OnDrop.
    virtual int32_t DragText(const String& text, int32_t allowed) = 0;
    // The editbox is about to change / has changed: the host passes this up to every
    // ancestor window.
    virtual void ChildAboutToChange() {}
    virtual void ChildChanged() {}
    // Some feature button was enabled or disabled.
    virtual void FeatureButtonsChanged() {}
};

// Callbacks in the order of the owner's interface.
class EditboxOwner {
public:
    virtual ~EditboxOwner() = default;
    virtual void EditboxAboutToChange(Editbox& editbox) = 0;
    virtual void EditboxChanged(Editbox& editbox) = 0;
    // True vetoes the move.
    virtual bool EditboxCaretMayNotMove(Editbox& editbox, int32_t newCaret) = 0;
    virtual void EditboxCaretMoved(Editbox& editbox) = 0;
    virtual void EditboxFixedPitchToggled(Editbox& editbox) = 0;
};
