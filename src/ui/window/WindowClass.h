#pragma once
// The window classes of the program's own controls and windows: each registered once, the
// later calls finding it.

#include <windows.h>

struct WindowClassInfo {
    const char* name;
    WNDPROC proc;
    UINT style = 0;
    HBRUSH background = nullptr;  // a system colour index + 1, or nullptr for none
    HICON icon = nullptr;         // borrowed; the class keeps it
};

void RegisterWindowClass(const WindowClassInfo& info);
