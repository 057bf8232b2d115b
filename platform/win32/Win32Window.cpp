#include "platform/win32/Win32Window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "core/Fatal.h"
#include "core/Settings.h"
#include "platform/win32/Win32EditboxWindow.h"
#include "platform/win32/Win32View.h"
#include "platform/win32/Win32Keys.h"
#include "ui/Menu.h"
#include "ui/Toolbar.h"
#include "ui/ToolbarArt.h"

namespace {

constexpr int kToolbarId = 1;
constexpr int kStatusId = 2;

// Each picture is laid over the button face so that its anti-aliased rim blends into
// the toolbar, and the mask keeps the rest transparent. The disabled pictures are the
// same in faded grey: comctl32's own embossing would flatten them to silhouettes.
HIMAGELIST MakeToolbarImageList(int32_t size, bool disabled) {
    int32_t count = int32_t(ToolbarImage::kCount);
    int32_t width = size * count;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -size;  // top-down, as the pictures are
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP colours = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!colours) return nullptr;
    size_t maskStride = size_t((width + 15) / 16) * 2;  // monochrome rows are word-aligned
    std::vector<uint8_t> mask(maskStride * size_t(size), 0);
    auto* out = static_cast<uint32_t*>(bits);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    const float faceRgb[3] = {float(GetRValue(face)), float(GetGValue(face)), float(GetBValue(face))};
    for (int32_t image = 0; image < count; ++image) {
        ToolbarPicture picture = DrawToolbarImage(ToolbarImage(image), size);
        for (int32_t y = 0; y < size; ++y) {
            for (int32_t x = 0; x < size; ++x) {
                uint32_t pixel = picture.pixels[size_t(y * size + x)];
                float alpha = float(pixel >> 24) / 255.0f;
                float rgb[3] = {float((pixel >> 16) & 0xFF), float((pixel >> 8) & 0xFF), float(pixel & 0xFF)};
                if (disabled) {
                    float grey = 255.0f - (255.0f - (rgb[0] * 0.3f + rgb[1] * 0.59f + rgb[2] * 0.11f)) * 0.45f;
                    rgb[0] = rgb[1] = rgb[2] = grey;
                }
                uint32_t blended = 0;
                for (int i = 0; i < 3; ++i) {
                    blended = blended << 8 | uint32_t(rgb[i] * alpha + faceRgb[i] * (1.0f - alpha) + 0.5f);
                }
                int32_t column = image * size + x;
                out[size_t(y) * size_t(width) + size_t(column)] = blended;
                if (alpha <= 0) mask[size_t(y) * maskStride + size_t(column / 8)] |= uint8_t(0x80 >> (column % 8));
            }
        }
    }
    HBITMAP maskBitmap = CreateBitmap(width, size, 1, 1, mask.data());
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0);
    if (list) ImageList_Add(list, colours, maskBitmap);
    DeleteObject(maskBitmap);
    DeleteObject(colours);
    return list;
}

}  // namespace

Win32Frame::Win32Frame(FrameClient& client) : client_(client) {}

// Appends the model's items to `handle`, creating popups for submenus and noting
// where in the model each popup comes from, so it can be refilled when it opens.
void Win32Frame::FillNativeMenu(HMENU handle, const Menu& menu, const std::vector<int32_t>& path) {
    for (int32_t i = 0; i < menu.Count(); ++i) {
        const MenuItem& item = menu.Item(i);
        if (item.IsSeparator()) {
            AppendMenuA(handle, MF_SEPARATOR, 0, nullptr);
        } else if (item.submenu) {
            HMENU popup = CreatePopupMenu();
            std::vector<int32_t> subPath = path;
            subPath.push_back(i);
            FillNativeMenu(popup, *item.submenu, subPath);
            popupPaths_.push_back({popup, subPath});
            AppendMenuA(handle, MF_POPUP | (item.enabled ? 0 : MF_GRAYED),
                        reinterpret_cast<UINT_PTR>(popup), item.label.c_str());
        } else {
            UINT flags = MF_STRING | (item.checked ? MF_CHECKED : 0) | (item.enabled ? 0 : MF_GRAYED);
            AppendMenuA(handle, flags, UINT_PTR(item.command), item.label.c_str());
        }
    }
}

