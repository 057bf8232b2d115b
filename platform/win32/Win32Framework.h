// Process-wide Win32 state of the framework: prepared once before the application
// runs and torn down once after.
#pragma once

#include <windows.h>

struct Win32Framework {
    HINSTANCE instance = nullptr;
    DWORD startTicks = 0;
    HCURSOR arrowCursor = nullptr;
    HCURSOR beamCursor = nullptr;
    HCURSOR waitCursor = nullptr;
    HCURSOR sizeWeCursor = nullptr;
    HCURSOR sizeNsCursor = nullptr;
    HFONT defaultFont = nullptr;
    LOGFONTA defaultLogFont = {};
    UINT taskbarCreatedMessage = 0;
    UINT wheelRollMessage = 0;  // the mouse-wheel message of old mouse drivers
    UINT endIdleMessage = 0;
    HHOOK messageHook = nullptr;
    HDC screenDC = nullptr;
    HDC memoryDC = nullptr;
    bool oleReady = false;
    bool quitting = false;
    bool shutDown = false;
};

Win32Framework& TheWin32Framework();

extern const char kCorvaneWindowClass[];

// Posted to a frame that accepts dropped files, by a child window that a file list was
// dropped on: lParam is a heap-allocated std::vector<String>* the frame takes over.
// Posting, rather than calling, keeps the save question out of the OLE drop call.
constexpr UINT kDroppedFileNamesMessage = WM_APP + 1;

// Both return false (and leave things as they were) only when the platform refuses.
bool StartWin32Framework(HINSTANCE instance);
void ShutdownWin32Framework();

// Window procedure of the framework's own windows: the window's object pointer is
// stored at creation and receives every message. The creation parameter must be the
// Win32MessageTarget* itself (cast before it becomes a void*), since the objects
// derive from other bases as well.
LRESULT CALLBACK CorvaneWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class Win32MessageTarget {
public:
    virtual ~Win32MessageTarget() = default;
    virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};
