// The main window's keys, all in one table: the program's message loop translates them into
// commands of the window. Keys that act on a list act on the list that has the focus.

#include <windows.h>

#include <iterator>

#include "ui/main/Umain.h"

namespace {

ACCEL kKeys[] = {
    {FVIRTKEY | FCONTROL, 'Z', IDM_UNDO}, {FVIRTKEY | FCONTROL, 'Y', IDM_REDO},
    {FVIRTKEY, VK_F5, IDM_REFRESH},       {FVIRTKEY, VK_RETURN, IDM_OPEN},
    {FVIRTKEY, VK_DELETE, IDM_DELETE},    {FVIRTKEY | FCONTROL, 'F', IDC_BTNFINDEXT},
    {FVIRTKEY, VK_F1, IDC_BTNHELP},       {FVIRTKEY | FCONTROL, 'C', IDM_COPY},
};

}  // namespace

bool TfrmMain::TranslateShortcut(MSG& msg) {
    if (!Handle() || (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))) return false;
    // The menu key opens the context menu of the focused control at its press. Not every
    // system's default handling turns it into a context-menu request, and the release is
    // kept from that handling too, so the menu never opens twice. Shift+F10 is left to the
    // default handling, which asks for the menu the same way.
    if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && msg.wParam == VK_APPS) {
        if (msg.message == WM_KEYDOWN)
            SendMessageA(msg.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(msg.hwnd),
                         MAKELPARAM(-1, -1));
        return true;
    }
    if (!shortcuts_)
        shortcuts_.reset(CreateAcceleratorTableA(kKeys, static_cast<int>(std::size(kKeys))));
    return shortcuts_ && TranslateAcceleratorW(Handle(), shortcuts_.get(), &msg);
}

void TfrmMain::KeyCommand(int id) {
    const HWND focus = GetFocus();
    const bool onTypes = focus == lb, onExts = focus == lbExt;
    switch (id) {
        case IDM_OPEN:
            // Enter on a file-type row does what a double click does.
            if (onTypes) lbDblClick();
            break;
        case IDM_DELETE:
            if (onTypes) btnDelFileTypeClick();
            if (onExts) btnDelExtClick();
            break;
        case IDM_COPY:
            if (onTypes) CopyNameClick(ViewOf::Type);
            if (onExts) CopyNameClick(ViewOf::Extension);
            break;
    }
}
