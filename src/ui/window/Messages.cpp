#include "ui/window/Messages.h"

std::string ErrorBoxText(const std::string& message) {
    // Compared as unsigned bytes: a text ending in a quote or a full stop gets none.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

void PlainMessage(HWND owner, const std::string& text) {
    MessageBoxA(owner, text.c_str(), kAppTitle, MB_OK);
}

void ShowErrorBox(HWND owner, const std::string& message) {
    MessageBoxA(owner, ErrorBoxText(message).c_str(), kAppTitle, MB_OK | MB_ICONSTOP);
}
