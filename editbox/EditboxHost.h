// What an editbox tells the container it sits in, and the window that owns it. The
// window that shows it is its view host (platform/View.h); the container hears about
// changes so it can pass them up to every ancestor; the owner is the application's
// window that reacts to edits (status bar, toolbar enabling, the modified flag).
#pragma once

#include <cstdint>

class Editbox;

class EditboxHost {
public:
    virtual ~EditboxHost() = default;
    // The editbox is about to change / has changed.
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
