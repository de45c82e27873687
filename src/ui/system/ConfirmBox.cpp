#include "ui/system/ConfirmBox.h"

#include "base/Unique.h"
#include "ui/window/ErrorBoundary.h"

namespace {

using UniqueHook = Unique<HHOOK, UnhookWindowsHookEx>;

// The system's Yes/No box has no Cancel button and so ignores Escape. Its dialog loop hands
// every message to the thread's message filter first; there Escape becomes a press of "&No".
bool isYesNoBox(HWND w) {
    char cls[16] = {};
    GetClassNameA(w, cls, sizeof(cls));
    return lstrcmpA(cls, "#32770") == 0 && GetDlgItem(w, IDYES) && GetDlgItem(w, IDNO);
}

// True when msg was Escape in a Yes/No box and has been answered as a press of "&No".
bool answeredEscape(int code, const MSG* msg) {
    if (code != MSGF_DIALOGBOX || !msg || msg->message != WM_KEYDOWN || msg->wParam != VK_ESCAPE)
        return false;
    const HWND box = msg->hwnd ? GetAncestor(msg->hwnd, GA_ROOT) : nullptr;
    if (!box || !isYesNoBox(box)) return false;
    SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
    return true;
}

LRESULT CALLBACK escapeAnswersNo(int code, WPARAM wp, LPARAM lp) {
    const auto* msg = reinterpret_cast<const MSG*>(lp);
    bool answered = false;
    RunGuarded(msg ? GetAncestor(msg->hwnd, GA_ROOT) : nullptr,
               [&] { answered = answeredEscape(code, msg); });
    // An answered Escape is handled: the dialog manager must not see it again.
    return answered ? TRUE : CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

bool ConfirmBox(HWND owner, const std::string& question) {
    UniqueHook hook(
        SetWindowsHookExA(WH_MSGFILTER, escapeAnswersNo, nullptr, GetCurrentThreadId()));
    const int answer = MessageBoxA(owner, question.c_str(), kConfirmCaption,
                                   MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1);
    return answer == IDYES;
}
