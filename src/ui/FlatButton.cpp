#include "ui/FlatButton.h"

#include <windowsx.h>

#include <string>

#include "ui/ErrorBoundary.h"
#include "ui/Gdi.h"
#include "ui/WindowClass.h"
#include "ui/WindowText.h"

namespace {

struct FlatState {
    HFONT font = nullptr;
    bool hot = false;       // the mouse is over the button
    bool tracking = false;  // the mouse was pressed on the button and is captured
    bool pressed = false;   // drawn down: tracking and the mouse is over the button
};

FlatState* stateOf(HWND w) {
    return reinterpret_cast<FlatState*>(GetWindowLongPtrA(w, GWLP_USERDATA));
}

bool cursorInside(HWND w, LPARAM lp) {
    RECT r;
    GetClientRect(w, &r);
    const POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    return PtInRect(&r, pt) != FALSE;
}

void setLook(HWND w, bool& flag, bool value) {
    if (flag == value) return;
    flag = value;
    InvalidateRect(w, nullptr, FALSE);
}

void draw(HWND w, HDC dc, const FlatState& s) {
    RECT r;
    GetClientRect(w, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (s.pressed)
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (s.hot)
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    if (s.pressed) OffsetRect(&r, 1, 1);
    const std::string caption = WindowText(w);
    SelectGuard font(dc, s.font ? s.font : GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour =
        SetTextColor(dc, GetSysColor(IsWindowEnabled(w) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

void notifyClick(HWND w) {
    if (!IsWindowEnabled(w)) return;
    SendMessageA(GetParent(w), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w), BN_CLICKED),
                 reinterpret_cast<LPARAM>(w));
}

LRESULT handle(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    FlatState* s = stateOf(w);
    if (!s) return DefWindowProcA(w, msg, wp, lp);
    switch (msg) {
        case WM_PAINT: {
            PaintDC dc(w);
            draw(w, dc.get(), *s);
            return 0;
        }
        case WM_PRINTCLIENT:
            draw(w, reinterpret_cast<HDC>(wp), *s);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETFONT:
            s->font = reinterpret_cast<HFONT>(wp);
            if (LOWORD(lp)) InvalidateRect(w, nullptr, FALSE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(s->font);
        case WM_SETTEXT: {
            const LRESULT done = DefWindowProcA(w, msg, wp, lp);
            InvalidateRect(w, nullptr, FALSE);
            return done;
        }
        case WM_ENABLE:
            InvalidateRect(w, nullptr, FALSE);
            return 0;
        case WM_MOUSEMOVE:
            if (!s->hot) {
                // The raised look goes again when the mouse leaves.
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, w, 0};
                TrackMouseEvent(&track);
                setLook(w, s->hot, true);
            }
            if (s->tracking) setLook(w, s->pressed, cursorInside(w, lp));
            return 0;
        case WM_MOUSELEAVE:
            setLook(w, s->hot, false);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // No SetFocus: the button never holds the focus.
            s->tracking = true;
            SetCapture(w);
            setLook(w, s->pressed, true);
            return 0;
        case WM_LBUTTONUP: {
            if (!s->tracking) return 0;
            const bool click = cursorInside(w, lp);
            s->tracking = false;
            setLook(w, s->pressed, false);
            ReleaseCapture();
            UpdateWindow(w);
            if (click) notifyClick(w);
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lp) != w) {
                s->tracking = false;
                setLook(w, s->pressed, false);
            }
            return 0;
        case BM_CLICK:
            notifyClick(w);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(w, GWLP_USERDATA, 0);
            delete s;
            return DefWindowProcA(w, msg, wp, lp);
    }
    return DefWindowProcA(w, msg, wp, lp);
}

}  // namespace

HWND CreateFlatButton(HWND parent, int id, const char* caption, int x, int y, int width, int height,
                      HFONT font) {
    RegisterWindowClass({kFlatButtonClass, GuardedControlProc<handle>});
    HWND w = CreateWindowExA(0, kFlatButtonClass, caption, WS_CHILD | WS_VISIBLE, x, y, width,
                             height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleA(nullptr), nullptr);
    if (!w) return nullptr;
    auto* state = new FlatState;
    state->font = font;
    SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    return w;
}

bool FlatButtonHot(HWND button) {
    const FlatState* s = stateOf(button);
    return s && s->hot;
}

bool FlatButtonPressed(HWND button) {
    const FlatState* s = stateOf(button);
    return s && s->pressed;
}