// The portable side rebuilds a menu's entries as it opens (their wording follows the
// selection), so the native popup is emptied and filled again from the model.
void Win32Frame::RefillPopup(HMENU popup) {
    if (!menuBar_) return;
    auto found = std::find_if(popupPaths_.begin(), popupPaths_.end(),
                              [popup](const PopupPath& p) { return p.handle == popup; });
    if (found == popupPaths_.end()) return;
    std::vector<int32_t> path = found->path;
    const Menu* menu = menuBar_;
    for (int32_t index : path) {
        if (index >= menu->Count() || !menu->Item(index).submenu) return;
        menu = menu->Item(index).submenu.get();
    }
    // Popups below this one go with it.
    popupPaths_.erase(std::remove_if(popupPaths_.begin(), popupPaths_.end(),
                                     [&path](const PopupPath& p) {
                                         return p.path.size() > path.size() &&
                                                std::equal(path.begin(), path.end(), p.path.begin());
                                     }),
                      popupPaths_.end());
    while (GetMenuItemCount(popup) > 0) DeleteMenu(popup, 0, MF_BYPOSITION);
    FillNativeMenu(popup, *menu, path);
}

Win32Frame::~Win32Frame() {
    Destroy();
    DestroyToolbarImages();
    auto& frames = TheWin32WindowSystem().frames_;
    frames.erase(std::remove(frames.begin(), frames.end(), this), frames.end());
}

bool Win32Frame::CreateNative(const String& className, const String& caption) {
    caption_ = caption;
    window_ = CreateWindowExA(0, className.c_str(), caption.c_str(),
                              WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                              760, 540, nullptr, nullptr, TheWin32Framework().instance,
                              static_cast<Win32MessageTarget*>(this));
    return window_ != nullptr;
}

void Win32Frame::Show() {
    if (!window_) return;
    ShowWindow(window_, showMaximised_ ? SW_SHOWMAXIMIZED : SW_SHOW);
    showMaximised_ = false;
    UpdateWindow(window_);
    if (viewWindow_) SetFocus(viewWindow_);
}

bool Win32Frame::GetPlacement(WindowPlacement& placement) const {
    WINDOWPLACEMENT native = {};
    native.length = sizeof native;
    if (!window_ || !GetWindowPlacement(window_, &native)) return false;
    placement.left = native.rcNormalPosition.left;
    placement.top = native.rcNormalPosition.top;
    placement.right = native.rcNormalPosition.right;
    placement.bottom = native.rcNormalPosition.bottom;
    placement.show = native.showCmd == SW_SHOWMAXIMIZED   ? WindowPlacement::kMaximized
                     : native.showCmd == SW_SHOWMINIMIZED ? WindowPlacement::kMinimized
                                                          : WindowPlacement::kNormal;
    return true;
}

// A window that was minimised when the editor closed comes back normal: nobody
// starts an editor to have it out of sight.
void Win32Frame::SetPlacement(const WindowPlacement& placement) {
    WINDOWPLACEMENT native = {};
    native.length = sizeof native;
    if (!window_ || !GetWindowPlacement(window_, &native)) return;
    native.rcNormalPosition = {placement.left, placement.top, placement.right, placement.bottom};
    bool maximised = placement.show == WindowPlacement::kMaximized;
    if (IsWindowVisible(window_)) {
        native.showCmd = maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    } else {
        native.showCmd = SW_HIDE;
        showMaximised_ = maximised;
    }
    native.flags = 0;
    SetWindowPlacement(window_, &native);
}

bool Win32Frame::IsVisible() const {
    return window_ && IsWindowVisible(window_);
}

void Win32Frame::SetCaption(const String& caption) {
    caption_ = caption;
    ApplyWindowText();
}

void Win32Frame::SetTaskBarTitle(const String& title) {
    taskBarTitle_ = title;
    ApplyWindowText();
}

