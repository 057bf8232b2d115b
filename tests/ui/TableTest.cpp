#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/FlowLayout.h"
#include "ui/Table.h"

namespace {

struct Recorder : TableObserver, TableListener {
    std::vector<std::string> heard;
    void TableRowsChanged() override { heard.push_back("rows"); }
    void TableCellChanged(int32_t row, int32_t column) override {
        heard.push_back("cell " + std::to_string(row) + "," + std::to_string(column));
    }
    void TableCheckChanged(int32_t row) override { heard.push_back("check " + std::to_string(row)); }
    void TableSelectionChanged() override { heard.push_back("selection"); }
    void TableSortChanged() override { heard.push_back("sort"); }
    void UserSelectionChanged() override { heard.push_back("user selection"); }
    void UserEditedCell(int32_t row, int32_t column) override {
        heard.push_back("user cell " + std::to_string(row) + "," + std::to_string(column));
    }
    void UserToggledCheck(int32_t row) override { heard.push_back("user check " + std::to_string(row)); }
    void UserSorted() override { heard.push_back("user sort"); }
};

TableModel NameAndCount(bool multiple = false, bool checks = false) {
    TableColumn name{"Name", "", 100, kAlignLeft, true, TableSort::kText};
    TableColumn count{"Count", "", 50, kAlignRight, false, TableSort::kNumber};
    TableModel t({name, count}, multiple, checks);
    t.AddRow({"beta", "10"}, 1);
    t.AddRow({"Alpha", "9"}, 2);
    t.AddRow({"alpha", "x"}, 3);
    t.AddRow({"Beta", "2.5"}, 4);
    return t;
}

std::vector<int32_t> Ids(const TableModel& t) {
    std::vector<int32_t> ids;
    for (int32_t r = 0; r < t.RowCount(); ++r) ids.push_back(t.Row(r).id);
    return ids;
}

TEST(Table, TextSortIgnoresCaseIsStableInBothDirectionsAndHeaderClicksFlip) {
    TableModel t = NameAndCount();
    EXPECT_TRUE(t.UserClickedHeader(0));
    EXPECT_EQ(Ids(t), (std::vector<int32_t>{2, 3, 1, 4}));
    EXPECT_TRUE(t.SortAscending());
    EXPECT_TRUE(t.UserClickedHeader(0));
    EXPECT_FALSE(t.SortAscending());
    EXPECT_EQ(Ids(t), (std::vector<int32_t>{1, 4, 2, 3}));
    // Another column starts ascending again.
    EXPECT_TRUE(t.UserClickedHeader(1));
    EXPECT_EQ(t.SortColumn(), 1);
    EXPECT_TRUE(t.SortAscending());
    EXPECT_FALSE(t.SortBy(2, true));
    EXPECT_EQ(t.SortColumn(), 1);
}

TEST(Table, NumericSortByValueWithTextAfterTheNumbers) {
    TableModel t = NameAndCount();
    t.AddRow({"gamma", " 9 "}, 5);
    t.SortBy(1, true);
    EXPECT_EQ(Ids(t), (std::vector<int32_t>{4, 2, 5, 1, 3}));
    t.SortBy(1, false);
    EXPECT_EQ(Ids(t), (std::vector<int32_t>{3, 1, 2, 5, 4}));
}

TEST(Table, SelectionAndChecksTravelWithTheirRows) {
    TableModel t = NameAndCount(true, true);
    t.UserSelected({0, 3});
    t.SetChecked(0, true);
    t.SortBy(1, true);  // ids 4, 2, 1, 3
    EXPECT_EQ(t.Selection(), (std::vector<int32_t>{0, 2}));
    EXPECT_TRUE(t.Row(t.FindRow(1)).checked);
    EXPECT_EQ(t.FindRow(99), -1);

    TableModel single = NameAndCount();
    single.UserSelected({1, 2});
    EXPECT_EQ(single.Selection(), (std::vector<int32_t>{1}));
    single.SetSelected(3, true);
    EXPECT_EQ(single.Selection(), (std::vector<int32_t>{3}));
    EXPECT_FALSE(single.Select(4));
    EXPECT_TRUE(single.Select(-1));
    EXPECT_EQ(single.FirstSelected(), -1);
}

TEST(Table, EditingRefusesFixedColumnsAndRowsAreFittedToTheColumns) {
    TableModel t = NameAndCount();
    Recorder r;
    t.SetObserver(&r);
    t.SetListener(&r);
    EXPECT_FALSE(t.UserEditedCell(0, 1, "11"));
    EXPECT_FALSE(t.EditCell(9, 0, "x"));
    EXPECT_EQ(t.Cell(0, 1), "10");
    EXPECT_TRUE(t.UserEditedCell(0, 0, "delta"));
    EXPECT_TRUE(t.UserEditedCell(0, 0, "delta"));  // no change, nobody hears
    EXPECT_TRUE(t.SetCell(0, 1, "12"));            // the program may
    EXPECT_EQ(r.heard, (std::vector<std::string>{"cell 0,0", "user cell 0,0", "cell 0,1"}));

    t.AddRow({"only"});
    t.AddRow({"a", "b", "c"});
    EXPECT_EQ(t.Cell(4, 1), "");
    EXPECT_EQ(t.Row(5).cells.size(), 2u);
    EXPECT_EQ(t.Cell(-1, 0), "");
}

TEST(Table, ObserverAndListenerHearUserActionsInOrder) {
    TableModel t = NameAndCount(false, true);
    Recorder r;
    t.SetObserver(&r);
    t.SetListener(&r);
    t.UserSelected({2});
    t.UserSelected({2});  // already so
    EXPECT_TRUE(t.UserSetCheck(1, true));
    EXPECT_TRUE(t.UserSetCheck(1, true));
    t.UserClickedHeader(0);
    t.RemoveRow(t.FirstSelected());
    EXPECT_EQ(r.heard, (std::vector<std::string>{"selection", "user selection", "check 1", "user check 1", "rows",
                                                 "sort", "user sort", "rows", "selection"}));
    EXPECT_EQ(t.FirstSelected(), -1);

    TableModel plain = NameAndCount();
    EXPECT_FALSE(plain.UserSetCheck(0, true));
    EXPECT_FALSE(plain.SetChecked(0, true));
}

TEST(Table, InADialogATableGrowsAndIsAsWideAsItsColumns) {
    DialogControl c;
    c.kind = ControlKind::kTable;
    c.table = std::make_shared<TableModel>(NameAndCount());
    EXPECT_TRUE(CanGrowInHeight(c));
    EXPECT_FALSE(HasFixedWidth(c));
    ControlSize size = MonospaceControlMeasurer().NaturalSize(c);
    EXPECT_GE(size.width, 150);
    EXPECT_GE(size.height, 5 * MonospaceControlMeasurer::kLineHeight);
}

}  // namespace
