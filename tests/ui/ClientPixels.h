#pragma once
// The pixels a window (or a piece of text) draws, read back from a 32-bit memory bitmap, for
// tests that check what a window looks like without depending on the screen.

#include <windows.h>

#include <string>
#include <vector>

#include "ui/Gdi.h"

class Pixels {
public:
    Pixels(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_.reset(CreateCompatibleDC(nullptr));
        bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
        old_ = SelectObject(dc_.get(), bitmap_.get());
    }
    ~Pixels() { SelectObject(dc_.get(), old_); }
    Pixels(const Pixels&) = delete;
    Pixels& operator=(const Pixels&) = delete;

    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // The colour at (x, y) as a COLORREF; outside the bitmap: CLR_INVALID.
    COLORREF at(int x, int y) const {
        if (!inside(x, y)) return CLR_INVALID;
        GdiFlush();
        const DWORD v = static_cast<const DWORD*>(bits_)[y * width_ + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    std::vector<COLORREF> all() const {
        std::vector<COLORREF> out;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) out.push_back(at(x, y));
        return out;
    }

private:
    int width_, height_;
    UniqueDC dc_;
    UniqueBitmap bitmap_;
    void* bits_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// What the window paints in its client area, asked for with WM_PRINTCLIENT.
inline void PrintClient(HWND w, Pixels& into) {
    SendMessageA(w, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(into.dc()),
                 PRF_CLIENT | PRF_ERASEBKGND);
}

// The ink of text drawn with font into a box of width x height whose top-left corner lies
// margin pixels in from the bitmap's, black on white: the text's shape, to compare a
// window's drawing with.
class TextInk {
public:
    TextInk(const std::string& text, HFONT font, int width, int height, UINT format, int margin)
        : margin_(margin), pixels_(width + 2 * margin, height + 2 * margin) {
        RECT all{0, 0, pixels_.width(), pixels_.height()};
        FillRect(pixels_.dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SelectGuard select(pixels_.dc(), font);
        SetBkMode(pixels_.dc(), TRANSPARENT);
        SetTextColor(pixels_.dc(), RGB(0, 0, 0));
        RECT box{margin, margin, margin + width, margin + height};
        DrawTextA(pixels_.dc(), text.c_str(), static_cast<int>(text.size()), &box, format);
    }
    // Whether (x, y), relative to the box's top-left corner, is ink.
    bool ink(int x, int y) const { return coverage(x, y) != Coverage::None; }
    // How much of (x, y) the text covers: a smoothed font covers the pixels along its edges
    // in part, and their colour is a blend of the text's and what lay below.
    enum class Coverage { None, Part, Full };
    Coverage coverage(int x, int y) const {
        const COLORREF c = pixels_.at(x + margin_, y + margin_);
        if (c == CLR_INVALID || c == RGB(255, 255, 255)) return Coverage::None;
        return c == RGB(0, 0, 0) ? Coverage::Full : Coverage::Part;
    }
    int inkCount() const {
        int n = 0;
        for (int y = -margin_; y < pixels_.height() - margin_; ++y)
            for (int x = -margin_; x < pixels_.width() - margin_; ++x) n += ink(x, y) ? 1 : 0;
        return n;
    }
    int margin() const { return margin_; }

private:
    int margin_;
    Pixels pixels_;
};