// With the native title bar there is one window text for both places; the title bar
// is what matters while the window is up, the task bar once it is minimised.
void Win32Frame::ApplyWindowText() {
    if (!window_) return;
    const String& text = (minimised_ && !taskBarTitle_.IsEmpty()) ? taskBarTitle_ : caption_;
    SetWindowTextA(window_, text.c_str());
}

void Win32Frame::SetMenuBar(Menu* bar) {
    menuBar_ = bar;
    HMENU old = menuHandle_;
    popupPaths_.clear();
    menuHandle_ = nullptr;
    if (bar) {
        menuHandle_ = CreateMenu();
        FillNativeMenu(menuHandle_, *bar, {});
    }
    if (window_) SetMenu(window_, menuHandle_);
    if (old) DestroyMenu(old);
}

void Win32Frame::RefreshMenuBar() {
    if (!menuBar_ || !menuHandle_) return;
    // Top-level labels do not change; the popups are refilled when they open.
    DrawMenuBar(window_);
}

void Win32Frame::SetToolbar(Toolbar* toolbar) {
    toolbar_ = toolbar;
    if (toolbarWindow_) {
        DestroyWindow(toolbarWindow_);
        toolbarWindow_ = nullptr;
    }
    if (toolbar_) BuildToolbar();
    LayOut();
}

void Win32Frame::BuildToolbar() {
    toolbarWindow_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                     WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP,
                                     0, 0, 0, 0, window_, HMENU(INT_PTR(kToolbarId)),
                                     TheWin32Framework().instance, nullptr);
    SendMessageA(toolbarWindow_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    // The framework's toolbar height decides how large the pictures are drawn.
    int32_t size = ToolbarImageSize(int32_t(FrameworkSetting(kSetToolbarHeight).value.ToWhole()));
    // Drawn afresh each time (a few milliseconds), so they follow the current button face.
    DestroyToolbarImages();
    toolbarImages_ = MakeToolbarImageList(size, false);
    disabledToolbarImages_ = MakeToolbarImageList(size, true);
    SendMessageA(toolbarWindow_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(toolbarImages_));
    SendMessageA(toolbarWindow_, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabledToolbarImages_));
    std::vector<TBBUTTON> buttons;
    for (int32_t i = 0; i < toolbar_->Count(); ++i) {
        const ToolbarButton& model = toolbar_->Button(i);
        TBBUTTON button = {};
        if (model.command == 0) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = model.image == ToolbarImage::kNone ? I_IMAGENONE : int(model.image);
            button.idCommand = model.command;
            button.fsState = model.enabled ? TBSTATE_ENABLED : 0;
            button.fsStyle = BTNS_BUTTON;
        }
        buttons.push_back(button);
    }
    SendMessageA(toolbarWindow_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageA(toolbarWindow_, TB_AUTOSIZE, 0, 0);
}

void Win32Frame::DestroyToolbarImages() {
    if (toolbarImages_) ImageList_Destroy(toolbarImages_);
    if (disabledToolbarImages_) ImageList_Destroy(disabledToolbarImages_);
    toolbarImages_ = disabledToolbarImages_ = nullptr;
}

void Win32Frame::RefreshToolbar() {
    if (!toolbar_ || !toolbarWindow_) return;
    for (int32_t i = 0; i < toolbar_->Count(); ++i) {
        const ToolbarButton& model = toolbar_->Button(i);
        if (model.command != 0) {
            SendMessageA(toolbarWindow_, TB_ENABLEBUTTON, model.command, MAKELONG(model.enabled, 0));
        }
    }
}

void Win32Frame::SetStatusBar(StatusBar* statusBar) {
    statusBar_ = statusBar;
    if (statusWindow_) {
        DestroyWindow(statusWindow_);
        statusWindow_ = nullptr;
    }
    if (statusBar_) BuildStatusBar();
    LayOut();
}

void Win32Frame::BuildStatusBar() {
    statusWindow_ = CreateWindowExA(0, STATUSCLASSNAMEA, nullptr,
                                    WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | SBARS_TOOLTIPS, 0, 0, 0, 0,
                                    window_, HMENU(INT_PTR(kStatusId)), TheWin32Framework().instance,
                                    nullptr);
    SetStatusParts();
    RefreshStatusBar();
}

