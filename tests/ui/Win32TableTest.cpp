#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "platform/win32/Win32Table.h"
#include "ui/Table.h"

namespace {

constexpr int kTableId = 42;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        LRESULT result = 0;
        if (HandleWin32TableNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return result;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

struct Heard : TableListener {
    int selections = 0;
    int checks = 0;
    int sorts = 0;
    void UserSelectionChanged() override { ++selections; }
    void UserToggledCheck(int32_t) override { ++checks; }
    void UserSorted() override { ++sorts; }
};

class Win32Table : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA c = {};
        c.lpfnWndProc = HostProc;
        c.hInstance = GetModuleHandleA(nullptr);
        c.lpszClassName = "NivoraTableTestHost";
        RegisterClassA(&c);
        host_ = CreateWindowExA(0, c.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                c.hInstance, nullptr);
        // Wine without a display makes no windows; the e2e stage runs under Xvfb.
        if (!host_) GTEST_SKIP() << "no window station to make windows in";
        model_.AddRow({"pear", "12"}, 1);
        model_.AddRow({"Apple", "3"}, 2);
        model_.AddRow({"fig", "100"}, 3);
        model_.SetListener(&heard_);
        RECT r = {0, 0, 380, 260};
        list_ = CreateWin32Table(host_, r, kTableId, nullptr, model_);
        if (!list_) GTEST_SKIP() << "comctl32 made no list view here";
    }
    void TearDown() override {
        if (host_) DestroyWindow(host_);
    }

    std::string Text(int row, int column) {
        char buffer[64] = {};
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        SendMessageA(list_, LVM_GETITEMTEXTA, WPARAM(row), reinterpret_cast<LPARAM>(&item));
        return buffer;
    }
    int Count() { return int(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }
    void ClickHeader(int column) {
        NMLISTVIEW click = {};
        click.hdr.hwndFrom = list_;
        click.hdr.idFrom = kTableId;
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = column;
        LRESULT result = 1;
        EXPECT_TRUE(HandleWin32TableNotify(click.hdr, result));
    }
    void SetState(int row, UINT mask, UINT state) {
        LVITEMA item = {};
        item.stateMask = mask;
        item.state = state;
        SendMessageA(list_, LVM_SETITEMSTATE, WPARAM(row), reinterpret_cast<LPARAM>(&item));
    }
    UINT State(int row, UINT mask) { return UINT(SendMessageA(list_, LVM_GETITEMSTATE, WPARAM(row), mask)); }
    int HeaderFormat(int column) {
        HWND header = reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0));
        HDITEMA item = {};
        item.mask = HDI_FORMAT;
        SendMessageA(header, HDM_GETITEMA, WPARAM(column), reinterpret_cast<LPARAM>(&item));
        return item.fmt;
    }

    TableModel model_{{{"Fruit", "The fruit's name", 120, kAlignLeft, true, TableSort::kText},
                       {"Weight", "Grams", 60, kAlignRight, false, TableSort::kNumber}},
                      true,
                      true};
    Heard heard_;
    HWND host_ = nullptr;
    HWND list_ = nullptr;
};

TEST_F(Win32Table, ShowsTheModelAndFollowsProgramChanges) {
    ASSERT_EQ(Count(), 3);
    EXPECT_EQ(Text(1, 0), "Apple");
    EXPECT_EQ(Text(2, 1), "100");
    EXPECT_NE(GetWindowLongA(list_, GWL_STYLE) & LVS_REPORT, 0);
    EXPECT_NE(SendMessageA(list_, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES, 0);

    model_.SetCell(0, 1, "13");
    model_.AddRow({"kiwi", "7"}, 4);
    model_.SetChecked(2, true);
    model_.SetSelected(1, true);
    ASSERT_EQ(Count(), 4);
    EXPECT_EQ(Text(0, 1), "13");
    EXPECT_EQ(Text(3, 0), "kiwi");
    EXPECT_EQ(State(2, LVIS_STATEIMAGEMASK), UINT(INDEXTOSTATEIMAGEMASK(2)));
    EXPECT_EQ(SendMessageA(list_, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_EQ(State(1, LVIS_SELECTED), UINT(LVIS_SELECTED));
    // The program's own changes are not reported back as the user's.
    EXPECT_EQ(heard_.selections + heard_.checks, 0);
}

TEST_F(Win32Table, HeaderClicksSortWithTheArrowAndSelectionFollowsTheRows) {
    SetState(0, LVIS_SELECTED, LVIS_SELECTED);  // pear, as the user would
    EXPECT_EQ(model_.Selection(), (std::vector<int32_t>{0}));
    EXPECT_GE(heard_.selections, 1);

    ClickHeader(1);
    EXPECT_EQ(heard_.sorts, 1);
    EXPECT_EQ(Text(0, 0), "Apple");
    EXPECT_EQ(Text(2, 0), "fig");
    EXPECT_NE(HeaderFormat(1) & HDF_SORTUP, 0);
    EXPECT_EQ(HeaderFormat(0) & (HDF_SORTUP | HDF_SORTDOWN), 0);
    EXPECT_EQ(SendMessageA(list_, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_EQ(State(1, LVIS_SELECTED), UINT(LVIS_SELECTED));  // pear moved to the middle

    ClickHeader(1);
    EXPECT_EQ(Text(0, 0), "fig");
    EXPECT_NE(HeaderFormat(1) & HDF_SORTDOWN, 0);
    EXPECT_FALSE(model_.SortAscending());
}

TEST_F(Win32Table, UserChecksAndSelectionsReachTheModel) {
    SetState(1, LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(2));
    EXPECT_TRUE(model_.Row(1).checked);
    EXPECT_EQ(heard_.checks, 1);
    SetState(1, LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(1));
    EXPECT_FALSE(model_.Row(1).checked);

    SetState(0, LVIS_SELECTED, LVIS_SELECTED);
    SetState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(model_.Selection(), (std::vector<int32_t>{0, 2}));
    SetState(0, LVIS_SELECTED, 0);
    EXPECT_EQ(model_.Selection(), (std::vector<int32_t>{2}));
}

TEST_F(Win32Table, F2EditsTheCellInPlaceAndEnterCommits) {
    SetState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    NMLVKEYDOWN key = {};
    key.hdr.hwndFrom = list_;
    key.hdr.idFrom = kTableId;
    key.hdr.code = LVN_KEYDOWN;
    key.wVKey = VK_F2;
    LRESULT result = 1;
    ASSERT_TRUE(HandleWin32TableNotify(key.hdr, result));
    HWND edit = FindWindowExA(list_, nullptr, "EDIT", nullptr);
    ASSERT_NE(edit, nullptr);
    char text[32] = {};
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "fig");

    SetWindowTextA(edit, "date");
    SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(model_.Cell(2, 0), "date");
    EXPECT_EQ(Text(2, 0), "date");

    ASSERT_TRUE(HandleWin32TableNotify(key.hdr, result));
    edit = FindWindowExA(list_, nullptr, "EDIT", nullptr);
    ASSERT_NE(edit, nullptr);
    SetWindowTextA(edit, "lost");
    SendMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(model_.Cell(2, 0), "date");
}

}  // namespace
