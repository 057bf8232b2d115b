#include "platform/win32/Win32Ask.h"

#include <windows.h>
#include <commdlg.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/win32/Win32Dialog.h"

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

// Buttons in the question's own words: the platform's box is asked for a set of the
// right size, and before it shows its buttons get our labels and tips, widened to fit.
struct LabelledBox {
    const Array<AskChoice>* choices = nullptr;
    int ids[3] = {};
    HHOOK hook = nullptr;
    bool done = false;
};
LabelledBox gLabelled;

int TextWidth(HWND control, const char* text) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, int(std::strlen(text)), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size.cx;
}

void AddTip(HWND box, HWND button, const String& tip) {
    HWND tips = CreateWindowExA(WS_EX_TOPMOST, "tooltips_class32", nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, box, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (!tips) return;  // no common controls in this process: the labels still stand
    TTTOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = box;
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = const_cast<char*>(tip.c_str());
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

HWND ChoiceButton(HWND box, int i) {
    return GetDlgItem(box, gLabelled.ids[i]);
}

void LabelButtons(HWND box) {
    const Array<AskChoice>& choices = *gLabelled.choices;
    for (int i = 0; i < int(choices.Count()) && i < 3; ++i) {
        HWND button = ChoiceButton(box, i);
        if (!button) continue;
        SetWindowTextA(button, choices[i].label.c_str());
        if (!choices[i].tip.IsEmpty()) AddTip(box, button, choices[i].tip);
    }
}

// Long labels: every button takes the widest one's width, centred in a box widened
// as far as the row needs. This waits for the box's first timer tick because some
// hosts lay the buttons out after the box is activated.
void CALLBACK WidenButtons(HWND box, UINT, UINT_PTR id, DWORD) {
    KillTimer(box, id);
    if (!gLabelled.choices) return;
    int count = std::min(int(gLabelled.choices->Count()), 3);
    HWND buttons[3] = {};
    int widest = 0;
    for (int i = 0; i < count; ++i) {
        buttons[i] = ChoiceButton(box, i);
        if (!buttons[i]) return;
        char text[256] = {};
        GetWindowTextA(buttons[i], text, sizeof text);
        widest = std::max(widest, TextWidth(buttons[i], text));
    }
    RECT first;
    GetWindowRect(buttons[0], &first);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&first), 2);
    int width = first.right - first.left;
    int padding = 2 * GetSystemMetrics(SM_CXEDGE) + 16;
    if (widest + padding <= width) return;
    width = widest + padding;
    int gap = 8;
    int row = count * width + (count - 1) * gap;
    RECT client, frame;
    GetClientRect(box, &client);
    if (row + 2 * gap > client.right) {
        GetWindowRect(box, &frame);
        int grow = row + 2 * gap - client.right;
        SetWindowPos(box, nullptr, frame.left - grow / 2, frame.top, frame.right - frame.left + grow,
                     frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
        GetClientRect(box, &client);
    }
    int left = (client.right - row) / 2;
    for (int i = 0; i < count; ++i) {
        SetWindowPos(buttons[i], nullptr, left + i * (width + gap), first.top, width, first.bottom - first.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(box, nullptr, TRUE);
}

LRESULT CALLBACK LabelBoxHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && gLabelled.choices && !gLabelled.done) {
        HWND box = reinterpret_cast<HWND>(wParam);
        LabelButtons(box);
        SetTimer(box, 1, 0, WidenButtons);
        gLabelled.done = true;
    }
    return CallNextHookEx(gLabelled.hook, code, wParam, lParam);
}

// The set whose buttons stand in for ours: one that can be closed (Escape, the close
// box) when the last choice is a Cancel, as closing answers with the last choice.
UINT ChoiceStyle(const Array<AskChoice>& choices, int ids[3]) {
    int32_t count = choices.Count();
    if (count >= 3) {
        ids[0] = IDYES, ids[1] = IDNO, ids[2] = IDCANCEL;
        return MB_YESNOCANCEL;
    }
    if (count == 2) {
        if (choices[1].result == kAskCancel) {
            ids[0] = IDOK, ids[1] = IDCANCEL;
            return MB_OKCANCEL;
        }
        ids[0] = IDYES, ids[1] = IDNO;
        return MB_YESNO;
    }
    ids[0] = IDOK;
    return MB_OK;
}

HWND OwnerWindow() {
    HWND active = GetActiveWindow();
    return active ? active : GetForegroundWindow();
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
    ofn.lpstrDefExt = request.defaultExtension.IsEmpty() ? nullptr : request.defaultExtension.c_str();
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
    const bool labelled = message.choices.Count() > 0;
    int ids[3] = {};
    AskButton order[3] = {set.order[0], set.order[1], set.order[2]};
    UINT style = set.style;
    if (labelled) {
        style = ChoiceStyle(message.choices, ids);
        for (int i = 0; i < 3; ++i) order[i] = i < message.choices.Count() ? message.choices[i].result : kAskNone;
    }
    for (int i = 0; i < 3; ++i) {
        if (message.defaultButton != kAskNone && order[i] == message.defaultButton) {
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
    if (labelled) {
        gLabelled.choices = &message.choices;
        std::copy(ids, ids + 3, gLabelled.ids);
        gLabelled.hook = SetWindowsHookExA(WH_CBT, LabelBoxHook, nullptr, GetCurrentThreadId());
    }
    int result = MessageBoxA(owner, message.text.c_str(), message.caption.c_str(), style);
    if (gMoveHook) {
        UnhookWindowsHookEx(gMoveHook);
        gMoveHook = nullptr;
    }
    if (gLabelled.hook) {
        UnhookWindowsHookEx(gLabelled.hook);
        gLabelled = LabelledBox();
    }
    if (labelled) {
        int32_t count = message.choices.Count();
        for (int32_t i = 0; i < count && i < 3; ++i) {
            if (ids[i] == result) return message.choices[i].result;
        }
        return message.choices[count - 1].result;
    }
    return result == 0 ? kAskCancel : AskButton(result);
}

bool Win32Ask::AskOpenFileName(FileDialogRequest& request) {
    return RunFileDialog(request, false);
}

bool Win32Ask::AskSaveFileName(FileDialogRequest& request) {
    return RunFileDialog(request, true);
}

AskButton Win32Ask::RunDialog(Dialog& dialog, const DialogRun& options) {
    return RunWin32Dialog(dialog, options, OwnerWindow());
}

AskButton Win32Ask::RunPagedDialog(PagedDialog& paged, const DialogRun& options) {
    return RunWin32PagedDialog(paged, options, OwnerWindow());
}

Win32Ask& TheWin32Ask() {
    static Win32Ask ask;
    return ask;
}
