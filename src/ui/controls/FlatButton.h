#pragma once
// The flat button of the information windows: an owner-drawn push button (OwnerDrawnButton.h)
// whose window text is its caption, drawn on the window's face; a raised edge while the mouse
// is over it and a sunken one while it is pressed. As it never takes the keyboard focus, no
// focus rectangle is ever drawn on it.

#include <windows.h>

// font is borrowed; the parent keeps it alive as long as the button.
HWND CreateFlatButton(HWND parent, int id, const char* caption, int x, int y, int width, int height,
                      HFONT font);
