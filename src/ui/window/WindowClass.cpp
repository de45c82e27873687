#include "ui/window/WindowClass.h"

void RegisterWindowClass(const WindowClassInfo& info) {
    WNDCLASSEXA wc{};
    if (GetClassInfoExA(GetModuleHandleA(nullptr), info.name, &wc)) return;
    wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = info.style;
    wc.lpfnWndProc = info.proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = info.background;
    wc.hIcon = info.icon;
    wc.lpszClassName = info.name;
    RegisterClassExA(&wc);
}
