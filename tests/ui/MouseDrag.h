#pragma once
// Drags with the mouse, as messages that go where the system sends them: to the window that
// holds the mouse capture, or else to the window under the point, in that window's client
// coordinates. A test fixture takes it as a base and drags rows and cells:
//
//     Drag(lbExt(), 1, RowPoint(lb(), 3));   // extension row 1 onto type row 3

#include <gtest/gtest.h>
#include <windows.h>

#include "support/Pump.h"
#include "support/WindowInfo.h"

class MouseDrag {
protected:
    static POINT OnScreen(HWND w, POINT p) {
        ClientToScreen(w, &p);
        return p;
    }

    // The middle of a row (or cell), on the screen.
    static POINT RowPoint(HWND list, int row) {
        const RECT r = RowRect(list, row);
        return OnScreen(list, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }

    // One mouse message at a screen point, delivered as the system delivers it.
    static void Mouse(UINT msg, WPARAM keys, POINT screen) {
        HWND to = GetCapture();
        if (!to) to = WindowFromPoint(screen);
        ASSERT_NE(to, nullptr);
        POINT client = screen;
        ScreenToClient(to, &client);
        SendMessageA(to, msg, keys, MAKELPARAM(client.x, client.y));
    }

    void Press(HWND list, POINT screen) {
        ASSERT_EQ(WindowFromPoint(screen), list) << "the list is not under the press point";
        Mouse(WM_LBUTTONDOWN, MK_LBUTTON, screen);
        at_ = screen;
    }
    // The mouse goes to screen in a few steps, the button held.
    void MoveTo(POINT screen) {
        for (int step = 1; step <= 4; ++step)
            Mouse(WM_MOUSEMOVE, MK_LBUTTON,
                  POINT{at_.x + (screen.x - at_.x) * step / 4,
                        at_.y + (screen.y - at_.y) * step / 4});
        at_ = screen;
    }
    void Release() {
        Mouse(WM_LBUTTONUP, 0, at_);
        PumpMessages();
    }
    // Press on row of list, over to the screen point, release there.
    void Drag(HWND list, int row, POINT to) {
        Press(list, RowPoint(list, row));
        MoveTo(to);
        Release();
    }

private:
    POINT at_{};
};
