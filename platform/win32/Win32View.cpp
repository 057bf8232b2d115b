#include "platform/win32/Win32View.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/Window.h"
#include "platform/win32/Win32Drawing.h"
#include "platform/win32/Win32Keys.h"

namespace {

constexpr char kViewClass[] = "Corvane View";

FORMATETC TextFormat() {
    return FORMATETC{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

FORMATETC FileListFormat() {
    return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
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

DWORD ChooseEffect(DWORD keys, DWORD allowed) {
    if ((keys & MK_CONTROL) && (allowed & DROPEFFECT_COPY)) return DROPEFFECT_COPY;
    if (allowed & DROPEFFECT_MOVE) return DROPEFFECT_MOVE;
    return allowed & DROPEFFECT_COPY;
}

HCURSOR CursorFor(ViewCursor cursor) {
    const Win32Framework& fw = TheWin32Framework();
    switch (cursor) {
        case ViewCursor::IBeam: return fw.beamCursor ? fw.beamCursor : LoadCursorA(nullptr, IDC_IBEAM);
        case ViewCursor::Busy: return fw.waitCursor ? fw.waitCursor : LoadCursorA(nullptr, IDC_WAIT);
        case ViewCursor::Link: {
            static HCURSOR hand = LoadCursorA(nullptr, IDC_HAND);
            if (hand) return hand;
            break;
        }
        case ViewCursor::Arrow: break;
    }
    return fw.arrowCursor ? fw.arrowCursor : LoadCursorA(nullptr, IDC_ARROW);
}

bool RegisterViewClass(const char* className) {
    HINSTANCE instance = TheWin32Framework().instance;
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExA(instance, className, &wc)) return true;
    wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = CorvaneWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    return RegisterClassExA(&wc) != 0;
}

}  // namespace

bool Win32View::Create(HWND parent, const char* className) {
    if (!RegisterViewClass(className)) return false;
    window_ = CreateWindowExA(WS_EX_CLIENTEDGE, className, "",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP, 0, 0, 0,
                              0, parent, nullptr, TheWin32Framework().instance,
                              static_cast<Win32MessageTarget*>(this));
    if (!window_) return false;
    client_.SetViewHost(this);
    if (TheWin32Framework().oleReady) dropRegistered_ = SUCCEEDED(RegisterDragDrop(window_, this));
    return true;
}

// ---- ViewHost ----

void Win32View::InvalidateAll() {
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void Win32View::InvalidateArea(const Rect& area) {
    if (!window_) return;
    RECT r = {area.left, area.top, area.right, area.bottom};
    InvalidateRect(window_, &r, FALSE);
}

void Win32View::PlaceCaret(int32_t x, int32_t y, int32_t width, int32_t height) {
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

void Win32View::SetCursor(ViewCursor cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    if (!window_) return;
    // Change it at once when the pointer is over the view, not on its next move.
    POINT at;
    if (GetCursorPos(&at) && WindowFromPoint(at) == window_) ::SetCursor(CursorFor(cursor_));
}

void Win32View::CaptureMouse(bool capture) {
    if (!window_) return;
    if (capture) {
        SetCapture(window_);
    } else if (GetCapture() == window_) {
        ReleaseCapture();
    }
}

int32_t Win32View::DragText(const String& text, int32_t allowed) {
    if (!TheWin32Framework().oleReady) return 0;
    auto* data = new TextDataObject(text);
    auto* source = new TextDropSource();
    DWORD effect = 0;
    HRESULT result = DoDragDrop(data, source, DWORD(allowed) & (DROPEFFECT_COPY | DROPEFFECT_MOVE), &effect);
    data->Release();
    source->Release();
    return result == DRAGDROP_S_DROP ? int32_t(effect & 7) : 0;
}

// ---- IDropTarget ----

HRESULT Win32View::QueryInterface(REFIID iid, void** out) {
    if (iid == IID_IUnknown || iid == IID_IDropTarget) {
        *out = static_cast<IDropTarget*>(this);
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT Win32View::DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) {
    FORMATETC format = TextFormat();
    dragHasText_ = data->QueryGetData(&format) == S_OK;
    FORMATETC files = FileListFormat();
    dragHasFiles_ = FileListTarget() && data->QueryGetData(&files) == S_OK;
    return DragOver(keys, at, effect);
}

HRESULT Win32View::DragOver(DWORD keys, POINTL at, DWORD* effect) {
    if (dragHasFiles_) {
        *effect &= DROPEFFECT_COPY;
        return S_OK;
    }
    POINT p = {at.x, at.y};
    ScreenToClient(window_, &p);
    if (!dragHasText_ || !client_.OnDragOver(p.x, p.y)) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    *effect = ChooseEffect(keys, *effect);
    return S_OK;
}

HRESULT Win32View::DragLeave() {
    client_.OnDragLeave();
    return S_OK;
}

HRESULT Win32View::Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) {
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
    *effect = DWORD(client_.OnDrop(text, p.x, p.y, int32_t(allowed)));
    return S_OK;
}

// Inside a frame that opens dropped files, a dropped file list means "open this"
// wherever it lands, the text included; other views take only text.
HWND Win32View::FileListTarget() const {
    HWND root = GetAncestor(window_, GA_ROOT);
    if (!root || root == window_) return nullptr;
    return (GetWindowLongA(root, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) ? root : nullptr;
}

bool Win32View::ForwardFileList(IDataObject* data) {
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

// ---- the window ----

void Win32View::UpdateScrollBars() {
    if (!window_) return;
    ViewScrollState state = client_.ScrollState();
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = state.vertical.maximum;
    info.nPage = UINT(state.vertical.page);
    info.nPos = state.vertical.position;
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
    info.nMax = state.horizontal.maximum;
    info.nPage = UINT(state.horizontal.page);
    info.nPos = state.horizontal.position;
    SetScrollInfo(window_, SB_HORZ, &info, TRUE);
}

// Painting goes to a memory bitmap first: a client paints background, text and
// selection in separate passes, which would flicker straight onto the screen.
void Win32View::Paint() {
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
    client_.Paint(surface);
    BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, memory, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(window_, &ps);
}

void Win32View::OnScroll(ScrollAxis axis, int request) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window_, axis == ScrollAxis::Vertical ? SB_VERT : SB_HORZ, &info);
    // SB_LINEUP and SB_LINELEFT share their codes, and so on down the list.
    ScrollRequest what;
    switch (request) {
        case SB_LINEUP: what = ScrollRequest::LineBack; break;
        case SB_LINEDOWN: what = ScrollRequest::LineForward; break;
        case SB_PAGEUP: what = ScrollRequest::PageBack; break;
        case SB_PAGEDOWN: what = ScrollRequest::PageForward; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: what = ScrollRequest::Track; break;
        case SB_TOP: what = ScrollRequest::Start; break;
        case SB_BOTTOM: what = ScrollRequest::End; break;
        default: return;
    }
    client_.OnScroll(axis, what, info.nTrackPos);
    UpdateScrollBars();
}

// Keys without a character (arrows, Del, Ins, function keys) and Ctrl combinations
// arrive here; everything that types arrives as WM_CHAR.
bool Win32View::OnKeyDown(WPARAM vk) {
    int32_t key = FrameworkKeyFromVirtualKey(vk);
    int32_t modifiers = CurrentKeyModifiers();
    if (key == 0) return false;
    bool ctrlCombination = (modifiers & kModCtrl) && !(modifiers & kModAlt) && key < 256 && key != 8 &&
                           key != 9 && key != 13 && key != 27;
    if (key < 256 && !ctrlCombination) return false;
    return client_.OnKey(key, modifiers);
}

bool Win32View::OnChar(WPARAM ch) {
    int32_t code = int32_t(ch & 0xFF);
    int32_t modifiers = CurrentKeyModifiers();
    // Ctrl+letter yields a control character as well; the key-down has handled it.
    if ((modifiers & kModCtrl) && !(modifiers & kModAlt)) return true;
    if (code < 32 && code != 8 && code != 9 && code != 13 && code != 27) return true;
    return client_.OnCharacter(code, modifiers & kModShift);
}

bool Win32View::HandleOwnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT Win32View::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (message != WM_NCDESTROY && HandleOwnMessage(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            client_.OnSize(LOWORD(lParam), HIWORD(lParam));
            UpdateScrollBars();
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_SETFOCUS:
            caretCreated_ = false;
            client_.OnFocus(true);
            return 0;
        case WM_KILLFOCUS:
            client_.OnFocus(false);
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
        case WM_LBUTTONDBLCLK: {
            SetFocus(window);
            SetCapture(window);
            mouseDown_ = true;
            int32_t x = short(LOWORD(lParam)), y = short(HIWORD(lParam));
            if (message == WM_LBUTTONDBLCLK)
                client_.OnDoubleClick(x, y, CurrentKeyModifiers());
            else
                client_.OnMouseDown(x, y, CurrentKeyModifiers());
            // A drag started by the press runs its own loop and ends with the button up.
            if (!(GetKeyState(VK_LBUTTON) & 0x8000) && GetCapture() != window) mouseDown_ = false;
            return 0;
        }
        case WM_MOUSEMOVE:
            client_.OnMouseMove(short(LOWORD(lParam)), short(HIWORD(lParam)), mouseDown_);
            return 0;
        case WM_LBUTTONUP:
            if (mouseDown_) {
                mouseDown_ = false;
                ReleaseCapture();
                client_.OnMouseUp(short(LOWORD(lParam)), short(HIWORD(lParam)));
            }
            return 0;
        case WM_CAPTURECHANGED:
            mouseDown_ = false;
            return 0;
        case WM_MOUSEWHEEL: {
            wheelRemainder_ += GET_WHEEL_DELTA_WPARAM(wParam);
            int notches = wheelRemainder_ / WHEEL_DELTA;
            wheelRemainder_ -= notches * WHEEL_DELTA;
            if (notches) client_.OnWheel(notches);
            UpdateScrollBars();
            return 0;
        }
        case WM_VSCROLL:
            OnScroll(ScrollAxis::Vertical, LOWORD(wParam));
            return 0;
        case WM_HSCROLL:
            OnScroll(ScrollAxis::Horizontal, LOWORD(wParam));
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                ::SetCursor(CursorFor(cursor_));
                return TRUE;
            }
            break;
        case WM_DESTROY:
            if (dropRegistered_) RevokeDragDrop(window);
            dropRegistered_ = false;
            client_.SetViewHost(nullptr);
            return 0;
        case WM_NCDESTROY: {
            LRESULT done = DefWindowProcA(window, message, wParam, lParam);
            window_ = nullptr;
            delete this;
            return done;
        }
        default:
            if (message == TheWin32Framework().wheelRollMessage && message != 0) {
                return HandleMessage(window, WM_MOUSEWHEEL, MAKEWPARAM(0, short(wParam)), lParam);
            }
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateViewWindow(HWND parent, ViewClient& client) {
    auto* view = new Win32View(client);
    if (!view->Create(parent, kViewClass)) {
        delete view;
        return nullptr;
    }
    return view->Handle();
}
