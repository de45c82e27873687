#include "support/WindowInfo.h"

#include "ui/window/Gdi.h"

namespace {

struct Search {
    int id;
    const char* className;
    HWND found = nullptr;
};

BOOL CALLBACK findById(HWND w, LPARAM p) {
    auto* search = reinterpret_cast<Search*>(p);
    if (GetDlgCtrlID(w) != search->id) return TRUE;
    search->found = w;
    return FALSE;
}

BOOL CALLBACK findByClass(HWND w, LPARAM p) {
    auto* search = reinterpret_cast<Search*>(p);
    if (ClassOf(w) != search->className) return TRUE;
    search->found = w;
    return FALSE;
}

}  // namespace

HWND ControlOf(HWND window, int id) {
    Search search{id, nullptr};
    EnumChildWindows(window, findById, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ThreadWindowOfClass(const char* className) {
    Search search{0, className};
    EnumThreadWindows(GetCurrentThreadId(), findByClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string TextOf(HWND w) {
    const int length = GetWindowTextLengthA(w);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(w, text.data(), length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

std::string ClassOf(HWND w) {
    char name[256] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}

RECT PlaceIn(HWND w, HWND in) {
    RECT r{};
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, in, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT PlaceInParent(HWND w) {
    return PlaceIn(w, GetParent(w));
}

RECT ClientRectOf(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    return r;
}

RECT RowRect(HWND list, int row) {
    RECT r{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    return r;
}

std::pair<DWORD, DWORD> SelectionOf(HWND edit) {
    DWORD from = MAXDWORD, to = MAXDWORD;  // what an edit box never answers
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    return {from, to};
}

SIZE TextSize(HWND w, const std::string& text) {
    WindowDC dc(w);
    SelectGuard font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(w, WM_GETFONT, 0, 0)));
    RECT r{0, 0, 0, 0};
    DrawTextA(dc.get(), text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

RECT RectAt(int left, int top, int width, int height) {
    return RECT{left, top, left + width, top + height};
}

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void PrintTo(const RECT& r, std::ostream* out) {
    *out << "(" << r.left << ", " << r.top << ") " << r.right - r.left << " x " << r.bottom - r.top;
}
