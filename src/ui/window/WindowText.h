#pragma once
// The text of a window or control (a caption, an edit box's contents), whatever its length.

#include <windows.h>

#include <string>

std::string WindowText(HWND w);
