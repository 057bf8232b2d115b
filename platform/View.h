// A view: a child area of a window that the portable code draws itself and that
// takes the mouse and the keyboard, such as the editbox, a print preview or a help
// page. The platform's view window paints by calling the client and forwards input
// to it; the client asks its host to repaint, scroll, place the caret and so on.
#pragma once

#include <cstdint>

#include "core/String.h"
#include "platform/Surface.h"

class ViewHost;

// Drop effects of a drag, in the low three bits.
enum : int32_t { kDropEffectCopy = 1, kDropEffectMove = 2 };

enum class ViewCursor { Arrow, IBeam, Busy, Link };

enum class ScrollAxis { Vertical, Horizontal };

// What the user asked of a scroll bar. Track carries the position the thumb was
// dragged to.
enum class ScrollRequest { LineBack, LineForward, PageBack, PageForward, Track, Start, End };

// One scroll bar in the client's own units: the position runs from 0 to `maximum`,
// and `page` units fit in the view.
struct ScrollBarState {
    int32_t position = 0;
    int32_t page = 1;
    int32_t maximum = 0;
};

struct ViewScrollState {
    ScrollBarState vertical;
    ScrollBarState horizontal;
};

// The portable side of a view. Coordinates are client pixels; keys and modifiers
// are the framework's codes (platform/Window.h).
class ViewClient {
public:
    virtual ~ViewClient() = default;
    // The window that shows the client, once it exists; null when it goes.
    virtual void SetViewHost(ViewHost* host) = 0;

    virtual void Paint(Surface& surface) = 0;
    virtual void OnSize(int32_t width, int32_t height) = 0;
    virtual void OnFocus(bool focused) = 0;

    // The host takes the mouse while the left button is down.
    virtual void OnMouseDown(int32_t x, int32_t y, int32_t modifiers) = 0;
    virtual void OnDoubleClick(int32_t x, int32_t y, int32_t modifiers) {
        OnMouseDown(x, y, modifiers);
    }
    virtual void OnMouseMove(int32_t x, int32_t y, bool buttonDown) = 0;
    virtual void OnMouseUp(int32_t x, int32_t y) = 0;
    // Whole wheel notches, positive when the wheel turns away from the user.
    virtual void OnWheel(int32_t notches) = 0;

    // Keys without a character, and Ctrl combinations; false passes the key on.
    virtual bool OnKey(int32_t key, int32_t modifiers) = 0;
    // A typed character (its code, Shift the only modifier); false passes it on.
    virtual bool OnCharacter(int32_t code, int32_t modifiers) = 0;

    virtual ViewScrollState ScrollState() = 0;
    virtual void OnScroll(ScrollAxis axis, ScrollRequest request, int32_t position) = 0;

    // Text dragged over the view; false refuses it.
    virtual bool OnDragOver(int32_t x, int32_t y) = 0;
    virtual void OnDragLeave() = 0;
    // Text dropped on the view; `effect` holds what the source allows. Returns the
    // effect performed (0 when refused).
    virtual int32_t OnDrop(const String& text, int32_t x, int32_t y, int32_t effect) = 0;
};

class ViewHost {
public:
    virtual ~ViewHost() = default;
    virtual void InvalidateAll() = 0;
    virtual void InvalidateArea(const Rect& area) = 0;
    // Something in the client's ScrollState changed; the host reads it back.
    virtual void ScrollStateChanged() = 0;
    // Where the caret is to be shown. A width or height of 0 hides it.
    virtual void PlaceCaret(int32_t x, int32_t y, int32_t width, int32_t height) = 0;
    // The pointer's shape while it is over the view.
    virtual void SetCursor(ViewCursor cursor) = 0;
    // Keeps the mouse reporting to this view while it is outside (or lets it go).
    virtual void CaptureMouse(bool capture) = 0;
    // Runs a modal drag of `text` from this view and returns the drop effect (0 when
    // nothing was dropped). `allowed` holds the effects the drop may choose. While it
    // runs, the host reports the pointer through the client's OnDragOver/OnDrop.
    virtual int32_t DragText(const String& text, int32_t allowed) = 0;
};
