#pragma once
// A label that is no window of its own: its form paints it on its own surface, in the order
// the labels were laid out. That is what lets a transparent copy of a text lie one pixel
// over an opaque copy, the two together drawing a shadowed headline.

#include <windows.h>

#include <string>

struct PaintedLabel {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    std::string Caption;
    HFONT Font = nullptr;  // borrowed from the form
    COLORREF Colour = 0;
    bool Transparent = false;  // an opaque label first fills its box with the button face
    bool WordWrap = false;     // wrap at the box's width; otherwise one line per text line
    bool Centred = false;      // each line centred in the box's width
    bool AutoSize = false;     // the box follows the text: nothing is cut off at its edges

    RECT Bounds() const { return RECT{Left, Top, Left + Width, Top + Height}; }
    // The DrawTextA flags the label is drawn with.
    UINT Format() const;
    void Paint(HDC dc) const;
};
