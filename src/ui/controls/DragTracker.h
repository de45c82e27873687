#pragma once
// The in-window drag and drop of list controls: a press on an attached list selects the row
// under the mouse and begins a drag; once the mouse has moved 5 pixels or more from the
// press point, across or down, the drag is visible: the control under the cursor is asked
// whether it accepts, and the cursor shows the answer. Releasing the button over a control
// that accepts drops there; Escape, a release anywhere else or losing the mouse capture ends
// the drag with nothing dropped.
//
// The list holds the mouse capture (and the keyboard focus) while the button is down, and
// its own tracking of the mouse is kept out of it, so its selection stays on the dragged row.

#include <windows.h>

#include <functional>
#include <vector>

#include "ui/controls/DragCursor.h"

// The window's side of the drags of its lists.
struct DragHandlers {
    // A press on source began a drag; the row under the mouse is selected already.
    std::function<void(HWND source)> started;
    // Whether target (the control under the cursor, or null) takes what source drags, at pt
    // in target's client coordinates.
    std::function<bool(HWND source, HWND target, POINT pt)> over;
    // The release over target, which accepted the drag there; pt in target's client
    // coordinates.
    std::function<void(HWND source, HWND target, POINT pt)> dropped;
};

// The pixels the mouse moves from the press point before a drag shows.
inline constexpr int kDragThreshold = 5;

// True once to is kDragThreshold or more from from, horizontally or vertically.
bool PastDragThreshold(POINT from, POINT to);

class DragTracker {
public:
    DragTracker() = default;
    DragTracker(const DragTracker&) = delete;
    DragTracker& operator=(const DragTracker&) = delete;
    // Takes the drag's subclass off every attached list that still exists.
    ~DragTracker();

    void SetHandlers(DragHandlers handlers) { handlers_ = std::move(handlers); }
    // Puts list in automatic drag mode: every left press on it begins a drag.
    void Attach(HWND list);
    // Takes list out of drag mode again (ending a drag of its own).
    void Detach(HWND list);

    // The list whose drag runs (button held), or null.
    HWND Source() const { return source_; }
    // True while the running drag is visible (past the threshold).
    bool Visible() const { return visible_; }
    // Ends the running drag without a drop.
    void Cancel();
    // The accepting cursor is size pixels square from now on.
    void SetCursorSize(int size);
    // Runs work with list's drag subclass taken off and puts it back afterwards, also when work
    // raises. For work that sends a list thousands of messages that no drag needs (rows added
    // in one go): each message through a subclass costs a request to the window server where
    // the system keeps a subclass in a window property, as Wine does.
    template <class Work>
    void Detached(HWND list, Work&& work) {
        Detach(list);
        try {
            work();
        } catch (...) {
            Attach(list);
            throw;
        }
        Attach(list);
    }

private:
    static LRESULT CALLBACK ListProc(HWND list, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                     DWORD_PTR data);
    LRESULT Handle(HWND list, UINT msg, WPARAM wp, LPARAM lp);

    void Press(HWND list, POINT client);
    void Move(POINT screen);
    void Release(POINT screen);
    void Stop();
    // The control of source's top-level window under a screen point, or null.
    static HWND TargetAt(HWND source, POINT screen);
    bool Accepts(HWND source, HWND target, POINT screen) const;
    HCURSOR AcceptingCursor();

    DragHandlers handlers_;
    std::vector<HWND> attached_;
    HWND source_ = nullptr;
    POINT pressAt_{};  // screen coordinates
    bool visible_ = false;
    UniqueCursor dragCursor_;
    int cursorSize_ = 32;
};
