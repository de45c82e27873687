#include "ui/controls/Panel.h"

#include "ui/window/ErrorBoundary.h"
#include "ui/window/Gdi.h"
#include "ui/window/WindowClass.h"

namespace {

constexpr const char* kPanelClass = "TPanel";

LRESULT panelProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            return SendMessageA(GetParent(w), msg, wp, lp);
        case WM_PAINT: {
            PaintDC dc(w);
            RECT r;
            GetClientRect(w, &r);
            DrawEdge(dc.get(), &r, BDR_RAISEDINNER, BF_RECT);
            return 0;
        }
        case WM_SIZE:
            // The bevel runs along the edges, which move with the size.
            InvalidateRect(w, nullptr, TRUE);
            return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

}  // namespace

HWND CreatePanel(HWND parent, int x, int y, int w, int h, int id) {
    RegisterWindowClass({kPanelClass, GuardedControlProc<panelProc>, 0,
                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)});
    return CreateWindowExA(WS_EX_CONTROLPARENT, kPanelClass, "",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}
