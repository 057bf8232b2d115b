#include "platform/win32/Win32EditboxWindow.h"

#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <memory>
#include <vector>

#include "editbox/Editbox.h"
#include "editbox/EditboxSettings.h"
#include "platform/Window.h"
#include "platform/win32/Win32Drawing.h"
#include "platform/win32/Win32Framework.h"
#include "platform/win32/Win32Keys.h"
#include "ui/EditboxKeys.h"
#include "ui/Menu.h"

namespace {

constexpr char kEditboxClass[] = "Corvane Editbox";
constexpr int kWheelLines = 3;

// The context menu is built fresh for each opening, so its native copy is filled once
// and needs no link back to the model.
void AppendNativeItems(HMENU handle, const Menu& menu) {
    for (int32_t i = 0; i < menu.Count(); ++i) {
        const MenuItem& item = menu.Item(i);
        UINT enabled = item.enabled ? 0 : MF_GRAYED;
        if (item.IsSeparator()) {
            AppendMenuA(handle, MF_SEPARATOR, 0, nullptr);
        } else if (item.submenu) {
            HMENU popup = CreatePopupMenu();
            AppendNativeItems(popup, *item.submenu);
            AppendMenuA(handle, MF_POPUP | enabled, reinterpret_cast<UINT_PTR>(popup), item.label.c_str());
        } else {
            AppendMenuA(handle, MF_STRING | enabled | (item.checked ? MF_CHECKED : 0), UINT_PTR(item.command),
                        item.label.c_str());
        }
    }
}

FORMATETC TextFormat() {
    return FORMATETC{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// A copy of the dragged text, offered as CF_TEXT.
class TextDataObject : public IDataObject {
public:
    explicit TextDataObject(const String& text) : text_(text) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDataObject) {
            *out = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, SIZE_T(text_.Length()) + 1);
        if (!memory) return E_OUTOFMEMORY;
        std::memcpy(GlobalLock(memory), text_.c_str(), size_t(text_.Length()) + 1);
        GlobalUnlock(memory);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return format->cfFormat == CF_TEXT && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
        if (direction != DATADIR_GET) return E_NOTIMPL;
        FORMATETC format = TextFormat();
        return SHCreateStdEnumFmtEtc(1, &format, out);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    virtual ~TextDataObject() = default;
    ULONG refs_ = 1;
    String text_;
};

class TextDropSource : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDropSource) {
            *out = static_cast<IDropSource*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape) return DRAGDROP_S_CANCEL;
        if (!(keys & MK_LBUTTON)) return DRAGDROP_S_DROP;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    virtual ~TextDropSource() = default;
    ULONG refs_ = 1;
};

class EditboxWindow : public EditboxHost, public Win32MessageTarget, public IDropTarget {
public:
    explicit EditboxWindow(Editbox& editbox) : editbox_(editbox) {}

    bool Create(HWND parent) {
        window_ = CreateWindowExA(WS_EX_CLIENTEDGE, kEditboxClass, "",
                                  WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP, 0, 0,
                                  0, 0, parent, nullptr, TheWin32Framework().instance,
                              static_cast<Win32MessageTarget*>(this));
        if (!window_) return false;
        editbox_.SetHost(this);
        if (TheWin32Framework().oleReady) dropRegistered_ = SUCCEEDED(RegisterDragDrop(window_, this));
        return true;
    }
    HWND Handle() const { return window_; }

    // EditboxHost
    void InvalidateAll() override {
        if (window_) InvalidateRect(window_, nullptr, FALSE);
    }
    void InvalidateArea(const Rect& area) override {
        if (!window_) return;
        RECT r = {area.left, area.top, area.right, area.bottom};
        InvalidateRect(window_, &r, FALSE);
    }
    void ScrollStateChanged() override { UpdateScrollBars(); }
    void PlaceCaret(int32_t x, int32_t y, int32_t width, int32_t height) override {
        if (!window_ || GetFocus() != window_) return;
        if (width <= 0 || height <= 0) {
            if (caretShown_) HideCaret(window_);
            caretShown_ = false;
            return;
        }
        if (width != caretWidth_ || height != caretHeight_ || !caretCreated_) {
            CreateCaret(window_, nullptr, width, height);
            caretCreated_ = true;
            caretShown_ = false;
            caretWidth_ = width;
            caretHeight_ = height;
        }
        SetCaretPos(x, y);
        if (!caretShown_) ShowCaret(window_);
        caretShown_ = true;
    }
    int32_t DragText(const String& text, int32_t allowed) override {
        if (!TheWin32Framework().oleReady) return 0;
        auto* data = new TextDataObject(text);
        auto* source = new TextDropSource();
        DWORD effect = 0;
        HRESULT result = DoDragDrop(data, source, DWORD(allowed) & (DROPEFFECT_COPY | DROPEFFECT_MOVE), &effect);
        data->Release();
        source->Release();
        return result == DRAGDROP_S_DROP ? int32_t(effect & 7) : 0;
    }

