#include "ui/window/Picture.h"

#include <cstdint>

UniqueBitmap LoadPictureOn(const char* name, COLORREF background) {
    // A 32-bit copy, so that every pixel is one DWORD whatever depth the resource has.
    UniqueBitmap loaded(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
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
