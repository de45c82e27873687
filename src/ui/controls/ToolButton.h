#pragma once
// The tool button: an owner-drawn push button (OwnerDrawnButton.h) that shows a picture, its
// glyph, on a raised face and no caption. Its window text is its hint, the name a screen
// reader gives it; the hint is shown by a tooltip of the window.

#include <windows.h>

// Creates the button with the bitmap resource glyphName as its glyph (the button owns it), at
// its size for dpi (ui/window/Picture.h). A missing resource leaves the button without a
// picture. The pixel in the glyph's lower left corner is its transparent colour.
HWND CreateToolButton(HWND parent, int id, int x, int y, int width, int height,
                      const char* glyphName, const char* hint = "", UINT dpi = 96);

// The button's glyph is made anew for dpi.
void SetToolButtonDpi(HWND button, UINT dpi);
