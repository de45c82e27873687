#include "support/OwnerDraw.h"

void DrawListRow(HWND list, int row, const Pixels& into, UINT state) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(list));
    item.itemID = static_cast<UINT>(row);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = list;
    item.hDC = into.dc();
    item.rcItem = RECT{0, 0, into.width(), into.height()};
    SendMessageA(GetParent(list), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}
