#include "ui/controls/ToolButton.h"

#include <memory>
#include <string>
#include <utility>

#include "ui/window/Gdi.h"
#include "ui/window/Picture.h"
#include "ui/controls/OwnerDrawnButton.h"

namespace {

// A raised push button with the glyph centred on it; pressed, the face is sunken and the
// glyph one pixel further right and down.
class ToolFace : public ButtonFace {
public:
    ToolFace(const char* glyphName, UINT dpi) : glyphName_(glyphName) { SetDpi(dpi); }
    HBITMAP Picture() const override { return glyph_.get(); }
    void SetDpi(UINT dpi) override {
        glyph_ = LoadScaledPicture(glyphName_.c_str(), dpi, LR_CREATEDIBSECTION);
    }

    void Draw(const DRAWITEMSTRUCT& item) const override {
        HDC dc = item.hDC;
        const bool pressed = (item.itemState & ODS_SELECTED) != 0;
        RECT r = item.rcItem;
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
        if (!glyph_) return;
        BITMAP info{};
        GetObjectA(glyph_.get(), sizeof(info), &info);
        UniqueDC source(CreateCompatibleDC(dc));
        SelectGuard select(source.get(), glyph_.get());
        const COLORREF transparent = GetPixel(source.get(), 0, info.bmHeight - 1);
        const int shift = pressed ? 1 : 0;
        const int x = (item.rcItem.right - info.bmWidth) / 2 + shift;
        const int y = (item.rcItem.bottom - info.bmHeight) / 2 + shift;
        TransparentBlt(dc, x, y, info.bmWidth, info.bmHeight, source.get(), 0, 0, info.bmWidth,
                       info.bmHeight, transparent);
    }

private:
    std::string glyphName_;
    UniqueBitmap glyph_;
};

}  // namespace

HWND CreateToolButton(HWND parent, int id, int x, int y, int width, int height,
                      const char* glyphName, const char* hint, UINT dpi) {
    return CreateOwnerDrawnButton(parent, id, hint, x, y, width, height,
                                  std::make_unique<ToolFace>(glyphName, dpi));
}

void SetToolButtonDpi(HWND button, UINT dpi) {
    SetButtonDpi(button, dpi);
}
