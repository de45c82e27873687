#pragma once
// The program's three kinds of report to the user, all modal.

#include <windows.h>

#include <string>

inline constexpr const char* kAppTitle = "Kestrune";

// The error box's text: a "." is appended when the last character sorts after ".".
std::string ErrorBoxText(const std::string& message);

// Plain message box: the application title, no icon, one OK button.
void PlainMessage(HWND owner, const std::string& text);

// Error box: stop icon, the application title, one OK button.
void ShowErrorBox(HWND owner, const std::string& message);
