#include "ui/controls/EditBox.h"

HWND CreateEditBox(HWND parent, DWORD style, int x, int y, int w, int h, int id, HFONT font) {
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | style, x, y,
                                w, h, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return edit;
}

void LimitTyping(HWND edit, int characters) {
    SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}