    // IDropTarget
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDropTarget) {
            *out = static_cast<IDropTarget*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    // The window's lifetime bounds the target's: it is revoked on WM_DESTROY.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override {
        FORMATETC format = TextFormat();
        dragHasText_ = data->QueryGetData(&format) == S_OK;
        FORMATETC files = FileListFormat();
        dragHasFiles_ = FileListTarget() && data->QueryGetData(&files) == S_OK;
        return DragOver(keys, at, effect);
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override {
        if (dragHasFiles_) {
            *effect &= DROPEFFECT_COPY;
            return S_OK;
        }
        POINT p = {at.x, at.y};
        ScreenToClient(window_, &p);
        if (!dragHasText_ || !editbox_.OnDragOver(p.x, p.y)) {
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        *effect = ChooseEffect(keys, *effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        editbox_.OnDragLeave();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override {
        POINT p = {at.x, at.y};
        ScreenToClient(window_, &p);
        FORMATETC format = TextFormat();
        STGMEDIUM medium = {};
        DWORD allowed = ChooseEffect(keys, *effect);
        *effect = DROPEFFECT_NONE;
        if (dragHasFiles_) {
            *effect = ForwardFileList(data) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
            return S_OK;
        }
        if (!dragHasText_ || data->GetData(&format, &medium) != S_OK) return S_OK;
        String text;
        if (const char* bytes = static_cast<const char*>(GlobalLock(medium.hGlobal))) {
            SIZE_T size = GlobalSize(medium.hGlobal), length = 0;
            while (length < size && bytes[length]) ++length;
            text.Assign(bytes, int32_t(length));
            GlobalUnlock(medium.hGlobal);
        }
        ReleaseStgMedium(&medium);
        *effect = DWORD(editbox_.OnDrop(text, p.x, p.y, int32_t(allowed)));
        return S_OK;
    }

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static FORMATETC FileListFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }
    // Inside a frame that opens dropped files, a dropped file list means "open this"
    // wherever it lands, the text included; other editboxes take only text.
    HWND FileListTarget() const {
        HWND root = GetAncestor(window_, GA_ROOT);
        if (!root || root == window_) return nullptr;
        return (GetWindowLongA(root, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) ? root : nullptr;
    }
    bool ForwardFileList(IDataObject* data) {
        HWND target = FileListTarget();
        FORMATETC format = FileListFormat();
        STGMEDIUM medium = {};
        if (!target || data->GetData(&format, &medium) != S_OK) return false;
        auto names = std::make_unique<std::vector<String>>();
        HDROP drop = static_cast<HDROP>(medium.hGlobal);
        UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            char name[MAX_PATH * 2] = {};
            if (DragQueryFileA(drop, i, name, sizeof name)) names->emplace_back(name);
        }
        ReleaseStgMedium(&medium);
        if (names->empty()) return false;
        if (!PostMessageA(target, kDroppedFileNamesMessage, 0, reinterpret_cast<LPARAM>(names.get()))) {
            return false;
        }
        names.release();
        return true;
    }
    static DWORD ChooseEffect(DWORD keys, DWORD allowed) {
        if ((keys & MK_CONTROL) && (allowed & DROPEFFECT_COPY)) return DROPEFFECT_COPY;
        if (allowed & DROPEFFECT_MOVE) return DROPEFFECT_MOVE;
        return allowed & DROPEFFECT_COPY;
    }
    void UpdateScrollBars();
    void Paint();
    void OnScroll(int bar, int request);
    bool OnKeyDown(WPARAM vk);
    bool OnChar(WPARAM ch);
    void OnRightButtonDown(int32_t x, int32_t y);
    void ShowContextMenu(LPARAM screenPoint);

    Editbox& editbox_;
    HWND window_ = nullptr;
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

void EditboxWindow::UpdateScrollBars() {
    if (!window_) return;
    EditboxScrollState state = editbox_.GetScrollState();
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = state.lineCount > 0 ? state.lineCount - 1 : 0;
    info.nPage = UINT(state.visibleLines);
    info.nPos = state.topLine;
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
    info.nMax = state.horizontalExtent > 0 ? state.horizontalExtent - 1 : 0;
    info.nPage = UINT(state.pageWidth > 0 ? state.pageWidth : 1);
    info.nPos = state.horizontalOffset;
    SetScrollInfo(window_, SB_HORZ, &info, TRUE);
}

// Painting goes to a memory bitmap first: the editbox paints background, text and
// selection in separate passes, which would flicker straight onto the screen.
void EditboxWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT client;
    GetClientRect(window_, &client);
    int width = client.right > 0 ? client.right : 1;
    int height = client.bottom > 0 ? client.bottom : 1;
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    IntersectClipRect(memory, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom);
    Win32Surface surface(memory);
    editbox_.Paint(surface);
    BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, memory, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(window_, &ps);
}

void EditboxWindow::OnScroll(int bar, int request) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window_, bar, &info);
    if (bar == SB_VERT) {
        switch (request) {
            case SB_LINEUP: editbox_.ScrollLines(-1); break;
            case SB_LINEDOWN: editbox_.ScrollLines(1); break;
            case SB_PAGEUP: editbox_.ScrollLines(-int32_t(info.nPage)); break;
            case SB_PAGEDOWN: editbox_.ScrollLines(int32_t(info.nPage)); break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION: editbox_.ScrollToLine(info.nTrackPos); break;
            case SB_TOP: editbox_.ScrollToLine(0); break;
            case SB_BOTTOM: editbox_.ScrollToLine(info.nMax); break;
            default: return;
        }
    } else {
        int32_t step = 16;
        int32_t x = editbox_.HorizontalOffset();
        switch (request) {
            case SB_LINELEFT: x -= step; break;
            case SB_LINERIGHT: x += step; break;
            case SB_PAGELEFT: x -= int32_t(info.nPage); break;
            case SB_PAGERIGHT: x += int32_t(info.nPage); break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION: x = info.nTrackPos; break;
            case SB_LEFT: x = 0; break;
            case SB_RIGHT: x = info.nMax; break;
            default: return;
        }
        editbox_.SetHorizontalOffset(x < 0 ? 0 : x);
    }
    UpdateScrollBars();
}

