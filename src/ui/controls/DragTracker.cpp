#include "ui/controls/DragTracker.h"

#include <windowsx.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "ui/window/ErrorBoundary.h"
#include "ui/controls/ListBox.h"

namespace {

// The subclass of an attached list; its reference data is the tracker.
constexpr UINT_PTR kSubclassId = 1;

POINT clientPoint(LPARAM lp) {
    return POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
}

POINT toScreen(HWND w, POINT pt) {
    ClientToScreen(w, &pt);
    return pt;
}

POINT toClient(HWND w, POINT pt) {
    ScreenToClient(w, &pt);
    return pt;
}

}  // namespace

bool PastDragThreshold(POINT from, POINT to) {
    return std::abs(to.x - from.x) >= kDragThreshold || std::abs(to.y - from.y) >= kDragThreshold;
}

DragTracker::~DragTracker() {
    for (HWND list : attached_)
        if (IsWindow(list)) RemoveWindowSubclass(list, &ListProc, kSubclassId);
    if (source_ && GetCapture() == source_) ReleaseCapture();
}

void DragTracker::Attach(HWND list) {
    if (!list || std::find(attached_.begin(), attached_.end(), list) != attached_.end()) return;
    if (SetWindowSubclass(list, &ListProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        attached_.push_back(list);
}

void DragTracker::Detach(HWND list) {
    const auto found = std::find(attached_.begin(), attached_.end(), list);
    if (found == attached_.end()) return;
    if (source_ == list) Stop();
    RemoveWindowSubclass(list, &ListProc, kSubclassId);
    attached_.erase(found);
}

void DragTracker::Cancel() {
    Stop();
}

void DragTracker::SetCursorSize(int size) {
    if (size == cursorSize_) return;
    // A drag that shows the old cursor ends first: no cursor in use is destroyed.
    Stop();
    cursorSize_ = size;
    dragCursor_.reset();
}

LRESULT CALLBACK DragTracker::ListProc(HWND list, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                       DWORD_PTR data) {
    auto* self = reinterpret_cast<DragTracker*>(data);
    return AnswerGuarded(list, [&] {
        try {
            return self->Handle(list, msg, wp, lp);
        } catch (...) {
            // An error in a handler ends the drag before the error box takes the screen.
            self->Stop();
            throw;
        }
    });
}

LRESULT DragTracker::Handle(HWND list, UINT msg, WPARAM wp, LPARAM lp) {
    const bool tracking = source_ == list;
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // The list's own handling of the press would capture the mouse and move the
            // selection along with it; the drag takes the press instead.
            if (!source_) Press(list, clientPoint(lp));
            return 0;
        case WM_MOUSEMOVE:
            if (!tracking) break;
            // Without the button the drag has ended where this list could not see it.
            if (!(wp & MK_LBUTTON))
                Stop();
            else
                Move(toScreen(list, clientPoint(lp)));
            return 0;
        case WM_LBUTTONUP:
            if (!tracking) break;
            Release(toScreen(list, clientPoint(lp)));
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (!tracking) break;
            // Keys would move the selection away from the dragged row; only Escape counts.
            if (wp == VK_ESCAPE) Stop();
            return 0;
        case WM_CHAR:
        case WM_SYSCHAR:
            if (tracking) return 0;
            break;
        case WM_CAPTURECHANGED:
        case WM_CANCELMODE:
            if (tracking) Stop();
            break;
        case WM_NCDESTROY:
            if (tracking) Stop();
            RemoveWindowSubclass(list, &ListProc, kSubclassId);
            attached_.erase(std::remove(attached_.begin(), attached_.end(), list), attached_.end());
            break;
    }
    return DefSubclassProc(list, msg, wp, lp);
}

void DragTracker::Press(HWND list, POINT client) {
    if (GetFocus() != list) SetFocus(list);
    const int row = rowAt(list, client);
    if (row >= 0 && row != selectedRow(list)) {
        selectRow(list, row);
        if (GetWindowLongPtrA(list, GWL_STYLE) & LBS_NOTIFY)
            SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(list));
    }
    source_ = list;
    pressAt_ = toScreen(list, client);
    visible_ = false;
    SetCapture(list);
    if (handlers_.started) handlers_.started(list);
}

void DragTracker::Move(POINT screen) {
    if (!visible_) {
        if (!PastDragThreshold(pressAt_, screen)) return;
        visible_ = true;
    }
    const HWND target = TargetAt(source_, screen);
    SetCursor(Accepts(source_, target, screen) ? AcceptingCursor() : LoadCursor(nullptr, IDC_NO));
}

void DragTracker::Release(POINT screen) {
    const HWND source = source_;
    const bool visible = visible_;
    Stop();
    // A release before the drag showed is a plain click.
    if (!visible) return;
    const HWND target = TargetAt(source, screen);
    if (!Accepts(source, target, screen) || !handlers_.dropped) return;
    handlers_.dropped(source, target, toClient(target, screen));
}

void DragTracker::Stop() {
    const HWND source = std::exchange(source_, nullptr);
    const bool visible = std::exchange(visible_, false);
    if (source && GetCapture() == source) ReleaseCapture();
    if (visible) SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

HWND DragTracker::TargetAt(HWND source, POINT screen) {
    const HWND under = WindowFromPoint(screen);
    if (!under || !source) return nullptr;
    // Only the controls of the window the drag began in take part.
    if (GetAncestor(under, GA_ROOT) != GetAncestor(source, GA_ROOT)) return nullptr;
    return under;
}

bool DragTracker::Accepts(HWND source, HWND target, POINT screen) const {
    return target && handlers_.over && handlers_.over(source, target, toClient(target, screen));
}

HCURSOR DragTracker::AcceptingCursor() {
    if (!dragCursor_) dragCursor_ = MakeDragCursor(cursorSize_);
    return dragCursor_ ? dragCursor_.get() : LoadCursor(nullptr, IDC_ARROW);
}
