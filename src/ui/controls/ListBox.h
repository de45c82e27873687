#pragma once
// Plain helpers for the system list box: rows by index, their texts, the selection, and the
// preparation of an owner-drawn row that every list of the program shares.

#include <windows.h>

#include <functional>
#include <string>

// The selected row of a single-selection list, or -1.
int selectedRow(HWND list);
void selectRow(HWND list, int row);  // -1 selects nothing
int rowCount(HWND list);
std::string rowText(HWND list, int row);  // empty for a row that does not exist
// Appends a row; raises an error when the list has no room left for it.
void addRow(HWND list, const std::string& text);
void removeRow(HWND list, int row);
void clearRows(HWND list);
// Replaces the text of a row, keeping its place and the selection.
void setRowText(HWND list, int row, const std::string& text);
// The row whose rectangle holds the point (client coordinates of the list), or -1.
int rowAt(HWND list, POINT pt);
// One past the last row that shows, whole or in part, from the top row on: in a list of
// columns, the last cell of the last column in sight.
int visibleRowsEnd(HWND list);

// Stops a list from painting while many rows go in; when it goes, the list paints again,
// whole and once, whatever raised in between.
class RedrawPaused {
public:
    explicit RedrawPaused(HWND list) : list_(list) { SendMessageA(list_, WM_SETREDRAW, FALSE, 0); }
    ~RedrawPaused() {
        SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list_, nullptr, TRUE);
    }
    RedrawPaused(const RedrawPaused&) = delete;
    RedrawPaused& operator=(const RedrawPaused&) = delete;

private:
    HWND list_;
};

// Draws one row as the list itself does around a row handler: the list's font, the window
// colour as brush, or the highlight colours for a selected row; then the handler (which
// draws the row, or nothing for the empty list); then the focus rectangle when the row has
// the keyboard focus.
using RowPainter = std::function<void(HDC dc, int row, const RECT& rect, UINT state)>;
void paintOwnerDrawnRow(const DRAWITEMSTRUCT& item, HFONT font, const RowPainter& painter);
