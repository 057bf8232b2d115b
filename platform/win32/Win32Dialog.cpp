#include "platform/win32/Win32Dialog.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "core/ConfigExchange.h"
#include "core/Settings.h"
#include "platform/win32/Win32Table.h"
#include "ui/Dialog.h"
#include "ui/FlowLayout.h"
#include "ui/PagedDialog.h"
#include "ui/Table.h"

namespace {

// Child ids: the appended buttons keep the platform's button ids (IDOK = kAskOk and so
// on); the model's controls and their helpers sit in ranges of their own.
constexpr int kControlId = 1000;
constexpr int kBrowseId = 3000;
constexpr int kUpDownId = 5000;
constexpr int kMinimumClientWidth = 240;
constexpr int kGlyphColumns = 16;
constexpr int kGlyphRows = 14;  // bytes 32..255

const char kGlyphBoxClass[] = "NivoraGlyphChooser";
const char kGlyphGridClass[] = "NivoraGlyphGrid";

String WithoutAccessMarks(const String& text) {
    String out;
    for (int32_t i = 0; i < text.Length(); ++i) {
        char c = text[i];
        if (c == '&' && i + 1 < text.Length()) c = text[++i];
        out.Append(c);
    }
    return out;
}

String WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::vector<char> buffer(size_t(length) + 1, 0);
    GetWindowTextA(window, buffer.data(), length + 1);
    return String(buffer.data());
}

String NumberText(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e15) return String::Formatted("%.0f", value);
    return String::Formatted("%g", value);
}

// The control fonts as the framework settings name them, in each style and scale a
// control asks for.
class ControlFonts {
public:
    ~ControlFonts() {
        for (auto& [key, font] : fonts_) DeleteObject(font);
    }
    HFONT Get(int32_t style, double scale, bool fixed) {
        Key key{style, int(std::lround(scale * 100)), fixed};
        auto found = fonts_.find(key);
        if (found != fonts_.end()) return found->second;
        LOGFONTA lf = {};
        HDC screen = GetDC(nullptr);
        double points = SettingReal(kSetControlFontSize) * scale;
        lf.lfHeight = -LONG(std::lround(points * GetDeviceCaps(screen, LOGPIXELSY) / 72.0));
        ReleaseDC(nullptr, screen);
        bool bold = SettingFlag(fixed ? kSetFixedControlFontBold : kSetControlFontBold) || (style & kFontBold);
        bool italics = SettingFlag(fixed ? kSetFixedControlFontItalics : kSetControlFontItalics) ||
                       (style & kFontItalics);
        lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = italics;
        lf.lfUnderline = (style & kFontUnderline) != 0;
        lf.lfCharSet = BYTE(SettingNumber(kSetControlFontCharset));
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfPitchAndFamily = fixed ? FIXED_PITCH | FF_MODERN : DEFAULT_PITCH;
        const String& face = SettingText(fixed ? kSetFixedControlFontFace : kSetControlFontFace);
        lstrcpynA(lf.lfFaceName, face.c_str(), LF_FACESIZE);
        HFONT font = CreateFontIndirectA(&lf);
        if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        fonts_[key] = font;
        return font;
    }
    HFONT For(const DialogControl& c) {
        return Get(c.fontStyle | (c.fancy ? kFontBold : 0), c.fontScale,
                   c.kind == ControlKind::kEditbox && c.edit.fixedPitch);
    }

private:
    struct Key {
        int32_t style;
        int scale;
        bool fixed;
        bool operator<(const Key& o) const {
            return std::tie(style, scale, fixed) < std::tie(o.style, o.scale, o.fixed);
        }
    };
    std::map<Key, HFONT> fonts_;
};

// Natural sizes from the real fonts: text extents plus the allowances the platform's
// controls draw around their text.
class Win32Measurer : public ControlMeasurer {
public:
    Win32Measurer(HDC dc, ControlFonts& fonts) : dc_(dc), fonts_(fonts) {}

    int TextWidth(const String& text, HFONT font) const {
        HGDIOBJ old = SelectObject(dc_, font);
        String shown = WithoutAccessMarks(text);
        SIZE size = {};
        GetTextExtentPoint32A(dc_, shown.c_str(), int(shown.Length()), &size);
        SelectObject(dc_, old);
        return size.cx;
    }
    TEXTMETRICA Metrics(HFONT font) const {
        HGDIOBJ old = SelectObject(dc_, font);
        TEXTMETRICA tm = {};
        GetTextMetricsA(dc_, &tm);
        SelectObject(dc_, old);
        return tm;
    }
    // The caption in front of an edit's or combo's input, with the space after it.
    int LabelWidth(const DialogControl& c) const {
        return c.caption.IsEmpty() ? 0 : TextWidth(c.caption, fonts_.For(c)) + 6;
    }
    int FieldHeight(const DialogControl& c) const { return int(Metrics(fonts_.For(c)).tmHeight) + 8; }

    ControlSize NaturalSize(const DialogControl& c) const override {
        HFONT font = fonts_.For(c);
        TEXTMETRICA tm = Metrics(font);
        const int line = tm.tmHeight;
        const int field = line + 8;
        const int scrollWidth = GetSystemMetrics(SM_CXVSCROLL);
        switch (c.kind) {
        case ControlKind::kStaticText:
            return {TextWidth(c.caption, font) + (c.alignment == kAlignLeft ? 0 : 2), c.fancy ? line + 6 : line};
        case ControlKind::kCheckbox:
        case ControlKind::kRadioButton:
            return {GetSystemMetrics(SM_CXMENUCHECK) + 8 + TextWidth(c.caption, font), std::max(line, 16) + 2};
        case ControlKind::kEditbox: {
            int chars = c.edit.limit > 0 ? std::min(c.edit.limit, 40) + 1 : 20;
            int w = LabelWidth(c) + chars * tm.tmAveCharWidth + 10;
            if (c.edit.incdec) w += scrollWidth;
            if (c.edit.chooser != EditChooser::kNone) w += field + 4;
            return {w, c.edit.multiline ? 4 * line + 8 : field};
        }
        case ControlKind::kPushButton:
            return {std::max(TextWidth(c.caption, font) + 20, 75), field + 2};
        case ControlKind::kCombobox: {
            int widest = 8 * tm.tmAveCharWidth;
            for (const DialogEntry& e : c.entries) widest = std::max(widest, TextWidth(e.label, font));
            return {LabelWidth(c) + widest + 12 + scrollWidth, field + 2};
        }
        case ControlKind::kListbox: {
            int widest = std::max(8 * int(tm.tmAveCharWidth), c.caption.IsEmpty() ? 0 : TextWidth(c.caption, font));
            for (const DialogEntry& e : c.entries) widest = std::max(widest, TextWidth(e.label, font));
            int rows = std::clamp(int(c.entries.size()), 4, 8);
            return {widest + 8 + scrollWidth, rows * line + 6 + (c.caption.IsEmpty() ? 0 : line + 2)};
        }
        case ControlKind::kScrollbar:
            return c.scroll.vertical ? ControlSize{scrollWidth, 100}
                                     : ControlSize{100, GetSystemMetrics(SM_CYHSCROLL)};
        case ControlKind::kDivider:
            return {2, 2};
        case ControlKind::kGlyphChooser:
            return {field + 6, field + 2};
        case ControlKind::kTable: {
            // The columns' width hints side by side; a header and a few rows.
            int w = 0;
            int rows = 4;
            if (c.table) {
                for (int32_t k = 0; k < c.table->ColumnCount(); ++k) w += std::max(c.table->Column(k).width, 8);
                rows = std::clamp(c.table->RowCount(), 4, 8);
            }
            return {std::max(w, 8 * int(tm.tmAveCharWidth)) + scrollWidth + 4, (rows + 1) * (line + 4) + 4};
        }
        }
        return {};
    }

private:
    HDC dc_;
    ControlFonts& fonts_;
};

