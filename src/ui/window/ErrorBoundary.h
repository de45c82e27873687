#pragma once
// The program's one error boundary. No C++ exception may cross into the system's frames: a
// window, control or subclass procedure, a hook, an enumeration callback, or a step the
// program block runs itself. An error raised behind the boundary ends the work there, is
// shown in the error box, and the program goes on with the next event.

#include <windows.h>

// Shows the error that is being handled in the error box over owner. Only for use inside a
// catch block; never raises itself.
void ReportCurrentError(HWND owner) noexcept;

// Runs a piece of work behind the boundary, with the error box over owner. Returns false
// when the work raised an error.
template <class Work>
bool RunGuarded(HWND owner, Work&& work) noexcept {
    try {
        work();
        return true;
    } catch (...) {
        ReportCurrentError(owner);
        return false;
    }
}

// Answers one message of window w with what answer returns: an error it raises is shown over
// w's top-level window, and the message counts as answered with 0.
template <class Answer>
LRESULT AnswerGuarded(HWND w, Answer&& answer) noexcept {
    LRESULT result = 0;
    RunGuarded(GetAncestor(w, GA_ROOT), [&] { result = answer(); });
    return result;
}

// The procedure of a control whose messages Handle answers, behind the boundary.
template <LRESULT (*Handle)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK GuardedControlProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    return AnswerGuarded(w, [&] { return Handle(w, msg, wp, lp); });
}
