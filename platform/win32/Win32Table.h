// A TableModel realised as a comctl32 list view in report mode: the model's columns
// with their header tips, its rows, check marks and selection, sorting on a header
// click with the header's arrow, and in-place editing of editable cells (double-click
// or F2; Enter commits through the model, Escape cancels).
#pragma once

#include <windows.h>

#include <commctrl.h>

class TableModel;

// The list view observes `model` until it is destroyed; the model must outlive it.
HWND CreateWin32Table(HWND parent, const RECT& rect, int id, HFONT font, TableModel& model);

// The parent forwards every WM_NOTIFY here; true when it came from a table made by
// CreateWin32Table, with what the parent's window procedure should return in result.
bool HandleWin32TableNotify(const NMHDR& header, LRESULT& result);