struct NativeControl {
    HWND main = nullptr;
    HWND label = nullptr;  // an edit's or combo's caption, a list's caption
    HWND extra = nullptr;  // the up-down, the browse button, a heading's rule
    int labelWidth = 0;
};

const char* ButtonLabel(AskButton button) {
    switch (button) {
    case kAskOk: return "OK";
    case kAskCancel: return "Cancel";
    case kAskAbort: return "&Abort";
    case kAskRetry: return "&Retry";
    case kAskIgnore: return "&Ignore";
    case kAskYes: return "&Yes";
    case kAskNo: return "&No";
    case kAskNone: break;
    }
    return "";
}

class NativeDialog : public DialogObserver {
public:
    NativeDialog(Dialog& dialog, const DialogRun& options) : model_(dialog), options_(options) {}
    ~NativeDialog() override;

    AskButton Run(HWND owner);
    // The controls in a child panel of `host` at (x, y), at least `minimumWidth` wide:
    // the host's dialog manager runs the keyboard, and the buttons that would end
    // the dialog are passed on to the host. Returns the panel, sized to its controls.
    HWND Embed(HWND host, int x, int y, int minimumWidth);
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void ControlValueChanged(int32_t index) override;
    void ControlEnabledChanged(int32_t index) override;

    // The glyph chooser's value, from its own window.
    int Glyph(int32_t index) const;
    void ChooseGlyph(int32_t index, int glyph);
    HFONT FontOf(int32_t index) { return fonts_.For(model_.Control(index)); }

private:
    void Init();
    void CreateControl(int32_t index, const Rect& r);
    void AddTip(int32_t index);
    void ShowValue(int32_t index);
    INT_PTR Command(int id, int code);
    bool Notify(const NMHDR& header);
    void Scroll(HWND bar, int code);
    void Browse(int32_t index);
    void Place(int width, int height);
    void End(AskButton button);
    HWND Child(const char* cls, const char* text, DWORD style, const RECT& r, int id, HFONT font,
               DWORD exStyle = 0);

    Dialog& model_;
    const DialogRun& options_;
    HWND window_ = nullptr;
    ControlFonts fonts_;
    std::vector<NativeControl> natives_;
    std::vector<HWND> tips_;
    bool showing_ = false;  // writing the model into the controls: their echoes are ours
    int contentRight_ = 0;  // the right edge of the controls' area
    bool embedded_ = false;
    POINT origin_ = {0, 0};  // an embedded panel's place in its host
    int minimumWidth_ = 0;
};

NativeDialog::~NativeDialog() {
    if (!embedded_ || !window_) return;
    model_.SetObserver(nullptr);
    for (HWND tips : tips_) DestroyWindow(tips);
    DestroyWindow(window_);
}

HWND NativeDialog::Child(const char* cls, const char* text, DWORD style, const RECT& r, int id, HFONT font,
                         DWORD exStyle) {
    HWND child = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                                 r.right - r.left, r.bottom - r.top, window_,
                                 reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleA(nullptr), nullptr);
    if (child) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