// Keys without a character (arrows, Del, Ins, function keys) and Ctrl combinations
// arrive here; everything that types arrives as WM_CHAR.
bool EditboxWindow::OnKeyDown(WPARAM vk) {
    int32_t key = FrameworkKeyFromVirtualKey(vk);
    int32_t modifiers = CurrentKeyModifiers();
    if (key == 0) return false;
    bool ctrlCombination = (modifiers & kModCtrl) && !(modifiers & kModAlt) && key < 256 && key != 8 &&
                           key != 9 && key != 13 && key != 27;
    if (key < 256 && !ctrlCombination) return false;
    return EditboxKey(editbox_, key, modifiers);
}

bool EditboxWindow::OnChar(WPARAM ch) {
    int32_t code = int32_t(ch & 0xFF);
    int32_t modifiers = CurrentKeyModifiers();
    // Ctrl+letter yields a control character as well; the key-down has handled it.
    if ((modifiers & kModCtrl) && !(modifiers & kModAlt)) return true;
    if (code < 32 && code != 8 && code != 9 && code != 13 && code != 27) return true;
    return EditboxKey(editbox_, code, modifiers & kModShift);
}

// A right click inside the selection keeps it, so the menu can act on it; anywhere
// else the caret goes to the click first, as in every other Windows edit control.
void EditboxWindow::OnRightButtonDown(int32_t x, int32_t y) {
    SetFocus(window_);
    int32_t index = editbox_.IndexAtPoint(x, y);
    if (editbox_.HasSelection() && index >= editbox_.SelectionStart() && index < editbox_.SelectionEnd())
        return;
    editbox_.ClearSelection();
    editbox_.SetCaret(index, false);
}

// Shift+F10 and the menu key send (-1, -1): the menu then opens at the caret.
void EditboxWindow::ShowContextMenu(LPARAM screenPoint) {
    POINT at = {short(LOWORD(screenPoint)), short(HIWORD(screenPoint))};
    if (LOWORD(screenPoint) == 0xFFFF && HIWORD(screenPoint) == 0xFFFF) {
        int32_t x = 0, y = 0;
        editbox_.CaretPoint(x, y);
        at = {x, y + caretHeight_};
        ClientToScreen(window_, &at);
    }
    Menu model;
    BuildEditboxMenu(editbox_, model);
    if (model.Count() == 0) return;
    HMENU popup = CreatePopupMenu();
    if (!popup) return;
    AppendNativeItems(popup, model);
    int command = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y,
                                 0, window_, nullptr);
    DestroyMenu(popup);
    if (command == 0) return;
    // Through the frame, as the Edit menu's entries go, so the window around the
    // editbox sees the command before the editbox does.
    HWND parent = GetParent(window_);
    if (parent)
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    else
        EditboxCommand(editbox_, command);
}

