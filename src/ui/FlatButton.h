#pragma once
// The flat button of the information windows: its caption on the window's face, a raised
// edge while the mouse is over it and a sunken one while it is pressed. It never takes the
// keyboard focus and is no tab stop, so no focus rectangle is ever drawn on it. A click, or
// BM_CLICK, reaches the parent as WM_COMMAND with BN_CLICKED, like a system button's.

#include <windows.h>

inline constexpr const char* kFlatButtonClass = "KestruneFlatButton";

// font is borrowed; the parent keeps it alive as long as the button.
HWND CreateFlatButton(HWND parent, int id, const char* caption, int x, int y, int width, int height,
                      HFONT font);

// True while the mouse is over the button (drawn raised).
bool FlatButtonHot(HWND button);
// True while the button is drawn pressed.
bool FlatButtonPressed(HWND button);
