#pragma once
// Owners for GDI objects, device contexts, menus and key tables, and guards that put back
// what a drawing routine changed in a borrowed device context.

#include <windows.h>

#include "base/NonCopyable.h"
#include "base/Unique.h"

using UniqueFont = Unique<HFONT, DeleteObject>;
using UniqueBrush = Unique<HBRUSH, DeleteObject>;
using UniqueBitmap = Unique<HBITMAP, DeleteObject>;
using UniqueDC = Unique<HDC, DeleteDC>;
using UniqueMenu = Unique<HMENU, DestroyMenu>;
using UniqueAccelerators = Unique<HACCEL, DestroyAcceleratorTable>;

// Selects obj into dc, and the previous object back when the guard goes.
class SelectGuard : NonCopyable {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~SelectGuard() { SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Something borrowed from owner for as long as the guard lives: Take(owner) gives it, and
// Give(owner, it) hands it back, unless Take failed (gave 0).
template <class Owner, class Value, auto Take, auto Give>
class Borrowed : NonCopyable {
public:
    explicit Borrowed(Owner owner) : owner_(owner), value_(Take(owner)) {}
    ~Borrowed() {
        if (value_) Give(owner_, value_);
    }
    Value get() const { return value_; }

private:
    Owner owner_;
    Value value_;
};

// A window's DC from GetDC, released again with ReleaseDC.
using WindowDC = Borrowed<HWND, HDC, GetDC, ReleaseDC>;

// The whole state of a borrowed DC (objects, colours, modes), saved with SaveDC and restored
// when the guard goes, also after an error.
using SavedDC = Borrowed<HDC, int, SaveDC, RestoreDC>;

// The DC of one WM_PAINT from BeginPaint, ended with EndPaint on every path, also when the
// drawing raises.
class PaintDC : NonCopyable {
public:
    explicit PaintDC(HWND w) : w_(w) { BeginPaint(w, &ps_); }
    ~PaintDC() {
        if (ps_.hdc) EndPaint(w_, &ps_);
    }
    HDC get() const { return ps_.hdc; }

private:
    HWND w_;
    PAINTSTRUCT ps_{};
};

// The windows' font: MS Sans Serif, 11 pixels high (8 point at 96 dpi), or bold and 13 high;
// at another DPI made at the scaled height.
inline constexpr int kFontHeight = 11;
inline constexpr int kBoldFontHeight = 13;
UniqueFont MakeSansSerif(int height = kFontHeight, bool bold = false);
