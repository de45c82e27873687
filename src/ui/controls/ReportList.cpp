#include "ui/controls/ReportList.h"

#include <commctrl.h>

#include "base/DpiScale.h"

void AddReportColumns(HWND list, std::span<const ReportColumn> columns, UINT dpi) {
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(columns[i].title);
        column.cx = ScaleLength(columns[i].width, static_cast<int>(dpi));
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

void ScaleReportColumns(HWND list, std::span<const ReportColumn> columns, UINT dpi) {
    for (int i = 0; i < static_cast<int>(columns.size()); ++i)
        SendMessageA(list, LVM_SETCOLUMNWIDTH, i,
                     ScaleLength(columns[i].width, static_cast<int>(dpi)));
}

void SetReportCell(HWND list, int row, int column, const std::string& text) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, column == 0 ? LVM_INSERTITEMA : LVM_SETITEMTEXTA, row,
                 reinterpret_cast<LPARAM>(&item));
}

void SelectReportRow(HWND list, int row) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    SendMessageA(list, LVM_ENSUREVISIBLE, row, FALSE);
}
