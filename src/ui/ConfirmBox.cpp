#include "ui/ConfirmBox.h"

#include "base/Unique.h"

namespace {

using UniqueHook = Unique<HHOOK, UnhookWindowsHookEx>;

// The system's Yes/No box has no Cancel button and so ignores Escape. Its dialog loop hands
// every message to the thread's message filter first; there Escape becomes a press of "&No".
bool isYesNoBox(HWND w) {
    char cls[16] = {};
    GetClassNameA(w, cls, sizeof(cls));
    return lstrcmpA(cls, "#32770") == 0 && GetDlgItem(w, IDYES) && GetDlgItem(w, IDNO);
}

LRESULT CALLBACK escapeAnswersNo(int code, WPARAM wp, LPARAM lp) {
    const auto* msg = reinterpret_cast<const MSG*>(lp);
    if (code == MSGF_DIALOGBOX && msg && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
        const HWND box = msg->hwnd ? GetAncestor(msg->hwnd, GA_ROOT) : nullptr;
        if (box && isYesNoBox(box)) {
            const HWND no = GetDlgItem(box, IDNO);
            SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED),
                         reinterpret_cast<LPARAM>(no));
            return TRUE;  // handled: the dialog manager must not see it again
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

bool ConfirmBox(HWND owner, const std::string& question) {
    UniqueHook hook(
        SetWindowsHookExA(WH_MSGFILTER, escapeAnswersNo, nullptr, GetCurrentThreadId()));
    const int answer = MessageBoxA(owner, question.c_str(), kConfirmCaption,
                                   MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1);
    return answer == IDYES;
}
