#pragma once
// Text put on the clipboard for every program to paste.

#include <windows.h>

#include <string>

// Puts text (in the program's code page) on the clipboard as Unicode text, so that a name of
// any script reaches every program whole; owner becomes the clipboard's owner. Raises an error
// when no memory can be had for it or another program holds the clipboard open.
void CopyTextToClipboard(HWND owner, const std::string& text);