void NativeDialog::CreateControl(int32_t i, const Rect& rect) {
    const DialogControl& c = model_.Control(i);
    NativeControl& n = natives_[size_t(i)];
    HFONT font = fonts_.For(c);
    const int id = kControlId + i;
    RECT r = {rect.left, rect.top, rect.right, rect.bottom};
    HDC dc = GetDC(window_);
    Win32Measurer measure(dc, fonts_);
    const int line = measure.Metrics(font).tmHeight;
    n.labelWidth = c.IsComboOrList() && c.kind == ControlKind::kListbox ? 0 : measure.LabelWidth(c);
    ReleaseDC(window_, dc);
    // Every control starts a group of its own except radios of one group after the
    // first, so that arrows move within a group and Tab between them.
    bool continuesGroup = c.kind == ControlKind::kRadioButton && i > 0 &&
                          model_.Control(i - 1).kind == ControlKind::kRadioButton &&
                          model_.Control(i - 1).radioGroup == c.radioGroup;
    const DWORD group = continuesGroup ? 0 : WS_GROUP | WS_TABSTOP;

    switch (c.kind) {
    case ControlKind::kStaticText: {
        DWORD align = c.alignment == kAlignCenter ? SS_CENTER : c.alignment == kAlignRight ? SS_RIGHT : SS_LEFT;
        RECT text = r;
        if (c.fancy) text.bottom = text.top + line;
        n.main = Child("STATIC", c.caption.c_str(), align | WS_GROUP, text, id, font);
        if (c.fancy) {
            // A heading alone in its row rules off the whole width under it.
            bool alone = i + 1 >= model_.Count() || (model_.Control(i + 1).layoutFlags & kLayoutNewRow);
            bool first = c.layoutFlags & kLayoutNewRow;
            RECT rule = {r.left, r.bottom - 2, alone && first ? contentRight_ : r.right, r.bottom};
            n.extra = Child("STATIC", "", SS_ETCHEDHORZ, rule, -1, font);
        }
        break;
    }
    case ControlKind::kCheckbox:
        n.main = Child("BUTTON", c.caption.c_str(), BS_AUTOCHECKBOX | group, r, id, font);
        break;
    case ControlKind::kRadioButton:
        n.main = Child("BUTTON", c.caption.c_str(), BS_AUTORADIOBUTTON | group, r, id, font);
        break;
    case ControlKind::kEditbox: {
        RECT input = r;
        if (n.labelWidth) {
            RECT label = {r.left, r.top, r.left + n.labelWidth, r.bottom};
            DWORD centre = c.edit.multiline ? 0 : SS_CENTERIMAGE;
            n.label = Child("STATIC", c.caption.c_str(), SS_LEFT | centre | WS_GROUP, label, -1, font);
            input.left += n.labelWidth;
        }
        int side = 0;
        if (c.edit.incdec) side = GetSystemMetrics(SM_CXVSCROLL);
        if (c.edit.chooser != EditChooser::kNone) side = (r.bottom - r.top) + 4;
        input.right = std::max(input.left, input.right - side);
        DWORD style = ES_AUTOHSCROLL | group;
        if (c.edit.multiline) style = (style & ~DWORD(ES_AUTOHSCROLL)) | ES_MULTILINE | ES_AUTOVSCROLL |
                                      ES_WANTRETURN | WS_VSCROLL;
        if (c.edit.password) style |= ES_PASSWORD;
        // Digits only where the value can only be a whole number that is not negative.
        bool digitsOnly = c.edit.incdec
                              ? c.edit.minimum >= 0 && c.edit.step == std::floor(c.edit.step)
                              : c.edit.numericMode != 0;
        if (digitsOnly) style |= ES_NUMBER;
        n.main = Child("EDIT", "", style, input, id, font, WS_EX_CLIENTEDGE);
        if (c.edit.limit > 0) SendMessageA(n.main, EM_LIMITTEXT, WPARAM(c.edit.limit), 0);
        if (c.edit.incdec) {
            RECT arrows = {input.right, input.top, r.right, input.bottom};
            n.extra = Child(UPDOWN_CLASSA, "", UDS_ARROWKEYS | UDS_NOTHOUSANDS, arrows, kUpDownId + i, font);
            SendMessageA(n.extra, UDM_SETBUDDY, reinterpret_cast<WPARAM>(n.main), 0);
            // The arrows only report; the value steps through the edit's own range.
            SendMessageA(n.extra, UDM_SETRANGE32, 0, 100);
            SendMessageA(n.extra, UDM_SETPOS32, 0, 50);
        } else if (c.edit.chooser != EditChooser::kNone) {
            RECT browse = {input.right + 4, input.top, r.right, input.bottom};
            n.extra = Child("BUTTON", "...", BS_PUSHBUTTON | WS_TABSTOP, browse, kBrowseId + i, font);
        }
        break;
    }
    case ControlKind::kPushButton: {
        DWORD kind = c.button.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        n.main = Child("BUTTON", c.caption.c_str(), kind | group, r, id, font);
        break;
    }
    case ControlKind::kCombobox: {
        RECT input = r;
        if (n.labelWidth) {
            RECT label = {r.left, r.top, r.left + n.labelWidth, r.bottom};
            n.label = Child("STATIC", c.caption.c_str(), SS_LEFT | SS_CENTERIMAGE | WS_GROUP, label, -1, font);
            input.left += n.labelWidth;
        }
        input.bottom = input.top + 12 * line;  // with the list dropped down
        DWORD style = (c.editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST) | WS_VSCROLL | group;
        if (c.sorted) style |= CBS_SORT;
        n.main = Child("COMBOBOX", "", style, input, id, font);
        for (size_t e = 0; e < c.entries.size(); ++e) {
            LRESULT at = SendMessageA(n.main, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.entries[e].label.c_str()));
            if (at >= 0) SendMessageA(n.main, CB_SETITEMDATA, WPARAM(at), LPARAM(e));
        }
        // The closed field as tall as an edit, so rows line up.
        SendMessageA(n.main, CB_SETITEMHEIGHT, WPARAM(-1), LPARAM(rect.bottom - rect.top - 6));
        break;
    }
    case ControlKind::kListbox: {
        RECT list = r;
        if (!c.caption.IsEmpty()) {
            RECT label = {r.left, r.top, r.right, r.top + line};
            n.label = Child("STATIC", c.caption.c_str(), SS_LEFT | WS_GROUP, label, -1, font);
            list.top += line + 2;
        }
        DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | group;
        if (c.sorted) style |= LBS_SORT;
        n.main = Child("LISTBOX", "", style, list, id, font, WS_EX_CLIENTEDGE);
        for (size_t e = 0; e < c.entries.size(); ++e) {
            LRESULT at = SendMessageA(n.main, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.entries[e].label.c_str()));
            if (at >= 0) SendMessageA(n.main, LB_SETITEMDATA, WPARAM(at), LPARAM(e));
        }
        break;
    }
    case ControlKind::kScrollbar: {
        n.main = Child("SCROLLBAR", "", (c.scroll.vertical ? SBS_VERT : SBS_HORZ) | group, r, id, font);
        SCROLLINFO info = {sizeof info, SIF_RANGE, c.scroll.minimum, c.scroll.maximum, 0, 0, 0};
        SetScrollInfo(n.main, SB_CTL, &info, FALSE);
        break;
    }
    case ControlKind::kDivider: {
        int middle = (r.top + r.bottom) / 2;
        RECT rule = {r.left, middle - 1, r.right, middle + 1};
        n.main = Child("STATIC", "", SS_ETCHEDHORZ | WS_GROUP, rule, id, font);
        break;
    }
    case ControlKind::kGlyphChooser:
        n.main = Child(kGlyphBoxClass, "", group, r, id, font);
        SetWindowLongPtrA(n.main, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        break;
    case ControlKind::kTable:
        // The list view follows its model by itself from here on.
        if (c.table) n.main = CreateWin32Table(window_, r, id, font, *c.table);
        break;
    }
    ShowValue(i);
    ControlEnabledChanged(i);
    AddTip(i);
}

