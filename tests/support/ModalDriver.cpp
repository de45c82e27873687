#include "support/ModalDriver.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/WindowInfo.h"

namespace {

ModalDriver* current = nullptr;

struct Search {
    const std::function<bool(HWND)>* match;
    const std::vector<HWND>* skip;
    HWND found = nullptr;
};

BOOL CALLBACK findWindow(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    if (!IsWindowVisible(w) || !IsWindowEnabled(w)) return TRUE;
    if (std::find(s->skip->begin(), s->skip->end(), w) != s->skip->end()) return TRUE;
    if (!(*s->match)(w)) return TRUE;
    s->found = w;
    return FALSE;
}

BOOL CALLBACK readChild(HWND w, LPARAM p) {
    auto* seen = reinterpret_cast<SeenMessageBox*>(p);
    if (!IsWindowVisible(w)) return TRUE;
    const std::string cls = ClassOf(w);
    if (_stricmp(cls.c_str(), "Button") == 0) {
        seen->buttons.push_back(TextOf(w));
    } else if (_stricmp(cls.c_str(), "Static") == 0) {
        const LONG style = GetWindowLongA(w, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON) {
            seen->icon = reinterpret_cast<HICON>(SendMessageA(w, STM_GETICON, 0, 0));
        } else {
            const std::string text = TextOf(w);
            if (!text.empty()) seen->text += text;
        }
    }
    return TRUE;
}

}  // namespace

bool IsMessageBoxWindow(HWND w) {
    return ClassOf(w) == "#32770";
}

SeenMessageBox ReadMessageBox(HWND box) {
    SeenMessageBox seen;
    seen.caption = TextOf(box);
    EnumChildWindows(box, readChild, reinterpret_cast<LPARAM>(&seen));
    return seen;
}

void PressDialogButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

ModalDriver::ModalDriver() {
    if (current) ADD_FAILURE() << "only one ModalDriver may live at a time";
    current = this;
    timer_ = SetTimer(nullptr, 0, 30, &ModalDriver::Tick);
}

ModalDriver::~ModalDriver() {
    if (timer_) KillTimer(nullptr, timer_);
    if (current == this) current = nullptr;
    if (!queue_.empty())
        ADD_FAILURE() << queue_.size() << " modal window(s) expected but never shown";
}

void ModalDriver::AnswerNextModal(Answer answer, Match match) {
    queue_.push_back({std::move(answer), std::move(match)});
}

void ModalDriver::AnswerMessageBox(int button) {
    AnswerNextModal([this, button](HWND box) {
        seen_.push_back(ReadMessageBox(box));
        PressDialogButton(box, button);
    });
}

void ModalDriver::ExpectMessageBox(const std::string& expectedText, int button) {
    AnswerNextModal([this, button, expectedText](HWND box) {
        seen_.push_back(ReadMessageBox(box));
        EXPECT_EQ(seen_.back().text, expectedText);
        PressDialogButton(box, button);
    });
}

void ModalDriver::Forget(HWND w) {
    answered_.erase(std::remove(answered_.begin(), answered_.end(), w), answered_.end());
}

void CALLBACK ModalDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
    // Runs inside the system's modal loops: nothing may be thrown from here.
    try {
        if (current) current->Poll();
    } catch (...) {
    }
}

void ModalDriver::Poll() {
    // Windows already answered may linger a moment while their loop ends.
    answered_.erase(
        std::remove_if(answered_.begin(), answered_.end(), [](HWND w) { return !IsWindow(w); }),
        answered_.end());
    const Match anyMessageBox = IsMessageBoxWindow;
    const Match& match = queue_.empty() ? anyMessageBox : queue_.front().match;
    Search search{&match, &answered_};
    EnumThreadWindows(GetCurrentThreadId(), findWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return;
    answered_.push_back(search.found);
    if (queue_.empty()) {
        seen_.push_back(ReadMessageBox(search.found));
        ADD_FAILURE() << "unexpected message box: \"" << seen_.back().text << "\"";
        PostMessageA(search.found, WM_CLOSE, 0, 0);
        PressDialogButton(search.found, IDOK);
        return;
    }
    Queued next = std::move(queue_.front());
    queue_.pop_front();
    next.answer(search.found);
}