// One stretching part on the left for messages, then the model's fields at the right,
// each as wide as its count of average characters.
void Win32Frame::SetStatusParts() {
    if (!statusWindow_ || !statusBar_) return;
    HDC dc = GetDC(statusWindow_);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(statusWindow_, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    if (old) SelectObject(dc, old);
    ReleaseDC(statusWindow_, dc);
    RECT client = {};
    GetClientRect(window_, &client);
    int32_t count = statusBar_->Count();
    int fieldsWidth = 0;
    for (int32_t i = 0; i < count; ++i) {
        fieldsWidth += statusBar_->Field(i).widthInChars * metrics.tmAveCharWidth + 8;
    }
    std::vector<int> parts;
    int x = std::max(int(client.right) - fieldsWidth - GetSystemMetrics(SM_CXVSCROLL), 0);
    parts.push_back(x);
    for (int32_t i = 0; i < count; ++i) {
        x += statusBar_->Field(i).widthInChars * metrics.tmAveCharWidth + 8;
        // The last field runs on into the size grip.
        parts.push_back(i == count - 1 ? -1 : x);
    }
    SendMessageA(statusWindow_, SB_SETPARTS, parts.size(), reinterpret_cast<LPARAM>(parts.data()));
    for (int32_t i = 0; i < count; ++i) {
        SendMessageA(statusWindow_, SB_SETTIPTEXTA, i + 1,
                     reinterpret_cast<LPARAM>(statusBar_->Field(i).hint.c_str()));
    }
}

void Win32Frame::RefreshStatusBar() {
    if (!statusWindow_ || !statusBar_) return;
    for (int32_t i = 0; i < statusBar_->Count(); ++i) {
        SendMessageA(statusWindow_, SB_SETTEXTA, i + 1,
                     reinterpret_cast<LPARAM>(statusBar_->Field(i).text.c_str()));
    }
}

void Win32Frame::ShowStatusHelp(const String& text) {
    if (!statusWindow_) return;
    if (text.IsEmpty()) {
        if (statusHelpShown_) SendMessageA(statusWindow_, SB_SIMPLE, FALSE, 0);
        statusHelpShown_ = false;
        return;
    }
    SendMessageA(statusWindow_, SB_SIMPLE, TRUE, 0);
    SendMessageA(statusWindow_, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
    statusHelpShown_ = true;
}

// The old view goes before the new one is made: a client attached again would
// otherwise lose its new host when the old window goes.
void Win32Frame::AttachView(ViewClient& view) {
    if (viewWindow_) DestroyWindow(viewWindow_);
    PlaceView(CreateViewWindow(window_, view));
}

void Win32Frame::AttachEditbox(Editbox& editbox) {
    if (viewWindow_) DestroyWindow(viewWindow_);
    PlaceView(CreateEditboxWindow(window_, editbox));
}

void Win32Frame::PlaceView(HWND view) {
    viewWindow_ = view;
    LayOut();
    if (viewWindow_) SetFocus(viewWindow_);
}

void Win32Frame::AddShortcut(int32_t key, int32_t modifiers, int32_t command) {
    shortcuts_.push_back({key, modifiers, command});
}

bool Win32Frame::TranslateShortcut(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    if (msg.hwnd != window_ && !IsChild(window_, msg.hwnd)) return false;
    int32_t key = FrameworkKeyFromVirtualKey(msg.wParam);
    if (key == 0) return false;
    int32_t modifiers = CurrentKeyModifiers();
    for (const Shortcut& s : shortcuts_) {
        if (s.key == key && s.modifiers == modifiers) {
            client_.OnFrameCommand(s.command);
            return true;
        }
    }
    return false;
}

void Win32Frame::AcceptDroppedFiles(bool accept) {
    if (window_) DragAcceptFiles(window_, accept ? TRUE : FALSE);
}

void Win32Frame::PostCommand(int32_t command) {
    if (window_) PostMessageA(window_, WM_COMMAND, WPARAM(command), 0);
}

void Win32Frame::StartTimer(int32_t id, int32_t milliseconds) {
    if (window_) SetTimer(window_, UINT_PTR(id), UINT(milliseconds), nullptr);
}

void Win32Frame::StopTimer(int32_t id) {
    if (window_) KillTimer(window_, UINT_PTR(id));
}

void Win32Frame::Close() {
    if (window_) SendMessageA(window_, WM_CLOSE, 0, 0);
}

void Win32Frame::Destroy() {
    if (window_) DestroyWindow(window_);
}

void Win32Frame::LayOut() {
    if (!window_) return;
    RECT client = {};
    GetClientRect(window_, &client);
    int top = 0, bottom = client.bottom;
    if (toolbarWindow_) {
        SendMessageA(toolbarWindow_, TB_AUTOSIZE, 0, 0);
        RECT r = {};
        GetWindowRect(toolbarWindow_, &r);
        top = r.bottom - r.top;
    }
    if (statusWindow_) {
        SendMessageA(statusWindow_, WM_SIZE, 0, 0);
        RECT r = {};
        GetWindowRect(statusWindow_, &r);
        bottom -= r.bottom - r.top;
        SetStatusParts();
    }
    if (viewWindow_) {
        MoveWindow(viewWindow_, 0, top, client.right, std::max(bottom - top, 0), TRUE);
    }
}

bool Win32Frame::OnNotify(NMHDR* header, LRESULT& result) {
    if (header->code == TTN_GETDISPINFOA && toolbar_) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
        if (const ToolbarButton* button = toolbar_->Find(int32_t(header->idFrom))) {
            tipText_ = button->help;
            info->lpszText = const_cast<char*>(tipText_.c_str());
            result = 0;
            return true;
        }
    }
    return false;
}

LRESULT Win32Frame::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            minimised_ = wParam == SIZE_MINIMIZED;
            ApplyWindowText();
            if (!minimised_) {
                LayOut();
                if (statusWindow_) client_.OnStatusBarResized();
            }
            return 0;
        case WM_SETFOCUS:
            if (viewWindow_) SetFocus(viewWindow_);
            return 0;
        case WM_ACTIVATE:
            client_.OnFrameActivate(LOWORD(wParam) != WA_INACTIVE);
            break;
        case WM_COMMAND:
            if (lParam == 0 || HWND(lParam) == toolbarWindow_) {
                client_.OnFrameCommand(int32_t(LOWORD(wParam)));
                return 0;
            }
            break;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (OnNotify(reinterpret_cast<NMHDR*>(lParam), result)) return result;
            break;
        }
        case WM_INITMENUPOPUP:
            client_.OnMenuOpening();
            RefillPopup(reinterpret_cast<HMENU>(wParam));
            return 0;
        case WM_MENUSELECT: {
            UINT flags = HIWORD(wParam);
            if (flags == 0xFFFF && lParam == 0) {
                client_.OnMenuHighlight(0);
            } else if (!(flags & (MF_POPUP | MF_SEPARATOR))) {
                client_.OnMenuHighlight(int32_t(LOWORD(wParam)));
            } else {
                ShowStatusHelp(" ");
            }
            return 0;
        }
        case WM_EXITMENULOOP:
            client_.OnMenuHighlight(0);
            return 0;
        case WM_DROPFILES: {
            HDROP drop = reinterpret_cast<HDROP>(wParam);
            std::vector<String> names;
            UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
            for (UINT i = 0; i < count; ++i) {
                char name[MAX_PATH * 2] = {};
                if (DragQueryFileA(drop, i, name, sizeof name)) names.emplace_back(name);
            }
            DragFinish(drop);
            client_.OnFilesDropped(names);
            return 0;
        }
        case kDroppedFileNamesMessage: {
            std::unique_ptr<std::vector<String>> names(reinterpret_cast<std::vector<String>*>(lParam));
            if (names) client_.OnFilesDropped(*names);
            return 0;
        }
        case WM_TIMER:
            client_.OnFrameTimer(int32_t(wParam));
            return 0;
        case WM_CLOSE:
            if (client_.OnFrameQueryClose()) DestroyWindow(window);
            return 0;
        // Logging off asks about the document as Exit does; once the session really
        // ends the process is killed after this message, so the window goes now and
        // takes the options' save with it.
        case WM_QUERYENDSESSION:
            return client_.OnFrameQueryClose() ? TRUE : FALSE;
        case WM_ENDSESSION:
            if (wParam) DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            client_.OnFrameDestroyed();
            return 0;
        case WM_NCDESTROY:
            window_ = toolbarWindow_ = statusWindow_ = viewWindow_ = nullptr;
            if (menuHandle_) menuHandle_ = nullptr;  // destroyed with its window
            PostQuitMessage(0);
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool Win32WindowSystem::RegisterFrameClass(const String& className) {
    Win32Framework& fw = TheWin32Framework();
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC | CS_DBLCLKS;
    wc.lpfnWndProc = CorvaneWindowProc;
    wc.hInstance = fw.instance;
    wc.hIcon = LoadIconA(fw.instance, MAKEINTRESOURCEA(1));
    if (!wc.hIcon) wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hCursor = fw.arrowCursor ? fw.arrowCursor : LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className.c_str();
    return RegisterClassExA(&wc) != 0;
}