LRESULT EditboxWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            editbox_.OnSize(LOWORD(lParam), HIWORD(lParam));
            UpdateScrollBars();
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_SETFOCUS:
            caretCreated_ = false;
            editbox_.OnFocus(true);
            return 0;
        case WM_KILLFOCUS:
            editbox_.OnFocus(false);
            DestroyCaret();
            caretCreated_ = caretShown_ = false;
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_WANTTAB;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (OnKeyDown(wParam)) return 0;
            break;
        case WM_CHAR:
            if (OnChar(wParam)) return 0;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetFocus(window);
            SetCapture(window);
            mouseDown_ = true;
            editbox_.OnMouseDown(short(LOWORD(lParam)), short(HIWORD(lParam)), CurrentKeyModifiers());
            // A drag started by the press runs its own loop and ends with the button up.
            if (!(GetKeyState(VK_LBUTTON) & 0x8000) && GetCapture() != window) mouseDown_ = false;
            return 0;
        case WM_MOUSEMOVE:
            editbox_.OnMouseMove(short(LOWORD(lParam)), short(HIWORD(lParam)), mouseDown_);
            return 0;
        case WM_LBUTTONUP:
            if (mouseDown_) {
                mouseDown_ = false;
                ReleaseCapture();
                editbox_.OnMouseUp(short(LOWORD(lParam)), short(HIWORD(lParam)));
            }
            return 0;
        case WM_RBUTTONDOWN:
            OnRightButtonDown(short(LOWORD(lParam)), short(HIWORD(lParam)));
            return 0;
        case WM_CONTEXTMENU:
            ShowContextMenu(lParam);
            return 0;
        case WM_CAPTURECHANGED:
            mouseDown_ = false;
            return 0;
        case WM_MOUSEWHEEL: {
            wheelRemainder_ += GET_WHEEL_DELTA_WPARAM(wParam);
            int notches = wheelRemainder_ / WHEEL_DELTA;
            wheelRemainder_ -= notches * WHEEL_DELTA;
            if (notches) editbox_.ScrollLines(-notches * kWheelLines);
            UpdateScrollBars();
            return 0;
        }
        case WM_VSCROLL:
            OnScroll(SB_VERT, LOWORD(wParam));
            return 0;
        case WM_HSCROLL:
            OnScroll(SB_HORZ, LOWORD(wParam));
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                SetCursor(TheWin32Framework().beamCursor);
                return TRUE;
            }
            break;
        case WM_GETTEXTLENGTH:
            return editbox_.GetTextLength();
        case WM_GETTEXT: {
            if (wParam == 0) return 0;
            int32_t count = editbox_.GetTextLength();
            if (WPARAM(count) >= wParam) count = int32_t(wParam - 1);
            std::memcpy(reinterpret_cast<char*>(lParam), editbox_.Text().c_str(), size_t(count));
            reinterpret_cast<char*>(lParam)[count] = 0;
            return count;
        }
        case WM_DESTROY:
            if (dropRegistered_) RevokeDragDrop(window);
            dropRegistered_ = false;
            editbox_.SetHost(nullptr);
            return 0;
        case WM_NCDESTROY: {
            LRESULT result = DefWindowProcA(window, message, wParam, lParam);
            window_ = nullptr;
            delete this;
            return result;
        }
        default:
            if (message == TheWin32Framework().wheelRollMessage && message != 0) {
                return HandleMessage(window, WM_MOUSEWHEEL, MAKEWPARAM(0, short(wParam)), lParam);
            }
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterEditboxClass() {
    static bool registered = false;
    if (registered) return true;
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = CorvaneWindowProc;
    wc.hInstance = TheWin32Framework().instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
    wc.lpszClassName = kEditboxClass;
    registered = RegisterClassExA(&wc) != 0;
    return registered;
}

}  // namespace

HWND CreateEditboxWindow(HWND parent, Editbox& editbox) {
    if (!RegisterEditboxClass()) return nullptr;
    auto* window = new EditboxWindow(editbox);
    if (!window->Create(parent)) {
        delete window;
        return nullptr;
    }
    return window->Handle();
}
