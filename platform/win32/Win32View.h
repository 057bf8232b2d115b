// A view as a Win32 child window: double-buffered GDI painting through the client,
// scroll bars, the caret, the wheel, mouse capture, the pointer's shape, and OLE
// drag and drop of text (a file list dropped on it goes to the frame around it).
// Any ViewClient can sit in one; a kind of view with messages of its own derives
// from it.
#pragma once

#include <windows.h>
#include <ole2.h>

#include "platform/View.h"
#include "platform/win32/Win32Framework.h"

class Win32View : public ViewHost, public Win32MessageTarget, public IDropTarget {
public:
    explicit Win32View(ViewClient& client) : client_(client) {}
    ~Win32View() override = default;
    Win32View(const Win32View&) = delete;
    Win32View& operator=(const Win32View&) = delete;

    // A visible child of `parent` in the window class `className` (registered on
    // first use). False when the window cannot be made; the object then still
    // belongs to the caller. Once made, the window owns the object and tells the
    // client when it goes.
    bool Create(HWND parent, const char* className);
    HWND Handle() const { return window_; }

    // ViewHost
    void InvalidateAll() override;
    void InvalidateArea(const Rect& area) override;
    void ScrollStateChanged() override { UpdateScrollBars(); }
    void PlaceCaret(int32_t x, int32_t y, int32_t width, int32_t height) override;
    void SetCursor(ViewCursor cursor) override;
    void CaptureMouse(bool capture) override;
    int32_t DragText(const String& text, int32_t allowed) override;

    // IDropTarget
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    // The window's lifetime bounds the target's: it is revoked on WM_DESTROY.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) final;

protected:
    // Messages particular to one kind of view, seen before the common handling;
    // true when handled, with the message's result in `result`.
    virtual bool HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    int32_t CaretHeight() const { return caretHeight_; }

private:
    HWND FileListTarget() const;
    bool ForwardFileList(IDataObject* data);
    void UpdateScrollBars();
    void Paint();
    void OnScroll(ScrollAxis axis, int request);
    bool OnKeyDown(WPARAM vk);
    bool OnChar(WPARAM ch);

    ViewClient& client_;
    HWND window_ = nullptr;
    ViewCursor cursor_ = ViewCursor::Arrow;
    bool dropRegistered_ = false;
    bool dragHasText_ = false;
    bool dragHasFiles_ = false;
    bool caretCreated_ = false;
    bool caretShown_ = false;
    int32_t caretWidth_ = 0;
    int32_t caretHeight_ = 0;
    bool mouseDown_ = false;
    int wheelRemainder_ = 0;
};

// A view window for any client. Null when it cannot be created.
HWND CreateViewWindow(HWND parent, ViewClient& client);
