#include "ui/controls/ListBox.h"

#include <vector>

#include "base/Exception.h"
#include "ui/window/Gdi.h"

int selectedRow(HWND list) {
    const LRESULT row = SendMessageA(list, LB_GETCURSEL, 0, 0);
    return row == LB_ERR ? -1 : static_cast<int>(row);
}

void selectRow(HWND list, int row) {
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

int rowCount(HWND list) {
    const LRESULT n = SendMessageA(list, LB_GETCOUNT, 0, 0);
    return n == LB_ERR ? 0 : static_cast<int>(n);
}

std::string rowText(HWND list, int row) {
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length == LB_ERR) return {};
    // The list writes the whole text and takes no size: the room is that of the UTF-8 form
    // even where the length is counted in UTF-16 units (up to three bytes each).
    std::vector<char> buffer(3 * static_cast<size_t>(length) + 1);
    const LRESULT got = SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row),
                                     reinterpret_cast<LPARAM>(buffer.data()));
    if (got == LB_ERR) return {};
    return std::string(buffer.data(), static_cast<size_t>(got));
}

void addRow(HWND list, const std::string& text) {
    const LRESULT at = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (at == LB_ERR || at == LB_ERRSPACE) throw Exception("Out of memory for the list rows");
}

void removeRow(HWND list, int row) {
    SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
}

void clearRows(HWND list) {
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
}

void setRowText(HWND list, int row, const std::string& text) {
    if (row < 0 || row >= rowCount(list)) return;
    const int selected = selectedRow(list);
    // The list has no way to change a text in place; the row is replaced at the same index.
    SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
    const LRESULT at = SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(row),
                                    reinterpret_cast<LPARAM>(text.c_str()));
    if (selected >= 0) selectRow(list, selected);
    if (at == LB_ERR || at == LB_ERRSPACE) throw Exception("Out of memory for the list rows");
}

int rowAt(HWND list, POINT pt) {
    RECT client;
    GetClientRect(list, &client);
    if (!PtInRect(&client, pt)) return -1;
    const LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
    // The high word says the point lies outside every row (below the last one).
    if (HIWORD(hit) != 0) return -1;
    const int row = LOWORD(hit);
    return row < rowCount(list) ? row : -1;
}

int visibleRowsEnd(HWND list) {
    RECT client;
    GetClientRect(list, &client);
    const int count = rowCount(list);
    const LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
    int row = top == LB_ERR ? 0 : static_cast<int>(top);
    for (; row < count; ++row) {
        RECT r{};
        RECT seen{};
        if (SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&r)) == LB_ERR ||
            !IntersectRect(&seen, &r, &client))
            break;
    }
    return row;
}

void paintOwnerDrawnRow(const DRAWITEMSTRUCT& item, HFONT font, const RowPainter& painter) {
    HDC dc = item.hDC;
    // The row's device context is the list's; it goes back as it came, also after an error.
    SavedDC saved(dc);
    if (font) SelectObject(dc, font);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const COLORREF back = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    SetBkColor(dc, back);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SelectObject(dc, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    const RECT& rect = item.rcItem;
    const int row = static_cast<int>(item.itemID);
    if (item.itemID != static_cast<UINT>(-1))
        painter(dc, row, rect, item.itemState);
    else
        PatBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATCOPY);
    // Every call draws the whole row anew, so the focus rectangle (drawn by inverting) is
    // drawn once over a clean row and never cancels an earlier one.
    if (item.itemState & ODS_FOCUS) {
        SetBkColor(dc, RGB(255, 255, 255));
        SetTextColor(dc, RGB(0, 0, 0));
        DrawFocusRect(dc, &rect);
    }
}
