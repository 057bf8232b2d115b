#include "ui/Table.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <utility>

namespace {

// The whole cell as a number, allowing blanks around it.
bool ParseNumber(const String& text, double& value) {
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    value = std::strtod(start, &end);
    if (end == start) return false;
    while (*end == ' ' || *end == '\t') ++end;
    return *end == '\0';
}

int CompareCells(const String& a, const String& b, TableSort sort) {
    if (sort == TableSort::kNumber) {
        double x = 0, y = 0;
        bool xn = ParseNumber(a, x), yn = ParseNumber(b, y);
        if (xn && yn) return x < y ? -1 : x > y ? 1 : 0;
        if (xn != yn) return xn ? -1 : 1;
    }
    return a.Compare(b, false);
}

}  // namespace

TableModel::TableModel(std::vector<TableColumn> columns, bool multipleSelection, bool checkMarks)
    : columns_(std::move(columns)), multiple_(multipleSelection), checks_(checkMarks) {}

const String& TableModel::Cell(int32_t row, int32_t column) const {
    static const String kEmpty;
    if (!ValidRow(row) || column < 0 || column >= ColumnCount()) return kEmpty;
    return rows_[size_t(row)].cells[size_t(column)];
}

int32_t TableModel::FindRow(int32_t id) const {
    for (int32_t r = 0; r < RowCount(); ++r) {
        if (rows_[size_t(r)].id == id) return r;
    }
    return -1;
}

void TableModel::Fit(TableRow& row) const {
    row.cells.resize(columns_.size());
    if (!checks_) row.checked = false;
}

int32_t TableModel::AddRow(std::vector<String> cells, int32_t id, bool checked) {
    TableRow row;
    row.cells = std::move(cells);
    row.id = id;
    row.checked = checked;
    Fit(row);
    rows_.push_back(std::move(row));
    if (observer_) observer_->TableRowsChanged();
    return RowCount() - 1;
}

void TableModel::SetRows(std::vector<TableRow> rows) {
    rows_ = std::move(rows);
    bool seen = false;
    for (TableRow& row : rows_) {
        Fit(row);
        // A single-selection table keeps the first selected row only.
        if (!multiple_ && row.selected) {
            row.selected = !seen;
            seen = true;
        }
    }
    if (observer_) observer_->TableRowsChanged();
}

bool TableModel::RemoveRow(int32_t row) {
    if (!ValidRow(row)) return false;
    bool wasSelected = rows_[size_t(row)].selected;
    rows_.erase(rows_.begin() + row);
    if (observer_) {
        observer_->TableRowsChanged();
        if (wasSelected) observer_->TableSelectionChanged();
    }
    return true;
}

void TableModel::Clear() {
    rows_.clear();
    if (observer_) observer_->TableRowsChanged();
}

bool TableModel::SetCell(int32_t row, int32_t column, const String& text) {
    if (!ValidRow(row) || column < 0 || column >= ColumnCount()) return false;
    String& cell = rows_[size_t(row)].cells[size_t(column)];
    if (cell == text) return true;
    cell = text;
    if (observer_) observer_->TableCellChanged(row, column);
    return true;
}

bool TableModel::SetChecked(int32_t row, bool checked) {
    if (!checks_ || !ValidRow(row)) return false;
    TableRow& r = rows_[size_t(row)];
    if (r.checked == checked) return true;
    r.checked = checked;
    if (observer_) observer_->TableCheckChanged(row);
    return true;
}

bool TableModel::Select(int32_t row) {
    if (row != -1 && !ValidRow(row)) return false;
    bool changed = false;
    for (int32_t r = 0; r < RowCount(); ++r) {
        bool want = r == row;
        if (rows_[size_t(r)].selected != want) {
            rows_[size_t(r)].selected = want;
            changed = true;
        }
    }
    if (changed && observer_) observer_->TableSelectionChanged();
    return true;
}

bool TableModel::SetSelected(int32_t row, bool selected) {
    if (!ValidRow(row)) return false;
    if (!multiple_ && selected) return Select(row);
    if (rows_[size_t(row)].selected == selected) return true;
    rows_[size_t(row)].selected = selected;
    if (observer_) observer_->TableSelectionChanged();
    return true;
}

std::vector<int32_t> TableModel::Selection() const {
    std::vector<int32_t> rows;
    for (int32_t r = 0; r < RowCount(); ++r) {
        if (rows_[size_t(r)].selected) rows.push_back(r);
    }
    return rows;
}

int32_t TableModel::FirstSelected() const {
    for (int32_t r = 0; r < RowCount(); ++r) {
        if (rows_[size_t(r)].selected) return r;
    }
    return -1;
}

bool TableModel::SortBy(int32_t column, bool ascending) {
    if (column < 0 || column >= ColumnCount()) return false;
    const TableSort sort = columns_[size_t(column)].sort;
    const size_t c = size_t(column);
    std::stable_sort(rows_.begin(), rows_.end(), [&](const TableRow& a, const TableRow& b) {
        int order = CompareCells(a.cells[c], b.cells[c], sort);
        return ascending ? order < 0 : order > 0;
    });
    sortColumn_ = column;
    ascending_ = ascending;
    if (observer_) {
        observer_->TableRowsChanged();
        observer_->TableSortChanged();
    }
    return true;
}

bool TableModel::EditCell(int32_t row, int32_t column, const String& text) {
    if (column < 0 || column >= ColumnCount() || !columns_[size_t(column)].editable) return false;
    return SetCell(row, column, text);
}

void TableModel::UserSelected(const std::vector<int32_t>& rows) {
    std::vector<bool> want(rows_.size(), false);
    for (int32_t r : rows) {
        if (ValidRow(r)) want[size_t(r)] = true;
        if (!multiple_ && ValidRow(r)) break;
    }
    bool changed = false;
    for (size_t r = 0; r < rows_.size(); ++r) {
        if (rows_[r].selected != want[r]) {
            rows_[r].selected = want[r];
            changed = true;
        }
    }
    if (!changed) return;
    if (observer_) observer_->TableSelectionChanged();
    if (listener_) listener_->UserSelectionChanged();
}

bool TableModel::UserEditedCell(int32_t row, int32_t column, const String& text) {
    if (!ValidRow(row)) return false;
    bool changed = Cell(row, column) != text;
    if (!EditCell(row, column, text)) return false;
    if (changed && listener_) listener_->UserEditedCell(row, column);
    return true;
}

bool TableModel::UserClickedHeader(int32_t column) {
    bool ascending = column == sortColumn_ ? !ascending_ : true;
    if (!SortBy(column, ascending)) return false;
    if (listener_) listener_->UserSorted();
    return true;
}

bool TableModel::UserSetCheck(int32_t row, bool checked) {
    if (!checks_ || !ValidRow(row)) return false;
    if (rows_[size_t(row)].checked == checked) return true;
    SetChecked(row, checked);
    if (listener_) listener_->UserToggledCheck(row);
    return true;
}
