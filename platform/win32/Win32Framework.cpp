#include "platform/win32/Win32Framework.h"

#include <ole2.h>

#include "core/Fatal.h"

#include <cstring>

const char kCorvaneWindowClass[] = "Corvane Window";

Win32Framework& TheWin32Framework() {
    static Win32Framework framework;
    return framework;
}

namespace {

// Menus run their own message loop, out of reach of ours; the hook is how the
// framework still sees their keyboard input.
LRESULT CALLBACK MessageFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    Win32Framework& fw = TheWin32Framework();
    if (code == MSGF_MENU) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        // While the fatal report is up nothing else may react to input.
        if (IsReportingFatalError() && msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) return 1;
    }
    return CallNextHookEx(fw.messageHook, code, wParam, lParam);
}

void LoadDefaultFont(Win32Framework& fw) {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        fw.defaultLogFont = metrics.lfMessageFont;
    } else {
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof fw.defaultLogFont, &fw.defaultLogFont);
    }
    // The bitmap "System" face cannot be scaled or measured like the others.
    if (lstrcmpiA(fw.defaultLogFont.lfFaceName, "System") == 0 || fw.defaultLogFont.lfFaceName[0] == 0) {
        std::strcpy(fw.defaultLogFont.lfFaceName, "Arial");
    }
    fw.defaultFont = CreateFontIndirectA(&fw.defaultLogFont);
}

}  // namespace

LRESULT CALLBACK CorvaneWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* target = reinterpret_cast<Win32MessageTarget*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!target && message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        target = static_cast<Win32MessageTarget*>(create->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
    }
    if (!target) return DefWindowProcA(window, message, wParam, lParam);
    LRESULT result = target->HandleMessage(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    return result;
}

bool StartWin32Framework(HINSTANCE instance) {
    Win32Framework& fw = TheWin32Framework();
    fw.startTicks = GetTickCount();
    fw.instance = instance;

    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = CorvaneWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kCorvaneWindowClass;
    if (!RegisterClassExA(&wc)) return false;

    fw.oleReady = SUCCEEDED(OleInitialize(nullptr));
    fw.arrowCursor = LoadCursorA(nullptr, IDC_ARROW);
    fw.beamCursor = LoadCursorA(nullptr, IDC_IBEAM);
    fw.waitCursor = LoadCursorA(nullptr, IDC_WAIT);
    fw.sizeWeCursor = LoadCursorA(nullptr, IDC_SIZEWE);
    fw.sizeNsCursor = LoadCursorA(nullptr, IDC_SIZENS);
    LoadDefaultFont(fw);
    fw.taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    fw.wheelRollMessage = RegisterWindowMessageA("MSWHEEL_ROLLMSG");
    fw.endIdleMessage = RegisterWindowMessageA("Corvane End-Idle Message");
    fw.messageHook = SetWindowsHookExA(WH_MSGFILTER, MessageFilterHook, nullptr, GetCurrentThreadId());
    fw.screenDC = GetDC(nullptr);
    fw.memoryDC = CreateCompatibleDC(fw.screenDC);
    return true;
}

void ShutdownWin32Framework() {
    Win32Framework& fw = TheWin32Framework();
    if (fw.shutDown) return;
    fw.shutDown = true;
    fw.quitting = true;
    if (fw.messageHook) UnhookWindowsHookEx(fw.messageHook);
    fw.messageHook = nullptr;
    if (fw.screenDC) ReleaseDC(nullptr, fw.screenDC);
    if (fw.memoryDC) DeleteDC(fw.memoryDC);
    fw.screenDC = fw.memoryDC = nullptr;
    if (fw.defaultFont) DeleteObject(fw.defaultFont);
    fw.defaultFont = nullptr;
    if (fw.oleReady) OleUninitialize();
    fw.oleReady = false;
    SetCursor(fw.arrowCursor);
}
