// A table as portable data: named columns and rows of text cells, with selection,
// check marks and sorting kept here so that every host behaves alike. A native list
// view follows the model through TableObserver and reports the user's actions through
// the User* entry points; the feature that owns the table hears of those through
// TableListener.
#pragma once

#include <cstdint>
#include <vector>

#include "core/String.h"
#include "ui/Dialog.h"

enum class TableSort : int32_t { kText, kNumber };

struct TableColumn {
    String title;
    String tip;               // the header's tooltip
    int32_t width = 80;       // a hint in pixels; the host may scale it
    int32_t alignment = kAlignLeft;
    bool editable = false;    // the user may edit its cells in place
    TableSort sort = TableSort::kText;
};

struct TableRow {
    std::vector<String> cells;
    int32_t id = 0;
    bool checked = false;
    bool selected = false;
};

// What a host learns from the model, after the change.
class TableObserver {
public:
    virtual ~TableObserver() = default;
    // Rows were added, removed or reordered: everything may have moved.
    virtual void TableRowsChanged() = 0;
    virtual void TableCellChanged(int32_t row, int32_t column) = 0;
    virtual void TableCheckChanged(int32_t row) = 0;
    virtual void TableSelectionChanged() = 0;
    virtual void TableSortChanged() = 0;
};

// What the owning feature learns of the user's actions; the model is already updated.
class TableListener {
public:
    virtual ~TableListener() = default;
    virtual void UserSelectionChanged() {}
    virtual void UserEditedCell(int32_t /*row*/, int32_t /*column*/) {}
    virtual void UserToggledCheck(int32_t /*row*/) {}
    virtual void UserSorted() {}
};

class TableModel {
public:
    explicit TableModel(std::vector<TableColumn> columns, bool multipleSelection = false,
                        bool checkMarks = false);

    int32_t ColumnCount() const { return int32_t(columns_.size()); }
    const TableColumn& Column(int32_t column) const { return columns_[size_t(column)]; }
    bool MultipleSelection() const { return multiple_; }
    bool HasCheckMarks() const { return checks_; }

    int32_t RowCount() const { return int32_t(rows_.size()); }
    const TableRow& Row(int32_t row) const { return rows_[size_t(row)]; }
    // "" for a position outside the table.
    const String& Cell(int32_t row, int32_t column) const;
    // The first row with this id, or -1.
    int32_t FindRow(int32_t id) const;

    void SetObserver(TableObserver* observer) { observer_ = observer; }
    TableObserver* Observer() const { return observer_; }
    void SetListener(TableListener* listener) { listener_ = listener; }

    // Program-side changes; the observer hears of each. Rows get exactly one cell per
    // column (missing ones empty, extra ones dropped). Added rows go at the end
    // whatever the sort; SortBy again to place them.
    int32_t AddRow(std::vector<String> cells, int32_t id = 0, bool checked = false);
    void SetRows(std::vector<TableRow> rows);
    bool RemoveRow(int32_t row);
    void Clear();
    // Any column, editable or not; false outside the table.
    bool SetCell(int32_t row, int32_t column, const String& text);
    bool SetChecked(int32_t row, bool checked);

    // Selection. Select(-1) clears it; in a single-selection table selecting a row
    // deselects the others.
    bool Select(int32_t row);
    bool SetSelected(int32_t row, bool selected);
    std::vector<int32_t> Selection() const;
    int32_t FirstSelected() const;

    // A stable sort, so rows that compare equal keep their order in either direction;
    // the selection and check marks travel with their rows. Text columns compare
    // ignoring case; numeric ones by value, cells that are no number counting as
    // greater than every number (and among themselves as text).
    bool SortBy(int32_t column, bool ascending);
    int32_t SortColumn() const { return sortColumn_; }  // -1 while unsorted
    bool SortAscending() const { return ascending_; }

    // Like SetCell, but refuses a column that is not editable.
    bool EditCell(int32_t row, int32_t column, const String& text);

    // The host's entry points for what the user did; each updates the model, tells the
    // observer and then the listener.
    // The rows now selected, all of them.
    void UserSelected(const std::vector<int32_t>& rows);
    bool UserEditedCell(int32_t row, int32_t column, const String& text);
    // The same column again flips the direction; another column sorts ascending.
    bool UserClickedHeader(int32_t column);
    bool UserSetCheck(int32_t row, bool checked);

private:
    bool ValidRow(int32_t row) const { return row >= 0 && row < RowCount(); }
    void Fit(TableRow& row) const;

    std::vector<TableColumn> columns_;
    std::vector<TableRow> rows_;
    bool multiple_;
    bool checks_;
    int32_t sortColumn_ = -1;
    bool ascending_ = true;
    TableObserver* observer_ = nullptr;
    TableListener* listener_ = nullptr;
};
