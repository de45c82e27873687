#include "ui/WindowText.h"

std::string WindowText(HWND w) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(w)), '\0');
    if (!text.empty()) {
        // The system writes the closing NUL into the string's own terminator.
        const int got = GetWindowTextA(w, text.data(), static_cast<int>(text.size()) + 1);
        text.resize(static_cast<size_t>(got > 0 ? got : 0));
    }
    return text;
}
