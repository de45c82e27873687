#include "ui/controls/FlatButton.h"

#include <memory>
#include <string>

#include "ui/window/Gdi.h"
#include "ui/controls/OwnerDrawnButton.h"
#include "ui/window/WindowText.h"

namespace {

// The caption centred on the window's face; pressed, the caption moves one pixel right and
// down.
class FlatFace : public ButtonFace {
public:
    bool ShowsHover() const override { return true; }

    void Draw(const DRAWITEMSTRUCT& item) const override {
        HDC dc = item.hDC;
        const bool pressed = (item.itemState & ODS_SELECTED) != 0;
        RECT r = item.rcItem;
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        if (pressed)
            DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
        else if (item.itemState & ODS_HOTLIGHT)
            DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
        if (pressed) OffsetRect(&r, 1, 1);
        const std::string caption = WindowText(item.hwndItem);
        // The system does not promise that the button's font is selected into the DC.
        const auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
        SelectGuard selectFont(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
        const int oldMode = SetBkMode(dc, TRANSPARENT);
        const COLORREF oldColour = SetTextColor(
            dc, GetSysColor(item.itemState & ODS_DISABLED ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SetTextColor(dc, oldColour);
        SetBkMode(dc, oldMode);
    }
};

}  // namespace

HWND CreateFlatButton(HWND parent, int id, const char* caption, int x, int y, int width, int height,
                      HFONT font) {
    HWND w = CreateOwnerDrawnButton(parent, id, caption, x, y, width, height,
                                    std::make_unique<FlatFace>());
    if (w) SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return w;
}
