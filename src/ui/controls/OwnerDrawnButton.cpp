#include "ui/controls/OwnerDrawnButton.h"

#include <windowsx.h>
#include <commctrl.h>

#include <utility>

#include "ui/window/ErrorBoundary.h"
#include "ui/window/Gdi.h"

namespace {

// The subclass of the buttons made here; its reference data is the button's binding.
constexpr UINT_PTR kSubclassId = 1;

// What a button keeps beside the system's own state of it (BST_PUSHED among that).
struct Binding {
    std::unique_ptr<ButtonFace> face;
    bool tracking = false;  // the mouse was pressed on the button and is captured
    bool hot = false;       // the mouse is over a button whose face shows it
};

bool pushed(HWND w) {
    return (SendMessageA(w, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

void setPushed(HWND w, bool value) {
    if (pushed(w) != value) SendMessageA(w, BM_SETSTATE, value, 0);
}

void setHot(HWND w, Binding& b, bool value) {
    if (b.hot == value) return;
    b.hot = value;
    InvalidateRect(w, nullptr, FALSE);
}

bool cursorInside(HWND w, LPARAM lp) {
    RECT r;
    GetClientRect(w, &r);
    const POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    return PtInRect(&r, pt) != FALSE;
}

void notifyClick(HWND w) {
    if (!IsWindowEnabled(w)) return;
    SendMessageA(GetParent(w), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w), BN_CLICKED),
                 reinterpret_cast<LPARAM>(w));
}

void draw(HWND w, const Binding& b, HDC dc) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(w));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = (pushed(w) ? ODS_SELECTED : 0) | (IsWindowEnabled(w) ? 0 : ODS_DISABLED) |
                     (GetFocus() == w ? ODS_FOCUS : 0) | (b.hot ? ODS_HOTLIGHT : 0);
    item.hwndItem = w;
    item.hDC = dc;
    GetClientRect(w, &item.rcItem);
    b.face->Draw(item);
}

// The button's new DPI, in wp: a message of the program's own, which no window of the system's
// takes for another.
UINT setDpiMessage() {
    static const UINT message = RegisterWindowMessageA("Kestrune.ButtonDpi");
    return message;
}

// Every message not taken here goes on to the Button class's own procedure.
LRESULT passOn(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    return DefSubclassProc(w, msg, wp, lp);
}

LRESULT handle(HWND w, Binding& b, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == setDpiMessage() && msg != 0) {
        b.face->SetDpi(static_cast<UINT>(wp));
        InvalidateRect(w, nullptr, FALSE);
        return 0;
    }
    switch (msg) {
        case WM_PAINT: {
            PaintDC dc(w);
            draw(w, b, dc.get());
            return 0;
        }
        case WM_PRINTCLIENT:
            draw(w, b, reinterpret_cast<HDC>(wp));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the face covers every pixel
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // Not the system's press, which would take the focus: it stays where it was.
            b.tracking = true;
            SetCapture(w);
            setPushed(w, true);
            return 0;
        case WM_MOUSEMOVE:
            if (b.face->ShowsHover() && !b.hot) {
                // The hover look goes again when the mouse leaves.
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, w, 0};
                TrackMouseEvent(&track);
                setHot(w, b, true);
            }
            if (b.tracking) setPushed(w, cursorInside(w, lp));
            return 0;
        case WM_MOUSELEAVE:
            setHot(w, b, false);
            return 0;
        case WM_LBUTTONUP: {
            if (!b.tracking) return 0;
            const bool click = cursorInside(w, lp);
            b.tracking = false;
            setPushed(w, false);
            ReleaseCapture();
            // Drawn up before the command runs, which may open a modal window.
            UpdateWindow(w);
            if (click) notifyClick(w);
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lp) != w) {
                b.tracking = false;
                setPushed(w, false);
            }
            return 0;
        case BM_CLICK:
            notifyClick(w);
            return 0;
        case BM_SETSTATE:
        case WM_ENABLE:
        case WM_SETTEXT: {
            // The system's button draws these changes through its owner, which leaves the
            // drawing to the button: it draws them at its next paint.
            const LRESULT result = passOn(w, msg, wp, lp);
            InvalidateRect(w, nullptr, FALSE);
            return result;
        }
        case BM_GETSTATE:
            // The hover look is told as the system's buttons tell theirs.
            return passOn(w, msg, wp, lp) | (b.hot ? BST_HOT : 0);
        case BM_GETIMAGE:
            if (wp == IMAGE_BITMAP) return reinterpret_cast<LRESULT>(b.face->Picture());
            break;
    }
    return passOn(w, msg, wp, lp);
}

LRESULT CALLBACK buttonProc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    auto* b = reinterpret_cast<Binding*>(data);
    if (msg == WM_NCDESTROY) {
        // The window's last message: the binding goes with it.
        const std::unique_ptr<Binding> owned(b);
        RemoveWindowSubclass(w, &buttonProc, kSubclassId);
        return DefSubclassProc(w, msg, wp, lp);
    }
    return AnswerGuarded(w, [&] { return handle(w, *b, msg, wp, lp); });
}

}  // namespace

HWND CreateOwnerDrawnButton(HWND parent, int id, const char* text, int x, int y, int width,
                            int height, std::unique_ptr<ButtonFace> face) {
    auto binding = std::make_unique<Binding>();
    binding->face = std::move(face);
    HWND w = CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, x, y, width,
                             height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleA(nullptr), nullptr);
    if (!w) return nullptr;
    // The system's button has answered the messages of its creation; from here on the
    // subclass of this file comes first, and the window owns the binding until WM_NCDESTROY.
    if (!SetWindowSubclass(w, &buttonProc, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(binding.get()))) {
        DestroyWindow(w);
        return nullptr;
    }
    binding.release();
    return w;
}

void SetButtonDpi(HWND button, UINT dpi) {
    if (button) SendMessageA(button, setDpiMessage(), dpi, 0);
}
