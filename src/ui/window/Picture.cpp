#include "ui/window/Picture.h"

#include <cstdint>
#include <string>

#include "base/DpiScale.h"

namespace {

UniqueBitmap loadBitmap(const char* name, UINT flags) {
    return UniqueBitmap(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, flags)));
}

SIZE sizeOf(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

// Every pixel of the copy takes the colour of the nearest one of the picture: edges stay
// sharp and no colour is mixed, so the transparent colour stays one colour.
UniqueBitmap resampled(HBITMAP picture, SIZE from, SIZE to) {
    UniqueDC source(CreateCompatibleDC(nullptr));
    UniqueDC target(CreateCompatibleDC(nullptr));
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof(header.bmiHeader);
    header.bmiHeader.biWidth = to.cx;
    header.bmiHeader.biHeight = to.cy;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    UniqueBitmap copy(CreateDIBSection(target.get(), &header, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!copy || !source || !target) return {};
    SelectGuard reading(source.get(), picture);
    SelectGuard writing(target.get(), copy.get());
    SetStretchBltMode(target.get(), COLORONCOLOR);
    StretchBlt(target.get(), 0, 0, to.cx, to.cy, source.get(), 0, 0, from.cx, from.cy, SRCCOPY);
    return copy;
}

}  // namespace

UniqueBitmap LoadScaledPicture(const char* name, UINT dpi, UINT flags) {
    int scale = PictureScaleFor(static_cast<int>(dpi));
    UniqueBitmap picture;
    if (scale != 100)
        picture = loadBitmap((std::string(name) + "_" + std::to_string(scale)).c_str(), flags);
    if (!picture) {
        scale = 100;
        picture = loadBitmap(name, flags);
    }
    const SIZE made = sizeOf(picture.get());
    const SIZE designed{made.cx * 100 / scale, made.cy * 100 / scale};
    const SIZE shown{ScaleLength(designed.cx, static_cast<int>(dpi)),
                     ScaleLength(designed.cy, static_cast<int>(dpi))};
    if (!picture || (shown.cx == made.cx && shown.cy == made.cy)) return picture;
    UniqueBitmap copy = resampled(picture.get(), made, shown);
    return copy ? std::move(copy) : std::move(picture);
}

UniqueBitmap LoadPictureOn(const char* name, COLORREF background, UINT dpi) {
    // A 32-bit copy, so that every pixel is one DWORD whatever depth the resource has.
    UniqueBitmap loaded = LoadScaledPicture(name, dpi, LR_CREATEDIBSECTION);
    if (!loaded) return loaded;
    BITMAP info{};
    if (!GetObjectA(loaded.get(), sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return loaded;

    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof(header.bmiHeader);
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -info.bmHeight;  // top-down: row 0 first
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    UniqueDC dc(CreateCompatibleDC(nullptr));
    UniqueBitmap copy(CreateDIBSection(dc.get(), &header, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!copy || !bits) return loaded;
    {
        UniqueDC source(CreateCompatibleDC(nullptr));
        SelectGuard from(source.get(), loaded.get());
        SelectGuard to(dc.get(), copy.get());
        BitBlt(dc.get(), 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
    }
    GdiFlush();
    auto* pixel = static_cast<std::uint32_t*>(bits);
    const size_t count = static_cast<size_t>(info.bmWidth) * static_cast<size_t>(info.bmHeight);
    const std::uint32_t transparent =
        pixel[static_cast<size_t>(info.bmHeight - 1) * static_cast<size_t>(info.bmWidth)] &
        0xFFFFFF;
    const std::uint32_t fill = (static_cast<std::uint32_t>(GetRValue(background)) << 16) |
                               (static_cast<std::uint32_t>(GetGValue(background)) << 8) |
                               GetBValue(background);
    for (size_t i = 0; i < count; ++i)
        if ((pixel[i] & 0xFFFFFF) == transparent) pixel[i] = fill;
    return copy;
}
