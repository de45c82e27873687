#include "ui/window/PaintedLabel.h"

#include "ui/window/Gdi.h"

UINT PaintedLabel::Format() const {
    // A label shows its text as it is: "&" is no accelerator prefix. A fixed-size label
    // keeps its text inside its box; one sized to its text never cuts a letter off, whatever
    // the font's measures on this system.
    UINT format = DT_NOPREFIX | DT_EXPANDTABS;
    if (AutoSize) format |= DT_NOCLIP;
    if (WordWrap) format |= DT_WORDBREAK;
    if (Centred) format |= DT_CENTER;
    return format;
}

void PaintedLabel::Paint(HDC dc, UINT dpi) const {
    RECT box = Bounds(dpi);
    if (!Transparent) FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
    SelectGuard font(dc, Font ? Font : GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, Colour);
    DrawTextA(dc, Caption.c_str(), static_cast<int>(Caption.size()), &box, Format());
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}
