#include "ui/window/Dpi.h"

#include "base/DpiScale.h"
#include "ui/window/Gdi.h"

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

// Looked up once: Windows 10 version 1607 and later have it, Windows 7 and 8 do not, and a
// direct import would keep the program from starting there.
GetDpiForWindowFn getDpiForWindow() {
    static const auto found = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    return found;
}

UINT screenDpi(HDC dc) {
    return dc ? static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSY)) : 0;
}

}  // namespace

UINT SystemDpi() {
    const WindowDC screen(nullptr);
    const UINT dpi = screenDpi(screen.get());
    return dpi > 0 ? dpi : kDesignDpi;
}

UINT WindowDpi(HWND w) {
    if (const auto own = getDpiForWindow(); own && w)
        if (const UINT dpi = own(w); dpi > 0) return dpi;
    return SystemDpi();
}
