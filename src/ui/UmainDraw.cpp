#include "ui/Umain.h"

#include <string>

#include "ui/ListBox.h"

// The list has prepared the device context: its font, and the brush and text colours of a
// plain or a selected row.
void TfrmMain::lbDrawItem(HDC dc, int index, const RECT& rect, UINT) {
    FillRect(dc, &rect, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
    const TEntry* entry = Catalogue().Entry(index);
    if (entry && !entry->Icon.empty())
        DrawIcon(dc, rect.left + 2, rect.top + 2, static_cast<HICON>(entry->Icon.get()));
    SIZE line{};
    GetTextExtentPoint32A(dc, "Wg", 2, &line);
    const std::string text = rowText(lb, index);
    TextOutA(dc, rect.left + 40, rect.top + (kRowHeight - line.cy) / 2, text.c_str(),
             static_cast<int>(text.size()));
}
