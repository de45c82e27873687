#pragma once
// A 32-bit top-down memory surface to draw into and read back pixel by pixel, for tests that
// check what is drawn without depending on the screen.

#include <windows.h>

#include <vector>

#include "ui/window/Gdi.h"

// A colour no drawing of the program uses: a surface filled with it shows where nothing was
// drawn.
constexpr COLORREF kUnpainted = RGB(0x12, 0x34, 0x56);

class Pixels {
public:
    // Every pixel starts as fill.
    Pixels(int width, int height, COLORREF fill = RGB(0, 0, 0));
    ~Pixels() { SelectObject(dc_.get(), old_); }
    Pixels(const Pixels&) = delete;
    Pixels& operator=(const Pixels&) = delete;

    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // The colour at (x, y) as a COLORREF; outside the surface: CLR_INVALID.
    COLORREF at(int x, int y) const;
    // Every pixel, row by row from the top.
    std::vector<COLORREF> all() const;

private:
    int width_, height_;
    UniqueDC dc_;
    UniqueBitmap bitmap_;
    DWORD* bits_ = nullptr;
    HGDIOBJ old_ = nullptr;
};
