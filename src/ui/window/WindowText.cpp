#include "ui/window/WindowText.h"

std::string WindowText(HWND w) {
    // The length a window reports may fall short of the text's UTF-8 form (the system may
    // count a character as at most two bytes), and a buffer that is too short would cut the
    // text, perhaps inside a character. The text is read again into more room until it fits
    // with a byte to spare.
    size_t room = static_cast<size_t>(GetWindowTextLengthA(w)) + 2;
    for (;;) {
        std::string text(room, '\0');
        const int got = GetWindowTextA(w, text.data(), static_cast<int>(room));
        const size_t length = static_cast<size_t>(got > 0 ? got : 0);
        if (length + 1 < room) {
            text.resize(length);
            return text;
        }
        room *= 2;
    }
}
