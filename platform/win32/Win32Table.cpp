#include "platform/win32/Win32Table.h"

#include <algorithm>
#include <vector>

#include "ui/Table.h"

namespace {

const char kTableProperty[] = "NivoraTable";
constexpr UINT_PTR kListSubclass = 1;
constexpr UINT_PTR kEditSubclass = 2;
constexpr UINT kStateUnchecked = 1;
constexpr UINT kStateChecked = 2;

int ColumnFormat(int32_t alignment) {
    return alignment == kAlignRight ? LVCFMT_RIGHT : alignment == kAlignCenter ? LVCFMT_CENTER : LVCFMT_LEFT;
}

class NativeTable : public TableObserver {
public:
    NativeTable(HWND list, TableModel& model) : list_(list), model_(model) {
        header_ = reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0));
    }
    ~NativeTable() override {
        if (model_.Observer() == this) model_.SetObserver(nullptr);
        if (tips_) DestroyWindow(tips_);
    }

    void Build(HFONT font) {
        font_ = font;
        DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
        if (model_.HasCheckMarks()) extended |= LVS_EX_CHECKBOXES;
        SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
        for (int32_t k = 0; k < model_.ColumnCount(); ++k) {
            const TableColumn& c = model_.Column(k);
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
            column.fmt = ColumnFormat(c.alignment);
            column.cx = std::max(c.width, 8);
            column.pszText = const_cast<char*>(c.title.c_str());
            column.iSubItem = k;
            SendMessageA(list_, LVM_INSERTCOLUMNA, WPARAM(k), reinterpret_cast<LPARAM>(&column));
        }
        AddTips();
        Fill();
        ShowSortArrow();
        model_.SetObserver(this);
    }

    bool Notify(const NMHDR& header, LRESULT& result) {
        result = 0;
        switch (header.code) {
        case LVN_ITEMCHANGED:
            if (!applying_) ItemChanged(reinterpret_cast<const NMLISTVIEW&>(header));
            return true;
        case LVN_COLUMNCLICK:
            EndEdit(true, false);
            model_.UserClickedHeader(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
            return true;
        case NM_DBLCLK: {
            LVHITTESTINFO hit = {};
            hit.pt = reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction;
            SendMessageA(list_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            if (hit.iItem >= 0 && (hit.flags & LVHT_ONITEM)) BeginEdit(hit.iItem, hit.iSubItem);
            return true;
        }
        case LVN_KEYDOWN:
            if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_F2) {
                int row = int(SendMessageA(list_, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED));
                if (row < 0) row = model_.FirstSelected();
                for (int32_t k = 0; k < model_.ColumnCount(); ++k) {
                    if (model_.Column(k).editable) {
                        BeginEdit(row, k);
                        break;
                    }
                }
            }
            return true;
        default:
            return false;
        }
    }

    void EndEdit(bool commit, bool refocus) {
        if (!edit_) return;
        HWND edit = edit_;
        edit_ = nullptr;  // destroying it moves the focus, which ends the edit again
        int length = GetWindowTextLengthA(edit);
        std::vector<char> text(size_t(length) + 1, 0);
        GetWindowTextA(edit, text.data(), length + 1);
        bool hadFocus = GetFocus() == edit;
        DestroyWindow(edit);
        if (refocus && hadFocus) SetFocus(list_);
        if (commit) model_.UserEditedCell(editRow_, editColumn_, String(text.data()));
    }
    void HeaderChanged() { PlaceTips(); }

    void TableRowsChanged() override {
        EndEdit(false, false);
        Fill();
    }
    void TableCellChanged(int32_t row, int32_t column) override {
        if (edit_ && row == editRow_ && column == editColumn_) EndEdit(false, true);
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = const_cast<char*>(model_.Cell(row, column).c_str());
        Apply(LVM_SETITEMTEXTA, WPARAM(row), &item);
    }
    void TableCheckChanged(int32_t row) override { ShowCheck(row); }
    void TableSelectionChanged() override {
        for (int32_t r = 0; r < model_.RowCount(); ++r) ShowSelected(r);
    }
    void TableSortChanged() override { ShowSortArrow(); }

private:
    void Apply(UINT message, WPARAM row, LVITEMA* item) {
        bool was = applying_;
        applying_ = true;
        SendMessageA(list_, message, row, reinterpret_cast<LPARAM>(item));
        applying_ = was;
    }
    void ShowCheck(int32_t row) {
        if (!model_.HasCheckMarks()) return;
        LVITEMA item = {};
        item.stateMask = LVIS_STATEIMAGEMASK;
        item.state = INDEXTOSTATEIMAGEMASK(model_.Row(row).checked ? kStateChecked : kStateUnchecked);
        Apply(LVM_SETITEMSTATE, WPARAM(row), &item);
    }
    void ShowSelected(int32_t row) {
        LVITEMA item = {};
        item.stateMask = LVIS_SELECTED;
        item.state = model_.Row(row).selected ? LVIS_SELECTED : 0;
        Apply(LVM_SETITEMSTATE, WPARAM(row), &item);
    }

    void Fill() {
        bool was = applying_;
        applying_ = true;
        SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
        SendMessageA(list_, LVM_SETITEMCOUNT, WPARAM(model_.RowCount()), 0);
        for (int32_t r = 0; r < model_.RowCount(); ++r) {
            LVITEMA item = {};
            item.mask = LVIF_TEXT;
            item.iItem = r;
            item.pszText = const_cast<char*>(model_.Cell(r, 0).c_str());
            SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
            for (int32_t k = 1; k < model_.ColumnCount(); ++k) {
                item.iSubItem = k;
                item.pszText = const_cast<char*>(model_.Cell(r, k).c_str());
                SendMessageA(list_, LVM_SETITEMTEXTA, WPARAM(r), reinterpret_cast<LPARAM>(&item));
            }
            ShowCheck(r);
            if (model_.Row(r).selected) ShowSelected(r);
        }
        int32_t first = model_.FirstSelected();
        if (first >= 0) {
            LVITEMA item = {};
            item.stateMask = item.state = LVIS_FOCUSED;
            SendMessageA(list_, LVM_SETITEMSTATE, WPARAM(first), reinterpret_cast<LPARAM>(&item));
        }
        SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list_, nullptr, TRUE);
        applying_ = was;
    }

    void ShowSortArrow() {
        if (!header_) return;
        for (int32_t k = 0; k < model_.ColumnCount(); ++k) {
            HDITEMA item = {};
            item.mask = HDI_FORMAT;
            SendMessageA(header_, HDM_GETITEMA, WPARAM(k), reinterpret_cast<LPARAM>(&item));
            item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
            if (k == model_.SortColumn()) item.fmt |= model_.SortAscending() ? HDF_SORTUP : HDF_SORTDOWN;
            SendMessageA(header_, HDM_SETITEMA, WPARAM(k), reinterpret_cast<LPARAM>(&item));
        }
    }

    void AddTips() {
        if (!header_) return;
        tips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, list_, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        if (!tips_) return;
        SendMessageA(tips_, TTM_SETMAXTIPWIDTH, 0, 320);
        for (int32_t k = 0; k < model_.ColumnCount(); ++k) {
            if (model_.Column(k).tip.IsEmpty()) continue;
            TTTOOLINFOA tool = {};
            tool.cbSize = sizeof tool;
            tool.uFlags = TTF_SUBCLASS;
            tool.hwnd = header_;
            tool.uId = UINT_PTR(k);
            SendMessageA(header_, HDM_GETITEMRECT, WPARAM(k), reinterpret_cast<LPARAM>(&tool.rect));
            tool.lpszText = const_cast<char*>(model_.Column(k).tip.c_str());
            SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    // Column widths changed: the tips follow their columns.
    void PlaceTips() {
        if (!tips_) return;
        for (int32_t k = 0; k < model_.ColumnCount(); ++k) {
            TTTOOLINFOA tool = {};
            tool.cbSize = sizeof tool;
            tool.hwnd = header_;
            tool.uId = UINT_PTR(k);
            SendMessageA(header_, HDM_GETITEMRECT, WPARAM(k), reinterpret_cast<LPARAM>(&tool.rect));
            SendMessageA(tips_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }

    void ItemChanged(const NMLISTVIEW& change) {
        if (!(change.uChanged & LVIF_STATE)) return;
        const UINT flipped = change.uNewState ^ change.uOldState;
        if ((flipped & LVIS_STATEIMAGEMASK) && change.iItem >= 0 && model_.HasCheckMarks()) {
            UINT image = (change.uNewState & LVIS_STATEIMAGEMASK) >> 12;
            if (image == kStateChecked || image == kStateUnchecked) {
                model_.UserSetCheck(change.iItem, image == kStateChecked);
            }
        }
        if (flipped & LVIS_SELECTED) {
            std::vector<int32_t> rows;
            for (int at = -1; (at = int(SendMessageA(list_, LVM_GETNEXTITEM, WPARAM(at), LVNI_SELECTED))) >= 0;) {
                rows.push_back(at);
            }
            model_.UserSelected(rows);
        }
    }

    void BeginEdit(int32_t row, int32_t column) {
        EndEdit(true, false);
        if (row < 0 || row >= model_.RowCount() || column < 0 || column >= model_.ColumnCount() ||
            !model_.Column(column).editable) {
            return;
        }
        SendMessageA(list_, LVM_ENSUREVISIBLE, WPARAM(row), FALSE);
        RECT cell = {};
        cell.top = column;
        cell.left = column == 0 ? LVIR_LABEL : LVIR_BOUNDS;
        if (!SendMessageA(list_, LVM_GETSUBITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(&cell))) return;
        if (column == 0 && model_.ColumnCount() > 1) {
            // The label of the first column reaches only to the second one.
            RECT second = {};
            second.top = 1;
            second.left = LVIR_BOUNDS;
            if (SendMessageA(list_, LVM_GETSUBITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(&second))) {
                cell.right = std::min(cell.right, second.left);
            }
        }
        const int32_t align = model_.Column(column).alignment;
        DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL |
                      (align == kAlignRight ? ES_RIGHT : align == kAlignCenter ? ES_CENTER : ES_LEFT);
        edit_ = CreateWindowExA(0, "EDIT", model_.Cell(row, column).c_str(), style, cell.left, cell.top,
                                cell.right - cell.left, cell.bottom - cell.top, list_, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        if (!edit_) return;
        editRow_ = row;
        editColumn_ = column;
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(list_, WM_GETFONT, 0, 0));
        SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : font_), FALSE);
        SetWindowSubclass(edit_, EditProc, kEditSubclass, reinterpret_cast<DWORD_PTR>(this));
        SendMessageA(edit_, EM_SETSEL, 0, -1);
        SetFocus(edit_);
    }

    static LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR data) {
        auto* self = reinterpret_cast<NativeTable*>(data);
        switch (message) {
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | DefSubclassProc(edit, message, wParam, lParam);
        case WM_KEYDOWN:
            if (self->edit_ == edit && (wParam == VK_RETURN || wParam == VK_ESCAPE)) {
                self->EndEdit(wParam == VK_RETURN, true);
                return 0;  // the edit is gone
            }
            break;
        case WM_CHAR:
            if (wParam == '\r' || wParam == 27) return 0;  // handled on key down; the edit would beep
            break;
        case WM_KILLFOCUS:
            if (self->edit_ == edit) self->EndEdit(true, false);
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, EditProc, kEditSubclass);
            break;
        }
        return DefSubclassProc(edit, message, wParam, lParam);
    }

    HWND list_;
    HWND header_ = nullptr;
    HWND tips_ = nullptr;
    HWND edit_ = nullptr;
    HFONT font_ = nullptr;
    TableModel& model_;
    bool applying_ = false;
    int32_t editRow_ = -1;
    int32_t editColumn_ = -1;
};

