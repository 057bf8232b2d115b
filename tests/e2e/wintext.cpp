// Reads what nivora.exe shows, for the end-to-end tests: window captions, status-bar
// parts, the editbox text, message-box texts and the clipboard. Runs under the same
// Wine server as the editor, so it sees its windows.
//
//   wintext window <class>        caption, status parts and editbox text of the window
//   wintext box <caption>         texts of the dialog (message box) with that caption
//   wintext press <caption> <id>  presses a button (IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7)
//   wintext controls <caption>    the dialog's children in creation order: class, id,
//                                 rectangle in the dialog's client area, enabled, text
//   wintext settext <caption> <id> <text>  types a text into the dialog's control
//   wintext close <class>         asks the window to close (WM_CLOSE)
//   wintext clipboard             the clipboard's CF_TEXT
//   wintext caret <class>         the width of the caret in the window's thread
//   wintext endsession <class>    asks the window whether the session may end, as
//                                 logging off does, and ends it when the answer is yes
//   wintext dropfile <class> <file>  drags the file with OLE onto the middle of the
//                                 window's editbox and drops it there
//
// Exit status 0 when the window was found, 2 when not.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Line breaks and backslashes escaped so every value stays on one output line.
void PrintValue(const char* name, const std::string& value) {
    std::string out;
    for (char c : value) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '\\') out += "\\\\";
        else out += c;
    }
    std::printf("%s=%s\n", name, out.c_str());
}

std::string WindowText(HWND window) {
    LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(size_t(length) + 1, '\0');
    LRESULT got = SendMessageA(window, WM_GETTEXT, WPARAM(length + 1), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(size_t(got));
    return text;
}

// The status bar lives in the other process and SB_GETTEXT is not marshalled, so the
// text goes through a buffer allocated over there.
void PrintStatusParts(HWND status) {
    DWORD pid = 0;
    GetWindowThreadProcessId(status, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return;
    const SIZE_T size = 1024;
    void* remote = VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    int parts = int(SendMessageA(status, SB_GETPARTS, 0, 0));
    bool simple = SendMessageA(status, SB_ISSIMPLE, 0, 0) != 0;
    std::printf("status.parts=%d\n", parts);
    std::printf("status.simple=%d\n", simple ? 1 : 0);
    for (int i = 0; i < parts && remote; ++i) {
        char buffer[size] = {};
        LRESULT info = SendMessageA(status, SB_GETTEXTLENGTHA, WPARAM(i), 0);
        if (LOWORD(info) >= size) continue;
        SendMessageA(status, SB_GETTEXTA, WPARAM(i), reinterpret_cast<LPARAM>(remote));
        SIZE_T read = 0;
        ReadProcessMemory(process, remote, buffer, LOWORD(info) + 1, &read);
        char name[32];
        std::snprintf(name, sizeof name, "status.%d", i);
        PrintValue(name, std::string(buffer, LOWORD(info)));
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
    char className[128] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, STATUSCLASSNAMEA) == 0) {
        PrintStatusParts(child);
    } else if (lstrcmpiA(className, "Corvane Editbox") == 0) {
        PrintValue("editbox", WindowText(child));
    } else if (lstrcmpiA(className, TOOLBARCLASSNAMEA) == 0) {
        std::printf("toolbar.buttons=%d\n", int(SendMessageA(child, TB_BUTTONCOUNT, 0, 0)));
    } else {
        PrintValue(className, WindowText(child));
    }
    return TRUE;
}

int DumpWindow(const char* className) {
    HWND window = FindWindowA(className, nullptr);
    if (!window) return 2;
    PrintValue("caption", WindowText(window));
    std::printf("visible=%d\n", IsWindowVisible(window) ? 1 : 0);
    RECT frame = {};
    GetWindowRect(window, &frame);
    std::printf("rect=%ld,%ld,%ld,%ld\n", long(frame.left), long(frame.top), long(frame.right),
                long(frame.bottom));
    EnumChildWindows(window, PrintChild, 0);
    return 0;
}

HWND FindDialog(const char* caption) {
    return FindWindowA("#32770", caption);
}

int DumpBox(const char* caption) {
    HWND box = FindDialog(caption);
    if (!box) return 2;
    PrintValue("caption", WindowText(box));
    EnumChildWindows(box, PrintChild, 0);
    return 0;
}

int Press(const char* caption, int id) {
    HWND box = FindDialog(caption);
    if (!box) return 2;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
    return 0;
}

struct ControlList {
    HWND dialog;
    int count;
};

BOOL CALLBACK PrintControl(HWND child, LPARAM data) {
    auto* list = reinterpret_cast<ControlList*>(data);
    // The dialog's own controls and those of a page panel inside it, not a combo's
    // own edit, say.
    char parentClass[64] = {};
    GetClassNameA(GetParent(child), parentClass, sizeof parentClass);
    if (GetParent(child) != list->dialog && std::strcmp(parentClass, "#32770") != 0) return TRUE;
    char className[128] = {};
    GetClassNameA(child, className, sizeof className);
    RECT r = {};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, list->dialog, reinterpret_cast<POINT*>(&r), 2);
    char name[32];
    std::snprintf(name, sizeof name, "control.%d", list->count++);
    char head[256];
    std::snprintf(head, sizeof head, "%s|%d|%ld,%ld,%ld,%ld|%d|", className, GetDlgCtrlID(child), long(r.left),
                  long(r.top), long(r.right - r.left), long(r.bottom - r.top), IsWindowEnabled(child) ? 1 : 0);
    PrintValue(name, head + WindowText(child));
    return TRUE;
}

