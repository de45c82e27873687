#pragma once
// Owners for GDI objects and device contexts, and a guard that puts back what a drawing
// routine selected into a borrowed device context.

#include <windows.h>

#include "base/Unique.h"

using UniqueFont = Unique<HFONT, DeleteObject>;
using UniqueBrush = Unique<HBRUSH, DeleteObject>;
using UniqueBitmap = Unique<HBITMAP, DeleteObject>;
using UniqueDC = Unique<HDC, DeleteDC>;

class SelectGuard {  // selects obj into dc, restores the previous object when it goes
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~SelectGuard() { SelectObject(dc_, old_); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A window's DC from GetDC, released again with ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND w) : w_(w), dc_(GetDC(w)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(w_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND w_;
    HDC dc_;
};

// The DC of one WM_PAINT from BeginPaint, ended with EndPaint on every path, also when the
// drawing raises.
class PaintDC {
public:
    explicit PaintDC(HWND w) : w_(w), dc_(BeginPaint(w, &ps_)) {}
    ~PaintDC() {
        if (dc_) EndPaint(w_, &ps_);
    }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND w_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// The windows' font: MS Sans Serif, 11 pixels high (8 point at 96 dpi), or bold and 13 high.
UniqueFont MakeSansSerif(int height = 11, bool bold = false);
