#pragma once
// The window classes of the program's own controls and windows: each registered once, the
// later calls finding it.

#include <windows.h>

#include "ui/Form.h"

struct WindowClassInfo {
    const char* name;
    WNDPROC proc;
    UINT style = 0;
    HBRUSH background = nullptr;  // a system colour index + 1, or nullptr for none
    HICON icon = nullptr;         // borrowed; the class keeps it
};

void RegisterWindowClass(const WindowClassInfo& info);

// The procedure of a control whose messages Handle answers: an error it raises is shown in
// the error box over the control's top-level window and the message counts as answered.
template <LRESULT (*Handle)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK GuardedControlProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (!RunGuarded(GetAncestor(w, GA_ROOT), [&] { result = Handle(w, msg, wp, lp); })) return 0;
    return result;
}