std::unique_ptr<FrameHost> Win32WindowSystem::CreateFrame(FrameClient& client, const String& className,
                                                          const String& caption) {
    auto frame = std::make_unique<Win32Frame>(client);
    frames_.push_back(frame.get());
    if (!frame->CreateNative(className, caption)) return nullptr;
    return frame;
}

void Win32WindowSystem::Dispatch(MSG& msg) {
    for (Win32Frame* frame : frames_) {
        if (frame->TranslateShortcut(msg)) return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

int32_t Win32WindowSystem::ProcessPendingMessages(int32_t maxCount) {
    int32_t done = 0;
    MSG msg;
    while (done < maxCount && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit for the main loop to see.
            PostQuitMessage(int(msg.wParam));
            break;
        }
        Dispatch(msg);
        ++done;
    }
    return done;
}

void Win32WindowSystem::RunMessageLoop(FrameHost& frame, FrameClient& client) {
    Win32Framework& fw = TheWin32Framework();
    MSG msg;
    auto running = [&] { return frame.Exists() && !IsReportingFatalError() && !fw.quitting; };
    while (running()) {
        // Idle phase: drain what is waiting, then let the window do its idle work.
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return;
            if (msg.message != fw.endIdleMessage) Dispatch(msg);
            if (!running()) return;
        }
        if (client.OnFrameIdle()) continue;
        // Blocking phase: nothing to do until a message comes; only the wake-up
        // message sends us back to idle work.
        for (;;) {
            BOOL got = GetMessageA(&msg, nullptr, 0, 0);
            if (got <= 0) return;
            if (msg.message == fw.endIdleMessage) break;
            Dispatch(msg);
            if (!running()) return;
        }
    }
}

void Win32WindowSystem::WakeIdle() {
    PostThreadMessageA(GetCurrentThreadId(), TheWin32Framework().endIdleMessage, 0, 0);
}

void Win32WindowSystem::ShowArrowCursor() {
    SetCursor(TheWin32Framework().arrowCursor ? TheWin32Framework().arrowCursor
                                              : LoadCursorA(nullptr, IDC_ARROW));
    while (ShowCursor(TRUE) < 0) {
    }
}

void Win32WindowSystem::ShowBusyCursor(bool busy) {
    const Win32Framework& fw = TheWin32Framework();
    if (busy) {
        cursorBeforeBusy_ = SetCursor(fw.waitCursor ? fw.waitCursor : LoadCursorA(nullptr, IDC_WAIT));
    } else {
        SetCursor(cursorBeforeBusy_ ? cursorBeforeBusy_ : fw.arrowCursor);
        cursorBeforeBusy_ = nullptr;
    }
}

Win32WindowSystem& TheWin32WindowSystem() {
    static Win32WindowSystem system;
    return system;
}
