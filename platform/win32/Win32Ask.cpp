#include "platform/win32/Win32Ask.h"

#include <windows.h>
#include <commdlg.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// The platform's message box offers fixed button sets; pick the one that holds every
// button asked for, in its own order (used to place the default).
struct ButtonSet {
    UINT style;
    AskButton order[3];
};
constexpr ButtonSet kButtonSets[] = {
    {MB_OK, {kAskOk, kAskNone, kAskNone}},
    {MB_OKCANCEL, {kAskOk, kAskCancel, kAskNone}},
    {MB_YESNO, {kAskYes, kAskNo, kAskNone}},
    {MB_RETRYCANCEL, {kAskRetry, kAskCancel, kAskNone}},
    {MB_YESNOCANCEL, {kAskYes, kAskNo, kAskCancel}},
    {MB_ABORTRETRYIGNORE, {kAskAbort, kAskRetry, kAskIgnore}},
};

uint32_t SetBits(const ButtonSet& set) {
    uint32_t bits = 0;
    for (AskButton b : set.order) {
        if (b != kAskNone) bits |= AskButtonBit(b);
    }
    return bits;
}

const ButtonSet& ChooseButtonSet(uint32_t wanted) {
    for (const ButtonSet& set : kButtonSets) {
        if ((SetBits(set) & wanted) == wanted) return set;
    }
    return kButtonSets[4];
}

RECT gAvoid;
HHOOK gMoveHook = nullptr;

bool Overlaps(const RECT& a, const RECT& b) {
    RECT r;
    return IntersectRect(&r, &a, &b) != 0;
}

// Moves the box off the rectangle the caller wants kept in view (a found match, say):
// below it when the screen has room, else above.
LRESULT CALLBACK MoveBoxHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        RECT r;
        GetWindowRect(box, &r);
        if (Overlaps(r, gAvoid)) {
            int height = r.bottom - r.top;
            int screenBottom = GetSystemMetrics(SM_CYVIRTUALSCREEN);
            int top = gAvoid.bottom + height <= screenBottom ? gAvoid.bottom : gAvoid.top - height;
            if (top < 0) top = 0;
            SetWindowPos(box, nullptr, r.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        UnhookWindowsHookEx(gMoveHook);
        gMoveHook = nullptr;
        return 0;
    }
    return CallNextHookEx(gMoveHook, code, wParam, lParam);
}

HWND OwnerWindow() {
    HWND active = GetActiveWindow();
    return active ? active : GetForegroundWindow();
}

// A prompt is a dialog built in memory: caption, prompt text, one edit field, OK and
// Cancel. No resource file is needed for something this small.
struct PromptState {
    const char* prompt;
    String* value;
    bool numeric;
};

enum { kPromptTextId = 100, kPromptEditId = 101 };

void AlignToWord(std::vector<WORD>& t) {
    if (t.size() % 2) t.push_back(0);
}

void AddString(std::vector<WORD>& t, const char* s) {
    do {
        t.push_back(WORD(static_cast<unsigned char>(*s)));
    } while (*s++);
}

void AddItem(std::vector<WORD>& t, DWORD style, short x, short y, short cx, short cy, WORD id,
             WORD classAtom, const char* text) {
    AlignToWord(t);
    DLGITEMTEMPLATE item = {style | WS_CHILD | WS_VISIBLE, 0, x, y, cx, cy, id};
    const WORD* words = reinterpret_cast<const WORD*>(&item);
    t.insert(t.end(), words, words + sizeof item / sizeof(WORD));
    t.push_back(0xFFFF);
    t.push_back(classAtom);
    AddString(t, text);
    t.push_back(0);  // no creation data
}

INT_PTR CALLBACK PromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<PromptState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            state = reinterpret_cast<PromptState*>(lParam);
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            SetDlgItemTextA(dialog, kPromptTextId, state->prompt);
            SetDlgItemTextA(dialog, kPromptEditId, state->value->c_str());
            SendDlgItemMessageA(dialog, kPromptEditId, EM_SETSEL, 0, -1);
            SetFocus(GetDlgItem(dialog, kPromptEditId));
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                char buffer[4096] = {};
                GetDlgItemTextA(dialog, kPromptEditId, buffer, sizeof buffer);
                *state->value = buffer;
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            break;
        default:
            break;
    }
    return FALSE;
}