void NativeDialog::AddTip(int32_t i) {
    const DialogControl& c = model_.Control(i);
    const NativeControl& n = natives_[size_t(i)];
    if (c.tip.IsEmpty() || !n.main) return;
    HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (!tips) return;
    tips_.push_back(tips);
    SendMessageA(tips, TTM_SETMAXTIPWIDTH, 0, 320);
    for (HWND part : {n.main, n.label, n.extra}) {
        if (!part) continue;
        TTTOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(part);
        tool.lpszText = const_cast<char*>(c.tip.c_str());
        SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (!c.tipTitle.IsEmpty()) {
        SendMessageA(tips, TTM_SETTITLEA, TTI_INFO, reinterpret_cast<LPARAM>(c.tipTitle.c_str()));
    }
}

// The model's value into the native control; the notifications this causes are
// recognised by showing_ and not written back.
void NativeDialog::ShowValue(int32_t i) {
    const DialogControl& c = model_.Control(i);
    const NativeControl& n = natives_[size_t(i)];
    if (!n.main) return;
    bool was = showing_;
    showing_ = true;
    switch (c.kind) {
    case ControlKind::kCheckbox:
    case ControlKind::kRadioButton:
        SendMessageA(n.main, BM_SETCHECK, c.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case ControlKind::kEditbox:
        if (WindowText(n.main) != c.text) SetWindowTextA(n.main, c.text.c_str());
        break;
    case ControlKind::kCombobox:
    case ControlKind::kListbox: {
        bool combo = c.kind == ControlKind::kCombobox;
        LRESULT count = SendMessageA(n.main, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
        LRESULT at = -1;
        for (LRESULT k = 0; k < count && at < 0; ++k) {
            if (SendMessageA(n.main, combo ? CB_GETITEMDATA : LB_GETITEMDATA, WPARAM(k), 0) == c.selection) at = k;
        }
        SendMessageA(n.main, combo ? CB_SETCURSEL : LB_SETCURSEL, WPARAM(at), 0);
        if (combo && c.editable && WindowText(n.main) != c.text) SetWindowTextA(n.main, c.text.c_str());
        break;
    }
    case ControlKind::kScrollbar: {
        SCROLLINFO info = {sizeof info, SIF_POS, 0, 0, 0, c.scroll.value, 0};
        SetScrollInfo(n.main, SB_CTL, &info, TRUE);
        break;
    }
    case ControlKind::kGlyphChooser:
        InvalidateRect(n.main, nullptr, TRUE);
        break;
    case ControlKind::kStaticText:
    case ControlKind::kPushButton:
        SetWindowTextA(n.main, c.caption.c_str());
        break;
    case ControlKind::kDivider:
    case ControlKind::kTable:  // it observes its own model
        break;
    }
    showing_ = was;
}

void NativeDialog::ControlValueChanged(int32_t index) {
    if (window_ && size_t(index) < natives_.size()) ShowValue(index);
}

void NativeDialog::ControlEnabledChanged(int32_t index) {
    if (!window_ || size_t(index) >= natives_.size()) return;
    const NativeControl& n = natives_[size_t(index)];
    BOOL on = model_.Control(index).enabled;
    for (HWND part : {n.main, n.label, n.extra}) {
        if (part) EnableWindow(part, on);
    }
}

int NativeDialog::Glyph(int32_t index) const {
    const String& text = model_.Control(index).text;
    return text.IsEmpty() ? 0 : int(static_cast<unsigned char>(text[0]));
}

void NativeDialog::ChooseGlyph(int32_t index, int glyph) {
    glyph = std::clamp(glyph, 32, 255);
    model_.Control(index).text = String::Formatted("%c", char(glyph));
    InvalidateRect(natives_[size_t(index)].main, nullptr, TRUE);
    model_.ControlChanged(index);
}

void NativeDialog::Browse(int32_t i) {
    DialogControl& c = model_.Control(i);
    String chosen;
    if (c.edit.chooser == EditChooser::kDirectory) {
        char path[MAX_PATH] = {};
        String title = WithoutAccessMarks(c.caption);
        BROWSEINFOA info = {};
        info.hwndOwner = window_;
        info.pszDisplayName = path;
        info.lpszTitle = title.c_str();
        info.ulFlags = BIF_RETURNONLYFSDIRS;
        LPITEMIDLIST list = SHBrowseForFolderA(&info);
        if (!list) return;
        bool ok = SHGetPathFromIDListA(list, path);
        CoTaskMemFree(list);
        if (!ok) return;
        chosen = path;
    } else {
        bool multiple = c.edit.chooser == EditChooser::kMultipleFiles;
        std::vector<char> buffer(multiple ? 32768 : MAX_PATH * 4, 0);
        if (!multiple) lstrcpynA(buffer.data(), c.text.c_str(), int(buffer.size()));
        OPENFILENAMEA ofn = {};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = window_;
        ofn.lpstrFilter = "All files\0*.*\0";
        ofn.lpstrFile = buffer.data();
        ofn.nMaxFile = DWORD(buffer.size());
        ofn.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_EXPLORER | (multiple ? OFN_ALLOWMULTISELECT : 0);
        if (!GetOpenFileNameA(&ofn)) return;
        // Several names come as the folder and then each name, zero-separated; the
        // edit holds them as full paths separated by semicolons.
        const char* p = buffer.data();
        String folder = p;
        p += folder.Length() + 1;
        if (!multiple || !*p) {
            chosen = folder;
        } else {
            for (; *p; p += std::strlen(p) + 1) {
                if (!chosen.IsEmpty()) chosen.Append(";");
                chosen.Append(folder + "\\" + p);
            }
        }
    }
    SetWindowTextA(natives_[size_t(i)].main, chosen.c_str());  // EN_CHANGE writes the model
}

INT_PTR NativeDialog::Command(int id, int code) {
    if (id == IDCANCEL) {
        End(kAskCancel);
        return TRUE;
    }
    if (id >= kAskOk && id <= kAskNo) {
        // Enter reaches here as the default id; a model button marked default ends
        // the dialog as OK does.
        End(AskButton(id));
        return TRUE;
    }
    if (id >= kBrowseId && id < kBrowseId + model_.Count()) {
        if (code == BN_CLICKED) Browse(id - kBrowseId);
        return TRUE;
    }
    int32_t i = id - kControlId;
    if (i < 0 || i >= model_.Count() || showing_) return FALSE;
    DialogControl& c = model_.Control(i);
    HWND main = natives_[size_t(i)].main;
    switch (c.kind) {
    case ControlKind::kCheckbox:
    case ControlKind::kRadioButton:
        if (code != BN_CLICKED) return FALSE;
        c.checked = SendMessageA(main, BM_GETCHECK, 0, 0) == BST_CHECKED;
        break;
    case ControlKind::kPushButton:
        if (code != BN_CLICKED) return FALSE;
        if (c.button.isDefault) {
            End(kAskOk);
            return TRUE;
        }
        break;
    case ControlKind::kEditbox:
        if (code != EN_CHANGE) return FALSE;
        c.text = WindowText(main);
        break;
    case ControlKind::kCombobox:
        if (code == CBN_SELCHANGE) {
            LRESULT at = SendMessageA(main, CB_GETCURSEL, 0, 0);
            c.Select(at < 0 ? -1 : int32_t(SendMessageA(main, CB_GETITEMDATA, WPARAM(at), 0)));
        } else if (code == CBN_EDITCHANGE) {
            c.text = WindowText(main);
            c.selection = -1;
            for (size_t e = 0; e < c.entries.size(); ++e) {
                if (c.entries[e].label == c.text) c.selection = int32_t(e);
            }
        } else {
            return FALSE;
        }
        break;
    case ControlKind::kListbox:
        if (code == LBN_SELCHANGE) {
            LRESULT at = SendMessageA(main, LB_GETCURSEL, 0, 0);
            c.Select(at < 0 ? -1 : int32_t(SendMessageA(main, LB_GETITEMDATA, WPARAM(at), 0)));
        } else if (code == LBN_DBLCLK && c.doubleClick) {
            End(kAskOk);
            return TRUE;
        } else {
            return FALSE;
        }
        break;
    default:
        return FALSE;
    }
    model_.ControlChanged(i);
    return TRUE;
}

bool NativeDialog::Notify(const NMHDR& header) {
    if (header.code != UDN_DELTAPOS) return false;
    int32_t i = int32_t(header.idFrom) - kUpDownId;
    if (i < 0 || i >= model_.Count()) return false;
    const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
    const EditOptions& e = model_.Control(i).edit;
    double value = std::strtod(model_.Control(i).text.c_str(), nullptr);
    value = std::clamp(value + (change.iDelta > 0 ? e.step : -e.step), e.minimum, e.maximum);
    HWND edit = natives_[size_t(i)].main;
    SetWindowTextA(edit, NumberText(value).c_str());
    SendMessageA(edit, EM_SETSEL, 0, -1);
    return true;  // the arrows keep their own position
}

void NativeDialog::Scroll(HWND bar, int code) {
    int32_t i = GetDlgCtrlID(bar) - kControlId;
    if (i < 0 || i >= model_.Count() || model_.Control(i).kind != ControlKind::kScrollbar) return;
    ScrollOptions& s = model_.Control(i).scroll;
    int range = s.maximum - s.minimum;
    int page = s.notches > 0 ? std::max(1, range / s.notches) : std::max(1, range / 10);
    int value = s.value;
    switch (code) {
    case SB_LINELEFT: value -= 1; break;
    case SB_LINERIGHT: value += 1; break;
    case SB_PAGELEFT:
    case SB_PAGERIGHT:
        if (s.leapToClick) {
            POINT at;
            GetCursorPos(&at);
            ScreenToClient(bar, &at);
            RECT r;
            GetClientRect(bar, &r);
            int arrow = s.vertical ? GetSystemMetrics(SM_CYVSCROLL) : GetSystemMetrics(SM_CXHSCROLL);
            int length = (s.vertical ? r.bottom : r.right) - 2 * arrow;
            int along = (s.vertical ? at.y : at.x) - arrow;
            if (length > 0) value = s.minimum + int(std::lround(double(along) * range / length));
        } else {
            value += code == SB_PAGELEFT ? -page : page;
        }
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info = {sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(bar, SB_CTL, &info);
        value = info.nTrackPos;
        break;
    }
    case SB_LEFT: value = s.minimum; break;
    case SB_RIGHT: value = s.maximum; break;
    default: return;
    }
    value = std::clamp(value, s.minimum, s.maximum);
    if (value == s.value) return;
    s.value = value;
    ShowValue(i);
    model_.ControlChanged(i);
}

// The remembered position when it is still on a screen, else centred on the owner.
void NativeDialog::Place(int width, int height) {
    RECT frame = {0, 0, width, height};
    DWORD style = DWORD(GetWindowLongA(window_, GWL_STYLE));
    AdjustWindowRectEx(&frame, style, FALSE, DWORD(GetWindowLongA(window_, GWL_EXSTYLE)));
    int outerWidth = frame.right - frame.left, outerHeight = frame.bottom - frame.top;
    POINT at = {0, 0};
    bool known = false;
    if (!options_.settingsSection.IsEmpty()) {
        String stored;
        SettingsExchange load(options_.settingsSection, SettingsExchange::kLoad);
        if (load.Text("WindowPosition", stored)) {
            char* end = nullptr;
            at.x = std::strtol(stored.c_str(), &end, 10);
            if (end && *end == ',') {
                at.y = std::strtol(end + 1, nullptr, 10);
                POINT corner = {at.x + 16, at.y + 16};
                known = MonitorFromPoint(corner, MONITOR_DEFAULTTONULL) != nullptr;
            }
        }
    }
    if (!known) {
        HWND owner = GetWindow(window_, GW_OWNER);
        RECT around;
        if (!owner || !GetWindowRect(owner, &around)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &around, 0);
        at.x = (around.left + around.right - outerWidth) / 2;
        at.y = (around.top + around.bottom - outerHeight) / 2;
        MONITORINFO monitor = {sizeof monitor, {}, {}, 0};
        if (GetMonitorInfoA(MonitorFromRect(&around, MONITOR_DEFAULTTONEAREST), &monitor)) {
            const RECT& work = monitor.rcWork;
            at.x = std::max(LONG(work.left), std::min(at.x, work.right - outerWidth));
            at.y = std::max(LONG(work.top), std::min(at.y, work.bottom - outerHeight));
        }
    }
    SetWindowPos(window_, nullptr, at.x, at.y, outerWidth, outerHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeDialog::Init() {
    SetWindowTextA(window_, model_.Title().c_str());
    natives_.assign(size_t(model_.Count()), NativeControl());
    const int gap = DialogGapFromSettings();
    HDC dc = GetDC(window_);
    Win32Measurer measurer(dc, fonts_);
    FlowLayoutResult natural = FlowLayout(model_, measurer, 0, 0, gap);

    // The button row under the controls, at the right as the platform's boxes have it.
    HFONT font = fonts_.Get(0, 1.0, false);
    const int buttonHeight = int(measurer.Metrics(font).tmHeight) + 10;
    std::vector<int> buttonWidths;
    int buttonsWidth = 0;
    for (AskButton b : options_.buttons) {
        DialogControl probe;
        probe.kind = ControlKind::kPushButton;
        probe.caption = ButtonLabel(b);
        buttonWidths.push_back(measurer.NaturalSize(probe).width);
        buttonsWidth += buttonWidths.back() + gap;
    }

    int width = std::max({natural.naturalWidth, buttonsWidth + gap, kMinimumClientWidth, minimumWidth_});
    if (options_.width > 0) width = std::min(width, std::max(options_.width, kMinimumClientWidth));
    int controlsHeight = model_.Count() > 0 ? natural.naturalHeight : gap;
    FlowLayoutResult placed = FlowLayout(model_, measurer, width, controlsHeight, gap);
    contentRight_ = width - gap;
    ReleaseDC(window_, dc);
    for (int32_t i = 0; i < model_.Count(); ++i) CreateControl(i, placed.rects[size_t(i)]);
    if (embedded_) {
        // A page of a paged dialog: its host has the buttons and the focus.
        SetWindowPos(window_, nullptr, origin_.x, origin_.y, width, controlsHeight + gap,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        model_.SetObserver(this);
        model_.EvaluateDependencies();
        for (int32_t i = 0; i < model_.Count(); ++i) ControlEnabledChanged(i);
        return;
    }

    const int32_t modelDefault = model_.DefaultButton();
    int x = width - buttonsWidth;
    // A gap more above the buttons sets them apart from the controls.
    const int y = controlsHeight + (model_.Count() > 0 ? gap : 0);
    for (size_t b = 0; b < options_.buttons.size(); ++b) {
        AskButton button = options_.buttons[b];
        bool isDefault = modelDefault < 0 && (button == kAskOk || (b == 0 && std::find(options_.buttons.begin(),
                                              options_.buttons.end(), kAskOk) == options_.buttons.end()));
        RECT r = {x, y, x + buttonWidths[b], y + buttonHeight};
        Child("BUTTON", ButtonLabel(button), (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP | WS_GROUP,
              r, int(button), font);
        if (isDefault) SendMessageA(window_, DM_SETDEFID, WPARAM(button), 0);
        x += buttonWidths[b] + gap;
    }
    if (modelDefault >= 0) SendMessageA(window_, DM_SETDEFID, WPARAM(kControlId + modelDefault), 0);
    Place(width, y + buttonHeight + gap);

    model_.SetObserver(this);
    model_.EvaluateDependencies();
    for (int32_t i = 0; i < model_.Count(); ++i) ControlEnabledChanged(i);

    int32_t focus = model_.FocusIndex();
    HWND first = focus >= 0 && focus < model_.Count() ? natives_[size_t(focus)].main : nullptr;
    if (!first) first = GetNextDlgTabItem(window_, nullptr, FALSE);
    if (first) {
        SetFocus(first);
        if (model_.Control(focus >= 0 ? focus : 0).kind == ControlKind::kEditbox)
            SendMessageA(first, EM_SETSEL, 0, -1);
    }
}

void NativeDialog::End(AskButton button) {
    if (embedded_) {
        PostMessageA(GetParent(window_), WM_COMMAND, WPARAM(button), 0);
        return;
    }
    if (!options_.settingsSection.IsEmpty()) {
        RECT r;
        GetWindowRect(window_, &r);
        String position = String::Formatted("%ld,%ld", long(r.left), long(r.top));
        SettingsExchange save(options_.settingsSection, SettingsExchange::kSave);
        save.Text("WindowPosition", position);
    }
    model_.SetObserver(nullptr);
    for (HWND tips : tips_) DestroyWindow(tips);
    tips_.clear();
    EndDialog(window_, button);
}

INT_PTR CALLBACK NativeDialog::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<NativeDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<NativeDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        self->window_ = window;
        self->Init();
        return FALSE;  // the focus is set
    }
    if (!self) return FALSE;
    switch (message) {
    case WM_COMMAND:
        return self->Command(LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY: {
        LRESULT tableResult = 0;
        if (HandleWin32TableNotify(*reinterpret_cast<const NMHDR*>(lParam), tableResult)) {
            SetWindowLongPtrA(window, DWLP_MSGRESULT, tableResult);
            return TRUE;
        }
        if (self->Notify(*reinterpret_cast<const NMHDR*>(lParam))) {
            SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return FALSE;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam) self->Scroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

// The glyph chooser: a box showing the chosen byte in the control's font; a click or
// Space opens the grid of the 224 printable bytes, arrows step through them.
struct GlyphGrid {
    NativeDialog* dialog;
    int32_t index;
    HWND box;
    int current;
};

int GlyphCell(HWND grid) {
    RECT r;
    GetClientRect(grid, &r);
    return std::max(1, int(r.right / kGlyphColumns));
}

LRESULT CALLBACK GlyphGridProc(HWND grid, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<GlyphGrid*>(GetWindowLongPtrA(grid, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrA(grid, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(grid, &ps);
        int cell = GlyphCell(grid);
        HGDIOBJ old = SelectObject(dc, state->dialog->FontOf(state->index));
        SetBkMode(dc, TRANSPARENT);
        for (int g = 32; g < 256; ++g) {
            int k = g - 32;
            RECT r = {k % kGlyphColumns * cell, k / kGlyphColumns * cell, 0, 0};
            r.right = r.left + cell, r.bottom = r.top + cell;
            bool chosen = g == state->current;
            FillRect(dc, &r, GetSysColorBrush(chosen ? COLOR_HIGHLIGHT : COLOR_WINDOW));
            SetTextColor(dc, GetSysColor(chosen ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            char text = char(g);
            DrawTextA(dc, &text, 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        }
        SelectObject(dc, old);
        EndPaint(grid, &ps);
        return 0;
    }
    case WM_LBUTTONUP: {
        int cell = GlyphCell(grid);
        int col = short(LOWORD(lParam)) / cell, row = short(HIWORD(lParam)) / cell;
        if (col >= 0 && col < kGlyphColumns && row >= 0 && row < kGlyphRows) {
            state->dialog->ChooseGlyph(state->index, 32 + row * kGlyphColumns + col);
        }
        DestroyWindow(grid);
        return 0;
    }
    case WM_KEYDOWN: {
        int step = wParam == VK_LEFT ? -1 : wParam == VK_RIGHT ? 1 : wParam == VK_UP ? -kGlyphColumns
                 : wParam == VK_DOWN ? kGlyphColumns : 0;
        if (step) {
            state->current = std::clamp(state->current + step, 32, 255);
            InvalidateRect(grid, nullptr, FALSE);
        } else if (wParam == VK_RETURN || wParam == VK_SPACE) {
            state->dialog->ChooseGlyph(state->index, state->current);
            DestroyWindow(grid);
        } else if (wParam == VK_ESCAPE) {
            DestroyWindow(grid);
        }
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) PostMessageA(grid, WM_CLOSE, 0, 0);
        break;
    case WM_DESTROY:
        if (state) {
            HWND box = state->box;
            SetWindowLongPtrA(grid, GWLP_USERDATA, 0);
            delete state;
            SetFocus(box);
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcA(grid, message, wParam, lParam);
}

void OpenGlyphGrid(HWND box, NativeDialog* dialog, int32_t index) {
    HDC dc = GetDC(box);
    HGDIOBJ old = SelectObject(dc, dialog->FontOf(index));
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    int cell = int(std::max(tm.tmHeight, tm.tmMaxCharWidth)) + 6;
    RECT r;
    GetWindowRect(box, &r);
    RECT frame = {0, 0, cell * kGlyphColumns, cell * kGlyphRows};
    AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOOLWINDOW);
    int glyph = dialog->Glyph(index);
    auto* state = new GlyphGrid{dialog, index, box, glyph >= 32 ? glyph : 65};
    HWND grid = CreateWindowExA(WS_EX_TOOLWINDOW, kGlyphGridClass, "", WS_POPUP | WS_BORDER, r.left, r.bottom,
                                frame.right - frame.left, frame.bottom - frame.top, GetParent(box), nullptr,
                                GetModuleHandleA(nullptr), state);
    if (!grid) {
        delete state;
        return;
    }
    ShowWindow(grid, SW_SHOW);
    SetFocus(grid);
}

LRESULT CALLBACK GlyphBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dialog = reinterpret_cast<NativeDialog*>(GetWindowLongPtrA(box, GWLP_USERDATA));
    int32_t index = GetDlgCtrlID(box) - kControlId;
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        InvalidateRect(box, nullptr, TRUE);
        return 0;
    case WM_SETFONT:
        return 0;  // drawn in the model's font for the control
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(box, &ps);
        RECT r;
        GetClientRect(box, &r);
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (IsWindowEnabled(box) ? 0 : DFCS_INACTIVE));
        if (dialog) {
            HGDIOBJ old = SelectObject(dc, dialog->FontOf(index));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(IsWindowEnabled(box) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
            int glyph = dialog->Glyph(index);
            char text = char(glyph);
            if (glyph) DrawTextA(dc, &text, 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            SelectObject(dc, old);
        }
        if (GetFocus() == box) {
            InflateRect(&r, -3, -3);
            DrawFocusRect(dc, &r);
        }
        EndPaint(box, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
        SetFocus(box);
        if (dialog) OpenGlyphGrid(box, dialog, index);
        return 0;
    case WM_KEYDOWN:
        if (!dialog) break;
        if (wParam == VK_SPACE) {
            OpenGlyphGrid(box, dialog, index);
        } else if (wParam == VK_LEFT || wParam == VK_UP || wParam == VK_RIGHT || wParam == VK_DOWN) {
            int glyph = std::max(dialog->Glyph(index), 31);
            dialog->ChooseGlyph(index, glyph + (wParam == VK_LEFT || wParam == VK_UP ? -1 : 1));
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcA(box, message, wParam, lParam);
}

void RegisterGlyphClasses() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    WNDCLASSA box = {};
    box.style = CS_DBLCLKS;
    box.lpfnWndProc = GlyphBoxProc;
    box.hInstance = GetModuleHandleA(nullptr);
    box.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    box.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    box.lpszClassName = kGlyphBoxClass;
    RegisterClassA(&box);
    WNDCLASSA grid = box;
    grid.style = CS_DROPSHADOW;
    grid.lpfnWndProc = GlyphGridProc;
    grid.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    grid.lpszClassName = kGlyphGridClass;
    RegisterClassA(&grid);
}

AskButton NativeDialog::Run(HWND owner) {
    RegisterGlyphClasses();
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    // A template without controls: the dialog manager runs the keyboard, the controls
    // are made from the model once the window exists.
    std::vector<WORD> t;
    DLGTEMPLATE header = {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME, 0, 0, 0, 100, 50};
    const WORD* words = reinterpret_cast<const WORD*>(&header);
    t.insert(t.end(), words, words + sizeof header / sizeof(WORD));
    t.push_back(0);  // no menu
    t.push_back(0);  // the dialog class
    t.push_back(0);  // the title comes from the model
    INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()),
                                             owner, Proc, reinterpret_cast<LPARAM>(this));
    model_.SetObserver(nullptr);
    return result <= 0 ? kAskCancel : AskButton(result);
}

HWND NativeDialog::Embed(HWND host, int x, int y, int minimumWidth) {
    RegisterGlyphClasses();
    embedded_ = true;
    origin_ = {x, y};
    minimumWidth_ = minimumWidth;
    std::vector<WORD> t;
    DLGTEMPLATE header = {WS_CHILD | DS_CONTROL, WS_EX_CONTROLPARENT, 0, 0, 0, 100, 50};
    const WORD* words = reinterpret_cast<const WORD*>(&header);
    t.insert(t.end(), words, words + sizeof header / sizeof(WORD));
    t.push_back(0);
    t.push_back(0);
    t.push_back(0);
    HWND panel = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()), host,
                                            Proc, reinterpret_cast<LPARAM>(this));
    if (panel) ShowWindow(panel, SW_SHOWNA);
    return panel;
}

// The paged dialog: the tree of pages at the left, the chosen page's panel beside it,
// the buttons under both at the right. The dialog grows to the largest page seen.
class NativePagedDialog {
public:
    NativePagedDialog(PagedDialog& paged, const DialogRun& options) : paged_(paged), options_(options) {
        pageRun_.buttons.clear();
        pageRun_.width = kMaximumPageWidth;
    }
    AskButton Run(HWND owner);
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static constexpr int kTreeWidth = 190;
    static constexpr int kMinimumPageWidth = 420;
    static constexpr int kMaximumPageWidth = 640;
    static constexpr int kMinimumPageHeight = 340;

    void Init();
    void AddNodes(HTREEITEM parent, const PagedDialogNode& node, HTREEITEM& select);
    void Show(const PagedDialogNode* node);
    void Arrange();
    void Centre();
    void End(AskButton button);

    PagedDialog& paged_;
    const DialogRun& options_;
    DialogRun pageRun_;
    HWND window_ = nullptr;
    HWND tree_ = nullptr;
    std::vector<HWND> buttons_;
    std::vector<int> buttonWidths_;
    int buttonHeight_ = 0;
    int gap_ = 0;
    std::vector<const PagedDialogNode*> nodes_;  // a tree item's lParam indexes here
    std::unique_ptr<NativeDialog> page_;
    HWND panel_ = nullptr;
    int pageWidth_ = kMinimumPageWidth;
    int pageHeight_ = kMinimumPageHeight;
    ControlFonts fonts_;
};

void NativePagedDialog::AddNodes(HTREEITEM parent, const PagedDialogNode& node, HTREEITEM& select) {
    const PagedDialogNode* initial = FindPagedNode(paged_.Tree(), paged_.initialPath);
    if (!initial || !initial->isPage) initial = FirstPage(paged_.Tree());
    for (const PagedDialogNode& child : node.children) {
        TVINSERTSTRUCTA insert = {};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = const_cast<char*>(child.name.c_str());
        insert.item.lParam = LPARAM(nodes_.size());
        nodes_.push_back(&child);
        HTREEITEM item = reinterpret_cast<HTREEITEM>(
            SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
        if (!item) continue;
        if (&child == initial) select = item;
        AddNodes(item, child, select);
        if (!child.children.empty()) SendMessageA(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    }
}

void NativePagedDialog::Init() {
    SetWindowTextA(window_, paged_.Title().c_str());
    gap_ = DialogGapFromSettings();
    HFONT font = fonts_.Get(0, 1.0, false);
    HDC dc = GetDC(window_);
    Win32Measurer measurer(dc, fonts_);
    buttonHeight_ = int(measurer.Metrics(font).tmHeight) + 10;
    for (AskButton b : options_.buttons) {
        DialogControl probe;
        probe.kind = ControlKind::kPushButton;
        probe.caption = ButtonLabel(b);
        buttonWidths_.push_back(measurer.NaturalSize(probe).width);
    }
    ReleaseDC(window_, dc);

    tree_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | TVS_HASLINES | TVS_HASBUTTONS |
                                TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                            0, 0, kTreeWidth, kMinimumPageHeight, window_, nullptr, GetModuleHandleA(nullptr),
                            nullptr);
    SendMessageA(tree_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (size_t b = 0; b < options_.buttons.size(); ++b) {
        AskButton button = options_.buttons[b];
        bool isDefault = button == kAskOk || (b == 0 && std::find(options_.buttons.begin(), options_.buttons.end(),
                                                                  kAskOk) == options_.buttons.end());
        HWND child = CreateWindowExA(0, "BUTTON", ButtonLabel(button),
                                     WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP |
                                         (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                                     0, 0, buttonWidths_[b], buttonHeight_, window_,
                                     reinterpret_cast<HMENU>(INT_PTR(button)), GetModuleHandleA(nullptr), nullptr);
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (isDefault) SendMessageA(window_, DM_SETDEFID, WPARAM(button), 0);
        buttons_.push_back(child);
    }
    HTREEITEM select = nullptr;
    AddNodes(TVI_ROOT, paged_.Tree(), select);
    Arrange();
    Centre();
    // Selecting shows the page (TVN_SELCHANGED).
    if (select) SendMessageA(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(select));
    if (select) SendMessageA(tree_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(select));
    SetFocus(tree_);
}

void NativePagedDialog::Show(const PagedDialogNode* node) {
    page_.reset();
    panel_ = nullptr;
    Dialog* dialog = node && node->isPage ? paged_.Page(node->path) : nullptr;
    if (!dialog) return;
    page_ = std::make_unique<NativeDialog>(*dialog, pageRun_);
    panel_ = page_->Embed(window_, gap_ + kTreeWidth, 0, pageWidth_);
    if (!panel_) return;
    // Tab goes from the tree into the page and on to the buttons.
    SetWindowPos(panel_, tree_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RECT r;
    GetWindowRect(panel_, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    if (width > pageWidth_ || height > pageHeight_) {
        pageWidth_ = std::max(pageWidth_, width);
        pageHeight_ = std::max(pageHeight_, height);
        Arrange();
    }
}

void NativePagedDialog::Arrange() {
    const int width = gap_ + kTreeWidth + pageWidth_;
    const int buttonsTop = pageHeight_;
    SetWindowPos(tree_, nullptr, gap_, gap_, kTreeWidth, pageHeight_ - 2 * gap_, SWP_NOZORDER | SWP_NOACTIVATE);
    int x = width - gap_;
    for (size_t b = buttons_.size(); b-- > 0;) {
        x -= buttonWidths_[b];
        SetWindowPos(buttons_[b], nullptr, x, buttonsTop, buttonWidths_[b], buttonHeight_,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        x -= gap_;
    }
    RECT frame = {0, 0, width, buttonsTop + buttonHeight_ + gap_};
    AdjustWindowRectEx(&frame, DWORD(GetWindowLongA(window_, GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongA(window_, GWL_EXSTYLE)));
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void NativePagedDialog::Centre() {
    RECT outer;
    GetWindowRect(window_, &outer);
    int w = outer.right - outer.left, h = outer.bottom - outer.top;
    HWND owner = GetWindow(window_, GW_OWNER);
    RECT around;
    if (!owner || !GetWindowRect(owner, &around)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &around, 0);
    POINT at = {(around.left + around.right - w) / 2, (around.top + around.bottom - h) / 2};
    MONITORINFO monitor = {sizeof monitor, {}, {}, 0};
    if (GetMonitorInfoA(MonitorFromRect(&around, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        at.x = std::max(LONG(work.left), std::min(at.x, work.right - w));
        at.y = std::max(LONG(work.top), std::min(at.y, work.bottom - h));
    }
    SetWindowPos(window_, nullptr, at.x, at.y, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
}

void NativePagedDialog::End(AskButton button) {
    page_.reset();
    EndDialog(window_, button);
}

INT_PTR CALLBACK NativePagedDialog::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<NativePagedDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<NativePagedDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        self->window_ = window;
        self->Init();
        return FALSE;  // the focus is on the tree
    }
    if (!self) return FALSE;
    switch (message) {
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        if (id == IDCANCEL) {
            self->End(kAskCancel);
            return TRUE;
        }
        if (id >= kAskOk && id <= kAskNo) {
            self->End(AskButton(id));
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.hwndFrom == self->tree_ && header.code == TVN_SELCHANGEDA) {
            const auto& change = reinterpret_cast<const NMTREEVIEWA&>(header);
            size_t at = size_t(change.itemNew.lParam);
            self->Show(at < self->nodes_.size() ? self->nodes_[at] : nullptr);
            return TRUE;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

AskButton NativePagedDialog::Run(HWND owner) {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    std::vector<WORD> t;
    DLGTEMPLATE header = {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
                          0, 0, 0, 100, 50};
    const WORD* words = reinterpret_cast<const WORD*>(&header);
    t.insert(t.end(), words, words + sizeof header / sizeof(WORD));
    t.push_back(0);
    t.push_back(0);
    t.push_back(0);
    INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()),
                                             owner, Proc, reinterpret_cast<LPARAM>(this));
    page_.reset();
    return result <= 0 ? kAskCancel : AskButton(result);
}

struct FaceOrder {
    bool operator()(const String& a, const String& b) const { return a.Compare(b) < 0; }
};

struct FaceSearch {
    int32_t mask;
    std::set<String, FaceOrder> faces;
};

int CALLBACK CollectFace(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD type, LPARAM data) {
    auto* search = reinterpret_cast<FaceSearch*>(data);
    if (font->lfFaceName[0] == '@') return 1;  // the vertical twins of East Asian faces
    int32_t kinds = 0;
    if (type & TRUETYPE_FONTTYPE) kinds |= kFontKindTrueType;
    else if (type & RASTER_FONTTYPE) kinds |= kFontKindRaster;
    if (type & DEVICE_FONTTYPE) kinds |= kFontKindDevice;
    // The pitch bit is set for variable-pitch fonts, whatever its name says.
    kinds |= (metrics->tmPitchAndFamily & TMPF_FIXED_PITCH) ? kFontKindVariable : kFontKindFixed;
    if (kinds & search->mask) search->faces.insert(String(font->lfFaceName));
    return 1;
}

}  // namespace

AskButton RunWin32Dialog(Dialog& dialog, const DialogRun& options, HWND owner) {
    NativeDialog native(dialog, options);
    return native.Run(owner);
}

AskButton RunWin32PagedDialog(PagedDialog& paged, const DialogRun& options, HWND owner) {
    NativePagedDialog native(paged, options);
    return native.Run(owner);
}

std::vector<DialogEntry> Win32DialogResources::CharacterSets() const {
    static const std::pair<const char*, int32_t> kSets[] = {
        {"ANSI", ANSI_CHARSET},          {"Symbol", SYMBOL_CHARSET},       {"Shift JIS", SHIFTJIS_CHARSET},
        {"Hangul", HANGUL_CHARSET},      {"Johab", JOHAB_CHARSET},         {"GB2312", GB2312_CHARSET},
        {"Chinese Big5", CHINESEBIG5_CHARSET}, {"Greek", GREEK_CHARSET},   {"Turkish", TURKISH_CHARSET},
        {"Vietnamese", VIETNAMESE_CHARSET}, {"Hebrew", HEBREW_CHARSET},    {"Arabic", ARABIC_CHARSET},
        {"Baltic", BALTIC_CHARSET},      {"Russian", RUSSIAN_CHARSET},     {"Thai", THAI_CHARSET},
        {"East European", EASTEUROPE_CHARSET}, {"OEM", OEM_CHARSET},
    };
    std::vector<DialogEntry> sets;
    for (const auto& [name, code] : kSets) sets.push_back({String(name), code, String()});
    return sets;
}

std::vector<String> Win32DialogResources::FontFaces(int32_t kindMask) const {
    FaceSearch search{kindMask, {}};
    LOGFONTA wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExA(dc, &wanted, CollectFace, reinterpret_cast<LPARAM>(&search), 0);
    ReleaseDC(nullptr, dc);
    return std::vector<String>(search.faces.begin(), search.faces.end());
}

Win32DialogResources& TheWin32DialogResources() {
    static Win32DialogResources resources;
    return resources;
}
