#include "ui/ToolButton.h"

#include <windowsx.h>

#include "ui/ErrorBoundary.h"
#include "ui/Gdi.h"
#include "ui/WindowClass.h"

namespace {

struct ButtonState {
    UniqueBitmap glyph;
    bool tracking = false;  // the mouse was pressed on the button and is captured
    bool pressed = false;   // drawn down: tracking and the mouse is over the button
};

ButtonState* stateOf(HWND w) {
    return reinterpret_cast<ButtonState*>(GetWindowLongPtrA(w, GWLP_USERDATA));
}

void setPressed(HWND w, ButtonState& s, bool pressed) {
    if (s.pressed == pressed) return;
    s.pressed = pressed;
    InvalidateRect(w, nullptr, FALSE);
}

bool cursorInside(HWND w, LPARAM lp) {
    RECT r;
    GetClientRect(w, &r);
    const POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    return PtInRect(&r, pt) != FALSE;
}

void paint(HWND w, const ButtonState& s) {
    PaintDC paint(w);
    HDC dc = paint.get();
    RECT r;
    GetClientRect(w, &r);
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (s.pressed ? DFCS_PUSHED : 0));
    if (s.glyph) {
        BITMAP info{};
        GetObjectA(s.glyph.get(), sizeof(info), &info);
        UniqueDC source(CreateCompatibleDC(dc));
        SelectGuard select(source.get(), s.glyph.get());
        const COLORREF transparent = GetPixel(source.get(), 0, info.bmHeight - 1);
        const int shift = s.pressed ? 1 : 0;
        const int x = (r.right - info.bmWidth) / 2 + shift;
        const int y = (r.bottom - info.bmHeight) / 2 + shift;
        TransparentBlt(dc, x, y, info.bmWidth, info.bmHeight, source.get(), 0, 0, info.bmWidth,
                       info.bmHeight, transparent);
    }
}

LRESULT handle(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    ButtonState* s = stateOf(w);
    if (!s) return DefWindowProcA(w, msg, wp, lp);
    switch (msg) {
        case WM_PAINT:
            paint(w, *s);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // No SetFocus here: the focus stays on the control that had it.
            s->tracking = true;
            SetCapture(w);
            setPressed(w, *s, true);
            return 0;
        case WM_MOUSEMOVE:
            if (s->tracking) setPressed(w, *s, cursorInside(w, lp));
            return 0;
        case WM_LBUTTONUP: {
            if (!s->tracking) return 0;
            const bool click = cursorInside(w, lp);
            s->tracking = false;
            setPressed(w, *s, false);
            ReleaseCapture();
            UpdateWindow(w);
            if (click) {
                const int id = GetDlgCtrlID(w);
                SendMessageA(GetParent(w), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                             reinterpret_cast<LPARAM>(w));
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lp) != w) {
                s->tracking = false;
                setPressed(w, *s, false);
            }
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(w, GWLP_USERDATA, 0);
            delete s;
            return DefWindowProcA(w, msg, wp, lp);
    }
    return DefWindowProcA(w, msg, wp, lp);
}

}  // namespace

HWND CreateToolButton(HWND parent, int id, int x, int y, int width, int height,
                      const char* glyphName) {
    RegisterWindowClass({kToolButtonClass, GuardedControlProc<handle>});
    HWND w = CreateWindowExA(0, kToolButtonClass, "", WS_CHILD | WS_VISIBLE, x, y, width, height,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleA(nullptr), nullptr);
    if (!w) return nullptr;
    auto* state = new ButtonState;
    state->glyph.reset(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), glyphName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    return w;
}

HBITMAP ToolButtonGlyph(HWND button) {
    const ButtonState* s = stateOf(button);
    return s ? s->glyph.get() : nullptr;
}

bool ToolButtonPressed(HWND button) {
    const ButtonState* s = stateOf(button);
    return s && s->pressed;
}
