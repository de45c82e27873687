#include "ui/window/Form.h"

#include <utility>
#include <vector>

#include "base/Exception.h"
#include "ui/window/Dpi.h"
#include "ui/window/ErrorBoundary.h"
#include "ui/window/WindowClass.h"

namespace {

std::vector<HWND> modalStack;

// An enumeration callback: an error ends the enumeration behind the boundary, and the windows
// not reached by then stay enabled.
BOOL CALLBACK collectEnabled(HWND w, LPARAM p) noexcept {
    auto* list = reinterpret_cast<std::vector<HWND>*>(p);
    return RunGuarded(GetActiveWindow(), [&] {
        if (IsWindowVisible(w) && IsWindowEnabled(w)) list->push_back(w);
    });
}

}  // namespace

HWND ActiveModalWindow() {
    return modalStack.empty() ? nullptr : modalStack.back();
}

TForm::~TForm() {
    // The window is unbound first: the messages of its destruction find no half-destroyed
    // object. A window destroyed before has cleared the handle itself.
    if (const HWND w = std::exchange(hwnd_, nullptr)) {
        SetWindowLongPtrA(w, GWLP_USERDATA, 0);
        DestroyWindow(w);
    }
}

void TForm::CreateForm(const FormStyle& s) {
    RegisterWindowClass({s.className, &TForm::Proc, CS_DBLCLKS,
                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), s.icon});
    dpi_ = SystemDpi();
    RECT r{0, 0, Scaled(s.clientWidth), Scaled(s.clientHeight)};
    AdjustWindowRectEx(&r, s.style, FALSE, s.exStyle);
    const int w = r.right - r.left, h = r.bottom - r.top;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    if (s.centred) {
        x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
        y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    }
    // The window binds itself to this object at WM_NCCREATE (Proc), so that the messages of
    // its creation reach the object.
    if (!CreateWindowExA(s.exStyle, s.className, s.caption.c_str(), s.style, x, y, w, h, s.owner,
                         nullptr, GetModuleHandleA(nullptr), this))
        throw Exception("The window \"" + s.caption + "\" cannot be created");
    // A window the system placed on a screen of another scale than the primary one is laid
    // out at that screen's DPI from the start: no message would tell it later.
    dpi_ = WindowDpi(hwnd_);
    font_ = MakeSansSerif(Scaled(kFontHeight));
    // The created size may differ where the frame is drawn differently; keep the client size.
    const int clientWidth = Scaled(s.clientWidth), clientHeight = Scaled(s.clientHeight);
    RECT client;
    GetClientRect(hwnd_, &client);
    if (client.right != clientWidth || client.bottom != clientHeight) {
        RECT win;
        GetWindowRect(hwnd_, &win);
        SetWindowPos(hwnd_, nullptr, 0, 0, (win.right - win.left) + clientWidth - client.right,
                     (win.bottom - win.top) + clientHeight - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

HWND TForm::AddControl(const char* className, const char* text, DWORD style, int x, int y, int w,
                       int h, int id, DWORD exStyle) {
    HWND c = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, Scaled(x),
                             Scaled(y), Scaled(w), Scaled(h), hwnd_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleA(nullptr), nullptr);
    SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    if (c) placed_.push_back({c, RECT{x, y, x + w, y + h}});
    return c;
}

void TForm::Place(HWND control, int x, int y, int w, int h) {
    if (!control) return;
    placed_.push_back({control, RECT{x, y, x + w, y + h}});
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    MoveWindow(control, Scaled(x), Scaled(y), Scaled(w), Scaled(h), TRUE);
}

void TForm::PlaceControls() {
    for (const Placed& p : placed_) {
        SendMessageA(p.control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        const RECT& d = p.designed;
        MoveWindow(p.control, Scaled(d.left), Scaled(d.top), Scaled(d.right - d.left),
                   Scaled(d.bottom - d.top), TRUE);
    }
}

// The system suggests the window's rectangle on the new screen; the controls follow at the
// new scale. The old font goes only once every control has the new one.
void TForm::ChangeDpi(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    const UniqueFont old = std::exchange(font_, MakeSansSerif(Scaled(kFontHeight)));
    for (const Placed& p : placed_)
        SendMessageA(p.control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    DpiChanged();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void TForm::SetCaption(const std::string& caption) {
    SetWindowTextA(hwnd_, caption.c_str());
}

int TForm::ShowModal() {
    HWND owner = ActiveModalWindow();
    if (!owner) owner = GetActiveWindow();
    // Every other top-level window of the program stays disabled while this one is open.
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), collectEnabled, reinterpret_cast<LPARAM>(&disabled));

    // Whatever ends the modal state, the loop or an error raised by FormShow, puts the other
    // windows, the modal stack and this window back as they were before it was shown.
    class ModalState {
    public:
        ModalState(TForm& form, const std::vector<HWND>& disabled, HWND owner)
            : form_(form), disabled_(disabled), owner_(owner) {
            modalStack.push_back(form_.hwnd_);
            form_.ModalResult = mrNone;
            form_.inModal_ = true;
            for (HWND w : disabled_)
                if (w != form_.hwnd_) EnableWindow(w, FALSE);
        }
        ~ModalState() {
            modalStack.pop_back();
            form_.inModal_ = false;
            // Enable the others before hiding, so that activation goes back to the owner.
            for (HWND w : disabled_)
                if (w != form_.hwnd_) EnableWindow(w, TRUE);
            ShowWindow(form_.hwnd_, SW_HIDE);
            RunGuarded(form_.hwnd_, [this] { form_.FormHide(); });
            if (owner_ && IsWindow(owner_)) SetActiveWindow(owner_);
        }
        ModalState(const ModalState&) = delete;
        ModalState& operator=(const ModalState&) = delete;

    private:
        TForm& form_;
        const std::vector<HWND>& disabled_;
        HWND owner_;
    };

    MSG msg{};
    bool quit = false;
    {
        ModalState state(*this, disabled, owner);
        ShowWindow(hwnd_, SW_SHOW);
        SetForegroundWindow(hwnd_);
        FormShow();
        while (ModalResult == mrNone) {
            // Wide, as the program's main loop: what is typed reaches the edit boxes whole.
            const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
            if (got <= 0) {
                quit = true;
                break;
            }
            if (!IsDialogMessageW(hwnd_, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    }
    if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
    return ModalResult == mrNone ? mrCancel : ModalResult;
}

// Tab and Shift+Tab (or a control named in wp) move the focus; an edit box reached so has all
// its text selected, as in the system's dialogs.
void TForm::MoveDialogFocus(WPARAM wp, LPARAM lp) {
    HWND next =
        LOWORD(lp) ? reinterpret_cast<HWND>(wp) : GetNextDlgTabItem(hwnd_, GetFocus(), wp != 0);
    if (!next) return;
    SetFocus(next);
    char cls[8] = {};
    GetClassNameA(next, cls, sizeof cls);
    if (lstrcmpiA(cls, "Edit") == 0) SendMessageA(next, EM_SETSEL, 0, -1);
}

LRESULT TForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CLOSE:
            if (!inModal_) break;
            ModalResult = mrCancel;
            return 0;
        case DM_GETDEFID:
            if (const HWND button = DefaultButton())
                return MAKELRESULT(GetDlgCtrlID(button), DC_HASDEFID);
            break;
        case WM_NEXTDLGCTL:
            if (!DefaultButton()) break;
            MoveDialogFocus(wp, lp);
            return 0;
        case WM_DPICHANGED:
            // Both words carry the same DPI: the system's scales are the same across and down.
            ChangeDpi(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
            return 0;
    }
    return Default(msg, wp, lp);
}

// The object comes with WM_NCCREATE and stays bound to the window until its last message,
// WM_NCDESTROY; after that the object holds no handle. The few messages before WM_NCCREATE
// (WM_GETMINMAXINFO) get the system's answer.
LRESULT CALLBACK TForm::Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* form = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        if (form) {
            form->hwnd_ = w;
            SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        }
    }
    auto* self = reinterpret_cast<TForm*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    if (!self) return DefWindowProcA(w, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(w, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcA(w, msg, wp, lp);
    }
    return AnswerGuarded(w, [&] { return self->WndProc(msg, wp, lp); });
}
