#pragma once
// The program's edit boxes. Each is a Unicode window: it keeps what is typed in any script, and
// its limit counts characters (an ANSI edit box on Windows counts the bytes of the code page,
// so a limit of 40 would take only 20 Cyrillic letters in UTF-8). The program still talks to
// it through the ...A calls, which the system converts through the program's code page.

#include <windows.h>

// A visible child edit box with a sunken edge and the given font (borrowed).
HWND CreateEditBox(HWND parent, DWORD style, int x, int y, int w, int h, int id, HFONT font);

// The user can type at most characters characters (UTF-16 units, as Windows counts them);
// 0 lifts the edit box's default cap.
void LimitTyping(HWND edit, int characters);
