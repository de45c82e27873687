#pragma once
// The pixels a window (or a piece of text) draws, read back from a 32-bit memory surface, for
// tests that check what a window looks like without depending on the screen.

#include <windows.h>

#include <string>

#include "support/Pixels.h"
#include "ui/window/Gdi.h"

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
        : margin_(margin), pixels_(width + 2 * margin, height + 2 * margin, RGB(255, 255, 255)) {
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