int DumpControls(const char* caption) {
    HWND box = FindDialog(caption);
    if (!box) return 2;
    ControlList list = {box, 0};
    EnumChildWindows(box, PrintControl, reinterpret_cast<LPARAM>(&list));
    std::printf("controls=%d\n", list.count);
    return 0;
}

struct IdSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<IdSearch*>(data);
    if (GetDlgCtrlID(window) != search->id) return TRUE;
    search->found = window;
    return FALSE;
}

// Controls of a paged dialog sit in a panel inside it, so the search goes deep.
HWND FindControl(HWND box, int id) {
    IdSearch search = {id, nullptr};
    EnumChildWindows(box, MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int PrintCaret(const char* className) {
    HWND window = FindWindowA(className, nullptr);
    if (!window) return 2;
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return 3;
    std::printf("caret=%ld\n", info.rcCaret.right - info.rcCaret.left);
    return 0;
}

int SetControlText(const char* caption, int id, const char* text) {
    HWND box = FindDialog(caption);
    HWND control = box ? FindControl(box, id) : nullptr;
    if (!control) return 2;
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    return 0;
}

int CloseWindowOf(const char* className) {
    HWND window = FindWindowA(className, nullptr);
    if (!window) return 2;
    PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
}

int PrintClipboard() {
    if (!OpenClipboard(nullptr)) return 2;
    HANDLE data = GetClipboardData(CF_TEXT);
    std::string text;
    if (data) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    PrintValue("clipboard", text);
    return data ? 0 : 2;
}

int EndSession(const char* className) {
    HWND window = FindWindowA(className, nullptr);
    if (!window) return 2;
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 120000,
                             &answer)) {
        return 3;
    }
    std::printf("answer=%d\n", answer ? 1 : 0);
    std::fflush(stdout);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_ENDSESSION, answer ? TRUE : FALSE, ENDSESSION_LOGOFF, SMTO_NORMAL,
                        120000, &ignored);
    return 0;
}

// A file list as Explorer offers it: CF_HDROP in global memory.
class FileListData : public IDataObject {
public:
    explicit FileListData(const std::string& path) : path_(path) {}
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
    ULONG STDMETHODCALLTYPE Release() override { return --refs_; }  // lives on main's stack
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        SIZE_T size = sizeof(DROPFILES) + path_.size() + 2;
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
        auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
        files->pFiles = sizeof(DROPFILES);
        std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), path_.c_str(), path_.size());
        GlobalUnlock(memory);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
        if (direction != DATADIR_GET) return E_NOTIMPL;
        FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        return SHCreateStdEnumFmtEtc(1, &format, out);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    std::string path_;
    ULONG refs_ = 1;
};

// Drops as soon as it is asked: no button is held, so the drag ends where the
// pointer was put.
class DropAtOnce : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDropSource) {
            *out = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD) override {
        return escape ? DRAGDROP_S_CANCEL : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

int DropFile(const char* className, const char* path) {
    HWND window = FindWindowA(className, nullptr);
    HWND editbox = window ? FindWindowExA(window, nullptr, "Corvane Editbox", nullptr) : nullptr;
    if (!editbox) return 2;
    RECT r = {};
    GetWindowRect(editbox, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    if (FAILED(OleInitialize(nullptr))) return 3;
    FileListData data(path);
    DropAtOnce source;
    DWORD effect = DROPEFFECT_NONE;
    HRESULT result = DoDragDrop(&data, &source, DROPEFFECT_COPY, &effect);
    std::printf("result=%s\neffect=%lu\n", result == DRAGDROP_S_DROP ? "drop" : "other",
                static_cast<unsigned long>(effect));
    OleUninitialize();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "window") == 0) return DumpWindow(argv[2]);
    if (argc >= 3 && std::strcmp(argv[1], "box") == 0) return DumpBox(argv[2]);
    if (argc >= 4 && std::strcmp(argv[1], "press") == 0) return Press(argv[2], std::atoi(argv[3]));
    if (argc >= 3 && std::strcmp(argv[1], "controls") == 0) return DumpControls(argv[2]);
    if (argc >= 5 && std::strcmp(argv[1], "settext") == 0) return SetControlText(argv[2], std::atoi(argv[3]), argv[4]);
    if (argc >= 3 && std::strcmp(argv[1], "close") == 0) return CloseWindowOf(argv[2]);
    if (argc >= 3 && std::strcmp(argv[1], "caret") == 0) return PrintCaret(argv[2]);
    if (argc >= 2 && std::strcmp(argv[1], "clipboard") == 0) return PrintClipboard();
    if (argc >= 3 && std::strcmp(argv[1], "endsession") == 0) return EndSession(argv[2]);
    if (argc >= 4 && std::strcmp(argv[1], "dropfile") == 0) return DropFile(argv[2], argv[3]);
    std::fprintf(stderr, "usage: wintext window|box|press|close|clipboard|endsession|dropfile ...\n");
    return 1;
}
