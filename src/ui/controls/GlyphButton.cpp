#include "ui/controls/GlyphButton.h"

#include <string>

#include "base/DpiScale.h"
#include "res/resource.h"
#include "ui/window/Gdi.h"
#include "ui/window/Picture.h"
#include "ui/window/WindowText.h"

namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);
constexpr int kGlyphSpacing = 4;
constexpr int kFocusInset = 4;

SIZE sizeOf(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof(info), &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

void drawGlyph(HDC dc, HBITMAP glyph, SIZE size, int x, int y) {
    UniqueDC source(CreateCompatibleDC(dc));
    if (!source) return;
    SelectGuard select(source.get(), glyph);
    TransparentBlt(dc, x, y, size.cx, size.cy, source.get(), 0, 0, size.cx, size.cy, kTransparent);
}

}  // namespace

UniqueBitmap LoadGlyph(const char* name, UINT dpi) {
    return LoadScaledPicture(name, dpi, LR_DEFAULTCOLOR);
}

void OkCancelGlyphs::Load(UINT dpi) {
    ok_ = LoadGlyph(BMP_OK, dpi);
    cancel_ = LoadGlyph(BMP_CANCEL, dpi);
}

bool OkCancelGlyphs::Draw(const DRAWITEMSTRUCT& item, HWND ok, HWND cancel, HWND defaultButton,
                          UINT dpi) const {
    if (item.hwndItem != ok && item.hwndItem != cancel) return false;
    DrawGlyphButton(item, item.hwndItem == ok ? ok_.get() : cancel_.get(),
                    item.hwndItem == defaultButton, dpi);
    return true;
}

void DrawGlyphButton(const DRAWITEMSTRUCT& item, HBITMAP glyph, bool isDefault, UINT dpi) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;

    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (isDefault) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&r, -1, -1);
    }
    if (pushed && isDefault) {
        // A pressed default button is drawn flat inside its frame, as the system does.
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    }

    // The system does not promise that the button's font is selected into the DC it lends.
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
    SelectGuard selectFont(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));

    const std::string caption = WindowText(item.hwndItem);
    SIZE text{0, 0};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    const SIZE picture = sizeOf(glyph);
    const int gap =
        picture.cx > 0 && !caption.empty() ? ScaleLength(kGlyphSpacing, static_cast<int>(dpi)) : 0;
    const int shift = pushed ? 1 : 0;
    const int width = picture.cx + gap + text.cx;
    const int left = (item.rcItem.left + item.rcItem.right - width) / 2 + shift;
    const int middle = (item.rcItem.top + item.rcItem.bottom) / 2 + shift;

    if (picture.cx > 0) drawGlyph(dc, glyph, picture, left, middle - picture.cy / 2);

    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour =
        SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    TextOutA(dc, left + picture.cx + gap, middle - text.cy / 2, caption.c_str(),
             static_cast<int>(caption.size()));
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);

    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        const int inset = ScaleLength(kFocusInset, static_cast<int>(dpi));
        InflateRect(&focus, -inset, -inset);
        DrawFocusRect(dc, &focus);
    }
}