NativeTable* TableOf(HWND list) { return reinterpret_cast<NativeTable*>(GetPropA(list, kTableProperty)); }

LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* table = reinterpret_cast<NativeTable*>(data);
    switch (message) {
    case WM_NOTIFY: {
        const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.code == HDN_ITEMCHANGEDA || header.code == HDN_ITEMCHANGEDW) table->HeaderChanged();
        break;
    }
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
        // The editor does not scroll with the rows.
        table->EndEdit(true, true);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(list, ListProc, kListSubclass);
        RemovePropA(list, kTableProperty);
        delete table;
        return DefSubclassProc(list, message, wParam, lParam);
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace

HWND CreateWin32Table(HWND parent, const RECT& rect, int id, HFONT font, TableModel& model) {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS;
    if (!model.MultipleSelection()) style |= LVS_SINGLESEL;
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent,
                                reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleA(nullptr), nullptr);
    if (!list) return nullptr;
    if (font) SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    auto* table = new NativeTable(list, model);
    SetPropA(list, kTableProperty, table);
    SetWindowSubclass(list, ListProc, kListSubclass, reinterpret_cast<DWORD_PTR>(table));
    table->Build(font);
    return list;
}

bool HandleWin32TableNotify(const NMHDR& header, LRESULT& result) {
    if (!header.hwndFrom) return false;
    NativeTable* table = TableOf(header.hwndFrom);
    return table && table->Notify(header, result);
}
