#pragma once
// A label that is no window of its own: its form paints it on its own surface, in the order
// the labels were laid out. That is what lets a transparent copy of a text lie one pixel
// over an opaque copy, the two together drawing a shadowed headline.

#include <windows.h>

#include <string>

#include "base/DpiScale.h"

struct PaintedLabel {
    int Left = 0, Top = 0, Width = 0, Height = 0;  // designed, at 96 DPI
    std::string Caption;
    HFONT Font = nullptr;  // borrowed from the form
    COLORREF Colour = 0;
    bool Transparent = false;  // an opaque label first fills its box with the button face
    bool WordWrap = false;     // wrap at the box's width; otherwise one line per text line
    bool Centred = false;      // each line centred in the box's width
    bool AutoSize = false;     // the box follows the text: nothing is cut off at its edges

    // The box at dpi.
    RECT Bounds(UINT dpi = kDesignDpi) const {
        const int d = static_cast<int>(dpi);
        const int left = ScaleLength(Left, d), top = ScaleLength(Top, d);
        return RECT{left, top, left + ScaleLength(Width, d), top + ScaleLength(Height, d)};
    }
    // The DrawTextA flags the label is drawn with.
    UINT Format() const;
    // Paints the label in its box at dpi, in its font (made for that DPI by the form).
    void Paint(HDC dc, UINT dpi = kDesignDpi) const;
};