bool RunPrompt(const String& caption, const String& prompt, String& value, bool numeric) {
    std::vector<WORD> t;
    DLGTEMPLATE header = {DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                          0, 4, 0, 0, 220, 72};
    const WORD* words = reinterpret_cast<const WORD*>(&header);
    t.insert(t.end(), words, words + sizeof header / sizeof(WORD));
    t.push_back(0);  // no menu
    t.push_back(0);  // default class
    AddString(t, caption.c_str());
    t.push_back(8);
    AddString(t, "MS Shell Dlg");
    AddItem(t, SS_LEFT, 7, 7, 206, 20, kPromptTextId, 0x0082, "");
    AddItem(t, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | (numeric ? ES_NUMBER : 0), 7, 30, 206, 13,
            kPromptEditId, 0x0081, "");
    AddItem(t, BS_DEFPUSHBUTTON | WS_TABSTOP, 109, 51, 50, 14, IDOK, 0x0080, "OK");
    AddItem(t, BS_PUSHBUTTON | WS_TABSTOP, 163, 51, 50, 14, IDCANCEL, 0x0080, "Cancel");
    AlignToWord(t);
    String edited = value;
    PromptState state = {prompt.c_str(), &edited, numeric};
    INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                                             reinterpret_cast<DLGTEMPLATE*>(t.data()), OwnerWindow(),
                                             PromptProc, reinterpret_cast<LPARAM>(&state));
    if (result != IDOK) return false;
    value = edited;
    return true;
}

// "Text|*.txt|All|*.*" to the platform's zero-separated, double-zero-ended form.
std::vector<char> PlatformFilter(const String& filter) {
    std::vector<char> out(filter.c_str(), filter.c_str() + filter.Length());
    for (char& c : out) {
        if (c == '|') c = 0;
    }
    out.push_back(0);
    out.push_back(0);
    return out;
}

bool RunFileDialog(FileDialogRequest& request, bool save) {
    char path[MAX_PATH * 4] = {};
    std::strncpy(path, request.fileName.c_str(), sizeof path - 1);
    std::vector<char> filter = PlatformFilter(request.filter);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = OwnerWindow();
    ofn.lpstrFilter = request.filter.IsEmpty() ? nullptr : filter.data();
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.lpstrInitialDir = request.folder.IsEmpty() ? nullptr : request.folder.c_str();
    ofn.lpstrTitle = request.caption.IsEmpty() ? nullptr : request.caption.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                (save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST);
    BOOL ok = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!ok) return false;
    request.fileName = path;
    return true;
}

}  // namespace

AskButton Win32Ask::ShowMessage(const AskMessage& message) {
    const ButtonSet& set = ChooseButtonSet(message.buttons);
    UINT style = set.style;
    for (int i = 0; i < 3; ++i) {
        if (message.defaultButton != kAskNone && set.order[i] == message.defaultButton) {
            style |= i == 1 ? MB_DEFBUTTON2 : i == 2 ? MB_DEFBUTTON3 : MB_DEFBUTTON1;
        }
    }
    switch (message.icon) {
        case AskIcon::Error: style |= MB_ICONERROR; break;
        case AskIcon::Warning: style |= MB_ICONWARNING; break;
        case AskIcon::Question: style |= MB_ICONQUESTION; break;
        case AskIcon::Information: style |= MB_ICONINFORMATION; break;
        case AskIcon::None: break;
    }
    if (message.taskModal) style |= MB_TASKMODAL;
    if (message.topmost) style |= MB_TOPMOST | MB_SETFOREGROUND;
    HWND owner = message.taskModal ? nullptr : OwnerWindow();
    if (!message.avoid.IsEmpty()) {
        gAvoid = {message.avoid.left, message.avoid.top, message.avoid.right, message.avoid.bottom};
        gMoveHook = SetWindowsHookExA(WH_CBT, MoveBoxHook, nullptr, GetCurrentThreadId());
    }
    int result = MessageBoxA(owner, message.text.c_str(), message.caption.c_str(), style);
    if (gMoveHook) {
        UnhookWindowsHookEx(gMoveHook);
        gMoveHook = nullptr;
    }
    return result == 0 ? kAskCancel : AskButton(result);
}

bool Win32Ask::AskNumber(const String& caption, const String& prompt, int32_t& value) {
    String text;
    text.FromInt(value);
    if (!RunPrompt(caption, prompt, text, true)) return false;
    value = int32_t(std::strtol(text.c_str(), nullptr, 10));
    return true;
}

bool Win32Ask::AskString(const String& caption, const String& prompt, String& value) {
    return RunPrompt(caption, prompt, value, false);
}

bool Win32Ask::AskOpenFileName(FileDialogRequest& request) {
    return RunFileDialog(request, false);
}

bool Win32Ask::AskSaveFileName(FileDialogRequest& request) {
    return RunFileDialog(request, true);
}

Win32Ask& TheWin32Ask() {
    static Win32Ask ask;
    return ask;
}
