#pragma once
// The confirmation box: caption "Confirm", the question-mark icon, the question and the
// buttons "&Yes" (default) and "&No"; Escape answers "&No".

#include <windows.h>

#include <string>

inline constexpr const char* kConfirmCaption = "Confirm";

// True only when the answer is "&Yes".
bool ConfirmBox(HWND owner, const std::string& question);
